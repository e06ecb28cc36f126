#include "core/globals.h"
#include "core/pageframe.h"
#include "core/waitrun.h"
#include "protocol/zvrutils.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/pageinwizard.h"
#include "tests/support/testseams.h"
#include "tests/support/waitlabels.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTimer>
#include <QWizard>
#include <QtTest>

#include <optional>

namespace {

const QString heading =
    QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>");

// A page with the base's helpers opened up for the tests.
class testPage : public pageFrame
{
    Q_OBJECT
public:
    explicit testPage(QWidget *parent = nullptr, pageId id = connectPageId) : pageFrame(id, parent)
    {
        setupFrame(QStringLiteral("Title"), 300, connectStep);
    }
    using pageFrame::createButton;
    using pageFrame::createStepButtons;
    using pageFrame::createVeil;
    using pageFrame::createWaitRun;
    using pageFrame::holdControls;
    using pageFrame::isActivePage;
    using pageFrame::jumpTo;
    using pageFrame::releaseControls;
    using pageFrame::useWaitPictureAsVeil;
};

}  // namespace

class tst_pageframe : public QObject
{
    Q_OBJECT

private slots:
    // The pages talk to an engine, as in the program.
    void initTestCase() { engine.emplace(); }
    void cleanupTestCase() { engine.reset(); }
    void cleanup() { seams.reset(); }
    void init()
    {
        seams.emplace();
        boxStyle = QStringLiteral("font:13px;color:rgb(89,87,87);");
    }

    void keepWizardOnScreen_data();
    void keepWizardOnScreen();
    void keepLargeWizardOnScreen();

    void stepButtons_data();
    void stepButtons();

    void veilTakesClicks();
    void heldControlsComeBack_data();
    void heldControlsComeBack();
    void clickWithThePageIgnored();
    void waitPictureAsVeil();
    void engineSlotGate();

    void waitRunSequence();
    void waitRunStartAndEnd();
    void raiseWaitTicks_data();
    void raiseWaitTicks();

    void warningBox();
    void warningBoxUnansweredLeavesVeil();
    void keyboardBackToTheWindowAfterABox();
    void warningBoxRecentresWizardFirst();
    void helpBoxLink();

    void dismissedBoxHasNoAnswer();
    void escapeAnswersOnlyOneButtonBoxes_data();
    void escapeAnswersOnlyOneButtonBoxes();

private:
    std::optional<testEngine> engine;
    std::optional<testSeams> seams;
};

void tst_pageframe::keepWizardOnScreen_data()
{
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const int w = desktop.width();
    const int h = desktop.height();
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<bool>("moved");

    QTest::newRow("x -200 stays") << QPoint(-200, 10) << false;
    QTest::newRow("x -201 moves") << QPoint(-201, 10) << true;
    QTest::newRow("x at width-400 stays") << QPoint(w - 400, 10) << false;
    QTest::newRow("x past width-400 moves") << QPoint(w - 399, 10) << true;
    QTest::newRow("y at height-500 stays") << QPoint(10, h - 500) << false;
    QTest::newRow("y past height-500 moves") << QPoint(10, h - 499) << true;
    QTest::newRow("y far above stays") << QPoint(10, -5000) << false;
}

void tst_pageframe::keepWizardOnScreen()
{
    QFETCH(QPoint, start);
    QFETCH(bool, moved);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();

    QWidget window;
    window.setFixedSize(pageWidth, pageHeight);
    window.move(start);
    ::keepWizardOnScreen(&window);

    const QPoint centre((desktop.width() - pageWidth) / 2, (desktop.height() - pageHeight) / 2);
    QCOMPARE(window.pos(), moved ? centre : start);
}

// A wizard larger than the desktop (a high scale factor on a small screen)
// is re-centred with its corner on the screen, its title bar within reach.
void tst_pageframe::keepLargeWizardOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen->availableVirtualGeometry();
    QWidget window;
    window.setFixedSize(screen->virtualGeometry().size() + QSize(200, 100));
    window.move(-201, 10);
    ::keepWizardOnScreen(&window);
    QCOMPARE(window.pos(), available.topLeft());
}

