#include "pages/setup/selectpage.h"

#include "core/globals.h"
#include "pages/setup/adminpassword.h"
#include "protocol/cameravalues.h"
#include "protocol/hostaddress.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

namespace {

const QString linkStyle = QStringLiteral("font:12px;color:rgb(99,140,11);");
const QString passwordEchoStyle = QStringLiteral("lineedit-password-character: 42");

const QString radioUnselected = QStringLiteral(":/images/radio_unselect.png");
const QString radioSelected = QStringLiteral(":/images/radio_selected.png");

QLineEdit *passwordEdit(QWidget *parent, QRect place, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(passwordEchoStyle);
    edit->setGeometry(place);
    return edit;
}

QTableWidgetItem *cell(const QString &text, const QString &picture = QString())
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (!picture.isEmpty()) {
        item->setIcon(QIcon(picture));
        item->setData(selectPage::pictureRole, picture);
    }
    return item;
}

QString connectionText(const QByteArray &ipMode)
{
    if (ipMode == "1")
        return QCoreApplication::translate("selectPage", "PPPoE");
    if (ipMode == "2")
        return QCoreApplication::translate("selectPage", "Static IP");
    return QCoreApplication::translate("selectPage", "DHCP");
}

// What a run's status says and where, by the run under the veil.
struct runLook {
    QString status;
    QRect place;
};

}  // namespace

selectPage::selectPage(QWidget *parent) : pageFrame(selectPageId, parent)
{
    // This page's background picture stands lower than the others'.
    createBackground(QStringLiteral(":/images/select_bg_00.png"), QRect(-10, 55, 720, 436));
    createTitle(tr("Select your camera"), 300);
    createStepButtons(selectStep);
    introLabel =
        namedLabel(this, "introLabel",
                   tr("Select your camera from the list and click <b>Next</b> when you complete."),
                   QRect(20, 125, 450, 25));

    buildCameraTable();
    buildLegend();
    buildMacHint();
    buildPasswordForm();
    buildButtons();
    // Created last: the wait picture is this page's veil and lies above all.
    createWaitRun(QRect(310, 330, 250, 20), tr("<b>Searching camera....</b>"));
    useWaitPictureAsVeil();

    connect(cameraTable, &QTableWidget::entered, this, &selectPage::showToolTip);
    connect(cameraTable, &QTableWidget::cellClicked, this, &selectPage::clickShow);
    connect(backButton, &QPushButton::clicked, this, &selectPage::back);
    connect(nextButton, &QPushButton::clicked, this, &selectPage::next);
    connect(noCameraLink, &QLabel::linkActivated, this, &selectPage::hintMessage);
    connect(forgotLink, &QLabel::linkActivated, this, &selectPage::forgetPassword);
    connect(rescanButton, &QPushButton::clicked, this, &selectPage::rescan);
    answerEngine(this, &ZVRUtils::gotPassword, &selectPage::updateDeviceList,
                 &ZVRUtils::foundDevice, &selectPage::cameraRecovery);

    // Nothing to press before the first search ends.
    for (QWidget *w : std::initializer_list<QWidget *>{backButton, rescanButton, nextButton,
                                                       cameraTable, noCameraLink})
        w->setEnabled(false);
    passwdEdit->setFocus();
}

