// The engine's commands and reply handlers, with commands captured on a
// loopback socket instead of being broadcast.
#include "protocol/countrynumbers.h"
#include "protocol/hostaddress.h"
#include "protocol/ipcamera.h"
#include "protocol/portal.h"
#include "protocol/zvrutils.h"
#include "tests/support/logcapture.h"

#include <QFile>
#include <QMetaEnum>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include <algorithm>

namespace {

const QString hostMac = QStringLiteral("00:1A:2B:3C:4D:5E");
const QString hostMacLower = QStringLiteral("00:1a:2b:3c:4d:5e");

QByteArray withBody(const QByteArray &body)
{
    return QByteArray::number(body.size()) + ',' + body;
}

QByteArray reply(const QByteArray &body, const QString &dst = hostMacLower)
{
    const QByteArray payload = ZVRUtils::encrypt(withBody(body));
    QByteArray d;
    d.append(char(payload.size() >> 8)).append(char(payload.size() & 0xff));
    d.append(ZVRUtils::macBytes(dst)).append(QByteArray(6, '\x11')).append(payload);
    return d;
}

struct Sent {
    QByteArray dst, src, plain;
    QHostAddress from;
};

// An interface of the computer; the loopback addresses 127.0.0.2 and up
// stand for the IPv4 addresses of separate links.
hostLink link(const QString &name, const QString &mac, const char *ipv4, bool up = true)
{
    hostLink l;
    l.name = name;
    l.hardwareAddress = mac;
    if (ipv4)
        l.ipv4 = QHostAddress(QString::fromLatin1(ipv4));
    l.up = up;
    return l;
}

}  // namespace

class tst_engine : public QObject
{
    Q_OBJECT

private:
    ZVRUtils *engine = nullptr;
    QUdpSocket *capture = nullptr;

    // Every command the engine sent since the last call.
    QList<Sent> sent()
    {
        QList<Sent> out;
        QTest::qWait(1);
        for (int round = 0; round < 50 && !capture->hasPendingDatagrams(); ++round)
            if (!capture->waitForReadyRead(5))
                break;
        while (capture->hasPendingDatagrams()) {
            const QNetworkDatagram datagram = capture->receiveDatagram();
            const QByteArray d = datagram.data();
            out.append(
                {d.mid(2, 6), d.mid(8, 6), ZVRUtils::decrypt(d.mid(14)), datagram.senderAddress()});
        }
        return out;
    }

    // The one camera of most tests, listed as a broadcast scan would list it.
    void listCamera(const QByteArray &mac = "00:aa:bb:cc:dd:ee",
                    const QByteArray &model = "KSM-271E")
    {
        engine->handleDatagram(reply("1;M=" + mac + ";D=" + model + ";I=10.0.0.5"));
    }

private slots:
    void init()
    {
        IPCameraList.clear();
        host_mac_str = {hostMac};
        supportType = QStringLiteral("ALL");
        engine = new ZVRUtils;
        capture = new QUdpSocket;
        QVERIFY(capture->bind(QHostAddress::LocalHost, 0));
        engine->setCommandTarget(QHostAddress::LocalHost, capture->localPort());
    }

    void cleanup()
    {
        delete capture;
        delete engine;
    }

    void defaultsTargetTheBroadcastAddress()
    {
        ZVRUtils fresh;
        QCOMPARE(fresh.commandAddress(), QHostAddress(QHostAddress::Broadcast));
        QCOMPARE(fresh.commandPort(), quint16(5978));
        QVERIFY(!fresh.defaultIpSeen);
        QVERIFY(!fresh.broadcastScan);
    }

