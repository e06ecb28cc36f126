// The network check run on its own: a page stand-in chooses the table and
// records the decisions; the engine's commands go to a socket on 127.0.0.1
// and camera replies are fed straight into its reader.
#include "core/globals.h"
#include "core/waitrun.h"
#include "pages/setup/networkcheck.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tests/support/commandcapture.h"
#include "tests/support/programstate.h"
#include "tests/support/simtestutil.h"
#include "tests/support/waitlabels.h"

#include <QLabel>
#include <QWidget>
#include <QtTest>

namespace {

// A page for the run: the plan it hands over at Next, its decisions counted.
struct fixture {
    QWidget page;
    waitRun *run = new waitRun(&page, QRect(295, 330, 250, 20), QString());
    networkCheck check{&page, run};
    QList<int> decidedAt;
    int limitReached = 0;
    int confirmations = 0;

    fixture()
    {
        QObject::connect(&check, &networkCheck::decisionDue, &check, [this] {
            check.end();
            decidedAt << run->ticks();
            run->stop();  // the page's ending
        });
        QObject::connect(&check, &networkCheck::tickLimitReached, &check, [this] { ++limitReached; });
        QObject::connect(&check, &networkCheck::setupConfirmationDue, &check, [this] { ++confirmations; });
    }

    // A plan as the pages make them: the Internet page's unless a table is named.
    static networkCheck::plan planFor(networkCheck::table t, bool pppoe = false)
    {
        networkCheck::plan p;
        p.rows = t;
        p.pppoe = pppoe;
        p.pingTarget = t == networkCheck::table::internet && pppoe ? 1745 : 895;
        return p;
    }
    void open(networkCheck::table t, bool pppoe = false) { check.open(planFor(t, pppoe)); }

    // Ticks up to t while the run goes, feeding the camera's replies where
    // the script says.
    void tickTo(int t, const std::function<void(int)> &atTick = {})
    {
        for (int guard = 0; run->isRunning() && run->ticks() < t && guard < 5000; ++guard) {
            if (atTick)
                atTick(run->ticks());
            check.tick();
        }
    }
};

const QString camMac = QStringLiteral("02:00:00:00:1a:01");

}  // namespace

class tst_networkcheck : public QObject
{
    Q_OBJECT

    std::unique_ptr<commandCapture> sent;
    camsim::SimCamera cam;

    void answerPing(const QByteArray &result)
    {
        cam.internet = result;
        simtest::feed(cam, '8');
        fixture *f = current;
        if (f)
            f->check.pingReplied();  // as the page's gated slot would
    }
    fixture *current = nullptr;

private slots:
    void initTestCase()
    {
        zvrTools = new ZVRUtils;
        sent = std::make_unique<commandCapture>();
    }
    void cleanupTestCase()
    {
        sent.reset();
        delete zvrTools;
        zvrTools = nullptr;
    }
    void init()
    {
        resetProgramState();
        supportType = QStringLiteral("ALL");
        host_mac_str = {simtest::hostMac.toUpper()};
        cam = simtest::makeCamera(camMac, "cam");
        simtest::listCamera(cam);
        configIPCameraIdx = 0;
        sent->take();
    }

    void statusLine();
    void internetTable_data();
    void internetTable();
    void malformedPingIsNoAnswer();
    void noTickActsUnderDecisionBox();
    void tickLimit();
    void nothingSentWithoutCamera();
};

// The phrase is set at once, the line only on even frames: 1, 1, 2, 2, 3, 3, 4 dots.
void tst_networkcheck::statusLine()
{
    fixture f;
    f.open(networkCheck::table::internet);
    QCOMPARE(f.check.phrase(), QStringLiteral("Saving network setting"));
    const QStringList dots = {".", ".", "..", "..", "...", "...", "...."};
    QString shown;
    for (int i = 0; i < 14; ++i) {
        f.check.tick();
        if ((i % 7) % 2 == 0)
            shown = QStringLiteral("<b>Saving network setting%1</b>").arg(dots.at(i % 7));
        QCOMPARE(waitText(f.run)->text(), shown);
        QCOMPARE(waitPicture(f.run)->property("picture").toString(),
                 QStringLiteral(":/images/loading0%1.png").arg(i % 7 + 1));
    }
}