// The column titles, the MAC ID help and the list of cameras.
void selectPage::buildCameraTable()
{
    const QString titleStyle = QStringLiteral("font:12px;color:rgb(0,0,0);");
    const struct {
        QString text;
        int x;
    } columnTitles[] = {
        {tr("Camera"), 85}, {tr("MAC ID"), 240}, {tr("IP address"), 390}, {tr("Connection"), 550}};
    for (const auto &title : columnTitles) {
        QLabel *label = textLabel(this, title.text, QRect(title.x, 160, 100, 25), titleStyle);
        QFont f = label->font();
        f.setFamily(QStringLiteral("Verdana"));
        label->setFont(f);
    }

    helpButton = new QPushButton(this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setFlat(true);
    helpButton->setIcon(QIcon(QStringLiteral(":/images/icon_help.png")));
    helpButton->setIconSize(QSize(14, 15));
    helpButton->setStyleSheet(QStringLiteral("font:9px;color:rgb(99,140,11);"));
    helpButton->setToolTip(tr("MAC ID is a unique identifier\nassigned to network interfaces\n"
                              "for communications on the\nphysical network."));
    helpButton->setGeometry(290, 164, 14, 15);

    cameraTable = new QTableWidget(0, 5, this);
    cameraTable->setObjectName(QStringLiteral("cameraTable"));
    cameraTable->setGeometry(30, 180, 630, 100);
    cameraTable->setFixedSize(630, 100);
    const int widths[] = {30, 150, 170, 170, 90};
    for (int i = 0; i < 5; ++i)
        cameraTable->setColumnWidth(i, widths[i]);
    // Reached by Tab only, so a click leaves no focus frame; Space or Enter
    // chooses the current row as a click does.
    cameraTable->setFocusPolicy(Qt::TabFocus);
    cameraTable->installEventFilter(this);
    cameraTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The choice shows only in the radio pictures of column 0.
    cameraTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    cameraTable->setSelectionMode(QAbstractItemView::NoSelection);
    cameraTable->horizontalHeader()->hide();
    cameraTable->verticalHeader()->hide();
    cameraTable->setFrameShape(QFrame::NoFrame);
    cameraTable->setShowGrid(false);
    cameraTable->setMouseTracking(true);
    cameraTable->viewport()->setMouseTracking(true);
    QPalette palette = cameraTable->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, QColor(255, 255, 255, 0));
    cameraTable->setPalette(palette);
    cameraTable->setStyleSheet(QStringLiteral("font:12px;color:rgb(89,87,87);"));
    cameraTable->setFont(QFont(QStringLiteral("Arial")));
}

// What the pictures of the list mean; a wired model has no wireless entry.
void selectPage::buildLegend()
{
    const QString legendStyle = QStringLiteral("font:9px;color:rgb(89,87,87);");
    const struct {
        QString picture;
        int pictureX;
        QString text;
        QRect textPlace;
    } entries[] = {
        {QStringLiteral(":/images/icon_reg.png"), 180, tr("Registered to skyvue"),
         QRect(200, 286, 150, 25)},
        {QStringLiteral(":/images/icon_noreg.png"), 350, tr("Not registered"),
         QRect(370, 286, 120, 25)},
        {QStringLiteral(":/images/icon_wired.png"), 490, tr("Wired"), QRect(510, 286, 70, 25)},
        {QStringLiteral(":/images/icon_wireless.png"), 580, tr("Wireless"),
         QRect(600, 286, 80, 25)},
    };
    QList<QLabel *> pictures;
    for (const auto &entry : entries)
        pictures << pictureLabel(this, entry.picture, QRect(entry.pictureX, 292, 10, 10));
    QList<QLabel *> texts;
    for (const auto &entry : entries)
        texts << textLabel(this, entry.text, entry.textPlace, legendStyle);
    pictures.last()->setObjectName(QStringLiteral("wirelessLegendPicture"));
    texts.last()->setObjectName(QStringLiteral("wirelessLegendLabel"));
    if (!isWireless) {
        pictures.last()->hide();
        texts.last()->hide();
    }
}

// Where the password form stands while no camera is chosen.
void selectPage::buildMacHint()
{
    macHint = namedLabel(this, "macHint", tr("Check the <b>MAC ID</b> on the back of your camera."),
                         QRect(13, 340, 300, 20));
    macImage = pictureLabel(this, QStringLiteral("images/MACID.PNG"), QRect(370, 340, 240, 76));
    macImage->setObjectName(QStringLiteral("macImage"));
    noCameraLink =
        namedLabel(this, "noCameraLink",
                   tr("<a href = http><font size=3 color=#638c0b>*Cannot find your camera "
                      "from the list ?</font></a>"),
                   QRect(13, 365, 250, 20), linkStyle);
}

