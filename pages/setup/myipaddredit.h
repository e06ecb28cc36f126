#ifndef CAMGUIDE_MYIPADDREDIT_H
#define CAMGUIDE_MYIPADDREDIT_H

#include <QLineEdit>
#include <QValidator>
#include <QWidget>

class QLabel;

// One octet of an address, by ipv4Input::octetState (the blank and the dot
// are the editor's own keys).
class octetValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// One field of the address editor: the keyboard crosses into its
// neighbours the way a user expects of an address.
class MyIpPartLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MyIpPartLineEdit(QWidget *parent = nullptr);

    void set_nexttab_edit(QLineEdit *next) { nextPart = next; }
    void set_backtab_edit(QLineEdit *prev) { prevPart = prev; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private slots:
    void text_edited(const QString &text);

private:
    QLineEdit *nextPart = nullptr;
    QLineEdit *prevPart = nullptr;
};

// A dotted IPv4 address in four fields. It only edits the text; the page
// tests the address.
class MyIpAddrEdit : public QWidget
{
    Q_OBJECT
public:
    explicit MyIpAddrEdit(QWidget *parent = nullptr);

    QString text() const;  // "a.b.c.d"; "..." when empty
    void clear();
    void setFocus();  // to the first field
    // The first field's sheet, the two middle ones', the last one's.
    void setStyleSheet(const QString &first, const QString &middle, const QString &last);

private:
    MyIpPartLineEdit *part1 = nullptr;
    MyIpPartLineEdit *part2 = nullptr;
    MyIpPartLineEdit *part3 = nullptr;
    MyIpPartLineEdit *part4 = nullptr;
    QLabel *dot1 = nullptr;
    QLabel *dot2 = nullptr;
    QLabel *dot3 = nullptr;
};

#endif
