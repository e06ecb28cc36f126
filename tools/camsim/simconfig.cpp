#include "tools/camsim/simconfig.h"

#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace camsim {

QByteArray WifiNetwork::record() const
{
    if (raw)
        return *raw;
    QByteArray out;
    for (int i = 0; i < 7; ++i) {
        if (i)
            out += ';';
        out += i == 2 ? field[2].toBase64() : field[i];
    }
    return out;
}

void SimCamera::fillDefaultNetwork()
{
    const QHostAddress address(ip);
    QByteArray gateway;
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        gateway = QHostAddress((address.toIPv4Address() & 0xffffff00u) | 1u).toString().toUtf8();
    const QByteArray ipText = ip.toUtf8();
    for (int key = 0; key < 30; ++key)
        network.insert(key, QByteArray());
    network[0] = ipMode == "0" ? "1" : "0";
    network[6] = ipMode == "1" ? "1" : "0";
    network[9] = wireless ? "1" : "0";
    if (ipMode == "2") {
        network[1] = ipText;
        network[2] = "255.255.255.0";
        network[3] = gateway;
        network[4] = gateway;
    }
    network[23] = ipText;
    network[24] = "255.255.255.0";
    network[25] = gateway;
    network[26] = gateway;
}

void SimCamera::applySetup(const QMap<int, QByteArray> &items)
{
    for (auto it = items.cbegin(); it != items.cend(); ++it)
        network.insert(it.key(), it.value());
    ++setupsApplied;
    if (internetAfterSetup)
        internet = *internetAfterSetup;
    if (!setupChangesLink)
        return;
    if (items.contains(9))
        wireless = items.value(9) == "1";
    if (items.contains(0) || items.contains(6)) {
        if (network.value(6) == "1") {
            ipMode = "1";
        } else if (network.value(0) == "1") {
            ipMode = "0";
        } else {
            ipMode = "2";
            if (!QHostAddress(QString::fromUtf8(network.value(1))).isNull())
                ip = QString::fromUtf8(network.value(1));
            for (int key = 1; key <= 5; ++key)
                network[22 + key] = network.value(key);
        }
    }
}

QString normalizedMac(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9A-Fa-f]{2}:){5}[0-9A-Fa-f]{2}")));
    return pattern.match(text).hasMatch() ? text.toLower() : QString();
}

namespace {

const QString broadcastMacText = QStringLiteral("ff:ff:ff:ff:ff:ff");

class Parser
{
public:
    explicit Parser(QString *error) : error(error) {}

    bool fail(const QString &where, const QString &what)
    {
        if (error)
            *error = where.isEmpty() ? what : where + QStringLiteral(": ") + what;
        return false;
    }

    bool checkKeys(const QJsonObject &object, const QStringList &allowed, const QString &where)
    {
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!allowed.contains(it.key()))
                return fail(where, QStringLiteral("unknown key \"%1\"").arg(it.key()));
        return true;
    }

    // A text item value; numbers are taken as their decimal text.
    bool text(const QJsonValue &value, const QString &where, QByteArray *out, bool itemValue = true)
    {
        if (value.isString())
            *out = value.toString().toUtf8();
        else if (value.isDouble() && value.toDouble() == double(value.toInteger()))
            *out = QByteArray::number(value.toInteger());
        else
            return fail(where, QStringLiteral("expected a text"));
        // A ";" would end the item early and the reply would say something else.
        if (itemValue && out->contains(';'))
            return fail(where, QStringLiteral("\";\" cannot stand in an item value"));
        return true;
    }

    bool flag(const QJsonValue &value, const QString &where, bool *out)
    {
        if (value.isBool()) {
            *out = value.toBool();
            return true;
        }
        QByteArray t;
        if (!text(value, where, &t) || (t != "0" && t != "1"))
            return fail(where, QStringLiteral("expected true, false, \"1\" or \"0\""));
        *out = t == "1";
        return true;
    }

