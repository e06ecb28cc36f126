// The reply reader under a seeded stream of random, cut and mutated
// datagrams: it must not crash, and only a datagram that could be a real
// reply may change a camera record. And under a flood of made-up cameras:
// the list stays bounded and the program keeps running.
#include "tests/support/simtestutil.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <thread>
#include <vector>

using simtest::hostMac;

namespace {

const char alphabet[] = "mnbvcxzlkjhgfdsapoiuytrewq0192837465/+QWERTYUIOPLKJHGFDSAZXCVBNM#";

QByteArray snapshot()
{
    QByteArray s;
    const auto add = [&s](const QByteArray &v) { s += v + '\x1f'; };
    for (const IPCamera &c : IPCameraList) {
        add(c.mac.toUtf8());
        add(c.hostMac.toUtf8());
        for (const QByteArray *v : {&c.model, &c.nameB64, &c.registered, &c.ipMode, &c.wireless,
                                    &c.keyV, &c.password, &c.keyE, &c.keyR, &c.keyC, &c.uTail,
                                    &c.deviceNo, &c.keyO, &c.portalBaseUrl, &c.dfp, &c.pingOk})
            add(*v);
        add(c.ip.toUtf8());
        add(QByteArray::number(c.cmdState) + '/' + QByteArray::number(c.apReplies));
        add(c.net.Camera_MAC);
        add(c.net.Camera_model);
        for (int k = 0; k < 30; ++k)
            add(*c.net.field(k));
        add(QByteArray::number(c.aps.count));
        for (const QList<QByteArray> *l :
             {&c.aps.apField0, &c.aps.apField1, &c.aps.ssidList, &c.aps.apField3, &c.aps.apField4,
              &c.aps.apField5, &c.aps.apField6})
            add(l->join('\x1e'));
        s += '\n';
    }
    return s;
}

void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

int fullLines = 0;
void countFullLines(QtMsgType, const QMessageLogContext &, const QString &message)
{
    fullLines += message.startsWith(QLatin1String("camera list full:"));
}

constexpr int floodSize = 100000;

// Scan replies of floodSize cameras that do not exist, each with an
// address of its own.
QList<QByteArray> madeUpCameras()
{
    QList<QByteArray> flood;
    flood.reserve(floodSize);
    for (int i = 0; i < floodSize; ++i) {
        const QString mac = QStringLiteral("02:%1:%2:%3:00:00")
                                .arg((i >> 16) & 0xff, 2, 16, QLatin1Char('0'))
                                .arg((i >> 8) & 0xff, 2, 16, QLatin1Char('0'))
                                .arg(i & 0xff, 2, 16, QLatin1Char('0'));
        flood.append(simtest::reply(mac, "1;M=" + mac.toLatin1()
                                             + ";D=KSM-271E;N=Y2Ft;I=10.9.0.1;G=0;C=0;W=0;V=1"));
    }
    return flood;
}

// Info requests that reached the sink.
int drainCount(QUdpSocket &sink)
{
    int n = 0;
    while (sink.hasPendingDatagrams() || sink.waitForReadyRead(100)) {
        sink.receiveDatagram();
        ++n;
    }
    return n;
}

}  // namespace

class tst_robustness : public QObject
{
    Q_OBJECT

    // Whether the engine may take this datagram as a reply. Errs on the
    // side of "may": only the other answer is checked.
    static bool mayChangeRecords(const QByteArray &d)
    {
        QByteArray dst = d.mid(2, 6);
        dst.append(QByteArray(6 - dst.size(), '\0'));
        if (!host_mac_str.contains(ZVRUtils::macText(dst).toUpper()))
            return false;
        const int length = d.size() < 2 ? 0 : (uchar(d.at(0)) << 8) | uchar(d.at(1));
        if (length > ZVRUtils::maxPayload)
            return false;
        QByteArray scrambled = d.mid(14, length);
        for (char &c : scrambled)
            c = char(c & 0x7f);
        const QByteArray plain = ZVRUtils::decrypt(scrambled);
        // A scan reply needs the digit 1 where the class can stand; any
        // other reply needs a listed camera's address.
        if ((plain.size() > 1 && plain.at(1) == '1') || plain.left(7).contains(",1"))
            return true;
        for (const IPCamera &c : IPCameraList)
            if (plain.contains(c.mac.toLatin1()))
                return true;
        return false;
    }

