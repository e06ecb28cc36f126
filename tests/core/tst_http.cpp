// The one access manager the pages use, and a test's own in its place; a
// reply held to a bound and given up, whichever way its body comes; and the
// request object with one reply at a time, its bound and its deadline, over
// loopback.
#include "core/http.h"
#include "tests/support/recordingaccess.h"
#include "tests/support/testseams.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

namespace {

// How the body goes out: with its length, in chunks, in chunks without end,
// or compressed; or an answer that never comes, one that trickles a byte at
// a time, and a status of 404.
enum class sending { sized, chunked, endless, deflated, silent, trickle, notFound };

// Answers every request on 127.0.0.1 with a body of the given size.
class bodyServer : public QTcpServer
{
public:
    // A chunk size that no limit of the tests is a multiple of.
    static constexpr qint64 chunk = 300;
    // An endless answer still ends here, should the client never give up.
    static constexpr qint64 endlessCap = 64 * 1024 * 1024;

    // delayMs: how long after the request the answer starts.
    bodyServer(qint64 size, sending how, int delayMs = 0)
        : m_size(size), m_how(how), m_delay(delayMs)
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (!s->readAll().contains("\r\n\r\n"))
                        return;
                    if (m_delay > 0)
                        QTimer::singleShot(m_delay, s, [this, s] { answer(s); });
                    else
                        answer(s);
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }

private:
    void answer(QTcpSocket *s)
    {
        QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n";
        switch (m_how) {
        case sending::sized:
            s->write(head + "Content-Length: " + QByteArray::number(m_size) + "\r\n\r\n"
                     + QByteArray(m_size, 'x'));
            return;
        case sending::deflated: {
            const QByteArray packed = qCompress(QByteArray(m_size, 'x')).mid(4);  // zlib stream
            s->write(head + "Content-Encoding: deflate\r\nContent-Length: "
                     + QByteArray::number(packed.size()) + "\r\n\r\n" + packed);
            return;
        }
        case sending::chunked:
            s->write(head + "Transfer-Encoding: chunked\r\n\r\n");
            for (qint64 sent = 0; sent < m_size; sent += chunk)
                s->write(chunkOf(qMin(chunk, m_size - sent)));
            s->write("0\r\n\r\n");
            return;
        case sending::silent: return;
        case sending::trickle: {
            // A byte every 20 ms: never a silence for a transfer timeout.
            s->write(head + "Transfer-Encoding: chunked\r\n\r\n");
            auto *timer = new QTimer(s);
            connect(timer, &QTimer::timeout, s, [s] { s->write(chunkOf(1)); });
            timer->start(20);
            return;
        }
        case sending::notFound:
            s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found");
            return;
        case sending::endless: {
            // As fast as the client takes it, until it goes away.
            s->write(head + "Transfer-Encoding: chunked\r\n\r\n");
            auto more = [s, sent = qint64(0)]() mutable {
                while (s->bytesToWrite() < 64 * 1024 && sent < endlessCap) {
                    s->write(chunkOf(chunk));
                    sent += chunk;
                }
            };
            connect(s, &QTcpSocket::bytesWritten, s, more);
            more();
            return;
        }
        }
    }
    static QByteArray chunkOf(qint64 n)
    {
        return QByteArray::number(n, 16) + "\r\n" + QByteArray(n, 'x') + "\r\n";
    }

    qint64 m_size;
    sending m_how;
    int m_delay;
};

