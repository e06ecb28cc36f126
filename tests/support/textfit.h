#ifndef CAMGUIDE_TESTS_TEXTFIT_H
#define CAMGUIDE_TESTS_TEXTFIT_H

// Finds shown texts that their fixed widget cannot hold: a one-line text
// wider than its label, button, radio button or check box, a wrapped one
// taller than its label, a button caption that comes closer to the button's
// edges than minButtonMargin, and a text that runs into the control beside
// it on its line (less than minGap of blank room). The windows have fixed
// layouts, so a longer translation is cut off or drawn over its neighbour,
// not made room for.
//
//   const QStringList cut = overflowing(window);
//   QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QWidget>

#include <optional>

namespace textfit {

// Blank room a text keeps to the control beside it: a text closer than this
// reads as touching it. The next text on the line needs a blank's width (3
// to 4 pixels in the windows' fonts). A picture placed after its text (a
// help mark, a legend's icon) sits close by design, but must not touch it.
inline constexpr int minGap = 4;
inline constexpr int minTextGap = 3;
inline constexpr int minPictureGap = 1;
// Room between a button's caption (with its stored blanks) and each edge of
// the button. A picture button's rounded ends hold no text; the step
// buttons' point and notch reach 6 pixels in, and a caption that comes
// nearer than 2 more pixels touches their slant. A flat text button (the
// link row) only needs its caption whole.
inline constexpr int minButtonMargin = 4;
inline constexpr int stepButtonMargin = 6 + 2;
inline constexpr int flatButtonMargin = 2;

inline int buttonMargin(const QPushButton *button)
{
    const QString style = button->styleSheet();
    if (style.contains(QLatin1String("nav_blue.png"))
        || style.contains(QLatin1String("nave_grey.png")))
        return stepButtonMargin;
    return style.contains(QLatin1String("background-image")) ? minButtonMargin : flatButtonMargin;
}

// Room a rich text needs in the label's font: its width on one line, or its
// height when wrapped at the label's width.
inline QSize richTextNeed(const QLabel *label, const QString &html)
{
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);  // as the label lays it out
    doc.setHtml(html);
    if (label->wordWrap()) {
        doc.setTextWidth(label->width());
        return QSize(label->width(), int(doc.size().height()));
    }
    return QSize(int(doc.idealWidth()), int(doc.size().height()));
}

inline QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Where a label draws its text, line by line, in its parent's coordinates;
// none for a label without text.
inline QList<QRect> labelTextLines(const QLabel *label)
{
    const QString text = label->text().trimmed();  // trailing blanks draw nothing
    if (text.isEmpty())
        return {};
    const int m = label->margin();
    const QRect box = label->contentsRect().adjusted(m, m, -m, -m);
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);  // as the label lays it out
    if (Qt::mightBeRichText(text))
        doc.setHtml(text);
    else
        doc.setPlainText(text);
    // Wrapped at word boundaries only, as the label does.
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    doc.setDefaultTextOption(option);
    if (label->wordWrap())
        doc.setTextWidth(box.width());
    QList<QRectF> lines;
    QRectF all;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const QPointF at = doc.documentLayout()->blockBoundingRect(block).topLeft();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QRectF line = layout->lineAt(i).naturalTextRect().translated(at);
            if (line.width() <= 0)
                continue;
            lines << line;
            all |= line;
        }
    }
    // Whole pixels as the font's advances count them.
    const auto pixels = [](const QRectF &r) {
        return QRect(qRound(r.x()), qRound(r.y()), qRound(r.width()), qRound(r.height()));
    };
    // The whole text placed by the label's alignment; its lines move with it.
    const QRect placed =
        QStyle::alignedRect(label->layoutDirection(), label->alignment(), pixels(all).size(), box);
    const QPoint shift = placed.topLeft() - pixels(all).topLeft() + label->pos();
    QList<QRect> result;
    for (const QRectF &line : lines)
        result << pixels(line).translated(shift);
    return result;
}