void tst_pageframe::stepButtons_data()
{
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("currentStyle");
    QTest::addColumn<QString>("otherStyle");

    QTest::newRow("15px")
        << int(pageFrame::stepFont15px)
        << "background-image: url(:/images/nav_blue.png);border:none;font:15px;color:rgb(255,255,255);"
        << "background-image: url(:/images/nave_grey.png);border:none;font:15px;color:rgb(114,113,113);";
    QTest::newRow("no size")
        << int(pageFrame::stepFontNone)
        << "background-image: url(:/images/nav_blue.png);border:none;color:rgb(255,255,255);"
        << "background-image: url(:/images/nave_grey.png);border:none;color:rgb(114,113,113);";
    QTest::newRow("current 12pt")
        << int(pageFrame::stepFontCurrent12pt)
        << "background-image: url(:/images/nav_blue.png);border:none;font:12pt;color:rgb(255,255,255);"
        << "background-image: url(:/images/nave_grey.png);border:none;font:15px;color:rgb(114,113,113);";
}

void tst_pageframe::stepButtons()
{
    QFETCH(int, font);
    QFETCH(QString, currentStyle);
    QFETCH(QString, otherStyle);

    // The test page made its own four already; the second set follows them.
    testPage page;
    page.createStepButtons(pageFrame::selectStep, pageFrame::stepFont(font));
    const QList<QPushButton *> buttons =
        page.findChildren<QPushButton *>(QRegularExpression(QStringLiteral("^stepButton\\d$")))
            .mid(4);
    QCOMPARE(buttons.size(), 4);
    const QStringList texts = {"plug", "select", "connect", "join"};
    const int xs[] = {390, 466, 542, 618};
    for (int i = 0; i < 4; ++i) {
        QPushButton *b = buttons.at(i);
        QCOMPARE(b->text(), texts.at(i));
        QCOMPARE(b->geometry(), QRect(xs[i], 80, 75, 29));
        QVERIFY(!b->isEnabled());
        QVERIFY(b->isFlat());
        QCOMPARE(b->styleSheet(), i == 1 ? currentStyle : otherStyle);
    }
}

void tst_pageframe::veilTakesClicks()
{
    testPage page;
    QPushButton *next =
        page.createButton({QStringLiteral("Next    "), QStringLiteral("border: 0px"),
                           QStringLiteral("plug_next_but")},
                          QPoint(560, 450));
    QCOMPARE(next->geometry(), QRect(560, 450, 119, 34));
    QVERIFY(next->isFlat());
    QCOMPARE(next->objectName(), QStringLiteral("plug_next_but"));
    QLabel *veil = page.createVeil();
    QSignalSpy clicks(next, &QPushButton::clicked);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    // Through the window, so the click goes to whatever lies on top.
    QTest::mouseClick(page.windowHandle(), Qt::LeftButton, {}, QPoint(600, 460));
    QCOMPARE(clicks.count(), 1);
    veil->show();
    QTest::mouseClick(page.windowHandle(), Qt::LeftButton, {}, QPoint(600, 460), 500);
    QCOMPARE(clicks.count(), 1);
    veil->hide();
    QTest::mouseClick(page.windowHandle(), Qt::LeftButton, {}, QPoint(600, 460), 500);
    QCOMPARE(clicks.count(), 2);
}

void tst_pageframe::heldControlsComeBack_data()
{
    QTest::addColumn<QString>("road");
    QTest::newRow("released by the page") << "release";
    QTest::newRow("a jump to another page") << "jump";
    QTest::newRow("another page shown by the wizard") << "wizard";
}

// What a run disables comes back on every road out of the page, and only
// what the run took: a control that was off before stays off.
void tst_pageframe::heldControlsComeBack()
{
    QFETCH(QString, road);
    QWizard wizard;
    auto *page = new testPage(nullptr, connectPageId);
    auto *other = new testPage(nullptr, failedPageId);
    wizard.setPage(connectPageId, page);
    wizard.setPage(failedPageId, other);
    nextPage = connectPageId;
    wizard.setStartId(connectPageId);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    auto *back = new QPushButton(page);
    auto *next = new QPushButton(page);
    auto *off = new QPushButton(page);
    off->setEnabled(false);
    page->holdControls({back, next, off});
    page->holdControls({back});  // held twice, given back once
    QVERIFY(!back->isEnabled() && !next->isEnabled());
    if (road == QLatin1String("release")) {
        page->releaseControls();
    } else if (road == QLatin1String("jump")) {
        page->jumpTo(failedPageId);
        QCOMPARE(wizard.currentId(), int(failedPageId));
    } else {
        nextPage = failedPageId;
        wizard.next();
        QCOMPARE(wizard.currentId(), int(failedPageId));
    }
    QVERIFY(back->isEnabled());
    QVERIFY(next->isEnabled());
    QVERIFY(!off->isEnabled());
}

