#include "pages/setup/connectpage.h"

#include "core/globals.h"
#include "core/waitrun.h"
#include "pages/setup/movelabel.h"
#include "pages/setup/networkcheck.h"
#include "pages/setup/networksetup.h"
#include "protocol/ipcamera.h"
#include "protocol/models.h"
#include "protocol/zvrutils.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QMutexLocker>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

constexpr int stepInterval = 2000;
constexpr int apSearchInterval = 1000;

const QString entryHighlighted = QStringLiteral("color:rgb(42,123,182);");
const QString entryPlain = QStringLiteral("color:rgb(89,87,87);");
const QString entryStyle = QStringLiteral("font:13px;color:rgb(89,87,87);");
const QString linkStyle = QStringLiteral("font:11px;color:rgb(99,140,11);");
const QString rescanIdle = QStringLiteral(
    "background-image: url(:/images/conn_rescan_but.png);font:14px;color:rgb(255,255,255);border: 0px");
const QString rescanBusy = QStringLiteral(
    "background-image: url(:/images/small_light_but.png);font:14px;color:rgb(255,255,255);border: 0px");

struct instructionStep {
    const char *picture;
    int markerY;
    const char *text;
};
const instructionStep steps[7] = {
    {"images/connect_step1_pic1.png", 240,
     QT_TRANSLATE_NOOP(
         "connectPage",
         "1.Connect the Ethernet cable to the Ethernet port on the back of the camera.")},
    {"images/connect_step1_pic2.png", 270,
     QT_TRANSLATE_NOOP(
         "connectPage",
         "2.Connect the other end of the cable to an available LAN port on your router.")},
    {"images/connect_step1_pic3.png", 300,
     QT_TRANSLATE_NOOP("connectPage",
                       "3.The LED on the camera will turn solid green when the device is ready.")},
    {"images/connect_step2_pic1.png", 300,
     QT_TRANSLATE_NOOP("connectPage", "1.Unplug the Ethernet cable from the camera.")},
    {"images/connect_step2_pic2.png", 330,
     QT_TRANSLATE_NOOP(
         "connectPage",
         "2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.")},
    {"images/connect_step2_pic3.png", 360,
     QT_TRANSLATE_NOOP("connectPage",
                       "3.You now  one minute to press the WPS button on your router.")},
    {"images/connect_step2_pic4.png", 390,
     QT_TRANSLATE_NOOP(
         "connectPage",
         "4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.")},
};

// The help links of steps 5 and 6 (and of step 2 when it is held) are set
// in this font; a system without it falls back to another.
QFont helpLinkFont()
{
    QFont f(QStringLiteral("Timer"), 7);
    f.setWeight(QFont::Normal);
    return f;
}

moveLabel *entryLabel(QWidget *parent, const QString &text, QRect place, const QString &name)
{
    auto *label = new moveLabel(parent);
    label->setObjectName(name);
    label->setText(text);
    label->setGeometry(place);
    label->setStyleSheet(entryStyle);
    label->setFont(QFont(QStringLiteral("Arial")));
    return label;
}

moveLabel *wrappedLabel(QWidget *parent, QRect place, const QString &style, const char *name)
{
    auto *label = new moveLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setStyleSheet(style);
    return label;
}

// A click on a way leaves the focus where it was; Tab reaches the ways, so
// that a keyboard user can choose one (no way is chosen for a camera on
// Wi-Fi, and Next waits for one).
QRadioButton *wayRadio(QWidget *parent, const QString &text, QRect place, const char *name)
{
    QRadioButton *radio = namedRadio(parent, name, text, place);
    radio->setFocusPolicy(Qt::TabFocus);
    return radio;
}

}  // namespace

// ------------------------------------------------------------ the page

connectPage::connectPage(QWidget *parent)
    : networkCheckPage(connectPageId,
                       {"This slot[gotNetworkConfig] is not active if left this page[connectPage]",
                        "This slot[gotPingRsp] is not active if left this page[connectPage]",
                        "This slot[foundDevice] is not active if left this page[connectPage]"},
                       parent)
{
    setupFrame(tr("Connect to the network"), 330, connectStep);

    buildChoice();
    buildNetworkList();
    buildInstructions();
    buildButtons();
    buildRun();
    connectControls();

    const bool wireless = isWireless;
    for (QWidget *w : {static_cast<QWidget *>(wirelessHeading), static_cast<QWidget *>(wpsRadio),
                       static_cast<QWidget *>(selectNetworkRadio), static_cast<QWidget *>(wpsLink)})
        w->setVisible(wireless);
    hideInstructions();
    for (QWidget *w : listPanel())
        w->hide();
}

