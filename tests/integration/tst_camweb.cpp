// A simulated camera's web server over 127.0.0.1: the snapshot path of each
// model, the administrator's password (also one set over ZVR), the start
// page, the faults it plays, its request log and the console program's --web.
#include "protocol/zvrutils.h"
#include "tools/camsim/camerasimulator.h"
#include "tools/camsim/camerawebserver.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using camsim::CameraSimulator;
using camsim::CameraWebServer;
using camsim::SimCamera;
using camsim::WebFault;

Q_DECLARE_METATYPE(camsim::WebFault)

namespace {

const QString cameraMac = QStringLiteral("02:00:00:00:30:0a");

struct Answer {
    bool finished = false;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
    QByteArray contentType;
    QByteArray location;
    QByteArray authenticate;
    qint64 elapsedMs = 0;
};

QByteArray basic(const QByteArray &credentials)
{
    return "Basic " + credentials.toBase64();
}

// Waits at most timeoutMs; an unfinished request is abandoned as a client
// that gives up would.
Answer get(QNetworkAccessManager &nam, const QByteArray &url,
           const QByteArray &authorization = QByteArray(), int timeoutMs = 5000)
{
    QNetworkRequest request(QUrl::fromEncoded(url));
    // A redirect must show, never be followed: its target is no loopback host.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    if (!authorization.isEmpty())
        request.setRawHeader("Authorization", authorization);
    QElapsedTimer clock;
    clock.start();
    QNetworkReply *reply = nam.get(request);
    Answer a;
    a.finished = QTest::qWaitFor([&] { return reply->isFinished(); }, timeoutMs);
    a.elapsedMs = clock.elapsed();
    if (!a.finished) {
        reply->disconnect();
        reply->abort();
    }
    a.error = reply->error();
    a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (a.finished)
        a.body = reply->readAll();
    a.contentType = reply->rawHeader("Content-Type");
    a.location = reply->rawHeader("Location");
    a.authenticate = reply->rawHeader("WWW-Authenticate");
    reply->deleteLater();
    return a;
}

SimCamera camera(const QByteArray &model, const QByteArray &password = "pw1",
                 const QByteArray &name = "Hall")
{
    SimCamera c;
    c.mac = cameraMac;
    c.model = model;
    c.name = name;
    c.ip = QStringLiteral("127.0.0.1");
    c.password = password;
    return c;
}

// Pixels of the name's dark text on the light sky.
int darkSkyPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 90 ? 1 : 0;
    return n;
}

QList<QJsonObject> logLines(const QByteArray &log)
{
    QList<QJsonObject> lines;
    for (const QByteArray &l : log.split('\n'))
        if (!l.isEmpty())
            lines.append(QJsonDocument::fromJson(l).object());
    return lines;
}

}  // namespace

class tst_camweb : public QObject
{
    Q_OBJECT

    QNetworkAccessManager client;
    std::unique_ptr<CameraSimulator> sim;
    std::unique_ptr<CameraWebServer> web;
    QByteArray log;
    QBuffer logDevice{&log};

