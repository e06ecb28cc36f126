// Reading config.xml: which node holds the settings, the order rule, and the
// failure roads.
#include "core/globals.h"
#include "core/modal.h"
#include "platform/platform.h"
#include "protocol/zvrutils.h"
#include "tests/support/testseams.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
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

    void writeConfig(const QByteArray &content)
    {
        QDir().mkpath(configDir());
        QFile file(configDir() + QStringLiteral("/config.xml"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // What the start-up sets before reading the file.
    static void startupDefaults()
    {
        supportType.clear();
        isWireless = true;
        nLanguage = 0;
    }

    // readConfig's own working-directory step in the macOS build.
    QString configDir() const
    {
        if (QLatin1String(CAMGUIDE_CONFIGURED_TARGET) == QLatin1String("macos"))
            return dir.filePath(QStringLiteral("CAMGUIDE.app/Contents"));
        return dir.path();
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
        QTest::newRow("declaration first")
            << QByteArray("<?xml version=\"1.0\"?><c><Type>ALL</Type><Wireless>0</Wireless></c>")
            << "" << true << 0;
        QTest::newRow("comment first")
            << QByteArray("<!-- model --><c><Type>ALL</Type></c>") << "" << true << 0;
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
        QDir(configDir()).remove(QStringLiteral("config.xml"));
        QTest::ignoreMessage(QtDebugMsg, "Can't find configure file!");
        QCOMPARE(readConfig(), -1);
        QCOMPARE(boxTexts, QStringList{QStringLiteral("Can't find configure file!")});
        QCOMPARE(supportType, QString());
        QVERIFY(isWireless);
        QCOMPARE(nLanguage, 0);
    }

    void malformedFile()
    {
        writeConfig("<c><Type>ALL</Type>");
        QTest::ignoreMessage(QtDebugMsg, "Can't generate xml dom!");
        QCOMPARE(readConfig(), -1);
        QVERIFY(boxTexts.isEmpty());
        QCOMPARE(supportType, QString());
    }
};

QTEST_MAIN(tst_config)
#include "tst_config.moc"
