#include "pages/setup/failedpage.h"

#include "core/globals.h"
#include "core/waitrun.h"
#include "pages/setup/ipv4input.h"
#include "pages/setup/myipaddredit.h"
#include "pages/setup/networksetup.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QDebug>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

const char *const addressNames[5] = {
    QT_TRANSLATE_NOOP("failedPage", "IP address"), QT_TRANSLATE_NOOP("failedPage", "Submask"),
    QT_TRANSLATE_NOOP("failedPage", "Gateway"), QT_TRANSLATE_NOOP("failedPage", "Primary DNS"),
    QT_TRANSLATE_NOOP("failedPage", "Secondary DNS")};
const char *const addressCaptions[5] = {
    QT_TRANSLATE_NOOP("failedPage", "IP address:"), QT_TRANSLATE_NOOP("failedPage", "Submask:"),
    QT_TRANSLATE_NOOP("failedPage", "Gateway:"), QT_TRANSLATE_NOOP("failedPage", "Primary DNS:"),
    QT_TRANSLATE_NOOP("failedPage", "Secondary DNS:")};

QString editorStyle(int n)
{
    return QStringLiteral(
               "background-image: url(:/images/bg_IPinput0%1.png);selection-color: white;"
               "selection-background-color: rgb(191, 31, 127);border-radius: 0px;"
               "padding: 0px 0px;height: 21px;width: 40px;")
        .arg(n);
}

}  // namespace

// ------------------------------------------------------------ the page

failedPage::failedPage(QWidget *parent)
    : networkCheckPage(
        failedPageId,
        {"failedPage::checkNetworkCfg slot[gotNetworkConfig] is not active if left this page[failedPage]",
         "failedPage::checkNetworkConnection slot[gotPingRsp] is not active if left this page[failedPage]",
         "failedPage::networkRecovery slot[foundDevice] is not active if left this page[failedPage]"},
        parent)
{
    setupFrame(tr("Connect your camera"), 350, connectStep);

    buildQuestion();
    buildPppoeForm();
    buildStaticForm();
    buildOtherWays();
    buildHelpButton();
    buildButtons();
    buildRun();
    connectControls();
}

// The question and the current Internet connection.
void failedPage::buildQuestion()
{
    questionLabel =
        namedLabel(this, "questionLabel", tr("How would you connect your camera to the Internet?"),
                   QRect(30, 120, 400, 20));
    currentConnLabel = namedLabel(this, "currentConnLabel", QString(), QRect(30, 140, 500, 20));
}

// The PPPoE way and its form.
void failedPage::buildPppoeForm()
{
    pppoeRadio = namedRadio(this, "pppoeRadio", tr("Enter account and password(PPPoE)"),
                            QRect(30, 187, 260, 20));
    accountLabel = namedLabel(this, "accountLabel", tr("Account:"), QRect(40, 217, 80, 20));
    passwordLabel = namedLabel(this, "passwordLabel", tr("Password:"), QRect(40, 247, 80, 20));
    accountEdit = new QLineEdit(this);
    accountEdit->setObjectName(QStringLiteral("accountEdit"));
    accountEdit->setGeometry(110, 217, 199, 21);
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setGeometry(110, 247, 199, 21);
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    // Both go whole into one command.
    accountEdit->setMaxLength(255);
    passwordEdit->setMaxLength(255);
}

// The static address way and its five address editors.
void failedPage::buildStaticForm()
{
    staticRadio =
        namedRadio(this, "staticRadio", tr("Enter static IP address"), QRect(30, 217, 200, 20));
    for (int i = 0; i < 5; ++i) {
        QLabel *caption = textLabel(this, tr(addressCaptions[i]), QRect(40, 247 + 30 * i, 200, 20));
        caption->setObjectName(QStringLiteral("addressLabel%1").arg(i + 1));
        staticLabels.append(caption);
    }
    const char *const editNames[5] = {"ipEdit", "maskEdit", "gatewayEdit", "dns1Edit", "dns2Edit"};
    for (int i = 0; i < 5; ++i) {
        auto *edit = new MyIpAddrEdit(this);
        edit->setObjectName(QString::fromLatin1(editNames[i]));
        edit->setFixedSize(160, 21);
        edit->move(240, 247 + 30 * i);
        edit->setStyleSheet(editorStyle(1), editorStyle(2), editorStyle(3));
        addressEdits.append(edit);
    }
    ipEdit = addressEdits[0];
    maskEdit = addressEdits[1];
    gatewayEdit = addressEdits[2];
    dns1Edit = addressEdits[3];
    dns2Edit = addressEdits[4];
}