    bool integer(const QJsonValue &value, const QString &where, int low, int high, int *out)
    {
        if (!value.isDouble() || value.toDouble() != double(value.toInteger())
            || value.toInteger() < low || value.toInteger() > high)
            return fail(where,
                        QStringLiteral("expected a whole number from %1 to %2").arg(low).arg(high));
        *out = int(value.toInteger());
        return true;
    }

    bool classes(const QJsonValue &value, const QString &where, QByteArray *out)
    {
        QByteArray digits;
        if (value.isArray()) {
            for (const QJsonValue &v : value.toArray()) {
                QByteArray t;
                if (!text(v, where, &t))
                    return false;
                digits += t;
            }
        } else if (!text(value, where, &digits)) {
            return false;
        }
        for (char c : digits)
            if (c < '0' || c > '9')
                return fail(where, QStringLiteral("expected class digits"));
        *out = digits;
        return true;
    }

    bool wifi(const QJsonValue &value, const QString &where, WifiNetwork *out)
    {
        if (!value.isObject())
            return fail(where, QStringLiteral("expected an object"));
        const QJsonObject o = value.toObject();
        if (o.contains(QStringLiteral("raw"))) {
            if (o.size() != 1)
                return fail(where, QStringLiteral("a raw record has no other keys"));
            QByteArray raw;
            if (!text(o.value(QStringLiteral("raw")), where, &raw, false))
                return false;
            out->raw = raw;
            return true;
        }
        if (!checkKeys(o,
                       {QStringLiteral("ssid"), QStringLiteral("f0"), QStringLiteral("f1"),
                        QStringLiteral("f3"), QStringLiteral("f4"), QStringLiteral("f5"),
                        QStringLiteral("f6")},
                       where))
            return false;
        if (!o.contains(QStringLiteral("ssid")))
            return fail(where, QStringLiteral("a network needs \"ssid\""));
        for (int i = 0; i < 7; ++i) {
            const QString key = i == 2 ? QStringLiteral("ssid") : QStringLiteral("f%1").arg(i);
            QByteArray v = "0";
            // The name goes out in base64: any text will do.
            if (o.contains(key) && !text(o.value(key), where + QLatin1Char('.') + key, &v, i != 2))
                return false;
            if (i != 2 && v.contains(','))
                return fail(where + QLatin1Char('.') + key,
                            QStringLiteral("\",\" would split the network record"));
            out->field[i] = v;
        }
        return true;
    }