// The question, the current link and the three ways, on the step marker and the picture frame.
void connectPage::buildChoice()
{
    stepMarker =
        pictureLabel(this, QStringLiteral(":/images/bg_left.png"), QRect(30, 240, 254, 30));
    stepMarker->setObjectName(QStringLiteral("stepMarker"));
    pictureFrame = pictureLabel<moveLabel>(this, QStringLiteral(":/images/connect_blue_pic.png"),
                                           QRect(274, 173, 411, 257));
    pictureFrame->setObjectName(QStringLiteral("pictureFrame"));

    currentConnLabel =
        namedLabel(this, "currentConnLabel", tr("Current connection(*):"), QRect(30, 155, 400, 20));
    questionLabel =
        namedLabel(this, "questionLabel", tr("How would you connect your camera to the router?"),
                   QRect(30, 135, 350, 20));
    wiredHeading =
        namedLabel(this, "wiredHeading", tr("<b>Wired connection</b>"), QRect(30, 185, 200, 20));
    ethernetRadio =
        wayRadio(this, tr("By Ethernet cable"), QRect(30, 215, 200, 20), "ethernetRadio");
    wirelessHeading = namedLabel(this, "wirelessHeading", tr("<b>Wireless connection</b>"),
                                 QRect(30, 245, 200, 20));
    wpsRadio = wayRadio(this, tr("By Wi-Fi Protected Setup"), QRect(30, 275, 320, 20), "wpsRadio");
    wpsLink = namedLabel(this, "wpsLink",
                         tr(" ( <a href = WPS><font size=3 color=#638c0b>WPS</font></a> )"),
                         QRect(210, 275, 250, 20));
    selectNetworkRadio = wayRadio(this, tr("By selecting wireless network"),
                                  QRect(30, 305, 280, 20), "selectNetworkRadio");
}

// The chosen wireless network: the list, Rescan and the key.
void connectPage::buildNetworkList()
{
    const QString captionStyle = QStringLiteral("font:13px;color:rgb(89,87,87);");
    apListCombo = new QComboBox(this);
    apListCombo->setObjectName(QStringLiteral("apListCombo"));
    apListCombo->setGeometry(40, 360, 200, 30);
    apListCombo->setFixedSize(200, 30);
    apListLabel =
        namedLabel(this, "apListLabel",
                   QStringLiteral("%1 %2").arg(QChar(0x25A0), tr("Available wireless network")),
                   QRect(40, 335, 200, 20), captionStyle);
    apListLabel->setFont(QFont(QStringLiteral("Arial")));
    rescanButton =
        createButton({tr("Rescan    "), rescanIdle, QStringLiteral("rescanButton"), QSize(79, 27)},
                     QPoint(242, 358));
    apPasswordLabel = namedLabel(this, "apPasswordLabel",
                                 QStringLiteral("%1 %2").arg(QChar(0x25A0), tr("Password:")),
                                 QRect(40, 395, 200, 20), captionStyle);
    apPasswordLabel->setFont(QFont(QStringLiteral("Arial")));
    apPasswordEdit = new QLineEdit(this);
    apPasswordEdit->setObjectName(QStringLiteral("apPasswordEdit"));
    apPasswordEdit->setGeometry(40, 418, 199, 21);
    apPasswordEdit->setFixedSize(199, 21);
    apPasswordEdit->setEchoMode(QLineEdit::Password);
    apPasswordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    // A WPA passphrase holds at most 64 characters.
    apPasswordEdit->setMaxLength(64);

    noneRadioButton = wayRadio(this, QString(), QRect(30, 405, 280, 20), "noneRadioButton");
    noneRadioButton->setFocusPolicy(Qt::NoFocus);
    noneRadioButton->hide();
}

