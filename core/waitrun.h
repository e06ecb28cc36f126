#ifndef CAMGUIDE_WAITRUN_H
#define CAMGUIDE_WAITRUN_H

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <utility>

class QLabel;
class QTimer;
class QWidget;

// A row of a run's tick table: at count `tick` (or at every count from it on)
// the run does `action`. A count without a row does nothing.
enum class tickMatch { at, fromOn };
template <typename Action> struct tickRow {
    int tick;
    Action action;
    tickMatch match = tickMatch::at;

    bool matches(int count) const
    {
        return count == tick || (match == tickMatch::fromOn && count > tick);
    }
};

// How a tick goes on after its frame.
struct tickRules {
    int limit = 0;                       // past this count the run stops; 0: no limit
    bool deliversQueuedReplies = false;  // replies queued since the last tick count for this one
};

// The timed wait of a page: a 100 ms timer that counts ticks, a seven-frame
// wait picture over the page area and a status line whose dots grow. The
// page acts at fixed tick values in the slot it connects to ticked(); a
// reply from the camera or the cloud raises the count to skip a stretch.
class waitRun : public QObject
{
    Q_OBJECT
public:
    static constexpr int interval = 100;  // ms per tick

    // The picture covers the page area below the banner (picSize at (0,70));
    // both labels are made hidden, on top of the page's widgets so far.
    waitRun(QWidget *page, QRect textPlace, const QString &text,
            const QString &textStyle = QStringLiteral("font:12px;color:rgb(89,87,87);"),
            QSize picSize = QSize(721, 435));

    static QString framePicture(int ticks);  // ":/images/loading0N.png"
    static QString dots(int ticks);          // 1, 1, 2, 2, 3, 3, 4 dots

    // The picture, for a box that keeps it as its veil.
    QLabel *cover() const { return m_picture; }

    int ticks() const { return m_ticks; }
    void setTicks(int ticks) { m_ticks = ticks; }
    void raiseTo(int atLeast);  // a reply never lowers the count
    bool isRunning() const;

    void start();   // from tick 0
    void pause();   // the timer only; the count and the labels stay
    void resume();  // the timer again, from the count where it stood
    // Shows the picture and the status line for the current count.
    void showFrame(const QString &phrase);
    // The picture of the current count; the status line takes line only on
    // even frames, so that a new phrase waits for the next one.
    void showPacedFrame(const QString &line);
    // showFrame, then counts the tick; returns the new count.
    int tick(const QString &phrase);
    void stop();  // the timer stops, the picture and the status line hide

    // The first row of a table for a count, or none.
    template <typename Action>
    static const tickRow<Action> *rowFor(const QList<tickRow<Action>> &rows, int count)
    {
        for (const tickRow<Action> &row : rows) {
            if (row.matches(count))
                return &row;
        }
        return nullptr;
    }

    // One tick of a run over a table, in this order: the frame, which shows
    // the count as it stands and returns false to hold the run (nothing else
    // happens then); the count; past the limit the stop and pastLimit(); the
    // queued replies when the rules ask, so that a reply that moved the count
    // on decides the row; the row for the count as it then stands, or none.
    template <typename Action, typename Frame, typename PastLimit>
    const tickRow<Action> *advance(const QList<tickRow<Action>> &rows, const tickRules &rules,
                                   Frame &&frame, PastLimit &&pastLimit)
    {
        if (!frame())
            return nullptr;
        ++m_ticks;
        if (rules.limit > 0 && m_ticks > rules.limit) {
            stop();
            pastLimit();
        }
        if (rules.deliversQueuedReplies)
            deliverQueuedReplies();
        return rowFor(rows, m_ticks);
    }
    template <typename Action, typename Frame>
    const tickRow<Action> *advance(const QList<tickRow<Action>> &rows, const tickRules &rules,
                                   Frame &&frame)
    {
        return advance(rows, rules, std::forward<Frame>(frame), [] {});
    }

    // Named looks, so that a page never reaches into the labels.
    void show();       // the picture and the status line, as they stand
    void hide();       // neither; the timer as it is
    void freeze();     // the timer stops and the status line hides; the picture stays as a veil
    void coverOnly();  // the picture alone, with the frame it holds, as a veil
    void setStatusPlace(QRect place);
    void setStatus(const QString &html);
    // Shows both labels, the picture of the current count and the status as it stands.
    void showCurrentPicture();

signals:
    void ticked();

private:
    static void deliverQueuedReplies();

    QTimer *m_timer = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_text = nullptr;
    int m_ticks = 0;
};

#endif
