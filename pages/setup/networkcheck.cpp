#include "pages/setup/networkcheck.h"

#include "core/globals.h"
#include "core/waitrun.h"
#include "core/widgets.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QCoreApplication>
#include <QDebug>

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

}  // namespace

using step = networkCheck::step;

const QList<networkCheck::row> &networkCheck::rows(table t)
{
    // A wired camera that stays on the cable.
    static const QList<row> noChange = {
        {50, step::setupAgain},
        {100, step::firstPing},
        {150, step::pingUnlessOnline},
        {250, step::decide},
    };
    // A change of the kind of link, WPS, or one wireless network for another.
    static const QList<row> change = {
        {250, step::confirmOrSkip}, {450, step::checkStep}, {550, step::checkStep},
        {650, step::checkStep},     {700, step::checkStep}, {900, step::infoOrRescan},
        {920, step::rescanDecide},
    };
    // The Internet connection page.
    static const QList<row> internet = {
        {250, step::restartingOrSkip},
        {400, step::checkStep},
        {450, step::checkStep},
        {550, step::checkStep},
        {600, step::checkStep},
        {650, step::checkStep},
        {700, step::checkStep},
        {900, step::infoOrRescan},
        {920, step::rescanDecideUnlessPppoe},
        {1200, step::checkStep},
        {1400, step::checkStep},
        {1700, step::checkStep},
        {1750, step::infoOrRescan},
        {1770, step::rescanDecideIfPppoe},
    };
    switch (t) {
    case table::noChange: return noChange;
    case table::change: return change;
    case table::internet: break;
    }
    return internet;
}

networkCheck::networkCheck(QObject *page, waitRun *run) : QObject(page), m_page(page), m_run(run)
{
    setObjectName(QStringLiteral("networkCheck"));
}

QString networkCheck::translated(const char *source) const
{
    return QCoreApplication::translate(m_page->metaObject()->className(), source);
}

void networkCheck::setStatusLine(const QString &phrase)
{
    m_phrase = phrase;
    m_run->setStatus(QStringLiteral("<b>") + phrase + QStringLiteral("....</b>"));
}

void networkCheck::open(const plan &p)
{
    m_plan = p;
    m_open = true;
    m_setupConfirmed = p.setupKnown;
    m_online = false;
    m_phrase = translated("Saving network setting");
    m_run->start();
    m_run->show();
}

// A page entered anew has no run: a late reply must neither restart the
// camera's network nor count for the next run.
void networkCheck::close()
{
    m_open = false;
    m_setupConfirmed = false;
    m_online = false;
}

void networkCheck::showFrame()
{
    const QByteArray end = (waitRun::dots(m_run->ticks()) + QStringLiteral("</b>")).toLatin1();
    m_run->showPacedFrame(translated("<b>") + m_phrase + translated(end.constData()));
}

void networkCheck::tick()
{
    tickRules rules;
    rules.limit = tickLimit;
    rules.deliversQueuedReplies = m_plan.deliversQueuedReplies;
    const row *due = m_run->advance(
        rows(m_plan.rows), rules,
        [this] {
            emit frameDue();
            showFrame();
            if (decisionBoxOpen())
                return false;
            if (m_run->ticks() % 7 == 0)
                emit firstFrame();
            return true;
        },
        [this] { emit tickLimitReached(); });
    if (due)
        act(*due);
}

void networkCheck::processFlow()
{
    if (const row *due = waitRun::rowFor(rows(m_plan.rows), m_run->ticks()))
        act(*due);
}

