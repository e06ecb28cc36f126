#include "pages/cloud/joinpage2.h"

#include "core/globals.h"
#include "core/waitrun.h"
#include "pages/cloud/portalrequest.h"
#include "pages/cloud/whyjoin.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

namespace {

const QString passwordStyle =
    QStringLiteral("lineedit-password-character: 42;color:rgb(89,87,87);font:12px;");
// Next as built: the grey picture with white text, disabled.
const QString nextBuiltStyle = QStringLiteral(
    "background-image: url(:/images/btn_start-next_grey.png);font:14px;color:rgb(255,255,255);border: 0px");
// and during a run, with grey text.
const QString waitNextStyle = QStringLiteral(
    "background-image: url(:/images/btn_start-next_grey.png);font:14px;color:rgb(89,87,87);border: 0px");

QLineEdit *lineEdit(QWidget *parent, const char *name, QRect place, bool password = false)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(place);
    if (password) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(passwordStyle);
    }
    return edit;
}

}  // namespace

joinPage2::joinPage2(QWidget *parent) : pageFrame(joinPage2Id, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
    // Top to bottom: widgets stack and Tab walks in the order they are made.
    buildChoices();
    buildWhyJoin();
    buildSignInForm();
    buildSignUpForm();
    buildButtons();

    chain = new accountChain(chosenCamera, strVersion, this);
    chain->setObjectName(QStringLiteral("accountChain"));
    connect(chain, &accountChain::signingIn, this, &joinPage2::refreshInfoRecord);
    connect(chain, &accountChain::done, this, &joinPage2::chainDone);
    connect(chain, &accountChain::refused, this, &joinPage2::chainRefused);
    connect(chain, &accountChain::failed, this, &joinPage2::chainFailed);

    // The panel shows until the first choice.
    hideFormWidgets();
}

// The question and its three answers, and a hidden fourth that holds "none
// chosen".
void joinPage2::buildChoices()
{
    questionLabel = namedLabel(this, "questionLabel", tr("Do you have a skyvue account ?"),
                               QRect(30, 140, 400, 50));
    questionLabel->setWordWrap(true);

    yesRadioButton =
        namedRadio(this, "yesRadioButton", tr("&Yes, I already have a skyvue account."),
                   QRect(30, 180, 300, 25));
    noRadioButton =
        namedRadio(this, "noRadioButton", tr("&No, I need to sign up for a new account."),
                   QRect(30, 210, 300, 25));
    no2RadioButton = namedRadio(this, "no2RadioButton", tr("I &don't want to sign up right now."),
                                QRect(30, 240, 300, 25));
    noneRadioButton = namedRadio(this, "noneRadioButton", QString(), QRect(30, 405, 280, 20));
    noneRadioButton->setFocusPolicy(Qt::NoFocus);
    noneRadioButton->hide();
    choices = new QButtonGroup(this);
    for (QRadioButton *r : {yesRadioButton, noRadioButton, no2RadioButton, noneRadioButton})
        choices->addButton(r);

    connect(yesRadioButton, &QRadioButton::toggled, this, &joinPage2::yesRadioButton_show);
    connect(noRadioButton, &QRadioButton::toggled, this, &joinPage2::noRadioButton_show);
    connect(no2RadioButton, &QRadioButton::toggled, this, &joinPage2::no2RadioButton_show);
}

void joinPage2::buildWhyJoin()
{
    // Why join: shown until the first choice, then never again.
    panel =
        whyJoinPanel{
            tr("<b>Why join skyvue ?</b>"),
            QChar(0x25A0),
            "panelHeading",
            {{tr(" <b>Simple setting</b>"),
              tr("Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the "
                 "troublesome configurations on cameras or viewing clients."),
              Qt::AutoText},
             {tr(" <b>Easy Access</b>"),
              tr("For using skyvue web service such as to manage all your cameras in one place."),
              Qt::AutoText},
             {tr(" <b>Remote viewing anywhere</b>"),
              tr("For viewing your cameras from anywhere through a web browser or a mobile device."),
              Qt::AutoText}}}
            .build(this);
}

