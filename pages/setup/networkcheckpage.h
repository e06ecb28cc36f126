#ifndef CAMGUIDE_NETWORKCHECKPAGE_H
#define CAMGUIDE_NETWORKCHECKPAGE_H

#include "core/pageframe.h"
#include "pages/setup/networkcheck.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <utility>

class QLabel;

// Base of the two pages that push a network choice to the camera and run
// the network check over their wait run: it owns the check, feeds it the
// ticks and the camera's replies, holds it under the decision boxes and
// runs the already-registered road.
class networkCheckPage : public pageFrame
{
    Q_OBJECT
protected:
    // The "not active" lines the engine slots log once the page is left.
    struct engineLines {
        const char *setupReplied;
        const char *pingReplied;
        const char *cameraFound;
    };
    networkCheckPage(pageId id, const engineLines &lines, QWidget *parent = nullptr);

    // The wait run over the page and the check that drives it, with the
    // status line shown before any run.
    networkCheck *
    createCheckRun(QRect textPlace, const QString &statusLine,
                   const QString &textStyle = QStringLiteral("font:12px;color:rgb(89,87,87);"));
    networkCheck *check() const { return m_check; }

    // Runs a decision box with the check held: no tick acts while it is open.
    template <typename Box> auto whileHeld(Box &&box)
    {
        return m_check->whileHeld(std::forward<Box>(box));
    }

    // A decision's already-registered box over the veil, the check held:
    // the first button starts the wizard again at page 0, the other goes on
    // to the registered-camera page, and the wait run hides. False when the
    // box was taken away without an answer.
    bool registeredRoad(const QString &text, const QList<boxButton> &buttons, QPoint offset,
                        QLabel *veil);

private slots:
    void waitTimeout() override;
    void processFlow();
    void checkNetworkCfg();
    void checkNetworkConnection();
    void networkRecovery(int idx);

private:
    const engineLines m_lines;
    networkCheck *m_check = nullptr;
};

#endif
