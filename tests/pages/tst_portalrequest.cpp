// The portal's form posts as bytes and the rules that judge the portal's
// answers.
#include "pages/cloud/portalrequest.h"
#include "protocol/ipcamera.h"

#include <QNetworkRequest>
#include <QUrl>
#include <QtTest>

using namespace portalRequest;

namespace {

// The program's version as the wire bytes below carry it.
const QString version = QStringLiteral("v1.00.02");

}  // namespace

class tst_portalrequest : public QObject
{
    Q_OBJECT

private slots:
    void encoding_data();
    void encoding();
    void encodingKeepsEveryByte();
    void bodies();
    void addBodyFromInfoRecord();
    void recordValuesEndAtNul();
    void post();
    void accountReplies_data();
    void accountReplies();
    void addReplies_data();
    void addReplies();
    void cutAnswers_data();
    void cutAnswers();
    void failedStatuses();
    void shownLines_data();
    void shownLines();
    void wrappedLines_data();
    void wrappedLines();
};

void tst_portalrequest::encoding_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("unreserved") << QByteArray("AZaz09-._~") << QByteArray("AZaz09-._~");
    QTest::newRow("blank") << QByteArray("a b") << QByteArray("a%20b");
    QTest::newRow("ampersand") << QByteArray("a&b") << QByteArray("a%26b");
    QTest::newRow("plus") << QByteArray("a+b") << QByteArray("a%2Bb");
    QTest::newRow("equals") << QByteArray("a=b") << QByteArray("a%3Db");
    QTest::newRow("at") << QByteArray("anna@example.com") << QByteArray("anna%40example.com");
    QTest::newRow("apostrophe") << QByteArray("o'neil") << QByteArray("o%27neil");
    QTest::newRow("percent") << QByteArray("100%") << QByteArray("100%25");
    QTest::newRow("e acute, UTF-8") << QString::fromUtf8("é").toUtf8() << QByteArray("%C3%A9");
    QTest::newRow("upper-case hex") << QByteArray("\xff\x0a", 2) << QByteArray("%FF%0A");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray("a%00b");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void tst_portalrequest::encoding()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(encoded(value), expected);
    // The toolkit's encoder of the same bytes agrees.
    QCOMPARE(encoded(value), value.toPercentEncoding());
}

void tst_portalrequest::encodingKeepsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QByteArray out = encoded(all);
    QCOMPARE(QByteArray::fromPercentEncoding(out), all);
    for (const char c : out) {
        QVERIFY2(
            QByteArrayLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%")
                .contains(c),
            QByteArray(1, c).constData());
    }
}

void tst_portalrequest::bodies()
{
    QCOMPARE(signInBody("KSM-271E", version, QStringLiteral("anna@example.com"),
                        QStringLiteral("p&w =+")),
             QByteArray("client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English"
                        "&email=anna%40example.com&password=p%26w%20%3D%2B"));
    QCOMPARE(signUpBody("KSM-271E", version,
                        {QStringLiteral("a@b.c"), QStringLiteral("pw 1"), QStringLiteral("pw 1"),
                         QStringLiteral("Zoë"), QStringLiteral("O'Neil")}),
             QByteArray("client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English"
                        "&action=sign-up&accept=accept&email=a%40b.c&password=pw%201"
                        "&password_verify=pw%201&name_first=Zo%C3%AB&name_last=O%27Neil"
                        "&nickname=''"));
    QCOMPARE(addCameraBody("KSM-271E", version, "10000001", "pw+1", "dfp 0001"),
             QByteArray("client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English"
                        "&orbel_no=10000001&device_password=pw%2B1&dfp=dfp%200001"));
    // Empty values stay as empty items.
    QCOMPARE(signInBody("", version, QString(), QString()),
             QByteArray("client=wizard&wizard_version=_v1.00.02&lang=English&email=&password="));
    // The version is encoded with the model.
    QCOMPARE(signInBody("K M", QStringLiteral("v2 +ß"), QString(), QString()),
             QByteArray("client=wizard&wizard_version=K%20M_v2%20%2B%C3%9F&lang=English"
                        "&email=&password="));
}