// The instruction panels: the step picture and text, the cable and WPS steps, the help links.
void connectPage::buildInstructions()
{
    stepImage = pictureLabel<moveLabel>(this, QString(), QRect(284, 183, 235, 235));
    stepImage->setObjectName(QStringLiteral("stepImage"));
    stepText = wrappedLabel(this, QRect(530, 270, 150, 110),
                            QStringLiteral("font:12px;color:rgb(89,87,87);"), "stepText");
    const char *const wiredNames[3] = {QT_TR_NOOP("1. On the camera side"),
                                       QT_TR_NOOP("2. On the router side"),
                                       QT_TR_NOOP("3. Check LED turns green")};
    const QRect wiredPlaces[3] = {QRect(40, 245, 140, 20), QRect(40, 275, 130, 20),
                                  QRect(40, 305, 200, 20)};
    for (int i = 0; i < 3; ++i)
        wiredStepLabels.append(entryLabel(this, tr(wiredNames[i]), wiredPlaces[i],
                                          QStringLiteral("wiredStepLabel%1").arg(i + 1)));
    ledHintLink = wrappedLabel(this, QRect(530, 325, 150, 40), linkStyle, "ledHintLink");
    wpsButtonLink = wrappedLabel(this, QRect(530, 325, 150, 40), linkStyle, "wpsButtonLink");
    problemsLink = wrappedLabel(this, QRect(530, 375, 150, 40), linkStyle, "problemsLink");
    for (QLabel *l : {wpsLink, static_cast<QLabel *>(ledHintLink),
                      static_cast<QLabel *>(wpsButtonLink), static_cast<QLabel *>(problemsLink)})
        keyboardLinks(l);
    const char *const wpsNames[4] = {
        QT_TR_NOOP("1. Unplug the Ethernet cable"), QT_TR_NOOP("2. On the camera side"),
        QT_TR_NOOP("3. On the router side"), QT_TR_NOOP("4. Check LED turns flash green")};
    for (int i = 0; i < 4; ++i)
        wpsStepLabels.append(entryLabel(this, tr(wpsNames[i]),
                                        QRect(40, 305 + 30 * i, i == 0 ? 170 : 250, 20),
                                        QStringLiteral("wpsStepLabel%1").arg(i + 1)));
}

// Back and Next.
void connectPage::buildButtons()
{
    backButton = createButton(
        {tr("    Back"), buttonStyle(buttonPicture::back), QStringLiteral("conn_back_btn")},
        QPoint(20, 450));
    nextButton =
        createButton({tr("Next    "),
                      QStringLiteral("background-image: url(:/images/btn_start-next_grey.png);"
                                     "font:14px;color:rgb(255,255,255);border: 0px"),
                      QStringLiteral("conn_next_btn")},
                     QPoint(560, 450));
    nextButton->setEnabled(false);
}

// The veils, the check run and the timers, above everything else.
void connectPage::buildRun()
{
    // Veils and the wait picture lie above everything, the status line on top.
    veilLabel = createVeil();
    ledVeilLabel = pictureLabel(this, QString::fromLatin1(veilPicture), QRect(0, 70, 721, 435));
    ledVeilLabel->setObjectName(QStringLiteral("ledVeilLabel"));
    ledVeilLabel->hide();
    networkCheck *checkRun =
        createCheckRun(QRect(295, 330, 250, 20), tr("Checking Internet connection"));
    // The run's first frame of every seven closes the panels under the picture.
    connect(checkRun, &networkCheck::firstFrame, this, &connectPage::closePanels);
    connect(checkRun, &networkCheck::setupConfirmationDue, this, &connectPage::confirmNetworkSetup);
    connect(checkRun, &networkCheck::decisionDue, this, &connectPage::decidePageJump);
    connect(checkRun, &networkCheck::tickLimitReached, this, &connectPage::decidePageJump);

    stepTimer = new QTimer(this);
    stepTimer->setObjectName(QStringLiteral("stepTimer"));
    stepTimer->setInterval(stepInterval);
    apSearchTimer = new QTimer(this);
    apSearchTimer->setObjectName(QStringLiteral("apSearchTimer"));
    apSearchTimer->setInterval(apSearchInterval);
}

// The controls', the timers' and the engine's signals.
void connectPage::connectControls()
{
    connect(backButton, &QPushButton::clicked, this, &connectPage::back);
    connect(nextButton, &QPushButton::clicked, this, &connectPage::next);
    connect(ethernetRadio, &QRadioButton::toggled, this, &connectPage::ethernet_show);
    connect(wpsRadio, &QRadioButton::toggled, this, &connectPage::wps_show);
    connect(selectNetworkRadio, &QRadioButton::toggled, this, &connectPage::usr_passwd_show);
    connect(wiredStepLabels[0], &moveLabel::signal, this, &connectPage::show_pic1);
    connect(wiredStepLabels[1], &moveLabel::signal, this, &connectPage::show_pic2);
    connect(wiredStepLabels[2], &moveLabel::signal, this, &connectPage::show_pic3);
    connect(ledHintLink, &QLabel::linkActivated, this, &connectPage::showMessage);
    connect(wpsButtonLink, &QLabel::linkActivated, this, &connectPage::showMessage2);
    connect(problemsLink, &QLabel::linkActivated, this, &connectPage::showMessage3);
    connect(wpsLink, &QLabel::linkActivated, this, &connectPage::showWPSMessage);
    connect(wpsStepLabels[0], &moveLabel::signal, this, &connectPage::show_wifipic1);
    connect(wpsStepLabels[1], &moveLabel::signal, this, &connectPage::show_wifipic2);
    connect(wpsStepLabels[2], &moveLabel::signal, this, &connectPage::show_wifipic3);
    connect(wpsStepLabels[3], &moveLabel::signal, this, &connectPage::show_wifipic4);
    connect(rescanButton, &QPushButton::clicked, this, &connectPage::rescanAP);
    connect(stepImage, &moveLabel::signal, this, &connectPage::iconControl);
    connect(stepText, &moveLabel::signal, this, &connectPage::iconControl);
    connect(stepTimer, &QTimer::timeout, this, &connectPage::timerDone);
    connect(apSearchTimer, &QTimer::timeout, this, &connectPage::decideAPSearch);
    answerEngine(this, &ZVRUtils::gotAPnetwork, &connectPage::updateAPList);
}