    bool camera(const QJsonObject &o, const QString &where, SimCamera *cam)
    {
        static const QStringList allowed = {QStringLiteral("mac"),
                                            QStringLiteral("model"),
                                            QStringLiteral("name"),
                                            QStringLiteral("ip"),
                                            QStringLiteral("password"),
                                            QStringLiteral("registered"),
                                            QStringLiteral("link"),
                                            QStringLiteral("ipMode"),
                                            QStringLiteral("version"),
                                            QStringLiteral("info"),
                                            QStringLiteral("deviceNo"),
                                            QStringLiteral("deviceTail"),
                                            QStringLiteral("portal"),
                                            QStringLiteral("dfp"),
                                            QStringLiteral("network"),
                                            QStringLiteral("setupChangesLink"),
                                            QStringLiteral("wifi"),
                                            QStringLiteral("internet"),
                                            QStringLiteral("internetAfterSetup"),
                                            QStringLiteral("unanswered"),
                                            QStringLiteral("silentFrom"),
                                            QStringLiteral("replyDelayMs"),
                                            QStringLiteral("web"),
                                            QStringLiteral("count")};
        if (!checkKeys(o, allowed, where))
            return false;

        const QString mac = normalizedMac(o.value(QStringLiteral("mac")).toString());
        if (mac.isEmpty())
            return fail(where + QStringLiteral(".mac"),
                        QStringLiteral("expected six hexadecimal pairs joined by \":\""));
        if (mac == broadcastMacText)
            return fail(where + QStringLiteral(".mac"),
                        QStringLiteral("the broadcast address is no camera"));
        cam->mac = mac;

        if (!o.contains(QStringLiteral("model")))
            return fail(where, QStringLiteral("a camera needs \"model\""));
        struct TextField {
            const char *key;
            QByteArray *target;
        };
        const TextField texts[] = {
            {"model", &cam->model},       {"name", &cam->name},
            {"password", &cam->password}, {"version", &cam->version},
            {"deviceNo", &cam->deviceNo}, {"deviceTail", &cam->deviceTail},
            {"portal", &cam->portal},     {"dfp", &cam->dfp},
            {"internet", &cam->internet},
        };
        for (const TextField &f : texts) {
            const QString key = QString::fromLatin1(f.key);
            // The name and the password go out in base64: any text will do.
            const bool itemValue = key != QLatin1String("name") && key != QLatin1String("password");
            if (o.contains(key)
                && !text(o.value(key), where + QLatin1Char('.') + key, f.target, itemValue))
                return false;
        }
        if (cam->model.isEmpty())
            return fail(where + QStringLiteral(".model"), QStringLiteral("empty model"));

        if (o.contains(QStringLiteral("ip"))) {
            QByteArray ip;
            if (!text(o.value(QStringLiteral("ip")), where + QStringLiteral(".ip"), &ip))
                return false;
            cam->ip = QString::fromUtf8(ip);
        }
        if (o.contains(QStringLiteral("registered"))
            && !flag(o.value(QStringLiteral("registered")), where + QStringLiteral(".registered"),
                     &cam->registered))
            return false;
        if (o.contains(QStringLiteral("setupChangesLink"))
            && !flag(o.value(QStringLiteral("setupChangesLink")),
                     where + QStringLiteral(".setupChangesLink"), &cam->setupChangesLink))
            return false;

        if (o.contains(QStringLiteral("link"))) {
            const QString link = o.value(QStringLiteral("link")).toString();
            if (link != QLatin1String("wired") && link != QLatin1String("wireless"))
                return fail(where + QStringLiteral(".link"),
                            QStringLiteral("expected \"wired\" or \"wireless\""));
            cam->wireless = link == QLatin1String("wireless");
        }
        if (o.contains(QStringLiteral("ipMode"))) {
            QByteArray mode;
            if (!text(o.value(QStringLiteral("ipMode")), where + QStringLiteral(".ipMode"), &mode))
                return false;
            if (mode == "dhcp")
                mode = "0";
            else if (mode == "pppoe")
                mode = "1";
            else if (mode == "static")
                mode = "2";
            if (mode != "0" && mode != "1" && mode != "2")
                return fail(where + QStringLiteral(".ipMode"),
                            QStringLiteral(
                                "expected \"dhcp\", \"pppoe\", \"static\", \"0\", \"1\" or \"2\""));
            cam->ipMode = mode;
        }
        if (cam->internet.isEmpty())
            return fail(where + QStringLiteral(".internet"), QStringLiteral("empty result"));
        if (o.contains(QStringLiteral("internetAfterSetup"))) {
            QByteArray after;
            if (!text(o.value(QStringLiteral("internetAfterSetup")),
                      where + QStringLiteral(".internetAfterSetup"), &after))
                return false;
            cam->internetAfterSetup = after;
        }

        if (o.contains(QStringLiteral("info"))) {
            const QJsonValue info = o.value(QStringLiteral("info"));
            if (!info.isObject())
                return fail(where + QStringLiteral(".info"), QStringLiteral("expected an object"));
            const QJsonObject io = info.toObject();
            if (!checkKeys(io,
                           {QStringLiteral("C"), QStringLiteral("E"), QStringLiteral("O"),
                            QStringLiteral("R")},
                           where + QStringLiteral(".info")))
                return false;
            const std::pair<const char *, QByteArray *> infos[] = {
                {"C", &cam->infoC}, {"E", &cam->infoE}, {"O", &cam->infoO}, {"R", &cam->infoR}};
            for (const auto &[key, target] : infos)
                if (io.contains(QLatin1String(key))
                    && !text(io.value(QLatin1String(key)),
                             where + QStringLiteral(".info.") + QLatin1String(key), target))
                    return false;
        }

        cam->fillDefaultNetwork();
        if (o.contains(QStringLiteral("network"))) {
            const QJsonValue net = o.value(QStringLiteral("network"));
            if (!net.isObject())
                return fail(where + QStringLiteral(".network"),
                            QStringLiteral("expected an object"));
            const QJsonObject no = net.toObject();
            for (auto it = no.begin(); it != no.end(); ++it) {
                bool ok = false;
                const int key = it.key().toInt(&ok);
                const QString at = where + QStringLiteral(".network.") + it.key();
                if (!ok || key < 0 || key > 29 || QString::number(key) != it.key())
                    return fail(at, QStringLiteral("keys are the numbers 0 to 29"));
                QByteArray v;
                if (!text(it.value(), at, &v))
                    return false;
                cam->network[key] = v;
            }
        }

        if (o.contains(QStringLiteral("wifi"))) {
            const QJsonValue list = o.value(QStringLiteral("wifi"));
            if (!list.isArray())
                return fail(where + QStringLiteral(".wifi"), QStringLiteral("expected a list"));
            const QJsonArray a = list.toArray();
            for (int i = 0; i < a.size(); ++i) {
                WifiNetwork w;
                if (!wifi(a.at(i), where + QStringLiteral(".wifi[%1]").arg(i), &w))
                    return false;
                cam->wifi.append(w);
            }
        }
        if (o.contains(QStringLiteral("unanswered"))
            && !classes(o.value(QStringLiteral("unanswered")),
                        where + QStringLiteral(".unanswered"), &cam->unanswered))
            return false;
        if (o.contains(QStringLiteral("silentFrom"))) {
            const QString at = where + QStringLiteral(".silentFrom");
            if (!text(o.value(QStringLiteral("silentFrom")), at, &cam->silentFrom))
                return false;
            if (cam->silentFrom.isEmpty() || cam->silentFrom.contains('=') || cam->silentFrom == "M"
                || cam->silentFrom == "D")
                return fail(at, QStringLiteral("expected an item key other than M and D"));
        }
        if (o.contains(QStringLiteral("replyDelayMs"))
            && !integer(o.value(QStringLiteral("replyDelayMs")),
                        where + QStringLiteral(".replyDelayMs"), 0, 600000, &cam->replyDelayMs))
            return false;
        if (o.contains(QStringLiteral("web"))
            && !web(o.value(QStringLiteral("web")), where + QStringLiteral(".web"), cam))
            return false;
        return true;
    }