void tst_portalrequest::addBodyFromInfoRecord()
{
    // The camera's values as its info record brings them, pad symbols and all.
    IPCamera cam;
    cam.setPassword("2;M=00:1a:2b:3c:4d:5e;U=10000001.x;P=" + QByteArray("cam pw+1").toBase64()
                    + ";Y=ZGZwMQ=");
    QCOMPARE(addCameraBody("KSM-271E", version, cam.deviceNo, cam.password, cam.dfp),
             QByteArray("client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English"
                        "&orbel_no=10000001&device_password=cam%20pw%2B1&dfp=ZGZwMQ"));
}

void tst_portalrequest::recordValuesEndAtNul()
{

    QCOMPARE(recordValue(QByteArray("abc\0def", 7)), QByteArray("abc"));
    QCOMPARE(addCameraBody(QByteArray("KSM\0x", 5), version,
                           QByteArray("1000\0"
                                      "9",
                                      6),
                           QByteArray("pw\0", 3), QByteArray("d")),
             QByteArray("client=wizard&wizard_version=KSM_v1.00.02&lang=English"
                        "&orbel_no=1000&device_password=pw&dfp=d"));
    QCOMPARE(recordValue(QByteArray("\0abc", 4)), QByteArray());
}

void tst_portalrequest::post()
{
    const QByteArray body =
        signInBody("KSM-271E", version, QStringLiteral("a"), QStringLiteral("b"));
    const QNetworkRequest r = formPost("http://10.0.0.2:8080/", signInPath, body);
    // Joined as they are: the query stays the portal's "?signin".
    QCOMPARE(r.url().toEncoded(), QByteArray("http://10.0.0.2:8080/account/?signin"));
    QCOMPARE(r.header(QNetworkRequest::ContentTypeHeader).toByteArray(),
             QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(r.header(QNetworkRequest::ContentLengthHeader).toLongLong(), qint64(body.size()));
    QCOMPARE(r.attribute(QNetworkRequest::RedirectPolicyAttribute).toInt(),
             int(QNetworkRequest::ManualRedirectPolicy));
    // No separator is put in: a base without its slash reads as the portal
    // would take it.
    QCOMPARE(formPost("http://10.0.0.2/cloud", signUpPath, body).url().toEncoded(),
             QByteArray("http://10.0.0.2/cloudsignin/"));
}

Q_DECLARE_METATYPE(portalRequest::outcome)

void tst_portalrequest::accountReplies_data()
{
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<outcome>("expected");
    QTest::addColumn<QString>("text");
    QTest::newRow("success") << false << "200" << QByteArray("success") << outcome::success << "";
    QTest::newRow("success and more")
        << false << "200" << QByteArray("success: welcome") << outcome::success << "";
    QTest::newRow("capital S") << false << "200" << QByteArray("Success") << outcome::refused
                               << "Success";
    QTest::newRow("leading blank")
        << false << "200" << QByteArray(" success") << outcome::refused << " success";
    QTest::newRow("refusal") << false << "200" << QByteArray("[E03] Incorrect password.")
                             << outcome::refused << "[E03] Incorrect password.";
    QTest::newRow("redirect") << false << "302" << QByteArray("success") << outcome::refused
                              << "success";
    QTest::newRow("empty") << false << "200" << QByteArray() << outcome::refused << "";
    QTest::newRow("UTF-8") << false << "200" << QByteArray("[E] \xc3\xa9") << outcome::refused
                           << QString::fromUtf8("[E] é");
    QTest::newRow("error") << true << "500" << QByteArray("success") << outcome::networkError << "";
    QTest::newRow("no connection") << true << "" << QByteArray() << outcome::networkError << "";
}

void tst_portalrequest::accountReplies()
{
    QFETCH(bool, failed);
    QFETCH(QString, status);
    QFETCH(QByteArray, body);
    QFETCH(outcome, expected);
    QFETCH(QString, text);
    const verdict v = judgeAccountReply(failed, status, body);
    QCOMPARE(v.result, expected);
    QCOMPARE(v.text, text);
}

void tst_portalrequest::addReplies_data()
{
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<outcome>("expected");
    QTest::addColumn<QString>("text");
    QTest::newRow("added") << false << "200" << QByteArray("10000001:KSM-271E") << outcome::success
                           << "";
    QTest::newRow("line break") << false << "200" << QByteArray("10000001:KSM-271E\n")
                                << outcome::refused << "0000001:KSM-271E\n";
    QTest::newRow("other model") << false << "200" << QByteArray("10000001:KSM-272E")
                                 << outcome::refused << "0000001:KSM-272E";
    QTest::newRow("first character outside the BMP, dropped whole")
        << false << "200" << QByteArray("\xF0\x9F\x98\x80no bracket") << outcome::refused
        << "no bracket";
    QTest::newRow("one character") << false << "200" << QByteArray("x") << outcome::refused << "";
    QTest::newRow("empty") << false << "200" << QByteArray() << outcome::unknownError << "";
    QTest::newRow("bracket") << false << "200" << QByteArray("[E05] Already registered.")
                             << outcome::refused << " Already registered.";
    QTest::newRow("two brackets") << false << "200" << QByteArray("[E05] a]b") << outcome::refused
                                  << " a]b";
    QTest::newRow("bracket at the end")
        << false << "200" << QByteArray("[E05]") << outcome::refused << "";
    QTest::newRow("other status, whole body")
        << false << "302" << QByteArray("[E] moved") << outcome::refused << "[E] moved";
    QTest::newRow("error") << true << "404" << QByteArray("10000001:KSM-271E")
                           << outcome::networkError << "";
}

void tst_portalrequest::addReplies()
{
    QFETCH(bool, failed);
    QFETCH(QString, status);
    QFETCH(QByteArray, body);
    QFETCH(outcome, expected);
    QFETCH(QString, text);
    const verdict v = judgeAddReply(failed, status, body, "10000001", "KSM-271E");
    QCOMPARE(v.result, expected);
    QCOMPARE(v.text, text);
}

void tst_portalrequest::cutAnswers_data()
{
    QTest::addColumn<bool>("add");  // the add request's rule, or the account one
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<outcome>("expected");
    QTest::addColumn<QString>("text");
    // What would pass as a success is a refusal once cut: the rest was
    // never seen.
    QTest::newRow("account, success")
        << false << QByteArray("success and more") << outcome::refused << "success and more";
    QTest::newRow("account, refusal")
        << false << QByteArray("[E99] no") << outcome::refused << "[E99] no";
    QTest::newRow("add, the ] rule on what was read")
        << true << QByteArray("[E99] no\nmore") << outcome::refused << " no\nmore";
    QTest::newRow("add, its own answer and more") << true << QByteArray("10000001:KSM-271E......")
                                                  << outcome::refused << "0000001:KSM-271E......";
}

void tst_portalrequest::cutAnswers()
{
    QFETCH(bool, add);
    QFETCH(QByteArray, read);
    QFETCH(outcome, expected);
    QFETCH(QString, text);
    const verdict onRead =
        add ? judgeAddReply(false, QStringLiteral("200"), read, "10000001", "KSM-271E")
            : judgeAccountReply(false, QStringLiteral("200"), read);
    const verdict v = cutShort(onRead, read);
    QCOMPARE(v.result, expected);
    QCOMPARE(v.text, text);
    // A failed transfer stays one.
    QCOMPARE(cutShort(judgeAccountReply(true, QStringLiteral("500"), read), read).result,
             outcome::networkError);
}

void tst_portalrequest::failedStatuses()
{
    // The statuses the toolkit ends in an error: a cut answer is judged so.
    for (const char *status : {"", "400", "404", "500", "599", "x"})
        QVERIFY2(failedStatus(QString::fromLatin1(status)), status);
    for (const char *status : {"200", "204", "302", "399"})
        QVERIFY2(!failedStatus(QString::fromLatin1(status)), status);
}

void tst_portalrequest::shownLines_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("lines");
    const QString more(QChar(0x2026));
    const QString longLine(answerLineChars, QLatin1Char('W'));
    QTest::newRow("one line") << "[E03] Incorrect password."
                              << QStringList{"[E03] Incorrect password."};
    QTest::newRow("empty") << "" << QStringList{""};
    QTest::newRow("trailing line breaks dropped") << "[E03] no\r\n\n" << QStringList{"[E03] no"};
    QTest::newRow("every kind of line break") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty line inside kept") << "a\n\nb" << QStringList{"a", "", "b"};
    QTest::newRow("more lines than shown")
        << "1\n2\n3\n4\n5\n6" << QStringList{"1", "2", "3", "4" + more};
    QTest::newRow("only blank lines after the last shown") << "1\n2\n3\n4\n \n\t\n"
                                                           << QStringList{"1", "2", "3", "4"};
    QTest::newRow("a line of exactly the bound") << longLine << QStringList{longLine};
    QTest::newRow("a line one longer")
        << longLine + "W" << QStringList{longLine.left(answerLineChars - 1) + more};
    QTest::newRow("64 KiB in one line")
        << QString(answerLimit, QLatin1Char('x'))
        << QStringList{QString(answerLineChars - 1, QLatin1Char('x')) + more};
    QTest::newRow("control characters as blanks") << QString::fromUtf8("a\tb\x01"
                                                                       "c\x7f"
                                                                       "d")
                                                         + QChar(0) + "e"
                                                  << QStringList{"a b c d e"};
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 halves
    QTest::newRow("a cut through a character outside the BMP drops it whole")
        << longLine.left(answerLineChars - 2) + face + "b"
        << QStringList{longLine.left(answerLineChars - 2) + more};
    QTest::newRow("a character outside the BMP just before the cut stays")
        << longLine.left(answerLineChars - 3) + face + "bc"
        << QStringList{longLine.left(answerLineChars - 3) + face + more};
    QTest::newRow("a long last line cut, and more")
        << "1\n2\n3\n" + longLine + "WW\n5"
        << QStringList{"1", "2", "3", longLine.left(answerLineChars - 1) + more};
}

