#ifndef CAMGUIDE_NETWORKCHECK_H
#define CAMGUIDE_NETWORKCHECK_H

#include <QObject>
#include <QString>

class IPCamera;
class waitRun;

// The check that follows a network choice pushed to the camera: a wait run
// that asks the camera again for its setup, has it test its Internet access,
// asks for its info record and rescans it at fixed ticks, and then lets the
// page decide where the wizard goes. Camera replies set the flags and move
// the count on, so a good answer shortens the wait.
//
// The connection page and the Internet connection page run the same
// machine; each derives its own check with its table, its reply rules, its
// ending and its decision.
class networkCheck : public QObject
{
    Q_OBJECT
public:
    enum class table { noChange, change, internet };
    static constexpr int tickLimit = 1800;

    // The run's labels and timer are those of the page's wait run.
    networkCheck(QObject *page, waitRun *run);

    waitRun *run() const { return m_run; }

    int flowDone = 1;            // 0 while a run is open, 1 before and after
    bool networkCfgOK = false;   // the camera's setup is as chosen
    bool networkOK = false;      // the camera's Internet check succeeded
    QString statusText;          // the phrase of the status line
    QString statusHtml;          // the status line as shown

    // The status line shown before any run: the phrase with four dots.
    void setStatusLine(const QString &phrase);

    // Opens a run from tick 0 with "Saving network setting".
    void open();
    // No run open: the flags cleared, replies ignored until the next open().
    void close();

    // One tick: the frame, the count, the tick limit, the table's action.
    void tick();
    // The table's action at the current count.
    void processFlow();

    // The camera's replies; both are ignored once the decision has started.
    void setupReplied();
    void pingReplied();

    // While a decision box is open no tick acts, the tick limit included;
    // the frames go on.
    bool decisionBoxOpen() const { return m_boxDepth > 0; }
    class decisionBox
    {
    public:
        explicit decisionBox(networkCheck &check) : m_check(check) { ++m_check.m_boxDepth; }
        ~decisionBox() { --m_check.m_boxDepth; }
        decisionBox(const decisionBox &) = delete;
        decisionBox &operator=(const decisionBox &) = delete;

    private:
        networkCheck &m_check;
    };

protected:
    virtual table currentTable() const = 0;
    // Before a tick's frame (the Internet page hides its forms).
    virtual void beforeFrame() {}
    // On the first of every seven frames (the connection page closes its panels).
    virtual void onFirstFrame() {}
    // Whether queued replies are delivered before each tick's action.
    virtual bool deliversQueuedReplies() const { return false; }
    // The count went past the limit; the run has stopped.
    virtual void reachedTickLimit() = 0;
    virtual void decide() = 0;
    // The change table's step at 250 once the setup was answered.
    virtual void confirmSetup() {}
    // The Internet page's PPPoE choice, read anew on every tick and reply.
    virtual bool pppoeChosen() const { return false; }
    // The page's reading of a setup reply; the camera is the chosen one.
    virtual void applySetupReply(IPCamera &camera) = 0;
    // Where a successful Internet check moves the count.
    virtual int pingTarget() const = 0;

    QString translated(const char *source) const;

    // Commands to the chosen camera; nothing is sent without one.
    void askSetup();
    void askInfoRecord();
    void ping();
    void restartNetwork();
    void rescan();
    // The Internet check, or the info record once it succeeded.
    void checkStep();
    // The targeted rescan when the info record is there, else the info record.
    void infoOrRescan();

private:
    void showFrame();

    QObject *m_page;
    waitRun *m_run;
    int m_boxDepth = 0;
};

#endif
