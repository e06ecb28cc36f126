#include "pages/setup/myipaddredit.h"

#include "pages/setup/ipv4input.h"

#include <QKeyEvent>
#include <QLabel>

QValidator::State octetValidator::validate(QString &input, int &) const
{
    return ipv4Input::octetState(input);
}

MyIpPartLineEdit::MyIpPartLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(3);
    setFrame(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setValidator(new octetValidator(this));
    connect(this, &QLineEdit::textEdited, this, &MyIpPartLineEdit::text_edited);
}

void MyIpPartLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
}

// Two digits from 26 on jump at once: no third digit keeps them within 255.
void MyIpPartLineEdit::text_edited(const QString &text)
{
    QString copy = text;
    int pos = 0;
    if (octetValidator().validate(copy, pos) != QValidator::Acceptable)
        return;
    const bool full = text.size() >= 3 || (text.size() == 2 && text.toInt() >= 26);
    if (full && nextPart) {
        nextPart->setFocus(Qt::OtherFocusReason);
        nextPart->selectAll();
    }
}

void MyIpPartLineEdit::keyPressEvent(QKeyEvent *event)
{
    const QString t = QLineEdit::text();
    const bool atEnd = t.isEmpty() || cursorPosition() == t.size();
    const bool wholeSelected = !t.isEmpty() && selectedText() == t;
    switch (event->key()) {
    case Qt::Key_Right:
        if (atEnd && nextPart) {
            if (wholeSelected) {
                setCursorPosition(t.size());  // the selection goes, the focus stays
            } else {
                nextPart->setCursorPosition(0);
                nextPart->setFocus(Qt::OtherFocusReason);
            }
        }
        break;
    case Qt::Key_Down:
        if (nextPart) {
            nextPart->setCursorPosition(nextPart->text().size());
            nextPart->setFocus(Qt::OtherFocusReason);
        }
        break;
    case Qt::Key_Left:
        if ((t.isEmpty() || cursorPosition() == 0) && prevPart) {
            prevPart->setCursorPosition(prevPart->text().size());
            prevPart->setFocus(Qt::OtherFocusReason);
        }
        break;
    case Qt::Key_Up:
        if (prevPart) {
            prevPart->setCursorPosition(prevPart->text().size());
            prevPart->setFocus(Qt::OtherFocusReason);
        }
        break;
    case Qt::Key_Backspace:
        if (t.isEmpty() && prevPart) {
            prevPart->setCursorPosition(prevPart->text().size());
            prevPart->setFocus(Qt::OtherFocusReason);
        }
        break;
    case Qt::Key_Period:
    case Qt::Key_Space:
        if (!t.isEmpty() && !wholeSelected && nextPart) {
            nextPart->setFocus(Qt::OtherFocusReason);
            nextPart->selectAll();
        }
        break;
    default: break;
    }
    // The field that had the focus handles the key too; its validator
    // refuses a dot or a blank, so neither is ever inserted.
    QLineEdit::keyPressEvent(event);
}

MyIpAddrEdit::MyIpAddrEdit(QWidget *parent) : QWidget(parent)
{
    MyIpPartLineEdit **parts[4] = {&part1, &part2, &part3, &part4};
    for (int i = 0; i < 4; ++i) {
        *parts[i] = new MyIpPartLineEdit(this);
        (*parts[i])->setObjectName(QStringLiteral("part%1").arg(i + 1));
        (*parts[i])->setGeometry(40 * i, 0, 40, 20);
    }
    QLabel **dots[3] = {&dot1, &dot2, &dot3};
    for (int i = 0; i < 3; ++i) {
        *dots[i] = new QLabel(QStringLiteral(" . "), this);
        (*dots[i])->setGeometry(37 + 40 * i, 1, 6, 18);
        (*dots[i])->setAlignment(Qt::AlignCenter);
    }
    setTabOrder(part1, part2);
    setTabOrder(part2, part3);
    setTabOrder(part3, part4);
    part1->set_nexttab_edit(part2);
    part2->set_nexttab_edit(part3);
    part3->set_nexttab_edit(part4);
    part2->set_backtab_edit(part1);
    part3->set_backtab_edit(part2);
    part4->set_backtab_edit(part3);
}

QString MyIpAddrEdit::text() const
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(part1->text(), part2->text(), part3->text(), part4->text());
}

void MyIpAddrEdit::clear()
{
    for (MyIpPartLineEdit *p : {part1, part2, part3, part4})
        p->clear();
}

void MyIpAddrEdit::setFocus()
{
    part1->setFocus(Qt::OtherFocusReason);
}

void MyIpAddrEdit::setStyleSheet(const QString &first, const QString &middle, const QString &last)
{
    part1->setStyleSheet(first);
    part2->setStyleSheet(middle);
    part3->setStyleSheet(middle);
    part4->setStyleSheet(last);
}
