#include "pages/cloud/finishpage.h"

#include "core/globals.h"
#include "core/http.h"
#include "core/modal.h"
#include "pages/cloud/clickedlabel.h"
#include "pages/cloud/detailspage.h"
#include "pages/cloud/portalrequest.h"
#include "pages/cloud/snapshot.h"
#include "platform/shortcut.h"
#include "protocol/cameravalues.h"
#include "protocol/ipcamera.h"
#include "protocol/models.h"
#include "protocol/portal.h"
#include "protocol/zvrutils.h"

#include <QCheckBox>
#include <QDebug>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkRequest>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QWizard>

#include <array>

namespace {

// The texts all three pages show, put into each page's context of the
// translation files (written out: the scanner reads no macros); the page
// looks them up in its own.
[[maybe_unused]] const char *const finishTexts[] = {
    QT_TRANSLATE_NOOP("joinPage3", "Join skyvue service"),
    QT_TRANSLATE_NOOP("joinPage3", "IP address:"),
    QT_TRANSLATE_NOOP("joinPage3", "Password:"),
    QT_TRANSLATE_NOOP("joinPage3", "xxxxxx"),
    QT_TRANSLATE_NOOP("joinPage3", "admin"),
    QT_TRANSLATE_NOOP("joinPage3", " Camera name:"),
    QT_TRANSLATE_NOOP(
        "joinPage3",
        " <a href = http><font size=3 color=#638c0b>More details about your camera.</font></a>"),
    QT_TRANSLATE_NOOP("joinPage3", "Done    "),
    QT_TRANSLATE_NOOP("joinPage4", "Join skyvue service"),
    QT_TRANSLATE_NOOP("joinPage4", "IP address:"),
    QT_TRANSLATE_NOOP("joinPage4", "Password:"),
    QT_TRANSLATE_NOOP("joinPage4", "xxxxxx"),
    QT_TRANSLATE_NOOP("joinPage4", "admin"),
    QT_TRANSLATE_NOOP("joinPage4", " Camera name:"),
    QT_TRANSLATE_NOOP(
        "joinPage4",
        " <a href = http><font size=3 color=#638c0b>More details about your camera.</font></a>"),
    QT_TRANSLATE_NOOP("joinPage4", "Done    "),
    QT_TRANSLATE_NOOP("joinPage", "Join skyvue service"),
    QT_TRANSLATE_NOOP("joinPage", "IP address:"),
    QT_TRANSLATE_NOOP("joinPage", "Password:"),
    QT_TRANSLATE_NOOP("joinPage", "xxxxxx"),
    QT_TRANSLATE_NOOP("joinPage", "admin"),
    QT_TRANSLATE_NOOP("joinPage", " Camera name:"),
    QT_TRANSLATE_NOOP(
        "joinPage",
        " <a href = http><font size=3 color=#638c0b>More details about your camera.</font></a>"),
    QT_TRANSLATE_NOOP("joinPage", "Done    "),
    QT_TRANSLATE_NOOP("joinPage4", "<a href = temp><font size=3 color=#638c0b>"),
    QT_TRANSLATE_NOOP("joinPage4", "</font></a>"),
    QT_TRANSLATE_NOOP("joinPage", "<a href = temp><font size=3 color=#638c0b>"),
    QT_TRANSLATE_NOOP("joinPage", "</font></a>"),
    QT_TRANSLATE_NOOP("joinPage3", "The shortcut could not be made completely."),
    QT_TRANSLATE_NOOP("joinPage4", "The shortcut could not be made completely."),
    QT_TRANSLATE_NOOP("joinPage", "The shortcut could not be made completely."),
};

// The shortcut's fixed parts; the words stay English in every language.
const QString pathObj = QStringLiteral("%windir%\\explorer.exe ");

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

}  // namespace

finishPage::finishPage(pageId id, QWidget *parent) : pageFrame(id, parent) {}

QString finishPage::bulleted(const char *source) const
{
    return QStringLiteral("%1 %2").arg(QChar(0x25A0), pageTr(source));
}

