// What each reply does to a camera record.
#include "protocol/ipcamera.h"
#include "tests/support/logcapture.h"

#include <QTest>

class tst_records : public QObject
{
    Q_OBJECT

private slots:
    void scanRecord()
    {
        logCapture log;
        const IPCamera cam("1;M=00:1a:2b:3c:4d:5e;D=KSM-271E;N=Q2Ft;I=192.168.1.20;G=0;C=2;W=1;V=3",
                           QStringLiteral("00:11:22:33:44:55"));
        QCOMPARE(log.lines, QStringList());
        QCOMPARE(cam.mac, QStringLiteral("00:1a:2b:3c:4d:5e"));
        QCOMPARE(cam.hostMac, QStringLiteral("00:11:22:33:44:55"));
        QCOMPARE(cam.model, QByteArray("KSM-271E"));
        QCOMPARE(cam.nameB64, QByteArray("Q2Ft"));
        QCOMPARE(cam.ip, QStringLiteral("192.168.1.20"));
        QCOMPARE(cam.registered, QByteArray("0"));
        QCOMPARE(cam.ipMode, QByteArray("2"));
        QCOMPARE(cam.wireless, QByteArray("1"));
        QCOMPARE(cam.keyV, QByteArray("3"));
        QCOMPARE(cam.cmdState, int(cmdStateIdle));
        QVERIFY(cam.portalBaseUrl.isEmpty());
    }

    void scanRecordUnknownKeyAndLaterItemWins()
    {
        QTest::ignoreMessage(QtDebugMsg, "IPCamera::IPCamera, no such parameter.");
        const IPCamera cam("1;M=aa;I=1.1.1.1;I=2.2.2.2;Z=9;noequals", QString());
        QCOMPARE(cam.ip, QStringLiteral("2.2.2.2"));
        QCOMPARE(cam.mac, QStringLiteral("aa"));
    }

    void infoRecordDeviceNumber_data()
    {
        QTest::addColumn<QByteArray>("u");
        QTest::addColumn<QByteArray>("deviceNo");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("number and tail")
            << QByteArray("12345678.abc") << QByteArray("12345678") << QByteArray("abc");
        QTest::newRow("no dot") << QByteArray("12345678") << QByteArray() << QByteArray();
        QTest::newRow("two dots") << QByteArray("1.2.3") << QByteArray("1") << QByteArray("2.3");
    }
    void infoRecordDeviceNumber()
    {
        QFETCH(QByteArray, u);
        QFETCH(QByteArray, deviceNo);
        QFETCH(QByteArray, tail);
        IPCamera cam;
        cam.deviceNo = "old";
        cam.setPassword("2;M=aa;U=" + u);
        QCOMPARE(cam.deviceNo, deviceNo);
        QCOMPARE(cam.uTail, tail);
    }

    void infoRecordFields()
    {
        IPCamera cam("1;M=00:1a:2b:3c:4d:5e;D=KSM-271E;I=10.0.0.9;C=2;W=1", QStringLiteral("host"));
        cam.password = "kept?";
        const QByteArray pw = QByteArray("s3cret+pad").toBase64();  // ends in "=="
        QVERIFY(pw.endsWith("=="));
        cam.setPassword("2;M=00:1a:2b:3c:4d:5e;D=KSM-271E;N=bmV3;G=1;C=c;E=e;O=o;P=" + pw
                        + ";R=r;U=42.t;W=http://portal.example/;Y=dfp1");
        QCOMPARE(cam.password, QByteArray("s3cret+pad"));
        QCOMPARE(cam.registered, QByteArray("1"));
        QCOMPARE(cam.nameB64, QByteArray("bmV3"));
        // The same letters fill other fields than in a scan reply.
        QCOMPARE(cam.keyC, QByteArray("c"));
        QCOMPARE(cam.ipMode, QByteArray("2"));
        QCOMPARE(cam.portalBaseUrl, QByteArray("http://portal.example/"));
        QCOMPARE(cam.wireless, QByteArray("1"));
        QCOMPARE(cam.keyE, QByteArray("e"));
        QCOMPARE(cam.keyO, QByteArray("o"));
        QCOMPARE(cam.keyR, QByteArray("r"));
        QCOMPARE(cam.deviceNo, QByteArray("42"));
        QCOMPARE(cam.dfp, QByteArray("dfp1"));
        QCOMPARE(cam.ip, QStringLiteral("10.0.0.9"));

        // Absent keys keep their values.
        QTest::ignoreMessage(QtDebugMsg, "IPCamera::getPassword, no such parameter: \"I\"");
        cam.setPassword("2;M=00:1a:2b:3c:4d:5e;I=9.9.9.9");
        QCOMPARE(cam.password, QByteArray("s3cret+pad"));
        QCOMPARE(cam.ip, QStringLiteral("10.0.0.9"));
    }

