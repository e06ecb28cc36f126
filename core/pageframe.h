#ifndef CAMGUIDE_PAGEFRAME_H
#define CAMGUIDE_PAGEFRAME_H

#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWizardPage>

#include <functional>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

// Fixed size of the wizard window and of every page.
inline constexpr int pageWidth = 720;
inline constexpr int pageHeight = 567;

// Shows a picture on a label, scaled to the label's size (aspect ratio
// ignored, smooth). The name is kept in the label's "picture" property, so
// what a label shows can be read back even when the file is missing.
void setPicture(QLabel *label, const QString &file);

// A new label of the given kind fixed at place, showing the picture.
template <class Label = QLabel>
Label *pictureLabel(QWidget *parent, const QString &file, QRect place)
{
    auto *label = new Label(parent);
    label->setGeometry(place);
    label->setFixedSize(place.size());
    setPicture(label, file);
    return label;
}

// Moves the wizard window to the desktop centre when it stands too far out
// to the left, the right or the bottom (a large negative y is left alone).
void keepWizardOnScreen(QWidget *wizardWindow);

// A flat picture button of a box or a page.
struct boxButton {
    QString caption;      // translated, with its stored blanks or tab
    QString style;        // style sheet with the button picture
    QString objectName;   // selects the hover picture in the application sheet
    QSize size = QSize(119, 34);
};

// Style sheets of the common box buttons.
QString closingButtonStyle(const QString &fontSize = QStringLiteral("14px"));
QString confirmingButtonStyle(const QString &fontSize = QStringLiteral("14px"));

boxButton closingButton(const QString &caption,
                        const QString &objectName = QStringLiteral("detail_close_btu"));
boxButton confirmingButton(const QString &caption,
                           const QString &objectName = QStringLiteral("j4_done_btu"));

// The message box of the wizard and its pages: no parent, style sheet
// boxStyle, frameless, font Arial, picture buttons in the action role.
//
// answer() is the button the user pressed (Escape on a one-button box counts
// as that button). A box that code takes away with dismiss() has no answer,
// although the toolkit reports its one button as clicked once it is closed.
class pageBox : public QMessageBox
{
    Q_OBJECT
public:
    explicit pageBox(const QString &text = QString(), Icon icon = NoIcon);

    // Set the icon before addRichText: the toolkit rebuilds the layout then.
    void setIconFile(const QString &file);

    QPushButton *addPictureButton(const boxButton &button);
    void addPictureButtons(const QList<boxButton> &buttons);
    const QList<QPushButton *> &pictureButtons() const { return m_buttons; }

    // An HTML label of the given size in the box's grid (row 0 or 1, column
    // 1); with a picture file a picture label of pictureSize stands beside
    // it. Returns the text label so the caller can connect its links.
    QLabel *addRichText(const QString &html, QSize size, int row,
                        const QString &pictureFile = QString(), QSize pictureSize = QSize());

    // keepWizardOnScreen, move to the wizard's position plus offset, run
    // modally. Returns answerIndex().
    int run(QWidget *wizardWindow, QPoint offset);

    QAbstractButton *answer() const;
    int answerIndex() const;  // index among pictureButtons(), -1 for none

    void dismiss();  // hides the box from code; ends its modal run
    bool isDismissed() const { return m_dismissed; }

private:
    QList<QPushButton *> m_buttons;
    bool m_dismissed = false;
};

// Base of the nine wizard pages: the page frame, the veil, the boxes, the
// wait run and the navigation, written once. Texts the frame and the boxes
// show are translated with the page's own class as context.
class pageFrame : public QWizardPage
{
    Q_OBJECT
public:
    enum step { plugStep, selectStep, connectStep, joinStep };
    // Font of the step buttons: the usual 15px, none at all, or 12pt for
    // the current step with 15px for the others.
    enum stepFont { stepFont15px, stepFontNone, stepFontCurrent12pt };

    explicit pageFrame(QWidget *parent = nullptr);