// Every signal of a request object, in the order they came: "finished
// STATUS SIZE", "failed STATUS", "tooLong STATUS SIZE", "tooLate".
struct heard {
    explicit heard(httpRequest &request)
    {
        QObject::connect(&request, &httpRequest::finished, &request,
                         [this](const QString &status, const QByteArray &body) {
                             words << QStringLiteral("finished %1 %2").arg(status).arg(body.size());
                             lastBody = body;
                         });
        QObject::connect(&request, &httpRequest::failed, &request,
                         [this](const QString &status, const QString &) {
                             words << QStringLiteral("failed %1").arg(status);
                         });
        QObject::connect(&request, &httpRequest::tooLong, &request,
                         [this](const QString &status, const QByteArray &start) {
                             words << QStringLiteral("tooLong %1 %2").arg(status).arg(start.size());
                             lastBody = start;
                         });
        QObject::connect(&request, &httpRequest::tooLate, &request,
                         [this] { words << QStringLiteral("tooLate"); });
    }
    QStringList words;
    QByteArray lastBody;
};

QNetworkRequest to(const QTcpServer &server)
{
    return QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort())));
}

}  // namespace

Q_DECLARE_METATYPE(sending)

class tst_http : public QObject
{
    Q_OBJECT

private slots:
    void replacedAndRestored()
    {
        QNetworkAccessManager *own = networkAccess();
        QVERIFY(own);
        QCOMPARE(networkAccess(), own);  // one for the whole program

        auto mine = std::make_unique<QNetworkAccessManager>();
        setNetworkAccess(mine.get());
        QCOMPARE(networkAccess(), mine.get());

        // A test that forgets to remove its manager leaves no dangling one.
        mine.reset();
        QCOMPARE(networkAccess(), own);

        QNetworkAccessManager other;
        setNetworkAccess(&other);
        setNetworkAccess(nullptr);
        QCOMPARE(networkAccess(), own);
    }