    bool serve(const SimCamera &c)
    {
        sim = std::make_unique<CameraSimulator>();
        if (!sim->addCamera(c))
            return false;
        web = std::make_unique<CameraWebServer>(*sim, c.mac);
        web->setLog(&logDevice);
        return web->listen(QHostAddress::LocalHost);
    }
    SimCamera &served() { return *sim->findCamera(cameraMac); }
    QByteArray url(const QByteArray &path) const
    {
        return "http://127.0.0.1:" + QByteArray::number(web->port()) + path;
    }

private slots:
    void initTestCase()
    {
        client.setProxy(QNetworkProxy::NoProxy);
        client.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    }
    void init()
    {
        client.clearConnectionCache();
        log.clear();
        logDevice.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    void cleanup()
    {
        web.reset();
        sim.reset();
        logDevice.close();
    }

    void snapshotPaths_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        const struct {
            const char *model;
            const char *path;
        } served[] = {
            {"KSM-271E", "/image.jpg"},       {"KSM-273E", "/image.jpg"},
            {"KSM-3350E", "/image/jpeg.cgi"}, {"KSM-3350", "/image/jpeg.cgi"},
            {"KSM-3300E", "/image/jpeg.cgi"}, {"KSM-3300", "/image/jpeg.cgi"},
            {"KSM-6150E", "/image/jpeg.cgi"}, {"KSM-283E", "/image/jpeg.cgi"},
            {"KSM-6140E", "/image/jpeg.cgi"}, {"KSM-6120E", "/image/jpeg.cgi"},
            {"KSM-281E", "/GetImage.cgi"},
        };
        for (const auto &s : served)
            QTest::addRow("%s %s", s.model, s.path)
                << QByteArray(s.model) << QByteArray(s.path) << 200;
        QTest::newRow("KSM-271E, another model's path")
            << QByteArray("KSM-271E") << QByteArray("/image/jpeg.cgi") << 404;
        QTest::newRow("KSM-3350, another model's path")
            << QByteArray("KSM-3350") << QByteArray("/GetImage.cgi") << 404;
        QTest::newRow("KSM-281E, another model's path")
            << QByteArray("KSM-281E") << QByteArray("/image.jpg") << 404;
        QTest::newRow("path in other letters")
            << QByteArray("KSM-271E") << QByteArray("/Image.jpg") << 404;
        QTest::newRow("path with a slash more")
            << QByteArray("KSM-271E") << QByteArray("/image.jpg/") << 404;
        QTest::newRow("model in other letters")
            << QByteArray("ksm-271e") << QByteArray("/image.jpg") << 404;
        QTest::newRow("model with a suffix")
            << QByteArray("KSM-271E2") << QByteArray("/image.jpg") << 404;
        QTest::newRow("model without a snapshot")
            << QByteArray("KSM-9000") << QByteArray("/image.jpg") << 404;
    }
    void snapshotPaths()
    {
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QVERIFY(serve(camera(model)));
        const Answer a = get(client, url(path), basic("admin:pw1"));
        QVERIFY(a.finished);
        QCOMPARE(a.status, status);
        if (status != 200)
            return;
        QCOMPARE(a.contentType, "image/jpeg");
        QImage image;
        QVERIFY(image.loadFromData(a.body, "JPEG"));
        // Larger than a client's picture frame, so that it must scale.
        QCOMPARE(image.size(), QSize(320, 240));
        // The name is drawn: a platform without fonts leaves the sky plain.
        QVERIFY2(darkSkyPixels(image) > 100, qPrintable(QString::number(darkSkyPixels(image))));
        served().name.clear();
        QCOMPARE(darkSkyPixels(CameraWebServer::snapshot(served())), 0);
    }

