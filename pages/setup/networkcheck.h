#ifndef CAMGUIDE_NETWORKCHECK_H
#define CAMGUIDE_NETWORKCHECK_H

#include "core/waitrun.h"

#include <QList>
#include <QObject>
#include <QString>

class IPCamera;

// The check that follows a network choice pushed to the camera: a wait run
// that asks the camera again for its setup, has it test its Internet access,
// asks for its info record and rescans it at fixed ticks, and then lets the
// page decide where the wizard goes. Camera replies set the flags and move
// the count on, so a good answer shortens the wait.
//
// The check knows no page: the page hands it a plan at Next and answers its
// signals; the page reads the outcome through the getters.
class networkCheck : public QObject
{
    Q_OBJECT
public:
    enum class table { noChange, change, internet };
    static constexpr int tickLimit = 1800;

    // What the run does at a tick of its table.
    enum class step {
        setupAgain,        // the setup once more (the camera has not answered yet)
        firstPing,         // ping unless online; "Checking internet connection"
        pingUnlessOnline,  // ping unless online
        decide,            // the page decides
        confirmOrSkip,     // set up: the page confirms, "Restarting network"; else on to 901
        restartingOrSkip,  // set up: "Restarting network"; else on to 901
        checkStep,         // "Checking internet connection"; info record when online, else ping
        infoOrRescan,      // rescan when the info record is there, else the info record
        rescanDecide,      // rescan when online; the page decides
        rescanDecideUnlessPppoe,
        rescanDecideIfPppoe,
    };
    using row = tickRow<step>;
    // The rows of a table, by rising tick.
    static const QList<row> &rows(table t);

    // Which setup answers confirm the choice.
    enum class setupRule { anyAnswer, pppoeOn, pppoeOff, dhcpOn };
    // Whether a confirmed setup has the camera restart its network.
    enum class restartRule { never, keyModelOnLinkChange, always };

    // What a page fixes at Next for the whole run.
    struct plan {
        table rows = table::internet;
        bool setupKnown = false;  // the choice counts as set up without an answer (WPS)
        setupRule confirms = setupRule::anyAnswer;
        restartRule restarts = restartRule::never;
        int setupTarget = 245;               // where a confirmed setup moves the count
        int pingTarget = 895;                // where a successful Internet check moves it
        bool pppoe = false;                  // the Internet table decides at 1770, not at 920
        bool deliversQueuedReplies = false;  // queued replies count for the tick they wait for
    };

    // The run's labels and timer are those of the page's wait run; its texts
    // are translated in the context of the page.
    networkCheck(QObject *page, waitRun *run);

    waitRun *run() const { return m_run; }
    const plan &currentPlan() const { return m_plan; }
    bool isOpen() const { return m_open; }
    bool setupConfirmed() const { return m_setupConfirmed; }  // the camera's setup is as chosen
    bool online() const { return m_online; }     // the camera's Internet check succeeded
    QString phrase() const { return m_phrase; }  // the phrase of the status line

    // The status line shown before any run: the phrase with four dots.
    void setStatusLine(const QString &phrase);

    // Opens a run from tick 0 with "Saving network setting".
    void open(const plan &p);
    // The run has decided: replies are ignored, the flags stay for the decision.
    void end() { m_open = false; }
    // No run open: the flags cleared, replies ignored until the next open().
    void close();

    // One tick: the frame, the count, the tick limit, the queued replies
    // when the plan asks, the table's action.
    void tick();
    // The table's action at the current count.
    void processFlow();

    // The camera's replies; both are ignored while no run is open.
    void setupReplied();
    void pingReplied();

    // While a decision box is open no tick acts, the tick limit included;
    // the frames go on. Runs the box and returns its answer.
    template <typename Box> auto whileHeld(Box &&box)
    {
        const hold h(*this);
        return box();
    }
    bool decisionBoxOpen() const { return m_boxDepth > 0; }

signals:
    void frameDue();              // before every frame
    void firstFrame();            // the first of every seven frames, unless a box holds the run
    void setupConfirmationDue();  // the change table's step at 250, once set up
    void decisionDue();
    void tickLimitReached();  // the run has stopped

private:
    class hold
    {
    public:
        explicit hold(networkCheck &check) : m_check(check) { ++m_check.m_boxDepth; }
        ~hold() { --m_check.m_boxDepth; }
        hold(const hold &) = delete;
        hold &operator=(const hold &) = delete;

    private:
        networkCheck &m_check;
    };

    QString translated(const char *source) const;
    void showFrame();
    void act(const row &r);
    bool setupMatches(const IPCamera &camera) const;

    // Commands to the chosen camera; nothing is sent without one.
    void askSetup();
    void askInfoRecord();
    void ping();
    void restartNetwork();
    void rescan();
    void checkStep();
    void infoOrRescan();
    void rescanDecide(bool decides);

    QObject *m_page;
    waitRun *m_run;
    plan m_plan;
    bool m_open = false;
    bool m_setupConfirmed = false;
    bool m_online = false;
    QString m_phrase;
    int m_boxDepth = 0;
};

#endif
