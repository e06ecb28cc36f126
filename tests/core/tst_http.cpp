// The one access manager the pages use, and a test's own in its place.
#include "core/http.h"

#include <QNetworkAccessManager>
#include <QtTest>

#include <memory>

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
};

QTEST_MAIN(tst_http)
#include "tst_http.moc"
