#include "pages/setup/networkcheckpage.h"

#include "core/waitrun.h"
#include "protocol/zvrutils.h"

#include <QLabel>
#include <QMessageBox>

networkCheckPage::networkCheckPage(pageId id, const engineLines &lines, QWidget *parent)
    : pageFrame(id, parent), m_lines(lines)
{
    answerEngine(this, &ZVRUtils::gotNetworkConfig, &networkCheckPage::checkNetworkCfg,
                 &ZVRUtils::foundDevice, &networkCheckPage::networkRecovery, &ZVRUtils::gotPingRsp,
                 &networkCheckPage::checkNetworkConnection);
}

networkCheck *networkCheckPage::createCheckRun(QRect textPlace, const QString &statusLine,
                                               const QString &textStyle)
{
    waitRun *run = createWaitRun(textPlace, QString(), textStyle);
    m_check = new networkCheck(this, run);
    m_check->setStatusLine(statusLine);
    return m_check;
}

bool networkCheckPage::registeredRoad(const QString &text, const QList<boxButton> &buttons,
                                      QPoint offset, QLabel *veil)
{
    const int answer = whileHeld(
        [&] { return messageBox(text, QMessageBox::Warning, buttons, offset, keepVeil, veil); });
    if (answer < 0)
        return false;  // taken away without an answer
    wait()->hide();
    hideVeil(veil);
    if (answer == 0)
        jumpTo(plugPageId);
    else
        moveOn(joinPage1Id);
    return true;
}

void networkCheckPage::waitTimeout()
{
    m_check->tick();
}

void networkCheckPage::processFlow()
{
    m_check->processFlow();
}

void networkCheckPage::checkNetworkCfg()
{
    if (!isActivePage(m_lines.setupReplied))
        return;
    m_check->setupReplied();
}

void networkCheckPage::checkNetworkConnection()
{
    if (!isActivePage(m_lines.pingReplied))
        return;
    m_check->pingReplied();
}

void networkCheckPage::networkRecovery(int)
{
    isActivePage(m_lines.cameraFound);
}
