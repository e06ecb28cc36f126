// The macOS build's desktop shortcut: the bundle it leaves, read back with
// the readers of those formats where they are installed, its launcher run
// against a stand-in "open", and camera values that must not get through.
#include "platform/shortcut.h"
#include "platform/shortcut_macos.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/languagetokens.h"
#include "tests/support/logcapture.h"
#include "tests/support/namedpipe.h"
#include "tests/support/testseams.h"

#include <QDirIterator>
#include <QImageWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <array>

namespace {

const QString portalArg = QStringLiteral("\"http://10.77.0.2:8080//?skyvue_no=10000001&lang=en\"");

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

struct toolCall {
    QString tool;
    QStringList arguments;
};

// Each file and folder below root, folders with a trailing "/".
QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString relative = QDir(root).relativeFilePath(it.filePath());
        entries << (it.fileInfo().isDir() && !it.fileInfo().isSymLink()
                        ? relative + QLatin1Char('/')
                        : relative);
    }
    entries.sort();
    return entries;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QByteArray plistBytes(const QByteArray &escapedName)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n"
           "<dict>\n"
           "<key>CFBundleExecutable</key>\n"
           "<string>"
           + escapedName
           + "</string>\n"
             "<key>CFBundleIconFile</key>\n"
             "<string>icon</string>\n"
             "</dict>\n"
             "</plist>\n";
}

// The keys and strings of a property list's dictionary, in order.
QStringList dictionary(const QByteArray &xml)
{
    QStringList items;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement
            && (reader.name() == QLatin1String("key") || reader.name() == QLatin1String("string")))
            items << reader.readElementText();
    }
    if (reader.hasError())
        items << QStringLiteral("error: ") + reader.errorString();
    return items;
}

// What the finishing pages hand over: four zero-filled buffers.
using argumentBuffers = std::array<std::array<wchar_t, platform::shortcutBufferSize>, 4>;

void fill(std::array<wchar_t, platform::shortcutBufferSize> &buffer, const QString &value)
{
    QVERIFY(value.size() < platform::shortcutBufferSize);
    value.toWCharArray(buffer.data());
}

// The test's folder after one bundle was made with its icon.
QStringList testTreeWithBundle(const QString &name)
{
    const QString app = QStringLiteral("Desktop/") + name + QStringLiteral(".app/");
    return {
        QStringLiteral("Desktop/"),
        app,
        app + QStringLiteral("Contents/"),
        app + QStringLiteral("Contents/Info.plist"),
        app + QStringLiteral("Contents/MacOS/"),
        app + QStringLiteral("Contents/MacOS/") + name,
        app + QStringLiteral("Contents/Profile/"),
        app + QStringLiteral("Contents/Resources/"),
        app + QStringLiteral("Contents/Resources/icon.icns"),
        app + QStringLiteral("Contents/Resources/icon.tiff"),
        QStringLiteral("program/"),
        QStringLiteral("program/images/"),
        QStringLiteral("program/images/product.ico"),
        QStringLiteral("work/"),
    };
}

// Runs a program that only reads and writes files, bounded in time.
struct toolRun {
    bool ran = false;
    int exitCode = -1;
    QByteArray output;
};
toolRun runReader(const QString &program, const QStringList &arguments)
{
    toolRun r;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted(5000))
        return r;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished(2000);
        return r;
    }
    r.ran = p.exitStatus() == QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.output = p.readAll();
    return r;
}

// A picture whose planes hold runs of every length the packing treats
// apart (1, 2, 3, 130, 131 and more), literals longer than 128 bytes, and
// alpha from clear to opaque.
QImage patternPicture()
{
    QImage img(128, 128, QImage::Format_ARGB32);
    QRandomGenerator random(12);
    for (int y = 0; y < 128; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < 128; ++x) {
            QRgb c;
            if (y < 16)
                c = qRgba(200, 10, 10, 255);  // runs across row ends
            else if (y < 48)
                c = random.generate() | 0xff000000u;  // literals only
            else if (y < 80)
                c = qRgba((x / (1 + (y % 5))) * 37 % 256, x % 2 ? 7 : 8, (x / 3) * 11 % 256, 255);
            else if (y < 112)
                c = qRgba(x, y, x ^ y, (x * 2) % 256);
            else
                c = qRgba(0, 0, 0, 0);
            row[x] = c;
        }
    }
    return img;
}

// Equal where it shows: a clear pixel's colour is nobody's business.
bool sameVisiblePixels(const QImage &a, const QImage &b, QString *where)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) {
        *where = QStringLiteral("sizes differ");
        return false;
    }
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            if (qAlpha(p) != qAlpha(q) || (qAlpha(p) != 0 && (p & 0xffffff) != (q & 0xffffff))) {
                *where = QStringLiteral("pixel %1,%2: %3 against %4")
                             .arg(col)
                             .arg(row)
                             .arg(p, 8, 16, QLatin1Char('0'))
                             .arg(q, 8, 16, QLatin1Char('0'));
                return false;
            }
        }
    }
    return true;
}

// "MyCamera" in another language.
class cameraWord : public QTranslator
{
public:
    explicit cameraWord(QString word) : m_word(std::move(word)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QObject") == 0 && qstrcmp(sourceText, "MyCamera") == 0)
            return m_word;
        return QString();
    }

private:
    QString m_word;
};

}  // namespace

