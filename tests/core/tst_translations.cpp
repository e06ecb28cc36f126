// The translation files of every language: each loads, each text is
// translated, and a translation keeps what the program relies on (markup,
// link targets, placeholders, the blanks and tabs around it). The scripts
// other than Latin render with real glyphs.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

// An element's text; lupdate writes control characters as <byte value="x16"/>.
QString readText(QXmlStreamReader &xml)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            text += QChar(value.mid(1).toInt(nullptr, 16));
        } else if (xml.isEndElement() && xml.name() != QLatin1String("byte")) {
            break;
        }
    }
    return text;
}

QList<message> readTs(const QString &path)
{
    QList<message> list;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return list;
    QXmlStreamReader xml(&f);
    QString context;
    message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = message{context, QString(), QString(), QString()};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = readText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = readText(xml);
            list << current;
        }
    }
    return list;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

QStringList matches(const QString &text, const QRegularExpression &re, int group = 0)
{
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured(group).simplified();
    return found;
}

// What a translation must keep of its source; empty when it does.
QString keeps(const message &m)
{
    static const QRegularExpression tag(QStringLiteral("<[^<>]+>"));
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"?([^\">]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    static const QRegularExpression lead(QStringLiteral("^[ \\t]*"));
    static const QRegularExpression trail(QStringLiteral("[ \\t]*$"));
    if (m.translation.isEmpty())
        return QStringLiteral("empty");
    if (!m.type.isEmpty())
        return m.type;
    if (sorted(matches(m.source, tag)) != sorted(matches(m.translation, tag)))
        return QStringLiteral("markup");
    if (sorted(matches(m.source, href, 1)) != sorted(matches(m.translation, href, 1)))
        return QStringLiteral("link targets");
    if (sorted(matches(m.source, placeholder)) != sorted(matches(m.translation, placeholder)))
        return QStringLiteral("placeholders");
    if (lead.match(m.source).captured() != lead.match(m.translation).captured())
        return QStringLiteral("leading blanks");
    if (trail.match(m.source).captured() != trail.match(m.translation).captured())
        return QStringLiteral("trailing blanks");
    return QString();
}

QStringList languageCodes()
{
    QStringList codes;
    for (const QString &file : QDir(QStringLiteral(CAMGUIDE_TS_DIR)).entryList({QStringLiteral("*.ts")}))
        codes << file.chopped(3);
    return codes;
}

// The English file shows these sources corrected; every other English
// translation is its source.
const QHash<QString, QString> &englishCorrections()
{
    static const QHash<QString, QString> corrections = {};
    return corrections;
}

// True when every glyph of text has a drawing in the fonts the labels use.
bool hasGlyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty())
        return false;
    for (const QGlyphRun &run : runs) {
        for (quint32 index : run.glyphIndexes()) {
            if (index == 0)  // the font's "no glyph" box
                return false;
        }
    }
    return true;
}

QImage rendered(const QString &text, const QFont &font)
{
    QImage image(400, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

}  // namespace

class tst_translations : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguage_data();
    void everyLanguage();
    void english();
    void scripts_data();
    void scripts();
};

void tst_translations::everyLanguage_data()
{
    QTest::addColumn<QString>("code");
    const QStringList codes = languageCodes();
    QCOMPARE(codes.size(), 24);
    for (const QString &code : codes)
        QTest::newRow(qPrintable(code)) << code;
}

void tst_translations::everyLanguage()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(code, QStringLiteral(CAMGUIDE_SHIP_DIR "/lang")));
    const QList<message> messages = readTs(QStringLiteral(CAMGUIDE_TS_DIR "/") + code + QStringLiteral(".ts"));
    QVERIFY(messages.size() > 300);
    QStringList faults;
    for (const message &m : messages) {
        const QString fault = keeps(m);
        if (!fault.isEmpty())
            faults << QStringLiteral("%1 [%2] %3").arg(fault, m.context, m.source.left(60));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + QStringLiteral(" faults, e.g.:\n")
                                          + faults.mid(0, 15).join(QLatin1Char('\n'))));
    // What the program looks up is what the file says.
    for (const message &m : messages.mid(0, 40)) {
        if (m.type.isEmpty())
            QCOMPARE(translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                     m.translation);
    }
}

void tst_translations::english()
{
    const QList<message> messages = readTs(QStringLiteral(CAMGUIDE_TS_DIR "/en.ts"));
    QStringList differing;
    for (const message &m : messages) {
        const QString expected = englishCorrections().value(m.source, m.source);
        if (m.translation != expected)
            differing << QStringLiteral("[%1] %2 -> %3").arg(m.context, m.source, m.translation);
    }
    QVERIFY2(differing.isEmpty(), qPrintable(differing.mid(0, 10).join(QLatin1Char('\n'))));
}

void tst_translations::scripts_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"ja", "ko", "zh_CN", "zh_TW", "el", "ru"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void tst_translations::scripts()
{
    QFETCH(QString, code);
    const QList<message> messages = readTs(QStringLiteral(CAMGUIDE_TS_DIR "/") + code + QStringLiteral(".ts"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    int checked = 0;
    for (const message &m : messages) {
        if (m.context != QLatin1String("joinPage2") || m.source.contains(QLatin1Char('<'))
            || m.translation.trimmed().isEmpty())
            continue;
        const QString text = m.translation.trimmed();
        QVERIFY2(hasGlyphs(text, font), qPrintable(text));
        QVERIFY(rendered(text, font) != rendered(QString(), font));
        ++checked;
    }
    QVERIFY(checked > 5);
}

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