connectPage::~connectPage()
{
    qDebug("Left connect page.");
}

void connectPage::initializePage()
{
    check()->close();
    apSearchTicks = 0;
    wait()->setTicks(0);
    curStep = 0;
    stepMode = 0;
    setChoiceEnabled(true);
    nextButton->setEnabled(false);

    const IPCamera *camera = chosenCamera();
    // A model without Wi-Fi shows the cable way only, whatever the camera says.
    if (camera && camera->wireless == "1" && isWireless) {
        currentConnLabel->setText(tr("(Current connection(*): <b>")
                                  + tr("Wireless connection</b>)"));
        wiredHeading->setText(tr("<b>Wired connection</b>"));
        wirelessHeading->setText(tr("<b>Wireless connection*</b>"));
        noneRadioButton->setChecked(true);
        ethernet_show(false);
        wps_show(false);
        usr_passwd_show(false);
    } else {
        const bool wirelessNow = camera && camera->wireless == "1";
        currentConnLabel->setText(
            tr("(Current connection(*): <b>")
            + (wirelessNow ? tr("Wireless connection</b>)") : tr("Wired connection</b>)")));
        wiredHeading->setText(wirelessNow ? tr("<b>Wired connection</b>")
                                          : tr("<b>Wired connection*</b>"));
        wirelessHeading->setText(wirelessNow ? tr("<b>Wireless connection*</b>")
                                             : tr("<b>Wireless connection</b>"));
        ethernetRadio->setChecked(true);
        wps_show(false);
        usr_passwd_show(false);
        ethernet_show(false);
        setNextBlue();
        nextButton->setEnabled(true);
    }
    apListCombo->clear();
    apPasswordEdit->clear();
    if (!isWireless)
        ethernet_show(true);
}

// --------------------------------------------------------------- panels

void connectPage::setNextBlue()
{
    nextButton->setStyleSheet(buttonStyle(buttonPicture::next));
}

void connectPage::setChoiceEnabled(bool enabled)
{
    if (enabled)
        releaseControls();
    else
        holdControls({backButton, nextButton, ethernetRadio, wpsRadio, selectNetworkRadio});
}

QList<QWidget *> connectPage::listPanel() const
{
    return {apListCombo, apListLabel, rescanButton, apPasswordLabel, apPasswordEdit};
}

void connectPage::hideInstructions()
{
    for (QWidget *w : {static_cast<QWidget *>(stepMarker), static_cast<QWidget *>(stepImage),
                       static_cast<QWidget *>(pictureFrame), static_cast<QWidget *>(stepText),
                       static_cast<QWidget *>(ledHintLink), static_cast<QWidget *>(wpsButtonLink),
                       static_cast<QWidget *>(problemsLink)})
        w->hide();
    for (moveLabel *l : wiredStepLabels)
        l->hide();
    for (moveLabel *l : wpsStepLabels)
        l->hide();
}

void connectPage::wirelessBlockHome()
{
    wirelessHeading->setGeometry(30, 245, 200, 20);
    wpsRadio->setGeometry(30, 275, 320, 20);
    wpsLink->setGeometry(210, 275, 250, 20);
    selectNetworkRadio->setGeometry(30, 305, 300, 20);
}

// The check run's first frame of every seven: both panels closed under the
// wait picture, the timers left alone.
void connectPage::closePanels()
{
    hideInstructions();
    for (QWidget *w : listPanel())
        w->hide();
    wirelessBlockHome();
}