class tst_shortcut_macos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void bundle_data();
    void bundle();
    void propertyListParses_data();
    void propertyListParses();
    void iconReadsBack_data();
    void iconReadsBack();
    void iconPacking_data();
    void iconPacking();
    void withoutIcon();
    void iconAtAPipe();
    void secondRun();
    void launcherOpensTheUrl_data();
    void launcherOpensTheUrl();
    void translatedName_data();
    void translatedName();
    void hostileValues_data();
    void hostileValues();
    void modelNamesNothing_data();
    void longestArgument_data();
    void longestArgument();
    void modelNamesNothing();
    void noDesktop_data();
    void noDesktop();
    void toolArguments_data();
    void toolArguments();
    void linkAtAWrittenName_data();
    void linkAtAWrittenName();
    void linkedDesktop();
    void diskFull_data();
    void diskFull();
    void leftoversOfAnEndedRun();

private:
    bool make(const QString &argument, const QByteArray &deviceNo,
              const QByteArray &model = QByteArray("KSM-271E"));
    QString bundleOf(const QString &name) const
    {
        return desktop + QLatin1Char('/') + name + QStringLiteral(".app");
    }
    QString writeIco(const QImage &picture, const QString &name);
    QStringList readBackPropertyList(const QString &plist);

    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<testSeams> seams;
    QString desktop;
    QString icon;  // the program's icon, outside the desktop
    QList<toolCall> calls;
    QString startFolder;
};

void tst_shortcut_macos::initTestCase()
{
    QVERIFY2(QImageWriter::supportedImageFormats().contains("tiff"),
             "no TIFF image plugin (package qt6-image-formats-plugins)");
    QVERIFY(QImageWriter::supportedImageFormats().contains("ico"));
    startFolder = QDir::currentPath();
}

void tst_shortcut_macos::init()
{
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
    desktop = root->filePath(QStringLiteral("Desktop"));
    QVERIFY(QDir().mkpath(desktop));
    QVERIFY(QDir().mkpath(root->filePath(QStringLiteral("work"))));
    // A "touch x" that got through would leave its file here.
    QVERIFY(QDir::setCurrent(root->filePath(QStringLiteral("work"))));
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(qRgba(30, 120, 200, 255));
    for (int i = 0; i < 64; ++i)
        picture.setPixel(i, i, qRgba(255, 255, 0, 128));
    icon = writeIco(picture, QStringLiteral("product.ico"));
    QVERIFY(!icon.isEmpty());
    seams = std::make_unique<testSeams>();
    seams->desktopFolder(desktop);
    calls.clear();
    seams->watchImageTools([this](const QString &tool, const QStringList &arguments) {
        calls << toolCall{tool, arguments};
    });
}

void tst_shortcut_macos::cleanup()
{
    seams.reset();
    QDir::setCurrent(startFolder);
    root.reset();
}

QString tst_shortcut_macos::writeIco(const QImage &picture, const QString &name)
{
    const QString folder = root->filePath(QStringLiteral("program/images"));
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    return picture.save(path, "ICO") ? path : QString();
}

bool tst_shortcut_macos::make(const QString &argument, const QByteArray &deviceNo,
                              const QByteArray &model)
{
    argumentBuffers b{};
    fill(b[0], QStringLiteral("%windir%\\explorer.exe "));
    fill(b[1], desktop + QStringLiteral("\\MyCamera(") + QString::fromUtf8(deviceNo)
                   + QStringLiteral(").lnk"));
    fill(b[2], argument);
    fill(b[3], icon);
    return platform::createShortcut(b[0].data(), b[1].data(), b[2].data(), b[3].data(),
                                    {deviceNo, model});
}

// ------------------------------------------------------------------ bundle

void tst_shortcut_macos::bundle_data()
{
    QTest::addColumn<QByteArray>("deviceNo");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("plistName");
    QTest::newRow("number") << QByteArray("10000001") << "MyCamera-10000001"
                            << QByteArray("MyCamera-10000001");
    QTest::newRow("no number") << QByteArray() << "MyCamera-" << QByteArray("MyCamera-");
    QTest::newRow("record's NUL ends the number")
        << QByteArray("42\0junk", 7) << "MyCamera-42" << QByteArray("MyCamera-42");
    QTest::newRow("markup characters")
        << QByteArray("a&b'c") << "MyCamera-a&b'c" << QByteArray("MyCamera-a&amp;b'c");
    QTest::newRow("number beyond ASCII")
        << QByteArray("Ωméga-7") << QString::fromUtf8("MyCamera-Ωméga-7")
        << QByteArray("MyCamera-Ωméga-7");
}

