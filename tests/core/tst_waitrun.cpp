// The wait run's one advance step over a tick table: which row a count finds,
// and the order of frame, count, limit, queued replies and row.
#include "core/waitrun.h"

#include <QMetaObject>
#include <QWidget>
#include <QtTest>

namespace {

using row = tickRow<char>;

// Two exact rows around one that holds from its tick on.
const QList<row> table = {
    {10, 'a'},
    {20, 'b', tickMatch::fromOn},
    {30, 'c'},
};

}  // namespace

class tst_waitrun : public QObject
{
    Q_OBJECT

private slots:
    void rowFor_data();
    void rowFor();
    void advance_data();
    void advance();
};

void tst_waitrun::rowFor_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("found");  // the row's action, empty for none

    QTest::newRow("before the first row") << 9 << "";
    QTest::newRow("an exact row") << 10 << "a";
    QTest::newRow("past an exact row") << 11 << "";
    QTest::newRow("a row from its tick on, at it") << 20 << "b";
    QTest::newRow("a row from its tick on, past it") << 25 << "b";
    QTest::newRow("the first matching row wins") << 30 << "b";
    QTest::newRow("far past every row") << 5000 << "b";
    QTest::newRow("count zero") << 0 << "";
}

void tst_waitrun::rowFor()
{
    QFETCH(int, count);
    QFETCH(QString, found);
    const row *r = waitRun::rowFor(table, count);
    QCOMPARE(r ? QString(QLatin1Char(r->action)) : QString(), found);
    QVERIFY(!waitRun::rowFor(QList<row>{}, count));
}

// A reply waits in the queue when the tick comes; it raises the count to 20.
void tst_waitrun::advance_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("delivers");
    QTest::addColumn<bool>("holds");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("found");

    const QStringList frameOnly{"frame 9"};
    QTest::newRow("the row for the new count") << 0 << false << false << frameOnly << 10 << "a";
    QTest::newRow("a delivered reply decides the row")
        << 0 << true << false << QStringList{"frame 9", "reply"} << 20 << "b";
    QTest::newRow("a held run: nothing counts, nothing is delivered")
        << 0 << true << true << frameOnly << 9 << "";
    QTest::newRow("at the limit: the run goes on")
        << 10 << false << false << frameOnly << 10 << "a";
    QTest::newRow("past the limit: stopped before the replies come")
        << 9 << true << false << QStringList{"frame 9", "limit, stopped", "reply"} << 20 << "b";
    QTest::newRow("past the limit while held: nothing")
        << 9 << false << true << frameOnly << 9 << "";
}

void tst_waitrun::advance()
{
    QFETCH(int, limit);
    QFETCH(bool, delivers);
    QFETCH(bool, holds);
    QFETCH(QStringList, events);
    QFETCH(int, count);
    QFETCH(QString, found);

    QWidget page;
    waitRun run(&page, QRect(310, 330, 250, 20), QString());
    run.start();
    run.setTicks(9);
    QStringList seen;
    {
        QObject replies;  // a reply left in the queue goes with it
        QMetaObject::invokeMethod(
            &replies,
            [&] {
                seen << QStringLiteral("reply");
                run.raiseTo(20);
            },
            Qt::QueuedConnection);

        tickRules rules;
        rules.limit = limit;
        rules.deliversQueuedReplies = delivers;
        const row *r = run.advance(
            table, rules,
            [&] {
                seen << QStringLiteral("frame %1").arg(run.ticks());
                return !holds;
            },
            [&] {
                seen << (run.isRunning() ? QStringLiteral("limit, running")
                                         : QStringLiteral("limit, stopped"));
            });

        QCOMPARE(seen, events);
        QCOMPARE(run.ticks(), count);
        QCOMPARE(r ? QString(QLatin1Char(r->action)) : QString(), found);
        QCOMPARE(run.isRunning(), !events.contains(QStringLiteral("limit, stopped")));
    }
    run.stop();
}

QTEST_MAIN(tst_waitrun)
#include "tst_waitrun.moc"