    static QByteArray body(char zvrClass, const QString &mac, const QByteArray &rest)
    {
        return QByteArray(1, zvrClass) + ";M=" + mac.toLatin1() + ";D=KSM-271E" + rest;
    }

private slots:
    void randomStream()
    {
        ZVRUtils engine;
        QUdpSocket sink;  // where a command would go; nothing should
        QVERIFY(simtest::bindSink(sink));
        engine.setCommandTarget(QHostAddress::LocalHost, sink.localPort());
        host_mac_str = {hostMac.toUpper(), QStringLiteral("02:00:00:00:00:02")};
        supportType = QStringLiteral("KSM-271E");
        IPCameraList.clear();
        engine.broadcastScan = false;

        // Valid replies of every class for the listed cameras, and scans of
        // cameras not listed yet.
        QList<QByteArray> valid;
        for (int i = 0; i < 8; ++i) {
            const QString mac = QStringLiteral("02:00:00:00:40:%1").arg(i, 2, 16, QLatin1Char('0'));
            const QByteArray scan = body('1', mac,
                                         ";N=" + QByteArray("cam").toBase64() + ";I=10.0.0."
                                             + QByteArray::number(i) + ";G=0;C=0;W=1;V=1");
            engine.handleDatagram(simtest::reply(mac, scan));
            valid << simtest::reply(mac, scan)
                  << simtest::reply(
                         mac,
                         body('2', mac,
                              ";N=Y2Ft;G=0;C=1;E=2;O=3;P=cGFzc3dvcmQ=;R=4;U=123.4;W=http://h/;Y=y"))
                  << simtest::reply(mac,
                                    body('3', mac, ";0=1;1=10.0.0.9;9=1;11=TmV0;23=10.0.0.9;29=z"))
                  << simtest::reply(mac, body('4', mac, ",1;2;TmV0;3;4;5;6,short,a;b;;c;d;e;f;g"))
                  << simtest::reply(mac, body('8', mac, ";R=0"))
                  << simtest::reply(mac, body('9', mac, QByteArray()));
        }
        for (int i = 0; i < 4; ++i) {
            const QString mac = QStringLiteral("02:00:00:00:41:%1").arg(i, 2, 16, QLatin1Char('0'));
            valid << simtest::reply(mac, body('1', mac, ";I=192.168.0.20"));
        }
        QCOMPARE(IPCameraList.size(), 8);

        QRandomGenerator rng(0x5eed2012);
        int compared = 0;
        int kinds[5] = {};
        const QtMessageHandler previous = qInstallMessageHandler(dropMessages);
        for (int n = 0; n < 20000 && !QTest::currentTestFailed(); ++n) {
            // Keep some cameras waiting for a wireless search reply, and the
            // list short enough to compare quickly.
            if (n % 50 == 0) {
                if (IPCameraList.size() > 24)
                    IPCameraList.erase(IPCameraList.begin() + 12, IPCameraList.end());
                for (int i = 0; i < IPCameraList.size(); i += 3)
                    IPCameraList[i].cmdState = cmdStateAPSearch;
            }

            QByteArray d = valid.at(rng.bounded(int(valid.size())));
            const int kind = rng.bounded(5);
            ++kinds[kind];
            switch (kind) {
            case 0: {  // noise, half of it past the destination filter
                d = QByteArray(rng.bounded(0, 200), '\0');
                for (char &c : d)
                    c = char(rng.bounded(256));
                if (rng.bounded(2) && d.size() >= 8)
                    d.replace(2, 6, ZVRUtils::macBytes(hostMac));
                break;
            }
            case 1:  // cut short
                d.truncate(rng.bounded(int(d.size()) + 1));
                break;
            case 2: {  // bytes changed anywhere, often to a scrambling symbol
                const int changes = rng.bounded(1, 5);
                for (int c = 0; c < changes; ++c) {
                    const int at = rng.bounded(int(d.size()));
                    d[at] = rng.bounded(2) ? alphabet[rng.bounded(65)] : char(rng.bounded(256));
                }
                break;
            }
            case 3: {  // a well-scrambled payload whose plain text is mangled
                const simtest::Parsed p = simtest::parse(d);
                QByteArray plain = p.plain;
                const int changes = rng.bounded(1, 6);
                for (int c = 0; c < changes && !plain.isEmpty(); ++c) {
                    const int at = rng.bounded(int(plain.size()));
                    static const char marks[] = ";=,.:0123456789M";
                    switch (rng.bounded(3)) {
                    case 0: plain[at] = marks[rng.bounded(int(sizeof marks) - 1)]; break;
                    case 1: plain.remove(at, rng.bounded(1, 8)); break;
                    default:
                        plain.insert(at, QByteArray(1, marks[rng.bounded(int(sizeof marks) - 1)]));
                        break;
                    }
                }
                const QByteArray payload = ZVRUtils::encrypt(plain);
                d = d.left(2) + p.dstBytes + p.srcBytes + payload;
                d[0] = char(payload.size() >> 8);
                d[1] = char(payload.size() & 0xff);
                break;
            }
            default: {  // a valid reply for another computer
                QByteArray other = ZVRUtils::macBytes(hostMac);
                other[5] = char(0x10 + rng.bounded(200));
                d.replace(2, 6, other);
                break;
            }
            }

            const bool mayChange = mayChangeRecords(d);
            const QByteArray before = mayChange ? QByteArray() : snapshot();
            engine.handleDatagram(d);
            if (!mayChange) {
                ++compared;
                if (snapshot() != before) {
                    qInstallMessageHandler(previous);
                    QFAIL(qPrintable(QStringLiteral("datagram %1 (kind %2) changed a record: %3")
                                         .arg(n)
                                         .arg(kind)
                                         .arg(QString::fromLatin1(d.toHex()))));
                }
            }
            for (const IPCamera &c : IPCameraList) {
                if (c.aps.count != c.aps.ssidList.size() || c.aps.count != c.aps.apField6.size()) {
                    qInstallMessageHandler(previous);
                    QFAIL(qPrintable(
                        QStringLiteral("datagram %1: wireless lists out of step").arg(n)));
                }
            }
        }
        qInstallMessageHandler(previous);

        // Every kind ran, and most datagrams were checked.
        for (int k : kinds)
            QVERIFY(k > 3000);
        QVERIFY2(compared > 8000, qPrintable(QString::number(compared)));
        // The valid part of the stream reached the records.
        QVERIFY(IPCameraList.size() > 8);
        QVERIFY(!IPCameraList.at(0).password.isEmpty());
        QVERIFY(IPCameraList.at(0).aps.count > 0 || IPCameraList.at(3).aps.count > 0);
        QTest::qWait(50);
        QVERIFY(!sink.hasPendingDatagrams());
        IPCameraList.clear();
    }