void tst_shortcut_macos::bundle()
{
    QFETCH(QByteArray, deviceNo);
    QFETCH(QString, name);
    QFETCH(QByteArray, plistName);
    logCapture log;
    QVERIFY(make(portalArg, deviceNo));

    QCOMPARE(tree(root->path()), testTreeWithBundle(name));

    const QString contents = bundleOf(name) + QStringLiteral("/Contents/");
    const QString launcher = contents + QStringLiteral("MacOS/") + name;
    QCOMPARE(readAll(launcher),
             QByteArray(
                 "#!/bin/sh\nexec open \"http://10.77.0.2:8080//?skyvue_no=10000001&lang=en\"&\n"));
    const QFile::Permissions mode = QFile::permissions(launcher);
    QVERIFY(mode & QFile::ExeOwner);
    QVERIFY(mode & QFile::ExeGroup);
    QVERIFY(mode & QFile::ExeOther);
    QCOMPARE(readAll(contents + QStringLiteral("Info.plist")), plistBytes(plistName));

    // The tools work in the bundle while it is assembled beside its name.
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(0).arguments.size(), 8);
    const QString staged = calls.at(0).arguments.at(5);
    const QString stagedStart = desktop + QStringLiteral("/.") + name + QStringLiteral(".app.");
    const QString stagedEnd = QStringLiteral("/Contents/Resources/icon.tiff");
    QVERIFY2(staged.startsWith(stagedStart) && staged.endsWith(stagedEnd)
                 && !staged.mid(stagedStart.size()).chopped(stagedEnd.size()).contains('/'),
             qPrintable(staged));
    QCOMPARE(calls.at(0).tool, QStringLiteral("sips"));
    QCOMPARE(calls.at(0).arguments, QStringList({"-s", "format", "tiff", icon, "--out", staged,
                                                 "--resampleWidth", "128"}));
    QCOMPARE(calls.at(1).tool, QStringLiteral("tiff2icns"));
    QCOMPARE(calls.at(1).arguments, QStringList({"-noLarge", staged}));
    const QImage tiff(contents + QStringLiteral("Resources/icon.tiff"));
    QCOMPARE(tiff.size(), QSize(128, 128));

    QCOMPARE(log.lines,
             QStringList({
                 QStringLiteral("lpszPathObj= \"/Applications/Safari.app/Contents/MacOS/Safari\""),
                 QStringLiteral("lpszPathLink= \"") + desktop + QLatin1Char('"'),
                 QStringLiteral("lpszPathArg= ") + portalArg,
                 QStringLiteral("lpszPathIcon= \"") + icon + QLatin1Char('"'),
             }));
}

void tst_shortcut_macos::propertyListParses_data()
{
    bundle_data();
}

void tst_shortcut_macos::propertyListParses()
{
    QFETCH(QByteArray, deviceNo);
    QFETCH(QString, name);
    if (QStandardPaths::findExecutable(QStringLiteral("plistutil")).isEmpty())
        QSKIP("plistutil is not installed (package libplist-utils)");
    make(portalArg, deviceNo);
    QCOMPARE(readBackPropertyList(bundleOf(name) + QStringLiteral("/Contents/Info.plist")),
             QStringList({"CFBundleExecutable", name, "CFBundleIconFile", "icon"}));
}

// Into the binary form and back with plistutil: only a property list that
// parses gets there. The dictionary's keys and strings, or the failure.
QStringList tst_shortcut_macos::readBackPropertyList(const QString &plist)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("plistutil"));
    const QString binary = root->filePath(QStringLiteral("Info.bin"));
    const toolRun there =
        runReader(tool, {QStringLiteral("-i"), plist, QStringLiteral("-o"), binary});
    if (!there.ran || there.exitCode != 0)
        return {QStringLiteral("plistutil: ") + QString::fromUtf8(there.output)};
    const QString back = root->filePath(QStringLiteral("Info.xml"));
    const toolRun again =
        runReader(tool, {QStringLiteral("-i"), binary, QStringLiteral("-o"), back});
    if (!again.ran || again.exitCode != 0)
        return {QStringLiteral("plistutil: ") + QString::fromUtf8(again.output)};
    return dictionary(readAll(back));
}

// ------------------------------------------------------------------- icon

void tst_shortcut_macos::iconReadsBack_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("drawn here") << QString();
    QTest::newRow("the program's icon")
        << QStringLiteral(CAMGUIDE_PICTURES_DIR "/shipped/images/product.ico");
}

void tst_shortcut_macos::iconReadsBack()
{
    QFETCH(QString, source);
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("icns2png"));
    if (tool.isEmpty())
        QSKIP("icns2png is not installed (package icnsutils)");
    if (!source.isEmpty()) {
        QVERIFY2(QFile::exists(source), "the build draws the program's pictures");
        QFile::remove(icon);
        QVERIFY(QFile::copy(source, icon));
    }
    make(portalArg, "10000001");
    const QString resources =
        bundleOf(QStringLiteral("MyCamera-10000001")) + QStringLiteral("/Contents/Resources/");
    const QString icns = resources + QStringLiteral("icon.icns");

    const toolRun list = runReader(tool, {QStringLiteral("-l"), icns});
    QVERIFY2(list.ran && list.exitCode == 0, list.output.constData());
    QVERIFY2(list.output.contains("it32") && list.output.contains("t8mk"), list.output.constData());

    const QString out = root->filePath(QStringLiteral("extracted"));
    QVERIFY(QDir().mkpath(out));
    const toolRun extract =
        runReader(tool, {QStringLiteral("-x"), QStringLiteral("-o"), out, icns});
    QVERIFY2(extract.ran && extract.exitCode == 0, extract.output.constData());
    const QStringList pngs = QDir(out).entryList({QStringLiteral("*.png")}, QDir::Files);
    QCOMPARE(pngs.size(), 1);
    const QImage png(out + QLatin1Char('/') + pngs.first());
    QCOMPARE(png.size(), QSize(128, 128));
    QString where;
    QVERIFY2(sameVisiblePixels(png, QImage(resources + QStringLiteral("icon.tiff")), &where),
             qPrintable(where));
}

