#include "pages/setup/plugpage.h"

#include "core/globals.h"
#include "pages/setup/movelabel.h"
#include "pages/setup/plugplacement.h"
#include "platform/platform.h"
#include "protocol/models.h"
#include "protocol/zvrutils.h"

#include <QDebug>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWizard>

namespace {

constexpr int cycleInterval = 3000;

const char *const stepTexts[4] = {
    QT_TRANSLATE_NOOP(
        "plugPage", "1.Connect the Ethernet cable to the Ethernet port on the back of the camera."),
    QT_TRANSLATE_NOOP(
        "plugPage",
        "2.Connect the other end of the cable to an available LAN port on your router."),
    QT_TRANSLATE_NOOP(
        "plugPage",
        "3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet."),
    QT_TRANSLATE_NOOP("plugPage",
                      "4.The LED on the camera will turn green when the device is ready."),
};
const char *const wpsNoteSource =
    QT_TRANSLATE_NOOP("plugPage", "*Could use Wi-Fi Protected Setup (WPS) instead.");

const QString highlightedStep = QStringLiteral("color:rgb(42,123,182);");
const QString plainStep = QStringLiteral("color:rgb(89,87,87);");
const QString noteStyle = QStringLiteral("font:9px;color:rgb(99,140,11);");

bool hasLinkLedOnly()
{
    return models::hasLinkLedOnly(supportType);
}

moveLabel *noteLabel(QWidget *parent, const QString &style, QRect place, const char *name)
{
    auto *label = new moveLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setFont(QFont(QStringLiteral("Arial")));
    label->setStyleSheet(style);
    return label;
}

}  // namespace

plugPage::plugPage(QWidget *parent) : pageFrame(plugPageId, parent)
{
    setupFrame(tr("Plug your camera"), 300, plugStep, stepFontNone);
    buildStepList();
    buildStepView();
    nextButton = createButton({tr("Next    "), buttonStyle(buttonPicture::next) + QLatin1Char(';'),
                               QStringLiteral("plug_next_but")},
                              QPoint(560, 450));

    showStep(1);
    placeWpsHelpIcon();
    veilLabel = createVeil();

    stepTimer = new QTimer(this);
    stepTimer->setObjectName(QStringLiteral("stepTimer"));
    stepTimer->setInterval(cycleInterval);

    connect(nextButton, &QPushButton::clicked, this, &plugPage::next);
    connect(stepTimer, &QTimer::timeout, this, &plugPage::timerDone);
    connect(stepLabels[0], &moveLabel::signal, this, &plugPage::hintSlot1);
    connect(stepLabels[1], &moveLabel::signal, this, &plugPage::hintSlot2);
    connect(stepLabels[2], &moveLabel::signal, this, &plugPage::hintSlot3);
    connect(stepLabels[3], &moveLabel::signal, this, &plugPage::hintSlot4);
    // The link lies over the step text: a pointer on it holds the step, so
    // the link does not vanish while it is being read.
    for (moveLabel *label : {wpsHelpIcon, stepImage, wpsNote, stepText, ledHintLink})
        connect(label, &moveLabel::signal, this, &plugPage::iconControl);
    connect(ledHintLink, &QLabel::linkActivated, this, &plugPage::hint_MessageBox);
    curStep = 0;
}

// The request, and the four steps with the marker behind the current one.
void plugPage::buildStepList()
{
    confirmLabel = new QLabel(
        tr("Please confirm the following tasks are done before clicking <b>Next</b>."), this);
    confirmLabel->setObjectName(QStringLiteral("confirmLabel"));
    confirmLabel->setGeometry(30, 135, 450, 20);

    // Behind the step labels, so it is made first.
    stepMarker = new QLabel(this);
    stepMarker->setObjectName(QStringLiteral("stepMarker"));
    stepMarker->setFixedSize(254, 30);
    setPicture(stepMarker, QStringLiteral(":/images/bg_left.png"));

    const QString labelTexts[4] = {tr("1. On the camera side"), tr("2. On the router side"),
                                   tr("3. Plug power adapter"),
                                   tr("4. Check LED turns solid green")};
    for (int i = 0; i < 4; ++i) {
        auto *label = new moveLabel(this);
        label->setObjectName(QStringLiteral("stepLabel%1").arg(i + 1));
        label->setText(labelTexts[i]);
        label->setGeometry(30, 185 + 30 * i, i == 3 ? 220 : 180, 20);
        stepLabels.append(label);
    }
}

// The current step's picture in its frame, its text, and the notes over it.
void plugPage::buildStepView()
{
    pictureFrame = pictureLabel<moveLabel>(this, QStringLiteral(":/images/connect_blue_pic.png"),
                                           QRect(274, 168, 411, 257));
    pictureFrame->setObjectName(QStringLiteral("pictureFrame"));
    stepImage = new moveLabel(this);
    stepImage->setObjectName(QStringLiteral("stepImage"));
    stepImage->setGeometry(284, 178, 235, 235);
    stepImage->setFixedSize(235, 235);
    const QString stepTextStyle =
        QStringLiteral("font:%1px;color:rgb(89,87,87);").arg(platform::stepTextPixelSize());
    stepText = noteLabel(this, stepTextStyle, QRect(530, 280, 150, 100), "stepText");
    wpsNote = noteLabel(this, noteStyle, QRect(530, 352, 150, 30), "wpsNote");
    wpsNote->setText(tr(wpsNoteSource));
    wpsHelpIcon = pictureLabel<moveLabel>(this, QStringLiteral(":/images/icon_help.png"),
                                          QRect(0, 0, 14, 15));
    wpsHelpIcon->setObjectName(QStringLiteral("wpsHelpIcon"));
    wpsHelpIcon->setStyleSheet(noteStyle);
    wpsHelpIcon->setToolTip(tr("You can also use WPS button to<br>establish connection in this "
                               "step<br>or follow the instruction in later step."));
    ledHintLink = noteLabel(this, noteStyle, QRect(530, 335, 150, 30), "ledHintLink");
}

