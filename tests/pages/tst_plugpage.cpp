#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageframe.h"
#include "pages/setup/movelabel.h"
#include "pages/setup/plugpage.h"
#include "pages/setup/plugplacement.h"
#include "platform/platform.h"
#include "protocol/zvrutils.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/pagebench.h"
#include "tests/support/screenlook.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <optional>

namespace {

const QString linkLedLink = QStringLiteral(
    "<a href = terms><font size=3 color=#638c0b>What do I do if the Link LED stays off?</font></a>");
const QString redLedLink = QStringLiteral(
    "<a href = terms><font size=3 color=#638c0b>What do I do if the LED stays red?</font></a>");
const QString linkLedHelp = QStringLiteral(
    "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the Link LED stays off?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If the link LED still stays off, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>");
const QString redLedHelp = QStringLiteral(
    "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the LED stays red?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If your camera still has a red LED, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>");

// The wizard window as the program shows it, at a place where no box
// re-centres it.
struct wizardAtPlug {
    camguide wizard;
    plugPage *page = nullptr;
    wizardAtPlug()
    {
        wizard.move(100, 50);
        wizard.show();  // enters page 0
        page = qobject_cast<plugPage *>(wizard.currentPage());
    }
};

void pointerEnters(QWidget *w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}

void pointerLeaves(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

template <class W = QLabel> W *child(const plugPage *page, const QString &name)
{
    return page->findChild<W *>(name);
}

// The step the page shows, 0 when its parts disagree.
int shownStep(const plugPage *page)
{
    int step = 0;
    for (int i = 0; i < 4; ++i) {
        const QString style = child(page, QStringLiteral("stepLabel%1").arg(i + 1))->styleSheet();
        if (style == QLatin1String("color:rgb(42,123,182);")) {
            if (step)
                return 0;
            step = i + 1;
        } else if (style != QLatin1String("color:rgb(89,87,87);")) {
            return 0;
        }
    }
    if (!step)
        return 0;
    const QLabel *marker = child(page, QStringLiteral("stepMarker"));
    const bool agree = marker->pos() == QPoint(30, 180 + 30 * (step - 1)) && !marker->isHidden()
                       && child(page, QStringLiteral("stepImage"))->property("picture").toString()
                              == QStringLiteral("images/plug_step%1.png").arg(step)
                       && child(page, QStringLiteral("stepText"))
                              ->text()
                              .startsWith(QString::number(step) + QLatin1Char('.'));
    return agree ? step : 0;
}

QLabel *richLabel(QDialog *box, const QString &part)
{
    for (QLabel *l : box->findChildren<QLabel *>()) {
        if (l->text().contains(part))
            return l;
    }
    return nullptr;
}

QTimer *stepTimer(const plugPage *page)
{
    return page->findChild<QTimer *>(QStringLiteral("stepTimer"));
}

QLabel *veil(const plugPage *page)
{
    return child(page, QStringLiteral("veilLabel"));
}

moveLabel *stepLabel(const plugPage *page, int step)
{
    return child<moveLabel>(page, QStringLiteral("stepLabel%1").arg(step));
}

// Cycle ticks until one shows the step (bounded by a round of four): the
// page then stands as after that step's own tick, the next one following.
void tickTo(plugPage *page, int step)
{
    for (int i = 0; i < 4; ++i) {
        page->timerDone();
        if (shownStep(page) == step)
            return;
    }
    QFAIL("the cycle does not reach the step");
}

// The step the next cycle tick shows.
int stepAfterTick(plugPage *page)
{
    page->timerDone();
    return shownStep(page);
}

}  // namespace

// The engine is on the bench for the roads that reach the camera list.
class tst_plugpage : public pageBench
{
    Q_OBJECT

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init()
    {
        seams = std::make_unique<testSeams>();
        seams->hostInterfaces({simtest::hostMac});
        seams->sendCommandsTo(capture->port());
        takeSent();
    }
    void cleanup() { seams.reset(); }

    void moveLabelReportsPointer_data();
    void moveLabelReportsPointer();

    void cycle();
    void hoverHoldsAndResumes();
    void holdingTargets_data();
    void holdingTargets();
    void boxKeepsCycleHeldWhenPointerLeaves();

    void wpsNoteAndIcon_data();
    void wpsNoteAndIcon();
    void wpsIconPlace_data();
    void wpsIconPlace();
    void wpsIconFollowsMeasuredNote();