void tst_shortcut_macos::iconPacking_data()
{
    QTest::addColumn<QImage>("picture");
    QImage one(128, 128, QImage::Format_ARGB32);
    one.fill(qRgba(9, 9, 9, 255));
    QTest::newRow("one colour") << one;
    QTest::newRow("runs and literals") << patternPicture();
    QImage clear(128, 128, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QTest::newRow("clear") << clear;
}

// Straight to the icon writer, so that the runs it packs are the ones drawn.
void tst_shortcut_macos::iconPacking()
{
    QFETCH(QImage, picture);
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("icns2png"));
    if (tool.isEmpty())
        QSKIP("icns2png is not installed (package icnsutils)");
    const QString icns = root->filePath(QStringLiteral("packed.icns"));
    QFile f(icns);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(platform::icnsFile(picture));
    f.close();
    const QString out = root->filePath(QStringLiteral("extracted"));
    QVERIFY(QDir().mkpath(out));
    const toolRun extract =
        runReader(tool, {QStringLiteral("-x"), QStringLiteral("-o"), out, icns});
    QVERIFY2(extract.ran && extract.exitCode == 0, extract.output.constData());
    const QStringList pngs = QDir(out).entryList({QStringLiteral("*.png")}, QDir::Files);
    QCOMPARE(pngs.size(), 1);
    QString where;
    QVERIFY2(sameVisiblePixels(QImage(out + QLatin1Char('/') + pngs.first()), picture, &where),
             qPrintable(where));
}

void tst_shortcut_macos::withoutIcon()
{
    QVERIFY(QFile::remove(icon));
    QVERIFY(make(portalArg, "10000001"));
    QVERIFY(calls.isEmpty());
    const QString contents =
        bundleOf(QStringLiteral("MyCamera-10000001")) + QStringLiteral("/Contents/");
    QCOMPARE(QDir(contents + QStringLiteral("Resources"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(readAll(contents + QStringLiteral("Info.plist")), plistBytes("MyCamera-10000001"));
    QVERIFY(QFileInfo(contents + QStringLiteral("MacOS/MyCamera-10000001")).isExecutable());
}

// A named pipe at the icon's name is not read: the bundle goes without its
// icon instead of waiting for a writer.
void tst_shortcut_macos::iconAtAPipe()
{
    QVERIFY(QFile::remove(icon));
    QVERIFY(makePipe(icon));
    {
        pipeRescue rescue({icon});
        make(portalArg, "10000001");
        QVERIFY2(!rescue.wasNeeded(), "the icon's pipe was opened");
    }
    const QString contents =
        bundleOf(QStringLiteral("MyCamera-10000001")) + QStringLiteral("/Contents/");
    QVERIFY(QFileInfo(contents + QStringLiteral("MacOS/MyCamera-10000001")).isExecutable());
    QCOMPARE(readAll(contents + QStringLiteral("Info.plist")), plistBytes("MyCamera-10000001"));
}

// The same camera again: one bundle with the newer launcher; another
// camera: a bundle beside it.
void tst_shortcut_macos::secondRun()
{
    make(portalArg, "10000001");
    const QString newer = QStringLiteral("\"https://portal.example/?skyvue_no=10000001&lang=de\"");
    make(newer, "10000001");
    const QString launcher = bundleOf(QStringLiteral("MyCamera-10000001"))
                             + QStringLiteral("/Contents/MacOS/MyCamera-10000001");
    QCOMPARE(readAll(launcher), "#!/bin/sh\nexec open " + newer.toLatin1() + "&\n");
    QVERIFY(QFileInfo(launcher).isExecutable());
    QCOMPARE(readAll(bundleOf(QStringLiteral("MyCamera-10000001"))
                     + QStringLiteral("/Contents/Info.plist")),
             plistBytes("MyCamera-10000001"));
    QCOMPARE(calls.size(), 4);
    QCOMPARE(QDir(desktop).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"MyCamera-10000001.app"}));

    make(portalArg, "10000002");
    QCOMPARE(QDir(desktop).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"MyCamera-10000001.app", "MyCamera-10000002.app"}));
}

// The launcher as the system would start it, with an "open" of ours first
// on the path that writes down what it was given. The language token is
// the language's own name: the URL reaches "open" as UTF-8.
void tst_shortcut_macos::launcherOpensTheUrl_data()
{
    QTest::addColumn<QString>("token");
    QTest::newRow("code") << "en";
    for (const languageTokens::token &t : languageTokens::all)
        QTest::newRow(t.code) << languageTokens::text(t);
}

void tst_shortcut_macos::launcherOpensTheUrl()
{
    QFETCH(QString, token);
    const QString url = QStringLiteral("http://10.77.0.2:8080//?skyvue_no=10000001&lang=") + token;
    make(quoted(url), "10000001");
    const QString launcherPath = bundleOf(QStringLiteral("MyCamera-10000001"))
                                 + QStringLiteral("/Contents/MacOS/MyCamera-10000001");
    QCOMPARE(readAll(launcherPath), "#!/bin/sh\nexec open \"" + url.toUtf8() + "\"&\n");
    const QString bin = root->filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString open = bin + QStringLiteral("/open");
    QFile script(open);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } "
                 "> \"$OPEN_RECORD.part\" && mv \"$OPEN_RECORD.part\" \"$OPEN_RECORD\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));

    const QString record = root->filePath(QStringLiteral("open-arguments"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("OPEN_RECORD"), record);
    QProcess launcher;
    launcher.setProcessEnvironment(env);
    launcher.setProcessChannelMode(QProcess::MergedChannels);
    launcher.start(launcherPath, QStringList());
    QVERIFY2(launcher.waitForStarted(5000), qPrintable(launcher.errorString()));
    QVERIFY(launcher.waitForFinished(10000));
    QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher.exitCode(), 0);
    // "open" runs in the background.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    QCOMPARE(readAll(record), "1\n[" + url.toUtf8() + "]\n");
}

