#include "pages/cloud/joinpage4.h"

// Page 7: the camera is used without a cloud account.
joinPage4::joinPage4(QWidget *parent) : finishPage(joinPage4Id, parent)
{
    layout l{};
    l.infoText = QT_TR_NOOP(
        " If you choose not to register this camera to skyvue, you won't be able to enjoy the benefits like remote view and mobile application from skyvue.");
    l.infoPlace = QRect(30, 140, 500, 70);
    l.infoRole = infoLink::none;
    l.localViewText = QT_TR_NOOP(" You still can use the camera IP address below for local view.");
    l.localViewPlace = QRect(30, 200, 400, 30);
    l.ipRow = true;
    l.ipCaptionClickable = true;
    l.ipCaptionPlace = QRect(60, 230, 80, 30);
    l.accountCaption = QT_TR_NOOP("Account name:");
    l.accountCaptionPlace = QRect(60, 250, 100, 30);
    l.accountValuePlace = QRect(180, 250, 200, 30);
    l.passwordCaptionPlace = QRect(60, 270, 100, 30);
    l.passwordValuePlace = QRect(180, 270, 200, 30);
    l.shortcutText =
        QT_TR_NOOP("  Add the shortcut of camera IP address to my desktop and browser bookmark.");
    l.snapshotX = 460;
    l.doneName = "j4_done_btu";
    l.donePicture = buttonPicture::yes;
    build(l);
}