void finishPage::build(const layout &l)
{
    m_layout = l;
    setupFrame(pageTr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);

    infoText = namedLabel(this, "infoText", bulleted(l.infoText), l.infoPlace);
    infoText->setWordWrap(true);
    infoText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (l.localViewText)
        localViewText =
            namedLabel(this, "localViewText", bulleted(l.localViewText), l.localViewPlace);
    if (l.ipRow) {
        if (l.ipCaptionClickable) {
            ipCaption = new clickedLabel(this);
            ipCaption->setObjectName(QStringLiteral("ipCaption"));
            ipCaption->setText(pageTr("IP address:"));
            ipCaption->setGeometry(l.ipCaptionPlace);
        } else {
            ipCaption = namedLabel(this, "ipCaption", pageTr("IP address:"), l.ipCaptionPlace);
        }
        ipLinkLabel = namedLabel(this, "ipLinkLabel", QString(), QRect(180, 230, 150, 30),
                                 QStringLiteral("font:13px;color:rgb(99,140,11);"));
    }
    namedLabel(this, "accountCaption", pageTr(l.accountCaption), l.accountCaptionPlace);
    accountValue = namedLabel(this, l.accountIsEmail ? "accountEmailLabel" : "accountValue",
                              l.accountIsEmail ? QString() : pageTr("admin"), l.accountValuePlace);
    if (l.accountIsEmail)
        accountValue->setTextFormat(Qt::PlainText);
    namedLabel(this, "passwordCaption", pageTr("Password:"), l.passwordCaptionPlace);
    namedLabel(this, "passwordValue", pageTr("xxxxxx"), l.passwordValuePlace);
    if (l.mobileAppsText) {
        mobileAppsText =
            namedLabel(this, "mobileAppsText", bulleted(l.mobileAppsText), l.mobileAppsPlace);
        mobileAppsText->setWordWrap(true);
        mobileAppsText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    namedLabel(this, "nameCaption", bulleted(" Camera name:"), QRect(30, 325, 110, 30));
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("join3_name_edit"));
    nameEdit->setFixedSize(153, 27);
    nameEdit->move(140, 330);
    nameEdit->setEnabled(false);
    detailsLink = namedLabel(
        this, "detailsLink",
        bulleted(
            " <a href = http><font size=3 color=#638c0b>More details about your camera.</font></a>"),
        QRect(30, 360, 230, 30), QStringLiteral("color:rgb(99,140,11);"));
    shortcutCheck = new QCheckBox(pageTr(l.shortcutText), this);
    shortcutCheck->setObjectName(QStringLiteral("shortcutCheck"));
    shortcutCheck->setGeometry(30, 390, 520, 30);
    shortcutCheck->setChecked(true);
    snapshotLabel = new QLabel(this);
    snapshotLabel->setObjectName(QStringLiteral("snapshotLabel"));
    snapshotLabel->setFixedSize(200, 200);
    snapshotLabel->move(l.snapshotX, 190);
    snapshotLabel->setStyleSheet(
        QStringLiteral("background-image: url(:/images/localview.png);border:none"));
    snapshotRequest = new httpRequest(snapshot::bodyLimit, this);
    snapshotRequest->setObjectName(QStringLiteral("snapshotRequest"));
    // The transfer timeout counts only a silence: a camera that trickles
    // would never end.
    snapshotRequest->setDeadline(snapshotTotalMs);
    connect(snapshotRequest, &httpRequest::finished, this,
            [this](const QString &status, const QByteArray &body) {
                snapshotAnswered(false, status, body);
            });
    connect(snapshotRequest, &httpRequest::failed, this,
            [this](const QString &status) { snapshotAnswered(true, status, QByteArray()); });
    connect(snapshotRequest, &httpRequest::tooLong, this, [] {
        qDebug().noquote() << "getImage: the answer is longer than" << snapshot::bodyLimit
                           << "bytes; given up.";
    });
    connect(snapshotRequest, &httpRequest::tooLate, this, [] {
        qDebug().noquote() << "getImage: no whole answer within" << snapshotTotalMs / 1000
                           << "seconds; given up.";
    });
    doneButton = createButton(
        {pageTr("Done    "), buttonStyle(l.donePicture), QString::fromLatin1(l.doneName)},
        QPoint(560, 450));
    // Above everything, Done included.
    createVeil(QSize(720, 435))->setObjectName(QStringLiteral("waitPicLabel"));

    for (QLabel *label : {infoText, mobileAppsText, ipLinkLabel, detailsLink}) {
        if (label)
            keyboardLinks(label);
    }
    connect(doneButton, &QPushButton::clicked, this, &finishPage::next);
    connect(detailsLink, &QLabel::linkActivated, this, &finishPage::themeLabel4_click);
    switch (l.infoRole) {
    case infoLink::setupAgain:
        connect(infoText, &QLabel::linkActivated, this, &finishPage::setup_again_Slot);
        break;
    case infoLink::portalHome:
        connect(infoText, &QLabel::linkActivated, this, &finishPage::linktip1_click);
        break;
    case infoLink::none: break;
    }
    if (mobileAppsText)
        connect(mobileAppsText, &QLabel::linkActivated, this, &finishPage::linktip1_click);
    if (ipLinkLabel)
        connect(ipLinkLabel, &QLabel::linkActivated, this, &finishPage::linktip1_click);
}