void tst_shortcut_macos::translatedName_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("made");
    QTest::newRow("another word") << "Kamera" << true;
    // As the Russian, Greek, Japanese, Korean and Chinese translations have it.
    QTest::newRow("Cyrillic") << QString::fromUtf8("МояКамера") << true;
    QTest::newRow("Greek") << QString::fromUtf8("ΗΚάμεραΜου") << true;
    QTest::newRow("Japanese") << QString::fromUtf8("マイカメラ") << true;
    QTest::newRow("word with a separator") << "My/Camera" << false;
}

void tst_shortcut_macos::translatedName()
{
    QFETCH(QString, word);
    QFETCH(bool, made);
    cameraWord translation(word);
    QVERIFY(QCoreApplication::installTranslator(&translation));
    logCapture log;
    make(portalArg, "7");
    QCoreApplication::removeTranslator(&translation);
    if (!made) {
        QCOMPARE(tree(desktop), QStringList());
        QVERIFY2(log.text().contains(QLatin1String("bundle name is no plain name; no shortcut.")),
                 qPrintable(log.text()));
        return;
    }
    const QString name = word + QStringLiteral("-7");
    QVERIFY(QFileInfo(bundleOf(name) + QStringLiteral("/Contents/MacOS/") + name).isExecutable());
    const QString plist = bundleOf(name) + QStringLiteral("/Contents/Info.plist");
    QCOMPARE(readAll(plist), plistBytes(name.toUtf8()));
    const QString icns2png = QStandardPaths::findExecutable(QStringLiteral("icns2png"));
    if (QStandardPaths::findExecutable(QStringLiteral("plistutil")).isEmpty() || icns2png.isEmpty())
        QSKIP("plistutil or icns2png is not installed (packages libplist-utils, icnsutils)");
    QCOMPARE(readBackPropertyList(plist),
             QStringList({"CFBundleExecutable", name, "CFBundleIconFile", "icon"}));
    // The icon inside a bundle of that name.
    const toolRun list =
        runReader(icns2png, {QStringLiteral("-l"),
                             bundleOf(name) + QStringLiteral("/Contents/Resources/icon.icns")});
    QVERIFY2(list.ran && list.exitCode == 0 && list.output.contains("it32"),
             list.output.constData());
}

// ----------------------------------------------------------------- refused

void tst_shortcut_macos::hostileValues_data()
{
    QTest::addColumn<QByteArray>("deviceNo");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("why");
    const QByteArray number("10000001"), model("KSM-271E");
    const QString numberWhy = QStringLiteral("the camera's number is no plain name");
    const QString urlWhy =
        QStringLiteral("the portal URL cannot be handed to the launcher unchanged");

    QTest::newRow("number climbing up") << QByteArray("../x") << model << portalArg << numberWhy;
    QTest::newRow("number of dots") << QByteArray("..") << model << portalArg << numberWhy;
    QTest::newRow("number with a backslash")
        << QByteArray("a\\b") << model << portalArg << numberWhy;
    QTest::newRow("number with a slash") << QByteArray("a/b") << model << portalArg << numberWhy;
    QTest::newRow("number with a line feed")
        << QByteArray("1\n2") << model << portalArg << numberWhy;
    QTest::newRow("number with a star") << QByteArray("1*2") << model << portalArg << numberWhy;
    QTest::newRow("number with a quote") << QByteArray("1\"2") << model << portalArg << numberWhy;
    QTest::newRow("URL running a command")
        << number << model << QStringLiteral("\"http://p/$(touch x)\"") << urlWhy;
    QTest::newRow("URL with a variable")
        << number << model << QStringLiteral("\"http://p/$HOME\"") << urlWhy;
    QTest::newRow("URL with backquotes")
        << number << model << QStringLiteral("\"http://p/`touch x`\"") << urlWhy;
    QTest::newRow("URL closing its quotes")
        << number << model << QStringLiteral("\"http://p/\";touch x;\"\"") << urlWhy;
    QTest::newRow("URL with a backslash")
        << number << model << QStringLiteral("\"http://p/a\\\"") << urlWhy;
    QTest::newRow("URL with a line feed")
        << number << model << QStringLiteral("\"http://p/\ntouch x\"") << urlWhy;
    // A blank or a letter beyond ASCII is fine in the language token, not
    // in the host.
    QTest::newRow("URL with a blank in the host")
        << number << model << QStringLiteral("\"http://p -a x/\"") << urlWhy;
    QTest::newRow("URL without quotes") << number << model << QStringLiteral("http://p/") << urlWhy;
    QTest::newRow("URL with one quote") << number << model << QStringLiteral("\"") << urlWhy;
    QTest::newRow("no URL") << number << model << QStringLiteral("\"\"") << urlWhy;
    QTest::newRow("URL of a file")
        << number << model << QStringLiteral("\"file:///etc/passwd\"") << urlWhy;
    QTest::newRow("URL beyond ASCII in the host")
        << number << model << QStringLiteral("\"http://p\u00e9/\"") << urlWhy;
    QTest::newRow("3000-character URL")
        << number << model
        << QStringLiteral("\"http://p/") + QString(3000, QLatin1Char('a')) + QStringLiteral("\"")
        << QStringLiteral("an argument is not ended within its buffer");
    // 2047 wide characters with their zero, but 2048 units on Windows.
    QTest::newRow("URL of 2048 units, one character beyond the BMP")
        << number << model
        << QStringLiteral("\"http://p/?lang=\U0001F600") + QString(2048 - 19, QLatin1Char('a'))
               + QStringLiteral("\"")
        << QStringLiteral("an argument is not ended within its buffer");
    QTest::newRow("3000-character number")
        << QByteArray(3000, '1') << model << portalArg << QStringLiteral("cannot make the folder");
}