void connectPage::closeInstructionPanel(const QList<moveLabel *> &entries)
{
    stepTimer->stop();
    for (moveLabel *l : entries)
        l->hide();
    for (QWidget *w : {static_cast<QWidget *>(stepMarker), static_cast<QWidget *>(stepImage),
                       static_cast<QWidget *>(pictureFrame), static_cast<QWidget *>(stepText),
                       static_cast<QWidget *>(ledHintLink), static_cast<QWidget *>(wpsButtonLink),
                       static_cast<QWidget *>(problemsLink)})
        w->hide();
    wirelessBlockHome();
}

// The cable or the WPS instructions, on their first step; the cycle starts.
void connectPage::openInstructionPanel(int firstStep)
{
    const bool cable = firstStep == firstCableStep;
    const QList<moveLabel *> &entries = cable ? wiredStepLabels : wpsStepLabels;
    for (moveLabel *l : cable ? wpsStepLabels : wiredStepLabels)
        l->hide();
    for (QWidget *w : listPanel())
        w->hide();
    setNextBlue();
    nextButton->setEnabled(true);
    stepTimer->start(stepInterval);
    stepMode = firstStep;
    curStep = firstStep;
    if (cable) {
        // The cable steps stand where the wireless block was; it moves down.
        wiredStepLabels[0]->setGeometry(40, 245, 150, 20);
        wiredStepLabels[1]->setGeometry(40, 275, 150, 20);
        wiredStepLabels[2]->setGeometry(40, 305, 200, 20);
        wirelessHeading->setGeometry(30, 335, 200, 20);
        wpsRadio->setGeometry(30, 365, 320, 20);
        wpsLink->setGeometry(210, 365, 250, 20);
        selectNetworkRadio->setGeometry(30, 395, 280, 20);
    } else {
        wirelessBlockHome();
        for (int i = 0; i < wpsStepLabels.size(); ++i)
            wpsStepLabels[i]->setGeometry(40, 305 + 30 * i, 250, 20);
        selectNetworkRadio->setGeometry(30, 425, 280, 20);
    }
    stepMarker->show();
    for (moveLabel *l : entries)
        l->show();
    showStep(firstStep, false);
}

void connectPage::ethernet_show(bool shown)
{
    if (shown)
        openInstructionPanel(firstCableStep);
    else
        closeInstructionPanel(wiredStepLabels);
}

void connectPage::wps_show(bool shown)
{
    if (shown)
        openInstructionPanel(firstWpsStep);
    else
        closeInstructionPanel(wpsStepLabels);
}

void connectPage::usr_passwd_show(bool shown)
{
    const QList<QWidget *> panel = listPanel();
    if (!shown) {
        stepTimer->stop();
        for (QWidget *w : panel)
            w->hide();
        wirelessBlockHome();
        return;
    }
    stepMode = listMode;
    curStep = listMode;
    stepTimer->stop();
    hideInstructions();
    setNextBlue();
    nextButton->setEnabled(true);
    wirelessBlockHome();
    apListLabel->setGeometry(40, 335, 200, 20);
    apListCombo->setGeometry(40, 360, 200, 30);
    rescanButton->setGeometry(242, 358, 79, 27);
    apPasswordLabel->setGeometry(40, 395, 200, 20);
    apPasswordEdit->setGeometry(40, 418, 199, 21);
    for (QWidget *w : panel)
        w->show();
    if (chosenCamera())
        zvrTools->ZVRGetAPSearch(configIPCameraIdx);
    else
        qDebug().noquote() << "connectPage: no camera chosen, no wireless search sent.";
}

// ------------------------------------------------------- instructions

void connectPage::showStep(int step, bool byHover)
{
    const bool cable = step < firstWpsStep;
    const QList<moveLabel *> &entries = cable ? wiredStepLabels : wpsStepLabels;
    const int entry = cable ? step : step - firstWpsStep;
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setStyleSheet(i == entry ? entryHighlighted : entryPlain);
    setPicture(stepImage, QString::fromLatin1(steps[step].picture));
    stepImage->show();
    pictureFrame->show();
    stepMarker->setGeometry(30, steps[step].markerY, 254, 30);
    stepMarker->show();
    stepText->setText(tr(steps[step].text));
    stepText->show();

    moveLabel *link = nullptr;
    if (step == 2) {
        link = ledHintLink;
        if (byHover)
            link->setFont(helpLinkFont());
        link->setText(
            models::hasLinkLedOnly(supportType)
                ? tr(
                    "<a href = http><font size=3 color=#638c0b>*What do I do if the Link LED stays off?</font></a>")
                : tr(
                    "<a href = http><font size=3 color=#638c0b>*What do I do if the LED stays red?</font></a>"));
    } else if (step == 5) {
        link = wpsButtonLink;
        link->setFont(helpLinkFont());
        link->setText(
            tr("<a href = http><font size=3 color=#638c0b>*where is my WPS button?</font></a>"));
    } else if (step == 6) {
        link = problemsLink;
        link->setFont(helpLinkFont());
        link->setText(tr(
            "<a href = http><font size=3 color=#638c0b>*Having problems connecting?</font></a>"));
    }
    for (moveLabel *l : {ledHintLink, wpsButtonLink, problemsLink})
        l->setVisible(l == link);
}

