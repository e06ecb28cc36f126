// Writes the seed corpora of the fuzz targets, one folder per target, from
// what the simulated cameras answer and the portal says. Run by the build:
//   fuzz_seeds OUTDIR
#include "tests/fuzz/fuzzinput.h"
#include "tools/camsim/camerasimulator.h"
#include "tools/camsim/camerawebserver.h"
#include "tools/camsim/simconfig.h"

#include "protocol/zvrutils.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

using fuzzInput::field;

namespace {

QString outDir;
int written = 0;
bool failed = false;

void write(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString dir = outDir + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(dir);
    QFile f(dir + QLatin1Char('/') + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", qPrintable(f.fileName()));
        failed = true;
        return;
    }
    ++written;
}

QByteArray utf16(const QString &s)
{
    return QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
}

QList<camsim::SimCamera> cameras()
{
    QList<camsim::SimCamera> list;
    camsim::SimCamera c;
    c.mac = QString::fromLatin1(fuzzInput::cameraMac);
    c.model = "KSM-271E";
    c.name = "Front door";
    c.ip = QStringLiteral("192.168.1.21");
    c.deviceNo = "10000001";
    c.deviceTail = "7";
    c.portal = "http://10.77.0.2:8080/";
    c.dfp = "dfp0001";
    c.password = "n3wPass!";
    camsim::WifiNetwork home;
    home.field[0] = "1";
    home.field[1] = "-41";
    home.field[2] = "HomeNet";
    home.field[3] = "0";
    home.field[4] = "4";
    home.field[5] = "2";
    home.field[6] = "6";
    camsim::WifiNetwork cafe = home;
    cafe.field[2] = "Caf\xc3\xa9 guest";
    cafe.field[1] = "-70";
    c.wifi = {home, cafe};
    c.fillDefaultNetwork();
    list << c;

    camsim::SimCamera stat = c;  // static address, wireless, registered
    stat.mac = QStringLiteral("00:1a:2b:3c:4d:02");
    stat.model = "KSM-3350E";
    stat.name = "Garage \xe2\x80\x94 back";
    stat.ip = QStringLiteral("10.0.0.22");
    stat.ipMode = "2";
    stat.wireless = true;
    stat.registered = true;
    stat.network.clear();
    stat.fillDefaultNetwork();
    stat.network[11] = QByteArray("HomeNet").toBase64();
    stat.network[18] = QByteArray("key of eight").toBase64();
    list << stat;

    camsim::SimCamera pppoe = c;  // PPPoE, on its default address
    pppoe.mac = QStringLiteral("00:1a:2b:3c:4d:03");
    pppoe.model = "KSM-281E";
    pppoe.ip = QStringLiteral("192.168.0.20");
    pppoe.ipMode = "1";
    pppoe.network.clear();
    pppoe.fillDefaultNetwork();
    pppoe.network[7] = "bob smith";
    pppoe.network[8] = QByteArray("secret").toBase64();
    pppoe.wifi.clear();
    pppoe.internet = "0";
    list << pppoe;
    return list;
}

void readerSeeds(const QList<camsim::SimCamera> &cams)
{
    const QByteArray host = ZVRUtils::macBytes(QString::fromLatin1(fuzzInput::hostMac));
    const auto datagram = [](char mode, const QByteArray &bytes) {
        return QByteArray(1, mode) + field(bytes);
    };
    for (const camsim::SimCamera &c : cams) {
        const QString tag = c.mac.right(2);
        for (const char cls : {'1', '2', '3', '4', '8', '9'}) {
            const QByteArray body = camsim::CameraSimulator::replyBody(c, cls);
            const QByteArray whole = camsim::CameraSimulator::replyDatagram(host, c, body);
            const QString name = QStringLiteral("%1-class%2").arg(tag).arg(cls);
            write("reader", name, datagram(0, whole));
            // The plain payload, so that mutations act on the text.
            write("reader", name + QStringLiteral("-plain"),
                  datagram(2, QByteArray::number(body.size()) + ',' + body));
        }
        // A scan reply that lists the camera, then its info record, network
        // setup and wireless list.
        QByteArray road;
        for (const char cls : {'1', '2', '3', '4'})
            road += datagram(0, camsim::CameraSimulator::replyDatagram(
                                    host, c, camsim::CameraSimulator::replyBody(c, cls)));
        write("reader", tag + QStringLiteral("-road"), road);
    }
}

void portalSeeds(const camsim::SimCamera &c)
{
    // Flags: bit 0 the transfer failed, bit 1 the add request's rules.
    const QByteArray added = c.deviceNo + ':' + c.model;
    const struct {
        const char *name;
        char flags;
        QByteArray status, body;
    } answers[] = {
        {"signed-in", 0, "200", "success"},
        {"signed-up", 0, "200", "success\n"},
        {"refused", 0, "200", "[E03] Incorrect e-mail address or password."},
        {"taken", 0, "200", "[E01] This e-mail address is already registered."},
        {"server-error", 0, "500", "Internal Server Error"},
        {"redirect", 0, "302", "Found"},
        {"failed", 1, "", ""},
        {"added", 2, "200", added},
        {"add-refused", 2, "200", "[E05] This camera is already registered to an account."},
        {"add-empty", 2, "200", ""},
        {"add-no-bracket", 2, "200", "Xnot yours"},
        {"add-markup", 2, "200", "[E9]<a href=\"http://evil/\">click</a> &amp; more"},
        {"add-404", 2, "404", "Not Found"},
        {"add-failed", 3, "", ""},
    };
    for (const auto &a : answers)
        write("portalreply", QString::fromLatin1(a.name),
              QByteArray(1, a.flags) + field(a.status) + field(a.body) + field(c.deviceNo)
                  + field(c.model));
}

void formSeeds(const camsim::SimCamera &c)
{
    // Fields: raw bytes, the body byte, then model, number, password, dfp,
    // typed e-mail, password, confirmation, first and last name (UTF-8).
    const QList<QList<QByteArray>> forms = {
        {"hello world", c.model, c.deviceNo, c.password, c.dfp, "anna@example.com", "Anna-2026 pw",
         "Anna-2026 pw", "Anna", "Smith"},
        {QByteArray("a&b=c+d%2F\0e", 12), c.model,
         QByteArray("1000\0"
                    "0001",
                    9),
         "p;w&x=y", "dfp~._-", "b\xc3\xb6rje+tag@example.com", "\xe2\x82\xac uro&=", "x",
         "J\xc3\xb6rg", "O'Neil"},
        {QByteArray("\xff\x00\x7f\x80", 4), "", "", "", "", "", "", "", "", ""},
    };
    int n = 0;
    for (const QList<QByteArray> &f : forms) {
        for (char body = 0; body < 3; ++body) {
            QByteArray bytes = field(f.first()) + QByteArray(1, body);
            for (const QByteArray &v : f.mid(1))
                bytes += field(v);
            write("formencoding", QStringLiteral("form%1-%2").arg(++n).arg(int(body)), bytes);
        }
    }
}

void cameraValueSeeds(const QList<camsim::SimCamera> &cams)
{
    // Mode byte: 0 UTF-8, 1 UTF-16, 2 Latin-1; then the value.
    int n = 0;
    const auto text = [&](const QByteArray &value) {
        write("cameravalues", QStringLiteral("utf8-%1").arg(++n), QByteArray(1, 0) + field(value));
        write("cameravalues", QStringLiteral("utf16-%1").arg(n),
              QByteArray(1, 1) + field(utf16(QString::fromUtf8(value))));
    };
    for (const camsim::SimCamera &c : cams) {
        text(c.ip.toUtf8());
        text(c.deviceNo);
        text(c.portal);
        text(c.name);
    }
    for (const char *v :
         {"010.1.1.1", "256.1.1.1", "1.2.3.4\n", "https://portal.example.com:8443/x/",
          "http://user:pw@portal.example.com/", "a..b", "C:x", "..\\..\\x"})
        text(v);
}

void addressSeeds(const camsim::SimCamera &c)
{
    // Mode byte as for camera values; four octets as typed, then a whole address.
    int n = 0;
    const auto add = [&](const QList<QByteArray> &parts, const QByteArray &whole) {
        for (char mode : {0, 1}) {
            QByteArray bytes(1, mode);
            for (const QByteArray &p : parts + QList<QByteArray>{whole})
                bytes += field(mode ? utf16(QString::fromUtf8(p)) : p);
            write("ipv4input", QStringLiteral("%1-%2").arg(mode ? "utf16" : "utf8").arg(++n),
                  bytes);
        }
    };
    for (int key : {1, 2, 3, 23, 24, 25}) {
        const QByteArray a = c.network.value(key);
        add(a.split('.'), a);
    }
    add({"192", "168", "1", "20"}, "192.168.1.20");
    add({"010", "000", "000", "020"}, "010.000.000.020");
    add({"256", "", "+1", "1 0"}, "...");
    add({"\xd9\xa1", "2", "3", "4"}, "\xd9\xa1.2.3.4");
}

void logMaskSeeds(const QList<camsim::SimCamera> &cams)
{
    // A payload, the key byte (P, 8, 18, 34 by its value modulo 4), a secret.
    int n = 0;
    for (const camsim::SimCamera &c : cams) {
        for (const char cls : {'2', '3'}) {
            ++n;
            write("logmask", QStringLiteral("reply-%1").arg(n),
                  field(camsim::CameraSimulator::replyBody(c, cls)) + QByteArray(1, char(n % 4))
                      + field(c.password));
        }
    }
    write("logmask", QStringLiteral("command"),
          field("2;M=02:00:00:00:10:01;D=KSM-271E;G=1") + QByteArray(1, 0) + field("n3wPass!"));
}

void accountSeeds()
{
    int n = 0;
    for (const char *a :
         {"bob", " bob smith ", "user@isp.example", "a;7=evil", "tab\there", "\xc3\xbcml", ""}) {
        write("pppoeaccount", QStringLiteral("utf8-%1").arg(++n), QByteArray(1, 0) + field(a));
        write("pppoeaccount", QStringLiteral("utf16-%1").arg(n),
              QByteArray(1, 1) + field(utf16(QString::fromUtf8(a))));
    }
}

void snapshotSeeds(const QList<camsim::SimCamera> &cams)
{
    // Flags: bit 0 the transfer failed; then status and body.
    int n = 0;
    for (const camsim::SimCamera &c : cams) {
        const QImage picture = camsim::CameraWebServer::snapshot(c);
        // Small, so that a run decodes many of them.
        const QImage small = picture.scaled(64, 48);
        for (const char *format : {"jpeg", "png"}) {
            QByteArray body;
            QBuffer buffer(&body);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, format);
            if (!writer.write(small)) {
                std::fprintf(stderr, "fuzz_seeds: no %s writer\n", format);
                failed = true;
                continue;
            }
            ++n;
            write("snapshot", QStringLiteral("%1-200").arg(n),
                  QByteArray(1, 0) + field("200") + field(body));
            write("snapshot", QStringLiteral("%1-401").arg(n),
                  QByteArray(1, 1) + field("401") + field(body));
            write("snapshot", QStringLiteral("%1-302").arg(n),
                  QByteArray(1, 0) + field("302") + field(body));
        }
    }
    write("snapshot", QStringLiteral("text"), QByteArray(1, 0) + field("200") + field("hello"));
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTDIR\n");
        return 2;
    }
    // The snapshot draws text.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    outDir = QString::fromLocal8Bit(argv[1]);
    // No seed of an earlier version stays behind.
    QDir(outDir).removeRecursively();
    const QList<camsim::SimCamera> cams = cameras();
    readerSeeds(cams);
    portalSeeds(cams.first());
    formSeeds(cams.first());
    cameraValueSeeds(cams);
    addressSeeds(cams.at(1));
    accountSeeds();
    logMaskSeeds(cams);
    snapshotSeeds(cams);
    std::printf("fuzz_seeds: %d files in %s\n", written, argv[1]);
    return failed ? 1 : 0;
}
