// The simulated camera itself: its configuration, what it takes as a
// command, the replies it writes and the console program around it.
#include "tests/support/simtestutil.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using camsim::CameraSimulator;
using camsim::CommandRecord;
using camsim::SimCamera;
using camsim::SimConfig;
using simtest::hostMac;

namespace {

// JSON written with ' for " to keep the test tables readable.
QByteArray json(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

const char twoCameras[] =
    "{'cameras': ["
    " {'mac': '02:00:00:00:20:0A', 'model': 'KSM-271E', 'name': 'Hall', 'ip': '10.0.0.5',"
    "  'password': 'hall1234', 'ipMode': 'static', 'link': 'wireless', 'version': '9',"
    "  'deviceNo': '555', 'deviceTail': 'x', 'portal': 'http://127.0.0.1:8/', 'dfp': 'F1',"
    "  'info': {'C': 'c', 'E': 'e', 'O': 'o', 'R': 'r'}},"
    " {'mac': '02:00:00:00:20:0b', 'model': 'KSM-273E', 'registered': '1'}"
    "]}";

QByteArray command(const char *zvrClass, const QString &dstMac,
                   const QByteArray &pading = QByteArray(),
                   const QString &d = QStringLiteral("ALL"))
{
    return ZVRUtils::composeDatagram(zvrClass, hostMac, dstMac, d, pading);
}

// A raw datagram with the given plain payload, header addresses as given.
QByteArray rawCommand(const QByteArray &plain,
                      const QString &dst = QStringLiteral("ff:ff:ff:ff:ff:ff"),
                      const QString &src = hostMac)
{
    const QByteArray payload = ZVRUtils::encrypt(plain);
    QByteArray d;
    d.append(char(payload.size() >> 8)).append(char(payload.size() & 0xff));
    d.append(ZVRUtils::macBytes(dst)).append(ZVRUtils::macBytes(src)).append(payload);
    return d;
}

QByteArray withLength(const QByteArray &body)
{
    return QByteArray::number(body.size()) + ',' + body;
}

// The lines of a simulator's log file, without the empty one after the
// last newline; none when the file cannot be read.
QList<QByteArray> logLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeAll(QByteArray());
    return lines;
}

}  // namespace

class tst_camsim : public QObject
{
    Q_OBJECT

    QUdpSocket sink;  // stands for the program's receive socket

    QList<QByteArray> collect(int expected, int timeoutMs = 2000)
    {
        QList<QByteArray> got;
        (void)QTest::qWaitFor(
            [&] {
                while (sink.hasPendingDatagrams())
                    got.append(sink.receiveDatagram().data());
                return got.size() >= expected;
            },
            timeoutMs);
        // Anything beyond the expected count arrives at once on loopback.
        QTest::qWait(50);
        while (sink.hasPendingDatagrams())
            got.append(sink.receiveDatagram().data());
        return got;
    }

