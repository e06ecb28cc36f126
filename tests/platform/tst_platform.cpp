// What each build does differently, checked against the build CMake was
// asked for: a wrong platform source linked in fails here.
#include "platform/platform.h"
#include "platform/shortcut.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <cstdio>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

// With this argument the program enters its data folder, prints the working
// directory and ends, as the real program does first at start.
constexpr char enterDataFolderArgument[] = "--enter-data-folder";

bool windowsBuild()
{
    return QStringLiteral(CAMGUIDE_CONFIGURED_TARGET) == QLatin1String("windows");
}

// Where the build puts config.xml, images/ and lang/, and the program file.
QString shippedFolder()
{
    return windowsBuild() ? QStringLiteral("CAMGUIDE-windows")
                          : QStringLiteral("CAMGUIDE.app/Contents");
}
QString programPath()
{
    return windowsBuild() ? QStringLiteral("CAMGUIDE-windows/probe")
                          : QStringLiteral("CAMGUIDE.app/Contents/MacOS/probe");
}

// The working directory the program at path ends up in, started in start.
QString workingDirectoryOf(const QString &path, const QString &start)
{
    QProcess process;
    process.setWorkingDirectory(start);
    process.start(path, {QString::fromLatin1(enterDataFolderArgument)});
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(1000);
        return QStringLiteral("(no answer)");
    }
    const QStringList lines =
        QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    return lines.value(0);
}

}  // namespace

class tst_platform : public QObject
{
    Q_OBJECT

private slots:
    // The Windows system draws Arial smaller, so its texts are a pixel larger.
    void textSizes()
    {
        QCOMPARE(platform::textPixelSize(), windowsBuild() ? 14 : 13);
        QCOMPARE(platform::stepTextPixelSize(), windowsBuild() ? 13 : 12);
    }

    // Where each build looks for its data, from the folder of the program
    // file alone.
    void dataFolder_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("folder");
        if (!windowsBuild()) {
            QTest::newRow("in the bundle") << "/Users/a/Desktop/CAMGUIDE.app/Contents/MacOS"
                                           << "/Users/a/Desktop/CAMGUIDE.app/Contents";
            QTest::newRow("renamed bundle") << "/Applications/My Cam.app/Contents/MacOS"
                                            << "/Applications/My Cam.app/Contents";
            QTest::newRow("trailing slash") << "/A.app/Contents/MacOS/"
                                            << "/A.app/Contents";
            QTest::newRow("not in a bundle") << "/usr/local/bin"
                                             << "";
            QTest::newRow("MacOS is only part of the name") << "/x/NotMacOS"
                                                            << "";
        } else {
            QTest::newRow("program folder") << "C:/Program Files/CAMGUIDE"
                                            << "C:/Program Files/CAMGUIDE";
            QTest::newRow("trailing slash") << "/opt/cam/"
                                            << "/opt/cam";
            QTest::newRow("a folder named MacOS is no bundle") << "/x/Contents/MacOS"
                                                               << "/x/Contents/MacOS";
        }
        QTest::newRow("no program folder") << ""
                                           << "";
    }
    void dataFolder()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, folder);
        QCOMPARE(platform::dataFolder(programFolder), folder);
    }

    // A copy of this program, laid out as the build ships the real one, run
    // from other folders: a program from Finder starts in "/", one from a
    // terminal in any folder. Each finds the same data folder, and the
    // folder the program used to be started from still works.
    void startedFromAnyFolder_data()
    {
        QTest::addColumn<QString>("start");  // relative to the temporary folder
        QTest::newRow("root folder") << "/";
        QTest::newRow("another folder") << "elsewhere";
        QTest::newRow("folder holding the program's folder") << ".";
        QTest::newRow("the data folder itself") << shippedFolder();
    }
    void startedFromAnyFolder()
    {
        QFETCH(QString, start);
        QTemporaryDir top;
        QVERIFY(top.isValid());
        const QString data = top.filePath(shippedFolder());
        const QString program = top.filePath(programPath());
        QVERIFY(QDir().mkpath(QFileInfo(program).path()));
        QVERIFY(QDir().mkpath(top.filePath(QStringLiteral("elsewhere"))));
        // A copy, not a link: the program's path is read with links resolved.
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));

        const QString folder = start.startsWith(QLatin1Char('/')) ? start : top.filePath(start);
        QCOMPARE(workingDirectoryOf(program, folder), QDir(data).canonicalPath());
    }

    // Outside a bundle the macOS build has no data folder and stays where
    // it was started.
    void startedOutsideABundle()
    {
        if (windowsBuild())
            QSKIP("the Windows build's data folder is always the program's");
        QTemporaryDir top;
        QVERIFY(top.isValid());
        const QString program = top.filePath(QStringLiteral("bin/probe"));
        QVERIFY(QDir().mkpath(top.filePath(QStringLiteral("bin"))));
        QVERIFY(QDir().mkpath(top.filePath(QStringLiteral("elsewhere"))));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const QString start = top.filePath(QStringLiteral("elsewhere"));
        QCOMPARE(workingDirectoryOf(program, start), QDir(start).canonicalPath());
    }

    // A shortcut argument as the makers read it from its zero-filled buffer
    // of 2048 wide characters. The limit counts UTF-16 units, as on
    // Windows: here a wide character holds a whole character beyond the
    // BMP, which takes two units there.
    void shortcutText_data()
    {
        QTest::addColumn<QString>("value");  // written from the buffer's start
        QTest::addColumn<bool>("ended");     // a zero after it, within the buffer
        QTest::addColumn<std::optional<QString>>("read");
        const QString beyond = QStringLiteral("\U0001F600");
        const QString x2047(2047, QLatin1Char('x'));
        const QString units2047 = beyond + QString(2045, QLatin1Char('x'));
        const QString units2048 = beyond + QString(2046, QLatin1Char('x'));
        QTest::newRow("empty") << QString() << true << std::optional<QString>(QString());
        QTest::newRow("2047 characters, the zero in the last place")
            << x2047 << true << std::optional<QString>(x2047);
        QTest::newRow("2048 characters, no zero")
            << x2047 + QLatin1Char('x') << false << std::optional<QString>();
        QTest::newRow("2047 units, one character beyond the BMP")
            << units2047 << true << std::optional<QString>(units2047);
        QTest::newRow("2048 units in 2047 wide characters, one beyond the BMP")
            << units2048 << true << std::optional<QString>();
        QTest::newRow("2048 units, the character beyond the BMP last")
            << QString(2046, QLatin1Char('x')) + beyond << true << std::optional<QString>();
    }

    void shortcutText()
    {
        QFETCH(QString, value);
        QFETCH(bool, ended);
        QFETCH(std::optional<QString>, read);
        std::array<wchar_t, platform::shortcutBufferSize> buffer{};
        const std::wstring wide = value.toStdWString();
        QCOMPARE(wide.size() < buffer.size(), ended);
        std::copy_n(wide.begin(), std::min(wide.size(), buffer.size()), buffer.begin());
        QCOMPARE(platform::shortcutText(buffer.data()), read);
    }

    void shortcutTextWithoutBuffer()
    {
        QCOMPARE(platform::shortcutText(nullptr), std::optional<QString>());
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], enterDataFolderArgument) == 0) {
        // The log goes to standard error; the answer alone to standard output.
        platform::enterDataFolder();
        std::printf("%s\n", qPrintable(QDir::currentPath()));
        return 0;
    }
    tst_platform test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_platform.moc"