// ------------------------------------------------------------------ entry

void finishPage::initializePage()
{
    shortcutCheck->setChecked(true);
    const IPCamera *camera = chosenCamera();
    if (ipLinkLabel) {
        const QString ip = camera ? camera->ip : QString();
        if (cameraValues::isDottedIPv4(ip)) {
            ipLinkLabel->setText(pageTr("<a href = temp><font size=3 color=#638c0b>") + ip
                                 + pageTr("</font></a>"));
        } else {
            ipLinkLabel->clear();
            qDebug().noquote() << "finishPage: the camera gave no IPv4 address; no address link.";
        }
    }
    if (m_layout.accountIsEmail)
        setElidedText(accountValue, emailStr);
    nameEdit->setText(camera ? cameraValues::recordText(QByteArray::fromBase64(camera->nameB64))
                             : QString());
    getImage();
}

// --------------------------------------------------------------- snapshot

void finishPage::getImage()
{
    qDebug().noquote() << "getImage";
    // One request at a time: an earlier one would never be shown.
    snapshotRequest->abandon();
    const IPCamera *camera = chosenCamera();
    if (!camera)
        return;
    const QString path = models::snapshotPath(QString::fromUtf8(camera->model));
    if (path.isEmpty()) {
        qDebug().noquote() << "Unknown camera type";
        return;
    }
    // The password goes only to the camera: to an address, never to a name
    // or a URL the camera made up.
    if (!cameraValues::isDottedIPv4(camera->ip)) {
        qDebug().noquote() << "getImage: the camera gave no IPv4 address; nothing sent.";
        return;
    }
    const QString url = QStringLiteral("http://") + camera->ip + path;
    qDebug().noquote() << "url = " << quoted(url);
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Authorization", "Basic " + ("admin:" + camera->password).toBase64());
    // A redirect would carry the password to another host.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(snapshotTimeoutMs);
    snapshotRequest->get(request);
}

void finishPage::snapshotAnswered(bool failed, const QString &status, const QByteArray &body)
{
    qDebug().noquote() << "finished";
    qDebug().noquote() << "http status code =" << quoted(status);
    const std::optional<QImage> image = snapshot::picture(failed, status, body);
    if (!image)
        return;
    QPixmap picture = QPixmap::fromImage(*image);
    // A larger picture is scaled down to fit; a smaller one keeps its size.
    if (picture.width() > snapshotLabel->width() || picture.height() > snapshotLabel->height())
        picture =
            picture.scaled(snapshotLabel->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    snapshotLabel->setPixmap(picture);
}

// ------------------------------------------------------------------- Done

void finishPage::next()
{
    const IPCamera *camera = chosenCamera();
    if (camera)
        zvrTools->ZVRSyncTime(configIPCameraIdx);
    camera = chosenCamera();
    if (shortcutCheck->isChecked()) {
        bool made = false;
        if (camera)
            made = makeShortcutFor(*camera);
        else
            qDebug().noquote() << "createShortcut: no camera chosen; no shortcut.";
        // The user asked for it: one box says it is not there, whatever the
        // log says of why; the wizard closes all the same.
        if (!made)
            warningBox(pageTr("The shortcut could not be made completely."),
                       {confirmingButton(pageTr("Done    "))}, QPoint(120, 250));
    }
    if (m_layout.opensHomeOnDone)
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(portal::homePage)));
    if (QWizard *w = wizard())
        w->close();
}

