// The engine against simulated cameras over 127.0.0.1: every command, its
// reply, the records it fills and what the camera was told.
#include "protocol/portal.h"
#include "tests/support/simtestutil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using camsim::CameraSimulator;
using camsim::CommandRecord;
using camsim::SimCamera;
using simtest::hostMac;

namespace {

const QString camNew = QStringLiteral("02:00:00:00:1a:01");
const QString camStored = QStringLiteral("02:00:00:00:10:02");
const QString camRegistered = QStringLiteral("02:00:00:00:10:03");

QByteArray camerasJson()
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/loopback-cameras.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class tst_loopback : public QObject
{
    Q_OBJECT

    ZVRUtils engine;
    std::unique_ptr<CameraSimulator> sim;

    // Scans every camera and waits for the records the engine then asks for.
    bool scanAll(int listed)
    {
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        engine.ZVRScanDevice(hostMac, supportType, ZVRUtils::broadcastMac);
        (void)QTest::qWaitFor([&] { return found.size() >= listed && info.size() >= listed; },
                              5000);
        // Nothing more is on its way.
        QTest::qWait(100);
        if (found.size() == listed && info.size() == listed && IPCameraList.size() == listed)
            return true;
        qWarning("scan: %d found, %d info records, %d listed; %d expected", int(found.size()),
                 int(info.size()), int(IPCameraList.size()), listed);
        return false;
    }

    int listedIndex(const QString &mac) { return simtest::indexOfCamera(mac); }

    CommandRecord lastCommand(const QString &mac, const QByteArray &zvrClass)
    {
        const QList<CommandRecord> list = sim->commandsFor(mac, zvrClass);
        return list.isEmpty() ? CommandRecord() : list.last();
    }

private slots:
    void initTestCase()
    {
        // Any address, an ephemeral port: commands only ever go to 127.0.0.1.
        QVERIFY(engine.bindPort(0));
        QVERIFY(engine.recvSocket.localPort() != 0);
    }

    void init()
    {
        simtest::drain(engine.recvSocket);
        IPCameraList.clear();
        host_mac_str = {hostMac.toUpper()};
        supportType = QStringLiteral("ALL");
        engine.defaultIpSeen = false;
        engine.broadcastScan = false;

        camsim::SimConfig config;
        QString error;
        QVERIFY2(camsim::parseConfig(camerasJson(), &config, &error), qPrintable(error));
        sim = std::make_unique<CameraSimulator>();
        sim->configure(config);
        QVERIFY2(sim->listen(QHostAddress::LocalHost, 0), qPrintable(sim->errorString()));
        sim->setReplyPort(engine.recvSocket.localPort());
        engine.setCommandTarget(QHostAddress::LocalHost, sim->port());
    }

    void cleanup()
    {
        sim.reset();
        IPCameraList.clear();
    }

    void broadcastScan_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("every model") << "ALL" << QStringList{camNew, camStored, camRegistered};
        QTest::newRow("KSM-271E") << "KSM-271E" << QStringList{camNew, camStored};
        QTest::newRow("KSM-273E") << "KSM-273E" << QStringList{camRegistered};
        QTest::newRow("model nobody has") << "KSM-999" << QStringList{};
    }
    void broadcastScan()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, listed);
        supportType = model;
        QVERIFY(scanAll(int(listed.size())));
        QVERIFY(engine.broadcastScan);

        // Every camera answers the scan; the engine keeps its model.
        const QList<CommandRecord> scans = sim->commandsFor(ZVRUtils::broadcastMac, "1");
        QCOMPARE(scans.size(), 1);
        QCOMPARE(scans.at(0).answers, 3);
        QCOMPARE(scans.at(0).srcMac, hostMac);
        QCOMPARE(scans.at(0).item("D"), model.toUtf8());

        for (int i = 0; i < listed.size(); ++i) {
            const IPCamera &rec = IPCameraList.at(i);
            const SimCamera *cam = sim->findCamera(listed.at(i));
            QVERIFY(cam);
            QCOMPARE(rec.mac, listed.at(i));
            QCOMPARE(rec.hostMac, hostMac);
            QCOMPARE(rec.model, cam->model);
            // The reader stops a value at "=", which costs only the pad symbols.
            QCOMPARE(QByteArray::fromBase64(rec.nameB64), cam->name);
            QCOMPARE(rec.ip, cam->ip);
            QCOMPARE(rec.registered, QByteArray(cam->registered ? "1" : "0"));
            QCOMPARE(rec.ipMode, cam->ipMode);
            QCOMPARE(rec.wireless, QByteArray(cam->wireless ? "1" : "0"));
            QCOMPARE(rec.keyV, cam->version);
            // The info record asked for at once.
            QCOMPARE(rec.cmdState, int(cmdStatePasswordSeen));
            QCOMPARE(rec.password, cam->password);
            QCOMPARE(rec.deviceNo, cam->deviceNo);
            QCOMPARE(rec.uTail, cam->deviceTail);
            QCOMPARE(rec.portalBaseUrl, cam->portal);
            QCOMPARE(rec.dfp, cam->dfp);
            QCOMPARE(rec.keyC + rec.keyE + rec.keyO + rec.keyR,
                     cam->infoC + cam->infoE + cam->infoO + cam->infoR);

            const QList<CommandRecord> requests = sim->commandsFor(listed.at(i), "2");
            QCOMPARE(requests.size(), 1);
            QCOMPARE(requests.at(0).items.size(), 2);  // M and D only
            QCOMPARE(requests.at(0).item("D"), cam->model);
            QCOMPARE(requests.at(0).srcMac, hostMac);
            QCOMPARE(requests.at(0).dstMac, listed.at(i));
        }
        // Cameras of another model are not asked for anything.
        for (const QString &mac : {camNew, camStored, camRegistered})
            if (!listed.contains(mac))
                QVERIFY(sim->commandsFor(mac).isEmpty());
    }

    void newCameraHasNoPassword()
    {
        QVERIFY(scanAll(3));
        QVERIFY(IPCameraList.at(listedIndex(camNew)).password.isEmpty());
        QCOMPARE(IPCameraList.at(listedIndex(camStored)).password, QByteArray("garage42"));
        QCOMPARE(IPCameraList.at(listedIndex(camRegistered)).registered, QByteArray("1"));
    }

    void rescanRefreshesWithoutNewRequest()
    {
        QVERIFY(scanAll(3));
        SimCamera *cam = sim->findCamera(camNew);
        cam->name = "Renamed";
        cam->ip = QStringLiteral("192.168.1.99");
        cam->password = "changed!";  // not part of a scan reply

        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        engine.ZVRScanDevice(hostMac, supportType, ZVRUtils::broadcastMac);
        QTRY_COMPARE_WITH_TIMEOUT(int(found.size()), 3, 3000);
        QTest::qWait(150);
        QCOMPARE(IPCameraList.size(), 3);
        QCOMPARE(info.size(), 0);
        const int idx = listedIndex(camNew);
        QVERIFY(found.contains(QVariantList{idx}));
        QCOMPARE(QByteArray::fromBase64(IPCameraList.at(idx).nameB64), QByteArray("Renamed"));
        QCOMPARE(IPCameraList.at(idx).ip, QStringLiteral("192.168.1.99"));
        QVERIFY(IPCameraList.at(idx).password.isEmpty());
        for (const QString &mac : {camNew, camStored, camRegistered})
            QCOMPARE(sim->commandsFor(mac, "2").size(), 1);
    }

    void defaultAddressFlag_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<bool>("listed");
        QTest::newRow("default address, model fits") << "ALL"
                                                     << "192.168.0.20" << true << true;
        QTest::newRow("default address, model refused") << "KSM-271E"
                                                        << "192.168.0.20" << true << false;
        QTest::newRow("other address") << "ALL"
                                       << "192.168.0.21" << false << true;
    }
    void defaultAddressFlag()
    {
        QFETCH(QString, model);
        QFETCH(QString, ip);
        QFETCH(bool, flag);
        QFETCH(bool, listed);
        SimCamera fresh = *sim->findCamera(camRegistered);
        fresh.mac = QStringLiteral("02:00:00:00:10:04");
        fresh.ip = ip;
        QVERIFY(sim->addCamera(fresh));
        supportType = model;
        QVERIFY(scanAll(model == QLatin1String("ALL") ? 4 : 2));
        QCOMPARE(engine.defaultIpSeen, flag);
        QCOMPARE(listedIndex(fresh.mac) >= 0, listed);
    }

    void targetedScan()
    {
        QVERIFY(scanAll(3));
        sim->clearCommands();
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        engine.ZVRScanDevice(hostMac, supportType, camStored);
        QVERIFY(!engine.broadcastScan);
        QTRY_COMPARE_WITH_TIMEOUT(int(found.size()), 1, 3000);
        QCOMPARE(found.at(0).at(0).toInt(), listedIndex(camStored));
        QTest::qWait(100);
        QCOMPARE(sim->commands().size(), 1);
        QCOMPARE(sim->commands().at(0).camera, camStored);
        QCOMPARE(sim->commands().at(0).answers, 1);
        QCOMPARE(found.size(), 1);
    }

    void setPassword_data()
    {
        QTest::addColumn<QString>("password");
        // Base64 with no, two and one pad symbols; protocol separators.
        QTest::newRow("six letters") << "abcdef";
        QTest::newRow("seven") << "abcdefg";
        QTest::newRow("eight") << "abcdefgh";
        QTest::newRow("separators") << "Pa;ss=w,rd";
        QTest::newRow("long") << QString(64, QLatin1Char('x')) + QStringLiteral("~`\\]");
    }
    void setPassword()
    {
        QFETCH(QString, password);
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        QVERIFY(IPCameraList.at(idx).password.isEmpty());

        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        engine.ZVRSetPassword(idx, password, QString());
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStatePassword));
        QVERIFY(info.wait(3000));
        QCOMPARE(info.at(0).at(0).toInt(), idx);
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStatePasswordSeen));
        QCOMPARE(QString::fromUtf8(IPCameraList.at(idx).password), password);
        QCOMPARE(QString::fromUtf8(sim->findCamera(camNew)->password), password);

        const CommandRecord cmd = lastCommand(camNew, "2");
        const QByteArray b64 = password.toUtf8().toBase64();
        QVERIFY2(cmd.plain.endsWith(";P=" + b64), cmd.plain.constData());
        QCOMPARE(cmd.item("P"), b64);
        QVERIFY(!cmd.hasItem("G"));
        QVERIFY(cmd.reply.contains(";P=" + b64));
    }

    void registeredFlag()
    {
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        engine.ZVRSetPassword(idx, QString(), QStringLiteral("1"));
        QVERIFY(info.wait(3000));
        QCOMPARE(IPCameraList.at(idx).registered, QByteArray("1"));
        QVERIFY(sim->findCamera(camNew)->registered);
        QVERIFY(sim->findCamera(camNew)->password.isEmpty());
        const CommandRecord cmd = lastCommand(camNew, "2");
        QCOMPARE(cmd.items.size(), 3);
        QCOMPARE(cmd.item("G"), QByteArray("1"));
        QVERIFY(!cmd.hasItem("P"));
    }

    void syncTime()
    {
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camStored);
        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        engine.ZVRSyncTime(idx);
        QVERIFY(info.wait(3000));
        const QByteArray clock = sim->findCamera(camStored)->clock;
        static const QRegularExpression shape(QRegularExpression::anchoredPattern(
            QStringLiteral("\\d+-\\d{4}-\\d\\d-\\d\\d-\\d\\d-\\d\\d-\\d\\d")));
        QVERIFY2(shape.match(QString::fromLatin1(clock)).hasMatch(), clock.constData());
        QCOMPARE(lastCommand(camStored, "2").item("T"), clock);
        // The stored password is left alone.
        QCOMPARE(sim->findCamera(camStored)->password, QByteArray("garage42"));
    }

    void readNetworkSetup()
    {
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camStored);
        QSignalSpy net(&engine, &ZVRUtils::gotNetworkConfig);
        engine.ZVRGetNetworkSetup(idx);
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStateNetConfig));
        QVERIFY(net.wait(3000));
        const IPCamera &rec = IPCameraList.at(idx);
        const SimCamera *cam = sim->findCamera(camStored);
        QCOMPARE(rec.cmdState, int(cmdStateIdle));
        QCOMPARE(rec.net.Camera_MAC, camStored.toLatin1());
        QCOMPARE(rec.net.Camera_model, cam->model);
        for (int key = 0; key < 30; ++key)
            QCOMPARE(*rec.net.field(key), cam->network.value(key));
        QCOMPARE(rec.net.Static_IP, QByteArray("192.168.1.22"));
        QVERIFY(rec.net.getNetworkType());
        QCOMPARE(lastCommand(camStored, "3").items.size(), 2);
        QCOMPARE(cam->setupsApplied, 0);
    }

    void writeNetworkSetup_data()
    {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QByteArray>("ipMode");
        QTest::addColumn<QByteArray>("wireless");
        QTest::addColumn<QString>("ip");
        QTest::newRow("DHCP") << QByteArray(";0=1;6=0") << QByteArray("0") << QByteArray("0")
                              << "192.168.1.21";
        QTest::newRow("static") << QByteArray(
            ";0=0;6=0;1=192.168.1.50;2=255.255.255.0;3=192.168.1.1;4=8.8.8.8;5=8.8.4.4")
                                << QByteArray("2") << QByteArray("0") << "192.168.1.50";
        QTest::newRow("PPPoE") << QByteArray(";0=0;6=1;7=user@isp;8=cGFzcw==") << QByteArray("1")
                               << QByteArray("0") << "192.168.1.21";
        QTest::newRow("wireless") << QByteArray(
            ";9=1;10=6;11=SG9tZU5ldA==;12=1;14=2;15=4;18=a2V5a2V5")
                                  << QByteArray("0") << QByteArray("1") << "192.168.1.21";
        QTest::newRow("wireless, key under 34")
            << QByteArray(";9=1;10=6;11=SG9tZU5ldA==;12=1;14=2;15=4;16=0;34=a2V5a2V5")
            << QByteArray("0") << QByteArray("1") << "192.168.1.21";
    }
    void writeNetworkSetup()
    {
        QFETCH(QByteArray, setup);
        QFETCH(QByteArray, ipMode);
        QFETCH(QByteArray, wireless);
        QFETCH(QString, ip);
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        QSignalSpy net(&engine, &ZVRUtils::gotNetworkConfig);
        engine.ZVRSetNetworkSetup(idx, setup);
        QVERIFY(net.wait(3000));

        const SimCamera *cam = sim->findCamera(camNew);
        QCOMPARE(cam->setupsApplied, 1);
        const IPCamera &rec = IPCameraList.at(idx);
        QCOMPARE(rec.cmdState, int(cmdStateIdle));
        for (const QByteArray &item : setup.mid(1).split(';')) {
            const int key = item.left(item.indexOf('=')).toInt();
            const QByteArray value = item.mid(item.indexOf('=') + 1);
            QCOMPARE(cam->network.value(key), value);
            if (key < 30)
                QCOMPARE(*rec.net.field(key), value);
        }
        QCOMPARE(lastCommand(camNew, "3").plain.right(setup.size()), setup);

        // The camera reports its new link from now on.
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        engine.ZVRScanDevice(hostMac, supportType, camNew);
        QVERIFY(found.wait(3000));
        QCOMPARE(IPCameraList.at(idx).ipMode, ipMode);
        QCOMPARE(IPCameraList.at(idx).wireless, wireless);
        QCOMPARE(IPCameraList.at(idx).ip, ip);
    }

    void wirelessSearch()
    {
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        QSignalSpy aps(&engine, &ZVRUtils::gotAPnetwork);
        engine.ZVRGetAPSearch(idx);
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStateAPSearch));
        QVERIFY(aps.wait(3000));

        const IPCamera &rec = IPCameraList.at(idx);
        QCOMPARE(rec.cmdState, int(cmdStateIdle));
        QCOMPARE(rec.apReplies, 1);
        QCOMPARE(rec.aps.count, 3);
        QCOMPARE(rec.aps.getSSID(0), QByteArray("HomeNet"));
        QCOMPARE(QString::fromUtf8(rec.aps.getSSID(1)), QStringLiteral("Caf\u00e9 \u2615;=,"));
        QCOMPARE(rec.aps.getSSID(2), QByteArray("XXXXXXX"));  // a record of two fields
        QCOMPARE(rec.aps.apField0, (QList<QByteArray>{"1", "0", "Unknown"}));
        QCOMPARE(rec.aps.apField1, (QList<QByteArray>{"-41", "-70", "0"}));
        QCOMPARE(rec.aps.apField4, (QList<QByteArray>{"4", "0", "Unknown"}));
        QCOMPARE(rec.aps.apField6, (QList<QByteArray>{"6", "11", "Unknown"}));

        // A reply nobody asked for any more is dropped.
        QUdpSocket stray;
        const QByteArray late =
            simtest::reply(camNew, "4;M=" + camNew.toLatin1() + ";D=KSM-271E,a;b;"
                                       + QByteArray("Other").toBase64() + ";d;e;f;g");
        stray.writeDatagram(late, QHostAddress::LocalHost, engine.recvSocket.localPort());
        QTest::qWait(200);
        QCOMPARE(aps.size(), 1);
        QCOMPARE(IPCameraList.at(idx).aps.count, 3);
        QCOMPARE(IPCameraList.at(idx).apReplies, 1);

        // A camera that sees no network.
        const int other = listedIndex(camRegistered);
        engine.ZVRGetAPSearch(other);
        QVERIFY(aps.wait(3000));
        QCOMPARE(IPCameraList.at(other).aps.count, 0);
        QVERIFY(IPCameraList.at(other).aps.ssidList.isEmpty());
    }

    void internetCheck_data()
    {
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("reaches the portal") << camNew << QByteArray("1");
        QTest::newRow("no Internet") << camStored << QByteArray("0");
    }
    void internetCheck()
    {
        QFETCH(QString, mac);
        QFETCH(QByteArray, result);
        QVERIFY(scanAll(3));
        const int idx = listedIndex(mac);
        QVERIFY(IPCameraList.at(idx).pingOk.isEmpty());
        QSignalSpy ping(&engine, &ZVRUtils::gotPingRsp);
        engine.ZVRPingDevice(idx);
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStatePing));
        QVERIFY(ping.wait(3000));
        QCOMPARE(IPCameraList.at(idx).pingOk, result);
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStateIdle));
        const CommandRecord cmd = lastCommand(mac, "8");
        QCOMPARE(cmd.item("C"), QByteArray("4"));
        QCOMPARE(cmd.item("U"), QByteArray(portal::host));
        QCOMPARE(cmd.reply, "8;M=" + mac.toLatin1() + ";D=KSM-271E;R=" + result);
    }

    void internetAfterSetup()
    {
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camStored);
        QSignalSpy ping(&engine, &ZVRUtils::gotPingRsp);
        QSignalSpy net(&engine, &ZVRUtils::gotNetworkConfig);
        engine.ZVRPingDevice(idx);
        QVERIFY(ping.wait(3000));
        QCOMPARE(IPCameraList.at(idx).pingOk, QByteArray("0"));
        engine.ZVRSetNetworkSetup(idx, ";0=1;6=0");
        QVERIFY(net.wait(3000));
        engine.ZVRPingDevice(idx);
        QVERIFY(ping.wait(3000));
        QCOMPARE(IPCameraList.at(idx).pingOk, QByteArray("1"));
    }

    void restart_data()
    {
        QTest::addColumn<QByteArray>("what");
        QTest::newRow("web server") << ZVRUtils::restartHttpServer;
        QTest::newRow("network") << ZVRUtils::restartNetwork;
    }
    void restart()
    {
        QFETCH(QByteArray, what);
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        engine.ZVRRestartHttpSrv(idx, what);
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStateRestart));
        QTRY_COMPARE_WITH_TIMEOUT(IPCameraList.at(idx).cmdState, int(cmdStateIdle), 3000);
        const SimCamera *cam = sim->findCamera(camNew);
        QCOMPARE(cam->webServerRestarts, what == ZVRUtils::restartHttpServer ? 1 : 0);
        QCOMPARE(cam->networkRestarts, what == ZVRUtils::restartNetwork ? 1 : 0);
        const CommandRecord cmd = lastCommand(camNew, "9");
        QVERIFY(cmd.plain.endsWith(what));
        QCOMPARE(cmd.reply, "9;M=" + camNew.toLatin1() + ";D=KSM-271E");
    }

    void unansweredClass_data()
    {
        QTest::addColumn<char>("zvrClass");
        QTest::addColumn<int>("stateAfter");
        QTest::newRow("info record") << '2' << int(cmdStatePassword);
        QTest::newRow("network setup") << '3' << int(cmdStateNetConfig);
        QTest::newRow("wireless search") << '4' << int(cmdStateAPSearch);
        QTest::newRow("Internet check") << '8' << int(cmdStatePing);
        QTest::newRow("restart") << '9' << int(cmdStateRestart);
    }
    void unansweredClass()
    {
        QFETCH(char, zvrClass);
        QFETCH(int, stateAfter);
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        sim->findCamera(camNew)->unanswered = QByteArray(1, zvrClass);

        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        QSignalSpy net(&engine, &ZVRUtils::gotNetworkConfig);
        QSignalSpy aps(&engine, &ZVRUtils::gotAPnetwork);
        QSignalSpy ping(&engine, &ZVRUtils::gotPingRsp);
        switch (zvrClass) {
        case '2': engine.ZVRGetPassword(idx); break;
        case '3': engine.ZVRGetNetworkSetup(idx); break;
        case '4': engine.ZVRGetAPSearch(idx); break;
        case '8': engine.ZVRPingDevice(idx); break;
        case '9': engine.ZVRRestartHttpSrv(idx, ZVRUtils::restartHttpServer); break;
        }
        // It reached the camera, which kept quiet.
        QTRY_COMPARE_WITH_TIMEOUT(int(sim->commandsFor(camNew, QByteArray(1, zvrClass)).size()),
                                  zvrClass == '2' ? 2 : 1, 3000);
        QTest::qWait(250);
        QCOMPARE(lastCommand(camNew, QByteArray(1, zvrClass)).answers, 0);
        QCOMPARE(info.size() + net.size() + aps.size() + ping.size(), 0);
        QCOMPARE(IPCameraList.at(idx).cmdState, stateAfter);
    }

    void unansweredScan()
    {
        sim->findCamera(camStored)->unanswered = "1";
        QVERIFY(scanAll(2));
        QCOMPARE(listedIndex(camStored), -1);
    }

    void replyDelay()
    {
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        sim->findCamera(camNew)->replyDelayMs = 300;
        QSignalSpy ping(&engine, &ZVRUtils::gotPingRsp);
        QElapsedTimer clock;
        clock.start();
        engine.ZVRPingDevice(idx);
        QTest::qWait(150);
        QCOMPARE(ping.size(), 0);
        QVERIFY(ping.wait(3000));
        QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
    }

    // The camera takes its address in any case and answers in lower case;
    // the engine matches replies exactly, so a record whose address was
    // taken in upper case never hears back.
    void replyMatchIsCaseSensitive()
    {
        QVERIFY(scanAll(3));
        const int idx = listedIndex(camNew);
        IPCameraList[idx].mac = camNew.toUpper();
        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        engine.ZVRGetPassword(idx);
        QTRY_COMPARE_WITH_TIMEOUT(int(sim->commandsFor(camNew, "2").size()), 2, 3000);
        QCOMPARE(sim->commandsFor(camNew, "2").last().answers, 1);
        QTest::qWait(200);
        QCOMPARE(info.size(), 0);
        QCOMPARE(IPCameraList.at(idx).cmdState, int(cmdStatePassword));
    }

    // One scan answered by many cameras at once: up to the list's cap no
    // reply is lost, every camera is asked once for its info record and it
    // arrives; cameras past the cap cost nothing.
    void manyCamerasAllListed_data()
    {
        QTest::addColumn<int>("cameras");
        QTest::newRow("as many as the list holds") << int(ZVRUtils::maxCameras);
        QTest::newRow("more than it holds") << 300;
    }
    void manyCamerasAllListed()
    {
        QFETCH(int, cameras);
        const int listed = qMin(cameras, int(ZVRUtils::maxCameras));
        camsim::SimConfig config;
        QString error;
        const QByteArray group =
            "{\"cameras\": [{\"mac\": \"02:00:00:01:00:00\", \"count\": "
            + QByteArray::number(cameras)
            + ", \"model\": \"KSM-271E\", \"name\": \"cam{n}\", \"ip\": \"10.1.0.1\","
              " \"deviceNo\": \"2{i}\"}]}";
        QVERIFY2(camsim::parseConfig(group, &config, &error), qPrintable(error));
        sim->configure(config);
        sim->setReplyPort(engine.recvSocket.localPort());
        QVERIFY(scanAll(listed));
        for (int i = 0; i < listed; ++i)
            QCOMPARE(IPCameraList.at(i).cmdState, int(cmdStatePasswordSeen));
        // The scan and one info request per listed camera.
        QCOMPARE(int(sim->commands().size()), 1 + listed);
        QCOMPARE(sim->commands().at(0).answers, cameras);
        QCOMPARE(sim->sendErrors(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_loopback)
#include "tst_loopback.moc"
