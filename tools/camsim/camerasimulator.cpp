#include "tools/camsim/camerasimulator.h"

#include "protocol/zvrutils.h"

#include <QJsonDocument>
#include <QNetworkDatagram>

Q_LOGGING_CATEGORY(lcCamsim, "camsim")

namespace camsim {

namespace {

const QString broadcastMacText = QStringLiteral("ff:ff:ff:ff:ff:ff");
const char scrambledSymbols[] = "mnbvcxzlkjhgfdsapoiuytrewq0192837465/+QWERTYUIOPLKJHGFDSAZXCVBNM";
const char scrambledPad = '#';

// Whole groups of four symbols of the substitution alphabet, with at most
// two pad symbols, all at the end: what the engine's writer produces.
bool isScrambledText(const QByteArray &text)
{
    if (text.isEmpty() || text.size() % 4)
        return false;
    qsizetype pads = 0;
    while (pads < text.size() && text.at(text.size() - 1 - pads) == scrambledPad)
        ++pads;
    if (pads > 2)
        return false;
    for (qsizetype i = 0; i < text.size() - pads; ++i) {
        const char c = text.at(i);
        if (!c || !strchr(scrambledSymbols, c))
            return false;
    }
    return true;
}

QByteArray item(const char *key, const QByteArray &value)
{
    return QByteArray(";") + key + '=' + value;
}

}  // namespace

// ---------------------------------------------------------------- CommandRecord

bool CommandRecord::hasItem(const QByteArray &key) const
{
    for (const auto &i : items)
        if (i.first == key)
            return true;
    return false;
}

QByteArray CommandRecord::item(const QByteArray &key) const
{
    QByteArray value;
    for (const auto &i : items)
        if (i.first == key)
            value = i.second;
    return value;
}

QJsonObject CommandRecord::toJson() const
{
    QJsonObject itemObject;
    for (const auto &i : items)
        itemObject.insert(QString::fromUtf8(i.first), QString::fromUtf8(i.second));
    QJsonObject o;
    o.insert(QStringLiteral("time"), time.toString(Qt::ISODateWithMs));
    o.insert(QStringLiteral("camera"), camera);
    o.insert(QStringLiteral("class"), QString::fromLatin1(zvrClass));
    o.insert(QStringLiteral("plain"), QString::fromUtf8(plain));
    o.insert(QStringLiteral("items"), itemObject);
    o.insert(QStringLiteral("src"), srcMac);
    o.insert(QStringLiteral("dst"), dstMac);
    o.insert(QStringLiteral("from"), QStringLiteral("%1:%2").arg(from.toString()).arg(fromPort));
    o.insert(QStringLiteral("answers"), answers);
    if (!reply.isEmpty())
        o.insert(QStringLiteral("reply"), QString::fromUtf8(reply));
    return o;
}

// ---------------------------------------------------------------- CameraSimulator

CameraSimulator::CameraSimulator(QObject *parent) : QObject(parent)
{
    paceTimer.setInterval(0);
    connect(&paceTimer, &QTimer::timeout, this, &CameraSimulator::flushQueue);
    connect(&socket, &QUdpSocket::readyRead, this, &CameraSimulator::readPending);
}

CameraSimulator::~CameraSimulator() = default;

void CameraSimulator::configure(const SimConfig &config)
{
    cams.clear();
    byMac.clear();
    for (const SimCamera &c : config.cameras)
        addCamera(c);
    replyPort = quint16(config.replyPort);
    replyAddress = QHostAddress();
    if (!config.replyAddress.isEmpty())
        setReplyAddress(QHostAddress(config.replyAddress));
    paceChunk = config.paceChunk;
    setReplyCopies(config.replyCopies);
}

bool CameraSimulator::addCamera(const SimCamera &camera)
{
    const QString mac = normalizedMac(camera.mac);
    if (mac.isEmpty() || mac == broadcastMacText || byMac.contains(mac)) {
        qCWarning(lcCamsim).noquote() << "camera refused, bad or taken address:" << camera.mac;
        return false;
    }
    SimCamera c = camera;
    c.mac = mac;
    if (c.network.isEmpty())
        c.fillDefaultNetwork();
    byMac.insert(mac, int(cams.size()));
    cams.append(c);
    return true;
}

SimCamera *CameraSimulator::findCamera(const QString &mac)
{
    const int i = byMac.value(mac.toLower(), -1);
    return i < 0 ? nullptr : &cams[i];
}

bool CameraSimulator::setReplyAddress(const QHostAddress &address)
{
    // Replies are unicast: a camera answers the computer that asked.
    if (address == QHostAddress(QHostAddress::Broadcast) || address.isMulticast()) {
        lastError = QStringLiteral("a reply address must be unicast: %1").arg(address.toString());
        qCWarning(lcCamsim).noquote() << lastError;
        return false;
    }
    replyAddress = address;
    return true;
}

bool CameraSimulator::setLogFile(const QString &path)
{
    logFile.close();
    logFile.setFileName(path);
    if (!logFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        lastError = QStringLiteral("%1: %2").arg(path, logFile.errorString());
        return false;
    }
    return true;
}

bool CameraSimulator::listen(const QHostAddress &address, quint16 port)
{
    if (!socket.bind(address, port)) {
        lastError = socket.errorString();
        return false;
    }
    // The engine sends an info request to every camera a broadcast scan
    // found, all at once.
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
    return true;
}

void CameraSimulator::close()
{
    paceTimer.stop();
    queue.clear();
    socket.close();
}

QList<CommandRecord> CameraSimulator::commandsFor(const QString &mac,
                                                  const QByteArray &zvrClass) const
{
    QList<CommandRecord> out;
    const QString m = mac.toLower();
    for (const CommandRecord &c : log)
        if (c.camera == m && (zvrClass.isEmpty() || c.zvrClass == zvrClass))
            out.append(c);
    return out;
}

void CameraSimulator::readPending()
{
    while (socket.hasPendingDatagrams()) {
        const QNetworkDatagram d = socket.receiveDatagram();
        handleDatagram(d.data(), d.senderAddress(), quint16(d.senderPort()));
    }
}

void CameraSimulator::reject(const QString &reason, const QHostAddress &from, quint16 fromPort)
{
    ++rejected;
    qCWarning(lcCamsim).noquote() << QStringLiteral("unparsable datagram from %1:%2: %3")
                                         .arg(from.toString())
                                         .arg(fromPort)
                                         .arg(reason);
    emit datagramRejected(reason);
}

void CameraSimulator::handleDatagram(const QByteArray &datagram, const QHostAddress &from,
                                     quint16 fromPort)
{
    if (datagram.size() < 14)
        return reject(QStringLiteral("%1 bytes, shorter than the header").arg(datagram.size()),
                      from, fromPort);
    const int payloadLength = (uchar(datagram.at(0)) << 8) | uchar(datagram.at(1));
    const QByteArray srcBytes = datagram.mid(8, 6);
    CommandRecord cmd;
    cmd.time = QDateTime::currentDateTimeUtc();
    cmd.dstMac = ZVRUtils::macText(datagram.mid(2, 6));
    cmd.srcMac = ZVRUtils::macText(srcBytes);
    cmd.from = from;
    cmd.fromPort = fromPort;

    // A camera hears its own and its neighbours' replies when they share a
    // segment; they are not commands.
    if (byMac.contains(cmd.srcMac)) {
        ++ignored;
        qCDebug(lcCamsim).noquote() << "ignored a datagram from our own camera" << cmd.srcMac;
        return;
    }
    if (payloadLength != datagram.size() - 14)
        return reject(QStringLiteral("length field says %1 payload bytes, %2 follow the header")
                          .arg(payloadLength)
                          .arg(datagram.size() - 14),
                      from, fromPort);
    const QByteArray scrambled = datagram.mid(14);
    if (!isScrambledText(scrambled))
        return reject(QStringLiteral("payload is no scrambled text"), from, fromPort);

    cmd.plain = ZVRUtils::decrypt(scrambled);
    const qsizetype comma = cmd.plain.indexOf(',');
    bool lengthOk = comma > 0 && comma < 6;
    for (qsizetype i = 0; lengthOk && i < comma; ++i)
        lengthOk = cmd.plain.at(i) >= '0' && cmd.plain.at(i) <= '9';
    if (!lengthOk || (comma > 1 && cmd.plain.at(0) == '0'))
        return reject(QStringLiteral("no body length before a comma: \"%1\"")
                          .arg(QString::fromUtf8(cmd.plain.left(16))),
                      from, fromPort);
    const QByteArray body = cmd.plain.mid(comma + 1);
    if (cmd.plain.left(comma).toInt() != body.size())
        return reject(QStringLiteral("body length %1, body of %2 bytes")
                          .arg(QString::fromLatin1(cmd.plain.left(comma)))
                          .arg(body.size()),
                      from, fromPort);

    const QList<QByteArray> parts = body.split(';');
    if (parts.at(0).size() != 1 || parts.at(0).at(0) < '0' || parts.at(0).at(0) > '9')
        return reject(
            QStringLiteral("no class digit: \"%1\"").arg(QString::fromUtf8(body.left(16))), from,
            fromPort);
    cmd.zvrClass = parts.at(0);
    for (int i = 1; i < parts.size(); ++i) {
        const qsizetype eq = parts.at(i).indexOf('=');
        if (eq < 1)
            return reject(
                QStringLiteral("item without key: \"%1\"").arg(QString::fromUtf8(parts.at(i))),
                from, fromPort);
        cmd.items.append({parts.at(i).left(eq), parts.at(i).mid(eq + 1)});
    }
    if (cmd.items.size() < 2 || cmd.items.at(0).first != "M" || cmd.items.at(1).first != "D")
        return reject(QStringLiteral("a command begins with its M and D items"), from, fromPort);
    cmd.camera = normalizedMac(QString::fromUtf8(cmd.items.at(0).second));
    if (cmd.camera.isEmpty())
        return reject(QStringLiteral("M item is no address: \"%1\"")
                          .arg(QString::fromUtf8(cmd.items.at(0).second)),
                      from, fromPort);

    const QHostAddress to = replyAddress.isNull() ? from : replyAddress;
    const char zvrClass = cmd.zvrClass.at(0);

    if (cmd.camera == broadcastMacText) {
        // Every camera answers a scan; the program sorts out the models.
        if (zvrClass == '1') {
            for (const SimCamera &c : qAsConst(cams)) {
                if (c.silent || c.unanswered.contains('1'))
                    continue;
                answer(c, cmd, srcBytes, to, replyPort);
                ++cmd.answers;
            }
        } else {
            qCWarning(lcCamsim).noquote()
                << "class" << cmd.zvrClass << "sent to every camera; none acts on it";
        }
        record(cmd);
        return;
    }

    const int idx = byMac.value(cmd.camera, -1);
    if (idx < 0) {
        // Written to the file only: a lab with several links reads there
        // which link a command for another link's camera went out on.
        ++ignored;
        qCDebug(lcCamsim).noquote() << "ignored a command for" << cmd.camera;
        QJsonObject line = cmd.toJson();
        line.insert(QStringLiteral("held"), false);
        writeLog(line);
        return;
    }
    SimCamera &camera = cams[idx];
    if (!camera.silent && !camera.silentFrom.isEmpty()) {
        for (int i = 2; i < cmd.items.size() && !camera.silent; ++i)
            camera.silent = cmd.items.at(i).first == camera.silentFrom;
        if (camera.silent)
            qCWarning(lcCamsim).noquote()
                << camera.mac << "falls silent on its item" << camera.silentFrom;
    }
    if (camera.silent) {
        // A hung camera: the command is logged, nothing is applied or sent.
    } else if (!apply(camera, cmd)) {
        qCWarning(lcCamsim).noquote() << camera.mac << "has no class" << cmd.zvrClass;
    } else if (!camera.unanswered.contains(zvrClass)) {
        cmd.reply = replyBody(camera, zvrClass);
        cmd.answers = 1;
        answer(camera, cmd, srcBytes, to, replyPort);
    }
    record(cmd);
}

bool CameraSimulator::apply(SimCamera &camera, const CommandRecord &cmd)
{
    switch (cmd.zvrClass.at(0)) {
    case '1':
    case '4': return true;
    case '2':
        for (int i = 2; i < cmd.items.size(); ++i) {
            const auto &[key, value] = cmd.items.at(i);
            if (key == "P") {
                const auto decoded =
                    QByteArray::fromBase64Encoding(value, QByteArray::AbortOnBase64DecodingErrors);
                if (!decoded)
                    qCWarning(lcCamsim).noquote()
                        << camera.mac << "password item is no base64:" << value;
                camera.password = QByteArray::fromBase64(value);
            } else if (key == "G") {
                if (value != "0" && value != "1")
                    qCWarning(lcCamsim).noquote() << camera.mac << "registered flag" << value;
                camera.registered = value == "1";
            } else if (key == "T") {
                camera.clock = value;
                qCInfo(lcCamsim).noquote() << camera.mac << "clock set to" << value;
            } else {
                qCWarning(lcCamsim).noquote() << camera.mac << "unknown class 2 item" << key;
            }
        }
        return true;
    case '3': {
        QMap<int, QByteArray> setup;
        for (int i = 2; i < cmd.items.size(); ++i) {
            const auto &[key, value] = cmd.items.at(i);
            bool ok = false;
            const int k = key.toInt(&ok);
            if (ok && k >= 0 && QByteArray::number(k) == key)
                setup.insert(k, value);
            else
                qCWarning(lcCamsim).noquote()
                    << camera.mac << "network setup item without a number:" << key;
        }
        if (!setup.isEmpty())
            camera.applySetup(setup);
        return true;
    }
    case '8':
        qCDebug(lcCamsim).noquote() << camera.mac << "checks the Internet against" << cmd.item("U")
                                    << "->" << camera.internet;
        return true;
    case '9':
        if (cmd.item("L") == "1")
            ++camera.webServerRestarts;
        if (cmd.item("N") == "1")
            ++camera.networkRestarts;
        return true;
    default: return false;
    }
}

QByteArray CameraSimulator::replyBody(const SimCamera &camera, char zvrClass)
{
    QByteArray body =
        QByteArray(1, zvrClass) + item("M", camera.mac.toLatin1()) + item("D", camera.model);
    switch (zvrClass) {
    case '1':
        body += item("N", camera.name.toBase64()) + item("I", camera.ip.toUtf8())
                + item("G", camera.registered ? "1" : "0") + item("C", camera.ipMode)
                + item("W", camera.wireless ? "1" : "0") + item("V", camera.version);
        break;
    case '2':
        body += item("N", camera.name.toBase64()) + item("G", camera.registered ? "1" : "0")
                + item("C", camera.infoC) + item("E", camera.infoE) + item("O", camera.infoO)
                + item("P", camera.password.toBase64()) + item("R", camera.infoR)
                + item("U", camera.deviceNo + '.' + camera.deviceTail) + item("W", camera.portal)
                + item("Y", camera.dfp);
        break;
    case '3':
        for (int key = 0; key < 30; ++key)
            body += ';' + QByteArray::number(key) + '=' + camera.network.value(key);
        break;
    case '4':
        for (const WifiNetwork &w : camera.wifi)
            body += ',' + w.record();
        break;
    case '8': body += item("R", camera.internet); break;
    default: break;
    }
    return body;
}

QByteArray CameraSimulator::replyDatagram(const QByteArray &dstMacBytes, const SimCamera &camera,
                                          const QByteArray &body)
{
    const QByteArray payload = ZVRUtils::encrypt(QByteArray::number(body.size()) + ',' + body);
    QByteArray d;
    d.reserve(14 + payload.size());
    d.append(char((payload.size() >> 8) & 0xff));
    d.append(char(payload.size() & 0xff));
    d.append(dstMacBytes.left(6).leftJustified(6, '\0'));
    d.append(ZVRUtils::macBytes(camera.mac));
    d.append(payload);
    return d;
}

void CameraSimulator::answer(const SimCamera &camera, const CommandRecord &cmd,
                             const QByteArray &srcMacBytes, const QHostAddress &to, quint16 toPort)
{
    const QByteArray body = cmd.reply.isEmpty() ? replyBody(camera, cmd.zvrClass.at(0)) : cmd.reply;
    const Outgoing out{replyDatagram(srcMacBytes, camera, body), to, toPort};
    if (out.datagram.size() - 14 > ZVRUtils::maxPayload)
        qCWarning(lcCamsim).noquote()
            << camera.mac << "reply of class" << cmd.zvrClass << "scrambles to"
            << out.datagram.size() - 14 << "bytes, more than a reader takes";
    for (int copy = 0; copy < replyCopies; ++copy) {
        if (camera.replyDelayMs > 0)
            QTimer::singleShot(camera.replyDelayMs, this, [this, out] { dispatch(out); });
        else
            dispatch(out);
    }
}

void CameraSimulator::dispatch(const Outgoing &out)
{
    if (paceChunk > 0) {
        queue.append(out);
        if (!paceTimer.isActive())
            paceTimer.start();
    } else {
        send(out);
    }
}

void CameraSimulator::flushQueue()
{
    for (int n = 0; n < paceChunk && !queue.isEmpty(); ++n)
        send(queue.takeFirst());
    if (queue.isEmpty())
        paceTimer.stop();
}

void CameraSimulator::send(const Outgoing &out)
{
    if (socket.state() != QAbstractSocket::BoundState)
        return;
    if (socket.writeDatagram(out.datagram, out.to, out.port) == out.datagram.size()) {
        ++sent;
    } else {
        ++sendFailures;
        qCWarning(lcCamsim).noquote()
            << "reply to" << out.to.toString() << out.port << "not sent:" << socket.errorString();
    }
}

void CameraSimulator::record(CommandRecord &cmd)
{
    qCDebug(lcCamsim).noquote() << cmd.camera << "class" << cmd.zvrClass
                                << QString::fromUtf8(cmd.plain) << "answers" << cmd.answers;
    writeLog(cmd.toJson());
    log.append(cmd);
    emit commandReceived(int(log.size()) - 1);
}

void CameraSimulator::writeLog(const QJsonObject &line)
{
    if (!logFile.isOpen())
        return;
    logFile.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    logFile.flush();
}

}  // namespace camsim