    // An empty list, a broadcast scan sent to the sink, and the engine
    // listing whatever replies as new cameras of any model.
    static bool scanWithSink(ZVRUtils &engine, QUdpSocket &sink)
    {
        if (!simtest::bindSink(sink))
            return false;
        engine.setCommandTarget(QHostAddress::LocalHost, sink.localPort());
        host_mac_str = {hostMac.toUpper()};
        supportType = QStringLiteral("ALL");
        IPCameraList.clear();
        engine.ZVRScanDevice(hostMac, supportType, ZVRUtils::broadcastMac);
        return drainCount(sink) == 1;
    }

    // Each made-up camera is looked up, found new and refused at the cap:
    // the cost per reply does not grow with the flood.
    void floodOfMadeUpCameras()
    {
        const QList<QByteArray> flood = madeUpCameras();
        ZVRUtils engine;
        QUdpSocket sink;
        QVERIFY(scanWithSink(engine, sink));

        fullLines = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countFullLines);
        QElapsedTimer clock;
        clock.start();
        qint64 firstTenth = 0;
        for (int i = 0; i < floodSize; ++i) {
            engine.handleDatagram(flood.at(i));
            if (i == floodSize / 10)
                firstTenth = clock.elapsed();
        }
        const qint64 whole = clock.elapsed();
        qInstallMessageHandler(previous);
        qInfo("%d replies in %lld ms, the first tenth in %lld ms", floodSize, whole, firstTenth);

