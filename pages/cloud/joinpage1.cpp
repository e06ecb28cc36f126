#include "pages/cloud/joinpage1.h"

#include "protocol/portal.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

const QString itemStyle = QStringLiteral("color:rgb(89,87,87);font:12px;");

}  // namespace

joinPage1::joinPage1(QWidget *parent)
    : pageFrame(joinPage1Id, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
    QFont titleFont(QStringLiteral("Verdana"), 20);
    titleFont.setBold(true);
    titleLabel()->setFont(titleFont);

    pictureLabel(this, QStringLiteral(":/images/join2_right.png"), QRect(360, 130, 299, 288));
    // The link text is the portal's host (protocol/portal.h).
    infoText = namedLabel(this, "infoText",
        tr("The camera has previously registered with a skyvue account, you can login on "
           "<a href =skyvue><font size=3 color=#638c0b>www.skyvue.com</font></a> or mobile "
           "application to enjoy remote view. If you want to re-configure your account and "
           "device, you may <a href = hard reset><font size=3 color=#638c0b>hard reset</font></a> "
           "the camera and create or register with a new account."),
        QRect(30, 140, 270, 150));
    infoText->setWordWrap(true);
    keyboardLinks(infoText);
    infoText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    namedLabel(this, "panelTitle", tr("<b>Why join skyvue ?</b>"), QRect(370, 140, 200, 30),
               QStringLiteral("color:rgb(0,0,0);font:14px;"));
    const QChar bullet(0x25CF);
    const struct {
        const char *item;
        QString description;
        int y;
        int height;
    } items[] = {
        {QT_TR_NOOP(" <b>Simple setting</b>"),
         tr("Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the "
            "trouble some configurations on cameras or viewing clients."),
         170, 60},
        // These two stay in English in every language.
        {QT_TR_NOOP(" <b>Easy Access</b>"),
         QStringLiteral("For using skyvue web service such as to manage all your cameras in one place."),
         260, 40},
        {QT_TR_NOOP(" <b>Remote viewing anywhere</b>"),
         QStringLiteral("For viewing your cameras from anywhere through a web browser or a mobile device."),
         330, 40},
    };
    int n = 1;
    for (const auto &item : items) {
        namedLabel(this, QStringLiteral("panelItem%1").arg(n).toLatin1().constData(),
                   QStringLiteral("%1 %2").arg(bullet, tr(item.item)), QRect(370, item.y, 200, 30),
                   itemStyle);
        QLabel *description =
            namedLabel(this, QStringLiteral("panelText%1").arg(n).toLatin1().constData(),
                       item.description, QRect(370, item.y + 30, 250, item.height), itemStyle);
        description->setTextFormat(n == 1 ? Qt::AutoText : Qt::PlainText);
        description->setWordWrap(true);
        description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        ++n;
    }

    backButton = createButton({tr("    Back"), buttonStyle(buttonPicture::back, QStringLiteral("12pt")),
                               QStringLiteral("conn_back_btn")},
                              QPoint(20, 450));
    nextButton = createButton({tr("Next    "), buttonStyle(buttonPicture::next, QStringLiteral("12pt")),
                               QStringLiteral("nextButton")},
                              QPoint(560, 450));
    // Above Back and Next too.
    createVeil(QSize(720, 435));

    connect(nextButton, &QPushButton::clicked, this, &joinPage1::next);
    connect(backButton, &QPushButton::clicked, this, &joinPage1::back);
    connect(infoText, &QLabel::linkActivated, this, &joinPage1::hard_reset_Slot);
}

void joinPage1::next()
{
    moveOn(joinPage4Id);
}

void joinPage1::back()
{
    jumpTo(connectPageId);
}

void joinPage1::hard_reset_Slot(const QString &str)
{
    // The link's own target, not a translation of it.
    if (str == QLatin1String("skyvue")) {
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(portal::homePage)));
        return;
    }
    if (resetRoad(afterReseting, QStringLiteral("detail_close_btu")) == resetOutcome::restartYes)
        restartAndStep();
}