    void ledHelpTexts_data();
    void ledHelpTexts();

    void ledQuestion_data();
    void ledQuestion();

    void resetRoad_data();
    void resetRoad();

    void stepPictureLoads();
    void stepTextSizeByBuild();

    void reentryRoads_data();
    void reentryRoads();

private:
};

void tst_plugpage::moveLabelReportsPointer_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<bool>>("reported");
    QTest::newRow("enter") << int(QEvent::Enter) << QList<bool>{true};
    QTest::newRow("leave") << int(QEvent::Leave) << QList<bool>{false};
    QTest::newRow("mouse move") << int(QEvent::MouseMove) << QList<bool>{};
}

void tst_plugpage::moveLabelReportsPointer()
{
    QFETCH(int, type);
    QFETCH(QList<bool>, reported);
    moveLabel label;
    QVERIFY(label.text().isEmpty());
    QSignalSpy spy(&label, &moveLabel::signal);
    if (type == QEvent::Enter) {
        pointerEnters(&label);
    } else if (type == QEvent::Leave) {
        pointerLeaves(&label);
    } else {
        QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), label.mapToGlobal(QPointF(3, 3)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &e);
    }
    QList<bool> seen;
    for (const QList<QVariant> &args : spy)
        seen.append(args.at(0).toBool());
    QCOMPARE(seen, reported);
}

void tst_plugpage::cycle()
{
    wizardAtPlug w;
    QVERIFY(w.page);
    plugPage *page = w.page;
    QVERIFY(stepTimer(page)->isActive());
    QCOMPARE(stepTimer(page)->interval(), 3000);
    QCOMPARE(shownStep(page), 1);

    // The first tick shows step 1 again.
    for (int expected : {1, 2, 3, 4, 1, 2}) {
        page->timerDone();
        QCOMPARE(shownStep(page), expected);
        QVERIFY(stepTimer(page)->isActive());
    }
    QCOMPARE(stepAfterTick(page), 3);
}

void tst_plugpage::hoverHoldsAndResumes()
{
    wizardAtPlug w;
    plugPage *page = w.page;
    page->timerDone();
    QCOMPARE(shownStep(page), 1);

    pointerEnters(stepLabel(page, 3));
    QCOMPARE(shownStep(page), 3);
    QVERIFY(!stepTimer(page)->isActive());

    pointerLeaves(stepLabel(page, 3));
    QVERIFY(stepTimer(page)->isActive());
    QCOMPARE(stepTimer(page)->interval(), 3000);
    QCOMPARE(shownStep(page), 3);
    for (int expected : {3, 4, 1}) {
        page->timerDone();
        QCOMPARE(shownStep(page), expected);
    }
}

void tst_plugpage::holdingTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("holds");
    QTest::newRow("step image") << "stepImage" << true;
    QTest::newRow("step text") << "stepText" << true;
    QTest::newRow("WPS note") << "wpsNote" << true;
    QTest::newRow("WPS help icon") << "wpsHelpIcon" << true;
    QTest::newRow("LED link over the step text") << "ledHintLink" << true;
    QTest::newRow("picture frame") << "pictureFrame" << false;
}

void tst_plugpage::holdingTargets()
{
    QFETCH(QString, target);
    QFETCH(bool, holds);
    isWireless = true;
    wizardAtPlug w;
    plugPage *page = w.page;
    tickTo(page, 4);  // the LED link shown
    const QHash<QString, QWidget *> targets = {
        {"stepImage", child<moveLabel>(page, QStringLiteral("stepImage"))},
        {"stepText", child<moveLabel>(page, QStringLiteral("stepText"))},
        {"wpsNote", child<moveLabel>(page, QStringLiteral("wpsNote"))},
        {"wpsHelpIcon", child<moveLabel>(page, QStringLiteral("wpsHelpIcon"))},
        {"ledHintLink", child<moveLabel>(page, QStringLiteral("ledHintLink"))},
        {"pictureFrame", child<moveLabel>(page, QStringLiteral("pictureFrame"))}};
    QWidget *label = targets.value(target);

    pointerEnters(label);
    QCOMPARE(stepTimer(page)->isActive(), !holds);
    QCOMPARE(shownStep(page), 4);
    pointerLeaves(label);
    QVERIFY(stepTimer(page)->isActive());
    QCOMPARE(shownStep(page), 4);
    QCOMPARE(stepAfterTick(page), 1);
}

