// The simulated cloud portal over 127.0.0.1: its three posts, the forms it
// decodes, the faults it plays, its request log, its accounts file and the
// console program around it.
#include "tools/portalsim/portalsimulator.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using portalsim::fault;
using portalsim::PortalSimulator;
using portalsim::requestKind;

Q_DECLARE_METATYPE(portalsim::requestKind)
Q_DECLARE_METATYPE(portalsim::fault)

namespace {

using Form = QList<QPair<QString, QString>>;

const QByteArray annaSignIn = "client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English"
                              "&email=anna%40example.com&password=Anna-2026%20pw";
const QByteArray carolSignIn = "client=wizard&email=carol%40example.com&password=carol";
const QByteArray addCamera = "client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English"
                             "&orbel_no=10000001&device_password=pw&dfp=dfp0001";
const QString seededState =
    QStringLiteral("anna@example.com[] bob@example.com[10000003] carol@example.com[]");

struct Answer {
    bool finished = false;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
    QByteArray location;
    QByteArray setCookie;
};

QNetworkRequest formRequest(const QByteArray &url)
{
    QNetworkRequest request(QUrl::fromEncoded(url));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArray("application/x-www-form-urlencoded"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    return request;
}

Answer waitFor(QNetworkReply *reply, int timeoutMs)
{
    Answer a;
    a.finished = QTest::qWaitFor([&] { return reply->isFinished(); }, timeoutMs);
    if (!a.finished) {
        reply->disconnect();
        reply->abort();
    }
    a.error = reply->error();
    a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    a.body = reply->readAll();
    a.location = reply->rawHeader("Location");
    a.setCookie = reply->rawHeader("Set-Cookie");
    reply->deleteLater();
    return a;
}

Answer post(QNetworkAccessManager &nam, const QByteArray &url, const QByteArray &body,
            int timeoutMs = 5000)
{
    return waitFor(nam.post(formRequest(url), body), timeoutMs);
}

// Accounts and their cameras in the order the portal keeps them, read back
// from the file it writes.
QString state(const PortalSimulator &sim)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("accounts.json"));
    if (!sim.saveAccounts(path))
        return QStringLiteral("(not saved)");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(not read)");
    QStringList parts;
    const QJsonArray list = QJsonDocument::fromJson(file.readAll())
                                .object()
                                .value(QStringLiteral("accounts"))
                                .toArray();
    for (const QJsonValue &v : list) {
        QStringList devices;
        for (const QJsonValue &d : v.toObject().value(QStringLiteral("devices")).toArray())
            devices << d.toString();
        parts << v.toObject().value(QStringLiteral("email")).toString() + QLatin1Char('[')
                     + devices.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return parts.join(QLatin1Char(' '));
}

QList<QByteArray> fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeAll(QByteArray());
    return lines;
}

}  // namespace

class tst_portalsim : public QObject
{
    Q_OBJECT

    QNetworkAccessManager client;
    std::unique_ptr<PortalSimulator> sim;

