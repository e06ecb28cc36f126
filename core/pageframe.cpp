#include "core/pageframe.h"

#include "core/globals.h"
#include "core/waitrun.h"
#include "protocol/models.h"
#include "protocol/zvrutils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleHints>
#include <QWizard>

#include <utility>

namespace {

const char *const stepSources[4] = {"plug", "select", "connect", "join"};
const char *const headingSource =
    "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>";
const char *const ledLinkSource = "Is the Link LED on the camera lit green ?";
const char *const ledPowerSource = "Is the Power/Link LED on the camera lit green ?";
const char *const ledHelpLinkSource =
    "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the Link LED stays off?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If the link LED still stays off, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>";
const char *const ledHelpPowerSource =
    "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the LED stays red?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If your camera still has a red LED, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>";
const char *const resetSource =
    "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
    "After reset your camera, click <b>Restart</b> to continue.";
const char *const resetingSource =
    "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
    "After reseting your camera, click <b>Restart</b> to continue.";

// The frame translates these at run time with the page's class name; this
// table puts them into each page's context of the translation files.
[[maybe_unused]] const char
    *const frameTexts[] =
        {
            QT_TRANSLATE_NOOP("plugPage", "plug"),
            QT_TRANSLATE_NOOP("plugPage", "select"),
            QT_TRANSLATE_NOOP("plugPage", "connect"),
            QT_TRANSLATE_NOOP("plugPage", "join"),
            QT_TRANSLATE_NOOP("selectPage", "plug"),
            QT_TRANSLATE_NOOP("selectPage", "select"),
            QT_TRANSLATE_NOOP("selectPage", "connect"),
            QT_TRANSLATE_NOOP("selectPage", "join"),
            QT_TRANSLATE_NOOP("connectPage", "plug"),
            QT_TRANSLATE_NOOP("connectPage", "select"),
            QT_TRANSLATE_NOOP("connectPage", "connect"),
            QT_TRANSLATE_NOOP("connectPage", "join"),
            QT_TRANSLATE_NOOP("failedPage", "plug"),
            QT_TRANSLATE_NOOP("failedPage", "select"),
            QT_TRANSLATE_NOOP("failedPage", "connect"),
            QT_TRANSLATE_NOOP("failedPage", "join"),
            QT_TRANSLATE_NOOP("joinPage1", "plug"),
            QT_TRANSLATE_NOOP("joinPage1", "select"),
            QT_TRANSLATE_NOOP("joinPage1", "connect"),
            QT_TRANSLATE_NOOP("joinPage1", "join"),
            QT_TRANSLATE_NOOP("joinPage2", "plug"),
            QT_TRANSLATE_NOOP("joinPage2", "select"),
            QT_TRANSLATE_NOOP("joinPage2", "connect"),
            QT_TRANSLATE_NOOP("joinPage2", "join"),
            QT_TRANSLATE_NOOP("joinPage3", "plug"),
            QT_TRANSLATE_NOOP("joinPage3", "select"),
            QT_TRANSLATE_NOOP("joinPage3", "connect"),
            QT_TRANSLATE_NOOP("joinPage3", "join"),
            QT_TRANSLATE_NOOP("joinPage4", "plug"),
            QT_TRANSLATE_NOOP("joinPage4", "select"),
            QT_TRANSLATE_NOOP("joinPage4", "connect"),
            QT_TRANSLATE_NOOP("joinPage4", "join"),
            QT_TRANSLATE_NOOP("joinPage", "plug"),
            QT_TRANSLATE_NOOP("joinPage", "select"),
            QT_TRANSLATE_NOOP("joinPage", "connect"),
            QT_TRANSLATE_NOOP("joinPage", "join"),

            QT_TRANSLATE_NOOP(
                "plugPage",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "selectPage",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "connectPage",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "failedPage",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "joinPage1",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "joinPage2",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "joinPage3",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "joinPage4",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
            QT_TRANSLATE_NOOP(
                "joinPage",
                "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),

            // The four pages with the LED question and the reset instructions.
            QT_TRANSLATE_NOOP("plugPage", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("plugPage", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("plugPage", "Yes"),
            QT_TRANSLATE_NOOP("plugPage", "No"),
            QT_TRANSLATE_NOOP("plugPage", "Restart    "),
            QT_TRANSLATE_NOOP("plugPage", "Close    "),
            QT_TRANSLATE_NOOP(
                "plugPage",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue."),
            QT_TRANSLATE_NOOP("selectPage", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("selectPage", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("selectPage", "Yes"),
            QT_TRANSLATE_NOOP("selectPage", "No"),
            QT_TRANSLATE_NOOP("selectPage", "Restart    "),
            QT_TRANSLATE_NOOP("selectPage", "Close    "),
            QT_TRANSLATE_NOOP(
                "selectPage",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue."),
            QT_TRANSLATE_NOOP("connectPage", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("connectPage", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("connectPage", "Yes"),
            QT_TRANSLATE_NOOP("connectPage", "No"),
            QT_TRANSLATE_NOOP("connectPage", "Restart    "),
            QT_TRANSLATE_NOOP("connectPage", "Close    "),
            QT_TRANSLATE_NOOP(
                "connectPage",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue."),
            QT_TRANSLATE_NOOP("joinPage1", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("joinPage1", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("joinPage1", "Yes"),
            QT_TRANSLATE_NOOP("joinPage1", "No"),
            QT_TRANSLATE_NOOP("joinPage1", "Restart    "),
            QT_TRANSLATE_NOOP("joinPage1", "Close    "),
            QT_TRANSLATE_NOOP(
                "joinPage1",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue."),

            // The two pages with the LED help box.
            QT_TRANSLATE_NOOP(
                "plugPage",
                "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the Link LED stays off?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If the link LED still stays off, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
            QT_TRANSLATE_NOOP(
                "plugPage",
                "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the LED stays red?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If your camera still has a red LED, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
            QT_TRANSLATE_NOOP("connectPage",
                              "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the Link LED stays off?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If the link LED still stays off, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
            QT_TRANSLATE_NOOP(
                "connectPage",
                "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the LED stays red?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If your camera still has a red LED, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
};

const QString currentStepPicture =
    QStringLiteral("background-image: url(:/images/nav_blue.png);border:none;");
const QString otherStepPicture =
    QStringLiteral("background-image: url(:/images/nave_grey.png);border:none;");

}  // namespace

pageFrame::pageFrame(pageId id, QWidget *parent) : QWizardPage(parent), m_id(id)
{
    setFixedSize(pageWidth, pageHeight);
    setFont(QFont(QStringLiteral("Arial")));
}

int pageFrame::nextId() const
{
    return nextPage;
}

bool pageFrame::isActivePage(const char *notActiveLine) const
{
    if (nextPage == m_id)
        return true;
    qDebug().noquote() << notActiveLine;
    return false;
}

QString pageFrame::pageTr(const char *source) const
{
    // The texts reach the catalogues through the QT_TRANSLATE_NOOP lists;
    // here they are looked up in the context of the page's own class.
    const char *context = metaObject()->className();
    return QCoreApplication::translate(context, source);
}

QString pageFrame::warningHeading()
{
    return QString::fromUtf8(headingSource);
}

QString pageFrame::warningText(const QString &message) const
{
    return pageTr(headingSource) + message;
}

// ------------------------------------------------------------------ frame

void pageFrame::setupFrame(const QString &title, int titleWidth, step current, stepFont font,
                           const QString &titleStyle)
{
    createBackground();
    createTitle(title, titleWidth, titleStyle);
    createStepButtons(current, font);
}

QLabel *pageFrame::createBackground(const QString &picture, QRect place)
{
    m_background = pictureLabel(this, picture, place);
    m_background->setObjectName(QStringLiteral("backgroundLabel"));
    return m_background;
}

QLabel *pageFrame::createTitle(const QString &title, int width, const QString &style)
{
    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    m_title->setStyleSheet(style);
    QFont f = m_title->font();
    f.setFamily(QStringLiteral("Verdana"));
    m_title->setFont(f);
    m_title->setGeometry(30, 60, width, 60);
    return m_title;
}

void pageFrame::createStepButtons(step current, stepFont font)
{
    for (int i = 0; i < 4; ++i) {
        QString style;
        if (i == current) {
            style = currentStepPicture;
            if (font == stepFont15px)
                style += QStringLiteral("font:15px;");
            else if (font == stepFontCurrent12pt)
                style += QStringLiteral("font:12pt;");
            style += QStringLiteral("color:rgb(255,255,255);");
        } else {
            style = otherStepPicture;
            if (font != stepFontNone)
                style += QStringLiteral("font:15px;");
            style += QStringLiteral("color:rgb(114,113,113);");
        }
        auto *b = pictureButton({pageTr(stepSources[i]), style, QString(), QSize(75, 29)}, this,
                                QPoint(390 + 76 * i, 80));
        b->setObjectName(QStringLiteral("stepButton%1").arg(i));
        b->setEnabled(false);
        m_stepButtons.append(b);
    }
}

QPushButton *pageFrame::createButton(const boxButton &button, QPoint pos)
{
    QPushButton *b = pictureButton(button, this, pos);
    b->installEventFilter(this);
    return b;
}

// ------------------------------------------------------- page reached

void pageFrame::showEvent(QShowEvent *event)
{
    // Shown by the wizard (a page change or the window appearing), not as
    // a window of its own.
    if (!event->spontaneous() && !isWindow())
        m_shownClock.start();
    QWizardPage::showEvent(event);
}

void pageFrame::hideEvent(QHideEvent *event)
{
    // The page is left, whatever the road.
    if (!event->spontaneous())
        releaseControls();
    QWizardPage::hideEvent(event);
}

bool pageFrame::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && m_shownClock.isValid()
        && m_shownClock.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
        qDebug().noquote() << "A click that came with the page is ignored:"
                           << watched->objectName();
        return true;
    }
    return QWizardPage::eventFilter(watched, event);
}

void pageFrame::holdControls(const QList<QWidget *> &controls)
{
    for (QWidget *w : controls) {
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            m_held.append(w);
        }
    }
}

void pageFrame::releaseControls()
{
    const QList<QPointer<QWidget>> held = std::exchange(m_held, {});
    for (const QPointer<QWidget> &w : held) {
        if (w)
            w->setEnabled(true);
    }
}

// ------------------------------------------------------------------- veil

QLabel *pageFrame::createVeil(QSize size)
{
    m_veil = pictureLabel(this, QString::fromLatin1(veilPicture), QRect(QPoint(0, 70), size));
    m_veil->setObjectName(QStringLiteral("veilLabel"));
    m_veil->hide();
    return m_veil;
}

void pageFrame::useWaitPictureAsVeil()
{
    Q_ASSERT(m_wait);
    m_veil = m_wait->cover();
}

void pageFrame::showVeil(QLabel *veil)
{
    if (!veil)
        veil = m_veil;
    if (!veil)
        return;
    // A wait picture may show a wait frame.
    setPicture(veil, QString::fromLatin1(veilPicture));
    veil->show();
}

void pageFrame::hideVeil(QLabel *veil)
{
    if (!veil)
        veil = m_veil;
    if (veil)
        veil->hide();
}

// ------------------------------------------------------------- navigation

void pageFrame::moveOn(pageId target)
{
    releaseControls();
    nextPage = target;
    if (QWizard *w = wizard())
        w->next();
}

void pageFrame::jumpTo(pageId target)
{
    releaseControls();
    nextPage = target;
    if (QWizard *w = wizard()) {
        w->setStartId(target);
        w->restart();
    }
}

void pageFrame::restartAndStep()
{
    releaseControls();
    nextPage = selectPageId;
    if (QWizard *w = wizard()) {
        w->setStartId(plugPageId);
        w->restart();
        w->next();
    }
}

void pageFrame::backTo(pageId target)
{
    releaseControls();
    nextPage = target;
    QWizard *w = wizard();
    if (!w)
        return;
    // Back through the history only when that shows the target: a road
    // through another page would leave the wizard on a page whose slots
    // stay shut, as nextPage names the target.
    const QList<int> history = w->visitedIds();
    if (w->startId() == plugPageId && history.size() >= 2
        && history.at(history.size() - 2) == target) {
        w->back();
        // The toolkit shows the page without its entry step.
        auto *page = qobject_cast<pageFrame *>(w->currentPage());
        if (page && page->entersAgainOnBack())
            page->initializePage();
    } else {
        w->setStartId(target);
        w->restart();
    }
}

// ------------------------------------------------------------------ boxes

QWidget *pageFrame::wizardWindow() const
{
    if (QWizard *w = wizard())
        return w;
    return window();
}

int pageFrame::runBox(pageBox &box, QPoint offset, veilRoad road, QLabel *veil)
{
    const int answer = box.run(wizardWindow(), offset);
    if (answer >= 0 && road == hideVeilOnAnswer)
        hideVeil(veil);
    return answer;
}

int pageFrame::warningBox(const QString &message, const QList<boxButton> &buttons, QPoint offset,
                          veilRoad road, QLabel *veil)
{
    return messageBox(warningText(message), QMessageBox::Warning, buttons, offset, road, veil);
}

int pageFrame::messageBox(const QString &text, QMessageBox::Icon icon,
                          const QList<boxButton> &buttons, QPoint offset, veilRoad road,
                          QLabel *veil, int textWidth)
{
    showVeil(veil);
    pageBox box(text, icon);
    box.addPictureButtons(buttons);
    if (textWidth > 0)
        box.setTextWidth(textWidth);
    return runBox(box, offset, road, veil);
}

int pageFrame::formBox(const QString &text, QMessageBox::Icon icon, const QList<boxButton> &buttons,
                       QPoint offset, int textWidth)
{
    hideForms();
    const int answer =
        messageBox(text, icon, buttons, offset, hideVeilOnAnswer, nullptr, textWidth);
    if (answer >= 0)
        showChosenForm();
    return answer;
}

QString pageFrame::ledQuestionText() const
{
    return pageTr(models::hasLinkLedOnly(supportType) ? ledLinkSource : ledPowerSource);
}

QList<boxButton> pageFrame::ledAnswerButtons(const QString &fontSize) const
{
    const QString style = buttonStyle(buttonPicture::answer, fontSize);
    return {{pageTr("Yes"), style, QString(), QSize(84, 24)},
            {pageTr("No"), style, QString(), QSize(84, 24)}};
}

QPoint pageFrame::ledQuestionOffset() const
{
    return QPoint(width() / 2 - 170, height() / 2 - 10);
}

int pageFrame::ledQuestionBox(const QString &fontSize, veilRoad road)
{
    showVeil();
    pageBox box(ledQuestionText(), QMessageBox::Warning);
    box.addPictureButtons(ledAnswerButtons(fontSize));
    return runBox(box, ledQuestionOffset(), road, nullptr);
}

int pageFrame::helpBox(const helpText &text, const QList<boxButton> &buttons, QPoint offset,
                       std::function<void(const QString &)> onLink, QLabel *veil)
{
    showVeil(veil);
    pageBox box;
    box.addPictureButtons(buttons);
    QLabel *label =
        box.addRichText(text.html, text.size, text.row, text.pictureFile, text.pictureSize);
    if (onLink)
        connect(label, &QLabel::linkActivated, this, std::move(onLink));
    m_helpBox = &box;
    const int answer = runBox(box, offset, hideVeilOnAnswer, veil);
    m_helpBox = nullptr;
    if (answer >= 0)
        box.close();
    return answer;
}

int pageFrame::ledHelpBox(std::function<void(const QString &)> onLink, QLabel *veil)
{
    const QString html =
        pageTr(models::hasLinkLedOnly(supportType) ? ledHelpLinkSource : ledHelpPowerSource);
    return helpBox({html, QSize(420, 210), 0},
                   {closingButton(pageTr("Close    "), QStringLiteral("wel_msg_close_btu"))},
                   QPoint(135, 160), std::move(onLink), veil);
}

bool pageFrame::registeredRoad(const QString &text, const QList<boxButton> &buttons, QPoint offset,
                               QLabel *veil, const boxHold &hold)
{
    const int answer = hold(
        [&] { return messageBox(text, QMessageBox::Warning, buttons, offset, keepVeil, veil); });
    if (answer < 0)
        return false;  // taken away without an answer
    if (m_wait)
        m_wait->hide();
    hideVeil(veil);
    if (answer == 0)
        jumpTo(plugPageId);
    else
        moveOn(joinPage1Id);
    return true;
}

void pageFrame::dismissHelpBox()
{
    // Ends the help box's modal run once the calling slot returns.
    if (m_helpBox)
        m_helpBox->dismiss();
}

pageFrame::resetOutcome pageFrame::resetRoad(resetWording wording, const QString &closeObjectName,
                                             const QString &ledFontSize, QLabel *veil)
{
    showVeil(veil);
    dismissHelpBox();

    int answer = -1;
    {
        // Gone before the question follows.
        pageBox box(pageTr(wording == afterReset ? resetSource : resetingSource));
        box.setIconFile(QStringLiteral("images/restart.PNG"));
        box.addPictureButton(confirmingButton(pageTr("Restart    ")));
        box.addPictureButton(closingButton(pageTr("Close    "), closeObjectName));
        answer = box.run(wizardWindow(), QPoint(130, 210));
        if (answer >= 0)
            box.close();
    }
    if (answer < 0)
        return resetOutcome::none;
    if (m_helpBox)
        m_helpBox->close();
    if (answer == resetClose) {
        hideVeil(veil);
        return resetOutcome::closed;
    }

    pageBox question(ledQuestionText(), QMessageBox::Warning);
    question.addPictureButtons(ledAnswerButtons(ledFontSize));
    const int led = question.run(wizardWindow(), ledQuestionOffset());
    if (led < 0)
        return resetOutcome::none;
    hideVeil(veil);
    return led == ledYes ? resetOutcome::restartYes : resetOutcome::restartNo;
}

// --------------------------------------------------------------- wait run

waitRun *pageFrame::createWaitRun(QRect textPlace, const QString &text, const QString &textStyle,
                                  QSize picSize)
{
    m_wait = new waitRun(this, textPlace, text, textStyle, picSize);
    connect(m_wait, &waitRun::ticked, this, &pageFrame::waitTimeout);
    return m_wait;
}