// The account of a user who has one.
void joinPage2::buildSignInForm()
{
    accountLabel = namedLabel(this, "accountLabel", tr("Please enter your skyvue account."),
                              QRect(50, 210, 250, 25));
    emailLabel = namedLabel(this, "emailLabel", tr("E-Mail:"), QRect(50, 240, 70, 25));
    passwordLabel = namedLabel(this, "passwordLabel", tr("Password:"), QRect(50, 270, 70, 25));
    signInEmailEdit = lineEdit(this, "signInEmailEdit", QRect(120, 240, 199, 21));
    signInPasswordEdit = lineEdit(this, "signInPasswordEdit", QRect(120, 270, 199, 21), true);
    forgotLink =
        namedLabel(this, "forgotLink",
                   tr("<a href=forgot><font size=3 color=#638c0b>Forgot password ?</font></a>"),
                   QRect(120, 300, 210, 25), QStringLiteral("color:rgb(99,140,11);font:12px;"));

    connect(forgotLink, &QLabel::linkActivated, this, &joinPage2::linktip1_click);
}

// A new account, with the terms to accept.
void joinPage2::buildSignUpForm()
{
    confirmLabel =
        namedLabel(this, "confirmLabel", tr("Confirm Password:"), QRect(40, 300, 120, 25));
    signUpEmailEdit = lineEdit(this, "signUpEmailEdit", QRect(160, 240, 199, 21));
    signUpPasswordEdit = lineEdit(this, "signUpPasswordEdit", QRect(160, 270, 199, 21), true);
    confirmPasswordEdit = lineEdit(this, "confirmPasswordEdit", QRect(160, 300, 199, 21), true);
    firstNameLabel = namedLabel(this, "firstNameLabel", tr("First Name:"), QRect(370, 240, 90, 25));
    lastNameLabel = namedLabel(this, "lastNameLabel", tr("Last Name:"), QRect(370, 270, 90, 25));
    firstNameEdit = lineEdit(this, "firstNameEdit", QRect(460, 240, 199, 21));
    lastNameEdit = lineEdit(this, "lastNameEdit", QRect(460, 270, 199, 21));
    newsletterCheck = new QCheckBox(
        tr("I would like to receive emails for latest services and products from skyvue."), this);
    newsletterCheck->setObjectName(QStringLiteral("newsletterCheck"));
    newsletterCheck->setGeometry(50, 340, 550, 25);
    acceptCheck = new QCheckBox(this);
    acceptCheck->setObjectName(QStringLiteral("acceptCheck"));
    acceptCheck->setGeometry(50, 375, 20, 20);
    termsLabel = namedLabel(
        this, "termsLabel",
        tr("I accept skyvue <a href=terms><font size=3 color=#638c0b>terms and conditions</font></a>."),
        QRect(70, 373, 350, 25));

    connect(termsLabel, &QLabel::linkActivated, this, &joinPage2::linktip2_click);
}

// Back, Next, and the wait run whose picture veils the page.
void joinPage2::buildButtons()
{
    backButton = createButton(
        {tr("    Back"), buttonStyle(buttonPicture::back), QStringLiteral("j2_back_btu")},
        QPoint(20, 450));
    nextButton = createButton({tr("Next    "), nextBuiltStyle, QStringLiteral("j2_next_btu")},
                              QPoint(560, 450));
    nextButton->setEnabled(false);

    createWaitRun(QRect(295, 330, 250, 20), tr("<b>Loading, please wait....</b>"),
                  QStringLiteral("font:12px;color:rgb(89,87,87);"), QSize(720, 435));
    useWaitPictureAsVeil();

    connect(backButton, &QPushButton::clicked, this, &joinPage2::back);
    connect(nextButton, &QPushButton::clicked, this, &joinPage2::next);
}