    bool startSim(CameraSimulator &sim, const char *config = twoCameras)
    {
        SimConfig c;
        QString error;
        if (!camsim::parseConfig(json(config), &c, &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        sim.configure(c);
        sim.setReplyPort(sink.localPort());
        return sim.listen(QHostAddress::LocalHost, 0);
    }

    void sendTo(const CameraSimulator &sim, const QByteArray &datagram)
    {
        QUdpSocket out;
        out.writeDatagram(datagram, QHostAddress::LocalHost, sim.port());
    }

private slots:
    void initTestCase() { QVERIFY(simtest::bindSink(sink)); }

    void init() { simtest::drain(sink); }

    void exampleConfig()
    {
        SimConfig c;
        QString error;
        QVERIFY2(camsim::loadConfigFile(QStringLiteral(EXAMPLE_CONFIG), &c, &error),
                 qPrintable(error));
        QCOMPARE(c.cameras.size(), 3);
        QCOMPARE(c.bind, QStringLiteral("0.0.0.0"));
        QCOMPARE(c.port, 5978);
        QCOMPARE(c.replyPort, 5978);
        // A new camera, one with a password, one registered.
        QVERIFY(c.cameras.at(0).password.isEmpty());
        QVERIFY(!c.cameras.at(0).registered);
        QVERIFY(!c.cameras.at(1).password.isEmpty());
        QVERIFY(!c.cameras.at(1).registered);
        QVERIFY(c.cameras.at(2).registered);
        QCOMPARE(c.cameras.at(0).wifi.size(), 2);
        QCOMPARE(c.cameras.at(0).wifi.at(1).field[2], QStringLiteral("Caf\u00e9 guest").toUtf8());
    }

    void burstExample()
    {
        SimConfig c;
        QString error;
        QVERIFY2(camsim::loadConfigFile(QStringLiteral(BURST_CONFIG), &c, &error),
                 qPrintable(error));
        QCOMPARE(c.cameras.size(), 1000);
        QCOMPARE(c.cameras.last().mac, QStringLiteral("02:10:00:00:03:e7"));
        QCOMPARE(c.cameras.last().ip, QStringLiteral("10.20.3.232"));
        QCOMPARE(c.cameras.last().password, QByteArray("pass1000word"));
    }

    void defaultsAndNetwork()
    {
        SimConfig c;
        QString error;
        QVERIFY2(camsim::parseConfig(json(twoCameras), &c, &error), qPrintable(error));
        const SimCamera &hall = c.cameras.at(0);
        QCOMPARE(hall.mac, QStringLiteral("02:00:00:00:20:0a"));
        QCOMPARE(hall.ipMode, QByteArray("2"));
        QVERIFY(hall.wireless);
        QCOMPARE(hall.network.size(), 30);
        QCOMPARE(hall.network.value(0), QByteArray("0"));
        QCOMPARE(hall.network.value(1), QByteArray("10.0.0.5"));
        QCOMPARE(hall.network.value(3), QByteArray("10.0.0.1"));
        QCOMPARE(hall.network.value(9), QByteArray("1"));
        QCOMPARE(hall.network.value(23), QByteArray("10.0.0.5"));
        const SimCamera &other = c.cameras.at(1);
        QVERIFY(other.registered);
        QVERIFY(other.password.isEmpty());
        QCOMPARE(other.ipMode, QByteArray("0"));
        QCOMPARE(other.network.value(0), QByteArray("1"));
        QCOMPARE(other.internet, QByteArray("1"));
    }

    void countMakesCameras()
    {
        SimConfig c;
        QString error;
        QVERIFY2(camsim::parseConfig(json("{'cameras': [{'mac': '02:00:00:00:00:fe', 'count': 3,"
                                          " 'model': 'M', 'name': 'cam{n}', 'ip': '10.0.0.254',"
                                          " 'deviceNo': '7{i}', 'wifi': [{'ssid': 'net{n}'}]},"
                                          " {'mac': '02:00:00:00:02:00', 'model': 'N'}]}"),
                                     &c, &error),
                 qPrintable(error));
        QCOMPARE(c.cameras.size(), 4);
        const QStringList macs = {QStringLiteral("02:00:00:00:00:fe"),
                                  QStringLiteral("02:00:00:00:00:ff"),
                                  QStringLiteral("02:00:00:00:01:00")};
        const QStringList ips = {QStringLiteral("10.0.0.254"), QStringLiteral("10.0.0.255"),
                                 QStringLiteral("10.0.1.0")};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(c.cameras.at(i).mac, macs.at(i));
            QCOMPARE(c.cameras.at(i).ip, ips.at(i));
            QCOMPARE(c.cameras.at(i).name, "cam" + QByteArray::number(i + 1));
            QCOMPARE(c.cameras.at(i).deviceNo, "7" + QByteArray::number(i));
            QCOMPARE(c.cameras.at(i).wifi.at(0).field[2], "net" + QByteArray::number(i + 1));
            QCOMPARE(c.cameras.at(i).network.value(23), ips.at(i).toUtf8());
        }
        QCOMPARE(c.cameras.at(3).model, QByteArray("N"));
    }

    void badConfig_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("not JSON") << json("{'cameras': [") << "not JSON";
        QTest::newRow("no camera list") << json("{'camera': []}") << "unknown key";
        QTest::newRow("bad address")
            << json("{'cameras': [{'mac': '02:00:00:00:00', 'model': 'M'}]}") << "cameras[0].mac";
        QTest::newRow("broadcast address")
            << json("{'cameras': [{'mac': 'FF:FF:FF:FF:FF:FF', 'model': 'M'}]}") << "broadcast";
        QTest::newRow("address twice") << json("{'cameras': [{'mac': '02:00:00:00:00:01', 'model': "
                                               "'M'}, {'mac': '02:00:00:00:00:01', 'model': 'M'}]}")
                                       << "taken twice";
        QTest::newRow("groups overlap")
            << json("{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'count': 5},"
                    " {'mac': '02:00:00:00:00:04', 'model': 'M'}]}")
            << "taken twice";
        QTest::newRow("no model") << json("{'cameras': [{'mac': '02:00:00:00:00:01'}]}") << "model";
        QTest::newRow("misspelt key")
            << json("{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'pasword': 'x'}]}")
            << "pasword";
        QTest::newRow("IP mode") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'ipMode': 'auto'}]}")
                                 << "ipMode";
        QTest::newRow("link") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'link': 'wifi'}]}")
                              << "link";
        QTest::newRow("item separator in a value") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'portal': 'http://a/;b'}]}")
                                                   << "portal";
        QTest::newRow("network key 30") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'network': {'30': 'x'}}]}")
                                        << "network.30";
        QTest::newRow("record separator in a network field")
            << json("{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'wifi': [{'ssid': "
                    "'a', 'f4': '1,2'}]}]}")
            << "wifi[0].f4";
        QTest::newRow("network without a name") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'wifi': [{'f0': '1'}]}]}")
                                                << "ssid";
        QTest::newRow("count 0") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'count': 0}]}")
                                 << "count";
        QTest::newRow("count into the broadcast address")
            << json("{'cameras': [{'mac': 'ff:ff:ff:ff:ff:fd', 'model': 'M', 'count': 3}]}")
            << "broadcast";
        QTest::newRow("unanswered not a class") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'unanswered': ['x']}]}")
                                                << "unanswered";
        QTest::newRow("silent from the M item")
            << json("{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'silentFrom': 'M'}]}")
            << "silentFrom";
        QTest::newRow("reply port 0") << json("{'replyPort': 0, 'cameras': []}") << "replyPort";
        QTest::newRow("no reply copy")
            << json("{'replyCopies': 0, 'cameras': []}") << "replyCopies";
        QTest::newRow("reply copies past the bound")
            << json("{'replyCopies': 17, 'cameras': []}") << "replyCopies";
        QTest::newRow("unknown web fault") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'web': {'fault': 'crash'}}]}")
                                           << "web.fault";
        QTest::newRow("negative web delay") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'web': {'delayMs': -1}}]}")
                                            << "web.delayMs";
        QTest::newRow("misspelt web key") << json(
            "{'cameras': [{'mac': '02:00:00:00:00:01', 'model': 'M', 'web': {'enable': false}}]}")
                                          << "enable";
    }
    void badConfig()
    {
        QFETCH(QByteArray, config);
        QFETCH(QString, complaint);
        SimConfig c;
        QString error;
        QVERIFY(!camsim::parseConfig(config, &c, &error));
        QVERIFY2(error.contains(complaint), qPrintable(error));
    }

    void scanReplies()
    {
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        sendTo(sim, command("1", ZVRUtils::broadcastMac));
        const QList<QByteArray> replies = collect(2);
        QCOMPARE(replies.size(), 2);

        const QList<QByteArray> bodies = {"1;M=02:00:00:00:20:0a;D=KSM-271E;N="
                                              + QByteArray("Hall").toBase64()
                                              + ";I=10.0.0.5;G=0;C=2;W=1;V=9",
                                          "1;M=02:00:00:00:20:0b;D=KSM-273E;N=;I=;G=1;C=0;W=0;V=1"};
        for (int i = 0; i < 2; ++i) {
            const simtest::Parsed p = simtest::parse(replies.at(i));
            QCOMPARE(p.payloadLength, replies.at(i).size() - 14);
            // Back to the address the command came from, from the camera's own.
            QCOMPARE(p.dstBytes, ZVRUtils::macBytes(hostMac));
            QCOMPARE(p.srcBytes, ZVRUtils::macBytes(sim.camera(i).mac));
            QVERIFY(p.lengthMatches);
            QCOMPARE(p.body, bodies.at(i));
        }
        QCOMPARE(sim.commands().size(), 1);
        QCOMPARE(sim.commands().at(0).answers, 2);
    }

    void replyBodies_data()
    {
        QTest::addColumn<QByteArray>("zvrClass");
        QTest::addColumn<QByteArray>("pading");
        QTest::addColumn<QByteArray>("body");
        const QByteArray head = ";M=02:00:00:00:20:0a;D=KSM-271E";
        QTest::newRow("info record")
            << QByteArray("2") << QByteArray()
            << "2" + head + ";N=" + QByteArray("Hall").toBase64() + ";G=0;C=c;E=e;O=o;P="
                   + QByteArray("hall1234").toBase64() + ";R=r;U=555.x;W=http://127.0.0.1:8/;Y=F1";
        QTest::newRow("new password")
            << QByteArray("2") << ";P=" + QByteArray("n3w-pass").toBase64()
            << "2" + head + ";N=" + QByteArray("Hall").toBase64() + ";G=0;C=c;E=e;O=o;P="
                   + QByteArray("n3w-pass").toBase64() + ";R=r;U=555.x;W=http://127.0.0.1:8/;Y=F1";
        QTest::newRow("registered")
            << QByteArray("2") << QByteArray(";G=1")
            << "2" + head + ";N=" + QByteArray("Hall").toBase64() + ";G=1;C=c;E=e;O=o;P="
                   + QByteArray("hall1234").toBase64() + ";R=r;U=555.x;W=http://127.0.0.1:8/;Y=F1";
        QTest::newRow("Internet check")
            << QByteArray("8") << QByteArray(";C=4;U=example.org") << "8" + head + ";R=1";
        QTest::newRow("restart") << QByteArray("9") << QByteArray(";L=1") << "9" + head;
        QTest::newRow("no networks") << QByteArray("4") << QByteArray() << "4" + head;
    }
    void replyBodies()
    {
        QFETCH(QByteArray, zvrClass);
        QFETCH(QByteArray, pading);
        QFETCH(QByteArray, body);
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        // The camera takes its address in either case.
        sendTo(sim, command(zvrClass.constData(), QStringLiteral("02:00:00:00:20:0A"), pading,
                            QStringLiteral("KSM-271E")));
        const QList<QByteArray> replies = collect(1);
        QCOMPARE(replies.size(), 1);
        QCOMPARE(simtest::parse(replies.at(0)).body, body);
        QCOMPARE(sim.commands().size(), 1);
        QCOMPARE(sim.commands().at(0).camera, QStringLiteral("02:00:00:00:20:0a"));
        QCOMPARE(sim.commands().at(0).reply, body);
    }

    void networkSetupReply()
    {
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        sendTo(sim, command("3", sim.camera(0).mac, ";0=1;6=0;40=x"));
        const QList<QByteArray> replies = collect(1);
        QCOMPARE(replies.size(), 1);
        const QList<QByteArray> items = simtest::parse(replies.at(0)).body.split(';');
        QCOMPARE(items.size(), 3 + 30);  // class, M, D, keys 0 to 29
        for (int key = 0; key < 30; ++key)
            QVERIFY(items.at(3 + key).startsWith(QByteArray::number(key) + '='));
        QCOMPARE(items.at(3), QByteArray("0=1"));
        // Kept, not reported.
        QCOMPARE(sim.camera(0).network.value(40), QByteArray("x"));
        QCOMPARE(sim.camera(0).ipMode, QByteArray("0"));
    }

    void wirelessRecords()
    {
        CameraSimulator sim;
        QVERIFY(startSim(
            sim,
            "{'cameras': [{'mac': '02:00:00:00:20:0c', 'model': 'M', 'wifi': ["
            " {'ssid': 'A;B', 'f0': '1', 'f1': '2', 'f3': '3', 'f4': '4', 'f5': '5', 'f6': '6'},"
            " {'raw': 'odd'}, {'ssid': 'C'}]}]}"));
        sendTo(sim, command("4", sim.camera(0).mac));
        const QList<QByteArray> replies = collect(1);
        QCOMPARE(replies.size(), 1);
        QCOMPARE(simtest::parse(replies.at(0)).body,
                 "4;M=02:00:00:00:20:0c;D=M,1;2;" + QByteArray("A;B").toBase64()
                     + ";3;4;5;6,odd,0;0;" + QByteArray("C").toBase64() + ";0;0;0;0");
    }

    void notForUs_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<int>("ignored");
        QTest::addColumn<int>("rejected");
        QTest::addColumn<int>("logged");
        QTest::newRow("another camera")
            << command("2", QStringLiteral("02:00:00:00:20:99")) << 1 << 0 << 0;
        QTest::newRow("from one of our cameras")
            << rawCommand(withLength("1;M=FF:FF:FF:FF:FF:FF;D=ALL"), ZVRUtils::broadcastMac,
                          QStringLiteral("02:00:00:00:20:0b"))
            << 1 << 0 << 0;
        QTest::newRow("a neighbour's reply") << simtest::reply(QStringLiteral("02:00:00:00:20:0a"),
                                                               "1;M=02:00:00:00:20:0a;D=KSM-271E")
                                             << 1 << 0 << 0;
        QTest::newRow("info request to every camera")
            << command("2", ZVRUtils::broadcastMac) << 0 << 0 << 1;
        QTest::newRow("shorter than the header")
            << QByteArray::fromHex("0004ffffffffffff") << 0 << 1 << 0;
        QByteArray longer = command("1", ZVRUtils::broadcastMac);
        longer[1] = char(longer.at(1) + 4);
        QTest::newRow("length field too big") << longer << 0 << 1 << 0;
        QByteArray foreign = command("1", ZVRUtils::broadcastMac);
        foreign[20] = '!';
        QTest::newRow("symbol outside the alphabet") << foreign << 0 << 1 << 0;
        QTest::newRow("body length wrong")
            << rawCommand("9,1;M=FF:FF:FF:FF:FF:FF;D=ALL") << 0 << 1 << 0;
        QTest::newRow("no body length") << rawCommand("1;M=FF:FF:FF:FF:FF:FF;D=ALL") << 0 << 1 << 0;
        QTest::newRow("no class digit")
            << rawCommand(withLength("X;M=FF:FF:FF:FF:FF:FF;D=ALL")) << 0 << 1 << 0;
        QTest::newRow("item without value sign")
            << rawCommand(withLength("1;M=FF:FF:FF:FF:FF:FF;D=ALL;junk")) << 0 << 1 << 0;
        QTest::newRow("D before M")
            << rawCommand(withLength("1;D=ALL;M=FF:FF:FF:FF:FF:FF")) << 0 << 1 << 0;
        QTest::newRow("M is no address")
            << rawCommand(withLength("1;M=everyone;D=ALL")) << 0 << 1 << 0;
        QTest::newRow("empty payload") << rawCommand(QByteArray()) << 0 << 1 << 0;
    }
    void notForUs()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(int, ignored);
        QFETCH(int, rejected);
        QFETCH(int, logged);
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        QSignalSpy rejections(&sim, &CameraSimulator::datagramRejected);
        if (rejected)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^unparsable datagram")));
        if (logged)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("none acts on it$")));
        sendTo(sim, datagram);
        QTRY_COMPARE_WITH_TIMEOUT(
            sim.ignoredCount() + sim.rejectedCount() + int(sim.commands().size()), 1, 2000);
        QCOMPARE(sim.ignoredCount(), ignored);
        QCOMPARE(sim.rejectedCount(), rejected);
        QCOMPARE(int(rejections.size()), rejected);
        QCOMPARE(int(sim.commands().size()), logged);
        QCOMPARE(collect(0, 0).size(), 0);
        QCOMPARE(sim.repliesSent(), 0);
    }

    // A camera in a test network hears anything; what it cannot take it
    // drops, and it answers exactly the commands it logged.
    void randomDatagrams()
    {
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        const QList<QByteArray> valid = {
            command("1", ZVRUtils::broadcastMac),
            command("2", sim.camera(0).mac, ";P=" + QByteArray("abc").toBase64() + ";G=1;T=1-2"),
            command("3", sim.camera(1).mac, ";0=0;6=0;1=10.0.0.7;9=1"),
            command("4", sim.camera(0).mac),
            command("8", sim.camera(1).mac, ";C=4;U=h"),
            command("9", sim.camera(0).mac, ";L=1;N=1"),
        };
        QRandomGenerator rng(77);
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        for (int n = 0; n < 5000; ++n) {
            QByteArray d = valid.at(rng.bounded(int(valid.size())));
            switch (rng.bounded(3)) {
            case 0: d.truncate(rng.bounded(int(d.size()) + 1)); break;
            case 1:
                for (int c = rng.bounded(1, 4); c > 0; --c)
                    d[rng.bounded(int(d.size()))] = char(rng.bounded(256));
                break;
            default: {
                const simtest::Parsed p = simtest::parse(d);
                QByteArray plain = p.plain;
                plain[rng.bounded(int(plain.size()))] = ";=,:M0"[rng.bounded(6)];
                const QByteArray payload = ZVRUtils::encrypt(plain);
                d = QByteArray(1, char(payload.size() >> 8)) + char(payload.size() & 0xff)
                    + p.dstBytes + p.srcBytes + payload;
                break;
            }
            }
            sim.handleDatagram(d, QHostAddress::LocalHost, sink.localPort());
        }
        qInstallMessageHandler(previous);
        int answers = 0;
        for (const CommandRecord &c : sim.commands())
            answers += c.answers;
        QVERIFY(sim.rejectedCount() > 1000);
        QVERIFY(sim.commands().size() > 500);
        QCOMPARE(sim.repliesSent(), answers);
        QCOMPARE(sim.sendErrors(), 0);
        QCOMPARE(sim.ignoredCount() + sim.rejectedCount() + int(sim.commands().size()), 5000);
        QTest::qWait(20);
        simtest::drain(sink);
    }

    void unansweredStillActs()
    {
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        sim.camera(0).unanswered = "2";
        sendTo(sim, command("2", sim.camera(0).mac, ";P=" + QByteArray("later!").toBase64()));
        QTRY_COMPARE_WITH_TIMEOUT(int(sim.commands().size()), 1, 2000);
        QCOMPARE(sim.camera(0).password, QByteArray("later!"));
        QCOMPARE(sim.commands().at(0).answers, 0);
        QCOMPARE(collect(0, 100).size(), 0);
    }

    // A camera that hangs on its new password: it answers the scan and the
    // info request, then nothing at all, scans included, and keeps its old
    // password; the other camera is not touched.
    void fallsSilentOnAnItem()
    {
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        sim.camera(0).silentFrom = "P";
        const QString mac = sim.camera(0).mac;
        sendTo(sim, command("1", ZVRUtils::broadcastMac));
        QCOMPARE(collect(2).size(), 2);
        sendTo(sim, command("2", mac));
        QCOMPARE(collect(1).size(), 1);
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(mac + QStringLiteral(" falls silent on its item P")));
        sendTo(sim, command("2", mac, ";P=" + QByteArray("n3wPass!").toBase64()));
        sendTo(sim, command("2", mac));
        sendTo(sim, command("9", mac, ";L=1"));
        sendTo(sim, command("1", ZVRUtils::broadcastMac));
        QTRY_COMPARE_WITH_TIMEOUT(int(sim.commands().size()), 6, 2000);
        const QList<QByteArray> late = collect(1, 300);
        QCOMPARE(late.size(), 1);  // the other camera's scan reply
        QCOMPARE(sim.camera(0).password, QByteArray("hall1234"));
        QCOMPARE(sim.camera(0).webServerRestarts, 0);
        for (int i = 2; i < 5; ++i)
            QCOMPARE(sim.commands().at(i).answers, 0);
        QCOMPARE(sim.commands().at(5).answers, 1);
    }

    void replyAddressAndPacing()
    {
        CameraSimulator sim;
        QVERIFY(startSim(sim,
                         "{'cameras': [{'mac': '02:00:00:00:30:00', 'count': 50, 'model': 'M'}]}"));
        QTest::ignoreMessage(QtWarningMsg, "a reply address must be unicast: 255.255.255.255");
        QTest::ignoreMessage(QtWarningMsg, "a reply address must be unicast: 239.1.2.3");
        QVERIFY(!sim.setReplyAddress(QHostAddress(QHostAddress::Broadcast)));
        QVERIFY(!sim.setReplyAddress(QHostAddress(QStringLiteral("239.1.2.3"))));
        QVERIFY(sim.setReplyAddress(QHostAddress::LocalHost));
        sim.setPaceChunk(7);
        sendTo(sim, command("1", ZVRUtils::broadcastMac));
        QCOMPARE(collect(50).size(), 50);
        QCOMPARE(sim.repliesSent(), 50);
    }

    // Copies as a computer on two links of one LAN hears them: each reply
    // several times, byte for byte, paced or late alike; the camera acts
    // and logs once.
    void replyCopies_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("copies");
        QTest::newRow("once by default")
            << json("{'cameras': [{'mac': '02:00:00:00:30:00', 'count': 2, 'model': 'M'}]}") << 1;
        QTest::newRow("three times")
            << json("{'replyCopies': 3,"
                    " 'cameras': [{'mac': '02:00:00:00:30:00', 'count': 2, 'model': 'M'}]}")
            << 3;
        QTest::newRow("three times, paced")
            << json("{'replyCopies': 3, 'paceChunk': 1,"
                    " 'cameras': [{'mac': '02:00:00:00:30:00', 'count': 2, 'model': 'M'}]}")
            << 3;
        QTest::newRow("three times, late")
            << json("{'replyCopies': 3, 'cameras': [{'mac': '02:00:00:00:30:00', 'count': 2,"
                    " 'model': 'M', 'replyDelayMs': 30}]}")
            << 3;
    }
    void replyCopies()
    {
        QFETCH(QByteArray, config);
        QFETCH(int, copies);
        CameraSimulator sim;
        QVERIFY(startSim(sim, config.constData()));
        sendTo(sim, command("1", ZVRUtils::broadcastMac));
        const QList<QByteArray> scans = collect(2 * copies);
        QCOMPARE(scans.size(), 2 * copies);
        QCOMPARE(int(scans.count(scans.first())), copies);
        QCOMPARE(sim.commands().size(), 1);
        QCOMPARE(sim.commands().at(0).answers, 2);

        sendTo(sim, command("9", sim.camera(1).mac, ";N=1"));
        const QList<QByteArray> restarts = collect(copies);
        QCOMPARE(restarts.size(), copies);
        QCOMPARE(int(restarts.count(restarts.first())), copies);
        QCOMPARE(sim.camera(1).networkRestarts, 1);
        QCOMPARE(sim.commands().size(), 2);
        QCOMPARE(sim.repliesSent(), 3 * copies);
    }

    // A command for a camera of another link: not acted on and not among
    // the commands, but in the file, so that a lab sees which link it
    // went out on.
    void commandForAnotherCameraInTheFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("commands.jsonl"));
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        QVERIFY(sim.setLogFile(path));
        sendTo(sim, command("8", QStringLiteral("02:00:00:00:20:99"), ";C=4;U=portal"));
        sendTo(sim, command("2", sim.camera(0).mac));
        QTRY_COMPARE_WITH_TIMEOUT(int(sim.commands().size()), 1, 2000);
        QCOMPARE(sim.ignoredCount(), 1);
        QCOMPARE(collect(1).size(), 1);

        const QList<QByteArray> lines = logLines(path);
        QCOMPARE(lines.size(), 2);
        const QJsonObject foreign = QJsonDocument::fromJson(lines.at(0)).object();
        QCOMPARE(foreign.value(QStringLiteral("camera")).toString(),
                 QStringLiteral("02:00:00:00:20:99"));
        QCOMPARE(foreign.value(QStringLiteral("class")).toString(), QStringLiteral("8"));
        QCOMPARE(foreign.value(QStringLiteral("held")), QJsonValue(false));
        QCOMPARE(foreign.value(QStringLiteral("answers")).toInt(), 0);
        const QJsonObject own = QJsonDocument::fromJson(lines.at(1)).object();
        QCOMPARE(own.value(QStringLiteral("camera")).toString(), sim.camera(0).mac);
        QVERIFY(!own.contains(QStringLiteral("held")));
    }

    void commandLog()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("commands.jsonl"));
        CameraSimulator sim;
        QVERIFY(startSim(sim));
        QVERIFY(sim.setLogFile(path));
        QSignalSpy received(&sim, &CameraSimulator::commandReceived);
        const QByteArray b64 = QByteArray("s3cret;pw").toBase64();
        sendTo(sim, command("1", ZVRUtils::broadcastMac));
        sendTo(sim,
               command("2", sim.camera(1).mac, ";P=" + b64 + ";G=1", QStringLiteral("KSM-273E")));
        QTRY_COMPARE_WITH_TIMEOUT(int(received.size()), 2, 2000);
        QCOMPARE(received.at(1).at(0).toInt(), 1);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 3);  // two lines and the final newline
        QVERIFY(lines.at(2).isEmpty());

        const QJsonObject scan = QJsonDocument::fromJson(lines.at(0)).object();
        QCOMPARE(scan.value(QStringLiteral("class")).toString(), QStringLiteral("1"));
        QCOMPARE(scan.value(QStringLiteral("camera")).toString(),
                 QStringLiteral("ff:ff:ff:ff:ff:ff"));
        QCOMPARE(scan.value(QStringLiteral("answers")).toInt(), 2);
        QCOMPARE(scan.value(QStringLiteral("plain")).toString(),
                 QStringLiteral("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL"));

        const QJsonObject pw = QJsonDocument::fromJson(lines.at(1)).object();
        QCOMPARE(pw.value(QStringLiteral("camera")).toString(),
                 QStringLiteral("02:00:00:00:20:0b"));
        QCOMPARE(pw.value(QStringLiteral("src")).toString(), hostMac);
        QCOMPARE(pw.value(QStringLiteral("dst")).toString(), QStringLiteral("02:00:00:00:20:0b"));
        QVERIFY(pw.value(QStringLiteral("plain"))
                    .toString()
                    .endsWith(QStringLiteral(";P=") + QString::fromLatin1(b64)
                              + QStringLiteral(";G=1")));
        const QJsonObject items = pw.value(QStringLiteral("items")).toObject();
        QCOMPARE(items.value(QStringLiteral("P")).toString(), QString::fromLatin1(b64));
        QCOMPARE(items.value(QStringLiteral("G")).toString(), QStringLiteral("1"));
        QCOMPARE(items.value(QStringLiteral("D")).toString(), QStringLiteral("KSM-273E"));
        QVERIFY(
            QDateTime::fromString(pw.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs)
                .isValid());
        QVERIFY(pw.value(QStringLiteral("reply")).toString().contains(QStringLiteral(";G=1;")));
        QCOMPARE(sim.camera(1).password, QByteArray("s3cret;pw"));
    }

    void program()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString logPath = dir.filePath(QStringLiteral("commands.jsonl"));
        ZVRUtils engine;
        QVERIFY(engine.bindPort(0));
        IPCameraList.clear();
        host_mac_str = {hostMac.toUpper()};
        supportType = QStringLiteral("ALL");

        QProcess camsimProcess;
        camsimProcess.setProcessChannelMode(QProcess::SeparateChannels);
        camsimProcess.start(
            QStringLiteral(CAMSIM_PROGRAM),
            {QStringLiteral("--config"), QStringLiteral(EXAMPLE_CONFIG), QStringLiteral("--bind"),
             QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QStringLiteral("0"),
             QStringLiteral("--reply-port"), QString::number(engine.recvSocket.localPort()),
             QStringLiteral("--log"), logPath, QStringLiteral("--quiet")});
        QVERIFY(camsimProcess.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([&] { return camsimProcess.canReadLine(); }, 5000));
        const QString line = QString::fromUtf8(camsimProcess.readLine());
        const QRegularExpressionMatch m =
            QRegularExpression(
                QStringLiteral("^camsim: listening on 127\\.0\\.0\\.1:(\\d+) with 3 cameras"))
                .match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        engine.setCommandTarget(QHostAddress::LocalHost, quint16(m.captured(1).toUInt()));

        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        engine.ZVRScanDevice(hostMac, supportType, ZVRUtils::broadcastMac);
        QTRY_COMPARE_WITH_TIMEOUT(int(info.size()), 3, 5000);
        QCOMPARE(IPCameraList.size(), 3);
        engine.ZVRRestartHttpSrv(0, ZVRUtils::restartHttpServer);
        QTRY_COMPARE_WITH_TIMEOUT(IPCameraList.at(0).cmdState, int(cmdStateIdle), 5000);

        camsimProcess.terminate();
        QVERIFY(camsimProcess.waitForFinished(5000));
        QCOMPARE(camsimProcess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(camsimProcess.exitCode(), 0);
        QVERIFY(camsimProcess.readAllStandardOutput().contains("stopped after 5 commands"));

        const QList<QByteArray> lines = logLines(logPath);
        QCOMPARE(lines.size(), 5);
        QStringList classes;
        for (const QByteArray &l : lines)
            classes
                << QJsonDocument::fromJson(l).object().value(QStringLiteral("class")).toString();
        QCOMPARE(classes, (QStringList{"1", "2", "2", "2", "9"}));
        QVERIFY(lines.last().contains(";L=1"));
        IPCameraList.clear();
    }

    void programRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");
        const QString config = QStringLiteral(EXAMPLE_CONFIG);
        QTest::newRow("no configuration")
            << QStringList{"--bind", "127.0.0.1", "--port", "0"} << "--config";
        QTest::newRow("missing file")
            << QStringList{"--config", "/nonexistent/cameras.json", "--bind", "127.0.0.1"}
            << "/nonexistent/cameras.json";
        QTest::newRow("bad port") << QStringList{"--config",  config,   "--bind",
                                                 "127.0.0.1", "--port", "70000"}
                                  << "--port";
        QTest::newRow("bad bind address")
            << QStringList{"--config", config, "--bind", "127.0.0.300"} << "bind";
        QTest::newRow("broadcast replies")
            << QStringList{"--config", config, "--bind",          "127.0.0.1",
                           "--port",   "0",    "--reply-address", "255.255.255.255"}
            << "unicast";
        QTest::newRow("no reply copy")
            << QStringList{"--config", config, "--bind", "127.0.0.1", "--reply-copies", "0"}
            << "--reply-copies";
    }
    void programRefuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        QProcess p;
        p.start(QStringLiteral(CAMSIM_PROGRAM), arguments);
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 2);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(complaint), qPrintable(err));
        QVERIFY(!p.readAllStandardOutput().contains("listening"));
    }
};

QTEST_GUILESS_MAIN(tst_camsim)
#include "tst_camsim.moc"