inline std::optional<QRect> labelTextRect(const QLabel *label)
{
    const QList<QRect> lines = labelTextLines(label);
    if (lines.isEmpty())
        return std::nullopt;
    QRect all;
    for (const QRect &line : lines)
        all |= line;
    return all;
}

// Where a radio button or check box draws its text, in its parent's
// coordinates: left-aligned in the room beside the indicator.
inline QRect indicatorTextRect(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const bool radio = qobject_cast<const QRadioButton *>(button) != nullptr;
    const QRect room = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    const QFontMetrics fm(button->font());
    const QSize need(fm.horizontalAdvance(button->text().trimmed()), fm.height());
    const QRect inButton = QStyle::alignedRect(button->layoutDirection(),
                                               Qt::AlignLeft | Qt::AlignVCenter, need, room);
    return inButton.translated(button->pos());
}

inline bool holdsInput(const QWidget *w)
{
    const auto isInput = [](const QObject *o) {
        return qobject_cast<const QLineEdit *>(o) || qobject_cast<const QComboBox *>(o)
               || qobject_cast<const QAbstractButton *>(o);
    };
    if (isInput(w))
        return true;
    // A composite editor (the address editor's four fields) counts as one.
    for (const QObject *child : w->children()) {
        if (child->isWidgetType() && isInput(child))
            return true;
    }
    return false;
}

// Where a sibling begins for a text to its left: the start of a label's
// text, the edge of a picture or a control; none for what is no neighbour.
inline std::optional<QRect> neighbourRect(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (const std::optional<QRect> text = labelTextRect(label))
            return text;
        if (!label->pixmap().isNull())
            return label->geometry();
        return std::nullopt;
    }
    if (holdsInput(w))
        return w->geometry();
    return std::nullopt;
}

// Whether a shown picture (a veil) lies between the two, above `below` and
// under `above` in their parent's stacking order, and covers `below`: a
// status line drawn over the veil does not meet what is veiled.
inline bool veiledBetween(const QWidget *below, const QWidget *above, const QWidget *root)
{
    const QObjectList &siblings = below->parentWidget()->children();
    const qsizetype from = siblings.indexOf(below);
    const qsizetype to = siblings.indexOf(above);
    for (qsizetype i = from + 1; i < to; ++i) {
        const auto *veil = qobject_cast<const QLabel *>(siblings.at(i));
        if (veil && veil->isVisibleTo(root) && !veil->pixmap().isNull()
            && veil->geometry().contains(below->geometry()))
            return true;
    }
    return false;
}

// The nearest neighbour that begins right of a text line's start on its
// line (sharing at least half the lower of the two), among the owner's
// visible siblings: how much blank room is left, and to whom.
struct gapToNeighbour {
    int gap = 0;
    const QWidget *neighbour = nullptr;
    int needed() const
    {
        const auto *label = qobject_cast<const QLabel *>(neighbour);
        if (!label)
            return minGap;
        return label->text().trimmed().isEmpty() ? minPictureGap : minTextGap;
    }
};

inline std::optional<gapToNeighbour> nearestOnLine(const QWidget *owner, QRect line,
                                                   const QWidget *root)
{
    std::optional<gapToNeighbour> nearest;
    int nearestLeft = 0;
    for (const QObject *o : owner->parentWidget()->children()) {
        const auto *w = qobject_cast<const QWidget *>(o);
        if (!w || w == owner || w->isWindow() || !w->isVisibleTo(root))
            continue;
        const std::optional<QRect> r = neighbourRect(w);
        if (!r || r->left() <= line.left())
            continue;
        const int shared = qMin(line.bottom(), r->bottom()) - qMax(line.top(), r->top()) + 1;
        if (shared * 2 < qMin(line.height(), r->height()))
            continue;
        if (veiledBetween(w, owner, root))
            continue;
        if (!nearest || r->left() < nearestLeft) {
            nearestLeft = r->left();
            nearest = gapToNeighbour{r->left() - (line.right() + 1), w};
        }
    }
    return nearest;
}

