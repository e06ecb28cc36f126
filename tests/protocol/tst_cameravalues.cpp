// The checks that camera values pass before they reach a URL, a file name
// or a request.
#include "protocol/cameravalues.h"

#include <QHostAddress>
#include <QUrl>
#include <QtTest>

using namespace cameraValues;

class tst_cameravalues : public QObject
{
    Q_OBJECT

private slots:
    void ipv4_data();
    void ipv4();
    void plainName_data();
    void plainName();
    void portalAddress_data();
    void portalAddress();
    void fileNamePart();
    void quotedUrl_data();
    void quotedUrl();
};

void tst_cameravalues::ipv4_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("address") << "192.168.1.21" << true;
    QTest::newRow("zeros and top") << "0.0.0.255" << true;
    QTest::newRow("single zero parts") << "0.10.100.200" << true;
    // Qt reads a leading zero in a host as octal: the snapshot (with the
    // password) would go to 192.168.1.16; "09" is no octal number, so the
    // host would be looked up as a name.
    QTest::newRow("leading zero, octal") << "192.168.001.020" << false;
    QTest::newRow("leading zero") << "010.1.1.1" << false;
    QTest::newRow("leading zero, no octal number") << "192.168.0.09" << false;
    QTest::newRow("double zero") << "00.1.1.1" << false;
    QTest::newRow("256") << "256.1.1.1" << false;
    QTest::newRow("256 second") << "1.256.1.1" << false;
    QTest::newRow("256 third") << "1.1.256.1" << false;
    QTest::newRow("256 last") << "1.1.1.256" << false;
    QTest::newRow("tops of the ranges") << "255.249.199.255" << true;
    QTest::newRow("249, 199 and 99 last") << "1.1.249.199" << true;
    QTest::newRow("99 last") << "1.1.1.99" << true;
    QTest::newRow("999") << "999.1.1.1" << false;
    QTest::newRow("five parts") << "1.2.3.4.5" << false;
    QTest::newRow("three parts") << "1.2.3" << false;
    QTest::newRow("empty part") << "1..3.4" << false;
    QTest::newRow("host name") << "camera.local" << false;
    QTest::newRow("with a path") << "1.2.3.4/x" << false;
    QTest::newRow("with a port") << "1.2.3.4:80" << false;
    QTest::newRow("user information") << "evil@1.2.3.4" << false;
    QTest::newRow("blank") << " 1.2.3.4" << false;
    QTest::newRow("line break") << "1.2.3.4\n" << false;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661.2.3.4") << false;
    QTest::newRow("empty") << "" << false;
}

void tst_cameravalues::ipv4()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isDottedIPv4(text), accepted);
    if (accepted) {
        // The address Qt reads is the one the text says.
        QHostAddress address;
        QVERIFY(address.setAddress(text));
        QCOMPARE(address.toString(), text);
        const QUrl url(QStringLiteral("http://") + text + QStringLiteral("/image.jpg"));
        QCOMPARE(url.host(), text);
    }
}

void tst_cameravalues::plainName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("number") << "10000001" << true;
    QTest::newRow("letters and blank") << "Front door 2" << true;
    QTest::newRow("accents") << QString::fromUtf8("Küche") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("colon") << "C:x" << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("dot dot inside") << "a..b" << false;
    QTest::newRow("line break") << "a\nb" << false;
    QTest::newRow("DEL") << "a\x7f" << false;
    QTest::newRow("C1 control") << QString::fromUtf8("a\u0085b") << false;
}

void tst_cameravalues::plainName()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isPlainName(text), accepted);
}