    // Every page goes where the program-wide nextPage points.
    int nextId() const override;

    // Answers of the LED question and reset instructions boxes.
    enum { ledYes = 0, ledNo = 1 };
    enum { resetRestart = 0, resetClose = 1 };
    enum resetWording { afterReset, afterReseting };

    static QString warningHeading();  // untranslated source
    static QString waitFramePicture(int ticks);
    static QString waitDots(int ticks);

    QList<QPushButton *> stepButtons;
    QLabel *backgroundLabel = nullptr;
    QLabel *titleLabel = nullptr;

    // Wait run; created by setupWaitRun().
    QTimer *waitTimer = nullptr;
    int waitTicks = 0;
    QLabel *waitPicLabel = nullptr;
    QLabel *waitTextLabel = nullptr;

    // --- frame
    // Background, title and step buttons in this stacking order.
    void setupFrame(const QString &title, int titleWidth, step current,
                    stepFont font = stepFont15px,
                    const QString &titleStyle = QStringLiteral("color:rgb(41,76,108);font: bold 24px;"));
    QLabel *createBackground(const QString &picture = QStringLiteral(":/images/background.png"),
                             QRect place = QRect(0, 0, pageWidth, pageHeight));
    QLabel *createTitle(const QString &title, int width,
                        const QString &style = QStringLiteral("color:rgb(41,76,108);font: bold 24px;"));
    void createStepButtons(step current, stepFont font = stepFont15px);
    // A flat picture button of the page, placed at pos.
    QPushButton *createButton(const boxButton &button, QPoint pos);

    // --- veil
    // Hidden veil over the page area between the wizard's frame pictures.
    QLabel *createVeil(QSize size = QSize(721, 435));
    static void showAsVeil(QLabel *label);  // the veil picture, shown

    // --- navigation
    void moveOn(int target);
    void jumpTo(int target);
    void restartAndStep();
    void backTo(int target);

    // --- boxes; each shows veil first when one is given
    QWidget *wizardWindow() const;
    void keepWizardOnScreen() const;
    // Warning icon, the translated heading followed by message.
    int warningBox(QLabel *veil, const QString &message, const QList<boxButton> &buttons,
                   QPoint offset);
    // A box whose text is given whole (its own heading or none).
    int messageBox(QLabel *veil, const QString &text, QMessageBox::Icon icon,
                   const QList<boxButton> &buttons, QPoint offset);
    int ledQuestionBox(QLabel *veil, const QList<boxButton> &buttons = {});
    int ledQuestionBox(QLabel *veil, const QList<boxButton> &buttons, QPoint offset);
    int resetInstructionsBox(QLabel *veil, resetWording wording, const QString &closeObjectName,
                             QPoint offset = QPoint(130, 210));
    int helpBox(QLabel *veil, const QString &html, QSize size, int row,
                const QList<boxButton> &buttons, QPoint offset,
                std::function<void(const QString &)> onLink = {});

    // Fill a box made by the page (kept in a member, say) the same way.
    void setupLedQuestion(pageBox &box, const QList<boxButton> &buttons = {}) const;
    void setupResetInstructions(pageBox &box, resetWording wording,
                                const QString &closeObjectName) const;
    QList<boxButton> ledAnswerButtons(const QString &fontSize = QStringLiteral("12pt")) const;
    QPoint ledQuestionOffset() const;

    // --- wait run
    void setupWaitRun(QRect textPlace, const QString &text,
                      const QString &textStyle = QStringLiteral("font:12px;color:rgb(89,87,87);"),
                      QSize picSize = QSize(721, 435));
    void startWaitRun();
    // Shows the frame and the status line for waitTicks, then counts the
    // tick. Returns the new waitTicks for the page's tick table.
    int waitTick(const QString &phrase);
    void showWaitFrame(const QString &phrase);
    void raiseWaitTicks(int atLeast);
    void endWaitRun();

protected slots:
    virtual void waitTimeout() {}

protected:
    QString pageTr(const char *source) const;
};

#endif
