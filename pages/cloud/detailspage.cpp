#include "pages/cloud/detailspage.h"

#include "core/globals.h"
#include "core/widgets.h"
#include "platform/platform.h"
#include "protocol/cameravalues.h"
#include "protocol/ipcamera.h"

#include <QDebug>
#include <QLabel>
#include <QPushButton>

namespace {

const QString headingStyle = QStringLiteral("color:rgb(89,87,87);font:14px;");
const QString rowStyle = QStringLiteral("color:rgb(89,87,87);font:12px;");
const QChar bullet(0x25CF);

QLabel *row(QWidget *parent, const char *name, const QString &text, QRect place)
{
    return namedLabel(parent, name, text, place, rowStyle);
}

// Camera values are plain text, cut with an ellipsis where they do not fit,
// the whole value in the tooltip.
QLabel *value(QWidget *parent, const char *name, const QString &text, QRect place)
{
    QLabel *l = row(parent, name, QString(), place);
    setElidedText(l, text);
    return l;
}

// Headings are a pixel taller than their 20: a bold 14-pixel line of the CJK
// fonts needs 21, and the row below stays clear of its text.
void heading(QWidget *parent, const char *name, const QString &text, QRect place)
{
    namedLabel(parent, name, QStringLiteral("%1 %2").arg(bullet, text), place, headingStyle);
}

}  // namespace

detailsPage::detailsPage() : QDialog()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("background-color:rgb(229,232,235);"));
    setObjectName(QStringLiteral("detail_window"));
    setWindowFlags(Qt::FramelessWindowHint);
    setFixedSize(530, 387);

    const IPCamera *camera = chosenCamera();
    const networkConfig net = camera ? camera->net : networkConfig();
    qDebug().noquote() << "DHCP_enable=" << ('"' + cameraValues::recordText(net.DHCP_enable) + '"');
    qDebug().noquote() << "PPPoE_enable="
                       << ('"' + cameraValues::recordText(net.PPPoE_enable) + '"');
    const bool wireless = net.getNetworkType();
    qDebug().noquote() << "Wireless_enable=" << (wireless ? 1 : 0);

    // Made in this order, which is the order they stack in.
    QLabel *ssid = buildConnection(net, wireless);
    buildCameraInfo(camera);
    buildLinks();
    buildTitle();
    closeButton = pictureButton(closingButton(tr("Close    ")), this, QPoint(200, 350));

    if (wireless && camera) {
        setElidedText(ssid, cameraValues::recordText(QByteArray::fromBase64(net.Wireless_SSID)));
    } else {
        ssid->setText(tr("n/a"));
    }

    connect(closeButton, &QPushButton::clicked, this, &detailsPage::closeWindow);
    connect(internetConnLink, &QLabel::linkActivated, this, &QDialog::close);
    connect(connTypeLink, &QLabel::linkActivated, this, &QDialog::close);
}