    void boundedBody_data()
    {
        QTest::addColumn<sending>("how");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("tooLong");
        const struct {
            const char *name;
            sending how;
        } ways[] = {{"sized", sending::sized},
                    {"chunked", sending::chunked},
                    {"compressed", sending::deflated}};
        for (const auto &way : ways) {
            QTest::addRow("%s, below the limit", way.name) << way.how << qint64(999) << false;
            QTest::addRow("%s, exactly the limit", way.name) << way.how << qint64(1000) << false;
            QTest::addRow("%s, one byte more", way.name) << way.how << qint64(1001) << true;
            QTest::addRow("%s, 16 MiB", way.name) << way.how << qint64(16 * 1024 * 1024) << true;
        }
        QTest::newRow("chunked without end") << sending::endless << qint64(0) << true;
    }
    void boundedBody()
    {
        QFETCH(sending, how);
        QFETCH(qint64, size);
        QFETCH(bool, tooLong);
        const qint64 limit = 1000;
        bodyServer server(size, how);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QNetworkAccessManager access;
        access.setProxy(QNetworkProxy::NoProxy);
        QObject receiver;
        QNetworkReply *reply = access.get(
            QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort()))));
        QPointer<QNetworkReply> watched = reply;
        int calls = 0;
        QByteArray held;
        qint64 buffered = 0;
        bool finishedHere = false;
        connect(reply, &QNetworkReply::finished, &receiver, [&] { finishedHere = true; });
        limitBody(reply, limit, &receiver, [&] {
            ++calls;
            buffered = reply->bytesAvailable();
            held = limitedBody(reply);
            abandonReply(reply, &receiver);
        });
        QVERIFY(QTest::qWaitFor([&] { return calls > 0 || finishedHere; }, 5000));
        QTest::qWait(20);
        QCOMPARE(calls, tooLong ? 1 : 0);
        if (tooLong) {
            // Given up: no finished for the receiver, the reply gone, the
            // start of the body kept, and no more buffered than the bound
            // (the toolkit unpacks a compressed piece beyond it).
            QCOMPARE(held, QByteArray(limit, 'x'));
            if (how != sending::deflated)
                QVERIFY2(buffered <= limit + 1, qPrintable(QString::number(buffered)));
            QVERIFY(!finishedHere);
            QVERIFY(QTest::qWaitFor([&] { return !watched; }, 1000));
        } else {
            QCOMPARE(reply->error(), QNetworkReply::NoError);
            QCOMPARE(limitedBody(reply), QByteArray(size, 'x'));
            QCOMPARE(limitedBody(reply), QByteArray(size, 'x'));  // taking it takes nothing away
            delete reply;
        }
    }

    // The request object: what comes of one request, whatever the answer.
    void requestEnds_data()
    {
        QTest::addColumn<sending>("how");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("heardOf");
        QTest::newRow("exactly the bound") << sending::sized << qint64(1000) << "finished 200 1000";
        QTest::newRow("one byte past the bound, sized")
            << sending::sized << qint64(1001) << "tooLong 200 1000";
        QTest::newRow("one byte past the bound, chunked")
            << sending::chunked << qint64(1001) << "tooLong 200 1000";
        QTest::newRow("chunked without end") << sending::endless << qint64(0) << "tooLong 200 1000";
        QTest::newRow("compressed past the bound")
            << sending::deflated << qint64(16 * 1024 * 1024) << "tooLong 200 1000";
        QTest::newRow("an error status: no body") << sending::notFound << qint64(0) << "failed 404";
    }
    void requestEnds()
    {
        QFETCH(sending, how);
        QFETCH(qint64, size);
        QFETCH(QString, heardOf);
        testSeams seams;
        recordingAccess access;
        seams.useNetwork(&access);
        bodyServer server(size, how);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        httpRequest request(1000);
        heard h(request);
        request.get(to(server));
        QVERIFY(request.isRunning());
        QVERIFY(QTest::qWaitFor([&] { return !h.words.isEmpty(); }, 5000));
        QTest::qWait(20);
        QCOMPARE(h.words, QStringList{heardOf});
        QVERIFY(!request.isRunning());
        QCOMPARE(h.lastBody, heardOf.startsWith(QLatin1String("failed")) ? QByteArray()
                                                                         : QByteArray(1000, 'x'));
        // The reply is gone, given up on the network when past the bound.
        QVERIFY(QTest::qWaitFor([&] { return access.unfinished() == 0 && !access.replies.at(0); },
                                1000));
        QCOMPARE(access.ended.at(0), heardOf.startsWith(QLatin1String("tooLong"))
                                         ? QNetworkReply::OperationCanceledError
                                     : heardOf.startsWith(QLatin1String("failed"))
                                         ? QNetworkReply::ContentNotFoundError
                                         : QNetworkReply::NoError);
    }

    void noServer()
    {
        // Nothing listens: a failed transfer without a status.
        testSeams seams;
        recordingAccess access;
        seams.useNetwork(&access);
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QNetworkRequest request = to(closed);
        closed.close();
        httpRequest r(1000);
        heard h(r);
        r.get(request);
        QVERIFY(QTest::qWaitFor([&] { return !h.words.isEmpty(); }, 5000));
        QCOMPARE(h.words, QStringList{QStringLiteral("failed ")});
    }

    void replaceAbandons_data()
    {
        QTest::addColumn<sending>("first");
        QTest::newRow("the first never answers") << sending::silent;
        QTest::newRow("the first trickles on") << sending::trickle;
        QTest::newRow("the first answers after the second was sent") << sending::sized;
    }
    void replaceAbandons()
    {
        // A second request gives the first up: only the second's answer is
        // heard, even where the first's had come already, and the first is
        // stopped on the network.
        QFETCH(sending, first);
        testSeams seams;
        recordingAccess access;
        seams.useNetwork(&access);
        // The first's answer, were it read, would come before the second's.
        bodyServer firstServer(500, first, first == sending::sized ? 150 : 0);
        bodyServer secondServer(700, sending::sized, 300);
        QVERIFY(firstServer.listen(QHostAddress::LocalHost));
        QVERIFY(secondServer.listen(QHostAddress::LocalHost));
        httpRequest request(1000);
        heard h(request);
        request.get(to(firstServer));
        QTest::qWait(50);
        QVERIFY(h.words.isEmpty());
        request.post(to(secondServer), "x=1");
        QCOMPARE(access.ended.size(), 1);  // the first, aborted at once
        QVERIFY(QTest::qWaitFor([&] { return !h.words.isEmpty(); }, 5000));
        QTest::qWait(100);
        QCOMPARE(h.words, QStringList{QStringLiteral("finished 200 700")});
        QCOMPARE(access.ended, (QList<QNetworkReply::NetworkError>{
                                   QNetworkReply::OperationCanceledError, QNetworkReply::NoError}));
        QVERIFY(
            QTest::qWaitFor([&] { return !access.replies.at(0) && !access.replies.at(1); }, 1000));
    }

    void abandonedIsSilent()
    {
        // Given up by hand, or with the object: no signal, the reply stopped.
        testSeams seams;
        recordingAccess access;
        seams.useNetwork(&access);
        bodyServer server(0, sending::trickle);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        {
            httpRequest request(1000);
            heard h(request);
            request.setDeadline(50);
            request.get(to(server));
            QTest::qWait(20);
            request.abandon();
            QVERIFY(!request.isRunning());
            QTest::qWait(150);  // past the deadline
            QVERIFY(h.words.isEmpty());
            request.get(to(server));
            QTest::qWait(20);
        }
        QCOMPARE(access.ended,
                 (QList<QNetworkReply::NetworkError>{QNetworkReply::OperationCanceledError,
                                                     QNetworkReply::OperationCanceledError}));
        QVERIFY(QTest::qWaitFor([&] { return !access.replies.at(1); }, 1000));
    }

    void nextFromASlot()
    {
        // A slot may send the next request, as a chain of requests does: each
        // ends in its own one signal.
        testSeams seams;
        bodyServer server(10, sending::sized);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        httpRequest request(1000);
        heard h(request);
        connect(&request, &httpRequest::finished, &request, [&] {
            if (h.words.size() < 3)
                request.get(to(server));
        });
        request.get(to(server));
        QVERIFY(QTest::qWaitFor([&] { return h.words.size() == 3; }, 5000));
        QTest::qWait(50);
        QCOMPARE(h.words, QStringList(3, QStringLiteral("finished 200 10")));
        QVERIFY(!request.isRunning());
    }

    void deadline_data()
    {
        QTest::addColumn<sending>("how");
        QTest::addColumn<QString>("heardOf");
        QTest::newRow("trickles past it") << sending::trickle << "tooLate";
        QTest::newRow("never answers") << sending::silent << "tooLate";
        QTest::newRow("answers in time") << sending::sized << "finished 200 10";
    }
    void deadline()
    {
        // Counted from the sending, however the answer trickles; an answer
        // in time stops it, and each request has its own.
        QFETCH(sending, how);
        QFETCH(QString, heardOf);
        const int deadlineMs = 300;
        testSeams seams;
        recordingAccess access;
        seams.useNetwork(&access);
        bodyServer server(10, how);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        httpRequest request(1000);
        heard h(request);
        request.setDeadline(deadlineMs);
        QElapsedTimer clock;
        for (int round = 1; round <= 2; ++round) {
            clock.start();
            request.get(to(server));
            QVERIFY(QTest::qWaitFor([&] { return h.words.size() == round; }, 5000));
            const qint64 took = clock.elapsed();
            QTest::qWait(deadlineMs + 50);  // no second word of the same request
            QCOMPARE(h.words.size(), round);
            QCOMPARE(h.words.last(), heardOf);
            if (heardOf == QLatin1String("tooLate")) {
                QVERIFY2(took >= deadlineMs * 9 / 10 && took < 3000,
                         qPrintable(QString::number(took)));
                QCOMPARE(access.ended.at(round - 1), QNetworkReply::OperationCanceledError);
            } else {
                QVERIFY2(took < deadlineMs, qPrintable(QString::number(took)));
            }
            QVERIFY(!request.isRunning());
        }
    }
};

QTEST_MAIN(tst_http)
#include "tst_http.moc"
