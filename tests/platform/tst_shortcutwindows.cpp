// The Windows build's shortcut maker on a test profile (Desktop, Favorites
// and Pictures side by side), against our COM stand-in seen through a
// recorder: the calls it makes, the three files it leaves, and the camera
// values it refuses.
#include "platform/shortcut_windows.h"
#include "tests/platform/comrecorder.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/languagetokens.h"
#include "tests/support/logcapture.h"
#include "tests/support/testseams.h"

#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>
#include <string>

using namespace comShell::comResult;
using call = comRecorder::call;

namespace {

const QString target = QStringLiteral("%windir%\\explorer.exe ");
const QByteArray deviceNo = "10000001";
const QByteArray model = "KSM-3350";

QString portalUrl(const QByteArray &number = deviceNo, const QString &lang = QStringLiteral("en"))
{
    return QStringLiteral("http://portal.example/?skyvue_no=%1&lang=%2")
        .arg(QString::fromUtf8(number), lang);
}

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// CR, LF and NUL bytes in it show a copy that is not byte for byte.
const QByteArray iconA = QByteArray("\0\0\1\0\1\0\x20\x20\r\n\x1a\0icon A", 18);
const QByteArray iconB = QByteArray("\0\0\1\0\2\0\n\r B", 10);

QByteArray utf16le(const QString &s)
{
    QByteArray out;
    for (const QChar c : s) {
        out.append(static_cast<char>(c.unicode() & 0xff));
        out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A recorded call as one line: name(arguments) -> result.
QStringList callLines(const QList<call> &calls)
{
    QStringList lines;
    for (const call &c : calls)
        lines << QStringLiteral("%1(%2) -> %3")
                     .arg(c.name, c.arguments.join(QStringLiteral(", ")))
                     .arg(c.result);
    return lines;
}

QStringList callNames(const QList<call> &calls)
{
    QStringList names;
    for (const call &c : calls)
        names << c.name;
    return names;
}

}  // namespace

class tst_shortcutwindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<testSeams> seams;
    QString desktop;
    QString favorites;
    QString pictures;
    QString iconSource;
    std::unique_ptr<comRecorder> com;

    QList<call> calls() const { return com->calls(); }
    QStringList callLines() const { return ::callLines(calls()); }
    QStringList callNames() const { return ::callNames(calls()); }

    QString linkFor(const QByteArray &number) const
    {
        return desktop + QStringLiteral("\\MyCamera(") + QString::fromUtf8(number)
               + QStringLiteral(").lnk");
    }
    QString iconPathFor(const QByteArray &name) const
    {
        return pictures + QLatin1Char('\\') + QString::fromUtf8(name) + QStringLiteral(".ico");
    }

    // The four buffers as the finishing pages fill them: zeros first, then
    // the text. A text of a buffer's size or more fills it without an end.
    bool make(const QStringList &values, const QByteArray &number, const QByteArray &name)
    {
        std::array<std::array<wchar_t, platform::shortcutBufferSize>, 4> buffers{};
        for (int i = 0; i < 4; ++i) {
            const std::wstring w = values.at(i).toStdWString();
            std::copy_n(w.begin(), std::min<size_t>(w.size(), platform::shortcutBufferSize),
                        buffers[i].begin());
        }
        return platform::makeLinkShortcut(buffers[0].data(), buffers[1].data(), buffers[2].data(),
                                          buffers[3].data(), {number, name}, *com);
    }
    bool make(const QByteArray &number = deviceNo, const QByteArray &name = model,
              const QString &argument = quoted(portalUrl()))
    {
        return make({target, linkFor(number), argument, iconSource}, number, name);
    }

    // The fields lnkinfo shows of a link file, by name; "error" when it
    // could not read it.
    static QMap<QString, QString> readBackLink(const QString &path)
    {
        QProcess reader;
        reader.start(QStandardPaths::findExecutable(QStringLiteral("lnkinfo")), {path});
        QMap<QString, QString> fields;
        if (!reader.waitForFinished(10000)) {
            reader.kill();
            reader.waitForFinished(2000);
            fields.insert(QStringLiteral("error"), QStringLiteral("lnkinfo did not finish"));
            return fields;
        }
        const QString out = QString::fromUtf8(reader.readAllStandardOutput());
        if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
            fields.insert(QStringLiteral("error"),
                          out + QString::fromUtf8(reader.readAllStandardError()));
        static const QRegularExpression line(QStringLiteral("^\\s*([^:\\n]*\\S)\\s*:\\s?(.*)$"),
                                             QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(out); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            fields.insert(m.captured(1), m.captured(2));
        }
        return fields;
    }

    // Every file and folder below the test's root with its bytes.
    QMap<QString, QByteArray> tree() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(root->path(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(root->path()).relativeFilePath(path);
            files.insert(it.fileInfo().isDir() ? relative + QLatin1Char('/') : relative,
                         readAll(path));
        }
        return files;
    }

private slots:
    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        QVERIFY(root->isValid());
        QDir top(root->path());
        for (const char *folder : {"home/Desktop", "home/Favorites", "home/Pictures", "app/images"})
            QVERIFY(top.mkpath(QString::fromLatin1(folder)));
        desktop = root->filePath(QStringLiteral("home/Desktop"));
        favorites = root->filePath(QStringLiteral("home/Favorites"));
        pictures = root->filePath(QStringLiteral("home/Pictures"));
        iconSource = root->filePath(QStringLiteral("app/images/product.ico"));
        QVERIFY(writeFile(iconSource, iconA));
        // What a model or number leading out of its folder would remove or overwrite.
        QVERIFY(writeFile(root->filePath(QStringLiteral("home/victim.ico")), "keep"));
        QVERIFY(writeFile(root->filePath(QStringLiteral("victim.ico")), "keep"));
        seams = std::make_unique<testSeams>();
        seams->desktopFolder(desktop);
        seams->picturesFolder(pictures);
        com = std::make_unique<comRecorder>();
    }