        QCOMPARE(IPCameraList.size(), int(ZVRUtils::maxCameras));
        QCOMPARE(drainCount(sink), int(ZVRUtils::maxCameras));
        // The first refusal, then at 10, 100, 1000 and 10000 of them.
        QCOMPARE(fullLines, 5);
        // Linear: the whole flood costs about ten times its first tenth (a
        // walk of the list per reply would cost no more at the cap, a walk
        // of an unbounded list a hundred times).
        QVERIFY2(whole < 25 * qMax<qint64>(firstTenth, 40),
                 qPrintable(QStringLiteral("%1 ms, first tenth %2 ms").arg(whole).arg(firstTenth)));
        QVERIFY2(whole < 60000, qPrintable(QString::number(whole)));
        IPCameraList.clear();
    }

    // The same flood over the socket, from two other threads, faster than
    // the engine can read, round after round for a second and a half: a
    // 10 ms timer of the GUI thread keeps firing, what reached the socket
    // is read, and the info requests stay at one per listed camera.
    void floodLeavesTheProgramResponsive()
    {
        const QList<QByteArray> flood = madeUpCameras();
        ZVRUtils engine;
        QVERIFY(engine.bindPort(0));
        QUdpSocket sink;
        QVERIFY(scanWithSink(engine, sink));

        const QtMessageHandler previous = qInstallMessageHandler(dropMessages);
        QElapsedTimer gap;
        qint64 longestGap = 0;
        int ticks = 0;
        QTimer probe;
        probe.setInterval(10);
        connect(&probe, &QTimer::timeout, this, [&] {
            ++ticks;
            longestGap = qMax(longestGap, gap.elapsed());
            gap.start();
        });
        probe.start();
        gap.start();

        constexpr int senders = 2;
        constexpr qint64 floodMs = 1500;
        std::atomic<int> running{senders};
        std::atomic<qint64> sentCount{0};
        const quint16 port = engine.recvSocket.localPort();
        QElapsedTimer sendClock;
        sendClock.start();
        std::vector<std::thread> threads;
        for (int t = 0; t < senders; ++t) {
            threads.emplace_back([&, t] {
                QUdpSocket out;
                while (sendClock.elapsed() < floodMs) {
                    for (int i = t; i < floodSize && sendClock.elapsed() < floodMs; i += senders) {
                        if (out.writeDatagram(flood.at(i), QHostAddress::LocalHost, port) > 0)
                            ++sentCount;
                        else
                            std::this_thread::yield();
                    }
                }
                --running;
            });
        }
        const auto sending = [&] { return running > 0; };

        QElapsedTimer clock;
        clock.start();
        while ((sending() || engine.recvSocket.hasPendingDatagrams()) && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        for (std::thread &t : threads)
            t.join();
        const qint64 readMs = clock.elapsed();
        // Whatever is still on its way.
        QTest::qWait(100);
        probe.stop();
        qInstallMessageHandler(previous);
        qInfo("%lld sent, read in %lld ms; %d ticks, longest gap %lld ms", qint64(sentCount),
              readMs, ticks, longestGap);

        QVERIFY(!engine.recvSocket.hasPendingDatagrams());
        QCOMPARE(IPCameraList.size(), int(ZVRUtils::maxCameras));
        QCOMPARE(drainCount(sink), int(ZVRUtils::maxCameras));
        QVERIFY(sentCount > floodSize);
        QVERIFY(ticks >= 20);
        QVERIFY2(longestGap < 400, qPrintable(QString::number(longestGap)));
        IPCameraList.clear();
    }
};

QTEST_GUILESS_MAIN(tst_robustness)
#include "tst_robustness.moc"