void joinPage2::hideFormWidgets()
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             accountLabel, emailLabel, passwordLabel, signInEmailEdit, signInPasswordEdit,
             forgotLink, confirmLabel, signUpEmailEdit, signUpPasswordEdit, confirmPasswordEdit,
             firstNameLabel, lastNameLabel, firstNameEdit, lastNameEdit, newsletterCheck,
             acceptCheck, termsLabel})
        w->hide();
}

void joinPage2::initializePage()
{
    wait()->setTicks(0);
    chain->abandon();
    noRadioButton->setGeometry(30, 210, 300, 25);
    no2RadioButton->setGeometry(30, 240, 300, 25);
    noneRadioButton->setGeometry(30, 405, 280, 20);
    wait()->hide();
    noneRadioButton->hide();
    hideFormWidgets();
    for (QLineEdit *e : {signInEmailEdit, signInPasswordEdit, signUpEmailEdit, signUpPasswordEdit,
                         confirmPasswordEdit, firstNameEdit, lastNameEdit})
        e->clear();
    setChoiceEnabled(true);
    backButton->setEnabled(true);
    noneRadioButton->setChecked(true);
    newsletterCheck->setChecked(false);
    acceptCheck->setChecked(false);
    // The info record again: the add request reads what it holds then.
    if (chosenCamera())
        zvrTools->ZVRGetPassword(configIPCameraIdx);
}

// ---------------------------------------------------------------- choices

void joinPage2::showPanel(bool shown)
{
    for (QLabel *l : panel)
        l->setVisible(shown);
}

void joinPage2::setNextEnabled(bool enabled, bool blue)
{
    nextButton->setEnabled(enabled);
    if (blue)
        nextButton->setStyleSheet(buttonStyle(buttonPicture::next));
}

void joinPage2::setChoiceEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             yesRadioButton, noRadioButton, no2RadioButton, signInEmailEdit, signInPasswordEdit,
             signUpEmailEdit, signUpPasswordEdit, confirmPasswordEdit, firstNameEdit, lastNameEdit,
             newsletterCheck, acceptCheck})
        w->setEnabled(enabled);
}

void joinPage2::yesRadioButton_show(bool checked)
{
    showPanel(false);
    newsletterCheck->setChecked(false);
    if (checked) {
        accountLabel->show();
        emailLabel->setGeometry(50, 240, 70, 25);
        passwordLabel->setGeometry(50, 270, 70, 25);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 emailLabel, passwordLabel, signInEmailEdit, signInPasswordEdit, forgotLink})
            w->show();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 confirmLabel, firstNameLabel, lastNameLabel, signUpEmailEdit, signUpPasswordEdit,
                 confirmPasswordEdit, firstNameEdit, lastNameEdit, newsletterCheck, acceptCheck,
                 termsLabel})
            w->hide();
        noRadioButton->move(30, 330);
        no2RadioButton->move(30, 360);
        setNextEnabled(true, true);
        signInEmailEdit->setFocus();
    } else {
        for (QWidget *w :
             std::initializer_list<QWidget *>{emailLabel, passwordLabel, accountLabel,
                                              signInEmailEdit, signInPasswordEdit, forgotLink})
            w->hide();
        setNextEnabled(false, false);
        noRadioButton->move(30, 210);
        no2RadioButton->move(30, 240);
    }
}

void joinPage2::noRadioButton_show(bool checked)
{
    showPanel(false);
    accountLabel->hide();
    const std::initializer_list<QWidget *> form{
        emailLabel,      passwordLabel,      confirmLabel,        firstNameLabel, lastNameLabel,
        signUpEmailEdit, signUpPasswordEdit, confirmPasswordEdit, firstNameEdit,  lastNameEdit,
        newsletterCheck, acceptCheck,        termsLabel};
    if (checked) {
        emailLabel->setGeometry(40, 240, 120, 25);
        passwordLabel->setGeometry(40, 270, 120, 25);
        for (QWidget *w : form)
            w->show();
        signInEmailEdit->hide();
        signInPasswordEdit->hide();
        forgotLink->hide();
        noRadioButton->move(30, 210);
        no2RadioButton->move(30, 400);
        signUpEmailEdit->setFocus();
        newsletterCheck->setChecked(true);
        setNextEnabled(true, true);
    } else {
        for (QWidget *w : form)
            w->hide();
        setNextEnabled(false, false);
        noRadioButton->move(30, 210);
        no2RadioButton->move(30, 240);
    }
}

