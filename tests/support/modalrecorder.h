#ifndef CAMGUIDE_TESTS_MODALRECORDER_H
#define CAMGUIDE_TESTS_MODALRECORDER_H

// Takes the user's place at every modal box or dialog (core/modal.h): it
// records what the box showed and answers it with the button the test chose.
//
//   modalRecorder boxes;
//   boxes.answer("Close");                 // by caption (blanks ignored) or object name
//   boxes.onOpen([&](QDialog *) { QVERIFY(veil->isVisible()); });
//   page.someSlot();
//   QCOMPARE(boxes.count(), 1);
//   QCOMPARE(boxes.last().buttons.at(0).objectName, "detail_close_btu");
//
// A box for which no answer is queued is left unanswered: it reads as closed
// without a click (no clicked button), and the record says so.

#include "core/modal.h"
#include "core/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPoint>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

// The page boxes that exist now: a page's box lives while the page runs it.
inline QList<pageBox *> livePageBoxes()
{
    QList<pageBox *> list;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<pageBox *>(w))
            list.append(box);
    }
    return list;
}

struct recordedButton {
    QString caption;
    QString objectName;
    QString styleSheet;
    QString fontFamily;
    QSize size;
    bool flat = false;
    QMessageBox::ButtonRole role = QMessageBox::InvalidRole;
};

struct recordedBox {
    QString className;
    QString text;               // the box's own text
    QStringList labelTexts;     // texts of the extra labels put into the box
    QStringList labelPictures;  // "picture" properties of extra labels
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasIconPixmap = false;
    QList<recordedButton> buttons;  // in the order they were added
    QPoint pos;
    QString styleSheet;
    QString fontFamily;
    Qt::WindowFlags flags;
    bool hasParent = false;
    int answered = -1;  // index of the button pressed, -1 none
};

class modalRecorder
{
public:
    using action = std::function<void(QDialog *)>;

    modalRecorder()
    {
        setModalHandler([this](QDialog *d) { handle(d); });
    }
    ~modalRecorder() { setModalHandler(ModalHandler()); }
    modalRecorder(const modalRecorder &) = delete;
    modalRecorder &operator=(const modalRecorder &) = delete;

    // Queue answers; each box takes the next one.
    void answer(int buttonIndex) { m_answers.append(buttonIndex); }
    void answer(const QString &captionOrObjectName) { m_answers.append(captionOrObjectName); }
    void answer(const char *captionOrObjectName) { answer(QString::fromUtf8(captionOrObjectName)); }
    void answerWith(action a) { m_answers.append(std::move(a)); }  // e.g. follow a link
    void leaveUnanswered() { m_answers.append(std::monostate()); }

    // Called for every box before it is answered.
    void onOpen(action a) { m_onOpen = std::move(a); }

    int count() const { return int(m_boxes.size()); }
    const QList<recordedBox> &boxes() const { return m_boxes; }
    const recordedBox &last() const { return m_boxes.last(); }
    const recordedBox &at(int i) const { return m_boxes.at(i); }
    int pendingAnswers() const { return int(m_answers.size()); }

    static QList<QAbstractButton *> buttonsOf(QMessageBox *box)
    {
        // Own buttons in the order added: QMessageBox::buttons() sorts by role.
        QList<QAbstractButton *> list;
        for (QAbstractButton *b : box->findChildren<QAbstractButton *>()) {
            if (box->buttonRole(b) != QMessageBox::InvalidRole)
                list.append(b);
        }
        return list;
    }

private:
    using answerKind = std::variant<std::monostate, int, QString, action>;

    void handle(QDialog *dialog)
    {
        recordedBox rec;
        rec.className = QString::fromLatin1(dialog->metaObject()->className());
        rec.pos = dialog->pos();
        rec.styleSheet = dialog->styleSheet();
        rec.fontFamily = dialog->font().family();
        rec.flags = dialog->windowFlags();
        rec.hasParent = dialog->parentWidget() != nullptr;
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QList<QAbstractButton *> buttons;
        if (box) {
            rec.text = box->text();
            rec.icon = box->icon();
            rec.hasIconPixmap = !box->iconPixmap().isNull();
            buttons = buttonsOf(box);
            for (QAbstractButton *b : buttons) {
                recordedButton rb;
                rb.caption = b->text();
                rb.objectName = b->objectName();
                rb.styleSheet = b->styleSheet();
                rb.fontFamily = b->font().family();
                rb.size = b->size();
                if (auto *pb = qobject_cast<QPushButton *>(b))
                    rb.flat = pb->isFlat();
                rb.role = box->buttonRole(b);
                rec.buttons.append(rb);
            }
            for (QLabel *l : box->findChildren<QLabel *>()) {
                // The toolkit's own labels have object names.
                if (!l->objectName().isEmpty())
                    continue;
                if (!l->text().isEmpty())
                    rec.labelTexts.append(l->text());
                if (l->property("picture").isValid())
                    rec.labelPictures.append(l->property("picture").toString());
            }
        }
        m_boxes.append(rec);
        const int index = int(m_boxes.size()) - 1;
        if (m_onOpen)
            m_onOpen(dialog);
        if (m_answers.isEmpty())
            return;
        const answerKind a = m_answers.takeFirst();
        QAbstractButton *chosen = nullptr;
        if (const int *i = std::get_if<int>(&a)) {
            if (*i >= 0 && *i < buttons.size())
                chosen = buttons.at(*i);
        } else if (const QString *s = std::get_if<QString>(&a)) {
            for (QAbstractButton *b : buttons) {
                if (b->text() == *s || b->text().trimmed() == *s || b->objectName() == *s) {
                    chosen = b;
                    break;
                }
            }
        } else if (const action *f = std::get_if<action>(&a)) {
            (*f)(dialog);
        }
        if (chosen) {
            m_boxes[index].answered = int(buttons.indexOf(chosen));
            chosen->click();
        }
    }

    QList<recordedBox> m_boxes;
    QList<answerKind> m_answers;
    action m_onOpen;
};

#endif
