#include "core/globals.h"
#include "core/pageframe.h"
#include "protocol/zvrutils.h"
#include "tests/support/modalrecorder.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWizard>
#include <QtTest>

namespace {

const QString heading =
    QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>");

class testPage : public pageFrame
{
    Q_OBJECT
public:
    explicit testPage(QWidget *parent = nullptr) : pageFrame(parent)
    {
        setupFrame(QStringLiteral("Title"), 300, connectStep);
    }
};

// A page inside a wizard window of the real size, so that box places are
// offsets from a known window position.
struct pageInWizard {
    QWizard wizard;
    testPage *page = new testPage;
    pageInWizard()
    {
        wizard.addPage(page);
        wizard.setFixedSize(pageWidth, pageHeight);
        wizard.move(100, 50);
    }
};

}  // namespace

class tst_pageframe : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        boxStyle = QStringLiteral("font:13px;color:rgb(89,87,87);");
        supportType.clear();
    }

    void keepWizardOnScreen_data();
    void keepWizardOnScreen();

    void stepButtons_data();
    void stepButtons();

    void veilTakesClicks();

    void waitRunSequence();
    void waitRunStartAndEnd();
    void raiseWaitTicks_data();
    void raiseWaitTicks();

    void warningBox();
    void warningBoxUnansweredLeavesVeil();
    void warningBoxRecentresWizardFirst();
    void ledQuestionBox_data();
    void ledQuestionBox();
    void resetInstructionsBox_data();
    void resetInstructionsBox();
    void helpBoxLink();

    void dismissedBoxHasNoAnswer();
    void escapeAnswersOnlyOneButtonBoxes_data();
    void escapeAnswersOnlyOneButtonBoxes();
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

void tst_pageframe::stepButtons_data()
{
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("currentStyle");
    QTest::addColumn<QString>("otherStyle");

    QTest::newRow("15px") << int(pageFrame::stepFont15px)
        << "background-image: url(:/images/nav_blue.png);border:none;font:15px;color:rgb(255,255,255);"
        << "background-image: url(:/images/nave_grey.png);border:none;font:15px;color:rgb(114,113,113);";
    QTest::newRow("no size") << int(pageFrame::stepFontNone)
        << "background-image: url(:/images/nav_blue.png);border:none;color:rgb(255,255,255);"
        << "background-image: url(:/images/nave_grey.png);border:none;color:rgb(114,113,113);";
    QTest::newRow("current 12pt") << int(pageFrame::stepFontCurrent12pt)
        << "background-image: url(:/images/nav_blue.png);border:none;font:12pt;color:rgb(255,255,255);"
        << "background-image: url(:/images/nave_grey.png);border:none;font:15px;color:rgb(114,113,113);";
}

