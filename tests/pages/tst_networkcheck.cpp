// The network check run on its own: a page stand-in chooses the table and
// records the decisions; the engine's commands go to a socket on 127.0.0.1
// and camera replies are fed straight into its reader.
#include "core/globals.h"
#include "core/waitrun.h"
#include "pages/setup/networkcheck.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tests/support/commandcapture.h"
#include "tests/support/testseams.h"
#include "tests/support/simtestutil.h"
#include "tests/support/waitlabels.h"

#include <QLabel>
#include <QWidget>
#include <QtTest>

#include <optional>

namespace {

// A page for the run: its own table and PPPoE choice, the decisions counted.
class standInCheck : public networkCheck
{
public:
    standInCheck(QWidget *page, waitRun *run) : networkCheck(page, run) {}

    table chosen = table::internet;
    bool pppoe = false;
    QList<int> decidedAt;
    int limitReached = 0;
    int confirmations = 0;

    using networkCheck::decisionBox;

protected:
    table currentTable() const override { return chosen; }
    void reachedTickLimit() override { ++limitReached; }
    void decide() override
    {
        flowDone = 1;
        decidedAt << run()->ticks();
        run()->stop();  // the page's ending
    }
    void confirmSetup() override { ++confirmations; }
    bool pppoeChosen() const override { return pppoe; }
    void applySetupReply(IPCamera &) override
    {
        networkCfgOK = true;
        run()->raiseTo(245);
    }
    int pingTarget() const override { return chosen == table::internet && pppoe ? 1745 : 895; }
};

struct fixture {
    QWidget page;
    waitRun *run = new waitRun(&page, QRect(295, 330, 250, 20), QString());
    standInCheck check{&page, run};

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
    std::optional<testEngine> engine;
    std::optional<testSeams> seams;
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
        engine.emplace();
        sent = std::make_unique<commandCapture>();
    }
    void cleanupTestCase()
    {
        sent.reset();
        engine.reset();
    }
    void init()
    {
        seams.emplace();
        seams->sendCommandsTo(sent->port());
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
    f.check.open();
    QCOMPARE(f.check.statusText, QStringLiteral("Saving network setting"));
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
    f.check.chosen = networkCheck::table::internet;
    f.check.pppoe = pppoe;
    f.check.open();

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

    QCOMPARE(f.check.decidedAt, QList<int>{decision});
    QCOMPARE(commandCapture::count(all, '8'), pings);
    // After a success the check ticks ask for the info record instead.
    if (pingSuccessAt >= 0) {
        QVERIFY(commandCapture::count(all, '2') >= 1);
        QVERIFY(f.check.networkOK);
    } else {
        QVERIFY(!f.check.networkOK);
    }
    QCOMPARE(f.check.confirmations, 0);  // the Internet table confirms nothing
}

// A reply the camera garbled must not count as the previous check's success.
void tst_networkcheck::malformedPingIsNoAnswer()
{
    fixture f;
    current = &f;
    f.check.chosen = networkCheck::table::internet;
    IPCameraList[0].pingOk = "1";  // an earlier check succeeded
    f.check.open();
    f.check.setupReplied();
    f.tickTo(400);
    QCOMPARE(commandCapture::count(sent->take(), '8'), 1);
    QVERIFY(IPCameraList.at(0).pingOk.isEmpty());  // cleared as the check went out

    zvrTools->handleDatagram(simtest::reply(camMac, "8;M=" + camMac.toUtf8() + ";D=cam"));
    QCoreApplication::sendPostedEvents();
    f.check.pingReplied();
    QVERIFY(!f.check.networkOK);
    QCOMPARE(f.run->ticks(), 400);  // not moved on
    current = nullptr;
}

// A decision box opened in the tick slot: the ticks that come while it is
// open animate but neither count nor act, the tick limit included.
void tst_networkcheck::noTickActsUnderDecisionBox()
{
    fixture f;
    f.check.chosen = networkCheck::table::change;
    f.check.open();
    f.run->setTicks(1790);
    sent->take();
    {
        standInCheck::decisionBox hold(f.check);
        for (int i = 0; i < 100; ++i)
            f.check.tick();
        QCOMPARE(f.run->ticks(), 1790);
        QCOMPARE(f.check.limitReached, 0);
        QVERIFY(f.check.decidedAt.isEmpty());
        QVERIFY(!waitPicture(f.run)->isHidden());
    }
    QVERIFY(sent->take().isEmpty());
    f.tickTo(1801);
    QCOMPARE(f.check.limitReached, 1);
    QVERIFY(!f.run->isRunning());
}

void tst_networkcheck::tickLimit()
{
    fixture f;
    f.check.chosen = networkCheck::table::internet;
    f.check.open();
    f.run->setTicks(1780);  // past both decision ticks, as when the choice changed in between
    f.tickTo(1801);
    QVERIFY(f.check.decidedAt.isEmpty());
    QCOMPARE(f.check.limitReached, 1);
    QVERIFY(!f.run->isRunning());
    QVERIFY(waitPicture(f.run)->isHidden());
    QVERIFY(waitText(f.run)->isHidden());
}

// Without a chosen camera the run sends nothing and reads no record.
void tst_networkcheck::nothingSentWithoutCamera()
{
    fixture f;
    f.check.chosen = networkCheck::table::change;
    configIPCameraIdx = 5;
    f.check.open();
    f.check.setupReplied();
    f.check.pingReplied();
    QVERIFY(!f.check.networkCfgOK);
    f.tickTo(921);
    QVERIFY(sent->take().isEmpty());
    QCOMPARE(f.check.decidedAt, QList<int>{920});
}

QTEST_MAIN(tst_networkcheck)
#include "tst_networkcheck.moc"