// The pointer leaves the page's labels when the veil covers them; the box
// holds the cycle until its answer.
void tst_plugpage::boxKeepsCycleHeldWhenPointerLeaves()
{
    wizardAtPlug w;
    plugPage *page = w.page;
    page->timerDone();
    pointerEnters(stepLabel(page, 2));

    modalRecorder boxes;
    bool heldWhileOpen = false;
    boxes.onOpen([&](QDialog *) {
        pointerLeaves(stepLabel(page, 2));
        pointerEnters(child<moveLabel>(page, QStringLiteral("stepText")));
        pointerLeaves(child<moveLabel>(page, QStringLiteral("stepText")));
        heldWhileOpen = !stepTimer(page)->isActive();
    });
    boxes.answer("No");
    child<QPushButton>(page, QStringLiteral("plug_next_but"))->click();

    QCOMPARE(boxes.count(), 1);
    QVERIFY(heldWhileOpen);
    QVERIFY(stepTimer(page)->isActive());
    QVERIFY(veil(page)->isHidden());
    page->timerDone();  // the step left by the pointer, once more
    QCOMPARE(shownStep(page), 2);
}

void tst_plugpage::wpsNoteAndIcon_data()
{
    QTest::addColumn<bool>("wireless");
    QTest::addColumn<int>("step");  // 0: as the page is built, before any tick
    QTest::addColumn<bool>("noteShown");
    QTest::addColumn<bool>("linkShown");
    for (bool wireless : {true, false}) {
        const char *kind = wireless ? "wireless" : "wired";
        QTest::addRow("%s, as built", kind) << wireless << 0 << wireless << false;
        QTest::addRow("%s, step 1", kind) << wireless << 1 << wireless << false;
        QTest::addRow("%s, step 2", kind) << wireless << 2 << wireless << false;
        QTest::addRow("%s, step 3", kind) << wireless << 3 << false << false;
        QTest::addRow("%s, step 4", kind) << wireless << 4 << false << true;
    }
}

void tst_plugpage::wpsNoteAndIcon()
{
    QFETCH(bool, wireless);
    QFETCH(int, step);
    QFETCH(bool, noteShown);
    QFETCH(bool, linkShown);
    isWireless = wireless;
    wizardAtPlug w;
    plugPage *page = w.page;
    if (step) {
        // Through step 4 first, so every part was shown once.
        tickTo(page, 4);
        tickTo(page, step);
    }
    QCOMPARE(shownStep(page), qMax(step, 1));
    QCOMPARE(child<moveLabel>(page, QStringLiteral("wpsNote"))->isVisible(), noteShown);
    QCOMPARE(child<moveLabel>(page, QStringLiteral("wpsHelpIcon"))->isVisible(), noteShown);
    QCOMPARE(child<moveLabel>(page, QStringLiteral("ledHintLink"))->isVisible(), linkShown);
    QVERIFY(child<moveLabel>(page, QStringLiteral("pictureFrame"))->isVisible());
    if (noteShown)
        QCOMPARE(child<moveLabel>(page, QStringLiteral("wpsNote"))->text(),
                 QStringLiteral("*Could use Wi-Fi Protected Setup (WPS) instead."));
}

void tst_plugpage::wpsIconPlace_data()
{
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("200 wide, second line") << 200 << 12 << QPoint(595, 362);
    QTest::newRow("empty note") << 0 << 12 << QPoint(545, 350);
    QTest::newRow("just fits one line") << 149 << 12 << QPoint(694, 350);
    QTest::newRow("exactly one line wraps") << 150 << 12 << QPoint(545, 362);
    QTest::newRow("third line") << 310 << 10 << QPoint(555, 370);
}

void tst_plugpage::wpsIconPlace()
{
    QFETCH(int, textWidth);
    QFETCH(int, lineHeight);
    QFETCH(QPoint, place);
    QCOMPARE(plugPlacement::wpsIconPlace(textWidth, lineHeight), place);
}