    void authorization_data()
    {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("authorization");  // empty: none sent
        QTest::addColumn<int>("status");
        QTest::newRow("right") << QByteArray("pw1") << basic("admin:pw1") << 200;
        QTest::newRow("scheme in other letters")
            << QByteArray("pw1") << "bAsIc " + QByteArray("admin:pw1").toBase64() << 200;
        QTest::newRow("password with a colon") << QByteArray("a:b") << basic("admin:a:b") << 200;
        QTest::newRow("UTF-8 password") << QByteArray("pässwort") << basic("admin:pässwort") << 200;
        QTest::newRow("new camera, empty password") << QByteArray() << basic("admin:") << 200;
        QTest::newRow("wrong password") << QByteArray("pw1") << basic("admin:pw2") << 401;
        QTest::newRow("password in other letters")
            << QByteArray("pw1") << basic("admin:PW1") << 401;
        QTest::newRow("password with more") << QByteArray("pw1") << basic("admin:pw1x") << 401;
        QTest::newRow("other user") << QByteArray("pw1") << basic("root:pw1") << 401;
        QTest::newRow("missing") << QByteArray("pw1") << QByteArray() << 401;
        QTest::newRow("new camera, missing") << QByteArray() << QByteArray() << 401;
        QTest::newRow("new camera, a password") << QByteArray() << basic("admin:pw1") << 401;
        QTest::newRow("set-up camera, empty password")
            << QByteArray("pw1") << basic("admin:") << 401;
        QTest::newRow("not base64") << QByteArray("pw1") << QByteArray("Basic admin:pw1") << 401;
        QTest::newRow("other scheme")
            << QByteArray("pw1") << "Bearer " + QByteArray("admin:pw1").toBase64() << 401;
    }
    void authorization()
    {
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, authorization);
        QFETCH(int, status);
        QVERIFY(serve(camera("KSM-271E", password)));
        const Answer a = get(client, url("/image.jpg"), authorization);
        QVERIFY(a.finished);
        QCOMPARE(a.status, status);
        QCOMPARE(a.contentType, status == 200 ? QByteArray("image/jpeg")
                                              : QByteArray("text/plain; charset=utf-8"));
        QVERIFY2(status == 200 ? a.authenticate.isEmpty() : a.authenticate.startsWith("Basic "),
                 a.authenticate.constData());
        const QList<QJsonObject> lines = logLines(log);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().value(QStringLiteral("authorized")).toBool(), status == 200);
        QCOMPARE(lines.first().value(QStringLiteral("status")).toInt(), status);
    }

    void passwordSetOverZvr()
    {
        QVERIFY(serve(camera("KSM-281E", "old")));
        QCOMPARE(get(client, url("/GetImage.cgi"), basic("admin:old")).status, 200);

        sim->handleDatagram(ZVRUtils::composeDatagram("2", QStringLiteral("02:00:00:00:00:01"),
                                                      cameraMac, QStringLiteral("ALL"),
                                                      ";P=" + QByteArray("new pw").toBase64()),
                            QHostAddress::LocalHost, 5978);
        QCOMPARE(served().password, "new pw");
        QCOMPARE(get(client, url("/GetImage.cgi"), basic("admin:old")).status, 401);
        QCOMPARE(get(client, url("/GetImage.cgi"), basic("admin:new pw")).status, 200);
    }

    void startPage()
    {
        // Any model has one, without a password.
        QVERIFY(serve(camera("KSM-9000", "pw1", "Tom & <b>\"Jerry\"</b>")));
        const Answer a = get(client, url("/"));
        QCOMPARE(a.status, 200);
        QVERIFY(a.contentType.startsWith("text/html"));
        QVERIFY2(a.body.contains("Tom &amp; &lt;b&gt;&quot;Jerry&quot;&lt;/b&gt;"),
                 a.body.constData());
        QVERIFY(!a.body.contains("<b>"));
        QCOMPARE(get(client, url("/index.html")).status, 404);
    }

    void faults_data()
    {
        QTest::addColumn<WebFault>("fault");
        QTest::addColumn<QByteArray>("authorization");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("location");
        QTest::newRow("server error")
            << WebFault::serverError << basic("admin:pw1") << 500 << QByteArray();
        QTest::newRow("redirect with the password")
            << WebFault::redirect << basic("admin:pw1") << 302
            << QByteArray(CameraWebServer::redirectTarget);
        QTest::newRow("redirect without") << WebFault::redirect << QByteArray() << 302
                                          << QByteArray(CameraWebServer::redirectTarget);
        QTest::newRow("slow") << WebFault::slow << basic("admin:pw1") << 200 << QByteArray();
        QTest::newRow("slow, unauthorized")
            << WebFault::slow << QByteArray() << 401 << QByteArray();
    }
    void faults()
    {
        QFETCH(WebFault, fault);
        QFETCH(QByteArray, authorization);
        QFETCH(int, status);
        QFETCH(QByteArray, location);
        SimCamera c = camera("KSM-271E");
        c.webFault = fault;
        c.webDelayMs = 400;
        QVERIFY(serve(c));
        const Answer a = get(client, url("/image.jpg"), authorization);
        QVERIFY(a.finished);
        QCOMPARE(a.status, status);
        QCOMPARE(a.location, location);
        if (fault == WebFault::redirect) {
            QVERIFY(!a.body.isEmpty());
            QVERIFY(QUrl::fromEncoded(a.location).host() != QLatin1String("127.0.0.1"));
        }
        if (fault == WebFault::slow)
            QVERIFY2(a.elapsedMs >= 390, qPrintable(QString::number(a.elapsedMs)));
        else
            QVERIFY2(a.elapsedMs < 390, qPrintable(QString::number(a.elapsedMs)));

        // The fault is read at each request.
        served().webFault = WebFault::none;
        QCOMPARE(get(client, url("/image.jpg"), basic("admin:pw1")).status, 200);
    }

    void clientGivesUp_data()
    {
        QTest::addColumn<WebFault>("fault");
        QTest::newRow("silent") << WebFault::silent;
        QTest::newRow("slow") << WebFault::slow;
    }
    void clientGivesUp()
    {
        QFETCH(WebFault, fault);
        SimCamera c = camera("KSM-271E");
        c.webFault = fault;
        c.webDelayMs = 1300;
        QVERIFY(serve(c));
        const Answer a = get(client, url("/image.jpg"), basic("admin:pw1"), 1000);
        QVERIFY(!a.finished);
        QCOMPARE(a.status, 0);
        QCOMPARE(logLines(log).size(), 1);
        QCOMPARE(logLines(log).first().value(QStringLiteral("status")).toInt(),
                 fault == WebFault::silent ? 0 : 200);
        // Past the slow answer's time: it finds its client gone.
        QTest::qWait(500);

        served().webFault = WebFault::none;
        QCOMPARE(get(client, url("/image.jpg"), basic("admin:pw1")).status, 200);
    }

    void oversizedPicture()
    {
        SimCamera c = camera("KSM-271E");
        c.webFault = WebFault::oversized;
        QVERIFY(serve(c));
        const Answer a = get(client, url("/image.jpg"), basic("admin:pw1"));
        QVERIFY(a.finished);
        QCOMPARE(a.status, 200);
        QCOMPARE(a.contentType, QByteArray("image/jpeg"));
        QCOMPARE(a.body.size(), CameraWebServer::oversizedBytes);
        QVERIFY(a.body.startsWith("\xff\xd8"));  // the picture comes first
        // Only the picture grows.
        const Answer refused = get(client, url("/image.jpg"), basic("admin:wrong"));
        QCOMPARE(refused.status, 401);
        QCOMPARE(refused.body, QByteArray("Unauthorized"));
        QCOMPARE(get(client, url("/")).status, 200);
        QVERIFY(get(client, url("/")).body.size() < 1000);
    }

    void endlessPicture()
    {
        SimCamera c = camera("KSM-271E");
        c.webFault = WebFault::endless;
        QVERIFY(serve(c));
        QNetworkRequest request(QUrl::fromEncoded(url("/image.jpg")));
        request.setRawHeader("Authorization", basic("admin:pw1"));
        QNetworkReply *reply = client.get(request);
        QVERIFY(QTest::qWaitFor([&] { return reply->bytesAvailable() > 0; }, 5000));
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        QCOMPARE(reply->rawHeader("Transfer-Encoding"), QByteArray("chunked"));
        QVERIFY(!reply->hasRawHeader("Content-Length"));
        QByteArray body = reply->readAll();
        QVERIFY(body.startsWith("\xff\xd8"));
        // Far past any picture, as fast as it is read, and no end.
        QVERIFY(QTest::qWaitFor(
            [&] {
                body += reply->readAll();
                return body.size() > 4 * 1024 * 1024;
            },
            10000));
        QVERIFY(!reply->isFinished());
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
        QTest::qWait(100);

        // Error answers stay as they are.
        QCOMPARE(get(client, url("/image.jpg"), basic("admin:wrong")).status, 401);
        QCOMPARE(get(client, url("/nothing")).status, 404);
    }

    void tricklingPicture()
    {
        SimCamera c = camera("KSM-271E");
        c.webFault = WebFault::trickle;
        c.webDelayMs = 20;
        QVERIFY(serve(c));
        QNetworkRequest request(QUrl::fromEncoded(url("/image.jpg")));
        request.setRawHeader("Authorization", basic("admin:pw1"));
        QNetworkReply *reply = client.get(request);
        QVERIFY(QTest::qWaitFor([&] { return reply->bytesAvailable() > 0; }, 5000));
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        QVERIFY(!reply->hasRawHeader("Content-Length"));  // it ends only with the connection
        const QByteArray first = reply->readAll();
        QVERIFY(first.startsWith("\xff\xd8"));
        // Pieces keep coming, far more often than any transfer timeout, and
        // the answer never ends.
        QVERIFY(QTest::qWaitFor(
            [&] { return reply->bytesAvailable() >= 4 * CameraWebServer::tricklePiece; }, 5000));
        QVERIFY(!reply->isFinished());
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
        QTest::qWait(100);  // the server sees the client go, and its timer with it

        served().webFault = WebFault::none;
        QCOMPARE(get(client, url("/image.jpg"), basic("admin:pw1")).status, 200);
        QCOMPARE(get(client, url("/image.jpg"), basic("admin:wrong")).status, 401);
    }

    void serverStopsOnASilentRequest()
    {
        SimCamera c = camera("KSM-271E");
        c.webFault = WebFault::silent;
        QVERIFY(serve(c));
        QNetworkRequest request(QUrl::fromEncoded(url("/")));
        QNetworkReply *reply = client.get(request);
        QTRY_COMPARE_WITH_TIMEOUT(logLines(log).size(), 1, 5000);
        web.reset();
        QVERIFY(QTest::qWaitFor([&] { return reply->isFinished(); }, 5000));
        QVERIFY(reply->error() != QNetworkReply::NoError);
        reply->deleteLater();
    }

    void logKeepsThePasswordOut()
    {
        QVERIFY(serve(camera("KSM-271E", "s3cret-pw")));
        QCOMPARE(get(client, url("/image.jpg?pwd=s3cret-pw"), basic("admin:s3cret-pw")).status,
                 200);
        QCOMPARE(get(client, url("/image.jpg"), basic("admin:wrong-pw")).status, 401);
        QCOMPARE(get(client, url("/")).status, 200);

        QVERIFY(!log.contains("s3cret"));
        QVERIFY(!log.contains("wrong-pw"));
        QVERIFY(!log.contains("Basic"));
        QVERIFY(!log.contains(QByteArray("admin:s3cret-pw").toBase64()));
        const QList<QJsonObject> lines = logLines(log);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).keys(),
                 (QStringList{"authorized", "camera", "method", "path", "status", "time"}));
        const QStringList paths{lines.at(0).value("path").toString(),
                                lines.at(1).value("path").toString(),
                                lines.at(2).value("path").toString()};
        QCOMPARE(paths, (QStringList{"/image.jpg", "/image.jpg", "/"}));
        QCOMPARE(lines.at(1).value("camera").toString(), cameraMac);
        QCOMPARE(lines.at(1).value("method").toString(), QStringLiteral("GET"));
        QCOMPARE(lines.at(1).value("authorized").toBool(), false);
        QCOMPARE(lines.at(1).value("status").toInt(), 401);
        QVERIFY(QDateTime::fromString(lines.at(1).value("time").toString(), Qt::ISODateWithMs)
                    .isValid());
    }

    void webConfig()
    {
        camsim::SimConfig config;
        QString error;
        QVERIFY2(
            camsim::parseConfig(
                "{\"cameras\": ["
                "{\"mac\": \"02:00:00:00:00:01\", \"model\": \"M\"},"
                "{\"mac\": \"02:00:00:00:00:02\", \"model\": \"M\","
                " \"web\": {\"fault\": \"server-error\", \"delayMs\": 10}},"
                "{\"mac\": \"02:00:00:00:00:03\", \"model\": \"M\", \"web\": {\"enabled\": false}},"
                "{\"mac\": \"02:00:00:00:00:04\", \"model\": \"M\", \"web\": {\"fault\": \"trickle\"}},"
                "{\"mac\": \"02:00:00:00:00:05\", \"model\": \"M\", \"web\": {\"fault\": \"oversized\"}},"
                "{\"mac\": \"02:00:00:00:00:06\", \"model\": \"M\", \"web\": {\"fault\": \"endless\"}}"
                "]}",
                &config, &error),
            qPrintable(error));
        QCOMPARE(config.cameras.size(), 6);
        QVERIFY(config.cameras.at(0).webEnabled);
        QCOMPARE(config.cameras.at(0).webFault, WebFault::none);
        QCOMPARE(config.cameras.at(1).webFault, WebFault::serverError);
        QCOMPARE(config.cameras.at(1).webDelayMs, 10);
        QVERIFY(!config.cameras.at(2).webEnabled);
        QCOMPARE(config.cameras.at(3).webFault, WebFault::trickle);
        QCOMPARE(config.cameras.at(4).webFault, WebFault::oversized);
        QCOMPARE(config.cameras.at(5).webFault, WebFault::endless);
    }

