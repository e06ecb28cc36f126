#include "pages/cloud/joinpage.h"

// Page 8: the camera stays without Internet, for local view.
joinPage::joinPage(QWidget *parent) : finishPage(joinPageId, parent)
{
    layout l{};
    l.infoText = QT_TR_NOOP(
        " Due to the camera has no Internet connection,( <a href = Setup again><font size=3 color=#638c0b>Setup again</font></a> ) you cannot login skyvue website for remote view.\n");
    l.infoPlace = QRect(30, 140, 410, 50);
    l.infoRole = infoLink::setupAgain;
    l.localViewText = QT_TR_NOOP(" You still can use the camera IP address below for local view.");
    l.localViewPlace = QRect(30, 190, 400, 30);
    l.ipRow = true;
    l.ipCaptionPlace = QRect(60, 230, 110, 30);
    l.accountCaption = QT_TR_NOOP("Account name:");
    l.accountCaptionPlace = QRect(60, 250, 110, 30);
    l.accountValuePlace = QRect(180, 250, 200, 30);
    l.passwordCaptionPlace = QRect(60, 270, 110, 30);
    l.passwordValuePlace = QRect(180, 270, 200, 30);
    l.shortcutText =
        QT_TR_NOOP("  Add the shortcut of camera IP address to my desktop and browser bookmark.");
    l.snapshotX = 430;
    l.doneName = "join_next_btu";
    l.donePicture = buttonPicture::next;
    build(l);
}
