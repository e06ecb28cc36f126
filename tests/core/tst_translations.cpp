// The translation files of every language: each loads, each text is
// translated, and a translation keeps what the program relies on (markup,
// link targets, placeholders, the blanks and tabs around it). Every page the
// wizard builds has its frame's texts in its own context. The scripts other
// than Latin render with real glyphs.
#include "core/camguide.h"
#include "tests/support/testseams.h"

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
    for (const QString &file :
         QDir(QStringLiteral(CAMGUIDE_TS_DIR)).entryList({QStringLiteral("*.ts")}))
        codes << file.chopped(3);
    return codes;
}

// The English file shows these sources corrected; every other English
// translation is its source.
const QMap<QPair<QString, QString>, QString> &englishCorrections()
{
    // (context, source) -> what the English file shows
    static const QMap<QPair<QString, QString>, QString> corrections = {
        {{QStringLiteral("connectPage"),
          QStringLiteral(
              "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue.")},
         QStringLiteral(
             "Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click <b>Restart</b> to continue.")},
        {{QStringLiteral("connectPage"),
          QStringLiteral("3.You now  one minute to press the WPS button on your router.")},
         QStringLiteral("3.You now have one minute to press the WPS button on your router.")},
        {{QStringLiteral("connectPage"),
          QStringLiteral(
              "4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.")},
         QStringLiteral(
             "4.Once your camera has established a connection, the WPS LED will turn solid blue and the LED in front of the camera will start to flash green.")},
        {{QStringLiteral("connectPage"), QStringLiteral("By selecting wireless network")},
         QStringLiteral("By selecting a wireless network")},
        {{QStringLiteral("connectPage"), QStringLiteral("Available wireless network")},
         QStringLiteral("Available wireless networks")},
        {{QStringLiteral("connectPage"), QStringLiteral("4. Check LED turns flash green")},
         QStringLiteral("4. Check LED flashes green")},
        {{QStringLiteral("connectPage"),
          QStringLiteral(
              "<a href = http><font size=3 color=#638c0b>*where is my WPS button?</font></a>")},
         QStringLiteral(
             "<a href = http><font size=3 color=#638c0b>*Where is my WPS button?</font></a>")},
        {{QStringLiteral("connectPage"), QStringLiteral("<font size=5 face=verdana color=#2a7ba6><b>What is WPS ?</b></font><br><br>Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. <br><br>Your router's WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router's user manual for more details.")}, QStringLiteral("<font size=5 face=verdana color=#2a7ba6><b>What is WPS ?</b></font><br><br>Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. <br><br>Your router's WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feature. Check your router's user manual for more details.")},
        {{QStringLiteral("connectPage"),
          QStringLiteral(
              "<font size=5 face=verdana color=#2a7ba6><b>What is WPS ?</b></font><br><br>Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. <br><br>Your router's WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.")},
         QStringLiteral(
             "<font size=5 face=verdana color=#2a7ba6><b>What is WPS ?</b></font><br><br>Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. <br><br>Your router's WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feature. Check the user manual for your router for details.")},
        {{QStringLiteral("connectPage"), QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Having problems connecting your camera?</b></font><br><br>If you are having problems connecting your camera using WPS, check the following:<ul><li>Your camera may be out of range.Try connecting your camera from the same room as your router.</li><li>Make sure your router has a WPS button.Check your router's user manual for details. </li></ul>If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.")}, QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Having problems connecting your camera?</b></font><br><br>If you are having problems connecting your camera using WPS, check the following:<ul><li>Your camera may be out of range. Try connecting your camera from the same room as your router.</li><li>Make sure your router has a WPS button. Check your router's user manual for details. </li></ul>If you are still having trouble connecting your camera using WPS, you can select a wireless network manually or simply use a wired connection.")},
        {{QStringLiteral("connectPage"),
          QStringLiteral("<br>Please plug in the cable. click <b>OK</b> when you finish.")},
         QStringLiteral("<br>Please plug in the cable. Click <b>OK</b> when you finish.")},
        {{QStringLiteral("connectPage"),
          QStringLiteral(
              "The camera has already registered, click <b>Reset</b> to restart the application and reset the camera, click <b>Close</b> just re-configure the camera!")},
         QStringLiteral(
             "The camera has already been registered. Click <b>Reset</b> to restart the application and reset the camera, or click <b>Close</b> to just re-configure the camera!")},
        {{QStringLiteral("connectPage"),
          QStringLiteral(
              "The camera can not connect to skyvue server. click <b>Retry</b> to check again, or click <b>Close</b> without signing in skyvue.")},
         QStringLiteral(
             "The camera cannot connect to the skyvue server. Click <b>Retry</b> to check again, or click <b>Close</b> to continue without signing in to skyvue.")},
        {{QStringLiteral("detailsPage"), QStringLiteral("Secondary DNS")},
         QStringLiteral("Secondary DNS:")},
        {{QStringLiteral("failedPage"),
          QStringLiteral("The PPPoE is a network \nprotocol mainly used with DSL \nservices.")},
         QStringLiteral("PPPoE is a network \nprotocol mainly used with DSL \nservices.")},
        {{QStringLiteral("failedPage"),
          QStringLiteral(
              "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>Connection is failed.")},
         QStringLiteral(
             "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>Connection failed.")},
        {{QStringLiteral("failedPage"),
          QStringLiteral(
              "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>The camera have already registered, click <b>Reset</b> to restart the application and reset the camera, click <b>OK</b> just re-configure the camera!")},
         QStringLiteral(
             "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>The camera has already been registered. Click <b>Reset</b> to restart the application and reset the camera, or click <b>OK</b> to just re-configure the camera!")},
        {{QStringLiteral("joinPage"),
          QStringLiteral(
              " Due to the camera has no Internet connection,( <a href = Setup again><font size=3 color=#638c0b>Setup again</font></a> ) you cannot login skyvue website for remote view.\n")},
         QStringLiteral(
             " Because the camera has no Internet connection,( <a href = Setup again><font size=3 color=#638c0b>Setup again</font></a> ) you cannot log in to the skyvue website for remote view.\n")},
        {{QStringLiteral("joinPage"),
          QStringLiteral(
              "  Add the shortcut of camera IP address to my desktop and browser bookmark.")},
         QStringLiteral(
             "  Add a shortcut to the camera IP address to my desktop and browser bookmarks.")},
        {{QStringLiteral("joinPage1"),
          QStringLiteral(
              "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue.")},
         QStringLiteral(
             "Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click <b>Restart</b> to continue.")},
        {{QStringLiteral("joinPage1"),
          QStringLiteral(
              "The camera has previously registered with a skyvue account, you can login on <a href =skyvue><font size=3 color=#638c0b>www.skyvue.com</font></a> or mobile application to enjoy remote view. If you want to re-configure your account and device, you may <a href = hard reset><font size=3 color=#638c0b>hard reset</font></a> the camera and create or register with a new account.")},
         QStringLiteral(
             "The camera has previously been registered with a skyvue account. You can log in on <a href =skyvue><font size=3 color=#638c0b>www.skyvue.com</font></a> or the mobile application to enjoy remote view. If you want to re-configure your account and device, you may <a href = hard reset><font size=3 color=#638c0b>hard reset</font></a> the camera and create or register with a new account.")},
        {{QStringLiteral("joinPage1"),
          QStringLiteral(
              "Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.")},
         QStringLiteral(
             "Not worrying about complicated dynamic DNS settings, firewall roadblocks, or all the troublesome configurations on cameras or viewing clients.")},
        {{QStringLiteral("joinPage2"),
          QStringLiteral(
              "Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.")},
         QStringLiteral(
             "Not worrying about complicated dynamic DNS settings, firewall roadblocks, or all the troublesome configurations on cameras or viewing clients.")},
        {{QStringLiteral("joinPage2"),
          QStringLiteral(
              "For using skyvue web service such as to manage all your cameras in one place.")},
         QStringLiteral(
             "For using skyvue web services, such as managing all your cameras in one place.")},
        {{QStringLiteral("joinPage2"),
          QStringLiteral(
              "I would like to receive emails for latest services and products from skyvue.")},
         QStringLiteral(
             "I would like to receive emails about the latest services and products from skyvue.")},
        {{QStringLiteral("joinPage2"),
          QStringLiteral(
              "I accept skyvue <a href=terms><font size=3 color=#638c0b>terms and conditions</font></a>.")},
         QStringLiteral(
             "I accept the skyvue <a href=terms><font size=3 color=#638c0b>terms and conditions</font></a>.")},
        {{QStringLiteral("joinPage2"),
          QStringLiteral(
              "Since you forgot your skyvue account's password. click <b>OK</b> button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.")},
         QStringLiteral(
             "Since you forgot your skyvue account's password, clicking the <b>OK</b> button will direct you to the skyvue portal to retrieve the password. Please follow the instructions on the web page.")},
        {{QStringLiteral("joinPage3"), QStringLiteral(" Now you can use the information below to login <a href = skyvue><font size=3 color=#638c0b>skyvue</font></a> website.    click <b>Done</b> to visit skyvue website to see camera live view.")}, QStringLiteral(" Now you can use the information below to log in to the <a href = skyvue><font size=3 color=#638c0b>skyvue</font></a> website.    Click <b>Done</b> to visit the skyvue website to see the camera live view.")},
        {{QStringLiteral("joinPage3"),
          QStringLiteral(
              " You can also learn more about mobile applications for your iPhone & Android phone on <a href = skyvue><font size=3 color=#638c0b>skyvue</font></a> website.<br>")},
         QStringLiteral(
             " You can also learn more about mobile applications for your iPhone & Android phone on the <a href = skyvue><font size=3 color=#638c0b>skyvue</font></a> website.<br>")},
        {{QStringLiteral("joinPage3"),
          QStringLiteral("  Add the shortcut of skyvue to my desktop and browser bookmark.")},
         QStringLiteral("  Add a shortcut to skyvue to my desktop and browser bookmarks.")},
        {{QStringLiteral("joinPage4"),
          QStringLiteral(
              "  Add the shortcut of camera IP address to my desktop and browser bookmark.")},
         QStringLiteral(
             "  Add a shortcut to the camera IP address to my desktop and browser bookmarks.")},
        {{QStringLiteral("plugPage"),
          QStringLiteral(
              "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click <b>Restart</b> to continue.")},
         QStringLiteral(
             "Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click <b>Restart</b> to continue.")},
        {{QStringLiteral("plugPage"),
          QStringLiteral(
              "You can also use WPS button to<br>establish connection in this step<br>or follow the instruction in later step.")},
         QStringLiteral(
             "You can also use the WPS button to<br>establish a connection in this step<br>or follow the instructions in a later step.")},
        {{QStringLiteral("selectPage"),
          QStringLiteral(
              "Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click <b>Restart</b> to continue.")},
         QStringLiteral(
             "Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click <b>Restart</b> to continue.")},
        {{QStringLiteral("selectPage"),
          QStringLiteral(
              "Select your camera from the list and click <b>Next</b> when you complete.")},
         QStringLiteral(
             "Select your camera from the list and click <b>Next</b> when you are done.")},
        {{QStringLiteral("selectPage"), QStringLiteral("Input wrong password, please check!")},
         QStringLiteral("Wrong password entered, please check!")},
        {{QStringLiteral("selectPage"),
          QStringLiteral("Two times input password are not the same!")},
         QStringLiteral("The two passwords entered are not the same!")},
        {{QStringLiteral("selectPage"),
          QStringLiteral(
              "<font size=5 face=verdana color=#2a7ba6   ><b>Cannot detect your wired connection?</b></font><br><br>Please close this lightbox and click <b>Back</b> button to previous page. Follow the instruction to install the camera again.")},
         QStringLiteral(
             "<font size=5 face=verdana color=#2a7ba6   ><b>Cannot detect your wired connection?</b></font><br><br>Please close this lightbox and click the <b>Back</b> button to return to the previous page. Follow the instructions to install the camera again.")},
        {{QStringLiteral("welcomePage"), QStringLiteral("Select your lauguage:")},
         QStringLiteral("Select your language:")},
        {{QStringLiteral("welcomePage"),
          QStringLiteral(
              "Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.")},
         QStringLiteral(
             "Welcome to the IP camera Camguide. This wizard will help you easily set up the Internet camera, register on the skyvue website for remote view and other interesting online services.")},
    };
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
    void frameTextsOfEveryPage_data();
    void frameTextsOfEveryPage();
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
    const QList<message> messages =
        readTs(QStringLiteral(CAMGUIDE_TS_DIR "/") + code + QStringLiteral(".ts"));
    QVERIFY(messages.size() > 300);
    QStringList faults;
    for (const message &m : messages) {
        const QString fault = keeps(m);
        if (!fault.isEmpty())
            faults << QStringLiteral("%1 [%2] %3").arg(fault, m.context, m.source.left(60));
    }
    QVERIFY2(faults.isEmpty(),
             qPrintable(QString::number(faults.size()) + QStringLiteral(" faults, e.g.:\n")
                        + faults.mid(0, 15).join(QLatin1Char('\n'))));
    // What the program looks up is what the file says.
    for (const message &m : messages.mid(0, 40)) {
        if (m.type.isEmpty())
            QCOMPARE(
                translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                m.translation);
    }
}

void tst_translations::frameTextsOfEveryPage_data()
{
    everyLanguage_data();
}

// The frame looks its texts up with the page's class as context, so a page
// without its rows in the catalogues shows them in English.
void tst_translations::frameTextsOfEveryPage()
{
    QFETCH(QString, code);
    QStringList pageClasses;
    {
        const testEngine engine;
        const testSeams seams;
        const camguide wizard;
        for (int id : wizard.pageIds())
            pageClasses << QString::fromLatin1(wizard.page(id)->metaObject()->className());
    }
    QCOMPARE(pageClasses.size(), int(pageCount));

    QTranslator translator;
    QVERIFY(translator.load(code, QStringLiteral(CAMGUIDE_SHIP_DIR "/lang")));
    const char *const frameSources[] = {
        "plug", "select", "connect", "join",
        "<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"};
    QStringList missing;
    for (const QString &context : pageClasses) {
        for (const char *source : frameSources) {
            if (translator.translate(qPrintable(context), source).isEmpty())
                missing << QStringLiteral("[%1] %2").arg(context, QLatin1String(source));
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void tst_translations::english()
{
    const QList<message> messages = readTs(QStringLiteral(CAMGUIDE_TS_DIR "/en.ts"));
    QStringList differing;
    for (const message &m : messages) {
        const QString expected = englishCorrections().value({m.context, m.source}, m.source);
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
    const QList<message> messages =
        readTs(QStringLiteral(CAMGUIDE_TS_DIR "/") + code + QStringLiteral(".ts"));
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
