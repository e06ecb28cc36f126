#ifndef CAMGUIDE_TESTS_TEXTFIT_H
#define CAMGUIDE_TESTS_TEXTFIT_H

// Finds shown texts that their fixed widget cannot hold: a one-line text
// wider than its label or button, a wrapped one taller than its label. The
// windows have fixed layouts, so a longer translation is cut off, not made
// room for.
//
//   const QStringList cut = overflowing(window);
//   QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

namespace textfit {

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

}  // namespace textfit

inline QStringList overflowing(QWidget *root)
{
    QStringList found;
    const auto report = [&found](const QWidget *w, const QString &text, QSize need) {
        found << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                     .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                    : w->objectName(),
                          text.left(60))
                     .arg(need.width()).arg(need.height()).arg(w->width()).arg(w->height());
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
        if (Qt::mightBeRichText(text)) {
            const QSize need = textfit::richTextNeed(label, text);
            if (need.width() > label->width() || need.height() > room)
                report(label, text, need);
            continue;
        }
        const QFontMetrics fm(label->font());
        if (label->wordWrap()) {
            const QRect need = fm.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
            if (need.height() > room)
                report(label, text, need.size());
        } else if (fm.horizontalAdvance(text) > label->width()) {
            report(label, text, QSize(fm.horizontalAdvance(text), fm.height()));
        }
    }
    // A button's trailing blanks shift its caption, so they count.
    for (QPushButton *button : root->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(root) || button->text().isEmpty())
            continue;
        button->ensurePolished();
        const QFontMetrics fm(button->font());
        if (fm.horizontalAdvance(button->text()) > button->width() - 4)
            report(button, button->text(), QSize(fm.horizontalAdvance(button->text()), fm.height()));
    }
    return found;
}

#endif