void connectPage::timerDone()
{
    stepMarker->show();
    if (stepMode == firstWpsStep && curStep > 6)
        curStep = firstWpsStep;
    else if (stepMode == firstCableStep && curStep > 2)
        curStep = firstCableStep;
    if (curStep >= 0 && curStep <= 6) {
        showStep(curStep, false);
        ++curStep;
    }
}

void connectPage::holdStep(int step, bool flag)
{
    const bool cable = step < firstWpsStep;
    const QList<moveLabel *> &entries = cable ? wiredStepLabels : wpsStepLabels;
    const int entry = cable ? step : step - firstWpsStep;
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setStyleSheet(i == entry ? entryHighlighted : entryPlain);
    stepMarker->show();
    if (flag) {
        stepTimer->stop();
        showStep(step, true);
    } else {
        curStep = step;  // the next tick shows it once more
        stepTimer->start(stepInterval);
    }
}

void connectPage::show_pic1(bool flag)
{
    holdStep(0, flag);
}
void connectPage::show_pic2(bool flag)
{
    holdStep(1, flag);
}
void connectPage::show_pic3(bool flag)
{
    holdStep(2, flag);
}
void connectPage::show_wifipic1(bool flag)
{
    holdStep(3, flag);
}
void connectPage::show_wifipic2(bool flag)
{
    holdStep(4, flag);
}
void connectPage::show_wifipic3(bool flag)
{
    holdStep(5, flag);
}
void connectPage::show_wifipic4(bool flag)
{
    holdStep(6, flag);
}

void connectPage::iconControl(bool flag)
{
    if (flag)
        stepTimer->stop();
    else
        stepTimer->start(stepInterval);
}

// ----------------------------------------------------------- help boxes

QList<boxButton> connectPage::closeBoxButton() const
{
    return {closingButton(tr("Close    "), QStringLiteral("detail_close_btu"))};
}

void connectPage::showMessage()
{
    stepTimer->stop();
    const int answer =
        roads.ledHelpBox([this](const QString &link) { openMymsgBox(link); }, ledVeilLabel);
    if (answer == 0)
        stepTimer->start(stepInterval);
}

void connectPage::openMymsgBox(const QString &)
{
    using outcome = cameraRoads::resetOutcome;
    switch (roads.resetRoad(cameraRoads::afterReset, QStringLiteral("wel_msg_close_btu"),
                            QStringLiteral("14px"), ledVeilLabel)) {
    case outcome::closed:
    case outcome::restartNo: stepTimer->start(stepInterval); break;
    case outcome::restartYes:
        stopTimers();
        ledVeilLabel->hide();
        wait()->hide();
        restartAndStep();
        break;
    case outcome::none: break;
    }
}

void connectPage::showWPSMessage(const QString &)
{
    helpBox(
        {tr("<font size=5 face=verdana color=#2a7ba6><b>What is WPS ?</b></font><br><br>Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. <br><br>Your router's WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router's user manual for more details."),
         QSize(300, 220), 1, QStringLiteral("images/wps.PNG"), QSize(125, 125)},
        {{tr("Close    "),
          buttonStyle(buttonPicture::yes, QStringLiteral("14px"), QStringLiteral("3px")),
          QStringLiteral("j4_done_btu")}},
        QPoint(130, 160));
}

void connectPage::showMessage2()
{
    stepTimer->stop();
    const int answer = helpBox(
        {tr("<font size=5 face=verdana color=#2a7ba6><b>What is WPS ?</b></font><br><br>Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. <br><br>Your router's WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details."),
         QSize(300, 220), 1, QStringLiteral("images/wps.PNG"), QSize(125, 125)},
        closeBoxButton(), QPoint(130, 160));
    if (answer == 0)
        stepTimer->start(stepInterval);
}

void connectPage::showMessage3()
{
    stepTimer->stop();
    const int answer = messageBox(
        tr("<font size=5 face=verdana color=#2a7ba6   ><b>Having problems connecting your camera?</b></font><br><br>If you are having problems connecting your camera using WPS, check the following:<ul><li>Your camera may be out of range.Try connecting your camera from the same room as your router.</li><li>Make sure your router has a WPS button.Check your router's user manual for details. </li></ul>If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection."),
        QMessageBox::NoIcon, closeBoxButton(), QPoint(115, 150));
    if (answer == 0)
        stepTimer->start(stepInterval);
}