// Nothing is written anywhere, no tool runs, and the log says why.
void tst_shortcut_macos::hostileValues()
{
    QFETCH(QByteArray, deviceNo);
    QFETCH(QByteArray, model);
    QFETCH(QString, argument);
    QFETCH(QString, why);
    const QStringList before = tree(root->path());
    // Long enough for a value that does not fit the pages' buffers.
    std::vector<wchar_t> arg(argument.size() + 1, 0);
    argument.toWCharArray(arg.data());
    argumentBuffers b{};
    fill(b[0], QStringLiteral("%windir%\\explorer.exe "));
    fill(b[1], desktop + QStringLiteral("\\MyCamera(x).lnk"));
    fill(b[3], icon);
    logCapture log;
    QVERIFY(!platform::createShortcut(b[0].data(), b[1].data(), arg.data(), b[3].data(),
                                      {deviceNo, model}));
    QCOMPARE(tree(root->path()), before);
    QVERIFY(calls.isEmpty());
    QVERIFY2(log.text().contains(why) && log.text().contains(QLatin1String("no shortcut.")),
             qPrintable(log.text()));
    // A refused value is not repeated into the log.
    if (argument != portalArg)
        QVERIFY(!log.text().contains(argument));
}

// The bundle is named after the number alone: whatever the model says, the
// same bundle is made, and the model is found in none of its files.
void tst_shortcut_macos::modelNamesNothing_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("climbing up") << QByteArray("../../m");
    QTest::newRow("with a colon") << QByteArray("KSM:1");
    QTest::newRow("with a pipe") << QByteArray("KSM|1");
    QTest::newRow("with a line feed") << QByteArray("KSM\n1");
    QTest::newRow("a Windows device") << QByteArray("CON");
}

void tst_shortcut_macos::modelNamesNothing()
{
    QFETCH(QByteArray, model);
    make(portalArg, "10000001", model);
    QCOMPARE(tree(root->path()), testTreeWithBundle(QStringLiteral("MyCamera-10000001")));
    const QString contents =
        bundleOf(QStringLiteral("MyCamera-10000001")) + QStringLiteral("/Contents/");
    QCOMPARE(readAll(contents + QStringLiteral("MacOS/MyCamera-10000001")),
             "#!/bin/sh\nexec open " + portalArg.toUtf8() + "&\n");
    QCOMPARE(readAll(contents + QStringLiteral("Info.plist")), plistBytes("MyCamera-10000001"));
}

// The longest argument a buffer holds with its zero, 2047 UTF-16 units,
// reaches the launcher whole.
void tst_shortcut_macos::longestArgument_data()
{
    QTest::addColumn<QString>("argument");
    const QString start = QStringLiteral("\"http://p/?lang=");
    QTest::newRow("2047 characters")
        << start + QString(2047 - 17, QLatin1Char('a')) + QLatin1Char('"');
    QTest::newRow("2047 units, one character beyond the BMP")
        << start + QStringLiteral("\U0001F600") + QString(2047 - 19, QLatin1Char('a'))
               + QLatin1Char('"');
}

void tst_shortcut_macos::longestArgument()
{
    QFETCH(QString, argument);
    QCOMPARE(argument.size(), 2047);
    make(argument, "10000001");
    QCOMPARE(readAll(bundleOf(QStringLiteral("MyCamera-10000001"))
                     + QStringLiteral("/Contents/MacOS/MyCamera-10000001")),
             "#!/bin/sh\nexec open " + argument.toUtf8() + "&\n");
}

void tst_shortcut_macos::noDesktop_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("why");
    QTest::newRow("empty") << QString() << "no desktop folder; no shortcut.";
    QTest::newRow("missing") << "Desktop/gone"
                             << "the desktop folder does not exist; no shortcut.";
}

void tst_shortcut_macos::noDesktop()
{
    QFETCH(QString, folder);
    QFETCH(QString, why);
    const QString where = folder.isEmpty() ? QString() : root->filePath(folder);
    const QStringList before = tree(root->path());
    argumentBuffers b{};
    fill(b[2], portalArg);
    fill(b[3], icon);
    logCapture log;
    QVERIFY(
        !platform::makeBundleShortcut(b[2].data(), b[3].data(), {"10000001", "KSM-271E"}, where));
    QCOMPARE(tree(root->path()), before);
    QVERIFY(calls.isEmpty());
    QVERIFY2(log.text().contains(why), qPrintable(log.text()));
}

