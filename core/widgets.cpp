#include "core/widgets.h"

#include "core/datafile.h"
#include "core/globals.h"
#include "core/modal.h"
#include "core/windowplacement.h"
#include "protocol/portal.h"
#include "protocol/zvrutils.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

namespace {

// The link row and the About box are translated in the context of the
// window that shows them; these lines put their texts into both contexts.
[[maybe_unused]] const char *const sharedTexts[] = {
    QT_TRANSLATE_NOOP("welcomePage", "Troubleshooting"),
    QT_TRANSLATE_NOOP("welcomePage", "Manuals and Downloads"),
    QT_TRANSLATE_NOOP("welcomePage", "About"),
    QT_TRANSLATE_NOOP("welcomePage", "Exit"),
    QT_TRANSLATE_NOOP("welcomePage", "Close    "),
    QT_TRANSLATE_NOOP("welcomePage", "<font size=5 face=verdana color=#2a7ba6   ><b>About "),
    QT_TRANSLATE_NOOP("welcomePage", " Camguide</b></font><br><br><font size=3 color=#638c0b>"),
    QT_TRANSLATE_NOOP("camguide", "Troubleshooting"),
    QT_TRANSLATE_NOOP("camguide", "Manuals and Downloads"),
    QT_TRANSLATE_NOOP("camguide", "About"),
    QT_TRANSLATE_NOOP("camguide", "Exit"),
    QT_TRANSLATE_NOOP("camguide", "Close    "),
    QT_TRANSLATE_NOOP("camguide", "<font size=5 face=verdana color=#2a7ba6   ><b>About "),
    QT_TRANSLATE_NOOP("camguide", " Camguide</b></font><br><br><font size=3 color=#638c0b>"),
};
// The legal paragraph that ends the About box; the translation tools read
// only literal texts, hence the three copies.
const char aboutNotice[] =
    "</font><br><br><b>Warning:</b> This program is protected by copyright law and "
    "international treaties. Unauthorized reproduction or distribution of this program, or "
    "any portion of it, may result in severe civil and criminal penalties.<br>";
[[maybe_unused]] const char *const noticeTexts[] = {
    QT_TRANSLATE_NOOP(
        "welcomePage",
        "</font><br><br><b>Warning:</b> This program is protected by copyright law and "
        "international treaties. Unauthorized reproduction or distribution of this program, or "
        "any portion of it, may result in severe civil and criminal penalties.<br>"),
    QT_TRANSLATE_NOOP(
        "camguide",
        "</font><br><br><b>Warning:</b> This program is protected by copyright law and "
        "international treaties. Unauthorized reproduction or distribution of this program, or "
        "any portion of it, may result in severe civil and criminal penalties.<br>"),
};

const char *picturePath(buttonPicture picture)
{
    switch (picture) {
    case buttonPicture::next: return ":/images/btn_start-next_blue.png";
    case buttonPicture::nextGrey: return ":/images/btn_start-next_grey.png";
    case buttonPicture::back: return ":/images/btn_back_blue.png";
    case buttonPicture::rescan: return ":/images/btn_re_blue.png";
    case buttonPicture::close: return ":/images/btn_close-no_blue.png";
    case buttonPicture::yes: return ":/images/btn_yes_blue.png";
    case buttonPicture::answer: return ":/images/cancel_button_blue.png";
    }
    return "";
}

QPushButton *linkButton(QWidget *parent, QRect place, const char *objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(place);
    button->setFlat(true);
    button->setFont(QFont(QStringLiteral("Arial")));
    button->setStyleSheet(QStringLiteral("font:12px;color:rgb(255,255,255);"));
    return button;
}

}  // namespace

QPixmap dataPicture(const QString &file)
{
    return dataFile::isRegularFile(file) ? QPixmap(file) : QPixmap();
}

QIcon dataIcon(const QString &file)
{
    return dataFile::isRegularFile(file) ? QIcon(file) : QIcon();
}

void setPicture(QLabel *label, const QString &file)
{
    label->setProperty("picture", file);
    const QPixmap picture = dataPicture(file);
    // A missing picture leaves the label empty.
    label->setPixmap(picture.isNull() ? picture
                                      : picture.scaled(label->size(), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation));
}

