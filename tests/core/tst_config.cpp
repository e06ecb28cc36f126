// Reading config.xml: which node holds the settings, the order rule, and the
// failure roads, among them files that are no file or too much of one.
#include "core/globals.h"
#include "core/modal.h"
#include "protocol/zvrutils.h"
#include "tests/support/namedpipe.h"
#include "tests/support/testseams.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class tst_config : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString startDir;
    QStringList boxTexts;
    std::optional<testSeams> seams;

    QString configPath() const { return dir.filePath(QStringLiteral("config.xml")); }

    void writeConfig(const QByteArray &content)
    {
        QFile file(configPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), content.size());
    }

    // Whatever a test left at the file's name goes, a folder or pipe too.
    void removeConfig()
    {
        QDir(configPath()).removeRecursively();
        QFile::remove(configPath());
    }

    // A root element holding the Type setting, nested depth levels deep
    // counting the root.
    static QByteArray nested(int depth)
    {
        QByteArray xml = "<c><Type>ALL</Type>";
        for (int i = 1; i < depth; ++i)
            xml += "<a>";
        for (int i = 1; i < depth; ++i)
            xml += "</a>";
        return xml + "</c>";
    }

    // Root and Type, padded with blanks inside the root to size bytes.
    static QByteArray padded(int size)
    {
        const QByteArray head = "<c><Type>ALL</Type>";
        const QByteArray tail = "</c>";
        return head + QByteArray(size - head.size() - tail.size(), ' ') + tail;
    }

    // What the start-up sets before reading the file.
    static void startupDefaults()
    {
        supportType.clear();
        isWireless = true;
        nLanguage = 0;
    }

