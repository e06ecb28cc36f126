// The wire format: writer, scrambling pair, destination filter and split.
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

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

// Known answers. They were worked out apart from this code, from the
// format's description alone: standard base64 of the plain text, each
// symbol replaced by the one at its index in the substitution table, and
// the header of length, destination and source bytes. The simulated camera
// scrambles with the engine's own functions, so without these a changed
// table symbol or header byte would pass every loopback test.
// The conversation of one camera, 00:aa:bb:cc:dd:ee, with the computer
// 00:1A:2B:3C:4D:5E, as bytes on the wire.
namespace known {

// 1;M=00:aa:bb:cc:dd:ee;D=KSM-271E;N=RnJvbnQgZG9vcg==;I=192.168.1.21;G=0;C=2;W=1;V=3
const char scanReply[] =
    "0074001a2b3c4d5e00aabbccddee73766b556675496461756d4c7351783473516a367351643573516f2f7351"
    "742b734770426946646467756b536679794375354669312f524477515a6f7146526c736571357148474273"
    "472f4266752f4a673563447362414b67356b4b734739426676497661756b437448474b73467742664c2323";
// 2;M=00:aa:bb:cc:dd:ee;D=KSM-271E;N=RnJvbnQgZG9vcg==;G=0;C=1;E=2;O=3;P=czNjcmV0IQ==;R=4;
// U=12345678.abc;W=http://portal.example/;Y=dfp9
const char infoReply[] =
    "00b8001a2b3c4d5e00aabbccddee6675664867766b437575474c6676523477755236773552357748522f71"
    "76522b71754963617949757569474a644878787347414279515a6832516a4f797232306f482b4477443942"
    "6175496c61756d437048474b73477942663549616175664379764635382f5a547744467266632b6f617547"
    "43793547477346794266756b48647679446448374f77726a3573463942306c6f473976455067536e503957"
    "6f3431625a2b387a7849397a4b2b6748497161726f5139762f23";
// 4;M=00:aa:bb:cc:dd:ee;D=KSM-271E,1;0;SG9tZU5ldA==;3;4;5;6,2;1;Q2Fmw6k=;9;8;7;6,short
const char wirelessReply[] =
    "0074001a2b3c4d5e00aabbccddee737670556476496461756d4c7351783473516a367351643573516f2f73"
    "51742b734770426946646467756b53667979556675554c7346646c73656f30747574557163634261755548"
    "734870436475554467766b436675496f662f7149324871596175555a7348374364485544676c644531536a"
    "47";
// 8;M=00:aa:bb:cc:dd:ee;D=KSM-271E;R=0
const char pingReply[] =
    "0034001a2b3c4d5e00aabbccddee664877557376496461756d4c7351783473516a367351643573516f2f73"
    "51742b734770426946646467756b53667979437935474c";

}  // namespace known

}  // namespace

