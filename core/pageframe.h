#ifndef CAMGUIDE_PAGEFRAME_H
#define CAMGUIDE_PAGEFRAME_H

#include "core/pageids.h"
#include "core/waitrun.h"
#include "core/widgets.h"
#include "protocol/zvrutils.h"

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWizardPage>

#include <functional>

class QLabel;
class QPushButton;

// Base of the nine wizard pages: the page frame, the veil, the boxes, the
// wait run and the navigation, written once. A page adds its own texts,
// places, tick table and follow-ups. Texts the frame and the boxes show are
// translated with the page's own class as context.
class pageFrame : public QWizardPage
{
    Q_OBJECT
public:
    enum step { plugStep, selectStep, connectStep, joinStep };
    // Font of the step buttons: the usual 15px, none at all, or 12pt for
    // the current step with 15px for the others.
    enum stepFont { stepFont15px, stepFontNone, stepFontCurrent12pt };

    // What a box's answer does to the veil: most roads take it away, a few
    // keep it for what follows at once.
    enum veilRoad { hideVeilOnAnswer, keepVeil };

    pageFrame(pageId id, QWidget *parent = nullptr);

    pageId id() const { return m_id; }

    // Every page goes where the program-wide nextPage points.
    int nextId() const override;

    // The translated warning heading followed by the message.
    QString warningText(const QString &message) const;
    // A text of the page's frame or boxes, in the page's own context.
    QString pageTr(const char *source) const;

    // --- veil
    // The veil picture on the given label (the page's veil when null), shown.
    void showVeil(QLabel *veil = nullptr);
    void hideVeil(QLabel *veil = nullptr);

    // --- boxes: each shows the veil first; a button answer takes it away
    // unless the road keeps it. They return the index of the button pressed,
    // -1 for none. Public, so that a road shared by several pages can run
    // them over the page it serves.
    QWidget *wizardWindow() const;
    // Warning icon, the translated heading followed by message. A page with
    // more than one veil names the one to use.
    int warningBox(const QString &message, const QList<boxButton> &buttons, QPoint offset,
                   veilRoad road = hideVeilOnAnswer, QLabel *veil = nullptr);
    // A box whose text is given whole (its own heading or none). A text
    // width keeps lines that the caller broke to it (pageBox::setTextWidth).
    int messageBox(const QString &text, QMessageBox::Icon icon, const QList<boxButton> &buttons,
                   QPoint offset, veilRoad road = hideVeilOnAnswer, QLabel *veil = nullptr,
                   int textWidth = 0);

    // A box with an HTML text whose links call onLink. The page holds it
    // while it runs, so that a link's road can take it away
    // (dismissHelpBox); then it returns -1 and leaves the veil.
    struct helpText {
        helpText(const QString &html, QSize size, int row, const QString &pictureFile = QString(),
                 QSize pictureSize = QSize())
            : html(html), size(size), row(row), pictureFile(pictureFile), pictureSize(pictureSize)
        {
        }
        QString html;
        QSize size;
        int row;              // of the box's grid
        QString pictureFile;  // beside the text, when given
        QSize pictureSize;
    };
    int helpBox(const helpText &text, const QList<boxButton> &buttons, QPoint offset,
                std::function<void(const QString &)> onLink = {}, QLabel *veil = nullptr);
    // The open help box, if any: hidden and its run ended without an answer
    // once the calling slot returns; closed for good.
    void dismissHelpBox();
    void closeHelpBox();

protected:
    // --- controls held while a run is open
    // Disables those of the controls that are enabled now (adding to what
    // is held already); releaseControls() gives them back, and so does every
    // road out of the page, so that a page reached again is never dead.
    void holdControls(const QList<QWidget *> &controls);
    void releaseControls();

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // --- engine-slot gate
    // True while nextPage holds this page's id; otherwise logs the slot's
    // "not active" line. Every slot fed by an engine signal starts with it.
    bool isActivePage(const char *notActiveLine) const;
    // The engine's signals the page answers, as (signal, slot) pairs. Queued:
    // they come from the engine's socket reader.
    template <class Page, typename Signal, typename Slot, typename... More>
    void answerEngine(Page *page, Signal signal, Slot slot, More... more)
    {
        connect(zvrTools, signal, page, slot, Qt::QueuedConnection);
        if constexpr (sizeof...(More) > 0)
            answerEngine(page, more...);
    }

    // --- frame
    // Background, title and step buttons in this stacking order.
    void
    setupFrame(const QString &title, int titleWidth, step current, stepFont font = stepFont15px,
               const QString &titleStyle = QStringLiteral("color:rgb(41,76,108);font: bold 24px;"));
    QLabel *createBackground(const QString &picture = QStringLiteral(":/images/background.png"),
                             QRect place = QRect(0, 0, pageWidth, pageHeight));
    QLabel *
    createTitle(const QString &title, int width,
                const QString &style = QStringLiteral("color:rgb(41,76,108);font: bold 24px;"));
    void createStepButtons(step current, stepFont font = stepFont15px);
    // A page button. A press that lands on it within the double-click
    // interval of the page being shown is the second half of a click on
    // the page before, whose button stood in the same place: it is ignored.
    QPushButton *createButton(const boxButton &button, QPoint pos);
    QLabel *titleLabel() const { return m_title; }

    // --- veil
    // The page's own veil over the page area, hidden.
    QLabel *createVeil(QSize size = QSize(721, 435));
    // Pages with a wait run use its picture as their veil.
    void useWaitPictureAsVeil();

    // --- navigation
    void moveOn(pageId target);  // forward through the wizard's history
    void jumpTo(pageId target);  // restart the wizard at the target
    void restartAndStep();       // page 0 anew, then straight on to page 1
    void backTo(pageId target);  // back in the history when it leads there, or jump

    // A box over the page's form: the form hides while the box is open, and
    // the chosen one comes back on an answer. The page says what its forms
    // are by overriding hideForms() and showChosenForm().
    int formBox(const QString &text, QMessageBox::Icon icon, const QList<boxButton> &buttons,
                QPoint offset, int textWidth = 0);

    // --- wait run
    waitRun *
    createWaitRun(QRect textPlace, const QString &text,
                  const QString &textStyle = QStringLiteral("font:12px;color:rgb(89,87,87);"),
                  QSize picSize = QSize(721, 435));
    waitRun *wait() const { return m_wait; }

private slots:
    // The page's tick table; connected to the wait run's ticks.
    virtual void waitTimeout() {}

private:
    // Whether Back through the wizard's history (backTo) runs the page's
    // entry step again, as every other road into a page does; by default
    // the page keeps what the user left on it.
    virtual bool entersAgainOnBack() const { return false; }
    // The page's forms around a formBox.
    virtual void hideForms() {}
    virtual void showChosenForm() {}

    int runBox(pageBox &box, QPoint offset, veilRoad road, QLabel *veil);

    const pageId m_id;
    QLabel *m_background = nullptr;
    QLabel *m_title = nullptr;
    QList<QPushButton *> m_stepButtons;
    QLabel *m_veil = nullptr;
    waitRun *m_wait = nullptr;
    QPointer<pageBox> m_helpBox;
    QList<QPointer<QWidget>> m_held;
    QElapsedTimer m_shownClock;
};

#endif
