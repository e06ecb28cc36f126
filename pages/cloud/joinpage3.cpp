#include "pages/cloud/joinpage3.h"

// Page 6: the camera was added to the user's cloud account.
joinPage3::joinPage3(QWidget *parent) : finishPage(joinPage3Id, parent)
{
    layout l{};
    l.infoText = QT_TR_NOOP(
        " Now you can use the information below to login <a href = skyvue><font size=3 color=#638c0b>skyvue</font></a> website.    click <b>Done</b> to visit skyvue website to see camera live view.");
    l.infoPlace = QRect(30, 140, 440, 50);
    l.infoRole = infoLink::portalHome;
    l.accountCaption = QT_TR_NOOP("Account:");
    l.accountCaptionPlace = QRect(60, 180, 110, 30);
    l.accountIsEmail = true;
    l.accountValuePlace = QRect(130, 180, 200, 30);
    l.passwordCaptionPlace = QRect(60, 200, 110, 30);
    l.passwordValuePlace = QRect(130, 200, 200, 30);
    l.mobileAppsText = QT_TR_NOOP(
        " You can also learn more about mobile applications for your iPhone & Android phone on <a href = skyvue><font size=3 color=#638c0b>skyvue</font></a> website.<br>");
    l.mobileAppsPlace = QRect(30, 240, 350, 60);
    l.shortcutText = QT_TR_NOOP("  Add the shortcut of skyvue to my desktop and browser bookmark.");
    l.snapshotX = 460;
    l.doneName = "j3_next_btu";
    l.donePicture = buttonPicture::next;
    l.opensHomeOnDone = true;
    build(l);
}