// DHCP, the intranet, and the hidden way that stands for none.
void failedPage::buildOtherWays()
{
    dhcpRadio =
        namedRadio(this, "dhcpRadio", tr("Dynamic IP address(DHCP)*"), QRect(30, 247, 250, 20));
    intranetRadio =
        namedRadio(this, "intranetRadio", tr("Use in the intranet for local view only."),
                   QRect(30, 277, 280, 20));
    noneRadioButton = namedRadio(this, "noneRadioButton", QString(), QRect(30, 405, 280, 20));
    noneRadioButton->setFocusPolicy(Qt::NoFocus);
    noneRadioButton->hide();
}

// The PPPoE help button, just after the way's text.
void failedPage::buildHelpButton()
{
    helpButton = new QPushButton(this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setFlat(true);
    helpButton->setIcon(QIcon(QStringLiteral(":/images/icon_help.png")));
    helpButton->setStyleSheet(QStringLiteral("font:9px;color:rgb(99,140,11);"));
    helpButton->setToolTip(
        tr("The PPPoE is a network \nprotocol mainly used with DSL \nservices."));
    pppoeRadio->ensurePolished();
    const int textWidth = QFontMetrics(pppoeRadio->font()).horizontalAdvance(pppoeRadio->text());
    helpButton->setGeometry(68 + textWidth, 184, 25, 25);
}

// Back (never shown) and Next.
void failedPage::buildButtons()
{
    backButton =
        createButton({tr("    Back"), buttonStyle(buttonPicture::back, QStringLiteral("12pt")),
                      QStringLiteral("fail_back_btu")},
                     QPoint(20, 450));
    backButton->hide();
    nextButton =
        createButton({tr("Next    "), buttonStyle(buttonPicture::next, QStringLiteral("12pt")),
                      QStringLiteral("fail_next_btu")},
                     QPoint(560, 450));
}

// The check run over the page; its picture is the page's veil.
void failedPage::buildRun()
{
    networkCheck *checkRun = createCheckRun(QRect(305, 330, 250, 20), tr("Loading, please wait"),
                                            QStringLiteral("font:12px;color:rgb(0,0,0);"));
    useWaitPictureAsVeil();
    // Every tick hides the forms under the picture.
    connect(checkRun, &networkCheck::frameDue, this, &failedPage::closeForms);
    connect(checkRun, &networkCheck::decisionDue, this, &failedPage::decidePageJump);
    connect(checkRun, &networkCheck::tickLimitReached, this, &failedPage::runOutOfTime);

    decideTimer = new QTimer(this);
    decideTimer->setObjectName(QStringLiteral("decideTimer"));
}

// The controls' and the engine's signals.
void failedPage::connectControls()
{
    connect(backButton, &QPushButton::clicked, this, &failedPage::back);
    connect(nextButton, &QPushButton::clicked, this, &failedPage::next);
    connect(pppoeRadio, &QRadioButton::toggled, this, &failedPage::radiobutton1_show);
    connect(staticRadio, &QRadioButton::toggled, this, &failedPage::radiobutton2_show);
    connect(dhcpRadio, &QRadioButton::toggled, this, &failedPage::radiobutton3_show);
    connect(intranetRadio, &QRadioButton::toggled, this, &failedPage::radiobutton4_show);
    connect(decideTimer, &QTimer::timeout, this, &failedPage::decidePageJump);
}

failedPage::~failedPage()
{
    qDebug("Left failed page.");
}

void failedPage::initializePage()
{
    wait()->setTicks(0);
    check()->close();
    runWay = way::none;
    radiosClosed();
    wait()->hide();
    showPppoeForm(false);
    showStaticForm(false);
    accountEdit->clear();
    passwordEdit->clear();
    for (MyIpAddrEdit *e : addressEdits)
        e->clear();
    noneRadioButton->setChecked(true);

    const IPCamera *camera = chosenCamera();
    const QByteArray mode = camera ? camera->ipMode : QByteArray();
    QString current;
    if (mode == "1")
        current = tr("PPPoE");
    else if (mode == "2")
        current = tr("Static IP address");
    else
        current = tr("Dynamic IP address(DHCP)");
    currentConnLabel->setText(tr("(Current Internet connection(*): <b>") + current + tr("</b>)"));
    pppoeRadio->setText(mode == "1" ? tr("Enter account and password(PPPoE)*")
                                    : tr("Enter account and password(PPPoE)"));
    staticRadio->setText(mode == "2" ? tr("Enter static IP address*")
                                     : tr("Enter static IP address"));
    dhcpRadio->setText(mode != "1" && mode != "2" ? tr("Dynamic IP address(DHCP)*")
                                                  : tr("Dynamic IP address(DHCP)"));
    // Whatever the last visit left, the page starts ready for Next.
    setChoiceEnabled(true);
}

// ---------------------------------------------------------------- forms

void failedPage::radiosClosed()
{
    staticRadio->setGeometry(30, 217, 200, 20);
    dhcpRadio->setGeometry(30, 247, 250, 20);
    intranetRadio->setGeometry(30, 277, 280, 20);
}

void failedPage::showPppoeForm(bool shown)
{
    for (QWidget *w : {static_cast<QWidget *>(accountLabel), static_cast<QWidget *>(passwordLabel),
                       static_cast<QWidget *>(accountEdit), static_cast<QWidget *>(passwordEdit)})
        w->setVisible(shown);
}

void failedPage::showStaticForm(bool shown)
{
    for (QLabel *l : staticLabels)
        l->setVisible(shown);
    for (MyIpAddrEdit *e : addressEdits)
        e->setVisible(shown);
}

void failedPage::radiobutton1_show(bool checked)
{
    if (!checked) {
        showPppoeForm(false);
        radiosClosed();
        return;
    }
    showPppoeForm(true);
    showStaticForm(false);
    accountLabel->setGeometry(40, 217, 80, 20);
    passwordLabel->setGeometry(40, 247, 80, 20);
    accountEdit->setGeometry(110, 217, 199, 21);
    passwordEdit->setGeometry(110, 247, 199, 21);
    staticRadio->setGeometry(30, 277, 200, 20);
    dhcpRadio->setGeometry(30, 307, 250, 20);
    intranetRadio->setGeometry(30, 337, 280, 20);
    accountEdit->setFocus();
}

void failedPage::radiobutton2_show(bool checked)
{
    if (!checked) {
        showStaticForm(false);
        radiosClosed();
        return;
    }
    showPppoeForm(false);
    showStaticForm(true);
    staticRadio->setGeometry(30, 217, 200, 20);
    for (int i = 0; i < 5; ++i) {
        staticLabels[i]->setGeometry(40, 247 + 30 * i, 120, 20);
        addressEdits[i]->move(160, 247 + 30 * i);  // fixed at 160x21
    }
    dhcpRadio->setGeometry(30, 397, 250, 20);
    intranetRadio->setGeometry(30, 427, 280, 20);
    ipEdit->setFocus();
}

void failedPage::radiobutton3_show(bool checked)
{
    if (!checked)
        return;
    showPppoeForm(false);
    showStaticForm(false);
    radiosClosed();
}

void failedPage::radiobutton4_show(bool checked)
{
    radiobutton3_show(checked);
}

failedPage::way failedPage::chosenWay() const
{
    if (pppoeRadio->isChecked())
        return way::pppoe;
    if (staticRadio->isChecked())
        return way::staticIp;
    if (dhcpRadio->isChecked())
        return way::dhcp;
    if (intranetRadio->isChecked())
        return way::intranet;
    return way::none;
}

void failedPage::showChosenForm()
{
    if (pppoeRadio->isChecked())
        radiobutton1_show(true);
    else if (staticRadio->isChecked())
        radiobutton2_show(true);
}

void failedPage::setChoiceEnabled(bool enabled)
{
    if (enabled) {
        releaseControls();
        return;
    }
    QList<QWidget *> controls{nextButton,    pppoeRadio,  staticRadio, dhcpRadio,
                              intranetRadio, accountEdit, passwordEdit};
    for (MyIpAddrEdit *e : addressEdits)
        controls.append(e);
    holdControls(controls);
}

// ----------------------------------------------------------------- Next

// Both forms hidden and the ways at their closed places.
void failedPage::closeForms()
{
    radiobutton1_show(false);
    radiobutton2_show(false);
}

void failedPage::hideForms()
{
    showPppoeForm(false);
    showStaticForm(false);
}

void failedPage::inputBox(const QString &text, const QString &buttonFont)
{
    formBox(text, QMessageBox::Warning,
            {closingButton(tr("Close    "), QStringLiteral("detail_close_btu"), buttonFont)},
            QPoint(240, 230));
}

void failedPage::next()
{
    QStringList texts;
    for (MyIpAddrEdit *e : addressEdits)
        texts << e->text();
    qDebug().noquote() << "static addresses:" << texts.join(QLatin1Char(' '));
    check()->close();

    const way chosen = chosenWay();
    QByteArray payload;
    switch (chosen) {
    case way::pppoe:
        if (!networkSetup::accountAcceptable(accountEdit->text())) {
            inputBox(
                tr("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>Invalid username!"),
                QStringLiteral("14px"));
            return;
        }
        if (passwordEdit->text().isEmpty()) {
            inputBox(
                tr("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>Invalid password."),
                QStringLiteral("14px"));
            return;
        }
        payload = networkSetup::pppoePayload(accountEdit->text(), passwordEdit->text());
        break;
    case way::staticIp:
        for (int i = 0; i < addressEdits.size(); ++i) {
            const QString address = addressEdits[i]->text();
            if (i == 4 && address == QLatin1String("..."))
                continue;  // the second DNS server may stay empty
            if (!ipv4Input::addressAcceptable(address)) {
                // The stored text carries control characters after "Invalid";
                // they stay in the key and never reach the screen.
                QString invalid = tr(
                    "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>Invalid\x16\x13\x0b\x1d\x03 ");
                invalid.remove(QRegularExpression(QStringLiteral("[\\x00-\\x08\\x0b-\\x1f\\x7f]")));
                inputBox(invalid + tr(addressNames[i]) + tr("!"), QStringLiteral("12pt"));
                return;
            }
        }
        payload = networkSetup::staticPayload(texts);
        break;
    case way::dhcp: payload = networkSetup::dhcpPayload(); break;
    case way::intranet:
        decideTimer->stop();
        wait()->pause();
        moveOn(joinPageId);
        return;
    case way::none: return;
    }

    const IPCamera *camera = chosenCamera();
    if (!camera) {
        qDebug().noquote() << "next: no camera chosen, nothing sent.";
        return;
    }
    if (!ZVRUtils::fitsDatagram("3", camera->mac, QString::fromUtf8(camera->model), payload)) {
        // Only a long password of wide characters gets here: the account is
        // ASCII of at most 255 characters, the other ways are short.
        qDebug().noquote() << "next: the network setup is too long for one command, nothing sent.";
        inputBox(
            tr("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>Invalid password."),
            QStringLiteral("14px"));
        return;
    }
    zvrTools->ZVRSetNetworkSetup(configIPCameraIdx, payload);
    // The way stays as sent until the run has decided.
    runWay = chosen;
    setChoiceEnabled(false);
    check()->open(checkPlan(chosen));
}

networkCheck::plan failedPage::checkPlan(way chosen)
{
    networkCheck::plan p;
    p.rows = networkCheck::table::internet;
    p.confirms = chosen == way::pppoe      ? networkCheck::setupRule::pppoeOn
                 : chosen == way::staticIp ? networkCheck::setupRule::pppoeOff
                                           : networkCheck::setupRule::dhcpOn;
    p.restarts = networkCheck::restartRule::always;
    p.setupTarget = 245;
    p.pppoe = chosen == way::pppoe;
    p.pingTarget = p.pppoe ? 1745 : 895;
    p.deliversQueuedReplies = true;
    return p;
}

void failedPage::back()
{
    // The button is never shown; its click would go back to the choice.
    decideTimer->stop();
    wait()->stop();
    jumpTo(connectPageId);
}

// ---------------------------------------------------------- check run

// The run did not come to a decision: the user gets the failure and the
// form back instead of a page with nothing left to press.
void failedPage::runOutOfTime()
{
    failureRoad();
    endRun();
}

void failedPage::endRun()
{
    check()->end();
    decideTimer->stop();
    wait()->freeze();
    setChoiceEnabled(true);
}

void failedPage::failureRoad()
{
    showVeil();
    closeForms();
    const int answer = whileHeld([&] {
        return messageBox(
            tr("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>Connection is failed."),
            QMessageBox::Warning,
            {closingButton(tr("Close    "), QStringLiteral("detail_close_btu"),
                           QStringLiteral("12pt"))},
            QPoint(250, 230), keepVeil);
    });
    if (answer >= 0) {
        hideVeil();
        showChosenForm();
    }
}

void failedPage::decidePageJump()
{
    const IPCamera *camera = chosenCamera();
    if (check()->online() && camera && camera->registered == "0") {
        moveOn(joinPage2Id);
        wait()->hide();
        endRun();
        return;
    }
    if (check()->online() && camera) {
        closeForms();
        const bool answered = registeredRoad(
            tr("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>The camera have already registered, click <b>Reset</b> to restart the application and reset the camera, click <b>OK</b> just re-configure the camera!"),
            {closingButton(tr("Reset    ")), safeButton(closingButton(tr("OK    ")))},
            QPoint(115, 220), nullptr);
        if (answered)
            endRun();
        return;
    }
    failureRoad();
    endRun();
}