#ifdef CAMSIM_PROGRAM
    // Without a display and without a platform set: the program picks one
    // that draws text. A camera it cannot serve is a warning, not the end.
    void program()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString config = dir.filePath(QStringLiteral("cameras.json"));
        const QString webLog = dir.filePath(QStringLiteral("web.jsonl"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // 192.0.2.1 is a documentation address no host of ours has.
        file.write(
            "{\"cameras\": ["
            "{\"mac\": \"02:00:00:00:30:01\", \"model\": \"KSM-273E\", \"name\": \"Porch\","
            " \"ip\": \"127.0.0.1\", \"password\": \"porch-pw\"},"
            "{\"mac\": \"02:00:00:00:30:02\", \"model\": \"KSM-273E\", \"ip\": \"\"},"
            "{\"mac\": \"02:00:00:00:30:03\", \"model\": \"KSM-273E\", \"ip\": \"192.0.2.1\"},"
            "{\"mac\": \"02:00:00:00:30:04\", \"model\": \"KSM-273E\", \"ip\": \"127.0.0.1\","
            " \"web\": {\"enabled\": false}}"
            "]}");
        file.close();

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CAMSIM_PROGRAM),
                {QStringLiteral("--config"), config, QStringLiteral("--bind"),
                 QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QStringLiteral("0"),
                 QStringLiteral("--web"), QStringLiteral("--web-port"), QStringLiteral("0"),
                 QStringLiteral("--web-log"), webLog});
        QVERIFY(p.waitForStarted(5000));
        QStringList lines;
        QVERIFY(QTest::qWaitFor(
            [&] {
                while (p.canReadLine())
                    lines << QString::fromUtf8(p.readLine());
                return !lines.isEmpty() && lines.last().contains(QLatin1String("listening"));
            },
            5000));
        QCOMPARE(lines.size(), 2);
        const QRegularExpressionMatch m =
            QRegularExpression(
                QStringLiteral(
                    "^camsim: web server of 02:00:00:00:30:01 on 127\\.0\\.0\\.1:(\\d+)\n$"))
                .match(lines.first());
        QVERIFY2(m.hasMatch(), qPrintable(lines.first()));
        const QByteArray base = "http://127.0.0.1:" + m.captured(1).toLatin1();

        const Answer a = get(client, base + "/image.jpg", basic("admin:porch-pw"));
        QCOMPARE(a.status, 200);
        QImage image;
        QVERIFY(image.loadFromData(a.body, "JPEG"));
        QVERIFY(darkSkyPixels(image) > 100);
        QCOMPARE(get(client, base + "/image.jpg").status, 401);

        p.terminate();
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains("warning: 02:00:00:00:30:02 has no IP address"), err.constData());
        QVERIFY2(err.contains("warning: no web server for 02:00:00:00:30:03 on 192.0.2.1"),
                 err.constData());
        QVERIFY(!err.contains("02:00:00:00:30:04"));
        QVERIFY(!err.contains("porch-pw"));

        QFile logFile(webLog);
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        const QByteArray written = logFile.readAll();
        QCOMPARE(logLines(written).size(), 2);
        QVERIFY(!written.contains("porch-pw"));
    }

    void programRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("bad web port")
            << QStringList{"--web", "--web-port", "65536"} << "--web-port";
        QTest::newRow("web port without web") << QStringList{"--web-port", "0"} << "--web";
        QTest::newRow("web log without web") << QStringList{"--web-log", "/dev/null"} << "--web";
    }
    void programRefuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        QProcess p;
        p.start(QStringLiteral(CAMSIM_PROGRAM),
                QStringList{"--config", QStringLiteral(EXAMPLE_CONFIG), "--bind", "127.0.0.1",
                            "--port", "0"}
                    + arguments);
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 2);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(complaint), qPrintable(err));
        QVERIFY(!p.readAllStandardOutput().contains("listening"));
    }
#endif
};

QTEST_MAIN(tst_camweb)
#include "tst_camweb.moc"
