// The base of the pages that run the network check, over a page of its own:
// the already-registered road holds the check while its box is open and
// leads to page 0 or the registered-camera page, and the engine's replies
// reach the check only while the page is the wizard's.
#include "core/globals.h"
#include "core/pageframe.h"
#include "core/waitrun.h"
#include "pages/setup/networkcheckpage.h"
#include "protocol/ipcamera.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/testseams.h"
#include "tests/support/waitlabels.h"

#include <QLabel>
#include <QMetaObject>
#include <QWizard>
#include <QtTest>

#include <optional>

namespace {

class testPage : public networkCheckPage
{
    Q_OBJECT
public:
    testPage()
        : networkCheckPage(failedPageId, {"setup reply: not active", "ping reply: not active",
                                          "found camera: not active"})
    {
        setupFrame(QStringLiteral("Title"), 300, connectStep);
        createCheckRun(QRect(305, 330, 250, 20), QStringLiteral("Loading, please wait"));
        useWaitPictureAsVeil();
    }
    using networkCheckPage::check;
    using networkCheckPage::registeredRoad;
    using pageFrame::wait;
};

// The test page between the two pages the registered road leads to.
struct roadWizard {
    QWizard wizard;
    testPage *page = new testPage;
    roadWizard()
    {
        wizard.setPage(plugPageId, new pageFrame(plugPageId));
        wizard.setPage(failedPageId, page);
        wizard.setPage(joinPage1Id, new pageFrame(joinPage1Id));
        nextPage = failedPageId;
        wizard.setStartId(failedPageId);
        wizard.restart();
    }
};

}  // namespace

class tst_networkcheckpage : public QObject
{
    Q_OBJECT

private slots:
    // The pages talk to an engine, as in the program.
    void initTestCase() { engine.emplace(); }
    void cleanupTestCase() { engine.reset(); }
    void init() { seams.emplace(); }
    void cleanup() { seams.reset(); }

    void registeredRoad_data();
    void registeredRoad();
    void repliesOnlyWhileActive();

private:
    std::optional<testEngine> engine;
    std::optional<testSeams> seams;
};

void tst_networkcheckpage::registeredRoad_data()
{
    QTest::addColumn<QString>("answer");  // empty: the box is taken away
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("page");
    QTest::newRow("first button: page 0") << "Reset" << true << int(plugPageId);
    QTest::newRow("second button: registered camera") << "OK" << true << int(joinPage1Id);
    QTest::newRow("no answer: the page stays veiled") << "" << false << int(failedPageId);
}

void tst_networkcheckpage::registeredRoad()
{
    QFETCH(QString, answer);
    QFETCH(bool, answered);
    QFETCH(int, page);
    roadWizard w;
    waitRun *run = w.page->wait();
    run->start();
    run->setTicks(1790);

    modalRecorder boxes;
    bool heldWhileOpen = false;
    int ticksWhileOpen = -1;
    boxes.onOpen([&](QDialog *) {
        heldWhileOpen = w.page->check()->decisionBoxOpen();
        // Past the tick limit: a tick that acted would stop the run.
        for (int i = 0; i < 20; ++i)
            w.page->check()->tick();
        ticksWhileOpen = run->ticks();
    });
    if (answer.isEmpty())
        boxes.leaveUnanswered();
    else
        boxes.answer(answer);

    const bool result =
        w.page->registeredRoad(QStringLiteral("registered"),
                               {closingButton(QStringLiteral("Reset    ")),
                                safeButton(closingButton(QStringLiteral("OK    ")))},
                               QPoint(115, 220), nullptr);

    QCOMPARE(result, answered);
    QVERIFY(heldWhileOpen);
    QCOMPARE(ticksWhileOpen, 1790);
    QVERIFY(!w.page->check()->decisionBoxOpen());
    QCOMPARE(w.wizard.currentId(), page);
    QCOMPARE(boxes.last().pos, QPoint(115, 220) + w.wizard.pos());
    // The run's picture is the veil: kept under a box taken away, else gone.
    QCOMPARE(waitPicture(run)->isHidden(), answered);
}

// A reply that comes once the page is left says so with the page's own
// line and is not handed to the check; on the page it is.
void tst_networkcheckpage::repliesOnlyWhileActive()
{
    roadWizard w;
    IPCamera camera;
    camera.pingOk = "1";
    IPCameraList.append(camera);
    configIPCameraIdx = 0;
    w.page->check()->open(networkCheck::plan());

    nextPage = connectPageId;
    QTest::ignoreMessage(QtDebugMsg, "setup reply: not active");
    QTest::ignoreMessage(QtDebugMsg, "ping reply: not active");
    QTest::ignoreMessage(QtDebugMsg, "found camera: not active");
    QVERIFY(QMetaObject::invokeMethod(w.page, "checkNetworkCfg", Qt::DirectConnection));
    QVERIFY(QMetaObject::invokeMethod(w.page, "checkNetworkConnection", Qt::DirectConnection));
    QVERIFY(
        QMetaObject::invokeMethod(w.page, "networkRecovery", Qt::DirectConnection, Q_ARG(int, 0)));
    QVERIFY(!w.page->check()->online());

    nextPage = failedPageId;
    QVERIFY(QMetaObject::invokeMethod(w.page, "checkNetworkConnection", Qt::DirectConnection));
    QVERIFY(w.page->check()->online());
}

QTEST_MAIN(tst_networkcheckpage)
#include "tst_networkcheckpage.moc"