    bool web(const QJsonValue &value, const QString &where, SimCamera *cam)
    {
        if (!value.isObject())
            return fail(where, QStringLiteral("expected an object"));
        const QJsonObject o = value.toObject();
        if (!checkKeys(
                o, {QStringLiteral("enabled"), QStringLiteral("fault"), QStringLiteral("delayMs")},
                where))
            return false;
        if (o.contains(QStringLiteral("enabled"))
            && !flag(o.value(QStringLiteral("enabled")), where + QStringLiteral(".enabled"),
                     &cam->webEnabled))
            return false;
        if (o.contains(QStringLiteral("fault"))) {
            static const QHash<QString, WebFault> faults{
                {QStringLiteral("none"), WebFault::none},
                {QStringLiteral("slow"), WebFault::slow},
                {QStringLiteral("silent"), WebFault::silent},
                {QStringLiteral("redirect"), WebFault::redirect},
                {QStringLiteral("server-error"), WebFault::serverError},
                {QStringLiteral("trickle"), WebFault::trickle},
                {QStringLiteral("oversized"), WebFault::oversized},
                {QStringLiteral("endless"), WebFault::endless}};
            const QJsonValue f = o.value(QStringLiteral("fault"));
            if (!f.isString() || !faults.contains(f.toString()))
                return fail(where + QStringLiteral(".fault"),
                            QStringLiteral("expected \"none\", \"slow\", \"silent\", "
                                           "\"redirect\", \"server-error\", \"trickle\", "
                                           "\"oversized\" or \"endless\""));
            cam->webFault = faults.value(f.toString());
        }
        return !o.contains(QStringLiteral("delayMs"))
               || integer(o.value(QStringLiteral("delayMs")), where + QStringLiteral(".delayMs"), 0,
                          600000, &cam->webDelayMs);
    }

