#include "pages/cloud/joinpage1.h"

#include "pages/cloud/whyjoin.h"
#include "protocol/portal.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

joinPage1::joinPage1(QWidget *parent) : pageFrame(joinPage1Id, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
    QFont titleFont(QStringLiteral("Verdana"), 20);
    titleFont.setBold(true);
    titleLabel()->setFont(titleFont);

    // The link text is the portal's host (protocol/portal.h).
    infoText = namedLabel(
        this, "infoText",
        tr("The camera has previously registered with a skyvue account, you can login on "
           "<a href =skyvue><font size=3 color=#638c0b>www.skyvue.com</font></a> or mobile "
           "application to enjoy remote view. If you want to re-configure your account and "
           "device, you may <a href = hard reset><font size=3 color=#638c0b>hard reset</font></a> "
           "the camera and create or register with a new account."),
        QRect(30, 140, 270, 150));
    infoText->setWordWrap(true);
    keyboardLinks(infoText);
    infoText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The second and third texts stay in English in every language.
    const whyJoinPanel panel{
        tr("<b>Why join skyvue ?</b>"),
        QChar(0x25CF),
        "panelItem",
        {{tr(" <b>Simple setting</b>"),
          tr("Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the "
             "trouble some configurations on cameras or viewing clients."),
          Qt::AutoText},
         {tr(" <b>Easy Access</b>"),
          QStringLiteral(
              "For using skyvue web service such as to manage all your cameras in one place."),
          Qt::PlainText},
         {tr(" <b>Remote viewing anywhere</b>"),
          QStringLiteral(
              "For viewing your cameras from anywhere through a web browser or a mobile device."),
          Qt::PlainText}}};
    panel.build(this);

    backButton =
        createButton({tr("    Back"), buttonStyle(buttonPicture::back, QStringLiteral("12pt")),
                      QStringLiteral("conn_back_btn")},
                     QPoint(20, 450));
    nextButton =
        createButton({tr("Next    "), buttonStyle(buttonPicture::next, QStringLiteral("12pt")),
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
    if (roads.resetRoad(cameraRoads::afterReseting, QStringLiteral("detail_close_btu"))
        == cameraRoads::resetOutcome::restartYes)
        restartAndStep();
}