    // A portal with three accounts: anna and carol sign in, bob's account
    // holds a camera and has no password.
    bool start()
    {
        sim = std::make_unique<PortalSimulator>();
        sim->addAccount(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
        sim->bindDevice(QStringLiteral("bob@example.com"), QStringLiteral("10000003"));
        sim->addAccount(QStringLiteral("carol@example.com"), QStringLiteral("carol"));
        return sim->listen(QHostAddress::LocalHost);
    }
    QByteArray url(const char *path) const { return sim->baseUrl() + path; }

private slots:
    void init()
    {
        client.setProxy(QNetworkProxy::NoProxy);
        client.clearConnectionCache();
        client.setCookieJar(new QNetworkCookieJar);
        QVERIFY(start());
        QCOMPARE(sim->baseUrl(), "http://127.0.0.1:" + QByteArray::number(sim->port()) + '/');
    }
    void cleanup() { sim.reset(); }

    void posts_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        // Before the post: "none"; "cookie" (anna signed in on this client);
        // "peer" (anna signed in on another client from the same address);
        // "other cookie" (carol here, then anna on another client);
        // "failed" (a wrong password here).
        QTest::addColumn<QString>("session");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("cookie");
        QTest::addColumn<QString>("stateAfter");

        const QByteArray signUp = "client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English"
                                  "&action=sign-up&accept=accept";
        const QString annaAdded = QStringLiteral(
            "anna@example.com[10000001] bob@example.com[10000003] carol@example.com[]");

        QTest::newRow("sign-up, new address")
            << QByteArray("signin/")
            << signUp
                   + "&email=new%40example.com&password=n%20p%26w&password_verify=n%20p%26w"
                     "&name_first=Zo%C3%AB&name_last=Doe&nickname=''"
            << "none" << QByteArray("success") << false
            << seededState + QStringLiteral(" new@example.com[]");
        QTest::newRow("sign-up, address taken in other letters")
            << QByteArray("signin/")
            << signUp + "&email=ANNA%40Example.com&password=x&password_verify=x"
            << "none" << QByteArray("[E01] This e-mail address is already registered.") << false
            << seededState;
        QTest::newRow("sign-up, passwords differ")
            << QByteArray("signin/")
            << signUp + "&email=new%40example.com&password=x&password_verify=y"
            << "none" << QByteArray("[E06] The two passwords do not match.") << false
            << seededState;
        QTest::newRow("sign-up, no password")
            << QByteArray("signin/") << signUp + "&email=new%40example.com&password_verify="
            << "none" << QByteArray("[E02] Please enter an e-mail address and a password.") << false
            << seededState;

        QTest::newRow("sign-in, right password")
            << QByteArray("account/?signin") << annaSignIn << "none" << QByteArray("success")
            << true << seededState;
        QTest::newRow("sign-in, address in other letters")
            << QByteArray("account/?signin")
            << QByteArray("email=Anna%40EXAMPLE.com&password=Anna-2026+pw") << "none"
            << QByteArray("success") << true << seededState;
        const QByteArray incorrect = "[E03] Incorrect e-mail address or password.";
        QTest::newRow("sign-in, wrong password")
            << QByteArray("account/?signin")
            << QByteArray("email=anna%40example.com&password=anna-2026%20pw") << "none" << incorrect
            << false << seededState;
        QTest::newRow("sign-in, unknown address")
            << QByteArray("account/?signin")
            << QByteArray("email=dora%40example.com&password=Anna-2026%20pw") << "none" << incorrect
            << false << seededState;
        QTest::newRow("sign-in, account without password")
            << QByteArray("account/?signin") << QByteArray("email=bob%40example.com&password=")
            << "none" << incorrect << false << seededState;

        QTest::newRow("add, session cookie")
            << QByteArray("account/?add") << addCamera << "cookie"
            << QByteArray("10000001:KSM-271E") << false << annaAdded;
        QTest::newRow("add, same address without cookie")
            << QByteArray("account/?add") << addCamera << "peer" << QByteArray("10000001:KSM-271E")
            << false << annaAdded;
        QTest::newRow("add, the cookie wins over the address")
            << QByteArray("account/?add") << addCamera << "other cookie"
            << QByteArray("10000001:KSM-271E") << false
            << QStringLiteral(
                   "anna@example.com[] bob@example.com[10000003] carol@example.com[10000001]");
        QTest::newRow("add, not signed in")
            << QByteArray("account/?add") << addCamera << "none"
            << QByteArray("[E04] Please sign in first.") << false << seededState;
        QTest::newRow("add, after a failed sign-in")
            << QByteArray("account/?add") << addCamera << "failed"
            << QByteArray("[E04] Please sign in first.") << false << seededState;
        QTest::newRow("add, camera of another account")
            << QByteArray("account/?add")
            << QByteArray(addCamera).replace("orbel_no=10000001", "orbel_no=10000003") << "cookie"
            << QByteArray("[E05] This camera is already registered to an account.") << false
            << seededState;
        QTest::newRow("add, model up to the last underscore")
            << QByteArray("account/?add")
            << QByteArray(addCamera).replace("KSM-271E_v1.00.02", "KSM_271E_v1.00.02") << "cookie"
            << QByteArray("10000001:KSM_271E") << false << annaAdded;
    }
    void posts()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        QFETCH(QString, session);
        QFETCH(QByteArray, answer);
        QFETCH(bool, cookie);
        QFETCH(QString, stateAfter);

