// The network setup items the pages send, as bytes, apart from the pages.
#include "pages/setup/networksetup.h"
#include "protocol/ipcamera.h"

#include <QtTest>

class tst_networksetup : public QObject
{
    Q_OBJECT

private slots:
    void wiredPayloads_data();
    void wiredPayloads();
    void accounts_data();
    void accounts();
    void wirelessIndexOutsideLists_data();
    void wirelessIndexOutsideLists();
};

void tst_networksetup::wiredPayloads_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("expected");

    using namespace networkSetup;
    const QStringList five = {"192.168.1.20", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"};
    QTest::newRow("DHCP") << dhcpPayload() << QByteArray(";0=1;6=0");
    QTest::newRow("static")
        << staticPayload(five)
        << QByteArray(";0=0;1=192.168.1.20;2=255.255.255.0;3=192.168.1.1;4=8.8.8.8;5=8.8.4.4;6=0");
    QTest::newRow("static, no second DNS server")
        << staticPayload(five.mid(0, 4) << "...")
        << QByteArray(";0=0;1=192.168.1.20;2=255.255.255.0;3=192.168.1.1;4=8.8.8.8;5=...;6=0");
    QTest::newRow("static, leading zeros as typed")
        << staticPayload({"010.000.000.020", "255.255.255.000", "10.0.0.1", "010.0.0.1", "0.0.0.0"})
        << QByteArray(";0=0;1=010.000.000.020;2=255.255.255.000;3=10.0.0.1;4=010.0.0.1;5=0.0.0.0;"
                      "6=0");
    QTest::newRow("static, four addresses") << staticPayload(five.mid(0, 4)) << QByteArray();
    QTest::newRow("static, six addresses")
        << staticPayload(five + QStringList{"1.1.1.1"}) << QByteArray();
    QTest::newRow("PPPoE") << pppoePayload("bob", "secret")
                           << QByteArray(";0=0;6=1;7=bob;8=c2VjcmV0");
    QTest::newRow("PPPoE, items inside the password stay inside it")
        << pppoePayload(" bob smith ", "a;8=b") << QByteArray(";0=0;6=1;7= bob smith ;8=YTs4PWI=");
    QTest::newRow("PPPoE, password not ASCII: base64 of UTF-8")
        << pppoePayload("user@isp.example",
                        QString::fromUtf8("p\xc3\xa4ssw\xc3\xb6rd \xe2\x82\xac"))
        << QByteArray(";0=0;6=1;7=user@isp.example;8=cMOkc3N3w7ZyZCDigqw=");
    QTest::newRow("PPPoE, password of blanks")
        << pppoePayload("bob", "   ") << QByteArray(";0=0;6=1;7=bob;8=ICAg");
}

void tst_networksetup::wiredPayloads()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, expected);
    QCOMPARE(payload, expected);
}

void tst_networksetup::accounts_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("plain") << "bob" << true;
    QTest::newRow("blanks and punctuation") << " b!\"#$%&'()*+,-./:<=>?@[\\]^_`{|}~ " << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("item separator") << "bob;8=x" << false;
    QTest::newRow("control character") << "bob\tsmith" << false;
    QTest::newRow("DEL") << "bob\x7f" << false;
    QTest::newRow("not ASCII") << QString::fromUtf8("b\xc3\xb6") << false;
}

void tst_networksetup::accounts()
{
    QFETCH(QString, account);
    QFETCH(bool, acceptable);
    QCOMPARE(networkSetup::accountAcceptable(account), acceptable);
}

void tst_networksetup::wirelessIndexOutsideLists_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shortList");  // the field list that lacks the last network, -1 none
    QTest::addColumn<bool>("sent");

    QTest::newRow("first network") << 0 << -1 << true;
    QTest::newRow("last network") << 1 << -1 << true;
    QTest::newRow("negative") << -1 << -1 << false;
    QTest::newRow("past the count") << 2 << -1 << false;
    for (int list = 0; list < 5; ++list)
        QTest::addRow("a field list one short (%d)", list) << 1 << list << false;
}

void tst_networksetup::wirelessIndexOutsideLists()
{
    QFETCH(int, index);
    QFETCH(int, shortList);
    QFETCH(bool, sent);
    APSearchResult aps;
    aps.count = 2;
    aps.ssidList = {"Garden", "Attic"};
    aps.apField0 = {"7", "8"};
    aps.apField4 = {"3", "4"};
    aps.apField5 = {"2", "2"};
    aps.apField6 = {"11", "6"};
    QList<QByteArray> *lists[] = {&aps.ssidList, &aps.apField0, &aps.apField4, &aps.apField5,
                                  &aps.apField6};
    if (shortList >= 0)
        lists[shortList]->removeLast();
    const QByteArray payload = networkSetup::wirelessPayload("KSM-6120E", aps, index, "k");
    QCOMPARE(!payload.isEmpty(), sent);
    if (index == 1 && sent)
        QCOMPARE(payload, QByteArray(";9=1;10=6;11=QXR0aWM=;12=8;14=2;15=4;18=aw=="));
}

QTEST_GUILESS_MAIN(tst_networksetup)
#include "tst_networksetup.moc"
