#ifndef CAMGUIDE_TEST_CHECKDECISION_H
#define CAMGUIDE_TEST_CHECKDECISION_H

// Runs a page's network check to its decision tick with the Internet check's
// result as given; the tick tables are tested on their own.
#include "core/globals.h"
#include "pages/setup/networkcheck.h"
#include "protocol/ipcamera.h"
#include "tests/support/wizardfixture.h"

#include <QMetaObject>

// The tick at which a plan's run decides.
inline int decisionTick(const networkCheck::plan &p)
{
    using step = networkCheck::step;
    for (const networkCheck::row &r : networkCheck::rows(p.rows)) {
        if (r.action == step::decide || r.action == step::rescanDecide
            || (r.action == step::rescanDecideUnlessPppoe && !p.pppoe)
            || (r.action == step::rescanDecideIfPppoe && p.pppoe))
            return r.tick;
    }
    return networkCheck::tickLimit + 1;
}

// A successful Internet check of the chosen camera, as the engine's signal
// brings it to the page.
inline void reportOnline(QObject *page)
{
    IPCameraList[configIPCameraIdx].pingOk = "1";
    QMetaObject::invokeMethod(page, "checkNetworkConnection", Qt::DirectConnection);
}

// Online: a successful Internet check reaches the page as the engine's
// signal would bring it. Offline: the run's flags stay as Next cleared them.
template <class Page> void decideWith(wizardAt<Page> &w, bool online)
{
    const networkCheck *check = w.page->template findChild<networkCheck *>();
    if (!check)
        qFatal("no network check on the page");
    if (online)
        reportOnline(w.page);
    w.run()->setTicks(decisionTick(check->currentPlan()) - 1);
    w.tick();
}

#endif