bool finishPage::makeShortcutFor(const IPCamera &camera)
{
    const QString desktop = platform::desktopFolder();
    qDebug().noquote() << "desktop path =" << quoted(desktop);
    const QString deviceNo = cameraValues::recordText(camera.deviceNo);
    const QByteArray base = portalRequest::recordValue(camera.portalBaseUrl);
    // The number becomes part of a file name, the address part of a link.
    // A camera without a number still gets its shortcut ("MyCamera-").
    if (!cameraValues::isFileNamePart(deviceNo)) {
        qDebug().noquote() << "createShortcut: the camera's number is no plain name; no shortcut.";
        return false;
    }
    if (!cameraValues::isPortalAddress(base)) {
        qDebug().noquote()
            << "createShortcut: the camera gave no valid portal address; no shortcut.";
        return false;
    }
    const QString values[4] = {
        pathObj,
        desktop + QLatin1Char('\\') + QStringLiteral("MyCamera(") + deviceNo
            + QStringLiteral(").lnk"),
        QLatin1Char('"') + QString::fromLatin1(base) + QStringLiteral("/?skyvue_no=") + deviceNo
            + QStringLiteral("&lang=") + lang + QLatin1Char('"'),
        platform::shortcutIconPath(),
    };
    qDebug().noquote() << "pathObj =" << quoted(values[0]);
    qDebug().noquote() << "pathLink =" << quoted(values[1]);
    qDebug().noquote() << "pathIcon =" << quoted(values[3]);
    // Counted in UTF-16 units, so that both builds agree on what fits.
    for (const QString &v : values) {
        if (v.size() >= platform::shortcutBufferSize) {
            qDebug().noquote() << "createShortcut: a value is longer than"
                               << platform::shortcutBufferSize - 1 << "characters; no shortcut.";
            return false;
        }
    }
    std::array<std::array<wchar_t, platform::shortcutBufferSize>, 4> buffers{};
    for (int i = 0; i < 4; ++i)
        values[i].toWCharArray(buffers[i].data());
    return createShortcut(buffers[0].data(), buffers[1].data(), buffers[2].data(),
                          buffers[3].data());
}

bool finishPage::createShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                                wchar_t *lpszPathIcon)
{
    const IPCamera *camera = chosenCamera();
    return platform::createShortcut(
        lpszPathObj, lpszPathLink, lpszPathArg, lpszPathIcon,
        {camera ? camera->deviceNo : QByteArray(), camera ? camera->model : QByteArray()});
}

// ------------------------------------------------------------------ links

void finishPage::linktip1_click(const QString &)
{
    if (m_layout.infoRole == infoLink::portalHome) {
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(portal::homePage)));
        return;
    }
    const IPCamera *camera = chosenCamera();
    if (camera && cameraValues::isDottedIPv4(camera->ip))
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + camera->ip));
}

void finishPage::setup_again_Slot(const QString &)
{
    jumpTo(failedPageId);
}

// ---------------------------------------------------------------- details

void finishPage::themeLabel4_click()
{
    showVeil();
    auto *dialog = new detailsPage;
    detailsDialog = dialog;
    connect(dialog->internetConnLink, &QLabel::linkActivated, this,
            &finishPage::changeInterConneShow);
    connect(dialog->connTypeLink, &QLabel::linkActivated, this, &finishPage::changeConnTypeShow);
    connect(dialog->closeButton, &QPushButton::clicked, this, &finishPage::closeViewShow);
    QWidget *w = wizardWindow();
    keepWizardOnScreen(w);
    dialog->move(w->pos() + QPoint(100, 100));
    runModal(dialog);
    // Ended otherwise (Escape): the veil goes too, and the dialog, which
    // deletes itself only when closed, once its own loop is over.
    hideVeil();
    if (detailsDialog && !detailsDialog->isVisible())
        detailsDialog->deleteLater();
}

void finishPage::closeDetails()
{
    hideVeil();
    if (detailsDialog)
        detailsDialog->close();  // deletes itself after its loop
}

void finishPage::closeViewShow()
{
    closeDetails();
}

void finishPage::changeInterConneShow()
{
    closeDetails();
    jumpTo(failedPageId);
}

void finishPage::changeConnTypeShow()
{
    closeDetails();
    jumpTo(connectPageId);
}