void selectPage::buildPasswordForm()
{
    passwdTitle = namedLabel(this, "passwdTitle", tr("Enter a password to secure your camera"),
                             QRect(13, 330, 260, 25));
    adminAccountLabel =
        namedLabel(this, "adminAccountLabel", tr("Admin account:"), QRect(325, 330, 100, 25));
    adminNameLabel = namedLabel(this, "adminNameLabel", tr("admin"), QRect(447, 330, 150, 25));
    passwordLabel = namedLabel(this, "passwordLabel", tr("Password:"), QRect(325, 360, 90, 25));
    passwdEdit = passwordEdit(this, QRect(447, 360, 199, 21), "passwdEdit");
    forgotLink =
        namedLabel(this, "forgotLink",
                   tr("<a href = http><font size=3 color=#638c0b>Forgot my camera password "
                      "?</font></a>"),
                   QRect(447, 383, 175, 25), linkStyle);
    confirmLabel =
        namedLabel(this, "confirmLabel", tr("Confirm password:"), QRect(325, 390, 150, 25));
    confirmEdit = passwordEdit(this, QRect(447, 390, 199, 21), "confirmEdit");
    passwdEdit->installEventFilter(this);
    confirmEdit->installEventFilter(this);
}

void selectPage::buildButtons()
{
    backButton = createButton(
        {tr("      Back"), buttonStyle(buttonPicture::back), QStringLiteral("sel_back_btn")},
        QPoint(20, 450));
    rescanButton = createButton(
        {tr("Rescan    "), buttonStyle(buttonPicture::rescan), QStringLiteral("sel_resc_but")},
        QPoint(430, 450));
    nextButton = createButton(
        {tr("Next      "), buttonStyle(buttonPicture::nextGrey), QStringLiteral("sel_next_but")},
        QPoint(560, 450));
}

bool selectPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return pageFrame::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == cameraTable && (enter || key == Qt::Key_Space)) {
        if (cameraTable->isEnabled() && cameraTable->currentRow() >= 0)
            clickShow(cameraTable->currentRow(), cameraTable->currentColumn());
        return true;
    }
    // Enter in the form is Next; it never reaches the wizard's own buttons.
    if ((watched == passwdEdit || watched == confirmEdit) && enter) {
        if (nextButton->isEnabled())
            nextButton->click();
        return true;
    }
    return pageFrame::eventFilter(watched, event);
}

QList<QWidget *> selectPage::passwordForm() const
{
    return {passwdTitle, adminAccountLabel, adminNameLabel, passwordLabel,
            passwdEdit,  forgotLink,        confirmLabel,   confirmEdit};
}

void selectPage::hidePasswordForm()
{
    for (QWidget *w : passwordForm())
        w->hide();
}

void selectPage::showNewPasswordMode()
{
    passwdTitle->setText(tr("Enter a password to secure your camera"));
    for (QWidget *w : passwordForm())
        w->setVisible(w != forgotLink);
    macImage->hide();
    macHint->hide();
}

void selectPage::showConfirmMode()
{
    passwdTitle->setText(tr("Confirm your camera password"));
    for (QWidget *w : passwordForm())
        w->setVisible(w != confirmLabel && w != confirmEdit);
    macImage->hide();
    macHint->hide();
}

// ------------------------------------------------------------- the search

// Every road onto the page (Next on page 0, a jump back from page 2, the
// reset road's restart) starts a search with nothing typed and, as on the
// first visit, nothing to press until the search ends.
void selectPage::initializePage()
{
    passwdEdit->clear();
    confirmEdit->clear();
    lockControls();
    wait()->show();
    passwdEdit->setFocus();
    startSearch();
}

// Rescan keeps the typed passwords; entering the page again does not.
void selectPage::rescan()
{
    hidePasswordForm();
    macImage->show();
    macHint->show();
    wait()->show();
    lockControls();
    startSearch();
}

// Under a veil the mouse reaches nothing; the keyboard reaches only what is
// enabled and editable.
void selectPage::lockControls()
{
    for (QWidget *w : std::initializer_list<QWidget *>{backButton, rescanButton, nextButton,
                                                       cameraTable, noCameraLink})
        w->setEnabled(false);
    passwdEdit->setReadOnly(true);
    confirmEdit->setReadOnly(true);
}