    QString *error;
};

// Copies of a template camera: "{i}" (from 0) and "{n}" (from 1) in every
// text are replaced by the copy's number, the address and the IP address
// count up from the template's.
QJsonValue substitute(const QJsonValue &value, int index)
{
    if (value.isString()) {
        QString s = value.toString();
        s.replace(QLatin1String("{i}"), QString::number(index));
        s.replace(QLatin1String("{n}"), QString::number(index + 1));
        return s;
    }
    if (value.isArray()) {
        QJsonArray out;
        for (const QJsonValue &v : value.toArray())
            out.append(substitute(v, index));
        return out;
    }
    if (value.isObject()) {
        QJsonObject out;
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            out.insert(it.key(), substitute(it.value(), index));
        return out;
    }
    return value;
}

bool expandGroup(const QJsonObject &group, const QString &where, QList<QJsonObject> *out,
                 Parser &parser)
{
    int count = 1;
    if (group.contains(QStringLiteral("count"))
        && !parser.integer(group.value(QStringLiteral("count")), where + QStringLiteral(".count"),
                           1, maxGroupCount, &count))
        return false;
    if (count == 1 && !group.contains(QStringLiteral("count"))) {
        out->append(group);
        return true;
    }

    const QString mac = normalizedMac(group.value(QStringLiteral("mac")).toString());
    if (mac.isEmpty())
        return parser.fail(where + QStringLiteral(".mac"),
                           QStringLiteral("expected six hexadecimal pairs joined by \":\""));
    const quint64 firstMac = QString(mac).remove(QLatin1Char(':')).toULongLong(nullptr, 16);
    if (firstMac + quint64(count) - 1 >= 0xffffffffffffull)
        return parser.fail(where + QStringLiteral(".count"),
                           QStringLiteral("the addresses run into the broadcast address"));

    quint32 firstIp = 0;
    const bool hasIp = group.contains(QStringLiteral("ip"));
    if (hasIp) {
        const QHostAddress ip(group.value(QStringLiteral("ip")).toString());
        if (ip.protocol() != QAbstractSocket::IPv4Protocol)
            return parser.fail(where + QStringLiteral(".ip"),
                               QStringLiteral("a counted group needs an IPv4 address"));
        firstIp = ip.toIPv4Address();
        if (quint64(firstIp) + quint64(count) - 1 > 0xffffffffull)
            return parser.fail(where + QStringLiteral(".count"),
                               QStringLiteral("the IP addresses run out"));
    }

    QJsonObject base = group;
    base.remove(QStringLiteral("count"));
    for (int i = 0; i < count; ++i) {
        QJsonObject copy = substitute(base, i).toObject();
        const QString hex =
            QStringLiteral("%1").arg(firstMac + quint64(i), 12, 16, QLatin1Char('0'));
        QString text;
        for (int p = 0; p < 6; ++p)
            text += (p ? QStringLiteral(":") : QString()) + hex.mid(2 * p, 2);
        copy.insert(QStringLiteral("mac"), text);
        if (hasIp)
            copy.insert(QStringLiteral("ip"), QHostAddress(firstIp + quint32(i)).toString());
        out->append(copy);
    }
    return true;
}

}  // namespace