    void cleanup()
    {
        // Every road pairs its COM set-up and releases its objects.
        QCOMPARE(com->openInitialisations(), 0);
        QCOMPARE(com->liveObjects(), 0);
        com.reset();
        seams.reset();
        root.reset();
    }

    void normalRoad()
    {
        const auto before = tree();
        logCapture log;
        QVERIFY(make());

        const QString iconPath = iconPathFor(model);
        QCOMPARE(
            callLines(),
            QStringList({
                QStringLiteral("CoInitialize(null) -> 0"),
                QStringLiteral("CoCreateInstance({00021401-0000-0000-C000-000000000046}, null, 1, "
                               "{000214F9-0000-0000-C000-000000000046}) -> 0"),
                QStringLiteral("SetPath(%1) -> 0").arg(target),
                QStringLiteral("SetArguments(%1) -> 0").arg(quoted(portalUrl())),
                QStringLiteral("SetIconLocation(%1, 0) -> 0").arg(iconPath),
                QStringLiteral("QueryInterface({0000010B-0000-0000-C000-000000000046}) -> 0"),
                QStringLiteral("Save(%1, TRUE) -> 0").arg(linkFor(deviceNo)),
                QStringLiteral("Release() -> 1"),
                QStringLiteral("Release() -> 0"),
                QStringLiteral("CoUninitialize() -> 0"),
            }));

        const QString escapedIcon =
            QString(iconPath).replace(QLatin1String("\\"), QLatin1String("\\\\"));
        QCOMPARE(log.lines,
                 QStringList({
                     QStringLiteral("create bookmark"),
                     QStringLiteral("link file path: \"%1/../Favorites/My Camera (10000001).url\"")
                         .arg(desktop),
                     QStringLiteral("link file content: \"[InternetShortcut]\\nURL=\\\"%1\\\"\"")
                         .arg(portalUrl()),
                     QStringLiteral("create desktop shortcut"),
                     QStringLiteral("iconPath: \"%1\"").arg(escapedIcon),
                 }));

        // The three files, each in its folder, and nothing else.
        auto after = tree();
        const QByteArray bookmark =
            after.take(QStringLiteral("home/Favorites/My Camera (10000001).url"));
        const QByteArray icon = after.take(QStringLiteral("home/Pictures/KSM-3350.ico"));
        const QByteArray link = after.take(QStringLiteral("home/Desktop/MyCamera(10000001).lnk"));
        QCOMPARE(after, before);
        QCOMPARE(bookmark, "[InternetShortcut]\nURL=\"" + portalUrl().toLatin1() + '"');
        QCOMPARE(icon, iconA);
        // lnkinfo does not show the show command: the header is read here.
        QCOMPARE(link.left(20), QByteArray::fromHex("4c000000"
                                                    "0114020000000000c000000000000046"));
        QCOMPARE(qFromLittleEndian<quint32>(link.constData() + 20),
                 0x2E0u);  // arguments, icon, Unicode, variables
        QCOMPARE(qFromLittleEndian<quint32>(link.constData() + 60), 1u);  // show normal
        const qsizetype strings = 2 + 2 * quoted(portalUrl()).size() + 2 + 2 * iconPath.size();
        QCOMPARE(link.size(), 76 + strings + 0x314 + 4);
        QCOMPARE(link.mid(76 + strings, 8), QByteArray::fromHex("14030000"
                                                                "010000a0"));
        QVERIFY(link.endsWith(QByteArray(4, '\0')));
    }