void networkCheck::act(const row &r)
{
    switch (r.action) {
    case step::setupAgain:
        askSetup();  // an answer moves the run past this row first
        break;
    case step::firstPing:
        if (!m_online)
            ping();
        m_phrase = translated("Checking internet connection");
        break;
    case step::pingUnlessOnline:
        if (!m_online)
            ping();
        break;
    case step::decide: emit decisionDue(); break;
    case step::confirmOrSkip:
    case step::restartingOrSkip:
        if (!m_setupConfirmed) {
            m_run->setTicks(901);
            break;
        }
        if (r.action == step::confirmOrSkip)
            emit setupConfirmationDue();
        m_phrase = translated("Restarting network");
        break;
    case step::checkStep: checkStep(); break;
    case step::infoOrRescan: infoOrRescan(); break;
    case step::rescanDecide: rescanDecide(true); break;
    case step::rescanDecideUnlessPppoe: rescanDecide(!m_plan.pppoe); break;
    case step::rescanDecideIfPppoe: rescanDecide(m_plan.pppoe); break;
    }
}

bool networkCheck::setupMatches(const IPCamera &camera) const
{
    switch (m_plan.confirms) {
    case setupRule::anyAnswer: return true;
    case setupRule::pppoeOn: return camera.net.PPPoE_enable == "1";
    case setupRule::pppoeOff: return camera.net.PPPoE_enable == "0";
    case setupRule::dhcpOn: return camera.net.DHCP_enable == "1";
    }
    return false;
}

void networkCheck::setupReplied()
{
    if (!m_open)
        return;
    const IPCamera *camera = chosenCamera();
    if (!camera)
        return;
    // A match counts for the rest of the run; a later answer never takes it back.
    m_setupConfirmed = m_setupConfirmed || setupMatches(*camera);
    if (m_plan.confirms != setupRule::anyAnswer) {
        qDebug().noquote() << "network setup respond:checkNetworkCfg";
        qDebug().noquote() << "networkCfgOK:" << (m_setupConfirmed ? "true" : "false");
        qDebug().noquote() << " networkType:"
                           << ('"' + QString::fromLatin1(camera->net.PPPoE_enable) + '"');
    }
    if (!m_setupConfirmed)
        return;
    if (m_plan.restarts == restartRule::keyModelOnLinkChange) {
        qDebug().noquote() << "For 273E restart network after change network cfg.";
        restartNetwork();
    } else if (m_plan.restarts == restartRule::always) {
        restartNetwork();
    }
    m_run->raiseTo(m_plan.setupTarget);
}

void networkCheck::pingReplied()
{
    if (!m_open)
        return;
    const IPCamera *camera = chosenCamera();
    if (!camera) {
        qDebug().noquote() << "Ping respond: no camera chosen, ignored.";
        return;
    }
    if (camera->pingOk == "1")
        m_online = true;
    qDebug().noquote() << "Ping respond:" << ('"' + QString::fromLatin1(camera->pingOk) + '"');
    if (m_online)
        m_run->raiseTo(m_plan.pingTarget);
}

// ---------------------------------------------------------------- commands

void networkCheck::askSetup()
{
    if (chosenCamera())
        zvrTools->ZVRGetNetworkSetup(configIPCameraIdx);
}

void networkCheck::askInfoRecord()
{
    if (chosenCamera())
        zvrTools->ZVRGetPassword(configIPCameraIdx);
}

void networkCheck::ping()
{
    if (chosenCamera())
        zvrTools->ZVRPingDevice(configIPCameraIdx);
}

void networkCheck::restartNetwork()
{
    if (chosenCamera())
        zvrTools->ZVRRestartHttpSrv(configIPCameraIdx, ZVRUtils::restartNetwork);
}

// To the camera alone: its reply refreshes its scan fields, the registration
// among them.
void networkCheck::rescan()
{
    const IPCamera *camera = chosenCamera();
    if (camera)
        zvrTools->ZVRScanDevice(camera->hostMac, supportType, camera->mac);
}

void networkCheck::rescanDecide(bool decides)
{
    if (m_online)
        rescan();
    if (decides)
        emit decisionDue();
}

void networkCheck::checkStep()
{
    m_phrase = translated("Checking internet connection");
    if (m_online)
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