QLabel *textLabel(QWidget *parent, const QString &text, QRect place, const QString &style)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    if (!style.isEmpty())
        label->setStyleSheet(style);
    return label;
}

QLabel *namedLabel(QWidget *parent, const char *name, const QString &text, QRect place,
                   const QString &style)
{
    QLabel *label = textLabel(parent, text, place, style);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QRadioButton *namedRadio(QWidget *parent, const char *name, const QString &text, QRect place)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(place);
    return radio;
}

void keepWizardOnScreen(QWidget *wizardWindow)
{
    if (!wizardWindow)
        return;
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const int x = wizardWindow->x();
    const int y = wizardWindow->y();
    if (x < -200 || x > desktop.width() - 400 || y > desktop.height() - 500) {
        // Measured from (0, 0), as the thresholds are.
        const QRect whole(QPoint(0, 0), desktop.size());
        wizardWindow->move(windowPlacement::centredPlace(
            whole, wizardWindow->size(),
            QGuiApplication::primaryScreen()->availableVirtualGeometry()));
    }
}

QString buttonStyle(buttonPicture picture, const QString &font, const QString &border)
{
    const char *colour =
        picture == buttonPicture::nextGrey ? "rgb(201,202,202)" : "rgb(255,255,255)";
    return QStringLiteral("background-image: url(%1);font:%2;color:%3;border: %4")
        .arg(QLatin1String(picturePath(picture)), font, QLatin1String(colour), border);
}

boxButton closingButton(const QString &caption, const QString &objectName, const QString &font)
{
    return {caption, buttonStyle(buttonPicture::close, font), objectName};
}

boxButton confirmingButton(const QString &caption, const QString &objectName, const QString &font)
{
    return {caption, buttonStyle(buttonPicture::yes, font), objectName};
}

boxButton safeButton(boxButton button)
{
    button.keyRole = boxButton::keys::safe;
    return button;
}

boxButton cancelButton(boxButton button)
{
    button.keyRole = boxButton::keys::escape;
    return button;
}

QPushButton *pictureButton(const boxButton &spec, QWidget *parent)
{
    auto *button = new QPushButton(spec.caption, parent);
    button->setFlat(true);
    button->setFixedSize(spec.size);
    button->setFont(QFont(QStringLiteral("Arial")));
    button->setStyleSheet(spec.style);
    if (!spec.objectName.isEmpty())
        button->setObjectName(spec.objectName);
    return button;
}

QPushButton *pictureButton(const boxButton &spec, QWidget *parent, QPoint pos)
{
    QPushButton *button = pictureButton(spec, parent);
    button->move(pos);
    return button;
}

void setElidedText(QLabel *label, const QString &text)
{
    label->setTextFormat(Qt::PlainText);
    label->ensurePolished();
    const QFontMetrics metrics(label->font());
    if (metrics.horizontalAdvance(text) > label->width()) {
        setPlainToolTip(label, text);
        label->setText(metrics.elidedText(text, Qt::ElideRight, label->width()));
    } else {
        label->setToolTip(QString());
        label->setText(text);
    }
}

void keyboardLinks(QLabel *label)
{
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
}

void setPlainToolTip(QWidget *widget, const QString &text)
{
    widget->setToolTip(plainToolTipText(text));
}

QString plainToolTipText(const QString &text)
{
    // A tooltip guesses rich text from its content; escaped text inside a
    // rich-text paragraph shows every character as it is.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped()
           + QStringLiteral("</p>");
}

// ---------------------------------------------------------------- pageBox

pageBox::pageBox(const QString &text, Icon icon) : QMessageBox()
{
    if (icon != NoIcon)
        setIcon(icon);
    setText(text);
    setStyleSheet(boxStyle);
    setFont(QFont(QStringLiteral("Arial")));
    setWindowFlags(Qt::FramelessWindowHint);
}

void pageBox::setIconFile(const QString &file)
{
    setIconPixmap(dataPicture(file));
}

