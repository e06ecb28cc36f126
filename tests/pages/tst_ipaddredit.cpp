// The IPv4 address editor driven by the keyboard: every key goes to the
// field that has the focus, in a shown and active window, as a user types.
#include "pages/setup/myipaddredit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QValidator::State)

namespace {

// The editor in its own window, shown and active so that focus moves are
// real focus moves.
struct editorWindow {
    QWidget window;
    MyIpAddrEdit *edit = new MyIpAddrEdit(&window);

    editorWindow()
    {
        window.resize(200, 40);
        edit->setGeometry(10, 10, 160, 21);
    }
    bool activate()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    QLineEdit *part(int i) const
    {
        return edit->findChild<QLineEdit *>(QStringLiteral("part%1").arg(i + 1));
    }
    // Index of the field that has the keyboard focus, -1 for none of them.
    int focused() const
    {
        for (int i = 0; i < 4; ++i)
            if (QApplication::focusWidget() == part(i))
                return i;
        return -1;
    }
};

// One keystroke to whatever has the focus now. Special keys: '>' Right,
// '<' Left, '^' Up, '_' Down, '#' Backspace; every other character is typed.
void press(QChar c)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    switch (c.unicode()) {
    case '>': QTest::keyClick(target, Qt::Key_Right); return;
    case '<': QTest::keyClick(target, Qt::Key_Left); return;
    case '^': QTest::keyClick(target, Qt::Key_Up); return;
    case '_': QTest::keyClick(target, Qt::Key_Down); return;
    case '#': QTest::keyClick(target, Qt::Key_Backspace); return;
    default: break;
    }
    if (c.unicode() < 0x80)
        QTest::keyClick(target, char(c.unicode()));
    else  // a key of another script: only its text says what it is
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.unicode()), QString(c), Qt::NoModifier);
}

void type(const QString &keys)
{
    for (QChar c : keys) {
        press(c);
        if (QTest::currentTestFailed())
            return;
    }
}

// A row name with the characters beyond ASCII written out.
QByteArray rowName(const QString &locale, const QString &keys)
{
    QString out;
    for (QChar c : keys)
        out += c.unicode() < 0x80
                   ? QString(c)
                   : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return (locale + QStringLiteral(": \"") + out + QLatin1Char('"')).toUtf8();
}

const QStringList localeNames = {QStringLiteral("C"), QStringLiteral("de_DE"),
                                 QStringLiteral("fr_FR")};

}  // namespace

class tst_ipaddredit : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void keyboardMoves_data();
    void keyboardMoves();
    void strictField_data();
    void strictField();
    void validator_data();
    void validator();
    void textClearFocus();
    void styleSheets();
    void fieldsAndDots();
};

// ------------------------------------------------------------ moves

