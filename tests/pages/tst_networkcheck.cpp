// The network check run on its own: a page stand-in chooses the table and
// records the decisions; the engine's commands go to a socket on 127.0.0.1
// and camera replies are fed straight into its reader.
#include "core/globals.h"
#include "core/waitrun.h"
#include "pages/setup/networkcheck.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tests/support/commandcapture.h"
#include "tests/support/simtestutil.h"
#include "tests/support/testseams.h"
#include "tests/support/waitlabels.h"

#include <QLabel>
#include <QWidget>
#include <QtTest>

#include <optional>

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
        QObject::connect(&check, &networkCheck::tickLimitReached, &check,
                         [this] { ++limitReached; });
        QObject::connect(&check, &networkCheck::setupConfirmationDue, &check,
                         [this] { ++confirmations; });
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
    void tableRows_data();
    void tableRows();
    void internetTable_data();
    void internetTable();
    void setupAnswersInTurn_data();
    void setupAnswersInTurn();
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

// Every row of the three tables, one tick at a time: what goes to the camera
// (class digits in order: 1 rescan, 2 info record, 3 setup, 8 Internet
// check), whether the page is asked to decide or confirm, the phrase, and
// where the count stands afterwards.
void tst_networkcheck::tableRows_data()
{
    QTest::addColumn<int>("rows");  // networkCheck::table
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("state");  // o online, c set up, i info record there, p PPPoE
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("decides");
    QTest::addColumn<bool>("confirms");
    QTest::addColumn<QString>("phrase");  // s saving, c checking, r restarting
    QTest::addColumn<int>("after");

    const int none = int(networkCheck::table::noChange);
    const int change = int(networkCheck::table::change);
    const int net = int(networkCheck::table::internet);
    auto row = [](const char *name, int rows, int tick, const char *state, const char *sent,
                  bool decides, bool confirms, const char *phrase, int after = -1) {
        QTest::newRow(name) << rows << tick << QString::fromLatin1(state) << QByteArray(sent)
                            << decides << confirms << QString::fromLatin1(phrase)
                            << (after < 0 ? tick : after);
    };
    //   name                               table   tick  state sent  decide confirm phrase after
    row("no change 49: nothing", none, 49, "", "", false, false, "s");
    row("no change 50: setup again", none, 50, "", "3", false, false, "s");
    row("no change 100: check", none, 100, "", "8", false, false, "c");
    row("no change 100 online: no check", none, 100, "o", "", false, false, "c");
    row("no change 150: check", none, 150, "", "8", false, false, "s");
    row("no change 150 online: no check", none, 150, "o", "", false, false, "s");
    row("no change 250: decide", none, 250, "", "", true, false, "s");
    row("no change 920: nothing", none, 920, "o", "", false, false, "s");
    row("change 250 set up: confirm", change, 250, "c", "", false, true, "r");
    row("change 250 not set up: to 901", change, 250, "", "", false, false, "s", 901);
    row("change 450: check", change, 450, "c", "8", false, false, "c");
    row("change 450 online: info record", change, 450, "co", "2", false, false, "c");
    row("change 550: check", change, 550, "c", "8", false, false, "c");
    row("change 650: check", change, 650, "c", "8", false, false, "c");
    row("change 700: check", change, 700, "c", "8", false, false, "c");
    row("change 800: nothing", change, 800, "c", "", false, false, "s");
    row("change 900: info record", change, 900, "", "2", false, false, "s");
    row("change 900 info there: rescan", change, 900, "i", "1", false, false, "s");
    row("change 920 online: rescan, decide", change, 920, "o", "1", true, false, "s");
    row("change 920 offline: decide", change, 920, "", "", true, false, "s");
    row("change 100: nothing", change, 100, "", "", false, false, "s");
    row("internet 250 set up: restarting", net, 250, "c", "", false, false, "r");
    row("internet 250 not set up: to 901", net, 250, "", "", false, false, "s", 901);
    row("internet 400: check", net, 400, "c", "8", false, false, "c");
    row("internet 450: check", net, 450, "c", "8", false, false, "c");
    row("internet 550: check", net, 550, "c", "8", false, false, "c");
    row("internet 600: check", net, 600, "c", "8", false, false, "c");
    row("internet 650: check", net, 650, "c", "8", false, false, "c");
    row("internet 700: check", net, 700, "c", "8", false, false, "c");
    row("internet 700 online: info record", net, 700, "co", "2", false, false, "c");
    row("internet 900: info record", net, 900, "", "2", false, false, "s");
    row("internet 900 info there: rescan", net, 900, "i", "1", false, false, "s");
    row("internet 920: decide", net, 920, "", "", true, false, "s");
    row("internet 920 online: rescan, decide", net, 920, "o", "1", true, false, "s");
    row("internet 920 PPPoE: go on", net, 920, "p", "", false, false, "s");
    row("internet 920 PPPoE online: rescan", net, 920, "po", "1", false, false, "s");
    row("internet 1200: check", net, 1200, "p", "8", false, false, "c");
    row("internet 1400: check", net, 1400, "p", "8", false, false, "c");
    row("internet 1700: check", net, 1700, "p", "8", false, false, "c");
    row("internet 1750: info record", net, 1750, "p", "2", false, false, "s");
    row("internet 1750 info there: rescan", net, 1750, "pi", "1", false, false, "s");
    row("internet 1770 PPPoE: decide", net, 1770, "p", "", true, false, "s");
    row("internet 1770 PPPoE online: rescan, decide", net, 1770, "po", "1", true, false, "s");
    row("internet 1770: no decision", net, 1770, "", "", false, false, "s");
    row("internet 1770 online: rescan only", net, 1770, "o", "1", false, false, "s");
    row("internet 50: nothing", net, 50, "", "", false, false, "s");
}