// The picture tools take their command lines and nothing else.
void tst_shortcut_macos::toolArguments_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("done");
    const QString out = QStringLiteral("OUT/icon.tiff");
    QTest::newRow("sips") << "sips"
                          << QStringList({"-s", "format", "tiff", "ICON", "--out", out,
                                          "--resampleWidth", "128"})
                          << true;
    QTest::newRow("sips to another format")
        << "sips"
        << QStringList({"-s", "format", "png", "ICON", "--out", out, "--resampleWidth", "128"})
        << false;
    QTest::newRow("sips without a width")
        << "sips" << QStringList({"-s", "format", "tiff", "ICON", "--out", out}) << false;
    QTest::newRow("sips with a width of 0")
        << "sips"
        << QStringList({"-s", "format", "tiff", "ICON", "--out", out, "--resampleWidth", "0"})
        << false;
    QTest::newRow("sips of a missing file") << "sips"
                                            << QStringList({"-s", "format", "tiff", "OUT/none.ico",
                                                            "--out", out, "--resampleWidth", "128"})
                                            << false;
    QTest::newRow("tiff2icns of a missing file")
        << "tiff2icns" << QStringList({"-noLarge", "OUT/none.tiff"}) << false;
    QTest::newRow("tiff2icns with an unknown flag")
        << "tiff2icns" << QStringList({"-x", "OUT/none.tiff"}) << false;
    QTest::newRow("another tool") << "sh" << QStringList({"-c", "touch x"}) << false;
}

void tst_shortcut_macos::toolArguments()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(bool, done);
    const QString out = root->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    for (QString &a : arguments)
        a.replace(QLatin1String("ICON"), icon).replace(QLatin1String("OUT"), out);
    logCapture log;
    QCOMPARE(platform::runImageTool(tool, arguments), done);
    QCOMPARE(QFile::exists(out + QStringLiteral("/icon.tiff")), done);
    QVERIFY(!QFile::exists(QStringLiteral("x")));
}

// ------------------------------------------------- links and a full disk

// A link at any name the bundle is made of, pointing out of the desktop:
// what it points at stays as it was, and the bundle is made all the same.
void tst_shortcut_macos::linkAtAWrittenName_data()
{
    QTest::addColumn<QString>("name");  // in the bundle; empty: the bundle itself
    QTest::addColumn<bool>("folder");   // the link points at a folder
    QTest::addColumn<bool>("dangling");
    QTest::newRow("the bundle") << QString() << true << false;
    QTest::newRow("the bundle, pointing nowhere") << QString() << true << true;
    QTest::newRow("Contents") << "Contents" << true << false;
    QTest::newRow("Resources") << "Contents/Resources" << true << false;
    QTest::newRow("the launcher") << "Contents/MacOS/MyCamera-10000001" << false << false;
    QTest::newRow("the launcher, pointing nowhere")
        << "Contents/MacOS/MyCamera-10000001" << false << true;
    QTest::newRow("Info.plist") << "Contents/Info.plist" << false << false;
    QTest::newRow("icon.tiff") << "Contents/Resources/icon.tiff" << false << false;
}

void tst_shortcut_macos::linkAtAWrittenName()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(bool, dangling);
    const QString bundle = bundleOf(QStringLiteral("MyCamera-10000001"));
    const QString at = name.isEmpty() ? bundle : bundle + QLatin1Char('/') + name;
    const QString victim = root->filePath(dangling ? QStringLiteral("nowhere")
                                          : folder ? QStringLiteral("victim")
                                                   : QStringLiteral("victim.txt"));
    if (!dangling) {
        if (folder) {
            QVERIFY(QDir().mkpath(victim + QStringLiteral("/Contents/MacOS")));
            QFile keep(victim + QStringLiteral("/Contents/Info.plist"));
            QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep") == 4);
        } else {
            QFile keep(victim);
            QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep") == 4);
        }
    }
    if (!name.isEmpty()) {
        QVERIFY(make(portalArg, "10000001"));
        QVERIFY(QFileInfo(at).isDir() ? QDir(at).removeRecursively() : QFile::remove(at));
    }
    QVERIFY(QFile::link(victim, at));
    const QStringList victimBefore = dangling ? QStringList() : tree(root->filePath("victim"));
    const QFile::Permissions modeBefore = QFile::permissions(victim);

    const QString newer = QStringLiteral("\"https://portal.example/?skyvue_no=10000001&lang=de\"");
    logCapture log;
    QVERIFY2(make(newer, "10000001"), qPrintable(log.text()));

    QVERIFY(!QFileInfo(at).isSymLink());
    QCOMPARE(readAll(bundle + QStringLiteral("/Contents/MacOS/MyCamera-10000001")),
             "#!/bin/sh\nexec open " + newer.toLatin1() + "&\n");
    QCOMPARE(readAll(bundle + QStringLiteral("/Contents/Info.plist")),
             plistBytes("MyCamera-10000001"));
    QVERIFY(QFileInfo(bundle + QStringLiteral("/Contents/Resources/icon.icns")).size() > 0);
    if (dangling) {
        QVERIFY(!QFileInfo::exists(victim));
    } else if (folder) {
        QCOMPARE(tree(root->filePath("victim")), victimBefore);
        QCOMPARE(readAll(victim + QStringLiteral("/Contents/Info.plist")), QByteArray("keep"));
    } else {
        QCOMPARE(readAll(victim), QByteArray("keep"));
        QCOMPARE(QFile::permissions(victim), modeBefore);
    }
    // The bundle is all that is new on the desktop: no link, no leftover.
    QStringList expected = testTreeWithBundle(QStringLiteral("MyCamera-10000001"));
    expected.removeIf([](const QString &e) { return !e.startsWith(QLatin1String("Desktop/")); });
    QCOMPARE(tree(desktop).replaceInStrings(QRegularExpression("^"), "Desktop/"), expected.mid(1));
}