void plugPage::placeWpsHelpIcon()
{
    // Measured in the note's own 9px font, which its style sheet sets when
    // the label is polished.
    wpsNote->ensurePolished();
    const QFontMetrics metrics(wpsNote->font());
    wpsHelpIcon->move(
        plugPlacement::wpsIconPlace(metrics.horizontalAdvance(wpsNote->text()), metrics.height()));
}

plugPage::~plugPage()
{
    qDebug("Left Plug Page.");
}

void plugPage::initializePage()
{
    qDebug("this is plugPage!");
    // The wizard's Back shows the page again without this call.
    if (QWizard *w = wizard())
        connect(w, &QWizard::currentIdChanged, this, &plugPage::currentPageChanged,
                Qt::UniqueConnection);
    // curStep stays: a page entered again goes on with its cycle.
    stepTimer->start(cycleInterval);
    nextButton->setFocus();
}

// The cycle runs while the page is shown, on whatever road it came back,
// and stops behind the other pages.
void plugPage::currentPageChanged(int id)
{
    if (id != plugPageId) {
        stepTimer->stop();
        return;
    }
    if (veilLabel->isHidden())
        stepTimer->start(cycleInterval);
    nextButton->setFocus();
}

QString plugPage::ledHintText() const
{
    return hasLinkLedOnly()
               ? tr(
                   "<a href = terms><font size=3 color=#638c0b>What do I do if the Link LED stays off?</font></a>")
               : tr(
                   "<a href = terms><font size=3 color=#638c0b>What do I do if the LED stays red?</font></a>");
}

void plugPage::showStep(int step)
{
    for (int i = 0; i < stepLabels.size(); ++i)
        stepLabels[i]->setStyleSheet(i == step - 1 ? highlightedStep : plainStep);
    stepMarker->move(30, 180 + 30 * (step - 1));
    stepMarker->show();
    setPicture(stepImage, QStringLiteral("images/plug_step%1.png").arg(step));
    pictureFrame->show();
    stepText->setText(pageTr(stepTexts[step - 1]));
    switch (step) {
    case 1:
    case 2:
        wpsNote->setText(tr(wpsNoteSource));
        wpsNote->setVisible(isWireless);
        wpsHelpIcon->setVisible(isWireless);
        ledHintLink->hide();
        break;
    case 3:
        wpsNote->hide();
        wpsHelpIcon->hide();
        ledHintLink->hide();
        break;
    default:
        ledHintLink->setText(ledHintText());
        ledHintLink->setToolTip(QString());
        wpsNote->hide();
        wpsHelpIcon->hide();
        ledHintLink->show();
        break;
    }
}

void plugPage::timerDone()
{
    wpsNote->hide();
    ledHintLink->hide();
    wpsHelpIcon->hide();
    stepMarker->show();
    if (curStep >= 0 && curStep <= 2) {
        showStep(curStep + 1);
        ++curStep;
    } else if (curStep == 3) {
        showStep(4);
        curStep = 0;
    } else {
        curStep = 0;
    }
}

// A box holds the cycle until its own answer resumes it; the pointer
// leaving a label as the veil covers it must not.
void plugPage::resumeCycle()
{
    if (veilLabel->isHidden())
        stepTimer->start(cycleInterval);
}

void plugPage::hoverStep(int step, bool hovered)
{
    if (hovered) {
        stepTimer->stop();
        showStep(step);
    } else {
        curStep = step - 1;  // the next tick shows this step once more
        resumeCycle();
    }
}

void plugPage::hintSlot1(bool hovered)
{
    hoverStep(1, hovered);
}

void plugPage::hintSlot2(bool hovered)
{
    hoverStep(2, hovered);
}

void plugPage::hintSlot3(bool hovered)
{
    hoverStep(3, hovered);
}

void plugPage::hintSlot4(bool hovered)
{
    hoverStep(4, hovered);
}

void plugPage::iconControl(bool hovered)
{
    if (hovered)
        stepTimer->stop();
    else
        resumeCycle();
}

void plugPage::next()
{
    stepTimer->stop();
    const int answer = roads.ledQuestionBox();
    if (answer == cameraRoads::ledNo) {
        stepTimer->start(cycleInterval);
    } else if (answer == cameraRoads::ledYes) {
        stepTimer->stop();
        moveOn(selectPageId);
    }
}

void plugPage::hint_MessageBox()
{
    stepTimer->stop();
    const int answer = roads.ledHelpBox([this](const QString &link) { openMymsgBox(link); });
    if (answer == 0)
        stepTimer->start(cycleInterval);
}

void plugPage::openMymsgBox(const QString &)
{
    stepTimer->stop();
    using outcome = cameraRoads::resetOutcome;
    switch (roads.resetRoad(cameraRoads::afterReset, QStringLiteral("wel_msg_close_btu"))) {
    case outcome::closed:
    case outcome::restartNo: stepTimer->start(cycleInterval); break;
    case outcome::restartYes: moveOn(selectPageId); break;
    case outcome::none: break;
    }
}