// A press on a page button within the double-click interval of the page
// being shown by the wizard is the tail of a click on the page before.
void tst_pageframe::clickWithThePageIgnored()
{
    QWizard wizard;
    wizard.setFixedSize(pageWidth, pageHeight);
    auto *page = new testPage;
    wizard.addPage(page);
    QPushButton *next = page->createButton(
        {QStringLiteral("Next    "), QStringLiteral("border: 0px"), QStringLiteral("nextButton")},
        QPoint(560, 450));
    QSignalSpy clicks(next, &QPushButton::clicked);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseDClick(next, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    next->click();  // not the mouse: no guard
    QCOMPARE(clicks.count(), 1);
    QTest::qWait(qBound(1, QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100, 5000));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
}

void tst_pageframe::waitPictureAsVeil()
{
    testPage page;
    waitRun *run = page.createWaitRun(QRect(310, 330, 250, 20), QString());
    page.useWaitPictureAsVeil();
    QVERIFY(!page.findChild<QLabel *>(QStringLiteral("veilLabel")));
    run->start();
    run->tick(QStringLiteral("Saving"));
    QCOMPARE(waitPicture(run)->property("picture").toString(),
             QStringLiteral(":/images/loading01.png"));
    // As a veil it shows the veil picture, not a wait frame.
    page.showVeil();
    QCOMPARE(waitPicture(run)->property("picture").toString(),
             QStringLiteral(":/images/loading00.png"));
    QVERIFY(!waitPicture(run)->isHidden());
    page.hideVeil();
    QVERIFY(waitPicture(run)->isHidden());
}

void tst_pageframe::engineSlotGate()
{
    testPage page(nullptr, failedPageId);
    nextPage = failedPageId;
    QVERIFY(page.isActivePage("never logged"));
    nextPage = connectPageId;
    QTest::ignoreMessage(QtDebugMsg,
                         "failedPage::checkNetworkCfg slot[gotNetworkConfig] is not active");
    QVERIFY(!page.isActivePage("failedPage::checkNetworkCfg slot[gotNetworkConfig] is not active"));
}

void tst_pageframe::waitRunSequence()
{
    testPage page;
    waitRun *run =
        page.createWaitRun(QRect(310, 330, 250, 20), QStringLiteral("<b>Searching camera....</b>"));
    QCOMPARE(waitPicture(run)->geometry(), QRect(0, 70, 721, 435));
    QCOMPARE(waitText(run)->geometry(), QRect(310, 330, 250, 20));

    const QStringList dots = {".", ".", "..", "..", "...", "...", "...."};
    for (int tick = 0; tick < 16; ++tick) {
        const int counted = run->tick(QStringLiteral("Searching camera"));
        QCOMPARE(counted, tick + 1);
        QCOMPARE(waitPicture(run)->property("picture").toString(),
                 QStringLiteral(":/images/loading0%1.png").arg(tick % 7 + 1));
        QCOMPARE(waitText(run)->text(),
                 QStringLiteral("<b>Searching camera%1</b>").arg(dots.at(tick % 7)));
        QVERIFY(!waitPicture(run)->isHidden());
        QVERIFY(!waitText(run)->isHidden());
    }
}

void tst_pageframe::waitRunStartAndEnd()
{
    testPage page;
    int ticked = 0;
    waitRun *run = page.createWaitRun(QRect(295, 330, 250, 20), QString());
    connect(run, &waitRun::ticked, this, [&] { ++ticked; });
    QVERIFY(waitPicture(run)->isHidden());
    QVERIFY(!run->isRunning());

    run->setTicks(42);
    run->start();
    QCOMPARE(run->ticks(), 0);
    QVERIFY(run->isRunning());
    QCOMPARE(waitTimer(run)->interval(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(ticked > 0, 2000);

    run->tick(QStringLiteral("Saving"));
    const int count = run->ticks();
    run->pause();
    QVERIFY(!run->isRunning());
    QVERIFY(!waitPicture(run)->isHidden());  // a box over a paused run keeps it
    run->resume();
    QCOMPARE(run->ticks(), count);
    run->stop();
    QVERIFY(!run->isRunning());
    QVERIFY(waitPicture(run)->isHidden());
    QVERIFY(waitText(run)->isHidden());
}

void tst_pageframe::raiseWaitTicks_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expected");
    QTest::newRow("below target") << 12 << 95 << 95;
    QTest::newRow("at target") << 95 << 95 << 95;
    QTest::newRow("past target is not lowered") << 300 << 245 << 300;
}

void tst_pageframe::raiseWaitTicks()
{
    QFETCH(int, ticks);
    QFETCH(int, target);
    QFETCH(int, expected);
    testPage page;
    waitRun *run = page.createWaitRun(QRect(), QString());
    run->setTicks(ticks);
    run->raiseTo(target);
    QCOMPARE(run->ticks(), expected);
}

// A box has no parent: once it closes, the window that was active has the
// keyboard again, so Tab and Enter reach the page without a click.
void tst_pageframe::keyboardBackToTheWindowAfterABox()
{
    pageInWizard<testPage> w;
    w.wizard.show();
    w.wizard.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.wizard));
    w.page->createVeil();

    modalRecorder boxes;
    bool boxHadTheKeyboard = false;
    boxes.answerWith([&](QDialog *d) {
        d->show();
        d->activateWindow();
        boxHadTheKeyboard = QTest::qWaitForWindowActive(d);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QCOMPARE(w.page->warningBox(QStringLiteral("Input wrong password, please check!"),
                                {closingButton(QStringLiteral("Close    "))}, QPoint(200, 230)),
             0);
    QVERIFY(boxHadTheKeyboard);
    QVERIFY(QTest::qWaitForWindowActive(&w.wizard));
    QCOMPARE(QApplication::activeWindow(), &w.wizard);
}

void tst_pageframe::warningBox()
{
    pageInWizard<testPage> w;
    QLabel *veil = w.page->createVeil();
    QCOMPARE(veil->geometry(), QRect(0, 70, 721, 435));
    QVERIFY(veil->isHidden());

    modalRecorder boxes;
    bool veilShownWhileOpen = false;
    boxes.onOpen([&](QDialog *) { veilShownWhileOpen = !veil->isHidden(); });
    boxes.answer("Close");

    // The usual road of a one-button box: Close hides the veil.
    QCOMPARE(w.page->warningBox(QStringLiteral("Input wrong password, please check!"),
                                {closingButton(QStringLiteral("Close    "))}, QPoint(200, 230)),
             0);

    QVERIFY(veilShownWhileOpen);
    QVERIFY(veil->isHidden());
    QCOMPARE(boxes.count(), 1);
    const recordedBox &box = boxes.last();
    QCOMPARE(box.text, heading + "Input wrong password, please check!");
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.styleSheet, boxStyle);
    QCOMPARE(box.flags & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    QVERIFY(!box.hasParent);
    QCOMPARE(box.pos, QPoint(300, 280));
    QCOMPARE(box.buttons.size(), 1);
    const recordedButton &b = box.buttons.at(0);
    QCOMPARE(b.caption, QStringLiteral("Close    "));
    QCOMPARE(b.objectName, QStringLiteral("detail_close_btu"));
    QCOMPARE(b.size, QSize(119, 34));
    QVERIFY(b.flat);
    QCOMPARE(b.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(b.role, QMessageBox::ActionRole);
    QCOMPARE(b.styleSheet, QStringLiteral("background-image: url(:/images/btn_close-no_blue.png);"
                                          "font:14px;color:rgb(255,255,255);border: 0px"));
    QCOMPARE(box.answered, 0);
}

void tst_pageframe::warningBoxUnansweredLeavesVeil()
{
    pageInWizard<testPage> w;
    QLabel *veil = w.page->createVeil();
    modalRecorder boxes;
    boxes.leaveUnanswered();
    const int answer = w.page->warningBox(
        QStringLiteral("x"),
        {confirmingButton(QStringLiteral("Reset    ")), closingButton(QStringLiteral("Close    "))},
        QPoint(115, 230));
    QCOMPARE(answer, -1);
    QVERIFY(!veil->isHidden());
    QCOMPARE(boxes.last().buttons.at(0).objectName, QStringLiteral("j4_done_btu"));
    QCOMPARE(boxes.last().buttons.at(1).caption, QStringLiteral("Close    "));
}

void tst_pageframe::warningBoxRecentresWizardFirst()
{
    pageInWizard<testPage> w;
    w.wizard.move(-201, 40);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const QPoint centre((desktop.width() - pageWidth) / 2, (desktop.height() - pageHeight) / 2);
    modalRecorder boxes;
    boxes.answer(0);
    QCOMPARE(w.page->warningBox(QStringLiteral("x"), {closingButton(QStringLiteral("Close    "))},
                                QPoint(250, 230)),
             0);
    QCOMPARE(w.wizard.pos(), centre);
    QCOMPARE(boxes.last().pos, centre + QPoint(250, 230));
}

void tst_pageframe::helpBoxLink()
{
    pageInWizard<testPage> w;
    const QString html = QStringLiteral("Try to <a href = terms>reset the camera</a>.");
    QString linkSeen;
    QLabel *htmlLabel = nullptr;
    QPointer<pageBox> openBox;

    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        openBox = qobject_cast<pageBox *>(d);
        d->show();
        const QList<QLabel *> labels = d->findChildren<QLabel *>();
        for (QLabel *l : labels) {
            if (l->text() == html)
                htmlLabel = l;
        }
        QVERIFY(htmlLabel);
        emit htmlLabel->linkActivated(QStringLiteral("terms"));
    });
    const int answer =
        w.page->helpBox({html, QSize(420, 210), 0},
                        {closingButton(QStringLiteral("Close    "), "wel_msg_close_btu")},
                        QPoint(135, 160), [&](const QString &link) {
                            linkSeen = link;
                            QVERIFY(!openBox->isHidden());
                            w.page->dismissHelpBox();  // reaches the open help box
                            QVERIFY(openBox->isHidden());
                            openBox->close();
                        });

    QCOMPARE(linkSeen, QStringLiteral("terms"));
    // Taken away by the link: no button road, though closing made the toolkit
    // report the one button as clicked.
    QCOMPARE(answer, -1);
    const recordedBox &box = boxes.last();
    QVERIFY(box.text.isEmpty());
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.labelTexts, QStringList{html});
    QCOMPARE(box.pos, QPoint(235, 210));
}