private slots:
    void initTestCase()
    {
        startDir = QDir::currentPath();
        QVERIFY(dir.isValid());
        seams.emplace();
        seams->answerBoxes([this](QDialog *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box);
            boxTexts << box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }

    void init()
    {
        removeConfig();
        startupDefaults();
        boxTexts.clear();
        QDir::setCurrent(dir.path());
    }

    void cleanupTestCase()
    {
        seams.reset();
        QDir::setCurrent(startDir);
    }

    void settings_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("wireless");
        QTest::addColumn<int>("language");

        QTest::newRow("shipped") << QByteArray(
            "<camguide><Type>ALL</Type><Wireless>1</Wireless><Language>0</Language></camguide>")
                                 << "ALL" << true << 0;
        // The root element holds the settings whatever comes before it.
        QTest::newRow("declaration first")
            << QByteArray("<?xml version=\"1.0\"?><c><Type>ALL</Type><Wireless>0</Wireless></c>")
            << "ALL" << false << 0;
        QTest::newRow("declaration with encoding, line breaks")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<c>\n  <Type>ALL</Type>\n"
                          "  <Language>3</Language>\n</c>\n")
            << "ALL" << true << 3;
        QTest::newRow("comment first")
            << QByteArray("<!-- model --><c><Type>ALL</Type></c>") << "ALL" << true << 0;
        QTest::newRow("declaration, comment, processing instruction")
            << QByteArray("<?xml version=\"1.0\"?><!-- m --><?edit by=\"x\"?><c><Type>A</Type></c>")
            << "A" << true << 0;
        QTest::newRow("document type first")
            << QByteArray("<!DOCTYPE c><c><Wireless>0</Wireless></c>") << "" << false << 0;
        QTest::newRow("settings below the root are not read")
            << QByteArray("<c><s><Type>ALL</Type></s></c>") << "" << true << 0;
        QTest::newRow("wired model, then wireless")
            << QByteArray("<c><Type>KSM-6120E</Type><Wireless>1</Wireless></c>") << "KSM-6120E"
            << true << 0;
        QTest::newRow("wireless, then wired model")
            << QByteArray("<c><Wireless>1</Wireless><Type>KSM-6120E</Type></c>") << "KSM-6120E"
            << false << 0;
        QTest::newRow("other wired model")
            << QByteArray("<c><Type>KSM-3300E</Type></c>") << "KSM-3300E" << false << 0;
        QTest::newRow("later element wins") << QByteArray(
            "<c><Type>A</Type><Type>B</Type><Language>3</Language><Language>7</Language></c>")
                                            << "B" << true << 7;
        QTest::newRow("empty wireless text")
            << QByteArray("<c><Wireless>0</Wireless><Wireless></Wireless></c>") << "" << true << 0;
        QTest::newRow("wireless off")
            << QByteArray("<c><Wireless>0</Wireless></c>") << "" << false << 0;
        QTest::newRow("wireless not exactly 0")
            << QByteArray("<c><Wireless> 0</Wireless></c>") << "" << true << 0;
        QTest::newRow("lower-case name ignored")
            << QByteArray("<c><wireless>0</wireless><type>X</type></c>") << "" << true << 0;
        QTest::newRow("language not a number")
            << QByteArray("<c><Language>abc</Language></c>") << "" << true << 0;
        QTest::newRow("language out of range")
            << QByteArray("<c><Language>25</Language></c>") << "" << true << 25;
        QTest::newRow("text of nested elements")
            << QByteArray("<c><Type>KSM-<b>271</b>E</Type></c>") << "KSM-271E" << true << 0;
    }
    void settings()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, type);
        QFETCH(bool, wireless);
        QFETCH(int, language);

        writeConfig(xml);

        QCOMPARE(readConfig(), 0);
        QCOMPARE(supportType, type);
        QCOMPARE(isWireless, wireless);
        QCOMPARE(nLanguage, language);
        QVERIFY(boxTexts.isEmpty());
    }

    void missingFile()
    {
        QTest::ignoreMessage(QtDebugMsg, "Can't find configure file!");
        QCOMPARE(readConfig(), -1);
        QCOMPARE(boxTexts, QStringList{QStringLiteral("Can't find configure file!")});
        QCOMPARE(supportType, QString());
        QVERIFY(isWireless);
        QCOMPARE(nLanguage, 0);
    }

    // Refused as a file that is not well-formed: logged, no box, defaults.
    void refusedContent_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("reason");  // logged before the parse message

        QTest::newRow("not well-formed") << QByteArray("<c><Type>ALL</Type>") << QString();
        QTest::newRow("one byte over 64 KiB")
            << padded(64 * 1024 + 1) << QStringLiteral("config.xml is larger than 65536 bytes");
        QTest::newRow("a megabyte")
            << padded(1024 * 1024) << QStringLiteral("config.xml is larger than 65536 bytes");
        QTest::newRow("65 levels")
            << nested(65) << QStringLiteral("config.xml nests deeper than 64 elements");
        // Below the size bound, but seconds of parsing without the depth bound.
        QTest::newRow("64 KiB of opening tags")
            << (QByteArray("<c>") + QByteArray("<a>").repeated(30000)).left(64 * 1024)
            << QStringLiteral("config.xml nests deeper than 64 elements");
        QTest::newRow("8,000 levels in 56 KB")
            << nested(8000) << QStringLiteral("config.xml nests deeper than 64 elements");
    }
    void refusedContent()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, reason);
        writeConfig(xml);

        if (!reason.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(reason));
        QTest::ignoreMessage(QtDebugMsg, "Can't generate xml dom!");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(readConfig(), -1);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(boxTexts.isEmpty());
        QCOMPARE(supportType, QString());
        QVERIFY(isWireless);
    }

    // Just within the bounds the file reads as any other.
    void withinBounds_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("exactly 64 KiB") << padded(64 * 1024);
        QTest::newRow("64 levels") << nested(64);
    }
    void withinBounds()
    {
        QFETCH(QByteArray, xml);
        writeConfig(xml);
        QCOMPARE(readConfig(), 0);
        QCOMPARE(supportType, QStringLiteral("ALL"));
    }

    // A link to the file is followed; anything that is not a regular file at
    // the name is not opened (a pipe would block start-up for ever) and
    // counts as no file.
    void notARegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to a pipe") << "link to pipe";
        QTest::newRow("folder") << "folder";
        QTest::newRow("dangling link") << "dangling link";
    }
    void notARegularFile()
    {
        QFETCH(QString, kind);
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QFile::remove(pipe);
        if (kind == QLatin1String("pipe"))
            QVERIFY(makePipe(configPath()));
        if (kind == QLatin1String("link to pipe")) {
            QVERIFY(makePipe(pipe));
            QVERIFY(QFile::link(pipe, configPath()));
        }
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config.xml")));
        if (kind == QLatin1String("dangling link"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.xml")), configPath()));

        QTest::ignoreMessage(QtDebugMsg, "Can't find configure file!");
        int result = 0;
        bool rescued = false;
        {
            pipeRescue rescue({configPath(), pipe});
            result = readConfig();
            rescued = rescue.wasNeeded();
        }
        QVERIFY2(!rescued, "readConfig blocked on opening a pipe");
        QCOMPARE(result, -1);
        QCOMPARE(boxTexts, QStringList{QStringLiteral("Can't find configure file!")});
        QCOMPARE(supportType, QString());
    }

    void linkToAFile()
    {
        const QString target = dir.filePath(QStringLiteral("model.xml"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<c><Type>ALL</Type></c>");
        file.close();
        QVERIFY(QFile::link(target, configPath()));

        QCOMPARE(readConfig(), 0);
        QCOMPARE(supportType, QStringLiteral("ALL"));
        QVERIFY(boxTexts.isEmpty());
    }
};

QTEST_MAIN(tst_config)
#include "tst_config.moc"