class tst_datagram : public QObject
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
        const QByteArray d =
            ZVRUtils::composeDatagram("1", QStringLiteral("00:1A:2B:3C:4D:5E"),
                                      ZVRUtils::broadcastMac, QStringLiteral("ALL"), QByteArray());
        QCOMPARE(d.size(), 54);
        QCOMPARE(uchar(d.at(0)), uchar(0x00));
        QCOMPARE(uchar(d.at(1)), uchar(0x28));
        QCOMPARE(d.mid(2, 6), QByteArray::fromHex("FFFFFFFFFFFF"));
        QCOMPARE(d.mid(8, 6), QByteArray::fromHex("001A2B3C4D5E"));
        QCOMPARE(ZVRUtils::decrypt(d.mid(14)), QByteArray("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL"));
    }

    void knownScrambling_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("scrambled");
        QTest::newRow("scan for every camera")
            << QByteArray("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL")
            << QByteArray("f59UfuIdayqzs/qzs/qzs/qzs/qzs/qzsGpBpyKf");
        // The 48 bytes whose base64 is the 64 symbols in order, and one byte
        // more for the two pad symbols: every place of the table once.
        QTest::newRow("every symbol")
            << QByteArray::fromHex("00108310518720928b30d38f41149351559761969b71d79f8218a392"
                                   "59a7a29aabb2dbafc31cb3d35db7e39ebbf3dfbfff")
            << QByteArray("mnbvcxzlkjhgfdsapoiuytrewq0192837465/+QWERTYUIOPLKJHGFDSAZXCVBNMML##");
        QTest::newRow("one byte") << QByteArray("M") << QByteArray("up##");
        QTest::newRow("nothing") << QByteArray() << QByteArray();
    }
    void knownScrambling()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, scrambled);
        QCOMPARE(ZVRUtils::encrypt(plain), scrambled);
        QCOMPARE(ZVRUtils::decrypt(scrambled), plain);
    }

    // Commands as the engine puts them on the wire.
    void knownCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("datagram");
        // 27,1;M=FF:FF:FF:FF:FF:FF;D=ALL
        QTest::newRow("scan for every camera")
            << "scan"
            << QByteArray::fromHex("0028ffffffffffff001a2b3c4d5e66353955667549646179717a732f717a"
                                   "732f717a732f717a732f717a732f717a7347704270794b66");
        // 49,2;M=00:aa:bb:cc:dd:ee;D=KSM-271E;P=aHVudGVyMjI= (the password hunter22)
        QTest::newRow("new password")
            << "password"
            << QByteArray::fromHex("004400aabbccddee001a2b3c4d5e647639556635496461756d4c73517834"
                                   "73516a367351643573516f2f7351742b734770426946646467756b536679"
                                   "79437976463469787146716332723879465469754723");
        // 36,2;M=00:aa:bb:cc:dd:ee;D=KSM-271E;G=1
        QTest::newRow("registered flag")
            << "registered"
            << QByteArray::fromHex("003400aabbccddee001a2b3c4d5e664877556635496461756d4c73517834"
                                   "73516a367351643573516f2f7351742b734770426946646467756b536679"
                                   "79436f48474b");
    }
    void knownCommands()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, datagram);
        ZVRUtils engine;
        QUdpSocket capture;
        QVERIFY(capture.bind(QHostAddress::LocalHost, 0));
        engine.setCommandTarget(QHostAddress::LocalHost, capture.localPort());
        engine.handleDatagram(QByteArray::fromHex(known::scanReply));
        QCOMPARE(IPCameraList.size(), 1);

        if (command == QLatin1String("scan"))
            engine.ZVRScanDevice(host_mac_str.at(0), QStringLiteral("ALL"), ZVRUtils::broadcastMac);
        else if (command == QLatin1String("password"))
            engine.ZVRSetPassword(0, QStringLiteral("hunter22"), QString());
        else
            engine.ZVRSetPassword(0, QString(), QStringLiteral("1"));
        QVERIFY(capture.waitForReadyRead(2000));
        QCOMPARE(capture.receiveDatagram().data().toHex(), datagram.toHex());
    }

    // A camera's replies as they come off the wire, and what each leaves in
    // its record.
    void knownReplies()
    {
        ZVRUtils engine;
        QUdpSocket capture;
        QVERIFY(capture.bind(QHostAddress::LocalHost, 0));
        engine.setCommandTarget(QHostAddress::LocalHost, capture.localPort());
        QSignalSpy found(&engine, &ZVRUtils::foundDevice);
        QSignalSpy info(&engine, &ZVRUtils::gotPassword);
        QSignalSpy aps(&engine, &ZVRUtils::gotAPnetwork);
        QSignalSpy ping(&engine, &ZVRUtils::gotPingRsp);

        engine.handleDatagram(QByteArray::fromHex(known::scanReply));
        QCOMPARE(found.size(), 1);
        QCOMPARE(IPCameraList.size(), 1);
        const IPCamera &c = IPCameraList.at(0);
        QCOMPARE(c.mac, QStringLiteral("00:aa:bb:cc:dd:ee"));
        QCOMPARE(c.hostMac, QStringLiteral("00:1a:2b:3c:4d:5e"));
        QCOMPARE(c.model, QByteArray("KSM-271E"));
        QCOMPARE(QByteArray::fromBase64(c.nameB64), QByteArray("Front door"));
        QCOMPARE(c.ip, QStringLiteral("192.168.1.21"));
        QCOMPARE(c.registered, QByteArray("0"));
        QCOMPARE(c.ipMode, QByteArray("2"));
        QCOMPARE(c.wireless, QByteArray("1"));
        QCOMPARE(c.keyV, QByteArray("3"));

        engine.handleDatagram(QByteArray::fromHex(known::infoReply));
        QCOMPARE(info.size(), 1);
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStatePasswordSeen));
        QCOMPARE(IPCameraList.at(0).password, QByteArray("s3cret!"));
        QCOMPARE(IPCameraList.at(0).deviceNo, QByteArray("12345678"));
        QCOMPARE(IPCameraList.at(0).uTail, QByteArray("abc"));
        QCOMPARE(IPCameraList.at(0).portalBaseUrl, QByteArray("http://portal.example/"));
        QCOMPARE(IPCameraList.at(0).dfp, QByteArray("dfp9"));
        QCOMPARE(IPCameraList.at(0).keyC, QByteArray("1"));
        QCOMPARE(IPCameraList.at(0).keyE, QByteArray("2"));
        QCOMPARE(IPCameraList.at(0).keyO, QByteArray("3"));
        QCOMPARE(IPCameraList.at(0).keyR, QByteArray("4"));

        engine.ZVRGetAPSearch(0);
        engine.handleDatagram(QByteArray::fromHex(known::wirelessReply));
        QCOMPARE(aps.size(), 1);
        const APSearchResult &a = IPCameraList.at(0).aps;
        QCOMPARE(a.count, 3);
        QCOMPARE(a.ssidList, (QList<QByteArray>{"HomeNet", "Caf\xc3\xa9", "XXXXXXX"}));
        QCOMPARE(a.apField0, (QList<QByteArray>{"1", "2", "Unknown"}));
        QCOMPARE(a.apField4, (QList<QByteArray>{"4", "8", "Unknown"}));
        QCOMPARE(a.apField5, (QList<QByteArray>{"5", "7", "Unknown"}));
        QCOMPARE(a.apField6, (QList<QByteArray>{"6", "6", "Unknown"}));

        engine.ZVRPingDevice(0);
        engine.handleDatagram(QByteArray::fromHex(known::pingReply));
        QCOMPARE(ping.size(), 1);
        QCOMPARE(IPCameraList.at(0).pingOk, QByteArray("0"));
        QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStateIdle));
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
        QTest::newRow("length beyond text")
            << QByteArray("9,9;M=aa") << QByteArray("9") << QByteArray("9;M=aa");
        QTest::newRow("length short")
            << QByteArray("3,9;M=aa") << QByteArray("9") << QByteArray("9;M");
        QTest::newRow("last comma in first six")
            << QByteArray("1,23,9;M=aa") << QByteArray("9") << QByteArray();
        QTest::newRow("comma beyond six")
            << QByteArray("123456,9;M") << QByteArray("2") << QByteArray();
        QTest::newRow("no comma") << QByteArray("9;M=aa") << QByteArray(";") << QByteArray();
        QTest::newRow("length not a number")
            << QByteArray("x,9;M=aa") << QByteArray("9") << QByteArray();
        QTest::newRow("signed length")
            << QByteArray("+6,9;M=aa") << QByteArray("9") << QByteArray();
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
        const QByteArray own = ZVRUtils::composeDatagram(
            "1", host_mac_str.at(0), ZVRUtils::broadcastMac, QStringLiteral("ALL"), QByteArray());
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
        QByteArray huge =
            replyDatagram(QStringLiteral("00:1a:2b:3c:4d:5e"),
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
        const QByteArray d =
            ZVRUtils::composeDatagram("3", host_mac_str.at(0), QStringLiteral("00:aa:bb:cc:dd:ee"),
                                      QStringLiteral("X"), ";7=" + QByteArray(1200, 'u'));
        QVERIFY(d.isEmpty());
        // 1125 plain bytes scramble to exactly 1500 symbols: still sent.
        const QByteArray head = "3;M=00:aa:bb:cc:dd:ee;D=X;7=";
        const int fill = 1125 - 5 - int(head.size());
        const QByteArray edge =
            ZVRUtils::composeDatagram("3", host_mac_str.at(0), QStringLiteral("00:aa:bb:cc:dd:ee"),
                                      QStringLiteral("X"), ";7=" + QByteArray(fill, 'u'));
        QCOMPARE(edge.size(), 14 + 1500);
    }

    void secretsAreMaskedInTheLog_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("masked");
        QTest::newRow("password") << QByteArray("2;M=a;D=b;P=c2VjcmV0;G=1")
                                  << QByteArray("2;M=a;D=b;P=***;G=1");
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

    // What a camera sends reaches the log on one line, as visible text.
    void receivedPayloadLogText_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("logged");
        QTest::newRow("plain") << QByteArray("2;M=a;N=Garage") << QByteArray("2;M=a;N=Garage");
        QTest::newRow("forged line") << QByteArray("2;N=x\nhandleZVRresponse::Enter")
                                     << QByteArray("2;N=x\\x0ahandleZVRresponse::Enter");
        QTest::newRow("escape, NUL, DEL")
            << QByteArray("2;N=\x1b[2J") + QByteArray(1, '\0') + QByteArray("\x7f")
            << QByteArray("2;N=\\x1b[2J\\x00\\x7f");
        QTest::newRow("backslash stays unambiguous")
            << QByteArray("2;N=a\\x0a") << QByteArray("2;N=a\\x5cx0a");
        QTest::newRow("secret masked first")
            << QByteArray("2;P=\x01\x02;N=\r") << QByteArray("2;P=***;N=\\x0d");
        QTest::newRow("UTF-8 kept")
            << QByteArray("2;N=Caf\xc3\xa9") << QByteArray("2;N=Caf\xc3\xa9");
    }
    void receivedPayloadLogText()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, logged);
        QCOMPARE(ZVRUtils::logText(payload), logged);
    }

    void classContentLogHidesPassword()
    {
        QTest::ignoreMessage(QtDebugMsg,
                             "class content: 40,2;M=00:aa:bb:cc:dd:ee;D=X;P=*** , pading: ;P=***");
        ZVRUtils::composeDatagram("2", host_mac_str.at(0), QStringLiteral("00:aa:bb:cc:dd:ee"),
                                  QStringLiteral("X"), ";P=" + QByteArray("hunter22").toBase64());
    }
};

QTEST_GUILESS_MAIN(tst_datagram)
#include "tst_datagram.moc"