    // Negative results are failures, S_FALSE is a success.
    void comResults_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("link");
        QTest::addColumn<bool>("icon");

        const QStringList all = {"CoInitialize",    "CoCreateInstance", "SetPath", "SetArguments",
                                 "SetIconLocation", "QueryInterface",   "Save",    "Release",
                                 "Release",         "CoUninitialize"};
        QTest::newRow("CoInitialize fails: bookmark only, no CoUninitialize")
            << "CoInitialize" << int(fail) << QStringList{"CoInitialize"} << false << false;
        QTest::newRow("CoInitialize gives S_FALSE: link, and CoUninitialize")
            << "CoInitialize" << int(okFalse) << all << true << true;
        QTest::newRow("CoCreateInstance fails: CoUninitialize and end")
            << "CoCreateInstance" << int(classNotRegistered)
            << QStringList{"CoInitialize", "CoCreateInstance", "CoUninitialize"} << false << false;
        QTest::newRow("QueryInterface fails: icon copied, no link")
            << "QueryInterface" << int(noInterface)
            << QStringList{"CoInitialize",    "CoCreateInstance", "SetPath", "SetArguments",
                           "SetIconLocation", "QueryInterface",   "Release", "CoUninitialize"}
            << false << true;
        QTest::newRow("Save fails: both released all the same")
            << "Save" << int(fail) << all << false << true;
    }

    void comResults()
    {
        QFETCH(QString, failing);
        QFETCH(int, result);
        QFETCH(QStringList, expected);
        QFETCH(bool, link);
        QFETCH(bool, icon);

        com->forceResult(failing, result);
        logCapture quiet;
        // The bookmark is made on every road: whole with the link and its icon.
        QCOMPARE(make(), link && icon);
        QCOMPARE(callNames(), expected);
        for (const call &c : calls()) {
            if (c.name == failing)
                QCOMPARE(c.result, result);
        }
        QCOMPARE(QFile::exists(favorites + QStringLiteral("/My Camera (10000001).url")), true);
        QCOMPARE(QFile::exists(pictures + QStringLiteral("/KSM-3350.ico")), icon);
        QCOMPARE(QFile::exists(desktop + QStringLiteral("/MyCamera(10000001).lnk")), link);
    }

    // A reader of the format finds the target, the arguments and the icon.
    void linkReadBack()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("lnkinfo")).isEmpty())
            QSKIP("lnkinfo (liblnk-utils) is not installed");
        make();
        const QMap<QString, QString> fields =
            readBackLink(desktop + QStringLiteral("/MyCamera(10000001).lnk"));
        QCOMPARE(fields.value(QStringLiteral("Command line arguments")), quoted(portalUrl()));
        QCOMPARE(fields.value(QStringLiteral("Icon location")), iconPathFor(model));
        QCOMPARE(fields.value(QStringLiteral("Environment variables location")), target);
    }

    // The language token is the language's own name. The bookmark holds the
    // URL in UTF-8, the link in UTF-16, as a reader of the format sees it.
    void everyLanguage_data()
    {
        QTest::addColumn<QString>("token");
        for (const languageTokens::token &t : languageTokens::all)
            QTest::newRow(t.code) << languageTokens::text(t);
    }

    void everyLanguage()
    {
        QFETCH(QString, token);
        const QString url = portalUrl(deviceNo, token);
        logCapture quiet;
        make(deviceNo, model, quoted(url));
        QCOMPARE(readAll(favorites + QStringLiteral("/My Camera (10000001).url")),
                 "[InternetShortcut]\nURL=\"" + url.toUtf8() + '"');
        const QString link = desktop + QStringLiteral("/MyCamera(10000001).lnk");
        QVERIFY(readAll(link).contains(utf16le(quoted(url))));
        if (QStandardPaths::findExecutable(QStringLiteral("lnkinfo")).isEmpty())
            QSKIP("lnkinfo (liblnk-utils) is not installed");
        QCOMPARE(readBackLink(link).value(QStringLiteral("Command line arguments")), quoted(url));
    }

    // A second Done with the same camera: the bookmark truncated and
    // rewritten, the icon replaced, the link overwritten.
    void secondRunReplaces()
    {
        make(deviceNo, model, quoted(portalUrl(deviceNo, QStringLiteral("pt_BR"))));
        const auto first = tree();
        QVERIFY(writeFile(iconSource, iconB));
        com = std::make_unique<comRecorder>();
        make();

        const auto second = tree();
        QCOMPARE(second.keys(), first.keys());
        QCOMPARE(second.value(QStringLiteral("home/Favorites/My Camera (10000001).url")),
                 "[InternetShortcut]\nURL=\"" + portalUrl().toLatin1() + '"');
        QCOMPARE(second.value(QStringLiteral("home/Pictures/KSM-3350.ico")), iconB);
        const QByteArray link = second.value(QStringLiteral("home/Desktop/MyCamera(10000001).lnk"));
        QVERIFY(link.contains(utf16le(quoted(portalUrl()))));
        QVERIFY(!link.contains(utf16le(QStringLiteral("pt_BR"))));
        QCOMPARE(link.size(),
                 first.value(QStringLiteral("home/Desktop/MyCamera(10000001).lnk")).size() - 6);
    }

    void missingFavorites()
    {
        QVERIFY(QDir(favorites).removeRecursively());
        logCapture log;
        QVERIFY(!make());
        QVERIFY(log.lines.contains(QStringLiteral("failed to open this file.")));
        QVERIFY(!QFileInfo::exists(favorites));
        QVERIFY(QFile::exists(desktop + QStringLiteral("/MyCamera(10000001).lnk")));
        QCOMPARE(readAll(pictures + QStringLiteral("/KSM-3350.ico")), iconA);
    }

    // The bookmark's "/../Favorites/" steps up from the desktop's path, as
    // Windows reads it, not from where a linked desktop folder really lies.
    void favoritesBesideLinkedDesktop()
    {
        QVERIFY(QDir(desktop).removeRecursively());
        QVERIFY(QDir(root->path()).mkpath(QStringLiteral("elsewhere/Desktop")));
        QVERIFY(QDir(root->path()).mkpath(QStringLiteral("elsewhere/Favorites")));
        QVERIFY(QFile::link(root->filePath(QStringLiteral("elsewhere/Desktop")), desktop));
        logCapture quiet;
        make();
        QVERIFY(QFile::exists(favorites + QStringLiteral("/My Camera (10000001).url")));
        QVERIFY(QDir(root->filePath(QStringLiteral("elsewhere/Favorites"))).isEmpty());
        QVERIFY(QFile::exists(
            root->filePath(QStringLiteral("elsewhere/Desktop/MyCamera(10000001).lnk"))));
    }

    // Values that pass: each lands under its name with its exact bytes.
    void acceptedValues_data()
    {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("bookmark");
        QTest::addColumn<QString>("icon");

        QTest::newRow("empty number and model")
            << QByteArray() << QByteArray() << portalUrl("") << "My Camera ().url"
            << ".ico";
        QTest::newRow("values end at their first NUL")
            << QByteArray("123\0/../x", 9) << QByteArray("KSM\0..\\y", 8) << portalUrl("123")
            << "My Camera (123).url"
            << "KSM.ico";
        QTest::newRow("https, port, percent-encoding")
            << deviceNo << model
            << "https://portal.example:8443/a%20b/?skyvue_no=10000001&lang=zh_CN"
            << "My Camera (10000001).url"
            << "KSM-3350.ico";
        const QString base = portalUrl() + QStringLiteral("&pad=");
        QTest::newRow("argument of 2047 characters")
            << deviceNo << model << base + QString(2047 - 2 - base.size(), QLatin1Char('x'))
            << "My Camera (10000001).url"
            << "KSM-3350.ico";
        QTest::newRow("argument of 2047 UTF-16 units, one character beyond the BMP")
            << deviceNo << model
            << base + QStringLiteral("\U0001F600")
                   + QString(2047 - 4 - base.size(), QLatin1Char('x'))
            << "My Camera (10000001).url"
            << "KSM-3350.ico";
    }

    void acceptedValues()
    {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, name);
        QFETCH(QString, url);
        QFETCH(QString, bookmark);
        QFETCH(QString, icon);

        const QByteArray cut =
            number.left(number.indexOf('\0') < 0 ? number.size() : number.indexOf('\0'));
        const QString linkName =
            QStringLiteral("MyCamera(") + QString::fromUtf8(cut) + QStringLiteral(").lnk");
        const auto before = tree();
        logCapture quiet;
        make({target, linkFor(cut), quoted(url), iconSource}, number, name);

        auto after = tree();
        QVERIFY(quoted(url).size() < platform::shortcutBufferSize);
        QCOMPARE(after.take(QStringLiteral("home/Favorites/") + bookmark),
                 "[InternetShortcut]\nURL=\"" + url.toUtf8() + '"');
        QCOMPARE(after.take(QStringLiteral("home/Pictures/") + icon), iconA);
        QVERIFY(
            after.take(QStringLiteral("home/Desktop/") + linkName).contains(utf16le(quoted(url))));
        QCOMPARE(after, before);
    }

    // The icon path goes into a zero-filled buffer of 2048 wide characters
    // of the maker's own: 2047 UTF-16 units are the most it holds with its
    // zero, counted as on Windows, where a character beyond the BMP takes two.
    void iconPathLength_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<bool>("beyondBmp");
        QTest::newRow("2047 units") << 2047 << false;
        QTest::newRow("2048 units") << 2048 << false;
        QTest::newRow("2047 units, one character beyond the BMP") << 2047 << true;
        QTest::newRow("2048 units in 2047 wide characters, one beyond the BMP") << 2048 << true;
    }

    void iconPathLength()
    {
        QFETCH(int, units);
        QFETCH(bool, beyondBmp);
        const QString start = beyondBmp ? QStringLiteral("\U0001F600") : QString();
        const qsizetype fixed = pictures.size() + 1 + start.size() + 4;  // "\", ".ico"
        const QString name = start + QString(units - fixed, QLatin1Char('m'));
        const QString iconPath = iconPathFor(name.toUtf8());
        QCOMPARE(iconPath.size(), units);
        logCapture log;
        make(deviceNo, name.toUtf8());
        if (units >= platform::shortcutBufferSize) {
            QVERIFY(calls().isEmpty());
            QCOMPARE(log.lines,
                     QStringList{QStringLiteral(
                         "createShortcut: a value is longer than 2047 characters; no shortcut.")});
            return;
        }
        QVERIFY(callLines().contains(QStringLiteral("SetIconLocation(%1, 0) -> 0").arg(iconPath)));
        QVERIFY(readAll(desktop + QStringLiteral("/MyCamera(10000001).lnk"))
                    .contains(utf16le(iconPath)));
    }

    // Camera values that would lead a file out of its folder, a command
    // line or the bookmark's line astray: nothing at all is written or
    // removed, no COM call is made, and the log says why.
    void hostileValues_data()
    {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("argument");  // empty: the usual one
        QTest::addColumn<QString>("link");      // empty: the usual one
        QTest::addColumn<bool>("desktopKnown");
        QTest::addColumn<bool>("picturesKnown");
        QTest::addColumn<QString>("reason");

        const QString number = QStringLiteral("the camera's number cannot be part of a file name");
        const QString name = QStringLiteral("the camera's model cannot name a file");
        const QString url = QStringLiteral("the link's argument is no quoted portal address");
        const QString longer = QStringLiteral("a value is longer than 2047 characters");
        const auto row = [](const char *tag, const QByteArray &n, const QByteArray &m,
                            const QString &arg, const QString &reason) {
            QTest::newRow(tag) << n << m << arg << QString() << true << true << reason;
        };
        row("number ../", "../../evil", model, QString(), number);
        row("number ..\\", "..\\..\\evil", model, QString(), number);
        row("number with /", "a/b", model, QString(), number);
        row("number with \\", "a\\b", model, QString(), number);
        row("number with escape", "12\x1b[2J", model, QString(), number);
        row("number with *", "12*", model, QString(), number);
        row("model ../", deviceNo, "../victim", QString(), name);
        row("model ..\\..\\", deviceNo, "..\\..\\victim", QString(), name);
        row("model with \\", deviceNo, "x\\victim", QString(), name);
        row("model with drive", deviceNo, "C:victim", QString(), name);
        row("model with |", deviceNo, "a|b", QString(), name);
        row("model a device", deviceNo, "con", QString(), name);
        row("model a numbered device", deviceNo, "LPT1", QString(), name);
        row("URL with $()", deviceNo, model, quoted(portalUrl("$(reboot)")), url);
        row("URL with backquotes", deviceNo, model, quoted(portalUrl("`reboot`")), url);
        row("URL with a quote inside", deviceNo, model,
            quoted(QStringLiteral("http://portal.example/\" & calc & \"")), url);
        row("URL with \\", deviceNo, model, quoted(QStringLiteral("http://portal.example\\..\\x")),
            url);
        row("URL with a line feed", deviceNo, model,
            quoted(QStringLiteral("http://portal.example/\nURL=file:///etc")), url);
        row("URL with a tab", deviceNo, model, quoted(QStringLiteral("http://portal.example/\t")),
            url);
        row("URL beyond ASCII", deviceNo, model,
            quoted(QStringLiteral("http://port\u00e4l.example/")), url);
        row("URL without quotes", deviceNo, model, portalUrl(), url);
        row("file URL", deviceNo, model, quoted(QStringLiteral("file:///etc/passwd")), url);
        row("URL with user information", deviceNo, model,
            quoted(QStringLiteral("http://u:p@portal.example/")), url);
        row("number of 3000 characters", QByteArray(3000, '7'), model, QString(), longer);
        row("model of 3000 characters", deviceNo, QByteArray(3000, 'm'), QString(), longer);
        row("icon path over 2047", deviceNo, QByteArray(2040, 'm'), QString(), longer);
        row("argument of 2048 characters", deviceNo, model, quoted(QString(2046, QLatin1Char('x'))),
            longer);
        // Four bytes per wide character here: the limit counts UTF-16 units
        // as on Windows.
        row("argument of 2048 UTF-16 units", deviceNo, model,
            quoted(QStringLiteral("http://portal.example/?x=\U0001F600")
                   + QString(2019, QLatin1Char('x'))),
            longer);
        row("argument of 3000 characters", deviceNo, model,
            quoted(portalUrl() + QStringLiteral("&pad=") + QString(3000, QLatin1Char('x'))),
            longer);
        QTest::newRow("link out of the desktop")
            << deviceNo << model << QString() << "\\..\\..\\victim.lnk" << true << true
            << "the link file is not a .lnk file in the desktop folder";
        QTest::newRow("link not a .lnk")
            << deviceNo << model << QString() << "\\MyCamera(1).bat" << true << true
            << "the link file is not a .lnk file in the desktop folder";
        QTest::newRow("no desktop folder") << deviceNo << model << QString() << QString() << false
                                           << true << "the system names no desktop folder";
        QTest::newRow("no pictures folder") << deviceNo << model << QString() << QString() << true
                                            << false << "the system names no pictures folder";
    }

    void hostileValues()
    {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, name);
        QFETCH(QString, argument);
        QFETCH(QString, link);
        QFETCH(bool, desktopKnown);
        QFETCH(bool, picturesKnown);
        QFETCH(QString, reason);

        const QStringList values = {target, link.isEmpty() ? linkFor(number) : desktop + link,
                                    argument.isEmpty() ? quoted(portalUrl()) : argument,
                                    iconSource};
        if (!desktopKnown)
            seams->desktopFolder(QString());
        if (!picturesKnown)
            seams->picturesFolder(QString());
        const auto before = tree();
        logCapture log;
        QVERIFY(!make(values, number, name));
        QCOMPARE(tree(), before);
        QVERIFY(calls().isEmpty());
        QCOMPARE(log.lines,
                 QStringList{QStringLiteral("createShortcut: %1; no shortcut.").arg(reason)});
    }

    // A link at a name the maker writes, pointing out of the profile: what
    // it points at stays as it was, and the file is made in its place.
    void linkAtAWrittenName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dangling");
        for (const char *name :
             {"home/Desktop/MyCamera(10000001).lnk", "home/Favorites/My Camera (10000001).url",
              "home/Pictures/KSM-3350.ico"}) {
            QTest::newRow(name) << QString::fromLatin1(name) << false;
            QTest::addRow("%s, pointing nowhere", name) << QString::fromLatin1(name) << true;
        }
    }

    void linkAtAWrittenName()
    {
        QFETCH(QString, name);
        QFETCH(bool, dangling);
        const QString victim =
            root->filePath(dangling ? QStringLiteral("nowhere") : QStringLiteral("victim.ico"));
        const QString at = root->filePath(name);
        QVERIFY(QFile::link(victim, at));
        logCapture log;
        QVERIFY2(make(), qPrintable(log.text()));
        QVERIFY(!QFileInfo(at).isSymLink());
        if (dangling)
            QVERIFY(!QFileInfo::exists(victim));
        else
            QCOMPARE(readAll(victim), QByteArray("keep"));
        QCOMPARE(readAll(favorites + QStringLiteral("/My Camera (10000001).url")),
                 "[InternetShortcut]\nURL=\"" + portalUrl().toLatin1() + '"');
        QCOMPARE(readAll(pictures + QStringLiteral("/KSM-3350.ico")), iconA);
        QVERIFY(readAll(desktop + QStringLiteral("/MyCamera(10000001).lnk"))
                    .contains(utf16le(quoted(portalUrl()))));
    }

    // Favorites and Pictures folders that are links are where the files go;
    // the links stay links.
    void linkedFolders()
    {
        for (const QString &folder : {favorites, pictures}) {
            const QString real =
                root->filePath(QStringLiteral("elsewhere/") + QFileInfo(folder).fileName());
            QVERIFY(QDir().mkpath(real));
            QVERIFY(QDir(folder).removeRecursively());
            QVERIFY(QFile::link(real, folder));
        }
        logCapture quiet;
        QVERIFY(make());
        QVERIFY(make());
        QVERIFY(QFileInfo(favorites).isSymLink() && QFileInfo(pictures).isSymLink());
        QCOMPARE(QDir(root->filePath(QStringLiteral("elsewhere/Favorites")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"My Camera (10000001).url"}));
        QCOMPARE(readAll(root->filePath(QStringLiteral("elsewhere/Pictures/KSM-3350.ico"))), iconA);
    }

    // The disk fills up: a file that does not fit keeps its older self
    // whole, nothing half-made is left beside it, the others are made, the
    // log says what failed, and a later run replaces them all.
    void diskFull_data()
    {
        QTest::addColumn<int>("limit");  // bytes a file may hold
        QTest::addColumn<bool>("bookmarkFits");
        QTest::addColumn<bool>("iconFits");
        // The icon is the smallest file, the link the largest: it never fits.
        QTest::newRow("none fits") << 8 << false << false;
        QTest::newRow("the icon fits") << 40 << false << true;
        QTest::newRow("the link does not fit") << 400 << true << true;
    }

    void diskFull()
    {
        QFETCH(int, limit);
        QFETCH(bool, bookmarkFits);
        QFETCH(bool, iconFits);
        const QString olderUrl = quoted(portalUrl(deviceNo, QStringLiteral("pt_BR")));
        QVERIFY(writeFile(iconSource, iconB));
        QVERIFY(make(deviceNo, model, olderUrl));
        const auto older = tree();
        QVERIFY(writeFile(iconSource, iconA));
        const QString bookmarkName = QStringLiteral("home/Favorites/My Camera (10000001).url");
        const QString iconName = QStringLiteral("home/Pictures/KSM-3350.ico");
        const QString linkName = QStringLiteral("home/Desktop/MyCamera(10000001).lnk");
        const QByteArray newBookmark = "[InternetShortcut]\nURL=\"" + portalUrl().toLatin1() + '"';

        logCapture log;
        {
            fileSizeLimit full{rlim_t(limit)};
            QVERIFY(!make());
        }
        auto after = tree();
        QCOMPARE(after.keys(), older.keys());
        QCOMPARE(after.value(bookmarkName), bookmarkFits ? newBookmark : older.value(bookmarkName));
        QCOMPARE(after.value(iconName), iconFits ? iconA : iconB);
        QCOMPARE(after.value(linkName), older.value(linkName));
        QCOMPARE(log.text().contains(QLatin1String("cannot save the desktop link")), true);
        QCOMPARE(log.text().contains(
                     QStringLiteral("cannot write \"%1\"").arg(root->filePath(bookmarkName))),
                 !bookmarkFits);
        QCOMPARE(log.text().contains(
                     QStringLiteral("cannot write \"%1\"").arg(root->filePath(iconName))),
                 !iconFits);
        // Each file was opened: that is not what failed.
        QVERIFY(!log.lines.contains(QStringLiteral("failed to open this file.")));

        QVERIFY(make());
        after = tree();
        QCOMPARE(after.keys(), older.keys());
        QCOMPARE(after.value(bookmarkName), newBookmark);
        QCOMPARE(after.value(iconName), iconA);
        QVERIFY(after.value(linkName).contains(utf16le(quoted(portalUrl()))));
    }
};

QTEST_GUILESS_MAIN(tst_shortcutwindows)
#include "tst_shortcutwindows.moc"