bool parseConfig(const QByteArray &json, SimConfig *config, QString *error)
{
    Parser parser(error);
    QJsonParseError jsonError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &jsonError);
    if (doc.isNull())
        return parser.fail(QString(), QStringLiteral("not JSON: %1 at offset %2")
                                          .arg(jsonError.errorString())
                                          .arg(jsonError.offset));
    if (!doc.isObject())
        return parser.fail(QString(), QStringLiteral("expected an object at the top"));
    const QJsonObject top = doc.object();
    if (!parser.checkKeys(top,
                          {QStringLiteral("cameras"), QStringLiteral("bind"),
                           QStringLiteral("port"), QStringLiteral("replyPort"),
                           QStringLiteral("replyAddress"), QStringLiteral("paceChunk"),
                           QStringLiteral("replyCopies")},
                          QString()))
        return false;

    SimConfig out;
    if (top.contains(QStringLiteral("bind"))) {
        out.bind = top.value(QStringLiteral("bind")).toString();
        if (QHostAddress(out.bind).isNull())
            return parser.fail(QStringLiteral("bind"), QStringLiteral("expected an IP address"));
    }
    if (top.contains(QStringLiteral("replyAddress"))) {
        out.replyAddress = top.value(QStringLiteral("replyAddress")).toString();
        if (QHostAddress(out.replyAddress).isNull())
            return parser.fail(QStringLiteral("replyAddress"),
                               QStringLiteral("expected an IP address"));
    }
    if (top.contains(QStringLiteral("port"))
        && !parser.integer(top.value(QStringLiteral("port")), QStringLiteral("port"), 0, 65535,
                           &out.port))
        return false;
    if (top.contains(QStringLiteral("replyPort"))
        && !parser.integer(top.value(QStringLiteral("replyPort")), QStringLiteral("replyPort"), 1,
                           65535, &out.replyPort))
        return false;
    if (top.contains(QStringLiteral("paceChunk"))
        && !parser.integer(top.value(QStringLiteral("paceChunk")), QStringLiteral("paceChunk"), 0,
                           100000, &out.paceChunk))
        return false;
    if (top.contains(QStringLiteral("replyCopies"))
        && !parser.integer(top.value(QStringLiteral("replyCopies")), QStringLiteral("replyCopies"),
                           1, maxReplyCopies, &out.replyCopies))
        return false;

    const QJsonValue cameras = top.value(QStringLiteral("cameras"));
    if (!cameras.isArray())
        return parser.fail(QStringLiteral("cameras"), QStringLiteral("expected a list"));
    const QJsonArray list = cameras.toArray();
    QSet<QString> seen;
    for (int g = 0; g < list.size(); ++g) {
        const QString where = QStringLiteral("cameras[%1]").arg(g);
        if (!list.at(g).isObject())
            return parser.fail(where, QStringLiteral("expected an object"));
        QList<QJsonObject> expanded;
        if (!expandGroup(list.at(g).toObject(), where, &expanded, parser))
            return false;
        for (int i = 0; i < expanded.size(); ++i) {
            const QString at = expanded.size() > 1 ? where + QStringLiteral("#%1").arg(i) : where;
            SimCamera cam;
            if (!parser.camera(expanded.at(i), at, &cam))
                return false;
            if (seen.contains(cam.mac))
                return parser.fail(at + QStringLiteral(".mac"),
                                   QStringLiteral("%1 is taken twice").arg(cam.mac));
            seen.insert(cam.mac);
            out.cameras.append(cam);
        }
    }
    *config = out;
    return true;
}

bool loadConfigFile(const QString &path, SimConfig *config, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QString why;
    if (!parseConfig(file.readAll(), config, &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    return true;
}

}  // namespace camsim