// The list as the user left it: Next only with a camera chosen.
void selectPage::unlockControls()
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{backButton, rescanButton, cameraTable, noCameraLink})
        w->setEnabled(true);
    nextButton->setEnabled(selectedRow >= 0);
    passwdEdit->setReadOnly(false);
    confirmEdit->setReadOnly(false);
}

// A new search from an empty list.
void selectPage::startSearch()
{
    cameraCount = 0;
    selectedRow = -1;
    bBusy = false;
    cameraTable->clearContents();
    cameraTable->setRowCount(0);
    configIPCameraIdx = -1;
    IPCameraList.clear();
    // Read afresh for every search: an adapter plugged in or an address
    // changed since the start would otherwise get answers the filter drops.
    const QList<hostLink> links = hostLinks();
    host_mac_str = hostHardwareAddresses(links);
    zvrTools->setHostLinks(links);
    if (host_mac_str.isEmpty())
        qDebug().noquote() << "no network interface but loopback: the search reaches no camera.";
    ScanPktGen();
    wait()->start();
}

void selectPage::ScanPktGen()
{
    for (const QString &address : std::as_const(host_mac_str)) {
        qDebug().noquote() << "the hardware address is got:" << address;
        zvrTools->ZVRScanDevice(address, supportType, ZVRUtils::broadcastMac);
    }
}

void selectPage::endSearch()
{
    wait()->stop();
    unlockControls();
    zvrTools->broadcastScan = false;
}

const QList<tickRow<selectPage::runStep>> &selectPage::rows(run r)
{
    static const QList<tickRow<runStep>> search = {
        {60, runStep::scanAgainForFactoryAddress},
        {80, runStep::askMissingRecordsOrEnd},
        {100, runStep::askMissingRecordsAndEnd},
    };
    // The stored password was compared at Next: this run is a short wait before the move on.
    static const QList<tickRow<runStep>> confirm = {
        {21, runStep::endPasswordRun, tickMatch::fromOn},
    };
    static const QList<tickRow<runStep>> newPassword = {
        {50, runStep::checkPasswordAtFive},
        {80, runStep::checkPasswordAtEight},
        {100, runStep::endOrAskAfterPassword},
    };
    switch (r) {
    case run::search: return search;
    case run::confirm: return confirm;
    case run::newPassword: break;
    }
    return newPassword;
}

void selectPage::waitTimeout()
{
    // The form under the veil tells which password run this is.
    const run current = !bBusy                     ? run::search
                        : !confirmEdit->isHidden() ? run::newPassword
                                                   : run::confirm;
    const runLook look =
        current == run::search ? runLook{tr("Searching camera"), QRect(310, 330, 250, 20)}
        : current == run::newPassword
            ? runLook{tr("Saving camera's password"), QRect(285, 330, 250, 20)}
            : runLook{tr("Retrieving the camera's password"), QRect(265, 330, 250, 20)};
    // Rows and command states of the replies since the last tick count for
    // this tick's decision.
    tickRules rules;
    rules.deliversQueuedReplies = true;
    const tickRow<runStep> *due = wait()->advance(rows(current), rules, [&] {
        const bool firstFrame = wait()->ticks() % 7 == 0;
        wait()->showFrame(look.status);
        if (firstFrame) {
            wait()->setStatusPlace(look.place);
            // Only a search shows the list's hint; a password run keeps its form.
            if (current == run::search) {
                hidePasswordForm();
                macImage->show();
                macHint->show();
            }
        }
        return true;
    });
    if (due)
        act(due->action);
}

void selectPage::act(runStep s)
{
    switch (s) {
    case runStep::scanAgainForFactoryAddress: scanAgainForFactoryAddress(); break;
    case runStep::askMissingRecordsOrEnd: askMissingRecordsOrEnd(); break;
    case runStep::askMissingRecordsAndEnd: askMissingRecordsAndEnd(); break;
    case runStep::endPasswordRun: endPasswordRun(); break;
    case runStep::checkPasswordAtFive: checkPasswordAtFive(); break;
    case runStep::checkPasswordAtEight: checkPasswordAtEight(); break;
    case runStep::endOrAskAfterPassword: endOrAskAfterPassword(); break;
    }
}