void tst_ipaddredit::keyboardMoves_data()
{
    QTest::addColumn<QStringList>("before");  // the four fields' texts
    QTest::addColumn<int>("start");           // field with the focus
    QTest::addColumn<int>("cursor");          // its cursor, -1 at the end, -2 all selected
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("focus");         // field with the focus after the keys
    QTest::addColumn<QString>("text");      // the editor's text()
    QTest::addColumn<int>("cursorAfter");   // in the focused field
    QTest::addColumn<QString>("selected");  // in the focused field

    const QStringList empty = {"", "", "", ""};
    const QStringList next168 = {"", "168", "", ""};
    const QStringList filled = {"12", "34", "", "20"};

    // Typing on.
    QTest::newRow("192 jumps, next text selected")
        << next168 << 0 << -1 << "192" << 1 << "192.168.." << 3 << "168";
    QTest::newRow("30 jumps at once")
        << next168 << 0 << -1 << "30" << 1 << "30.168.." << 3 << "168";
    QTest::newRow("26 jumps at once") << empty << 0 << -1 << "26" << 1 << "26..." << 0 << "";
    QTest::newRow("25 waits") << empty << 0 << -1 << "25" << 0 << "25..." << 2 << "";
    QTest::newRow("25 and a third digit") << empty << 0 << -1 << "250" << 1 << "250..." << 0 << "";
    // The top of the range in every field: each has a validator of its own.
    QTest::newRow("256 in the first field stops at 25")
        << empty << 0 << -1 << "256" << 0 << "25..." << 2 << "";
    QTest::newRow("256 in the second field stops at 25")
        << empty << 1 << -1 << "256" << 1 << ".25.." << 2 << "";
    QTest::newRow("256 in the third field stops at 25")
        << empty << 2 << -1 << "256" << 2 << "..25." << 2 << "";
    QTest::newRow("256 in the last field stops at 25")
        << empty << 3 << -1 << "256" << 3 << "...25" << 2 << "";
    QTest::newRow("255 in the first field jumps")
        << empty << 0 << -1 << "255" << 1 << "255..." << 0 << "";
    QTest::newRow("255 in the second field jumps")
        << empty << 1 << -1 << "255" << 2 << ".255.." << 0 << "";
    QTest::newRow("255 in the third field jumps")
        << empty << 2 << -1 << "255" << 3 << "..255." << 0 << "";
    QTest::newRow("255 in the last field stays")
        << empty << 3 << -1 << "255" << 3 << "...255" << 3 << "";
    QTest::newRow("256 typed across the fields")
        << empty << 0 << -1 << "256\t256\t256\t256" << 3 << "25.25.25.25" << 2 << "";
    QTest::newRow("a digit after a jump replaces the selection")
        << next168 << 0 << -1 << "1921" << 1 << "192.1.." << 1 << "";
    QTest::newRow("period after 10 jumps, no period inserted")
        << next168 << 0 << -1 << "10." << 1 << "10.168.." << 3 << "168";
    QTest::newRow("space after 10 jumps, no blank inserted")
        << next168 << 0 << -1 << "10 " << 1 << "10.168.." << 3 << "168";
    QTest::newRow("period in an empty field stays")
        << empty << 0 << -1 << "." << 0 << "..." << 0 << "";
    QTest::newRow("period on a selected text stays")
        << next168 << 1 << -2 << "." << 1 << ".168.." << 3 << "168";
    QTest::newRow("a period after a jump does not skip a field")
        << empty << 0 << -1 << "192.168.1.20" << 3 << "192.168.1.20" << 2 << "";
    QTest::newRow("period in the last field stays")
        << filled << 3 << -1 << "." << 3 << "12.34..20" << 2 << "";

    // Backspace.
    QTest::newRow("Backspace in an empty field goes back, cursor at the end")
        << filled << 2 << -1 << "#" << 1 << "12.34..20" << 2 << "";
    QTest::newRow("Backspace goes back to the end, wherever the cursor stood there")
        << filled << 1 << 0 << "_#" << 1 << "12.34..20" << 2 << "";
    QTest::newRow("a second Backspace deletes there")
        << filled << 2 << -1 << "##" << 1 << "12.3..20" << 1 << "";
    QTest::newRow("Backspace in the empty first field stays")
        << empty << 0 << -1 << "#" << 0 << "..." << 0 << "";

    // Arrows.
    QTest::newRow("Right at the end crosses, cursor at 0")
        << filled << 0 << -1 << ">" << 1 << "12.34..20" << 0 << "";
    QTest::newRow("Right inside moves inside")
        << filled << 0 << 0 << ">" << 0 << "12.34..20" << 1 << "";
    QTest::newRow("Right in an empty field crosses")
        << filled << 2 << -1 << ">" << 3 << "12.34..20" << 0 << "";
    QTest::newRow("Right on the whole text only drops the selection")
        << next168 << 1 << -2 << ">" << 1 << ".168.." << 3 << "";
    QTest::newRow("Right after a jump drops the selection")
        << next168 << 0 << -1 << "192>" << 1 << "192.168.." << 3 << "";
    QTest::newRow("Right at the end of the last field stays")
        << filled << 3 << -1 << ">" << 3 << "12.34..20" << 2 << "";
    QTest::newRow("Left at 0 goes back, cursor at the end")
        << filled << 1 << 0 << "<" << 0 << "12.34..20" << 2 << "";
    QTest::newRow("Left inside moves inside")
        << filled << 1 << -1 << "<" << 1 << "12.34..20" << 1 << "";
    QTest::newRow("Left in an empty field goes back")
        << filled << 2 << -1 << "<" << 1 << "12.34..20" << 2 << "";
    QTest::newRow("Left at 0 of the first field stays")
        << filled << 0 << 0 << "<" << 0 << "12.34..20" << 0 << "";
    QTest::newRow("Down from inside: next field, cursor at its end")
        << filled << 0 << 0 << "_" << 1 << "12.34..20" << 2 << "";
    QTest::newRow("Down in the last field stays")
        << filled << 3 << 0 << "_" << 3 << "12.34..20" << 0 << "";
    QTest::newRow("Up from inside: previous field, cursor at its end")
        << filled << 3 << 0 << "^" << 2 << "12.34..20" << 0 << "";
    QTest::newRow("Up twice") << filled << 3 << 0 << "^^" << 1 << "12.34..20" << 2 << "";
    QTest::newRow("Up in the first field stays")
        << filled << 0 << 1 << "^" << 0 << "12.34..20" << 1 << "";
    QTest::newRow("Tab goes on in field order, its text selected")
        << filled << 0 << -1 << "\t" << 1 << "12.34..20" << 2 << "34";
}

