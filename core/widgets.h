#ifndef CAMGUIDE_WIDGETS_H
#define CAMGUIDE_WIDGETS_H

#include <QList>
#include <QMessageBox>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QIcon;
class QLabel;
class QPixmap;
class QPushButton;
class QRadioButton;
class QWidget;

// Widgets and boxes shared by the windows, the pages and the dialogs.

// Fixed size of the windows and of every page.
inline constexpr int pageWidth = 720;
inline constexpr int pageHeight = 567;

// The picture of a shown veil: the window or page greyed out under a box.
inline constexpr char veilPicture[] = ":/images/loading00.png";

// A picture or icon from a file: none when the name is no regular file (a
// pipe there would block the read for ever), as when it is missing.
QPixmap dataPicture(const QString &file);
QIcon dataIcon(const QString &file);

// Shows a picture on a label, scaled to the label's size (aspect ratio
// ignored, smooth). The name is kept in the label's "picture" property, so
// what a label shows can be read back even when the file is missing.
void setPicture(QLabel *label, const QString &file);

// A new label of the given kind fixed at place, showing the picture.
template <class Label = QLabel>
Label *pictureLabel(QWidget *parent, const QString &file, QRect place);

// A new text label at place; an empty style leaves the parent's look.
QLabel *textLabel(QWidget *parent, const QString &text, QRect place,
                  const QString &style = QString());

// The same with an object name, for the style sheet and the tests.
QLabel *namedLabel(QWidget *parent, const char *name, const QString &text, QRect place,
                   const QString &style = QString());

// Shows text whole, or elided at the right to the label's width with the
// whole text as tooltip; the text is shown as it is, never as rich text.
void setElidedText(QLabel *label, const QString &text);

// The links of a rich-text label answer the keyboard too: Tab reaches
// them, Enter follows the one with the focus.
void keyboardLinks(QLabel *label);

// A tooltip that shows text as it is, whatever it looks like.
void setPlainToolTip(QWidget *widget, const QString &text);
// The tooltip text that does so, for QToolTip::showText.
QString plainToolTipText(const QString &text);

// A radio button with its object name at place.
QRadioButton *namedRadio(QWidget *parent, const char *name, const QString &text, QRect place);

// Moves the wizard window to the desktop centre when it stands too far out
// to the left, the right or the bottom (a large negative y is left alone);
// the corner it gets is kept on the screen as windowPlacement::centredPlace says.
void keepWizardOnScreen(QWidget *wizardWindow);

// The pictures of the flat buttons of pages and boxes.
enum class buttonPicture {
    next,      // btn_start-next_blue
    nextGrey,  // btn_start-next_grey, the disabled look
    back,      // btn_back_blue
    rescan,    // btn_re_blue
    close,     // btn_close-no_blue
    yes,       // btn_yes_blue
    answer,    // cancel_button_blue, the small Yes/No buttons
};

// Style sheet of a picture button: the picture, font, text colour, border.
// The text is white on every picture but the grey Next.
QString buttonStyle(buttonPicture picture, const QString &font = QStringLiteral("14px"),
                    const QString &border = QStringLiteral("0px"));

// A flat picture button of a box or a page.
struct boxButton {
    QString caption;     // translated, with its stored blanks or tab
    QString style;       // style sheet with the button picture
    QString objectName;  // selects the hover picture in the application sheet
    QSize size = QSize(119, 34);
    // Which keys of the box press it besides its own click. safe: the button
    // that leaves things as they are has the focus, and Enter and Escape
    // press it; escape: only Escape. Without a safe one, the first button
    // has the focus.
    enum class keys { none, safe, escape };
    keys keyRole = keys::none;
};

// The same button as the one Enter and Escape press.
boxButton safeButton(boxButton button);
// The same button as the one Escape presses.
boxButton cancelButton(boxButton button);

// The common box buttons: Close with the close picture, and the confirming
// button (Restart, OK, Done) with the yes picture.
boxButton closingButton(const QString &caption,
                        const QString &objectName = QStringLiteral("detail_close_btu"),
                        const QString &font = QStringLiteral("14px"));
boxButton confirmingButton(const QString &caption,
                           const QString &objectName = QStringLiteral("j4_done_btu"),
                           const QString &font = QStringLiteral("14px"));

// A new flat button: fixed size, font Arial, the style and object name.
QPushButton *pictureButton(const boxButton &spec, QWidget *parent);
QPushButton *pictureButton(const boxButton &spec, QWidget *parent, QPoint pos);

// The message box of the windows and pages: no parent, style sheet
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

    // An HTML label of the given size in the box's grid (row 0 or 1, column
    // 1); with a picture file a picture label of pictureSize stands beside
    // it. Returns the text label so the caller can connect its links.
    QLabel *addRichText(const QString &html, QSize size, int row,
                        const QString &pictureFile = QString(), QSize pictureSize = QSize());

    // Lays the box's own text out at least width pixels wide: lines that the
    // caller broke to that width are not broken again by the toolkit, which
    // otherwise wraps a wide text at its own, narrower, limit.
    void setTextWidth(int width);

    // keepWizardOnScreen, move to the wizard's position plus offset, run
    // modally. Returns answerIndex().
    int run(QWidget *wizardWindow, QPoint offset);

    QAbstractButton *answer() const;
    int answerIndex() const;  // index among the picture buttons, -1 for none

    void dismiss();  // hides the box from code; ends its modal run

private:
    QList<QPushButton *> m_buttons;
    bool m_dismissed = false;
};

// A box without icon at the wizard's position plus offset, over what the
// window shows now (the caller's veil as it stands); closed once answered.
// Returns the index of the button pressed, -1 for none.
int plainBox(const QString &text, const QList<boxButton> &buttons, QWidget *wizardWindow,
             QPoint offset);

// The row of four links at the foot of the welcome and the wizard window.
// The caller sets the texts, translated in its own context.
struct linkRow {
    QPushButton *troubleshooting = nullptr;
    QPushButton *manuals = nullptr;
    QPushButton *about = nullptr;
    QPushButton *exit = nullptr;
};
linkRow createLinkRow(QWidget *window);
void setLinkRowTexts(const linkRow &row, const char *context);

// The portal's pages behind the Troubleshooting and Manuals links.
void openFaqPage();
void openDownloadPage();

// The About box of the welcome and the wizard window, its texts translated
// in the window's context. Shows the veil, then the box at the window's
// position plus (110, 160), after bringing the window back on screen when
// asked to. Returns true when the box was closed by its Close button; the
// caller takes the veil away.
bool aboutBox(QWidget *window, QLabel *veil, const char *context, const QString &style,
              bool keepOnScreen);

// ------------------------------------------------------------------------

template <class Label> Label *pictureLabel(QWidget *parent, const QString &file, QRect place)
{
    auto *label = new Label(parent);
    label->setGeometry(place);
    label->setFixedSize(place.size());
    setPicture(label, file);
    return label;
}

#endif