// A scan reply from the factory address: cameras still on it may have
// missed the first scan while they took it.
void selectPage::scanAgainForFactoryAddress()
{
    const bool factoryAddressSeen = zvrTools->defaultIpSeen;
    if (factoryAddressSeen) {
        zvrTools->defaultIpSeen = false;
        ScanPktGen();
    }
}

bool selectPage::askMissingRecords()
{
    bool missing = false;
    for (int i = 0; i < IPCameraList.size(); ++i) {
        if (IPCameraList.at(i).cmdState != cmdStatePasswordSeen) {
            missing = true;
            zvrTools->ZVRGetPassword(i);
        }
    }
    return missing;
}

void selectPage::askMissingRecordsOrEnd()
{
    if (!askMissingRecords())
        endSearch();
}

void selectPage::askMissingRecordsAndEnd()
{
    askMissingRecords();
    endSearch();
}

void selectPage::restartCameraWebServer()
{
    passwordConfirmed = true;
    zvrTools->ZVRRestartHttpSrv(configIPCameraIdx, ZVRUtils::restartHttpServer);
}

void selectPage::checkPasswordAtFive()
{
    if (chosenCameraConfirmed()) {
        qDebug().noquote() << "at 5 second, check set password success, restart http server.";
        restartCameraWebServer();
    } else {
        qDebug().noquote() << "at 5 second, check set password failed, re-set it.";
        next();
        wait()->setTicks(50);
    }
}

void selectPage::checkPasswordAtEight()
{
    if (chosenCameraConfirmed()) {
        qDebug().noquote() << "at 8 second, check set password success, restart http server.";
        restartCameraWebServer();
    }
}

void selectPage::endOrAskAfterPassword()
{
    if (passwordConfirmed || chosenCameraConfirmed())
        endPasswordRun();
    else
        passwordNotConfirmed();
}

// The camera confirms by an info record sent after the password that
// carries that password; any other record leaves it unprotected.
bool selectPage::chosenCameraConfirmed() const
{
    const IPCamera *camera = chosenCamera();
    return camera && camera->cmdState == cmdStatePasswordSeen && !camera->password.isEmpty()
           && QString::fromUtf8(camera->password) == passwdEdit->text();
}

// Going on would tell the user the camera is protected. Retry sends the
// same password again in a new run; Close leaves the choice to the user.
void selectPage::passwordNotConfirmed()
{
    qDebug().noquote() << "at 10 second, the camera did not confirm the password.";
    stopPasswordRun();
    const int answer = warningBox(
        tr("The camera did not confirm the new password, so it may still have none. Check that "
           "the camera is on and connected, then try again."),
        {confirmingButton(tr("Retry    ")), cancelButton(closingButton(tr("Close    ")))},
        QPoint(160, 230));
    if (answer == 0) {
        next();
        return;
    }
    passwordRunFailed();
}

void selectPage::endPasswordRun()
{
    wait()->stop();
    moveOn(connectPageId);
}

// ------------------------------------------------------------- the table

