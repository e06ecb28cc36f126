#include "pages/setup/networkcheck.h"

#include "core/globals.h"
#include "core/waitrun.h"
#include "core/widgets.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QTimer>

namespace {

// The run's texts are translated in the context of the page that runs it.
[[maybe_unused]] const char *const runTexts[] = {
    QT_TRANSLATE_NOOP("connectPage", "Saving network setting"),
    QT_TRANSLATE_NOOP("connectPage", "Restarting network"),
    QT_TRANSLATE_NOOP("connectPage", "Checking internet connection"),
    QT_TRANSLATE_NOOP("connectPage", "<b>"),
    QT_TRANSLATE_NOOP("connectPage", ".</b>"),
    QT_TRANSLATE_NOOP("connectPage", "..</b>"),
    QT_TRANSLATE_NOOP("connectPage", "...</b>"),
    QT_TRANSLATE_NOOP("connectPage", "....</b>"),
    QT_TRANSLATE_NOOP("failedPage", "Saving network setting"),
    QT_TRANSLATE_NOOP("failedPage", "Restarting network"),
    QT_TRANSLATE_NOOP("failedPage", "Checking internet connection"),
    QT_TRANSLATE_NOOP("failedPage", "<b>"),
    QT_TRANSLATE_NOOP("failedPage", ".</b>"),
    QT_TRANSLATE_NOOP("failedPage", "..</b>"),
    QT_TRANSLATE_NOOP("failedPage", "...</b>"),
    QT_TRANSLATE_NOOP("failedPage", "....</b>"),
};
const char *const dotEnds[] = {".</b>", "..</b>", "...</b>", "....</b>"};

}  // namespace

networkCheck::networkCheck(QObject *page, waitRun *run)
    : QObject(page)
    , m_page(page)
    , m_run(run)
{
}

QString networkCheck::translated(const char *source) const
{
    return QCoreApplication::translate(m_page->metaObject()->className(), source);
}

void networkCheck::setStatusLine(const QString &phrase)
{
    statusText = phrase;
    statusHtml = QStringLiteral("<b>") + phrase + QStringLiteral("....</b>");
    m_run->setStatus(statusHtml);
}

void networkCheck::open()
{
    flowDone = 0;
    statusText = translated("Saving network setting");
    m_run->start();
    m_run->show();
}

// A page entered anew has no run: a late reply must neither restart the
// camera's network nor count for the next run.
void networkCheck::close()
{
    flowDone = 1;
    networkCfgOK = false;
    networkOK = false;
}

void networkCheck::showFrame()
{
    const int frame = m_run->ticks() % 7;
    m_run->showCurrentPicture();
    // The text changes every other frame, so the dots run 1, 1, 2, 2, 3, 3, 4.
    if (frame % 2 == 0) {
        statusHtml = translated("<b>") + statusText + translated(dotEnds[frame / 2]);
        m_run->setStatus(statusHtml);
    }
}

void networkCheck::tick()
{
    beforeFrame();
    showFrame();
    if (decisionBoxOpen())
        return;
    if (m_run->ticks() % 7 == 0)
        onFirstFrame();
    m_run->setTicks(m_run->ticks() + 1);
    if (m_run->ticks() > tickLimit) {
        m_run->stop();
        reachedTickLimit();
    }
    if (deliversQueuedReplies())
        QCoreApplication::sendPostedEvents(nullptr, 0);
    processFlow();
}

void networkCheck::processFlow()
{
    const int t = m_run->ticks();
    switch (currentTable()) {
    case table::noChange:
        switch (t) {
        case 50:
            askSetup();  // no answer yet: an answer moves the run to 95 first
            break;
        case 100:
            if (!networkOK)
                ping();
            statusText = translated("Checking internet connection");
            break;
        case 150:
            if (!networkOK)
                ping();
            break;
        case 250:
            decide();
            break;
        default:
            break;
        }
        break;
    case table::change:
        switch (t) {
        case 250:
            if (networkCfgOK) {
                confirmSetup();
                statusText = translated("Restarting network");
            } else {
                m_run->setTicks(901);
            }
            break;
        case 450:
        case 550:
        case 650:
        case 700:
            checkStep();
            break;
        case 900:
            infoOrRescan();
            break;
        case 920:
            if (networkOK)
                rescan();
            decide();
            break;
        default:
            break;
        }
        break;
    case table::internet:
        switch (t) {
        case 250:
            if (networkCfgOK)
                statusText = translated("Restarting network");
            else
                m_run->setTicks(901);
            break;
        case 400:
        case 450:
        case 550:
        case 600:
        case 650:
        case 700:
        case 1200:
        case 1400:
        case 1700:
            checkStep();
            break;
        case 900:
        case 1750:
            infoOrRescan();
            break;
        case 920:
            if (networkOK)
                rescan();
            if (!pppoeChosen())
                decide();
            break;
        case 1770:
            if (networkOK)
                rescan();
            if (pppoeChosen())
                decide();
            break;
        default:
            break;
        }
        break;
    }
}

void networkCheck::setupReplied()
{
    if (flowDone != 0)
        return;
    IPCamera *camera = chosenCamera();
    if (!camera)
        return;
    applySetupReply(*camera);
}

void networkCheck::pingReplied()
{
    if (flowDone != 0)
        return;
    const IPCamera *camera = chosenCamera();
    if (!camera) {
        qDebug().noquote() << "Ping respond: no camera chosen, ignored.";
        return;
    }
    if (camera->pingOk == "1")
        networkOK = true;
    qDebug().noquote() << "Ping respond:" << ('"' + QString::fromLatin1(camera->pingOk) + '"');
    if (networkOK)
        m_run->raiseTo(pingTarget());
}

// ---------------------------------------------------------------- commands

void networkCheck::askSetup()
{
    if (zvrTools && chosenCamera())
        zvrTools->ZVRGetNetworkSetup(configIPCameraIdx);
}

void networkCheck::askInfoRecord()
{
    if (zvrTools && chosenCamera())
        zvrTools->ZVRGetPassword(configIPCameraIdx);
}

void networkCheck::ping()
{
    if (zvrTools && chosenCamera())
        zvrTools->ZVRPingDevice(configIPCameraIdx);
}

void networkCheck::restartNetwork()
{
    if (zvrTools && chosenCamera())
        zvrTools->ZVRRestartHttpSrv(configIPCameraIdx, ZVRUtils::restartNetwork);
}

// To the camera alone: its reply refreshes its scan fields, the registration
// among them.
void networkCheck::rescan()
{
    const IPCamera *camera = chosenCamera();
    if (zvrTools && camera)
        zvrTools->ZVRScanDevice(camera->hostMac, supportType, camera->mac);
}

void networkCheck::checkStep()
{
    statusText = translated("Checking internet connection");
    if (networkOK)
        askInfoRecord();
    else
        ping();
}

void networkCheck::infoOrRescan()
{
    const IPCamera *camera = chosenCamera();
    if (camera && camera->cmdState == cmdStatePasswordSeen)
        rescan();
    else
        askInfoRecord();
}