void tst_ipaddredit::keyboardMoves()
{
    QFETCH(QStringList, before);
    QFETCH(int, start);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    QFETCH(int, focus);
    QFETCH(QString, text);
    QFETCH(int, cursorAfter);
    QFETCH(QString, selected);
    editorWindow e;
    for (int i = 0; i < 4; ++i)
        e.part(i)->setText(before.at(i));
    QVERIFY(e.activate());
    e.part(start)->setFocus();
    QCOMPARE(e.focused(), start);
    if (cursor == -2)
        e.part(start)->selectAll();
    else
        e.part(start)->setCursorPosition(cursor < 0 ? before.at(start).size() : cursor);

    type(keys);
    QCOMPARE(e.focused(), focus);
    QCOMPARE(e.edit->text(), text);
    QLineEdit *f = e.part(focus);
    QCOMPARE(f->cursorPosition(), cursorAfter);
    QCOMPARE(f->selectedText(), selected);
}

// ------------------------------------------------------------ the octet field

// Each field takes an octet and nothing else, whatever the locale's digits,
// signs and group separators. Typed into the last field, which has no
// neighbour to jump to, so that every key reaches its validator.
void tst_ipaddredit::strictField_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    const QList<QPair<QString, QString>> rows = {
        {"192", "192"},
        {"255", "255"},
        {"0", "0"},
        {"007", "007"},
        {"300", "30"},  // the third digit would pass 255
        {"256", "25"},
        {"999", "99"},
        {"1234", "123"},  // three characters at most
        {"+1", "1"},
        {"-1", "1"},
        {"1.", "1"},
        {".", ""},
        {" ", ""},
        {"1.0", "10"},  // the German group separator
        {"1,0", "10"},
        {"1 0", "10"},
        {"1\u00a00", "10"},  // no-break spaces: French group
                             // separators
        {"1\u202f0", "10"},
        {"1e2", "12"},
        {"\u0661\u0662", ""},  // Arabic-Indic digits
        {"1\u0662", "1"},
        {"\u06f1", ""},  // Persian digit one
        {"\uff11", ""},  // full-width digit one
        {"\u00b9", ""},  // superscript one
    };
    for (const QString &loc : localeNames)
        for (const auto &r : rows)
            QTest::newRow(rowName(loc, r.first).constData()) << loc << r.first << r.second;
}

void tst_ipaddredit::strictField()
{
    QFETCH(QString, locale);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    editorWindow e;
    QCOMPARE(e.part(3)->locale().name(), QLocale(locale).name());
    QVERIFY(e.activate());
    e.part(3)->setFocus();
    type(keys);
    QCOMPARE(e.focused(), 3);
    QCOMPARE(e.part(3)->text(), text);
    QCOMPARE(e.part(3)->maxLength(), 3);
}