// Measured in the note's own 9px font, not the label's font before its
// style sheet applies.
void tst_plugpage::wpsIconFollowsMeasuredNote()
{
    plugPage page;
    QFont nine = child<moveLabel>(&page, QStringLiteral("wpsNote"))->font();
    QCOMPARE(nine.pixelSize(), 9);
    const QFontMetrics metrics(nine);
    QCOMPARE(
        child<moveLabel>(&page, QStringLiteral("wpsHelpIcon"))->pos(),
        plugPlacement::wpsIconPlace(
            metrics.horizontalAdvance(child<moveLabel>(&page, QStringLiteral("wpsNote"))->text()),
            metrics.height()));
    QCOMPARE(child<moveLabel>(&page, QStringLiteral("wpsHelpIcon"))->size(), QSize(14, 15));
    QCOMPARE(child<moveLabel>(&page, QStringLiteral("wpsHelpIcon"))->toolTip(),
             QStringLiteral("You can also use WPS button to<br>establish connection in this step"
                            "<br>or follow the instruction in later step."));
}

void tst_plugpage::ledHelpTexts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("help");
    QTest::newRow("KSM-6120E") << "KSM-6120E" << linkLedLink << linkLedHelp;
    QTest::newRow("KSM-6140E") << "KSM-6140E" << linkLedLink << linkLedHelp;
    QTest::newRow("KSM-3300E") << "KSM-3300E" << redLedLink << redLedHelp;
    QTest::newRow("no configuration") << "" << redLedLink << redLedHelp;
}

void tst_plugpage::ledHelpTexts()
{
    QFETCH(QString, model);
    QFETCH(QString, link);
    QFETCH(QString, help);
    supportType = model;
    wizardAtPlug w;
    plugPage *page = w.page;
    tickTo(page, 4);
    QCOMPARE(child<moveLabel>(page, QStringLiteral("ledHintLink"))->text(), link);
    QVERIFY(child<moveLabel>(page, QStringLiteral("ledHintLink"))->toolTip().isEmpty());

    modalRecorder boxes;
    QPointer<QDialog> helpBox;
    bool heldAndVeiled = false;
    boxes.onOpen([&](QDialog *d) {
        helpBox = d;
        heldAndVeiled = !stepTimer(page)->isActive() && !veil(page)->isHidden()
                        && livePageBoxes() == QList<pageBox *>{qobject_cast<pageBox *>(d)};
    });
    boxes.answer("Close");
    emit child<moveLabel>(page, QStringLiteral("ledHintLink"))
        ->linkActivated(QStringLiteral("terms"));

    QCOMPARE(boxes.count(), 1);
    QVERIFY(heldAndVeiled);
    const recordedBox &box = boxes.last();
    QVERIFY(box.text.isEmpty());
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.labelTexts, QStringList{help});
    QCOMPARE(box.pos, QPoint(100 + 135, 50 + 160));
    QCOMPARE(box.styleSheet, boxStyle);
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("wel_msg_close_btu"));
    QCOMPARE(box.buttons.at(0).styleSheet, buttonStyle(buttonPicture::close));

    // The Close road, and the box released.
    QVERIFY(stepTimer(page)->isActive());
    QVERIFY(veil(page)->isHidden());
    QVERIFY(livePageBoxes().isEmpty());
    QVERIFY(!helpBox);
}

void tst_plugpage::ledQuestion_data()
{
    QTest::addColumn<QString>("answer");  // empty: the box closes without an answer
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<bool>("cycling");
    QTest::addColumn<bool>("veiled");
    QTest::newRow("No resumes the cycle") << "No" << int(plugPageId) << true << false;
    QTest::newRow("Yes moves to page 1") << "Yes" << int(selectPageId) << false << false;
    QTest::newRow("no answer") << "" << int(plugPageId) << false << true;
}

void tst_plugpage::ledQuestion()
{
    QFETCH(QString, answer);
    QFETCH(int, shownPage);
    QFETCH(bool, cycling);
    QFETCH(bool, veiled);
    wizardAtPlug w;
    plugPage *page = w.page;
    tickTo(page, 2);

    modalRecorder boxes;
    bool heldAndVeiled = false;
    boxes.onOpen([&](QDialog *) {
        heldAndVeiled = !stepTimer(page)->isActive() && !veil(page)->isHidden();
    });
    if (answer.isEmpty())
        boxes.leaveUnanswered();
    else
        boxes.answer(answer);
    child<QPushButton>(page, QStringLiteral("plug_next_but"))->click();

    QCOMPARE(boxes.count(), 1);
    QVERIFY(heldAndVeiled);
    QCOMPARE(boxes.last().pos, QPoint(100 + 190, 50 + 273));
    QCOMPARE(w.wizard.currentId(), shownPage);
    QCOMPARE(nextPage, shownPage);
    QCOMPARE(stepTimer(page)->isActive(), cycling);
    QCOMPARE(veil(page)->isHidden(), !veiled);
    QCOMPARE(stepAfterTick(page), 3);  // No resumes where the cycle stood
}