// The Internet connection page's table: what is sent when, and where it decides.
void tst_networkcheck::internetTable_data()
{
    QTest::addColumn<bool>("setupAnswered");
    QTest::addColumn<bool>("pppoe");
    QTest::addColumn<int>("pingSuccessAt");  // -1: never
    QTest::addColumn<int>("decision");
    QTest::addColumn<int>("pings");

    QTest::newRow("confirmed, online at 420") << true << false << 420 << 920 << 1;
    QTest::newRow("confirmed, offline") << true << false << -1 << 920 << 6;
    QTest::newRow("not confirmed: jump to 901") << false << false << -1 << 920 << 0;
    QTest::newRow("PPPoE, online at 500") << true << true << 500 << 1770 << 2;
    QTest::newRow("PPPoE, offline: pings until 1700") << true << true << -1 << 1770 << 9;
    QTest::newRow("PPPoE, not confirmed: pings after 901") << false << true << -1 << 1770 << 3;
}

void tst_networkcheck::internetTable()
{
    QFETCH(bool, setupAnswered);
    QFETCH(bool, pppoe);
    QFETCH(int, pingSuccessAt);
    QFETCH(int, decision);
    QFETCH(int, pings);
    fixture f;
    current = &f;
    f.open(networkCheck::table::internet, pppoe);

    QList<sentCommand> all;
    f.tickTo(1800, [&](int t) {
        if (t == 30 && setupAnswered)
            f.check.setupReplied();
        all += sent->take();
        if (t == pingSuccessAt)
            answerPing("1");
    });
    all += sent->take();
    current = nullptr;

    QCOMPARE(f.decidedAt, QList<int>{decision});
    QCOMPARE(commandCapture::count(all, '8'), pings);
    // After a success the check ticks ask for the info record instead.
    if (pingSuccessAt >= 0) {
        QVERIFY(commandCapture::count(all, '2') >= 1);
        QVERIFY(f.check.online());
    } else {
        QVERIFY(!f.check.online());
    }
    QCOMPARE(f.confirmations, 0);  // the Internet table confirms nothing
}

// A reply the camera garbled must not count as the previous check's success.
void tst_networkcheck::malformedPingIsNoAnswer()
{
    fixture f;
    current = &f;
    IPCameraList[0].pingOk = "1";  // an earlier check succeeded
    f.open(networkCheck::table::internet);
    f.check.setupReplied();
    f.tickTo(400);
    QCOMPARE(commandCapture::count(sent->take(), '8'), 1);
    QVERIFY(IPCameraList.at(0).pingOk.isEmpty());  // cleared as the check went out

    zvrTools->handleDatagram(simtest::reply(camMac, "8;M=" + camMac.toUtf8() + ";D=cam"));
    QCoreApplication::sendPostedEvents();
    f.check.pingReplied();
    QVERIFY(!f.check.online());
    QCOMPARE(f.run->ticks(), 400);  // not moved on
    current = nullptr;
}

// A decision box opened in the tick slot: the ticks that come while it is
// open animate but neither count nor act, the tick limit included.
void tst_networkcheck::noTickActsUnderDecisionBox()
{
    fixture f;
    f.open(networkCheck::table::change);
    f.run->setTicks(1790);
    sent->take();
    const int answer = f.check.whileHeld([&] {
        for (int i = 0; i < 100; ++i)
            f.check.tick();
        return 7;
    });
    QCOMPARE(answer, 7);
    QCOMPARE(f.run->ticks(), 1790);
    QCOMPARE(f.limitReached, 0);
    QVERIFY(f.decidedAt.isEmpty());
    QVERIFY(!waitPicture(f.run)->isHidden());
    QVERIFY(!f.check.decisionBoxOpen());
    QVERIFY(sent->take().isEmpty());
    f.tickTo(1801);
    QCOMPARE(f.limitReached, 1);
    QVERIFY(!f.run->isRunning());
}

void tst_networkcheck::tickLimit()
{
    fixture f;
    f.open(networkCheck::table::internet);
    f.run->setTicks(1780);  // past both decision ticks, as when the choice changed in between
    f.tickTo(1801);
    QVERIFY(f.decidedAt.isEmpty());
    QCOMPARE(f.limitReached, 1);
    QVERIFY(!f.run->isRunning());
    QVERIFY(waitPicture(f.run)->isHidden());
    QVERIFY(waitText(f.run)->isHidden());
}

// Without a chosen camera the run sends nothing and reads no record.
void tst_networkcheck::nothingSentWithoutCamera()
{
    fixture f;
    configIPCameraIdx = 5;
    f.open(networkCheck::table::change);
    f.check.setupReplied();
    f.check.pingReplied();
    QVERIFY(!f.check.setupConfirmed());
    f.tickTo(921);
    QVERIFY(sent->take().isEmpty());
    QCOMPARE(f.decidedAt, QList<int>{920});
}

QTEST_MAIN(tst_networkcheck)
#include "tst_networkcheck.moc"