void tst_networkcheck::tableRows()
{
    QFETCH(int, rows);
    QFETCH(int, tick);
    QFETCH(QString, state);
    QFETCH(QByteArray, sent);
    QFETCH(bool, decides);
    QFETCH(bool, confirms);
    QFETCH(QString, phrase);
    QFETCH(int, after);
    fixture f;
    networkCheck::plan p = fixture::planFor(networkCheck::table(rows), state.contains('p'));
    p.setupKnown = state.contains('c');
    f.check.open(p);
    if (state.contains('o')) {
        IPCameraList[0].pingOk = "1";
        f.check.pingReplied();
        QVERIFY(f.check.online());
    }
    // A command of its own sets the camera's state; the info record's reply sets 9.
    IPCameraList[0].cmdState = state.contains('i') ? int(cmdStatePasswordSeen) : int(cmdStatePing);
    f.run->setTicks(tick - 1);
    this->sent->take();

    f.check.tick();

    QByteArray classes;
    for (const sentCommand &c : this->sent->take()) {
        classes += c.zvrClass;
        QCOMPARE(c.dst, camMac);
    }
    QCOMPARE(classes, sent);
    QCOMPARE(f.decidedAt, decides ? QList<int>{tick} : QList<int>{});
    QCOMPARE(f.confirmations, int(confirms));
    const QString phrases[] = {QStringLiteral("Saving network setting"),
                               QStringLiteral("Checking internet connection"),
                               QStringLiteral("Restarting network")};
    QCOMPARE(f.check.phrase(), phrases[QStringLiteral("scr").indexOf(phrase)]);
    QCOMPARE(f.run->ticks(), after);
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

// The Internet page's setup answers, several before tick 250: one that
// matches the chosen way confirms it for the rest of the run, whatever comes
// after; each answer while confirmed restarts the camera's network.
void tst_networkcheck::setupAnswersInTurn_data()
{
    using rule = networkCheck::setupRule;
    QTest::addColumn<int>("confirms");            // networkCheck::setupRule
    QTest::addColumn<QByteArrayList>("answers");  // PPPoE_enable, or DHCP_enable for DHCP
    QTest::addColumn<int>("restarts");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("PPPoE: a match, then none")
        << int(rule::pppoeOn) << QByteArrayList{"1", "0"} << 2 << true;
    QTest::newRow("PPPoE: none, then a match")
        << int(rule::pppoeOn) << QByteArrayList{"0", "1"} << 1 << true;
    QTest::newRow("PPPoE: a match, then two that are none")
        << int(rule::pppoeOn) << QByteArrayList{"1", "0", "2"} << 3 << true;
    QTest::newRow("PPPoE: none at all")
        << int(rule::pppoeOn) << QByteArrayList{"0", "0"} << 0 << false;
    QTest::newRow("static: a match, then none")
        << int(rule::pppoeOff) << QByteArrayList{"0", "1"} << 2 << true;
    QTest::newRow("DHCP: a match, then none")
        << int(rule::dhcpOn) << QByteArrayList{"1", "0"} << 2 << true;
}

void tst_networkcheck::setupAnswersInTurn()
{
    QFETCH(int, confirms);
    QFETCH(QByteArrayList, answers);
    QFETCH(int, restarts);
    QFETCH(bool, confirmed);
    const auto rule = networkCheck::setupRule(confirms);
    fixture f;
    networkCheck::plan p =
        fixture::planFor(networkCheck::table::internet, rule == networkCheck::setupRule::pppoeOn);
    p.confirms = rule;
    p.restarts = networkCheck::restartRule::always;
    f.check.open(p);
    f.tickTo(30);
    sent->take();
    for (const QByteArray &value : answers) {
        cam.network[rule == networkCheck::setupRule::dhcpOn ? 0 : 6] = value;
        simtest::feed(cam, '3');
        f.check.setupReplied();
    }
    QCOMPARE(f.check.setupConfirmed(), confirmed);
    QCOMPARE(commandCapture::count(sent->take(), '9', "N"), restarts);

    f.tickTo(250);
    QCOMPARE(f.run->ticks(), confirmed ? 250 : 901);
    QCOMPARE(f.check.phrase(), confirmed ? QStringLiteral("Restarting network")
                                         : QStringLiteral("Saving network setting"));
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