QPushButton *pageBox::addPictureButton(const boxButton &button)
{
    QPushButton *b = pictureButton(button, nullptr);
    addButton(b, QMessageBox::ActionRole);
    m_buttons.append(b);
    if (button.keyRole == boxButton::keys::safe)
        setDefaultButton(b);  // and the focus
    if (button.keyRole != boxButton::keys::none)
        setEscapeButton(b);
    return b;
}

void pageBox::addPictureButtons(const QList<boxButton> &buttons)
{
    for (const boxButton &b : buttons)
        addPictureButton(b);
}

QLabel *pageBox::addRichText(const QString &html, QSize size, int row, const QString &pictureFile,
                             QSize pictureSize)
{
    auto *grid = qobject_cast<QGridLayout *>(layout());
    QBoxLayout *box = pictureFile.isEmpty() ? static_cast<QBoxLayout *>(new QVBoxLayout)
                                            : static_cast<QBoxLayout *>(new QHBoxLayout);
    auto *label = new QLabel(html, this);
    keyboardLinks(label);
    label->setFixedSize(size);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    box->addWidget(label);
    if (!pictureFile.isEmpty()) {
        auto *picture = new QLabel(this);
        picture->setFixedSize(pictureSize);
        setPicture(picture, pictureFile);
        box->addWidget(picture);
    }
    if (grid)
        grid->addLayout(box, row, 1);
    else
        layout()->addItem(box);
    return label;
}

void pageBox::setTextWidth(int width)
{
    if (auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(width);
}

int pageBox::run(QWidget *wizardWindow, QPoint offset)
{
    ::keepWizardOnScreen(wizardWindow);
    if (wizardWindow)
        move(wizardWindow->pos() + offset);
    runModal(this);
    return answerIndex();
}

QAbstractButton *pageBox::answer() const
{
    return m_dismissed ? nullptr : clickedButton();
}

int pageBox::answerIndex() const
{
    QAbstractButton *b = answer();
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i) == b)
            return i;
    }
    return -1;
}

void pageBox::dismiss()
{
    m_dismissed = true;
    hide();
}

int plainBox(const QString &text, const QList<boxButton> &buttons, QWidget *wizardWindow,
             QPoint offset)
{
    pageBox box(text);
    box.addPictureButtons(buttons);
    const int answer = box.run(wizardWindow, offset);
    if (answer >= 0)
        box.close();
    return answer;
}

// --------------------------------------------------------- link row, About

linkRow createLinkRow(QWidget *window)
{
    return {linkButton(window, QRect(111, 508, 120, 25), "troubleshootingButton"),
            linkButton(window, QRect(261, 508, 150, 25), "manualsButton"),
            linkButton(window, QRect(451, 508, 60, 25), "aboutButton"),
            linkButton(window, QRect(556, 508, 41, 25), "exitButton")};
}

void setLinkRowTexts(const linkRow &row, const char *context)
{
    row.troubleshooting->setText(QCoreApplication::translate(context, "Troubleshooting"));
    row.manuals->setText(QCoreApplication::translate(context, "Manuals and Downloads"));
    row.about->setText(QCoreApplication::translate(context, "About"));
    row.exit->setText(QCoreApplication::translate(context, "Exit"));
}

void openFaqPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(portal::faqPage)));
}

void openDownloadPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(portal::downloadPage)));
}

bool aboutBox(QWidget *window, QLabel *veil, const char *context, const QString &style,
              bool keepOnScreen)
{
    const auto text = [context](const char *source) {
        return QCoreApplication::translate(context, source);
    };
    veil->show();
    pageBox box;
    QPushButton *closeButton = box.addPictureButton(closingButton(
        text("Close    "), QStringLiteral("wel_msg_close_btu"), QStringLiteral("12pt")));
    box.setText(text("<font size=5 face=verdana color=#2a7ba6   ><b>About ") + supportType
                + text(" Camguide</b></font><br><br><font size=3 color=#638c0b>") + strVersion
                + text(aboutNotice));
    box.setStyleSheet(style);
    if (keepOnScreen) {
        box.run(window, QPoint(110, 160));
    } else {
        box.move(window->pos() + QPoint(110, 160));
        runModal(&box);
    }
    const bool closed = box.answer() == closeButton;
    if (closed)
        box.close();
    return closed;
}
