// The one access manager the pages use, and a test's own in its place; a
// reply held to a bound and given up.
#include "core/http.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

namespace {

// Answers every request on 127.0.0.1 with a body of the given size.
class bodyServer : public QTcpServer
{
public:
    explicit bodyServer(qint64 size) : m_size(size)
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [s, size = m_size] {
                    if (!s->readAll().contains("\r\n\r\n"))
                        return;
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
                             + QByteArray::number(size) + "\r\n\r\n" + QByteArray(size, 'x'));
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }

private:
    qint64 m_size;
};

}  // namespace

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

    void limitedBody_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("tooLong");
        QTest::newRow("below the limit") << qint64(999) << false;
        QTest::newRow("exactly the limit") << qint64(1000) << false;
        QTest::newRow("one byte more") << qint64(1001) << true;
        QTest::newRow("16 MiB") << qint64(16 * 1024 * 1024) << true;
    }
    void limitedBody()
    {
        QFETCH(qint64, size);
        QFETCH(bool, tooLong);
        const qint64 limit = 1000;
        bodyServer server(size);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QNetworkAccessManager access;
        access.setProxy(QNetworkProxy::NoProxy);
        QObject receiver;
        QNetworkReply *reply = access.get(
            QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort()))));
        QPointer<QNetworkReply> watched = reply;
        int calls = 0;
        qint64 held = 0;
        bool finishedHere = false;
        connect(reply, &QNetworkReply::finished, &receiver, [&] { finishedHere = true; });
        limitBody(reply, limit, &receiver, [&] {
            ++calls;
            held = reply->bytesAvailable();
            abandonReply(reply, &receiver);
        });
        QVERIFY(QTest::qWaitFor([&] { return calls > 0 || finishedHere; }, 5000));
        QTest::qWait(20);
        QCOMPARE(calls, tooLong ? 1 : 0);
        if (tooLong) {
            // Given up: no finished for the receiver, the reply gone, and no
            // more held than the limit and the one byte that tells.
            QVERIFY2(held > limit && held <= limit + 1, qPrintable(QString::number(held)));
            QVERIFY(!finishedHere);
            QVERIFY(QTest::qWaitFor([&] { return !watched; }, 1000));
        } else {
            QCOMPARE(reply->error(), QNetworkReply::NoError);
            QCOMPARE(reply->readAll().size(), size);
            delete reply;
        }
    }
};

QTEST_MAIN(tst_http)
#include "tst_http.moc"