void selectPage::updateDeviceList(int idx)
{
    if (!isActivePage("updateDeviceList: not active, the camera list page was left."))
        return;
    if (idx < 0 || idx >= IPCameraList.size()) {
        qDebug().noquote() << "updateDeviceList: wrong ipcamera idx.";
        return;
    }
    const IPCamera camera = IPCameraList.at(idx);
    // Compared without case, so that a camera reporting its address in
    // upper case is still listed once.
    const QString mac = camera.mac.toLower();
    for (int row = 0; row < cameraTable->rowCount(); ++row) {
        const QTableWidgetItem *macCell = cameraTable->item(row, 2);
        if (macCell && macCell->text().toLower() == mac) {
            qDebug().noquote() << "duplicate IP camera, and do not insert to the list.";
            return;
        }
    }

    // Unregistered cameras go on top, the others follow in arrival order.
    const int row = camera.registered == "0" ? 0 : cameraTable->rowCount();
    cameraTable->insertRow(row);
    ++cameraCount;
    // The chosen camera keeps its place in the page's eyes too.
    if (selectedRow >= row)
        ++selectedRow;

    cameraTable->setItem(row, 0, cell(QString(), radioUnselected));
    cameraTable->setItem(row, 1,
                         cell(cameraValues::recordText(QByteArray::fromBase64(camera.nameB64)),
                              camera.registered == "1"
                                  ? QStringLiteral(":/images/icon_reg.png")
                                  : QStringLiteral(":/images/icon_noreg.png")));
    cameraTable->setItem(row, 2, cell(camera.mac.toUpper()));
    cameraTable->setItem(row, 3, cell(camera.ip));
    cameraTable->setItem(row, 4,
                         cell(connectionText(camera.ipMode),
                              camera.wireless == "1" ? QStringLiteral(":/images/icon_wireless.png")
                                                     : QStringLiteral(":/images/icon_wired.png")));
}

void selectPage::cameraRecovery(int idx)
{
    if (!isActivePage("cameraRecovery: not active, the camera list page was left."))
        return;
    if (idx == configIPCameraIdx)
        qDebug().noquote() << "the camera is back from http restart.";
}

void selectPage::showToolTip(const QModelIndex &index)
{
    if (!index.isValid() || index.column() != 1)
        return;
    const QTableWidgetItem *item = cameraTable->item(index.row(), index.column());
    if (!item)
        return;
    const QWidget *w = wizardWindow();
    const QPoint at(w->x() + 185, w->y() + 200 + index.row() * cameraTable->rowHeight(0));
    // A camera's name is its own: shown as it is, never as markup.
    QToolTip::showText(at, plainToolTipText(item->text()), this);
}

void selectPage::setRadio(int row, bool selected)
{
    cameraTable->setItem(row, 0, cell(QString(), selected ? radioSelected : radioUnselected));
}

int selectPage::cameraIndexOfRow(int row) const
{
    const QTableWidgetItem *macCell = cameraTable->item(row, 2);
    if (!macCell)
        return -1;
    return listedCameraIndex(macCell->text().toLower());
}

void selectPage::clickShow(int row, int column)
{
    Q_UNUSED(column);
    nextButton->setStyleSheet(buttonStyle(buttonPicture::next));
    passwdEdit->clear();
    confirmEdit->clear();

    if (row == selectedRow) {
        selectedRow = -1;
        nextButton->setEnabled(false);
        setRadio(row, false);
        hidePasswordForm();
        macImage->show();
        macHint->show();
        passwdEdit->setFocus();
        return;
    }

    const int idx = cameraIndexOfRow(row);
    if (idx < 0) {
        // Only a camera that reports its address in upper case gets here;
        // without its record the page cannot tell which form it needs.
        qDebug().noquote() << "clickShow: no camera record for the row" << row
                           << ", the camera cannot be chosen.";
        for (int r = 0; r < qMin(cameraCount, cameraTable->rowCount()); ++r)
            setRadio(r, false);
        selectedRow = -1;
        configIPCameraIdx = -1;
        nextButton->setEnabled(false);
        hidePasswordForm();
        macImage->show();
        macHint->show();
        passwdEdit->setFocus();
        return;
    }

    selectedRow = row;
    nextButton->setEnabled(true);
    for (int r = 0; r < qMin(cameraCount, cameraTable->rowCount()); ++r)
        setRadio(r, r == row);
    configIPCameraIdx = idx;

    // Copied: the list may grow behind the notice.
    const bool hasPassword = !IPCameraList.at(idx).password.isEmpty();
    const bool registered = IPCameraList.at(idx).registered == "1";
    if (!hasPassword) {
        showNewPasswordMode();
        passwdEdit->setText(QString());
    } else {
        if (registered) {
            showRegisteredNotice();
            // The notice's reset road may have started a new search.
            if (configIPCameraIdx != idx)
                return;
        }
        showConfirmMode();
    }
    passwdEdit->setFocus();
}