void tst_pageframe::dismissedBoxHasNoAnswer()
{
    pageBox box(QStringLiteral("text"));
    QPushButton *close = box.addPictureButton(closingButton(QStringLiteral("Close    ")));
    QLabel *label = box.addRichText(QStringLiteral("<b>help</b>"), QSize(300, 220), 1,
                                    QStringLiteral(":/images/none.png"), QSize(125, 125));
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    QVERIFY(grid);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    for (int i = 0; i < grid->count(); ++i) {
        QLayout *inner = grid->itemAt(i)->layout();
        if (inner && inner->indexOf(label) >= 0)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
    }
    QCOMPARE(row, 1);
    QCOMPARE(column, 1);

    modalRecorder boxes;
    boxes.answerWith([](QDialog *d) {
        auto *b = static_cast<pageBox *>(d);
        b->show();
        b->dismiss();
        b->close();
    });
    QCOMPARE(box.run(nullptr, QPoint()), -1);
    QVERIFY(box.answer() == nullptr);
    QCOMPARE(box.clickedButton(), close);  // what the toolkit alone would report
}

void tst_pageframe::escapeAnswersOnlyOneButtonBoxes_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expected");
    QTest::newRow("one button") << 1 << 0;
    QTest::newRow("two buttons") << 2 << -1;
}

void tst_pageframe::escapeAnswersOnlyOneButtonBoxes()
{
    QFETCH(int, buttons);
    QFETCH(int, expected);
    pageBox box(QStringLiteral("text"));
    box.addPictureButton(confirmingButton(QStringLiteral("Reset    ")));
    if (buttons == 2)
        box.addPictureButton(closingButton(QStringLiteral("Close    ")));

    modalRecorder boxes;
    boxes.answerWith([](QDialog *d) {
        d->show();
        QTest::keyClick(d, Qt::Key_Escape);
        d->hide();
    });
    QCOMPARE(box.run(nullptr, QPoint()), expected);
}

QTEST_MAIN(tst_pageframe)
#include "tst_pageframe.moc"