void tst_portalrequest::shownLines()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, lines);
    QCOMPARE(shownAnswer(answer), lines);
    QVERIFY(shownAnswer(answer).size() <= answerLines);
}

// Every character 10 pixels wide, so that the breaks can be counted out.
int tenEach(const QString &text)
{
    return int(text.size()) * 10;
}

void tst_portalrequest::wrappedLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 halves
    QTest::newRow("fits") << "aaa bbb" << 100 << QStringList{"aaa bbb"};
    QTest::newRow("exactly the width") << "aaaaa bbbb" << 100 << QStringList{"aaaaa bbbb"};
    QTest::newRow("one pixel too wide") << "aaaaa bbbb" << 99 << QStringList{"aaaaa", "bbbb"};
    QTest::newRow("between words") << "aaa bbb ccc ddd" << 70 << QStringList{"aaa bbb", "ccc ddd"};
    QTest::newRow("runs of blanks count as one")
        << "  aaa    bbb   ccc  " << 70 << QStringList{"aaa bbb", "ccc"};
    QTest::newRow("a word wider than the line")
        << QString(25, QLatin1Char('x')) << 100
        << QStringList{QString(10, QLatin1Char('x')), QString(10, QLatin1Char('x')),
                       QString(5, QLatin1Char('x'))};
    QTest::newRow("a long word after a short one, then more")
        << "ab " + QString(15, QLatin1Char('x')) + " cd" << 100
        << QStringList{"ab", QString(10, QLatin1Char('x')), "xxxxx cd"};
    QTest::newRow("a character outside the BMP stays whole")
        << face + face + face << 30 << QStringList{face, face, face};
    QTest::newRow("narrower than a character: one a line")
        << "abc" << 5 << QStringList{"a", "b", "c"};
    QTest::newRow("narrower than a pair: the pair whole")
        << face + "a" << 5 << QStringList{face, "a"};
    QTest::newRow("empty") << "" << 100 << QStringList{""};
    QTest::newRow("a whole line of the bound")
        << QString(answerLineChars, QLatin1Char('y')) << answerWidth
        << QStringList{QString(45, QLatin1Char('y')), QString(45, QLatin1Char('y')),
                       QString(45, QLatin1Char('y')), QString(25, QLatin1Char('y'))};
}

void tst_portalrequest::wrappedLines()
{
    QFETCH(QString, line);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    const QStringList wrapped = wrappedLine(line, width, tenEach);
    QCOMPARE(wrapped, lines);
    // Nothing of the line is lost but blanks.
    QCOMPARE(wrapped.join(QString()).remove(QLatin1Char(' ')),
             QString(line).remove(QLatin1Char(' ')));
}

QTEST_GUILESS_MAIN(tst_portalrequest)
#include "tst_portalrequest.moc"