void joinPage2::no2RadioButton_show(bool checked)
{
    showPanel(false);
    accountLabel->hide();
    newsletterCheck->setChecked(false);
    setNextEnabled(true, true);
    if (!checked) {
        setNextEnabled(false, false);
        return;
    }
    hideFormWidgets();
    noRadioButton->move(30, 210);
    no2RadioButton->move(30, 240);
}

void joinPage2::hideForms()
{
    yesRadioButton_show(false);
    noRadioButton_show(false);
}

void joinPage2::showChosenForm()
{
    if (yesRadioButton->isChecked())
        yesRadioButton_show(true);
    else if (noRadioButton->isChecked())
        noRadioButton_show(true);
}

// ------------------------------------------------------------------ boxes

void joinPage2::closeBox(const QString &message, QPoint offset)
{
    formBox(warningText(message), QMessageBox::Warning, {closingButton(tr("Close    "))}, offset);
}

void joinPage2::answerBox(const QString &answer)
{
    // The kept lines, each wrapped to the box's width in its font; the box
    // is placed by the widest of them as they came.
    QLabel probe;
    probe.setFont(QFont(QStringLiteral("Arial")));
    probe.setStyleSheet(boxStyle);
    probe.ensurePolished();
    const QFontMetrics metrics = probe.fontMetrics();
    const auto advance = [&metrics](const QString &text) {
        return metrics.horizontalAdvance(text);
    };
    const int widest = portalRequest::answerWidth;
    int w = 0;
    QStringList shown;
    for (const QString &line : portalRequest::shownAnswer(answer)) {
        w = qMax(w, qMin(advance(line), widest));
        // The portal's words are text: a link in them must not be live.
        for (const QString &part : portalRequest::wrappedLine(line, widest, advance))
            shown << part.toHtmlEscaped();
    }
    const int x = (wizardWindow()->width() - w - 70) / 2;
    formBox(warningText(shown.join(QStringLiteral("<br>"))), QMessageBox::Warning,
            {closingButton(tr("Close    "))}, QPoint(x, 240), w);
}

// ------------------------------------------------------------------- Next

void joinPage2::next()
{
    if (!chosenCamera()) {
        closeBox(tr("Please select your camera."), QPoint(220, 230));
    } else if (yesRadioButton->isChecked()) {
        if (signInEmailEdit->text().isEmpty())
            closeBox(tr("Invalid email!"), QPoint(240, 230));
        else if (signInPasswordEdit->text().isEmpty())
            closeBox(tr("Invalid password!"), QPoint(240, 230));
        else
            logon();
    } else if (no2RadioButton->isChecked()) {
        wait()->pause();
        moveOn(joinPage4Id);
    } else if (noRadioButton->isChecked()) {
        if (signUpEmailEdit->text().isEmpty())
            closeBox(tr("Invalid email!"), QPoint(240, 230));
        else if (signUpPasswordEdit->text().isEmpty())
            closeBox(tr("Invalid password!"), QPoint(240, 230));
        else if (confirmPasswordEdit->text() != signUpPasswordEdit->text())
            closeBox(tr("The passwords don't match, please try again."), QPoint(200, 230));
        else if (!acceptCheck->isChecked())
            closeBox(tr("You must accept the terms and conditions to continue."), QPoint(130, 230));
        else
            registerUser();
    } else {
        closeBox(tr("Please select an option."), QPoint(220, 230));
    }
}

