#include "core/pageframe.h"

#include "core/globals.h"
#include "core/waitrun.h"
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
// The frame translates these at run time with the page's class name; this
// table puts them into each page's context of the translation files.
[[maybe_unused]] const char *const frameTexts[] = {
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

    QT_TRANSLATE_NOOP("plugPage",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("selectPage",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("connectPage",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("failedPage",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage1",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage2",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage3",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage4",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage",
                      "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
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

void pageFrame::dismissHelpBox()
{
    // Ends the help box's modal run once the calling slot returns.
    if (m_helpBox)
        m_helpBox->dismiss();
}

void pageFrame::closeHelpBox()
{
    if (m_helpBox)
        m_helpBox->close();
}

// --------------------------------------------------------------- wait run

waitRun *pageFrame::createWaitRun(QRect textPlace, const QString &text, const QString &textStyle,
                                  QSize picSize)
{
    m_wait = new waitRun(this, textPlace, text, textStyle, picSize);
    connect(m_wait, &waitRun::ticked, this, &pageFrame::waitTimeout);
    return m_wait;
}