        QNetworkAccessManager other;
        other.setProxy(QNetworkProxy::NoProxy);
        const QByteArray signIn = url("account/?signin");
        if (session == QLatin1String("cookie")) {
            QCOMPARE(post(client, signIn, annaSignIn).body, "success");
        } else if (session == QLatin1String("peer")) {
            QCOMPARE(post(other, signIn, annaSignIn).body, "success");
        } else if (session == QLatin1String("other cookie")) {
            QCOMPARE(post(client, signIn, carolSignIn).body, "success");
            QCOMPARE(post(other, signIn, annaSignIn).body, "success");
        } else if (session == QLatin1String("failed")) {
            QCOMPARE(post(client, signIn, "email=anna%40example.com&password=no").status, 200);
        }

        const Answer a = post(client, sim->baseUrl() + path, body);
        QVERIFY(a.finished);
        QCOMPARE(a.error, QNetworkReply::NoError);
        QCOMPARE(a.status, 200);
        QCOMPARE(a.body, answer);
        QCOMPARE(!a.setCookie.isEmpty(), cookie);
        QCOMPARE(state(*sim), stateAfter);
        QCOMPARE(sim->requests().last().status, 200);
        QCOMPARE(sim->requests().last().answer, answer);
    }

    void signedUpAccountSignsIn()
    {
        const QByteArray signUp = "email=zo%C3%AB%2B1%40example.com&password=a%20b%2Bc%26d"
                                  "&password_verify=a+b%2Bc%26d";
        QCOMPARE(post(client, url("signin/"), signUp).body, "success");
        QVERIFY(sim->hasAccount(QStringLiteral("ZOË+1@example.com")));
        const Answer a = post(client, url("account/?signin"),
                              "email=zo%C3%AB%2B1%40example.com&password=a%20b%2Bc%26d");
        QCOMPARE(a.body, "success");
        QCOMPARE(post(client, url("account/?add"), addCamera).body, "10000001:KSM-271E");
        QCOMPARE(sim->devicesOf(QString::fromUtf8("zoë+1@example.com")),
                 QStringList{QStringLiteral("10000001")});
    }

    void routes_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::newRow("sign-up fetched") << QByteArray("GET") << QByteArray("signin/") << 405;
        QTest::newRow("add put") << QByteArray("PUT") << QByteArray("account/?add") << 405;
        QTest::newRow("unknown path") << QByteArray("POST") << QByteArray("login/") << 404;
        QTest::newRow("account without query")
            << QByteArray("POST") << QByteArray("account/") << 404;
        QTest::newRow("other query") << QByteArray("POST") << QByteArray("account/?remove") << 404;
        QTest::newRow("query in other letters")
            << QByteArray("POST") << QByteArray("account/?SIGNIN") << 404;
        QTest::newRow("query with more")
            << QByteArray("POST") << QByteArray("account/?signin&x=1") << 404;
        QTest::newRow("sign-up with a query")
            << QByteArray("POST") << QByteArray("signin/?signin") << 404;
        QTest::newRow("sign-up without slash") << QByteArray("POST") << QByteArray("signin") << 404;
    }
    void routes()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        const Answer a = waitFor(
            client.sendCustomRequest(formRequest(sim->baseUrl() + path), method, annaSignIn), 5000);
        QVERIFY(a.finished);
        QCOMPARE(a.status, status);
        QCOMPARE(sim->requests().size(), 1);
        QCOMPARE(sim->requests().last().status, status);
        QCOMPARE(sim->requests().last().method, method);
        QCOMPARE(sim->requests().last().path, '/' + path);
        QCOMPARE(state(*sim), seededState);
    }

    void formDecoding_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Form>("form");
        QTest::newRow("%20 and + are blanks")
            << QByteArray("email=a%20b+c") << Form{{"email", "a b c"}};
        QTest::newRow("escaped + and & stay in the value")
            << QByteArray("password=1%2B2%263&x=y") << Form{{"password", "1+2&3"}, {"x", "y"}};
        QTest::newRow("UTF-8") << QByteArray("name_first=Ren%C3%A9%20%E2%82%AC")
                               << Form{{"name_first", QString::fromUtf8("René €")}};
        QTest::newRow("lower-case escapes") << QByteArray("a=%c3%a9") << Form{{"a", "é"}};
        QTest::newRow("split at the first =")
            << QByteArray("password=a=b==") << Form{{"password", "a=b=="}};
        QTest::newRow("escaped name") << QByteArray("e%6Dail=x") << Form{{"email", "x"}};
        QTest::newRow("item without =")
            << QByteArray("accept&b=") << Form{{"accept", ""}, {"b", ""}};
        QTest::newRow("empty items dropped")
            << QByteArray("&a=1&&b=2&") << Form{{"a", "1"}, {"b", "2"}};
        QTest::newRow("broken escapes stay")
            << QByteArray("a=%zz%4&b=%") << Form{{"a", "%zz%4"}, {"b", "%"}};
        QTest::newRow("order and repeats kept")
            << QByteArray("b=1&a=2&b=3") << Form{{"b", "1"}, {"a", "2"}, {"b", "3"}};
        QTest::newRow("apostrophes") << QByteArray("nickname=''") << Form{{"nickname", "''"}};
    }
    void formDecoding()
    {
        QFETCH(QByteArray, body);
        QFETCH(Form, form);
        QVERIFY(post(client, url("signin/"), body).finished);
        QCOMPARE(sim->requests().size(), 1);
        QCOMPARE(sim->requests().first().body, body);
        QCOMPARE(sim->requests().first().form, form);
    }

    void faults_data()
    {
        QTest::addColumn<requestKind>("kind");
        QTest::addColumn<fault>("f");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");

        const QByteArray signUp = "email=new%40example.com&password=x&password_verify=x";
        const struct {
            const char *name;
            requestKind kind;
            QByteArray path;
            QByteArray body;
        } kinds[] = {{"sign-up", requestKind::signUp, "signin/", signUp},
                     {"sign-in", requestKind::signIn, "account/?signin", annaSignIn},
                     {"add", requestKind::addCamera, "account/?add", addCamera}};
        const struct {
            const char *name;
            fault f;
            int status;
        } plays[] = {{"refused", fault::refuse, 200},
                     {"server error", fault::serverError, 500},
                     {"redirect", fault::redirect, 302},
                     {"oversized", fault::oversized, 200}};
        for (const auto &k : kinds)
            for (const auto &f : plays)
                QTest::addRow("%s %s", k.name, f.name)
                    << k.kind << f.f << k.path << k.body << f.status;
    }
    void faults()
    {
        QFETCH(requestKind, kind);
        QFETCH(fault, f);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        QFETCH(int, status);

        // The other kinds answer as ever: the add needs its sign-in.
        sim->setFault(kind, f);
        if (kind == requestKind::addCamera)
            QCOMPARE(post(client, url("account/?signin"), annaSignIn).body, "success");

        const Answer a = post(client, sim->baseUrl() + path, body);
        QVERIFY(a.finished);
        QCOMPARE(a.status, status);
        QVERIFY(!a.body.isEmpty());
        QVERIFY(a.setCookie.isEmpty());
        if (f == fault::refuse || f == fault::oversized)
            QVERIFY2(a.body.startsWith("[E99] "), a.body.left(100).constData());
        QCOMPARE(a.location, f == fault::redirect ? sim->baseUrl() + path : QByteArray());
        QCOMPARE(sim->requests().last().status, status);
        QCOMPARE(sim->requests().last().answerBytes, a.body.size());
        if (f == fault::oversized) {
            // 16 MiB of lines; the log keeps the first kilobyte.
            QCOMPARE(a.body.size(), 16 * 1024 * 1024);
            QVERIFY(a.body.count('\n') > 1000);
            QCOMPARE(sim->requests().last().answer, a.body.left(1024));
        } else {
            QCOMPARE(sim->requests().last().answer, a.body);
        }
        QCOMPARE(state(*sim), seededState);

        sim->setFault(kind, fault::none);
        const Answer again = post(client, sim->baseUrl() + path, body);
        QCOMPARE(again.status, 200);
        QVERIFY2(again.body == "success" || again.body == "10000001:KSM-271E",
                 again.body.constData());
    }

    void silent()
    {
        sim->setFault(requestKind::signIn, fault::silent);
        QSignalSpy received(sim.get(), &PortalSimulator::requestReceived);
        QNetworkReply *reply = client.post(formRequest(url("account/?signin")), annaSignIn);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 5000);
        const auto r = received.first().first().value<portalsim::request>();
        QCOMPARE(r.kind, requestKind::signIn);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.answer, QByteArray());

        const Answer a = waitFor(reply, 1000);
        QVERIFY(!a.finished);
        QCOMPARE(a.status, 0);
        QTest::qWait(100);  // the server sees the client go

        // The portal goes on serving, and the session was not opened.
        QCOMPARE(post(client, url("account/?add"), addCamera).body, "[E04] Please sign in first.");
        QCOMPARE(sim->requests().size(), 2);
    }

    void silentConnectionWhenThePortalStops()
    {
        sim->setFault(requestKind::signUp, fault::silent);
        QNetworkReply *reply = client.post(formRequest(url("signin/")), "email=x");
        QTRY_COMPARE_WITH_TIMEOUT(sim->requests().size(), 1, 5000);
        sim.reset();
        const Answer a = waitFor(reply, 5000);
        QVERIFY(a.finished);
        QVERIFY(a.error != QNetworkReply::NoError);
    }

    void logLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("portal.jsonl"));
        QVERIFY(sim->setLogFile(path));
        sim->setFault(requestKind::addCamera, fault::silent);
        QCOMPARE(post(client, url("account/?signin"), annaSignIn).body, "success");
        QCOMPARE(post(client, url("nothing/?x=1"), "a=1").status, 404);
        QNetworkReply *silent = client.post(formRequest(url("account/?add")), addCamera);
        QTRY_COMPARE_WITH_TIMEOUT(sim->requests().size(), 3, 5000);

        // Written at once, while the portal still runs.
        const QList<QByteArray> lines = fileLines(path);
        QCOMPARE(lines.size(), 3);
        const QJsonObject in = QJsonDocument::fromJson(lines.at(0)).object();
        const QString time = in.value(QStringLiteral("time")).toString();
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z$"))
                     .match(time)
                     .hasMatch(),
                 qPrintable(time));
        QCOMPARE(in.value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
        QCOMPARE(in.value(QStringLiteral("path")).toString(), QStringLiteral("/account/?signin"));
        QCOMPARE(in.value(QStringLiteral("headers"))
                     .toObject()
                     .value(QStringLiteral("Content-Type"))
                     .toString(),
                 QStringLiteral("application/x-www-form-urlencoded"));
        QCOMPARE(in.value(QStringLiteral("body")).toString(), QString::fromLatin1(annaSignIn));
        QCOMPARE(in.value(QStringLiteral("kind")).toString(), QStringLiteral("sign-in"));
        const QJsonArray form = in.value(QStringLiteral("form")).toArray();
        QCOMPARE(form.size(), 5);
        QCOMPARE(form.at(3).toArray(), (QJsonArray{"email", "anna@example.com"}));
        QCOMPARE(form.at(4).toArray(), (QJsonArray{"password", "Anna-2026 pw"}));
        QCOMPARE(in.value(QStringLiteral("status")).toInt(), 200);
        QCOMPARE(in.value(QStringLiteral("answer")).toString(), QStringLiteral("success"));
        QCOMPARE(in.value(QStringLiteral("answerBytes")).toInt(), 7);

        const QJsonObject other = QJsonDocument::fromJson(lines.at(1)).object();
        QCOMPARE(other.value(QStringLiteral("kind")).toString(), QStringLiteral("other"));
        QCOMPARE(other.value(QStringLiteral("path")).toString(), QStringLiteral("/nothing/?x=1"));
        QCOMPARE(other.value(QStringLiteral("status")).toInt(), 404);
        const QJsonObject add = QJsonDocument::fromJson(lines.at(2)).object();
        QCOMPARE(add.value(QStringLiteral("kind")).toString(), QStringLiteral("add"));
        QCOMPARE(add.value(QStringLiteral("status")).toInt(), 0);
        QCOMPARE(add.value(QStringLiteral("answer")).toString(), QString());
        waitFor(silent, 0);
    }

    void accountsRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("accounts.json"));
        QVERIFY(sim->saveAccounts(path));
        PortalSimulator copy;
        QString error;
        QVERIFY2(copy.loadAccounts(path, &error), qPrintable(error));
        QCOMPARE(state(copy), seededState);
        QVERIFY(copy.listen(QHostAddress::LocalHost));
        QCOMPARE(post(client, copy.baseUrl() + "account/?signin", annaSignIn).body, "success");
    }

    void accountsWrittenBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("accounts.json"));
        sim->setAccountsFile(path);
        QCOMPARE(post(client, url("signin/"),
                      "email=new%40example.com&password=x&password_verify=x&name_first=Zo%C3%AB"
                      "&name_last=Doe")
                     .body,
                 "success");
        QCOMPARE(post(client, url("account/?signin"), "email=new%40example.com&password=x").body,
                 "success");
        QCOMPARE(post(client, url("account/?add"), addCamera).body, "10000001:KSM-271E");

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray list =
            QJsonDocument::fromJson(file.readAll()).object().value("accounts").toArray();
        QCOMPARE(list.size(), 4);
        const QJsonObject added = list.last().toObject();
        QCOMPARE(added.value("email").toString(), QStringLiteral("new@example.com"));
        QCOMPARE(added.value("password").toString(), QStringLiteral("x"));
        QCOMPARE(added.value("firstName").toString(), QString::fromUtf8("Zoë"));
        QCOMPARE(added.value("lastName").toString(), QStringLiteral("Doe"));
        QCOMPARE(added.value("devices").toArray(), QJsonArray{"10000001"});
    }

    void accountsRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("not JSON") << QByteArray("{\"accounts\": [") << QString();
        QTest::newRow("no list") << QByteArray("{\"users\": []}") << QStringLiteral("accounts");
        QTest::newRow("no e-mail")
            << QByteArray("{\"accounts\": [{\"password\": \"x\"}]}") << QStringLiteral("e-mail");
        QTest::newRow("same e-mail twice")
            << QByteArray("{\"accounts\": [{\"email\": \"a@b.c\"}, {\"email\": \"A@B.c\"}]}")
            << QStringLiteral("twice");
    }
    void accountsRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, complaint);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("accounts.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QString error;
        QVERIFY(!sim->loadAccounts(path, &error));
        QVERIFY2(error.startsWith(path) && error.contains(complaint), qPrintable(error));
        QCOMPARE(state(*sim), seededState);
    }