    void broadcastScan()
    {
        engine->ZVRScanDevice(hostMac, QStringLiteral("ALL"), ZVRUtils::broadcastMac);
        QVERIFY(engine->broadcastScan);
        const QList<Sent> s = sent();
        QCOMPARE(s.size(), 1);
        QCOMPARE(s.at(0).plain, QByteArray("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL"));
        QCOMPARE(s.at(0).dst, QByteArray::fromHex("FFFFFFFFFFFF"));
        QCOMPARE(s.at(0).src, QByteArray::fromHex("001A2B3C4D5E"));

        engine->ZVRScanDevice(hostMacLower, QStringLiteral("ALL"),
                              QStringLiteral("00:aa:bb:cc:dd:ee"));
        QVERIFY(!engine->broadcastScan);
        QCOMPARE(sent().size(), 1);
    }

    void newCameraIsAskedForItsInfoRecord()
    {
        engine->ZVRScanDevice(hostMac, QStringLiteral("ALL"), ZVRUtils::broadcastMac);
        sent();
        QSignalSpy found(engine, &ZVRUtils::foundDevice);
        listCamera();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.at(0).at(0).toInt(), 0);
        QCOMPARE(IPCameraList.size(), 1);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStatePassword));
        QCOMPARE(IPCameraList.at(0).hostMac, hostMacLower);
        QList<Sent> s = sent();
        QCOMPARE(s.size(), 1);
        QCOMPARE(s.at(0).plain, withBody("2;M=00:aa:bb:cc:dd:ee;D=KSM-271E"));
        QCOMPARE(s.at(0).src, QByteArray::fromHex("001A2B3C4D5E"));
        QCOMPARE(s.at(0).dst, QByteArray::fromHex("00aabbccddee"));

        // The same camera again: refreshed, announced, not asked again.
        engine->handleDatagram(reply("1;M=00:aa:bb:cc:dd:ee;D=KSM-271E;I=10.0.0.6"));
        QCOMPARE(found.size(), 2);
        QCOMPARE(found.at(1).at(0).toInt(), 0);
        QCOMPARE(IPCameraList.size(), 1);
        QCOMPARE(IPCameraList.at(0).ip, QStringLiteral("10.0.0.6"));
        QCOMPARE(sent().size(), 0);
    }

    void scanToOneCameraAsksNothing()
    {
        engine->ZVRScanDevice(hostMac, QStringLiteral("ALL"), QStringLiteral("00:aa:bb:cc:dd:ee"));
        sent();
        listCamera();
        QCOMPARE(IPCameraList.size(), 1);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateIdle));
        QCOMPARE(sent().size(), 0);
    }

    void refusedScanReplies_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason");
        QTest::newRow("other model")
            << "KSM-271E" << QByteArray("1;M=00:aa:bb:cc:dd:ee;D=KSM-273E") << "unsupport device!";
        QTest::newRow("broadcast address") << "ALL" << QByteArray("1;M=FF:FF:FF:FF:FF:FF;D=X")
                                           << "handleScanResponse:: MAC_Addr = FF:FF:FF:FF:FF:FF";
        QTest::newRow("no address")
            << "ALL" << QByteArray("1;D=X;I=1.2.3.4") << "handleScanResponse:: MAC_Addr = ";
        QTest::newRow("empty address")
            << "ALL" << QByteArray("1;M=;D=X") << "handleScanResponse:: MAC_Addr = ";
        // Only the shape of a hardware address lists a camera.
        const QString shape = QStringLiteral("handleScanResponse:: M item is no hardware address.");
        QTest::newRow("five pairs") << "ALL" << QByteArray("1;M=00:aa:bb:cc:dd;D=X") << shape;
        QTest::newRow("seven pairs")
            << "ALL" << QByteArray("1;M=00:aa:bb:cc:dd:ee:ff;D=X") << shape;
        QTest::newRow("dashes") << "ALL" << QByteArray("1;M=00-aa-bb-cc-dd-ee;D=X") << shape;
        QTest::newRow("not hexadecimal")
            << "ALL" << QByteArray("1;M=00:aa:bb:cc:dd:eg;D=X") << shape;
        QTest::newRow("blank in a pair")
            << "ALL" << QByteArray("1;M=00:aa:bb:cc:dd: e;D=X") << shape;
        QTest::newRow("colons out of place")
            << "ALL" << QByteArray("1;M=0:0aa:bb:cc:dd:ee;D=X") << shape;
        QTest::newRow("trailing blank")
            << "ALL" << QByteArray("1;M=00:aa:bb:cc:dd:ee ;D=X") << shape;
        QTest::newRow("markup") << "ALL" << QByteArray("1;M=<b>camera</b>;D=X") << shape;
    }
    void refusedScanReplies()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        supportType = type;
        QSignalSpy found(engine, &ZVRUtils::foundDevice);
        QTest::ignoreMessage(QtDebugMsg, reason.toUtf8().constData());
        QTest::ignoreMessage(QtDebugMsg, "not a new device!");
        engine->handleDatagram(reply(body));
        QCOMPARE(found.size(), 0);
        QVERIFY(IPCameraList.isEmpty());
    }

    void addressInEitherCaseIsListed()
    {
        listCamera("00:aa:bb:cc:dd:ee");
        listCamera("00:AA:BB:CC:DD:EF");
        listCamera("0a:Bc:dE:F0:12:9f");
        QCOMPARE(IPCameraList.size(), 3);
        QCOMPARE(IPCameraList.at(2).mac, QStringLiteral("0a:Bc:dE:F0:12:9f"));
    }

    // A host that makes up cameras fills the list to its cap and no
    // further; each listed camera costs one info request, the rest nothing,
    // and the log says so in a few lines.
    void listStopsAtTheCap()
    {
        logCapture log;
        const auto fullLines = [&log] {
            return int(std::count_if(log.lines.cbegin(), log.lines.cend(), [](const QString &m) {
                return m.startsWith(QLatin1String("camera list full:"));
            }));
        };
        const auto mac = [](int i) {
            return QStringLiteral("02:00:00:00:%1:%2")
                .arg(i >> 8, 2, 16, QLatin1Char('0'))
                .arg(i & 0xff, 2, 16, QLatin1Char('0'))
                .toLatin1();
        };
        engine->ZVRScanDevice(hostMac, QStringLiteral("ALL"), ZVRUtils::broadcastMac);
        sent();
        QSignalSpy found(engine, &ZVRUtils::foundDevice);
        for (int i = 0; i < ZVRUtils::maxCameras + 150; ++i)
            listCamera(mac(i));
        QCOMPARE(IPCameraList.size(), int(ZVRUtils::maxCameras));
        QCOMPARE(found.size(), int(ZVRUtils::maxCameras));
        // The first refusal, then the 10th and the 100th.
        QCOMPARE(fullLines(), 3);
        QList<Sent> s = sent();
        QCOMPARE(s.size(), int(ZVRUtils::maxCameras));
        QCOMPARE(s.last().dst,
                 ZVRUtils::macBytes(QString::fromLatin1(mac(ZVRUtils::maxCameras - 1))));

        // Listed cameras still answer at the cap.
        const int last = ZVRUtils::maxCameras - 1;
        engine->handleDatagram(reply("1;M=" + mac(last) + ";D=KSM-271E;I=10.0.0.99"));
        QCOMPARE(found.size(), int(ZVRUtils::maxCameras) + 1);
        QCOMPARE(found.last().at(0).toInt(), last);
        QCOMPARE(IPCameraList.at(last).ip, QStringLiteral("10.0.0.99"));
        QSignalSpy info(engine, &ZVRUtils::gotPassword);
        engine->handleDatagram(
            reply("2;M=" + mac(last) + ";D=KSM-271E;P=" + QByteArray("pw").toBase64()));
        QCOMPARE(info.size(), 1);
        QCOMPARE(info.at(0).at(0).toInt(), last);

        // A new search empties the list: a camera listed before comes back
        // at its new place, and the count of refusals starts again.
        IPCameraList.clear();
        listCamera(mac(last));
        listCamera(mac(3));
        QCOMPARE(IPCameraList.size(), 2);
        QCOMPARE(IPCameraList.at(0).mac, QString::fromLatin1(mac(last)));
        engine->handleDatagram(reply("2;M=" + mac(3) + ";D=KSM-271E"));
        QCOMPARE(info.size(), 2);
        QCOMPARE(info.last().at(0).toInt(), 1);
        s = sent();
        QCOMPARE(s.size(), 2);
        for (int i = 2; i <= ZVRUtils::maxCameras; ++i)
            listCamera(mac(1000 + i));
        QCOMPARE(IPCameraList.size(), int(ZVRUtils::maxCameras));
        QCOMPARE(fullLines(), 4);
        // Replies still find their camera by its place in the new list.
        engine->handleDatagram(reply("2;M=" + mac(last) + ";D=KSM-271E"));
        engine->handleDatagram(
            reply("2;M=" + mac(1000 + ZVRUtils::maxCameras - 1) + ";D=KSM-271E"));
        engine->handleDatagram(reply("2;M=" + mac(7) + ";D=KSM-271E"));
        QCOMPARE(info.size(), 4);
        QCOMPARE(info.at(2).at(0).toInt(), 0);
        QCOMPARE(info.at(3).at(0).toInt(), last);
    }

    void modelFilterIsExact()
    {
        supportType = QStringLiteral("KSM-271E");
        listCamera("00:aa:bb:cc:dd:01", "KSM-271E");
        listCamera("00:aa:bb:cc:dd:02", "ksm-271e");
        listCamera("00:aa:bb:cc:dd:03", "ALL");
        QCOMPARE(IPCameraList.size(), 1);
    }

    void defaultAddressIsNoticedEvenWhenRefused()
    {
        supportType = QStringLiteral("KSM-271E");
        engine->handleDatagram(reply("1;M=00:aa:bb:cc:dd:ee;D=OTHER;I=192.168.0.20"));
        QVERIFY(IPCameraList.isEmpty());
        QVERIFY(engine->defaultIpSeen);
    }

    void infoRecordMatchesByExactAddress()
    {
        listCamera();
        QSignalSpy got(engine, &ZVRUtils::gotPassword);
        engine->handleDatagram(
            reply("2;M=00:AA:BB:CC:DD:EE;D=KSM-271E;P=" + QByteArray("x").toBase64()));
        QCOMPARE(got.size(), 0);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateIdle));

        engine->handleDatagram(
            reply("2;M=00:aa:bb:cc:dd:ee;D=KSM-271E;P=" + QByteArray("abc123").toBase64()));
        QCOMPARE(got.size(), 1);
        QCOMPARE(got.at(0).at(0).toInt(), 0);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStatePasswordSeen));
        QCOMPARE(IPCameraList.at(0).password, QByteArray("abc123"));

        // Matched by the address's 17 characters; what follows them does
        // not become the camera's address.
        engine->handleDatagram(reply("2;M=00:aa:bb:cc:dd:ee<b>x</b>;D=KSM-271E"));
        QCOMPARE(got.size(), 2);
        QCOMPARE(IPCameraList.at(0).mac, QStringLiteral("00:aa:bb:cc:dd:ee"));

        QTest::ignoreMessage(QtDebugMsg, "ZVRUtils::handlePasswordResponse, bad password msg.");
        engine->handleDatagram(reply("2;D=KSM-271E"));
        QCOMPARE(got.size(), 2);
    }

    void repliesOfEachClass()
    {
        listCamera();
        QSignalSpy net(engine, &ZVRUtils::gotNetworkConfig);
        QSignalSpy ping(engine, &ZVRUtils::gotPingRsp);

        engine->ZVRGetNetworkSetup(0);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateNetConfig));
        engine->handleDatagram(reply("3;M=00:aa:bb:cc:dd:ee;D=KSM-271E;0=0;1=10.0.0.7"));
        QCOMPARE(net.size(), 1);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateIdle));
        QCOMPARE(IPCameraList.at(0).net.Static_IP, QByteArray("10.0.0.7"));

        engine->ZVRPingDevice(0);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStatePing));
        engine->handleDatagram(reply("8;M=00:aa:bb:cc:dd:ee;D=KSM-271E;R=0"));
        QCOMPARE(ping.size(), 1);
        QCOMPARE(IPCameraList.at(0).pingOk, QByteArray("0"));
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateIdle));

        engine->ZVRRestartHttpSrv(0, ZVRUtils::restartHttpServer);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateRestart));
        engine->handleDatagram(reply("9;M=00:aa:bb:cc:dd:ee;D=KSM-271E"));
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateIdle));

        const QList<Sent> s = sent();
        QCOMPARE(s.size(), 3);
        QCOMPARE(s.at(0).plain, withBody("3;M=00:aa:bb:cc:dd:ee;D=KSM-271E"));
        QCOMPARE(s.at(1).plain,
                 withBody(QByteArray("8;M=00:aa:bb:cc:dd:ee;D=KSM-271E;C=4;U=") + portal::host));
        QCOMPARE(s.at(2).plain, withBody("9;M=00:aa:bb:cc:dd:ee;D=KSM-271E;L=1"));
    }

    void wirelessSearchIsTakenOncePerCommand()
    {
        listCamera();
        QSignalSpy ap(engine, &ZVRUtils::gotAPnetwork);
        const QByteArray body =
            "4;M=00:aa:bb:cc:dd:ee;D=KSM-271E,a;b;" + QByteArray("Net").toBase64() + ";d;e;f;g";

        QTest::ignoreMessage(QtDebugMsg, "I don't send AP search cmd: 0");
        engine->handleDatagram(reply(body));
        QCOMPARE(ap.size(), 0);
        QCOMPARE(IPCameraList.at(0).aps.count, 0);

        engine->ZVRGetAPSearch(0);
        QCOMPARE(IPCameraList.at(0).apReplies, 0);
        engine->handleDatagram(reply(body));
        engine->handleDatagram(reply(body + ",more"));
        QCOMPARE(ap.size(), 1);
        QCOMPARE(IPCameraList.at(0).apReplies, 1);
        QCOMPARE(IPCameraList.at(0).aps.count, 1);
        QCOMPARE(IPCameraList.at(0).aps.getSSID(0), QByteArray("Net"));

        engine->ZVRGetAPSearch(0);
        QCOMPARE(IPCameraList.at(0).apReplies, 0);
        engine->handleDatagram(reply(body + ",more"));
        QCOMPARE(ap.size(), 2);
        QCOMPARE(IPCameraList.at(0).aps.count, 2);
    }

    void setPasswordItems_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QByteArray>("items");
        QTest::newRow("password only") << "abc123"
                                       << "" << QByteArray(";P=YWJjMTIz");
        QTest::newRow("flag only") << ""
                                   << "1" << QByteArray(";G=1");
        QTest::newRow("both") << "abc123"
                              << "1" << QByteArray(";P=YWJjMTIz;G=1");
        QTest::newRow("neither") << ""
                                 << "" << QByteArray();
    }
    void setPasswordItems()
    {
        QFETCH(QString, password);
        QFETCH(QString, flag);
        QFETCH(QByteArray, items);
        listCamera();
        engine->ZVRSetPassword(0, password, flag);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStatePassword));
        const QList<Sent> s = sent();
        QCOMPARE(s.size(), 1);
        QCOMPARE(s.at(0).plain, withBody("2;M=00:aa:bb:cc:dd:ee;D=KSM-271E" + items));
    }

    // The cameras read Qt 4's country numbers: the same countries, other
    // numbers, and names that changed since.
    void countryNumbers_data()
    {
        QTest::addColumn<int>("territory");
        QTest::addColumn<int>("qt4");
        QTest::newRow("Germany") << int(QLocale::Germany) << 82;
        QTest::newRow("France") << int(QLocale::France) << 74;
        QTest::newRow("United States") << int(QLocale::UnitedStates) << 225;
        QTest::newRow("China") << int(QLocale::China) << 44;
        QTest::newRow("Japan") << int(QLocale::Japan) << 108;
        QTest::newRow("Vietnam, once VietNam") << int(QLocale::Vietnam) << 232;
        QTest::newRow("Laos, once Lao") << int(QLocale::Laos) << 117;
        QTest::newRow("Tokelau, now a territory") << int(QLocale::TokelauTerritory) << 213;
        QTest::newRow("Serbia") << int(QLocale::Serbia) << 243;
        QTest::newRow("any") << int(QLocale::AnyTerritory) << 0;
        QTest::newRow("unknown to Qt 4") << int(QLocale::Kosovo) << 0;
    }
    void countryNumbers()
    {
        QFETCH(int, territory);
        QFETCH(int, qt4);
        QCOMPARE(qt4CountryNumber(QLocale::Territory(territory)), qt4);
    }

    void countryTableMatchesQt4()
    {
        // Every line of Qt 4's enum maps back: no territory lost in the table.
        QFile f(QStringLiteral(QT4_COUNTRIES));
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        const QMetaEnum today = QMetaEnum::fromType<QLocale::Territory>();
        int found = 0;
        for (const QByteArray &line : f.readAll().split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> parts = line.split('\t');
            bool ok = false;
            const int value = today.keyToValue(parts.at(0).constData(), &ok);
            if (ok && value != 0) {
                QCOMPARE(qt4CountryNumber(QLocale::Territory(value)), parts.at(1).toInt());
                ++found;
            }
        }
        QVERIFY(found > 200);
    }

    void syncTime()
    {
        const QDateTime when(QDate(2012, 3, 9), QTime(14, 5, 7));
        QCOMPARE(ZVRUtils::timeItem(82, when), QByteArray(";T=82-2012-03-09-14-05-07"));

        listCamera();
        IPCameraList[0].cmdState = cmdStatePasswordSeen;
        engine->ZVRSyncTime(0);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStatePasswordSeen));
        const QList<Sent> s = sent();
        QCOMPARE(s.size(), 1);
        QVERIFY(
            QRegularExpression("^\\d+,2;M=00:aa:bb:cc:dd:ee;D=KSM-271E;T=\\d+-\\d{4}(-\\d\\d){5}$")
                .match(QString::fromUtf8(s.at(0).plain))
                .hasMatch());
    }

    void networkSetupCarriesThePagePayload()
    {
        listCamera();
        QTest::ignoreMessage(QtDebugMsg, "send network configure cmd.");
        engine->ZVRSetNetworkSetup(0, ";0=1;6=0;9=0");
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateNetConfig));
        QCOMPARE(sent().at(0).plain, withBody("3;M=00:aa:bb:cc:dd:ee;D=KSM-271E;0=1;6=0;9=0"));
    }

    void commandForAnUnlistedCameraIsIgnored()
    {
        listCamera();
        QTest::ignoreMessage(QtDebugMsg, "ZVRGetPassword ignored: no camera at index 1");
        engine->ZVRGetPassword(1);
        QTest::ignoreMessage(QtDebugMsg, "ZVRSyncTime ignored: no camera at index -1");
        engine->ZVRSyncTime(-1);
        QCOMPARE(sent().size(), 0);
    }

    void unknownClass()
    {
        listCamera();
        QTest::ignoreMessage(QtDebugMsg, "Unknown ZVR class type: 5");
        engine->handleDatagram(reply("5;M=00:aa:bb:cc:dd:ee;D=KSM-271E"));
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateIdle));
    }

    // Two replies waiting together are both read, in order, and the queued
    // signal of the first reaches its receiver before the second changes
    // the record.
    void pendingRepliesInOrder()
    {
        QVERIFY(engine->bindPort(0));
        listCamera();
        QList<QByteArray> seen;
        connect(
            engine, &ZVRUtils::gotPassword, this,
            [&seen](int idx) { seen.append(IPCameraList.at(idx).password); }, Qt::QueuedConnection);
        QUdpSocket peer;
        const quint16 port = engine->recvSocket.localPort();
        peer.writeDatagram(reply("2;M=00:aa:bb:cc:dd:ee;P=" + QByteArray("first1").toBase64()),
                           QHostAddress::LocalHost, port);
        peer.writeDatagram(reply("2;M=00:aa:bb:cc:dd:ee;P=" + QByteArray("second2").toBase64()),
                           QHostAddress::LocalHost, port);
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 2, 2000);
        QCOMPARE(seen, (QList<QByteArray>{"first1", "second2"}));
    }

    // Each interface with an IPv4 address has a socket of its own: a scan
    // from its hardware address, and every command for a camera that
    // answered on it, leave from its address. The rest take the system's
    // route (here: an unbound socket, seen as 127.0.0.1).
    void commandsLeaveThroughTheirLink()
    {
        const QString macA = QStringLiteral("02:00:00:00:00:0A");
        const QString macB = QStringLiteral("02:00:00:00:00:0B");
        const QString macDown = QStringLiteral("02:00:00:00:00:0C");
        const QString macNoIp = QStringLiteral("02:00:00:00:00:0D");
        hostLink loop =
            link(QStringLiteral("lo"), QStringLiteral("00:00:00:00:00:00"), "127.0.0.1");
        loop.loopback = true;
        engine->setHostLinks({loop, link(QStringLiteral("a"), macA, "127.0.0.2"),
                              link(QStringLiteral("b"), macB, "127.0.0.3"),
                              link(QStringLiteral("down"), macDown, "127.0.0.4", false),
                              link(QStringLiteral("noip"), macNoIp, nullptr)});
        host_mac_str = {macA, macB, macDown, macNoIp};
        const QHostAddress local(QHostAddress::LocalHost);
        const struct {
            QString src;
            QHostAddress from;
        } scans[] = {{macA, QHostAddress(QStringLiteral("127.0.0.2"))},
                     {macB.toLower(), QHostAddress(QStringLiteral("127.0.0.3"))},
                     {macDown, local},
                     {macNoIp, local}};
        for (const auto &scan : scans) {
            engine->ZVRScanDevice(scan.src, QStringLiteral("ALL"), ZVRUtils::broadcastMac);
            const QList<Sent> s = sent();
            QCOMPARE(s.size(), 1);
            QCOMPARE(s.at(0).from, scan.from);
            QCOMPARE(s.at(0).src, ZVRUtils::macBytes(scan.src));
        }

        // A camera that answered on link b: its info request, and what
        // follows, leave through b.
        engine->handleDatagram(reply("1;M=00:aa:bb:cc:dd:ee;D=KSM-271E", macB.toLower()));
        engine->ZVRGetNetworkSetup(0);
        QList<Sent> s = sent();
        QCOMPARE(s.size(), 2);
        for (const Sent &c : s) {
            QCOMPARE(c.from, QHostAddress(QStringLiteral("127.0.0.3")));
            QCOMPARE(c.src, ZVRUtils::macBytes(macB));
        }

        // Link b gone at the next search: the route picks.
        engine->setHostLinks({link(QStringLiteral("a"), macA, "127.0.0.2")});
        engine->ZVRPingDevice(0);
        s = sent();
        QCOMPARE(s.size(), 1);
        QCOMPARE(s.at(0).from, local);
    }

    void failedSendIsLogged()
    {
        const QString macA = QStringLiteral("02:00:00:00:00:0A");
        engine->setHostLinks({link(QStringLiteral("a"), macA, "127.0.0.2")});
        // An IPv4 socket cannot send to an IPv6 address; nothing leaves the host.
        engine->setCommandTarget(QHostAddress::LocalHostIPv6, capture->localPort());
        logCapture log;
        engine->ZVRScanDevice(macA, QStringLiteral("ALL"), ZVRUtils::broadcastMac);
        const QStringList failed = log.lines.filter(QStringLiteral("failed:"));
        QCOMPARE(failed.size(), 1);
        QVERIFY2(failed.at(0).startsWith(QStringLiteral("sending to ::1 through a failed:")),
                 qPrintable(failed.at(0)));
    }

    // Every reply as a computer with two links on one network, or a camera
    // that repeats itself, brings it: a repeat acts only after a command to
    // its camera was sent since.
    void aRepeatedReplyActsOnce()
    {
        engine->ZVRScanDevice(hostMac, QStringLiteral("ALL"), ZVRUtils::broadcastMac);
        sent();
        QSignalSpy found(engine, &ZVRUtils::foundDevice);
        QSignalSpy setup(engine, &ZVRUtils::gotNetworkConfig);
        const QByteArray scanReply = reply("1;M=00:aa:bb:cc:dd:ee;D=KSM-271E;I=10.0.0.5");
        for (int copy = 0; copy < 3; ++copy)
            engine->handleDatagram(scanReply);
        QCOMPARE(found.size(), 1);
        // One info request, not three.
        QCOMPARE(sent().size(), 1);

        const QByteArray setupReply = reply("3;M=00:aa:bb:cc:dd:ee;D=KSM-271E;W=1");
        for (int copy = 0; copy < 3; ++copy)
            engine->handleDatagram(setupReply);
        QCOMPARE(setup.size(), 1);
        // Asked again, the same answer counts again; once.
        engine->ZVRGetNetworkSetup(0);
        for (int copy = 0; copy < 3; ++copy)
            engine->handleDatagram(setupReply);
        QCOMPARE(setup.size(), 2);
        // The same reply on another link is another reply.
        engine->handleDatagram(
            reply("3;M=00:aa:bb:cc:dd:ee;D=KSM-271E;W=1", QStringLiteral("02:00:00:00:00:02")));
        QCOMPARE(setup.size(), 2);  // not this host's: dropped by the filter
        host_mac_str.append(QStringLiteral("02:00:00:00:00:02"));
        engine->handleDatagram(
            reply("3;M=00:aa:bb:cc:dd:ee;D=KSM-271E;W=1", QStringLiteral("02:00:00:00:00:02")));
        QCOMPARE(setup.size(), 3);

        // A new search (a page empties the list) and a new broadcast scan
        // each start afresh.
        IPCameraList.clear();
        engine->handleDatagram(scanReply);
        QCOMPARE(IPCameraList.size(), 1);
        engine->ZVRScanDevice(hostMac, QStringLiteral("ALL"), ZVRUtils::broadcastMac);
        engine->handleDatagram(scanReply);
        QCOMPARE(found.size(), 3);
    }

    // Copies read together are judged before a page hears of the first: the
    // restart a page sends on a setup answer does not let the next copy act.
    // The same answer coming again after that restart acts again.
    void copiesComeBeforeThePageActs()
    {
        QVERIFY(engine->bindPort(0));
        listCamera();
        sent();
        int restarts = 0;
        connect(
            engine, &ZVRUtils::gotNetworkConfig, this,
            [&] {
                ++restarts;
                engine->ZVRRestartHttpSrv(0, ZVRUtils::restartNetwork);
            },
            Qt::QueuedConnection);
        const QByteArray setupReply = reply("3;M=00:aa:bb:cc:dd:ee;D=KSM-271E;W=1");
        QUdpSocket peer;
        const quint16 port = engine->recvSocket.localPort();
        for (int copy = 0; copy < 3; ++copy)
            peer.writeDatagram(setupReply, QHostAddress::LocalHost, port);
        QTRY_COMPARE_WITH_TIMEOUT(restarts, 1, 2000);
        QTest::qWait(50);
        QCOMPARE(restarts, 1);
        QCOMPARE(sent().size(), 1);

        peer.writeDatagram(setupReply, QHostAddress::LocalHost, port);
        QTRY_COMPARE_WITH_TIMEOUT(restarts, 2, 2000);
    }

    void secondBindOfThePortFails()
    {
        QVERIFY(engine->bindPort(0));
        ZVRUtils second;
        QVERIFY(!second.bindPort(engine->recvSocket.localPort()));
    }
};

QTEST_GUILESS_MAIN(tst_engine)
#include "tst_engine.moc"
