#include "pages/common/cameraroads.h"

#include "core/globals.h"
#include "protocol/models.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>

#include <utility>

namespace {

const char *const ledLinkSource = "Is the Link LED on the camera lit green ?";
const char *const ledPowerSource = "Is the Power/Link LED on the camera lit green ?";
const char *const ledHelpLinkSource =
    "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the Link LED stays off?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If the link LED still stays off, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>";
const char *const ledHelpPowerSource =
    "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the LED stays red?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If your camera still has a red LED, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>";
const char *const resetSource =
    "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
    "After reset your camera, click <b>Restart</b> to continue.";
const char *const resetingSource =
    "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
    "After reseting your camera, click <b>Restart</b> to continue.";

// The roads translate these at run time with the page's class name; this
// table puts them into the context of each page that shows them.
[[maybe_unused]] const char
    *const roadTexts[] =
        {
            // The four pages with the LED question and the reset instructions.
            QT_TRANSLATE_NOOP("plugPage", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("plugPage", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("plugPage", "Yes"),
            QT_TRANSLATE_NOOP("plugPage", "No"),
            QT_TRANSLATE_NOOP("plugPage", "Restart    "),
            QT_TRANSLATE_NOOP("plugPage", "Close    "),
            QT_TRANSLATE_NOOP(
                "plugPage",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue."),
            QT_TRANSLATE_NOOP("selectPage", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("selectPage", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("selectPage", "Yes"),
            QT_TRANSLATE_NOOP("selectPage", "No"),
            QT_TRANSLATE_NOOP("selectPage", "Restart    "),
            QT_TRANSLATE_NOOP("selectPage", "Close    "),
            QT_TRANSLATE_NOOP(
                "selectPage",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue."),
            QT_TRANSLATE_NOOP("connectPage", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("connectPage", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("connectPage", "Yes"),
            QT_TRANSLATE_NOOP("connectPage", "No"),
            QT_TRANSLATE_NOOP("connectPage", "Restart    "),
            QT_TRANSLATE_NOOP("connectPage", "Close    "),
            QT_TRANSLATE_NOOP(
                "connectPage",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue."),
            QT_TRANSLATE_NOOP("joinPage1", "Is the Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("joinPage1", "Is the Power/Link LED on the camera lit green ?"),
            QT_TRANSLATE_NOOP("joinPage1", "Yes"),
            QT_TRANSLATE_NOOP("joinPage1", "No"),
            QT_TRANSLATE_NOOP("joinPage1", "Restart    "),
            QT_TRANSLATE_NOOP("joinPage1", "Close    "),
            QT_TRANSLATE_NOOP(
                "joinPage1",
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue."),

            // The two pages with the LED help box.
            QT_TRANSLATE_NOOP(
                "plugPage",
                "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the Link LED stays off?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If the link LED still stays off, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
            QT_TRANSLATE_NOOP(
                "plugPage",
                "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the LED stays red?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If your camera still has a red LED, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
            QT_TRANSLATE_NOOP("connectPage",
                              "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the Link LED stays off?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If the link LED still stays off, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
            QT_TRANSLATE_NOOP(
                "connectPage",
                "<p><font size=5 face=verdana color=#2a7ba6><b>  What do I do if the LED stays red?<br></b></font></p>  Please check the following:<ul><li>Check to make sure your cables are connected securely.</li><li>Unplug your camera, then plug it back in to restart it.</li><li>If your camera still has a red LED, you can try to <a href = terms><font size=3 color=#638c0b>reset the camera</font></a>.</li><li>Check to make sure your modem or router is functioning properly, and the LEDs for your camera's connection are lit.</li><ul>"),
};

}  // namespace

QString cameraRoads::ledQuestionText() const
{
    return m_page.pageTr(models::hasLinkLedOnly(supportType) ? ledLinkSource : ledPowerSource);
}

QList<boxButton> cameraRoads::ledAnswerButtons(const QString &fontSize) const
{
    const QString style = buttonStyle(buttonPicture::answer, fontSize);
    return {{m_page.pageTr("Yes"), style, QString(), QSize(84, 24)},
            {m_page.pageTr("No"), style, QString(), QSize(84, 24)}};
}

QPoint cameraRoads::ledQuestionOffset() const
{
    return QPoint(m_page.width() / 2 - 170, m_page.height() / 2 - 10);
}

int cameraRoads::ledQuestionBox(const QString &fontSize, pageFrame::veilRoad road, QLabel *veil)
{
    return m_page.messageBox(ledQuestionText(), QMessageBox::Warning, ledAnswerButtons(fontSize),
                             ledQuestionOffset(), road, veil);
}

int cameraRoads::ledHelpBox(std::function<void(const QString &)> onLink, QLabel *veil)
{
    const QString html =
        m_page.pageTr(models::hasLinkLedOnly(supportType) ? ledHelpLinkSource : ledHelpPowerSource);
    return m_page.helpBox(
        {html, QSize(420, 210), 0},
        {closingButton(m_page.pageTr("Close    "), QStringLiteral("wel_msg_close_btu"))},
        QPoint(135, 160), std::move(onLink), veil);
}

cameraRoads::resetOutcome cameraRoads::resetRoad(resetWording wording,
                                                 const QString &closeObjectName,
                                                 const QString &ledFontSize, QLabel *veil)
{
    m_page.showVeil(veil);
    m_page.dismissHelpBox();

    int answer = -1;
    {
        // Gone before the question follows.
        pageBox box(m_page.pageTr(wording == afterReset ? resetSource : resetingSource));
        box.setIconFile(QStringLiteral("images/restart.PNG"));
        box.addPictureButton(confirmingButton(m_page.pageTr("Restart    ")));
        box.addPictureButton(closingButton(m_page.pageTr("Close    "), closeObjectName));
        answer = box.run(m_page.wizardWindow(), QPoint(130, 210));
        if (answer >= 0)
            box.close();
    }
    if (answer < 0)
        return resetOutcome::none;
    m_page.closeHelpBox();
    if (answer == resetClose) {
        m_page.hideVeil(veil);
        return resetOutcome::closed;
    }

    const int led = ledQuestionBox(ledFontSize, pageFrame::hideVeilOnAnswer, veil);
    if (led < 0)
        return resetOutcome::none;
    return led == ledYes ? resetOutcome::restartYes : resetOutcome::restartNo;
}