#ifdef PORTALSIM_PROGRAM
    void program()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString accounts = dir.filePath(QStringLiteral("accounts.json"));
        const QString log = dir.filePath(QStringLiteral("portal.jsonl"));
        QVERIFY(QFile::copy(QStringLiteral(PORTAL_SEED), accounts));

        QProcess p;
        p.start(QStringLiteral(PORTALSIM_PROGRAM),
                {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--accounts"),
                 accounts, QStringLiteral("--log"), log, QStringLiteral("--fault"),
                 QStringLiteral("add=refuse")});
        QVERIFY(p.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([&] { return p.canReadLine(); }, 5000));
        const QString line = QString::fromUtf8(p.readLine());
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^portalsim: listening on 127\\.0\\.0\\.1:(\\d+)\n$"))
                .match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const QByteArray base = "http://127.0.0.1:" + m.captured(1).toLatin1() + '/';

        QCOMPARE(post(client, base + "account/?signin", annaSignIn).body, "success");
        QVERIFY(post(client, base + "account/?add", addCamera).body.startsWith("[E99]"));
        QCOMPARE(
            post(client, base + "signin/", "email=new%40example.com&password=x&password_verify=x")
                .body,
            "success");

        p.terminate();
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains("stopped after 3 requests"));
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(err.count('\n'), 3);
        QVERIFY2(!err.contains("Anna-2026"), err.constData());
        QCOMPARE(fileLines(log).size(), 3);

        PortalSimulator after;
        QVERIFY(after.loadAccounts(accounts));
        QVERIFY(after.hasAccount(QStringLiteral("new@example.com")));
        QVERIFY(after.devicesOf(QStringLiteral("anna@example.com")).isEmpty());
    }

    void programRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("bad port") << QStringList{"--port", "70000"} << "--port";
        QTest::newRow("bad bind address") << QStringList{"--bind", "127.0.0.300"} << "bind";
        QTest::newRow("unknown kind") << QStringList{"--fault", "sign-out=refuse"} << "--fault";
        QTest::newRow("unknown fault") << QStringList{"--fault", "add=crash"} << "--fault";
        QTest::newRow("fault without kind") << QStringList{"--fault", "silent"} << "--fault";
        QTest::newRow("fault in other letters")
            << QStringList{"--fault", "add=Oversized"} << "--fault";
        QTest::newRow("accounts not JSON") << QStringList{"--accounts", "/dev/null"} << "/dev/null";
        QTest::newRow("stray argument") << QStringList{"extra"} << "extra";
    }
    void programRefuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        QProcess p;
        p.start(QStringLiteral(PORTALSIM_PROGRAM), QStringList{"--port", "0"} + arguments);
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 2);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(complaint), qPrintable(err));
        QVERIFY(!p.readAllStandardOutput().contains("listening"));
    }
#endif
};

QTEST_GUILESS_MAIN(tst_portalsim)
#include "tst_portalsim.moc"
