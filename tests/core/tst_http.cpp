// The one access manager the pages use, and a test's own in its place; a
// reply held to a bound and given up, whichever way its body comes.
#include "core/http.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

namespace {

// How the body goes out: with its length, in chunks, in chunks without end,
// or compressed.
enum class sending { sized, chunked, endless, deflated };

// Answers every request on 127.0.0.1 with a body of the given size.
class bodyServer : public QTcpServer
{
public:
    // A chunk size that no limit of the tests is a multiple of.
    static constexpr qint64 chunk = 300;
    // An endless answer still ends here, should the client never give up.
    static constexpr qint64 endlessCap = 64 * 1024 * 1024;

    bodyServer(qint64 size, sending how) : m_size(size), m_how(how)
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (s->readAll().contains("\r\n\r\n"))
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
};

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
};

QTEST_MAIN(tst_http)
#include "tst_http.moc"