void joinPage2::back()
{
    wait()->stop();
    chain->abandon();
    setChoiceEnabled(true);
    backTo(connectPageId);
}

// --------------------------------------------------------------- wait run

void joinPage2::waitLoading()
{
    wait()->start();
    backButton->setEnabled(false);
    nextButton->setEnabled(false);
    nextButton->setStyleSheet(waitNextStyle);
    wait()->show();
}

void joinPage2::waitTimeout()
{
    hideForms();
    chain->ticksPassed(wait()->tick(tr("Loading, please wait")));
}

void joinPage2::endChain()
{
    wait()->stop();
    setChoiceEnabled(true);
    backButton->setEnabled(true);
    setNextEnabled(true, true);
}

// --------------------------------------------------------------- requests

QByteArray joinPage2::portalBase()
{
    return accountChain::portalBase(chosenCamera());
}

void joinPage2::registerUser()
{
    setChoiceEnabled(false);
    if (chain->signUp({signUpEmailEdit->text(), signUpPasswordEdit->text(),
                       confirmPasswordEdit->text(), firstNameEdit->text(), lastNameEdit->text()}))
        waitLoading();
}

void joinPage2::logon()
{
    setChoiceEnabled(false);
    if (chain->signIn(signInEmailEdit->text(), signInPasswordEdit->text()))
        waitLoading();
}

void joinPage2::refreshInfoRecord()
{
    const IPCamera *camera = chosenCamera();
    if (camera && camera->cmdState == cmdStatePasswordSeen)
        zvrTools->ZVRGetPassword(configIPCameraIdx);
}

// ---------------------------------------------------------------- replies

void joinPage2::chainDone()
{
    endChain();
    zvrTools->ZVRSetPassword(configIPCameraIdx, QString(), QStringLiteral("1"));
    if (yesRadioButton->isChecked())
        emailStr = signInEmailEdit->text();
    else if (noRadioButton->isChecked())
        emailStr = signUpEmailEdit->text();
    moveOn(joinPage3Id);
}

void joinPage2::chainRefused(const QString &answer)
{
    endChain();
    answerBox(answer);
}

void joinPage2::chainFailed(accountChain::failure why)
{
    endChain();
    switch (why) {
    case accountChain::failure::transfer: showChosenForm(); break;
    case accountChain::failure::unknownAnswer:
        closeBox(tr("Unknown error!"), QPoint(230, 240));
        break;
    case accountChain::failure::noCamera:
        closeBox(tr("Please select your camera."), QPoint(200, 230));
        break;
    case accountChain::failure::noPortalAddress:
        closeBox(tr("The camera gave no valid portal address."), QPoint(200, 230));
        break;
    case accountChain::failure::tooLate:
        closeBox(tr("Timeout, please retry."), QPoint(220, 230));
        break;
    }
}

// ------------------------------------------------------------------ links

void joinPage2::linktip1_click()
{
    const QByteArray base = portalBase();
    if (base.isEmpty()) {
        closeBox(tr("The camera gave no valid portal address."), QPoint(200, 230));
        return;
    }
    const int answer = formBox(
        tr("Since you forgot your skyvue account's password. click <b>OK</b> button will direct you "
           "to skyvue portal to retrieve the password. Please follow the instructions on the web page."),
        QMessageBox::NoIcon, {confirmingButton(tr("OK    ")), closingButton(tr("Close    "))},
        QPoint(120, 230));
    if (answer == 0)
        QDesktopServices::openUrl(QUrl::fromEncoded(base + "request_password"));
}

void joinPage2::linktip2_click(const QString &)
{
    const QByteArray base = portalBase();
    if (base.isEmpty()) {
        closeBox(tr("The camera gave no valid portal address."), QPoint(200, 230));
        return;
    }
    QDesktopServices::openUrl(
        QUrl::fromEncoded(base + "EULA/?lang=" + QUrl::toPercentEncoding(lang)));
}