void selectPage::showRegisteredNotice()
{
    helpBox(
        {tr("The camera you select has already been registered to skyvue. You have to enter "
            "the correct camera password and skyvue account later or <a href = terms><font "
            "size=3 color=#638c0b>reset the camera</font></a> to register another account.<br>"),
         QSize(410, 80), 1},
        {closingButton(tr("Close    "))}, QPoint(155, 210),
        [this](const QString &) { forgetPassword(); });
}

// ------------------------------------------------------------- password

void selectPage::stopPasswordRun()
{
    wait()->freeze();
    bBusy = false;
    showVeil();
}

// A failed attempt: the list and the form are the user's again, empty.
void selectPage::passwordRunFailed()
{
    bBusy = false;
    unlockControls();
    passwdEdit->clear();
    confirmEdit->clear();
    passwdEdit->setFocus();
}

void selectPage::next()
{
    bBusy = true;
    passwordConfirmed = false;
    lockControls();
    wait()->show();
    wait()->start();

    const QList<boxButton> closeOnly = {closingButton(tr("Close    "))};
    const QString ruleMessage = tr("The passwords must be at least 6 characters long and must "
                                   "contain at least 2 letters, case-sensitive!");

    if (!confirmEdit->isHidden()) {
        if (!adminPassword::acceptable(passwdEdit->text())) {
            stopPasswordRun();
            warningBox(ruleMessage, closeOnly, QPoint(120, 250));
            passwordRunFailed();
            return;
        }
        if (passwdEdit->text() != confirmEdit->text()) {
            stopPasswordRun();
            messageBox(tr("<font size=5 face=verdana color=#2a7ba6><b>Warning</b></font>"
                          "<br><br>The passwords don't match! Please try again!"),
                       QMessageBox::Warning, closeOnly, QPoint(180, 250));
            passwordRunFailed();
            return;
        }
    }

    const IPCamera *camera = chosenCamera();
    if (!camera) {
        wait()->stop();
        passwordRunFailed();
        return;
    }

    const QString stored = QString::fromUtf8(camera->password);
    QString problem;
    QPoint offset(200, 230);
    if (!stored.isEmpty()) {
        if (passwdEdit->text() != stored)
            problem = tr("Input wrong password, please check!");
    } else if (confirmEdit->text() != passwdEdit->text()) {
        problem = tr("Two times input password are not the same!");
    } else if (!adminPassword::acceptable(passwdEdit->text())) {
        // Reached only in confirm mode, whose one field may be empty: a
        // camera never gets a password that breaks the rule, none least of all.
        problem = ruleMessage;
        offset = QPoint(120, 250);
    } else {
        zvrTools->ZVRSetPassword(configIPCameraIdx, passwdEdit->text(), QString());
    }

    if (problem.isEmpty()) {
        passwdEdit->setFocus();
        return;
    }
    stopPasswordRun();
    warningBox(problem, closeOnly, offset);
    passwordRunFailed();
    // The camera has lost its password since it was chosen: it needs a new
    // one, typed twice.
    if (stored.isEmpty() && confirmEdit->isHidden())
        showNewPasswordMode();
}

// ------------------------------------------------------------- others

void selectPage::back()
{
    backTo(plugPageId);
}

void selectPage::hintMessage()
{
    messageBox(tr("<font size=5 face=verdana color=#2a7ba6   ><b>Cannot detect your wired "
                  "connection?</b></font><br><br>Please close this lightbox and click <b>Back</b> "
                  "button to previous page. Follow the instruction to install the camera again."),
               QMessageBox::NoIcon, {closingButton(tr("Close    "))}, QPoint(130, 210));
}

void selectPage::forgetPassword()
{
    if (roads.resetRoad(cameraRoads::afterReseting, QStringLiteral("detail_close_btu"))
        == cameraRoads::resetOutcome::restartYes)
        rescan();
}