void tst_cameravalues::portalAddress_data()
{
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("http") << QByteArray("http://portal.example.com/") << true;
    QTest::newRow("https with port and path") << QByteArray("https://10.0.0.2:8443/cloud/") << true;
    QTest::newRow("upper-case scheme") << QByteArray("HTTP://portal.example.com/") << true;
    QTest::newRow("no slash at the end") << QByteArray("http://portal.example.com") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("relative") << QByteArray("portal.example.com/") << false;
    QTest::newRow("file") << QByteArray("file:///etc/") << false;
    QTest::newRow("javascript") << QByteArray("javascript:alert(1)//") << false;
    QTest::newRow("ftp") << QByteArray("ftp://portal.example.com/") << false;
    QTest::newRow("no host") << QByteArray("http:///path/") << false;
    QTest::newRow("user information") << QByteArray("http://user:pw@portal.example.com/") << false;
    QTest::newRow("blank") << QByteArray("http://portal.example.com/a b/") << false;
    QTest::newRow("quote") << QByteArray("http://portal.example.com/\"x/") << false;
    QTest::newRow("apostrophe") << QByteArray("http://portal.example.com/'x/") << false;
    QTest::newRow("backquote") << QByteArray("http://portal.example.com/`x`/") << false;
    QTest::newRow("backslash") << QByteArray("http://portal.example.com\\evil/") << false;
    QTest::newRow("line break") << QByteArray("http://portal.example.com/\n") << false;
    QTest::newRow("tab") << QByteArray("http://portal\t.example.com/") << false;
    QTest::newRow("DEL") << QByteArray("http://portal.example.com/\x7f") << false;
    QTest::newRow("non-ASCII") << QByteArray("http://portal.\xc3\xa9xample.com/") << false;
}

void tst_cameravalues::portalAddress()
{
    QFETCH(QByteArray, base);
    QFETCH(bool, acceptable);
    QCOMPARE(isPortalAddress(base), acceptable);
}

void tst_cameravalues::fileNamePart()
{
    QVERIFY(isFileNamePart(QString()));  // a camera without a number
    QVERIFY(isFileNamePart(QStringLiteral("10000001")));
    for (const char *bad :
         {"a<b", "a>b", "a:b", "a\"b", "a|b", "a?b", "a*b", "../x", "a/b", "a\\b"})
        QVERIFY2(!isFileNamePart(QString::fromLatin1(bad)), bad);
    QCOMPARE(recordText(QByteArray("Front\0door", 10)), QStringLiteral("Front"));
    QCOMPARE(recordBytes(QByteArray("\0door", 5)), QByteArray());
    QCOMPARE(recordBytes(QByteArray("\xff\xfe", 2)), QByteArray("\xff\xfe"));  // bytes, not text
}

void tst_cameravalues::quotedUrl_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("url");  // empty: refused
    const QString good = QStringLiteral("http://10.77.0.2:8080//?skyvue_no=1&lang=English");
    QTest::newRow("good") << "\"" + good + "\"" << good;
    QTest::newRow("a language with a blank") << "\"http://p/?lang=Simplified Chinese\""
                                             << "http://p/?lang=Simplified Chinese";
    QTest::newRow("a language in its own letters") << QString::fromUtf8("\"http://p/?lang=日本語\"")
                                                   << QString::fromUtf8("http://p/?lang=日本語");
    QTest::newRow("a C1 control") << QString::fromUtf8("\"http://p/\u0085\"") << "";
    QTest::newRow("a blank in the host") << "\"http://p q/?lang=English\""
                                         << "";
    QTest::newRow("no quotes") << good << "";
    QTest::newRow("one quote") << "\"" + good << "";
    QTest::newRow("quote inside") << "\"http://p/\" x\""
                                  << "";
    QTest::newRow("dollar") << "\"http://p/$(touch x)\""
                            << "";
    QTest::newRow("backquote") << "\"http://p/`id`\""
                               << "";
    QTest::newRow("backslash") << "\"http://p/\\x\""
                               << "";
    QTest::newRow("line break") << "\"http://p/\nx\""
                                << "";
    QTest::newRow("not a portal address") << "\"file:///etc/passwd\""
                                          << "";
    QTest::newRow("empty") << "\"\""
                           << "";
}

void tst_cameravalues::quotedUrl()
{
    QFETCH(QString, argument);
    QFETCH(QString, url);
    const std::optional<QString> got = quotedPortalUrl(argument);
    QCOMPARE(got.value_or(QString()), url);
}

QTEST_GUILESS_MAIN(tst_cameravalues)
#include "tst_cameravalues.moc"