// A desktop folder that is itself a link is where the bundle goes; the
// link stays a link.
void tst_shortcut_macos::linkedDesktop()
{
    QVERIFY(QDir(desktop).removeRecursively());
    const QString real = root->filePath(QStringLiteral("home/Desktop"));
    QVERIFY(QDir().mkpath(real));
    QVERIFY(QFile::link(real, desktop));
    QVERIFY(make(portalArg, "10000001"));
    const QString newer = QStringLiteral("\"https://portal.example/?skyvue_no=10000001&lang=de\"");
    QVERIFY(make(newer, "10000001"));
    QVERIFY(QFileInfo(desktop).isSymLink());
    QCOMPARE(QDir(real).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"MyCamera-10000001.app"}));
    QCOMPARE(
        readAll(real + QStringLiteral("/MyCamera-10000001.app/Contents/MacOS/MyCamera-10000001")),
        "#!/bin/sh\nexec open " + newer.toLatin1() + "&\n");
}

// The disk fills up at one file of the bundle: nothing half-made is left,
// an older bundle stays whole, the log names the file, and a later run
// replaces the older bundle.
void tst_shortcut_macos::diskFull_data()
{
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("limit");  // bytes a file may hold
    QTest::addColumn<bool>("older");
    QTest::addColumn<QString>("failing");
    // The picture is the largest file, the launcher the smallest.
    QTest::newRow("the icon picture, no older bundle") << true << 4096 << false << "icon.tiff";
    QTest::newRow("the icon picture") << true << 4096 << true << "icon.tiff";
    QTest::newRow("the launcher") << false << 16 << true << "MacOS/MyCamera-10000001";
    QTest::newRow("the property list") << false << 200 << true << "Info.plist";
}

void tst_shortcut_macos::diskFull()
{
    QFETCH(bool, withIcon);
    QFETCH(int, limit);
    QFETCH(bool, older);
    QFETCH(QString, failing);
    const QString launcher = bundleOf(QStringLiteral("MyCamera-10000001"))
                             + QStringLiteral("/Contents/MacOS/MyCamera-10000001");
    if (older)
        QVERIFY(make(portalArg, "10000001"));
    if (!withIcon)
        QVERIFY(QFile::remove(icon));
    const QStringList before = tree(root->path());
    const QString newer = QStringLiteral("\"https://portal.example/?skyvue_no=10000001&lang=de\"");
    {
        logCapture log;
        fileSizeLimit full{rlim_t(limit)};
        const bool made = make(newer, "10000001");
        QVERIFY(!made);
        QVERIFY2(log.text().contains(QLatin1String("cannot write")) && log.text().contains(failing)
                     && log.text().contains(QLatin1String("no shortcut.")),
                 qPrintable(log.text()));
        // The launcher's file was opened: that is not what failed.
        QVERIFY(!log.lines.contains(QStringLiteral("failed to open this file.")));
    }
    QCOMPARE(tree(root->path()), before);
    if (older) {
        QCOMPARE(readAll(launcher), "#!/bin/sh\nexec open " + portalArg.toUtf8() + "&\n");
        QVERIFY(QFileInfo(launcher).isExecutable());
    }

    QVERIFY(make(newer, "10000001"));
    QCOMPARE(readAll(launcher), "#!/bin/sh\nexec open " + newer.toLatin1() + "&\n");
    QCOMPARE(QDir(desktop).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"MyCamera-10000001.app"}));
}

// A run ended half-way leaves its bundle under a hidden name beside the
// final one; the next run takes it away, a link there as a link, and
// leaves names that are not its own.
void tst_shortcut_macos::leftoversOfAnEndedRun()
{
    const QString half = desktop + QStringLiteral("/.MyCamera-10000001.app.camguide-Ab12Cd");
    QVERIFY(QDir().mkpath(half + QStringLiteral("/Contents/MacOS")));
    const QString victim = root->filePath(QStringLiteral("victim"));
    QVERIFY(QDir().mkpath(victim + QStringLiteral("/Contents")));
    QFile keep(victim + QStringLiteral("/Contents/Info.plist"));
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep") == 4);
    keep.close();
    QVERIFY(
        QFile::link(victim, desktop + QStringLiteral("/.MyCamera-10000001.app.camguide-Lnk123")));
    const QString users = desktop + QStringLiteral("/.MyCamera-10000001.app.backup");
    QVERIFY(QDir().mkpath(users));
    const QString otherCamera = desktop + QStringLiteral("/.MyCamera-2.app.camguide-Ab12Cd");
    QVERIFY(QDir().mkpath(otherCamera));

    QVERIFY(make(portalArg, "10000001"));
    QCOMPARE(QDir(desktop).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                     | QDir::NoDotAndDotDot),
             QStringList({".MyCamera-10000001.app.backup", ".MyCamera-2.app.camguide-Ab12Cd",
                          "MyCamera-10000001.app"}));
    QCOMPARE(readAll(victim + QStringLiteral("/Contents/Info.plist")), QByteArray("keep"));
}

QTEST_GUILESS_MAIN(tst_shortcut_macos)
#include "tst_shortcut_macos.moc"