void tst_pageframe::stepButtons()
{
    QFETCH(int, font);
    QFETCH(QString, currentStyle);
    QFETCH(QString, otherStyle);

    pageFrame page;
    page.createStepButtons(pageFrame::selectStep, pageFrame::stepFont(font));
    QCOMPARE(page.stepButtons.size(), 4);
    const QStringList texts = {"plug", "select", "connect", "join"};
    const int xs[] = {390, 466, 542, 618};
    for (int i = 0; i < 4; ++i) {
        QPushButton *b = page.stepButtons.at(i);
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
    QPushButton *next = page.createButton(
        {QStringLiteral("Next    "), QStringLiteral("border: 0px"), QStringLiteral("plug_next_but")},
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

void tst_pageframe::waitRunSequence()
{
    testPage page;
    page.setupWaitRun(QRect(310, 330, 250, 20), QStringLiteral("<b>Searching camera....</b>"));
    QCOMPARE(page.waitPicLabel->geometry(), QRect(0, 70, 721, 435));

    const QStringList dots = {".", ".", "..", "..", "...", "...", "...."};
    page.waitTicks = 0;
    for (int tick = 0; tick < 16; ++tick) {
        const int counted = page.waitTick(QStringLiteral("Searching camera"));
        QCOMPARE(counted, tick + 1);
        QCOMPARE(page.waitPicLabel->property("picture").toString(),
                 QStringLiteral(":/images/loading0%1.png").arg(tick % 7 + 1));
        QCOMPARE(page.waitTextLabel->text(),
                 QStringLiteral("<b>Searching camera%1</b>").arg(dots.at(tick % 7)));
        QVERIFY(!page.waitPicLabel->isHidden());
        QVERIFY(!page.waitTextLabel->isHidden());
    }
}

void tst_pageframe::waitRunStartAndEnd()
{
    testPage page;
    page.setupWaitRun(QRect(295, 330, 250, 20), QString());
    QVERIFY(page.waitPicLabel->isHidden());
    QVERIFY(!page.waitTimer->isActive());

    page.waitTicks = 42;
    page.startWaitRun();
    QCOMPARE(page.waitTicks, 0);
    QVERIFY(page.waitTimer->isActive());
    QCOMPARE(page.waitTimer->interval(), 100);

    page.waitTick(QStringLiteral("Saving"));
    page.endWaitRun();
    QVERIFY(!page.waitTimer->isActive());
    QVERIFY(page.waitPicLabel->isHidden());
    QVERIFY(page.waitTextLabel->isHidden());
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
    pageFrame page;
    page.waitTicks = ticks;
    page.raiseWaitTicks(target);
    QCOMPARE(page.waitTicks, expected);
}

void tst_pageframe::warningBox()
{
    pageInWizard w;
    QLabel *veil = w.page->createVeil();
    QCOMPARE(veil->geometry(), QRect(0, 70, 721, 435));
    QVERIFY(veil->isHidden());

    modalRecorder boxes;
    bool veilShownWhileOpen = false;
    boxes.onOpen([&](QDialog *) { veilShownWhileOpen = !veil->isHidden(); });
    boxes.answer("Close");

    // The usual road of a one-button box: Close hides the veil.
    if (w.page->warningBox(veil, QStringLiteral("Input wrong password, please check!"),
                           {closingButton(QStringLiteral("Close    "))}, QPoint(200, 230)) == 0)
        veil->hide();

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
    pageInWizard w;
    QLabel *veil = w.page->createVeil();
    modalRecorder boxes;
    boxes.leaveUnanswered();
    const int answer = w.page->warningBox(
        veil, QStringLiteral("x"),
        {confirmingButton(QStringLiteral("Reset    ")), closingButton(QStringLiteral("Close    "))},
        QPoint(115, 230));
    QCOMPARE(answer, -1);
    QVERIFY(!veil->isHidden());
    QCOMPARE(boxes.last().buttons.at(0).objectName, QStringLiteral("j4_done_btu"));
    QCOMPARE(boxes.last().buttons.at(1).caption, QStringLiteral("Close    "));
}

void tst_pageframe::warningBoxRecentresWizardFirst()
{
    pageInWizard w;
    w.wizard.move(-201, 40);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const QPoint centre((desktop.width() - pageWidth) / 2, (desktop.height() - pageHeight) / 2);
    modalRecorder boxes;
    boxes.answer(0);
    QCOMPARE(w.page->warningBox(nullptr, QStringLiteral("x"),
                                {closingButton(QStringLiteral("Close    "))}, QPoint(250, 230)),
             0);
    QCOMPARE(w.wizard.pos(), centre);
    QCOMPARE(boxes.last().pos, centre + QPoint(250, 230));
}

void tst_pageframe::ledQuestionBox_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("question");
    const QString linkOnly = QStringLiteral("Is the Link LED on the camera lit green ?");
    const QString powerLink = QStringLiteral("Is the Power/Link LED on the camera lit green ?");
    QTest::newRow("KSM-6140E") << "KSM-6140E" << linkOnly;
    QTest::newRow("KSM-6120E") << "KSM-6120E" << linkOnly;
    QTest::newRow("KSM-3300E") << "KSM-3300E" << powerLink;
    QTest::newRow("lower case is another model") << "ksm-6120e" << powerLink;
    QTest::newRow("no model") << "" << powerLink;
}

void tst_pageframe::ledQuestionBox()
{
    QFETCH(QString, model);
    QFETCH(QString, question);
    supportType = model;
    pageInWizard w;
    QLabel *veil = w.page->createVeil();

    modalRecorder boxes;
    boxes.answer("No");
    QCOMPARE(w.page->ledQuestionBox(veil), int(pageFrame::ledNo));
    QVERIFY(!veil->isHidden());

    const recordedBox &box = boxes.last();
    QCOMPARE(box.text, question);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.pos, QPoint(100 + 190, 50 + 273));
    QCOMPARE(box.buttons.size(), 2);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Yes"));
    QCOMPARE(box.buttons.at(1).caption, QStringLiteral("No"));
    for (const recordedButton &b : box.buttons) {
        QCOMPARE(b.size, QSize(84, 24));
        QVERIFY(b.objectName.isEmpty());
        QCOMPARE(b.styleSheet, QStringLiteral("background-image: url(:/images/cancel_button_blue.png);"
                                              "font:12pt;color:rgb(255,255,255);border: 0px"));
    }
}

void tst_pageframe::resetInstructionsBox_data()
{
    QTest::addColumn<int>("wording");
    QTest::addColumn<QString>("closeName");
    QTest::addColumn<QString>("text");
    QTest::newRow("plug and connect pages") << int(pageFrame::afterReset) << "wel_msg_close_btu"
        << "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
           "After reset your camera, click <b>Restart</b> to continue.";
    QTest::newRow("list and registered pages") << int(pageFrame::afterReseting) << "detail_close_btu"
        << "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
           "After reseting your camera, click <b>Restart</b> to continue.";
}

void tst_pageframe::resetInstructionsBox()
{
    QFETCH(int, wording);
    QFETCH(QString, closeName);
    QFETCH(QString, text);
    pageInWizard w;
    modalRecorder boxes;
    boxes.answer("Restart");
    QCOMPARE(w.page->resetInstructionsBox(nullptr, pageFrame::resetWording(wording), closeName),
             int(pageFrame::resetRestart));
    const recordedBox &box = boxes.last();
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, QMessageBox::NoIcon);  // a picture file instead
    QCOMPARE(box.pos, QPoint(230, 260));
    QCOMPARE(box.buttons.size(), 2);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Restart    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("j4_done_btu"));
    QCOMPARE(box.buttons.at(0).styleSheet, confirmingButtonStyle());
    QCOMPARE(box.buttons.at(1).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(1).objectName, closeName);
    QCOMPARE(box.buttons.at(1).styleSheet, closingButtonStyle());
}

void tst_pageframe::helpBoxLink()
{
    pageInWizard w;
    const QString html = QStringLiteral("Try to <a href = terms>reset the camera</a>.");
    QString linkSeen;
    QLabel *htmlLabel = nullptr;
    QPointer<pageBox> openBox;

    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        openBox = qobject_cast<pageBox *>(d);
        const QList<QLabel *> labels = d->findChildren<QLabel *>();
        for (QLabel *l : labels) {
            if (l->text() == html)
                htmlLabel = l;
        }
        QVERIFY(htmlLabel);
        emit htmlLabel->linkActivated(QStringLiteral("terms"));
    });
    const int answer = w.page->helpBox(
        nullptr, html, QSize(420, 210), 0, {closingButton(QStringLiteral("Close    "), "wel_msg_close_btu")},
        QPoint(135, 160), [&](const QString &link) {
            linkSeen = link;
            openBox->dismiss();
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
    QVERIFY(box.isDismissed());
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
