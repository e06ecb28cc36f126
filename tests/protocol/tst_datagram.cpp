// The wire format: writer, scrambling pair, destination filter and split.
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

const char substitution[] = "mnbvcxzlkjhgfdsapoiuytrewq0192837465/+QWERTYUIOPLKJHGFDSAZXCVBNM#";

// A reply datagram as a camera would send it.
QByteArray replyDatagram(const QString &dstMac, const QByteArray &plain)
{
    const QByteArray payload = ZVRUtils::encrypt(plain);
    QByteArray d;
    d.append(char(payload.size() >> 8)).append(char(payload.size() & 0xff));
    d.append(ZVRUtils::macBytes(dstMac));
    d.append(ZVRUtils::macBytes(QStringLiteral("00:1a:2b:3c:4d:5e")));
    d.append(payload);
    return d;
}

QByteArray withBody(const QByteArray &body)
{
    return QByteArray::number(body.size()) + ',' + body;
}

}  // namespace

class TstDatagram : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        IPCameraList.clear();
        host_mac_str = {QStringLiteral("00:1A:2B:3C:4D:5E")};
        supportType = QStringLiteral("ALL");
    }

    void exampleScanDatagram()
    {
        const QByteArray d = ZVRUtils::composeDatagram("1", QStringLiteral("00:1A:2B:3C:4D:5E"),
                                                       ZVRUtils::broadcastMac,
                                                       QStringLiteral("ALL"), QByteArray());
        QCOMPARE(d.size(), 54);
        QCOMPARE(uchar(d.at(0)), uchar(0x00));
        QCOMPARE(uchar(d.at(1)), uchar(0x28));
        QCOMPARE(d.mid(2, 6), QByteArray::fromHex("FFFFFFFFFFFF"));
        QCOMPARE(d.mid(8, 6), QByteArray::fromHex("001A2B3C4D5E"));
        QCOMPARE(ZVRUtils::decrypt(d.mid(14)), QByteArray("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL"));
    }

    void scramblingRoundTrip()
    {
        QRandomGenerator rng(20121209);
        for (int round = 0; round < 500; ++round) {
            QByteArray plain(int(rng.bounded(0, 1200)), '\0');
            for (char &c : plain)
                c = char(rng.bounded(256));
            const QByteArray scrambled = ZVRUtils::encrypt(plain);
            QCOMPARE(scrambled.size() % 4, 0);
            const qsizetype pad = scrambled.indexOf('#');
            for (qsizetype i = 0; i < scrambled.size(); ++i) {
                QVERIFY2(strchr(substitution, scrambled.at(i)), "symbol outside the alphabet");
                if (pad >= 0 && i >= pad)
                    QCOMPARE(scrambled.at(i), '#');
            }
            QCOMPARE(ZVRUtils::decrypt(scrambled), plain);
        }
    }

    void descramblingSkipsForeignSymbols()
    {
        const QByteArray scrambled = ZVRUtils::encrypt("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL");
        QByteArray noisy = scrambled;
        noisy.insert(5, "\x01 ");
        noisy.append(QByteArray(7, '\0'));
        QCOMPARE(ZVRUtils::decrypt(noisy), ZVRUtils::decrypt(scrambled));
    }

    void addressBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lower") << "00:1a:2b:3c:4d:5e" << QByteArray::fromHex("001a2b3c4d5e");
        QTest::newRow("upper") << "00:1A:2B:3C:4D:5E" << QByteArray::fromHex("001a2b3c4d5e");
        QTest::newRow("no colons") << "001A2B3C4D5E" << QByteArray::fromHex("001a2b3c4d5e");
        QTest::newRow("short") << "00:1A:2B" << QByteArray::fromHex("001a2b000000");
        QTest::newRow("bad pair") << "00:1G:2B:3C:4D:5E" << QByteArray::fromHex("00002b3c4d5e");
        QTest::newRow("empty") << "" << QByteArray(6, '\0');
    }
    void addressBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ZVRUtils::macBytes(text), bytes);
    }

    void split_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("zvrClass");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("exact") << QByteArray("6,9;M=aa") << QByteArray("9") << QByteArray("9;M=aa");
        QTest::newRow("length beyond text") << QByteArray("9,9;M=aa") << QByteArray("9") << QByteArray("9;M=aa");
        QTest::newRow("length short") << QByteArray("3,9;M=aa") << QByteArray("9") << QByteArray("9;M");
        QTest::newRow("last comma in first six") << QByteArray("1,23,9;M=aa") << QByteArray("9") << QByteArray();
        QTest::newRow("comma beyond six") << QByteArray("123456,9;M") << QByteArray("2") << QByteArray();
        QTest::newRow("no comma") << QByteArray("9;M=aa") << QByteArray(";") << QByteArray();
        QTest::newRow("length not a number") << QByteArray("x,9;M=aa") << QByteArray("9") << QByteArray();
        QTest::newRow("signed length") << QByteArray("+6,9;M=aa") << QByteArray("9") << QByteArray();
        QTest::newRow("nothing after comma") << QByteArray("5,") << QByteArray() << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray();
    }
    void split()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, zvrClass);
        QFETCH(QByteArray, payload);
        const ZVRUtils::SplitPayload s = ZVRUtils::splitPlain(plain);
        QCOMPARE(s.zvrClass, zvrClass);
        QCOMPARE(s.payload, payload);
    }

    void destinationFilter_data()
    {
        QTest::addColumn<QString>("dst");
        QTest::addColumn<bool>("kept");
        QTest::newRow("host interface, lower") << "00:1a:2b:3c:4d:5e" << true;
        QTest::newRow("host interface, upper") << "00:1A:2B:3C:4D:5E" << true;
        QTest::newRow("other host") << "00:1a:2b:3c:4d:5f" << false;
        QTest::newRow("looped-back broadcast") << "FF:FF:FF:FF:FF:FF" << false;
    }
    void destinationFilter()
    {
        QFETCH(QString, dst);
        QFETCH(bool, kept);
        ZVRUtils engine;
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        if (!kept)
            QTest::ignoreMessage(QtDebugMsg, "This package is not belong to me.");
        engine.handleDatagram(replyDatagram(dst, withBody("1;M=00:aa:bb:cc:dd:ee;D=KSM-271E")));
        QCOMPARE(found.size(), kept ? 1 : 0);
        if (kept)
            QCOMPARE(IPCameraList.at(0).hostMac, QStringLiteral("00:1a:2b:3c:4d:5e"));
    }

    void ownBroadcastIsDropped()
    {
        ZVRUtils engine;
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        const QByteArray own = ZVRUtils::composeDatagram("1", host_mac_str.at(0),
                                                         ZVRUtils::broadcastMac,
                                                         QStringLiteral("ALL"), QByteArray());
        QTest::ignoreMessage(QtDebugMsg, "This package is not belong to me.");
        engine.handleDatagram(own);
        QCOMPARE(found.size(), 0);
        QVERIFY(IPCameraList.isEmpty());
    }

    void truncatedAndOversized()
    {
        ZVRUtils engine;
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        // Shorter than its header: destination reads as zeros.
        engine.handleDatagram(QByteArray::fromHex("0028001a"));
        // A length beyond the bytes present: the missing tail adds nothing.
        QByteArray longer = replyDatagram(QStringLiteral("00:1a:2b:3c:4d:5e"),
                                          withBody("1;M=00:aa:bb:cc:dd:ee;D=X"));
        longer[0] = char(0x01);
        engine.handleDatagram(longer);
        QCOMPARE(found.size(), 1);
        // Over the 1500-byte limit: dropped.
        QByteArray huge = replyDatagram(QStringLiteral("00:1a:2b:3c:4d:5e"),
                                        withBody("1;M=00:aa:bb:cc:dd:ef;D=X;N=" + QByteArray(1200, 'A')));
        QVERIFY(huge.size() > 14 + 1500);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^dropped a reply"));
        engine.handleDatagram(huge);
        QCOMPARE(found.size(), 1);
        QCOMPARE(IPCameraList.size(), 1);
    }

    void topBitOfPayloadIsCleared()
    {
        ZVRUtils engine;
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        QByteArray d = replyDatagram(QStringLiteral("00:1a:2b:3c:4d:5e"),
                                     withBody("1;M=00:aa:bb:cc:dd:ee;D=X"));
        for (int i = 14; i < d.size(); ++i)
            d[i] = char(d.at(i) | 0x80);
        engine.handleDatagram(d);
        QCOMPARE(found.size(), 1);
    }

    void oversizedCommandIsNotSent()
    {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^command too long, not sent"));
        const QByteArray d = ZVRUtils::composeDatagram("3", host_mac_str.at(0),
                                                       QStringLiteral("00:aa:bb:cc:dd:ee"),
                                                       QStringLiteral("X"),
                                                       ";7=" + QByteArray(1200, 'u'));
        QVERIFY(d.isEmpty());
        // 1125 plain bytes scramble to exactly 1500 symbols: still sent.
        const QByteArray head = "3;M=00:aa:bb:cc:dd:ee;D=X;7=";
        const int fill = 1125 - 5 - int(head.size());
        const QByteArray edge = ZVRUtils::composeDatagram("3", host_mac_str.at(0),
                                                          QStringLiteral("00:aa:bb:cc:dd:ee"),
                                                          QStringLiteral("X"),
                                                          ";7=" + QByteArray(fill, 'u'));
        QCOMPARE(edge.size(), 14 + 1500);
    }

    void secretsAreMaskedInTheLog_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("masked");
        QTest::newRow("password") << QByteArray("2;M=a;D=b;P=c2VjcmV0;G=1") << QByteArray("2;M=a;D=b;P=***;G=1");
        QTest::newRow("pppoe and wifi keys")
            << QByteArray(";0=1;7=user;8=cGFzcw==;18=a2V5;34=a2V5;11=TXlOZXQ=")
            << QByteArray(";0=1;7=user;8=***;18=***;34=***;11=TXlOZXQ=");
        QTest::newRow("nothing secret") << QByteArray("1;M=a;D=ALL") << QByteArray("1;M=a;D=ALL");
    }
    void secretsAreMaskedInTheLog()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, masked);
        QCOMPARE(ZVRUtils::maskSecrets(payload), masked);
    }

    void classContentLogHidesPassword()
    {
        QTest::ignoreMessage(QtDebugMsg,
                             "class content: 40,2;M=00:aa:bb:cc:dd:ee;D=X;P=*** , pading: ;P=***");
        ZVRUtils::composeDatagram("2", host_mac_str.at(0), QStringLiteral("00:aa:bb:cc:dd:ee"),
                                  QStringLiteral("X"), ";P=" + QByteArray("hunter22").toBase64());
    }
};

QTEST_GUILESS_MAIN(TstDatagram)
#include "tst_datagram.moc"