void tst_plugpage::resetRoad_data()
{
    QTest::addColumn<QString>("resetAnswer");
    QTest::addColumn<QString>("ledAnswer");  // empty: the question is left open
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<bool>("cycling");
    QTest::addColumn<bool>("veiled");
    QTest::newRow("Close returns to the page") << "Close"
                                               << "" << int(plugPageId) << true << false;
    QTest::newRow("Restart, then No") << "Restart"
                                      << "No" << int(plugPageId) << true << false;
    QTest::newRow("Restart, then Yes") << "Restart"
                                       << "Yes" << int(selectPageId) << false << false;
    // The help box's own Close road would hide the veil and resume here.
    QTest::newRow("Restart, question open") << "Restart"
                                            << "" << int(plugPageId) << false << true;
}

void tst_plugpage::resetRoad()
{
    QFETCH(QString, resetAnswer);
    QFETCH(QString, ledAnswer);
    QFETCH(int, shownPage);
    QFETCH(bool, cycling);
    QFETCH(bool, veiled);
    supportType = QStringLiteral("KSM-6120E");
    wizardAtPlug w;
    plugPage *page = w.page;
    tickTo(page, 4);

    modalRecorder boxes;
    QPointer<pageBox> helpBox;
    QPointer<pageBox> resetBox;
    bool questionAtOnce = false;
    boxes.onOpen([&](QDialog *d) {
        if (boxes.count() == 2) {
            resetBox = qobject_cast<pageBox *>(d);
            QVERIFY(helpBox && helpBox->isHidden());
        } else if (boxes.count() == 3) {
            // The reset box is gone; the help box, closed, reads to the
            // toolkit as answered by its Close button.
            questionAtOnce = !resetBox && helpBox && !veil(page)->isHidden()
                             && helpBox->clickedButton() == helpBox->buttons().at(0)
                             && !helpBox->answer();
        }
    });
    boxes.answerWith([&](QDialog *d) {
        helpBox = qobject_cast<pageBox *>(d);
        d->show();  // as the modal run would: the toolkit then counts a close as Close
        QLabel *label = richLabel(d, QStringLiteral("reset the camera"));
        QVERIFY(label);
        emit label->linkActivated(QStringLiteral("terms"));
    });
    boxes.answer(resetAnswer);
    if (ledAnswer.isEmpty())
        boxes.leaveUnanswered();
    else
        boxes.answer(ledAnswer);
    emit child<moveLabel>(page, QStringLiteral("ledHintLink"))
        ->linkActivated(QStringLiteral("terms"));

    const bool restart = resetAnswer == QLatin1String("Restart");
    QCOMPARE(boxes.count(), restart ? 3 : 2);
    const recordedBox &reset = boxes.at(1);
    QCOMPARE(reset.text,
             QStringLiteral("Press and hold the Reset button for at least 6 seconds while your "
                            "camera is plugged. After reset your camera, click <b>Restart</b> to "
                            "continue."));
    QCOMPARE(reset.pos, QPoint(100 + 130, 50 + 210));
    QCOMPARE(reset.buttons.at(1).objectName, QStringLiteral("wel_msg_close_btu"));
    if (restart) {
        QVERIFY(questionAtOnce);
        QCOMPARE(boxes.at(2).text, QStringLiteral("Is the Link LED on the camera lit green ?"));
    }

    QCOMPARE(w.wizard.currentId(), shownPage);
    QCOMPARE(stepTimer(page)->isActive(), cycling);
    QCOMPARE(veil(page)->isHidden(), !veiled);
    // Both boxes released, no pointer left to them.
    QVERIFY(!helpBox);
    QVERIFY(!resetBox);
    QVERIFY(livePageBoxes().isEmpty());
}

