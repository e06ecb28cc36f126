#include "core/pageframe.h"

#include "core/globals.h"
#include "core/modal.h"
#include "protocol/zvrutils.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWizard>

namespace {

const char *const stepSources[4] = {"plug", "select", "connect", "join"};
const char *const headingSource =
    "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>";
const char *const ledLinkSource = "Is the Link LED on the camera lit green ?";
const char *const ledPowerSource = "Is the Power/Link LED on the camera lit green ?";
const char *const resetSource =
    "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
    "After reset your camera, click <b>Restart</b> to continue.";
const char *const resetingSource =
    "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
    "After reseting your camera, click <b>Restart</b> to continue.";

// The frame translates these at run time with the page's class name; this
// table puts them into each page's context of the translation files.
[[maybe_unused]] const char *const frameTexts[] = {
    QT_TRANSLATE_NOOP("plugPage", "plug"), QT_TRANSLATE_NOOP("plugPage", "select"),
    QT_TRANSLATE_NOOP("plugPage", "connect"), QT_TRANSLATE_NOOP("plugPage", "join"),
    QT_TRANSLATE_NOOP("selectPage", "plug"), QT_TRANSLATE_NOOP("selectPage", "select"),
    QT_TRANSLATE_NOOP("selectPage", "connect"), QT_TRANSLATE_NOOP("selectPage", "join"),
    QT_TRANSLATE_NOOP("connectPage", "plug"), QT_TRANSLATE_NOOP("connectPage", "select"),
    QT_TRANSLATE_NOOP("connectPage", "connect"), QT_TRANSLATE_NOOP("connectPage", "join"),
    QT_TRANSLATE_NOOP("failedPage", "plug"), QT_TRANSLATE_NOOP("failedPage", "select"),
    QT_TRANSLATE_NOOP("failedPage", "connect"), QT_TRANSLATE_NOOP("failedPage", "join"),
    QT_TRANSLATE_NOOP("joinPage1", "plug"), QT_TRANSLATE_NOOP("joinPage1", "select"),
    QT_TRANSLATE_NOOP("joinPage1", "connect"), QT_TRANSLATE_NOOP("joinPage1", "join"),
    QT_TRANSLATE_NOOP("joinPage2", "plug"), QT_TRANSLATE_NOOP("joinPage2", "select"),
    QT_TRANSLATE_NOOP("joinPage2", "connect"), QT_TRANSLATE_NOOP("joinPage2", "join"),
    QT_TRANSLATE_NOOP("joinPage3", "plug"), QT_TRANSLATE_NOOP("joinPage3", "select"),
    QT_TRANSLATE_NOOP("joinPage3", "connect"), QT_TRANSLATE_NOOP("joinPage3", "join"),
    QT_TRANSLATE_NOOP("joinPage4", "plug"), QT_TRANSLATE_NOOP("joinPage4", "select"),
    QT_TRANSLATE_NOOP("joinPage4", "connect"), QT_TRANSLATE_NOOP("joinPage4", "join"),
    QT_TRANSLATE_NOOP("joinPage", "plug"), QT_TRANSLATE_NOOP("joinPage", "select"),
    QT_TRANSLATE_NOOP("joinPage", "connect"), QT_TRANSLATE_NOOP("joinPage", "join"),

    QT_TRANSLATE_NOOP("plugPage", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("selectPage", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("connectPage", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("failedPage", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage1", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage2", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage3", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage4", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),
    QT_TRANSLATE_NOOP("joinPage", "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"),

    // The four pages with the LED question and the reset instructions.
    QT_TRANSLATE_NOOP("plugPage", "Is the Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("plugPage", "Is the Power/Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("plugPage", "Yes"), QT_TRANSLATE_NOOP("plugPage", "No"),
    QT_TRANSLATE_NOOP("plugPage", "Restart    "), QT_TRANSLATE_NOOP("plugPage", "Close    "),
    QT_TRANSLATE_NOOP("plugPage", "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue."),
    QT_TRANSLATE_NOOP("selectPage", "Is the Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("selectPage", "Is the Power/Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("selectPage", "Yes"), QT_TRANSLATE_NOOP("selectPage", "No"),
    QT_TRANSLATE_NOOP("selectPage", "Restart    "), QT_TRANSLATE_NOOP("selectPage", "Close    "),
    QT_TRANSLATE_NOOP("selectPage", "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue."),
    QT_TRANSLATE_NOOP("connectPage", "Is the Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("connectPage", "Is the Power/Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("connectPage", "Yes"), QT_TRANSLATE_NOOP("connectPage", "No"),
    QT_TRANSLATE_NOOP("connectPage", "Restart    "), QT_TRANSLATE_NOOP("connectPage", "Close    "),
    QT_TRANSLATE_NOOP("connectPage", "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue."),
    QT_TRANSLATE_NOOP("joinPage1", "Is the Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("joinPage1", "Is the Power/Link LED on the camera lit green ?"),
    QT_TRANSLATE_NOOP("joinPage1", "Yes"), QT_TRANSLATE_NOOP("joinPage1", "No"),
    QT_TRANSLATE_NOOP("joinPage1", "Restart    "), QT_TRANSLATE_NOOP("joinPage1", "Close    "),
    QT_TRANSLATE_NOOP("joinPage1", "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue."),
};

const QString currentStepPicture = QStringLiteral("background-image: url(:/images/nav_blue.png);border:none;");
const QString otherStepPicture = QStringLiteral("background-image: url(:/images/nave_grey.png);border:none;");

QPushButton *pictureButton(const boxButton &spec, QWidget *parent)
{
    auto *button = new QPushButton(spec.caption, parent);
    button->setFlat(true);
    button->setFixedSize(spec.size);
    button->setFont(QFont(QStringLiteral("Arial")));
    button->setStyleSheet(spec.style);
    if (!spec.objectName.isEmpty())
        button->setObjectName(spec.objectName);
    return button;
}

}  // namespace

void setPicture(QLabel *label, const QString &file)
{
    label->setProperty("picture", file);
    const QPixmap picture(file);
    // A missing picture leaves the label empty.
    label->setPixmap(picture.isNull() ? picture
                                      : picture.scaled(label->size(), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation));
}

void keepWizardOnScreen(QWidget *wizardWindow)
{
    if (!wizardWindow)
        return;
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const int x = wizardWindow->x();
    const int y = wizardWindow->y();
    if (x < -200 || x > desktop.width() - 400 || y > desktop.height() - 500) {
        wizardWindow->move((desktop.width() - wizardWindow->width()) / 2,
                           (desktop.height() - wizardWindow->height()) / 2);
    }
}

QString closingButtonStyle(const QString &fontSize)
{
    return QStringLiteral("background-image: url(:/images/btn_close-no_blue.png);font:%1;"
                          "color:rgb(255,255,255);border: 0px").arg(fontSize);
}

QString confirmingButtonStyle(const QString &fontSize)
{
    return QStringLiteral("background-image: url(:/images/btn_yes_blue.png);font:%1;"
                          "color:rgb(255,255,255);border: 0px").arg(fontSize);
}

boxButton closingButton(const QString &caption, const QString &objectName)
{
    return {caption, closingButtonStyle(), objectName};
}

boxButton confirmingButton(const QString &caption, const QString &objectName)
{
    return {caption, confirmingButtonStyle(), objectName};
}

// ---------------------------------------------------------------- pageBox

pageBox::pageBox(const QString &text, Icon icon)
    : QMessageBox()
{
    if (icon != NoIcon)
        setIcon(icon);
    setText(text);
    setStyleSheet(boxStyle);
    setFont(QFont(QStringLiteral("Arial")));
    setWindowFlags(Qt::FramelessWindowHint);
}

void pageBox::setIconFile(const QString &file)
{
    setIconPixmap(QPixmap(file));
}

QPushButton *pageBox::addPictureButton(const boxButton &button)
{
    QPushButton *b = pictureButton(button, nullptr);
    addButton(b, QMessageBox::ActionRole);
    m_buttons.append(b);
    return b;
}

void pageBox::addPictureButtons(const QList<boxButton> &buttons)
{
    for (const boxButton &b : buttons)
        addPictureButton(b);
}

QLabel *pageBox::addRichText(const QString &html, QSize size, int row,
                             const QString &pictureFile, QSize pictureSize)
{
    auto *grid = qobject_cast<QGridLayout *>(layout());
    QBoxLayout *box = pictureFile.isEmpty() ? static_cast<QBoxLayout *>(new QVBoxLayout)
                                            : static_cast<QBoxLayout *>(new QHBoxLayout);
    auto *label = new QLabel(html, this);
    label->setFixedSize(size);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    box->addWidget(label);
    if (!pictureFile.isEmpty()) {
        auto *picture = new QLabel(this);
        picture->setFixedSize(pictureSize);
        setPicture(picture, pictureFile);
        box->addWidget(picture);
    }
    if (grid)
        grid->addLayout(box, row, 1);
    else
        layout()->addItem(box);
    return label;
}

int pageBox::run(QWidget *wizardWindow, QPoint offset)
{
    ::keepWizardOnScreen(wizardWindow);
    if (wizardWindow)
        move(wizardWindow->pos() + offset);
    runModal(this);
    return answerIndex();
}

QAbstractButton *pageBox::answer() const
{
    return m_dismissed ? nullptr : clickedButton();
}

int pageBox::answerIndex() const
{
    QAbstractButton *b = answer();
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i) == b)
            return i;
    }
    return -1;
}

void pageBox::dismiss()
{
    m_dismissed = true;
    hide();
}

// -------------------------------------------------------------- pageFrame

pageFrame::pageFrame(QWidget *parent)
    : QWizardPage(parent)
{
    setFixedSize(pageWidth, pageHeight);
    setFont(QFont(QStringLiteral("Arial")));
}

int pageFrame::nextId() const
{
    return nextPage;
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

QString pageFrame::waitFramePicture(int ticks)
{
    return QStringLiteral(":/images/loading0%1.png").arg(1 + ticks % 7);
}

QString pageFrame::waitDots(int ticks)
{
    return QString((ticks % 7) / 2 + 1, QLatin1Char('.'));
}

void pageFrame::setupFrame(const QString &title, int titleWidth, step current, stepFont font,
                           const QString &titleStyle)
{
    createBackground();
    createTitle(title, titleWidth, titleStyle);
    createStepButtons(current, font);
}

QLabel *pageFrame::createBackground(const QString &picture, QRect place)
{
    backgroundLabel = pictureLabel(this, picture, place);
    return backgroundLabel;
}

QLabel *pageFrame::createTitle(const QString &title, int width, const QString &style)
{
    titleLabel = new QLabel(title, this);
    titleLabel->setStyleSheet(style);
    QFont f = titleLabel->font();
    f.setFamily(QStringLiteral("Verdana"));
    titleLabel->setFont(f);
    titleLabel->setGeometry(30, 60, width, 60);
    return titleLabel;
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
        auto *b = pictureButton({pageTr(stepSources[i]), style, QString(), QSize(75, 29)}, this);
        b->setEnabled(false);
        b->move(390 + 76 * i, 80);
        stepButtons.append(b);
    }
}

QPushButton *pageFrame::createButton(const boxButton &button, QPoint pos)
{
    QPushButton *b = pictureButton(button, this);
    b->move(pos);
    return b;
}

QLabel *pageFrame::createVeil(QSize size)
{
    QLabel *veil = pictureLabel(this, QStringLiteral(":/images/loading00.png"), QRect(QPoint(0, 70), size));
    veil->hide();
    return veil;
}

void pageFrame::showAsVeil(QLabel *label)
{
    setPicture(label, QStringLiteral(":/images/loading00.png"));
    label->show();
}

// ------------------------------------------------------------- navigation

void pageFrame::moveOn(int target)
{
    nextPage = target;
    if (QWizard *w = wizard())
        w->next();
}

void pageFrame::jumpTo(int target)
{
    nextPage = target;
    if (QWizard *w = wizard()) {
        w->setStartId(target);
        w->restart();
    }
}

void pageFrame::restartAndStep()
{
    nextPage = 1;
    if (QWizard *w = wizard()) {
        w->setStartId(0);
        w->restart();
        w->next();
    }
}

void pageFrame::backTo(int target)
{
    nextPage = target;
    QWizard *w = wizard();
    if (!w)
        return;
    if (w->startId() == 0) {
        w->back();
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

void pageFrame::keepWizardOnScreen() const
{
    ::keepWizardOnScreen(wizardWindow());
}

int pageFrame::warningBox(QLabel *veil, const QString &message, const QList<boxButton> &buttons,
                          QPoint offset)
{
    return messageBox(veil, pageTr(headingSource) + message, QMessageBox::Warning, buttons, offset);
}

int pageFrame::messageBox(QLabel *veil, const QString &text, QMessageBox::Icon icon,
                          const QList<boxButton> &buttons, QPoint offset)
{
    if (veil)
        veil->show();
    pageBox box(text, icon);
    box.addPictureButtons(buttons);
    return box.run(wizardWindow(), offset);
}

QList<boxButton> pageFrame::ledAnswerButtons(const QString &fontSize) const
{
    const QString style = QStringLiteral("background-image: url(:/images/cancel_button_blue.png);"
                                         "font:%1;color:rgb(255,255,255);border: 0px").arg(fontSize);
    return {{pageTr("Yes"), style, QString(), QSize(84, 24)},
            {pageTr("No"), style, QString(), QSize(84, 24)}};
}

QPoint pageFrame::ledQuestionOffset() const
{
    return QPoint(width() / 2 - 170, height() / 2 - 10);
}

void pageFrame::setupLedQuestion(pageBox &box, const QList<boxButton> &buttons) const
{
    box.setIcon(QMessageBox::Warning);
    const bool linkOnly = supportType == QLatin1String("KSM-6140E")
                          || supportType == QLatin1String("KSM-6120E");
    box.setText(pageTr(linkOnly ? ledLinkSource : ledPowerSource));
    box.addPictureButtons(buttons.isEmpty() ? ledAnswerButtons() : buttons);
}

int pageFrame::ledQuestionBox(QLabel *veil, const QList<boxButton> &buttons)
{
    return ledQuestionBox(veil, buttons, ledQuestionOffset());
}

int pageFrame::ledQuestionBox(QLabel *veil, const QList<boxButton> &buttons, QPoint offset)
{
    if (veil)
        veil->show();
    pageBox box;
    setupLedQuestion(box, buttons);
    return box.run(wizardWindow(), offset);
}

void pageFrame::setupResetInstructions(pageBox &box, resetWording wording,
                                       const QString &closeObjectName) const
{
    box.setIconFile(QStringLiteral("images/restart.PNG"));
    box.setText(pageTr(wording == afterReset ? resetSource : resetingSource));
    box.addPictureButton(confirmingButton(pageTr("Restart    ")));
    box.addPictureButton(closingButton(pageTr("Close    "), closeObjectName));
}

int pageFrame::resetInstructionsBox(QLabel *veil, resetWording wording,
                                    const QString &closeObjectName, QPoint offset)
{
    if (veil)
        veil->show();
    pageBox box;
    setupResetInstructions(box, wording, closeObjectName);
    return box.run(wizardWindow(), offset);
}

int pageFrame::helpBox(QLabel *veil, const QString &html, QSize size, int row,
                       const QList<boxButton> &buttons, QPoint offset,
                       std::function<void(const QString &)> onLink)
{
    if (veil)
        veil->show();
    pageBox box;
    box.addPictureButtons(buttons);
    QLabel *label = box.addRichText(html, size, row);
    if (onLink)
        connect(label, &QLabel::linkActivated, this, std::move(onLink));
    return box.run(wizardWindow(), offset);
}

// --------------------------------------------------------------- wait run

void pageFrame::setupWaitRun(QRect textPlace, const QString &text, const QString &textStyle,
                             QSize picSize)
{
    waitTimer = new QTimer(this);
    waitTimer->setInterval(100);
    connect(waitTimer, &QTimer::timeout, this, &pageFrame::waitTimeout);

    waitPicLabel = pictureLabel(this, QStringLiteral(":/images/loading01.png"), QRect(QPoint(0, 70), picSize));
    waitPicLabel->hide();

    waitTextLabel = new QLabel(text, this);
    waitTextLabel->setGeometry(textPlace);
    waitTextLabel->setStyleSheet(textStyle);
    waitTextLabel->setFont(QFont(QStringLiteral("Arial")));
    waitTextLabel->hide();
}

void pageFrame::startWaitRun()
{
    waitTicks = 0;
    waitTimer->start(100);
}

void pageFrame::showWaitFrame(const QString &phrase)
{
    waitPicLabel->show();
    waitTextLabel->show();
    setPicture(waitPicLabel, waitFramePicture(waitTicks));
    waitTextLabel->setText(QStringLiteral("<b>") + phrase + waitDots(waitTicks)
                           + QStringLiteral("</b>"));
}

int pageFrame::waitTick(const QString &phrase)
{
    showWaitFrame(phrase);
    return ++waitTicks;
}

void pageFrame::raiseWaitTicks(int atLeast)
{
    waitTicks = qMax(waitTicks, atLeast);
}

void pageFrame::endWaitRun()
{
    waitTimer->stop();
    waitPicLabel->hide();
    waitTextLabel->hide();
}