// ------------------------------------------------------ wireless list

void connectPage::rescanAP()
{
    rescanButton->setFixedSize(79, 27);
    rescanButton->setStyleSheet(rescanBusy);
    if (!chosenCamera()) {
        qDebug().noquote() << "rescanAP: no camera chosen, nothing sent.";
        return;
    }
    zvrTools->ZVRGetAPSearch(configIPCameraIdx);
    apSearchTimer->start(apSearchInterval);
    apSearchTicks = 0;
}

void connectPage::decideAPSearch()
{
    ++apSearchTicks;
    const IPCamera *camera = chosenCamera();
    if (apSearchTicks == 3 && camera) {
        int count = 0;
        {
            QMutexLocker lock(&apLock);
            count = camera->aps.count;
        }
        if (count == 0)
            zvrTools->ZVRGetAPSearch(configIPCameraIdx);
    }
    if (apSearchTicks >= 5)
        apSearchTimer->stop();
}

void connectPage::updateAPList()
{
    if (!isActivePage("This slot[gotAPnetwork] is not active if left this page[connectPage]"))
        return;
    const IPCamera *camera = chosenCamera();
    if (!camera) {
        qDebug().noquote() << "updateAPList: no camera chosen.";
        return;
    }
    {
        QMutexLocker lock(&apLock);
        qDebug().noquote() << "AP number:" << camera->aps.count;
        apListCombo->clear();
        for (int i = 0; i < camera->aps.count; ++i)
            apListCombo->addItem(QString::fromUtf8(camera->aps.getSSID(i)), i);
    }
    if (curStep != 0) {
        rescanButton->setStyleSheet(rescanIdle);
        apSearchTimer->stop();
    }
}

// ------------------------------------------------------------- Next

void connectPage::next()
{
    check()->close();
    stepTimer->stop();

    const IPCamera *camera = chosenCamera();
    if (!camera) {
        qDebug().noquote() << "next: no camera chosen, nothing sent.";
        return;
    }
    const int idx = configIPCameraIdx;
    if (ethernetRadio->isChecked()) {
        if (camera->wireless == "0") {
            bChangeConnectionType = false;
            zvrTools->ZVRGetNetworkSetup(idx);
        } else {
            bChangeConnectionType = true;
            zvrTools->ZVRSetNetworkSetup(idx, QByteArray());
        }
    } else if (wpsRadio->isChecked()) {
        bChangeConnectionType = false;
        zvrTools->ZVRGetNetworkSetup(idx);
    } else if (selectNetworkRadio->isChecked()) {
        bChangeConnectionType = camera->wireless != "1";
        if (apListCombo->count() == 0)
            return;
        apIndex = apListCombo->currentIndex();
        QByteArray payload;
        {
            QMutexLocker lock(&apLock);
            const int count = camera->aps.count;
            qDebug().noquote() << "idx:" << apIndex << "total AP number:" << count;
            if (count <= 0 || apIndex >= count) {
                qDebug().noquote() << "Bad ap idx";
                return;
            }
            payload = networkSetup::wirelessPayload(camera->model, camera->aps, apIndex,
                                                    apPasswordEdit->text());
        }
        if (payload.isEmpty()) {
            qDebug().noquote() << "Bad ap idx";
            return;
        }
        if (!ZVRUtils::fitsDatagram("3", camera->mac, QString::fromUtf8(camera->model), payload)) {
            qDebug().noquote()
                << "next: the network setup is too long for one command, nothing sent.";
            return;
        }
        zvrTools->ZVRSetNetworkSetup(idx, payload);
    } else {
        return;
    }

    qDebug().noquote() << "bChangeConnectionType:" << (bChangeConnectionType ? "true" : "false");
    // Enter on the focused Next must not push the choice a second time.
    setChoiceEnabled(false);
    check()->open(checkPlan(*camera));
}

networkCheck::plan connectPage::checkPlan(const IPCamera &camera) const
{
    networkCheck::plan p;
    p.rows = !bChangeConnectionType && ethernetRadio->isChecked() ? networkCheck::table::noChange
                                                                  : networkCheck::table::change;
    p.setupKnown = wpsRadio->isChecked();
    p.restarts = bChangeConnectionType && models::isSetupKeyModel(QString::fromUtf8(camera.model))
                     ? networkCheck::restartRule::keyModelOnLinkChange
                     : networkCheck::restartRule::never;
    p.setupTarget = bChangeConnectionType ? 245 : 95;
    p.pingTarget = bChangeConnectionType ? 895 : 245;
    return p;
}