// Texts are laid out on pages and in windows; the parts of a composite
// control (the dots between the address editor's fields) are its own.
inline bool laidOutBeside(const QWidget *owner)
{
    const QWidget *parent = owner->parentWidget();
    return parent && (parent->isWindow() || parent->inherits("QWizardPage"));
}

}  // namespace textfit

inline QStringList overflowing(QWidget *root)
{
    QStringList found;
    const auto report = [&found](const QWidget *w, const QString &text, QSize need) {
        found << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                     .arg(textfit::nameOf(w), text.left(60))
                     .arg(need.width())
                     .arg(need.height())
                     .arg(w->width())
                     .arg(w->height());
    };
    const auto reportGap = [&found](const QWidget *w, const QString &text,
                                    const textfit::gapToNeighbour &g) {
        found << QStringLiteral("%1 \"%2\" leaves %3 px to %4, needs %5")
                     .arg(textfit::nameOf(w), text.left(60))
                     .arg(g.gap)
                     .arg(textfit::nameOf(g.neighbour))
                     .arg(g.needed());
    };
    const auto checkGap = [&](const QWidget *w, const QString &text, const QList<QRect> &lines) {
        if (!textfit::laidOutBeside(w))
            return;
        for (const QRect &line : lines) {
            const std::optional<textfit::gapToNeighbour> g = textfit::nearestOnLine(w, line, root);
            if (g && g->gap < g->needed()) {
                reportGap(w, text, *g);
                return;
            }
        }
    };
    for (QLabel *label : root->findChildren<QLabel *>()) {
        // What is hidden now is checked in the state that shows it.
        if (!label->isVisibleTo(root) && label != root)
            continue;
        label->ensurePolished();
        const QString text = label->text().trimmed();  // trailing blanks draw nothing
        if (text.isEmpty())
            continue;
        // The last line's box may reach one pixel below the label: that
        // pixel is the bottom of its descent, where nothing is drawn (a bold
        // 14-pixel line of the CJK fonts is 21 high in a 20-pixel label).
        const int room = label->height() + 1;
        bool cut = false;
        if (Qt::mightBeRichText(text)) {
            const QSize need = textfit::richTextNeed(label, text);
            cut = need.width() > label->width() || need.height() > room;
            if (cut)
                report(label, text, need);
        } else {
            const QFontMetrics fm(label->font());
            if (label->wordWrap()) {
                const QRect need =
                    fm.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
                cut = need.height() > room;
                if (cut)
                    report(label, text, need.size());
            } else if (fm.horizontalAdvance(text) > label->width()) {
                cut = true;
                report(label, text, QSize(fm.horizontalAdvance(text), fm.height()));
            }
        }
        if (!cut && label != root)
            checkGap(label, text, textfit::labelTextLines(label));
    }
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(root) || button->text().trimmed().isEmpty())
            continue;
        button->ensurePolished();
        const QFontMetrics fm(button->font());
        if (const auto *pushButton = qobject_cast<QPushButton *>(button)) {
            // A caption is centred with its stored blanks, which keep it off
            // the arrow of its picture: they count.
            const int need =
                fm.horizontalAdvance(button->text()) + 2 * textfit::buttonMargin(pushButton);
            if (need > button->width())
                report(button, button->text(), QSize(need, fm.height()));
            continue;
        }
        if (!qobject_cast<QRadioButton *>(button) && !qobject_cast<QCheckBox *>(button))
            continue;
        const QRect drawn = textfit::indicatorTextRect(button);
        if (drawn.right() > button->geometry().right())
            report(button, button->text(), QSize(drawn.right() + 1 - button->x(), drawn.height()));
        else
            checkGap(button, button->text().trimmed(), {drawn});
    }
    return found;
}

#endif