// The step pictures are files beside the program, found from the working
// directory as shipped.
void tst_plugpage::stepPictureLoads()
{
    const screenLook look(QStringLiteral(CAMGUIDE_PICTURES_DIR "/shipped"));
    wizardAtPlug w;
    QVERIFY(!child<moveLabel>(w.page, QStringLiteral("stepImage"))->pixmap().isNull());
    tickTo(w.page, 4);
    QCOMPARE(child<moveLabel>(w.page, QStringLiteral("stepImage"))->property("picture").toString(),
             QStringLiteral("images/plug_step4.png"));
    QVERIFY(!child<moveLabel>(w.page, QStringLiteral("stepImage"))->pixmap().isNull());
}

// The Windows system draws Arial smaller: its step text is a pixel larger.
void tst_plugpage::stepTextSizeByBuild()
{
    wizardAtPlug w;
    QCOMPARE(child<moveLabel>(w.page, QStringLiteral("stepText"))->styleSheet(),
             QLatin1String(CAMGUIDE_CONFIGURED_TARGET) == QLatin1String("windows")
                 ? QStringLiteral("font:13px;color:rgb(89,87,87);")
                 : QStringLiteral("font:12px;color:rgb(89,87,87);"));
}

// Every road back to the plug-in page leaves it as on entry: the steps
// turn, Next has the keyboard focus and asks the question. A road that only
// passes through it leaves no cycle running behind the camera list.
void tst_plugpage::reentryRoads_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<int>("shownPage");
    QTest::newRow("Back on the camera list, history") << "history back" << int(plugPageId);
    QTest::newRow("Back on the camera list after a jump to it") << "jump back" << int(plugPageId);
    QTest::newRow("reset road's restart passes through") << "restart and step" << int(selectPageId);
}

void tst_plugpage::reentryRoads()
{
    QFETCH(QString, road);
    QFETCH(int, shownPage);
    wizardAtPlug w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.wizard));
    auto *stepTimer = w.page->findChild<QTimer *>(QStringLiteral("stepTimer"));
    auto *next = w.page->findChild<QPushButton *>(QStringLiteral("plug_next_but"));
    auto *veil = w.page->findChild<QLabel *>(QStringLiteral("veilLabel"));
    modalRecorder boxes;

    if (road == QLatin1String("restart and step")) {
        nextPage = selectPageId;
        w.wizard.setStartId(plugPageId);
        w.wizard.restart();
        w.wizard.next();
    } else {
        if (road == QLatin1String("history back")) {
            boxes.answer("Yes");
            next->click();
        } else {
            nextPage = selectPageId;
            w.wizard.setStartId(selectPageId);
            w.wizard.restart();
        }
        QCOMPARE(w.wizard.currentId(), int(selectPageId));
        QVERIFY(!stepTimer->isActive());
        QWizardPage *list = w.wizard.currentPage();
        for (int i = 0; i < 100; ++i)  // the search ends with no camera
            QMetaObject::invokeMethod(list, "waitTimeout", Qt::DirectConnection);
        auto *back = list->findChild<QPushButton *>(QStringLiteral("sel_back_btn"));
        QVERIFY(back->isEnabled());
        back->click();
    }

    QCOMPARE(w.wizard.currentId(), shownPage);
    if (shownPage != plugPageId) {
        QVERIFY(!stepTimer->isActive());
        return;
    }
    QVERIFY(stepTimer->isActive());
    QCOMPARE(stepTimer->interval(), 3000);
    QVERIFY(veil->isHidden());
    QVERIFY(next->isEnabled());
    QCOMPARE(QApplication::focusWidget(), next);

    // Enter asks the question; No keeps the page turning.
    const int before = boxes.count();
    boxes.answer("No");
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(boxes.count(), before + 1);
    QCOMPARE(boxes.last().text, QStringLiteral("Is the Power/Link LED on the camera lit green ?"));
    QVERIFY(stepTimer->isActive());
    QVERIFY(veil->isHidden());
    // Space, then Yes: on to the camera list, which searches anew.
    boxes.answer("Yes");
    QTest::keyClick(next, Qt::Key_Space);
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    QVERIFY(!stepTimer->isActive());
    QVERIFY(!w.wizard.currentPage()
                 ->findChild<QPushButton *>(QStringLiteral("sel_back_btn"))
                 ->isEnabled());
}

QTEST_MAIN(tst_plugpage)
#include "tst_plugpage.moc"