// Left column: the addresses the camera uses and its connection type. The
// SSID's label is returned empty.
QLabel *detailsPage::buildConnection(const networkConfig &net, bool wireless)
{
    QList<QByteArray> addresses(5);
    if (net.DHCP_enable == "1") {
        addresses = {net.Current_IP, net.Current_netmask, net.Current_gateway, net.Current_DNS1,
                     net.Current_DNS2};
    } else if (net.PPPoE_enable != "1") {
        addresses = {net.Static_IP, net.Static_netmask, net.Static_gateway, net.Static_DNS1,
                     net.Static_DNS2};
    }
    const char *const rowNames[5] = {QT_TR_NOOP("Camera IP address:"), QT_TR_NOOP("Subnet Mask:"),
                                     QT_TR_NOOP("Gateway IP address:"), QT_TR_NOOP("Primary DNS:"),
                                     QT_TR_NOOP("Secondary DNS")};
    for (int i = 0; i < 5; ++i) {
        row(this, QStringLiteral("addressName%1").arg(i + 1).toLatin1().constData(),
            tr(rowNames[i]), QRect(20, 80 + 20 * i, 150, 20));
        // An address only as the pages show one: anything else stays empty.
        const QString address = cameraValues::recordText(addresses.at(i));
        if (!address.isEmpty() && !cameraValues::isDottedIPv4(address))
            qDebug().noquote() << "detailsPage: the camera gave no IPv4 address for row" << i + 1
                               << "; left empty.";
        value(this, QStringLiteral("addressValue%1").arg(i + 1).toLatin1().constData(),
              cameraValues::isDottedIPv4(address) ? address : QString(),
              QRect(180, 80 + 20 * i, 150, 20));
    }
    row(this, "statusName", tr("Status:"), QRect(20, 210, 150, 20));
    row(this, "statusValue", wireless ? tr("Wireless") : tr("Wired"), QRect(180, 210, 150, 20));
    row(this, "ssidName", tr("Wireless SSID:"), QRect(20, 230, 150, 20));
    QLabel *ssid = row(this, "ssidValue", tr("n/a"), QRect(180, 230, 100, 20));
    ssid->setTextFormat(Qt::PlainText);
    row(this, "modeName", tr("Connection mode:"), QRect(20, 250, 150, 20));
    row(this, "modeValue", wireless ? QString() : tr("n/a"), QRect(180, 250, 150, 20));
    row(this, "authName", tr("Authentication:"), QRect(20, 270, 150, 20));
    row(this, "authValue", QString(), QRect(180, 270, 150, 20));
    row(this, "encryptionName", tr("Encryption:"), QRect(20, 290, 150, 20));
    row(this, "encryptionValue", wireless ? QString() : tr("n/a"), QRect(180, 290, 150, 20));
    row(this, "keyName", tr("Key/password:"), QRect(20, 310, 150, 20));
    row(this, "keyValue", QString(), QRect(180, 310, 150, 20));
    heading(this, "internetHeading", tr("<b> Internet connection</b>"), QRect(15, 60, 180, 21));
    heading(this, "typeHeading", tr("<b> Connection type</b>"), QRect(15, 190, 150, 21));
    return ssid;
}

// Right column: the cloud number and the web login.
void detailsPage::buildCameraInfo(const IPCamera *camera)
{
    row(this, "numberName", tr("skyvue no.:"), QRect(300, 80, 120, 20));
    value(this, "numberValue", camera ? cameraValues::recordText(camera->deviceNo) : QString(),
          QRect(420, 80, 105, 20));
    row(this, "accountName", tr("Admin account:"), QRect(300, 130, 120, 20));
    row(this, "accountValue", tr("admin"), QRect(420, 130, 105, 20));
    row(this, "passwordName", tr("Password:"), QRect(300, 150, 120, 20));
    // A mask, never the password.
    row(this, "passwordValue", tr("xxxxxx"), QRect(420, 150, 105, 20));
    heading(this, "infoHeading", tr("<b> skyvue info</b>"), QRect(295, 60, 150, 21));
    heading(this, "webHeading", tr("<b> Camera web page</b>"), QRect(295, 110, 150, 21));
}

// The two links back into the wizard.
void detailsPage::buildLinks()
{
    const QString linkStyle =
        QStringLiteral("color:rgb(99,140,11);font:%1px;").arg(platform::textPixelSize());
    internetConnLink = namedLabel(
        this, "internetConnLink",
        QStringLiteral("%1 %2").arg(
            bullet,
            tr("<a href = http><font size=3 color=#638c0b> Change your Internet connection</font></a>")),
        QRect(285, 250, 240, 20), linkStyle);
    connTypeLink = namedLabel(
        this, "connTypeLink",
        QStringLiteral("%1 %2").arg(
            bullet,
            tr("<a href = http><font size=3 color=#638c0b> Change your connection type</font></a>")),
        QRect(285, 280, 240, 20), linkStyle);

    keyboardLinks(internetConnLink);
    keyboardLinks(connTypeLink);
}

void detailsPage::buildTitle()
{
    auto *titleLabel = new QLabel(tr("<b>More details</b>"));
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setParent(this);
    QFont titleFont = titleLabel->font();
    titleFont.setFamily(QStringLiteral("Verdana"));
    titleLabel->setFont(titleFont);
    titleLabel->setStyleSheet(QStringLiteral("font: bold 24px;color:rgb(41,76,108);"));
    // Wide enough for the heading in its bold 24 pixels.
    titleLabel->setGeometry(20, 5, 300, 50);
}

detailsPage::~detailsPage() = default;

void detailsPage::closeWindow()
{
    // The opening page closes the dialog; Close does nothing more here.
}