void tst_ipaddredit::validator_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");

    const auto A = QValidator::Acceptable, I = QValidator::Intermediate, N = QValidator::Invalid;
    const QList<QPair<QString, QValidator::State>> rows = {
        {"", I},  // a field may be emptied while typing
        {"0", A},        {"9", A},        {"25", A},     {"255", A},    {"000", A},
        {"256", N},      {"300", N},      {"999", N},    {"0255", N},   {"+1", N},
        {"-0", N},       {"1.0", N},      {"1,0", N},    {"1 0", N},    {" 1", N},
        {"1\u00a00", N}, {"1\u202f0", N}, {"\u0661", N}, {"\u0967", N},  // Devanagari one
        {"\uff15", N},   {"1e1", N},
    };
    for (const QString &loc : localeNames)
        for (const auto &r : rows)
            QTest::newRow(rowName(loc, r.first).constData()) << loc << r.first << r.second;
}

void tst_ipaddredit::validator()
{
    QFETCH(QString, locale);
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);
    QLocale::setDefault(QLocale(locale));
    octetValidator v;
    QString s = input;
    int pos = int(s.size());
    QCOMPARE(v.validate(s, pos), state);
    QCOMPARE(s, input);  // never rewritten
}

// ------------------------------------------------------------ the rest

void tst_ipaddredit::textClearFocus()
{
    editorWindow e;
    QCOMPARE(e.edit->text(), QStringLiteral("..."));
    e.part(0)->setText("10");
    e.part(1)->setText("0");
    e.part(3)->setText("7");
    QCOMPARE(e.edit->text(), QStringLiteral("10.0..7"));
    e.part(2)->setText("255");
    QCOMPARE(e.edit->text(), QStringLiteral("10.0.255.7"));
    e.edit->clear();
    QCOMPARE(e.edit->text(), QStringLiteral("..."));
    for (int i = 0; i < 4; ++i)
        QVERIFY(e.part(i)->text().isEmpty());

    QVERIFY(e.activate());
    e.part(2)->setFocus();
    QCOMPARE(e.focused(), 2);
    e.edit->setFocus();
    QCOMPARE(e.focused(), 0);
}

void tst_ipaddredit::styleSheets()
{
    editorWindow e;
    e.edit->setStyleSheet(QStringLiteral("color: red;"), QStringLiteral("color: green;"),
                          QStringLiteral("color: blue;"));
    QCOMPARE(e.part(0)->styleSheet(), QStringLiteral("color: red;"));
    QCOMPARE(e.part(1)->styleSheet(), QStringLiteral("color: green;"));
    QCOMPARE(e.part(2)->styleSheet(), QStringLiteral("color: green;"));
    QCOMPARE(e.part(3)->styleSheet(), QStringLiteral("color: blue;"));
    // The sheets are the fields', not the editor's.
    QVERIFY(static_cast<QWidget *>(e.edit)->styleSheet().isEmpty());
}

// The dots lie over the fields' edges, so they stay visible.
void tst_ipaddredit::fieldsAndDots()
{
    editorWindow e;
    const QList<QLabel *> dots = e.edit->findChildren<QLabel *>();
    QCOMPARE(dots.size(), 3);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(e.part(i)->geometry(), QRect(40 * i, 0, 40, 20));
        QVERIFY(!e.part(i)->hasFrame());
        QCOMPARE(e.part(i)->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    }
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(dots.at(i)->text(), QStringLiteral(" . "));
        QCOMPARE(dots.at(i)->geometry(), QRect(37 + 40 * i, 1, 6, 18));
        QCOMPARE(e.edit->childAt(38 + 40 * i, 10), dots.at(i));
        QCOMPARE(e.edit->childAt(42 + 40 * i, 10), dots.at(i));
    }
}

QTEST_MAIN(tst_ipaddredit)
#include "tst_ipaddredit.moc"