    // A further "=" ends an item's value: base64 pad symbols and whatever
    // else follows are not stored.
    void itemValueEndsAtNextEquals_data()
    {
        QTest::addColumn<QByteArray>(
            "payload");  // a scan reply ("1;...") or an info record ("2;...")
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("scan N, two pad symbols")
            << QByteArray("1;M=aa;N=Q2FtMQ==;I=1.1.1.1") << QByteArray("N") << QByteArray("Q2FtMQ");
        QTest::newRow("scan N, one pad symbol")
            << QByteArray("1;M=aa;N=Q2FtMTI=") << QByteArray("N") << QByteArray("Q2FtMTI");
        QTest::newRow("scan N, no pad symbol")
            << QByteArray("1;M=aa;N=Q2Ft") << QByteArray("N") << QByteArray("Q2Ft");
        QTest::newRow("scan N, nothing before the pad")
            << QByteArray("1;M=aa;N==") << QByteArray("N") << QByteArray();
        QTest::newRow("scan I with a further item glued on")
            << QByteArray("1;M=aa;I=10.0.0.1=x") << QByteArray("I") << QByteArray("10.0.0.1");
        QTest::newRow("info Y, one pad symbol")
            << QByteArray("2;M=aa;Y=ZGZwMQ=") << QByteArray("Y") << QByteArray("ZGZwMQ");
        QTest::newRow("info Y, two pad symbols, not last")
            << QByteArray("2;M=aa;Y=ZGZwMTI==;G=1") << QByteArray("Y") << QByteArray("ZGZwMTI");
        QTest::newRow("info N, one pad symbol")
            << QByteArray("2;M=aa;N=bmV3IG5hbWU=") << QByteArray("N") << QByteArray("bmV3IG5hbWU");
        QTest::newRow("info W, an address with a query")
            << QByteArray("2;M=aa;W=http://portal.example/?a=b;Y=d") << QByteArray("W")
            << QByteArray("http://portal.example/?a");
        QTest::newRow("info W, = first")
            << QByteArray("2;M=aa;W==http://portal.example/") << QByteArray("W") << QByteArray();
        QTest::newRow("info U, the tail ends at =")
            << QByteArray("2;M=aa;U=42.tail=x") << QByteArray("U") << QByteArray("42|tail");
    }
    void itemValueEndsAtNextEquals()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, stored);
        IPCamera cam;
        if (payload.startsWith('1'))
            cam = IPCamera(payload, QStringLiteral("host"));
        else
            cam.setPassword(payload);
        const QHash<QByteArray, QByteArray> fields{
            {"N", cam.nameB64},
            {"I", cam.ip.toUtf8()},
            {"Y", cam.dfp},
            {"W", cam.portalBaseUrl},
            {"U", cam.deviceNo + '|' + cam.uTail},
        };
        QCOMPARE(fields.value(field), stored);
    }

    void updateScanInfoKeepsIdentity()
    {
        IPCamera listed("1;M=aa;D=A;N=bg==;I=1.1.1.1;G=0;C=0;W=0;V=1", QStringLiteral("host-1"));
        listed.setPassword("2;M=aa;P=cHc=;U=7.x");
        listed.cmdState = cmdStatePasswordSeen;
        listed.pingOk = "1";
        listed.net.Static_IP = "5.5.5.5";
        const IPCamera fresh("1;M=AA;D=B;N=bTI=;I=2.2.2.2;G=1;C=2;W=1;V=2",
                             QStringLiteral("host-2"));
        listed.updateScanInfo(fresh);
        QCOMPARE(listed.model, QByteArray("B"));
        QCOMPARE(listed.ip, QStringLiteral("2.2.2.2"));
        QCOMPARE(listed.registered, QByteArray("1"));
        QCOMPARE(listed.wireless, QByteArray("1"));
        QCOMPARE(listed.keyV, QByteArray("2"));
        QCOMPARE(listed.mac, QStringLiteral("aa"));
        QCOMPARE(listed.hostMac, QStringLiteral("host-1"));
        QCOMPARE(listed.password, QByteArray("pw"));
        QCOMPARE(listed.deviceNo, QByteArray("7"));
        QCOMPARE(listed.cmdState, int(cmdStatePasswordSeen));
        QCOMPARE(listed.pingOk, QByteArray("1"));
        QCOMPARE(listed.net.Static_IP, QByteArray("5.5.5.5"));
    }

    void pingResult_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("pingOk");
        QTest::newRow("success") << QByteArray("8;M=x;D=y;R=1") << QByteArray("1");
        QTest::newRow("failure") << QByteArray("8;M=x;D=y;R=0") << QByteArray("0");
        QTest::newRow("empty value") << QByteArray("8;M=x;D=y;R=") << QByteArray("1");
        QTest::newRow("not exactly 0") << QByteArray("8;M=x;D=y;R=00") << QByteArray("1");
        QTest::newRow("too few items") << QByteArray("8;M=x;D=y") << QByteArray("unchanged");
    }
    void pingResult()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, pingOk);
        IPCamera cam;
        cam.pingOk = "unchanged";
        cam.getPingResult(payload);
        QCOMPARE(cam.pingOk, pingOk);
    }

    void networkSetup()
    {
        networkConfig net;
        net.Static_IP = "kept";
        QTest::ignoreMessage(QtDebugMsg, "unknow parameter in network configuration: \"40\"");
        net.setNetworkConfig("3;M=x;D=y;0=1;11=TXlOZXQ=;40=5;18=a=b");
        QCOMPARE(net.DHCP_enable, QByteArray("1"));
        QCOMPARE(net.Wireless_SSID, QByteArray("TXlOZXQ="));
        QCOMPARE(net.Wireless_key, QByteArray("a=b"));
        QCOMPARE(net.Camera_MAC, QByteArray("x"));
        QCOMPARE(net.Camera_model, QByteArray("y"));
        QCOMPARE(net.Static_IP, QByteArray("kept"));
    }

    void networkSetupRefusedKeys_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::newRow("letter") << QByteArray("X=5");
        QTest::newRow("beyond 29") << QByteArray("30=5");
        QTest::newRow("negative") << QByteArray("-1=5");
        QTest::newRow("empty key") << QByteArray("=5");
    }
    void networkSetupRefusedKeys()
    {
        QFETCH(QByteArray, item);
        networkConfig net;
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^unknow parameter in network configuration:"));
        net.setNetworkConfig("3;M=x;D=y;" + item);
        for (int key = 0; key < networkConfig::keyCount; ++key)
            QVERIFY(net.field(key)->isEmpty());
    }

    void keysMapToNamedFields()
    {
        networkConfig net;
        QByteArray payload = "3;M=x;D=y";
        for (int key = 0; key < networkConfig::keyCount; ++key)
            payload += ';' + QByteArray::number(key) + "=v" + QByteArray::number(key);
        net.setNetworkConfig(payload);
        QCOMPARE(net.DHCP_enable, QByteArray("v0"));
        QCOMPARE(net.PPPoE_password, QByteArray("v8"));
        QCOMPARE(net.Wireless_enable, QByteArray("v9"));
        QCOMPARE(net.Wireless_key, QByteArray("v18"));
        QCOMPARE(net.Current_IP, QByteArray("v23"));
        QCOMPARE(net.Param_29, QByteArray("v29"));
        const networkConfig copy = net;
        for (int key = 0; key < networkConfig::keyCount; ++key)
            QCOMPARE(*copy.field(key), "v" + QByteArray::number(key));
    }

    void networkType_data()
    {
        QTest::addColumn<QByteArray>("key9");
        QTest::addColumn<bool>("wireless");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("11") << QByteArray("11") << false;
    }
    void networkType()
    {
        QFETCH(QByteArray, key9);
        QFETCH(bool, wireless);
        networkConfig net;
        net.Wireless_enable = key9;
        QCOMPARE(net.getNetworkType(), wireless);
    }

    void wirelessSearch_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QList<QByteArray>>("ssids");
        QTest::addColumn<QList<QByteArray>>("field6");
        const QByteArray full = "0;1;" + QByteArray("Home Net").toBase64() + ";3;4;5;6";
        QTest::newRow("full and short")
            << QByteArray("4;M=x;D=y," + full + ",short")
            << QList<QByteArray>{"Home Net", "XXXXXXX"} << QList<QByteArray>{"6", "Unknown"};
        QTest::newRow("trailing comma")
            << QByteArray("4;M=x;D=y," + full + ",") << QList<QByteArray>{"Home Net", "XXXXXXX"}
            << QList<QByteArray>{"6", "Unknown"};
        QTest::newRow("extra fields ignored")
            << QByteArray("4;M=x;D=y," + full + ";7;8") << QList<QByteArray>{"Home Net"}
            << QList<QByteArray>{"6"};
        QTest::newRow("no comma") << QByteArray("4;M=x;D=y") << QList<QByteArray>{}
                                  << QList<QByteArray>{};
    }
    void wirelessSearch()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QList<QByteArray>, ssids);
        QFETCH(QList<QByteArray>, field6);
        APSearchResult aps;
        aps.setAPConfig("4;M=x;D=y,a;b;YQ==;d;e;f;g,a;b;Yg==;d;e;f;g,a;b;Yw==;d;e;f;g");
        aps.setAPConfig(payload);
        QCOMPARE(aps.count, int(ssids.size()));
        QCOMPARE(aps.ssidList, ssids);
        QCOMPARE(aps.apField6, field6);
        for (const QList<QByteArray> *list :
             {&aps.apField0, &aps.apField1, &aps.apField3, &aps.apField4, &aps.apField5})
            QCOMPARE(list->size(), ssids.size());
        for (int i = 0; i < aps.count; ++i)
            QCOMPARE(aps.getSSID(i), ssids.at(i));
        QVERIFY(apLock.tryLock());
        apLock.unlock();
    }

    void copiesAreIndependent()
    {
        IPCamera a("1;M=aa;D=A", QString());
        a.aps.setAPConfig("4;M=aa,1;2;" + QByteArray("n").toBase64() + ";4;5;6;7");
        IPCamera b = a;
        b.aps.ssidList[0] = "changed";
        b.net.Static_IP = "x";
        QCOMPARE(a.aps.ssidList.at(0), QByteArray("n"));
        QVERIFY(a.net.Static_IP.isEmpty());
        b = a;
        QCOMPARE(b.aps.ssidList.at(0), QByteArray("n"));
    }
};

QTEST_GUILESS_MAIN(tst_records)
#include "tst_records.moc"