void connectPage::confirmNetworkSetup()
{
    if (!bChangeConnectionType)
        return;
    wait()->freeze();
    const bool cable = ethernetRadio->isChecked();
    whileHeld([&] {
        return messageBox(
            cable
                ? tr("<br>Please plug in the cable. click <b>OK</b> when you finish.")
                : tr(
                    "<br>Now you can unplug the Ethernet cable from the camera and click <b>OK</b> when you finish."),
            QMessageBox::Warning, {confirmingButton(tr("OK\t"))},
            cable ? QPoint(170, 250) : QPoint(130, 250), keepVeil, wait()->cover());
    });
    wait()->resume();
}

void connectPage::back()
{
    stopTimers();
    jumpTo(selectPageId);
}

void connectPage::stopTimers()
{
    stepTimer->stop();
    apSearchTimer->stop();
    wait()->pause();
}

// ---------------------------------------------------------- check run

void connectPage::endRun()
{
    wait()->setTicks(0);
    wait()->freeze();
    nextButton->setEnabled(true);
}

void connectPage::decidePageJump()
{
    check()->end();
    const IPCamera *camera = chosenCamera();
    if (!camera) {
        qDebug().noquote() << "decidePageJump: no camera chosen, back to the choice.";
        stopTimers();
        wait()->stop();
        setChoiceEnabled(true);
        endRun();
        return;
    }
    if (check()->online())
        decideOnline(camera->registered != "0");
    else
        decideOffline();
}

void connectPage::decideOnline(bool registered)
{
    if (!registered) {
        wait()->hide();
        stopTimers();
        moveOn(joinPage2Id);
        endRun();
        return;
    }
    const bool answered = registeredRoad(
        warningText(tr(
            "The camera has already registered, click <b>Reset</b> to restart the application and reset the camera, click <b>Close</b> just re-configure the camera!")),
        {confirmingButton(tr("Reset    ")), safeButton(closingButton(tr("Close    ")))},
        QPoint(115, 230), wait()->cover());
    if (!answered)
        return;
    stopTimers();
    endRun();
}

void connectPage::decideOffline()
{
    const int answer = whileHeld([&] {
        return messageBox(roads.ledQuestionText(), QMessageBox::Warning,
                          {confirmingButton(tr("Yes    ")), closingButton(tr("NO    "))},
                          QPoint(width() / 2 - 200, height() / 2 - 10), keepVeil, wait()->cover());
    });
    if (answer < 0)
        return;
    if (answer == 0) {
        wait()->hide();
        stopTimers();
        if (ethernetRadio->isChecked()) {
            moveOn(failedPageId);
            endRun();
            return;
        }
        // The veil as it stands: the run's last frame.
        wait()->coverOnly();
        const int retry = plainBox(
            tr("The camera can not connect to skyvue server. click <b>Retry</b> to check again, or click <b>Close</b> without signing in skyvue."),
            {{tr("Retry\t "),
              buttonStyle(buttonPicture::yes, QStringLiteral("14px"), QStringLiteral("3px")),
              QStringLiteral("j4_done_btu")},
             {tr("Close\t "),
              buttonStyle(buttonPicture::close, QStringLiteral("14px"), QStringLiteral("3px")),
              QStringLiteral("detail_close_btu")}},
            wizardWindow(), QPoint(130, 250));
        if (retry < 0)
            return;
        wait()->hide();
        if (retry == 0) {
            next();
            if (wait()->isRunning())
                return;
            // Nothing could be sent again (the list changed): back at the choice.
        }
        setChoiceEnabled(true);
        if (wpsRadio->isChecked())
            wps_show(true);
        else if (selectNetworkRadio->isChecked())
            usr_passwd_show(true);
        return;
    }

    wait()->freeze();
    nextButton->setEnabled(true);
    const bool cable = ethernetRadio->isChecked();
    const int closed = plainBox(
        cable
            ? tr("Check your cable connection please.<br>")
            : tr(
                "The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.<br>"),
        {closingButton(tr("Close    "), QStringLiteral("wel_msg_close_btu"),
                       QStringLiteral("12pt"))},
        wizardWindow(), cable ? QPoint(230, 230) : QPoint(120, 250));
    if (closed >= 0) {
        wait()->hide();
        setChoiceEnabled(true);
        if (cable)
            ethernet_show(true);
        else if (wpsRadio->isChecked())
            wps_show(true);
        else if (selectNetworkRadio->isChecked())
            usr_passwd_show(true);
    }
    wait()->setTicks(0);
}
