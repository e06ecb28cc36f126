#include "core/camguide.h"
#include "core/globals.h"
#include "core/welcomepage.h"
#include "protocol/portal.h"
#include "protocol/zvrutils.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/namedpipe.h"
#include "tests/support/testseams.h"
#include "tests/support/textfit.h"
#include "tests/support/urlcatcher.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const QString aboutHeading = QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>About ");

// Every text the window shows, in a fixed order, to compare two states.
QStringList shownTexts(const welcomePage &w)
{
    QStringList texts{w.windowTitle()};
    for (int i = 0; i < w.languageCombo->count(); ++i)
        texts << w.languageCombo->itemText(i);
    for (const QLabel *label : w.findChildren<QLabel *>())
        texts << label->text();
    for (const QPushButton *button : w.findChildren<QPushButton *>())
        texts << button->text();
    return texts;
}

}  // namespace

class tst_welcomepage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void configuredLanguage_data();
    void configuredLanguage();
    void missingTranslationRestoresSourceTexts();
    void startPassesTranslatedLanguage_data();
    void startPassesTranslatedLanguage();
    void aboutBox_data();
    void aboutBox();
    void portalLinks();
    void dataFilesThatArePipes();
    void translatedTextsFit_data();
    void translatedTextsFit();

private:
    void closeWizards();
    QString shipDir;
    std::optional<testEngine> engine;
    std::optional<testSeams> seams;
};

void tst_welcomepage::initTestCase()
{
    shipDir = QStringLiteral(CAMGUIDE_SHIP_DIR);
    QVERIFY2(QFile::exists(shipDir + QStringLiteral("/lang/de.qm")), qPrintable(shipDir));
    QVERIFY2(QFile::exists(QStringLiteral(":/style.qss")), "the compiled-in bundle is not linked");
    QFile sheet(QStringLiteral(":/style.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    QApplication::setFont(QFont(QStringLiteral("Arial")));

    // The wizard's pages talk to the engine; it sends on loopback only.
    engine.emplace();
}

void tst_welcomepage::init()
{
    seams.emplace();
    QVERIFY(QDir::setCurrent(shipDir));
    nLanguage = 0;
    lang = QStringLiteral("English");
    supportType.clear();
    modelStr = QStringLiteral(" Camguide");
}

void tst_welcomepage::cleanup()
{
    closeWizards();
    seams.reset();
}

void tst_welcomepage::closeWizards()
{
    // Guarded: a wizard takes its own top-level children (a combo's popup)
    // with it.
    QList<QPointer<camguide>> wizards;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *c = qobject_cast<camguide *>(w))
            wizards << c;
    }
    for (const QPointer<camguide> &c : wizards)
        delete c.data();
}

void tst_welcomepage::configuredLanguage_data()
{
    QTest::addColumn<int>("configured");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("start");

    QTest::newRow("0 free") << 0 << 1 << true << "en.qm"
                            << "English"
                            << "Start    ";
    QTest::newRow("1 English locked") << 1 << 1 << false << "en.qm"
                                      << "English"
                                      << "Start    ";
    QTest::newRow("2 French locked") << 2 << 2 << false << "fr.qm"
                                     << "Français"
                                     << "Démarrer    ";
    QTest::newRow("13 German locked") << 13 << 13 << false << "de.qm"
                                      << "Deutsch"
                                      << "Starten    ";
    QTest::newRow("24 Finnish locked") << 24 << 24 << false << "fi.qm"
                                       << "Suomi"
                                       << "Aloita    ";
    QTest::newRow("25 free") << 25 << 1 << true << "en.qm"
                             << "English"
                             << "Start    ";
    QTest::newRow("-1 free") << -1 << 1 << true << "en.qm"
                             << "English"
                             << "Start    ";
}

void tst_welcomepage::configuredLanguage()
{
    QFETCH(int, configured);
    QFETCH(int, index);
    QFETCH(bool, enabled);
    QFETCH(QString, file);
    QFETCH(QString, shown);
    QFETCH(QString, start);

    nLanguage = configured;
    welcomePage w;
    QCOMPARE(w.languageCombo->currentIndex(), index);
    QCOMPARE(w.languageCombo->isEnabled(), enabled);
    QCOMPARE(w.languageCombo->currentText(), shown);
    QCOMPARE(w.startButton->text(), start);
    QVERIFY(appTranslator);
    QCOMPARE(QFileInfo(appTranslator->filePath()).fileName(), file);
    QCOMPARE(QFileInfo(appTranslator->filePath()).dir().dirName(), QStringLiteral("lang"));
}

void tst_welcomepage::missingTranslationRestoresSourceTexts()
{
    // A folder with only the German translation.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("lang")));
    QVERIFY(QFile::copy(shipDir + QStringLiteral("/lang/de.qm"),
                        dir.path() + QStringLiteral("/lang/de.qm")));
    QVERIFY(QDir::setCurrent(dir.path()));

    welcomePage w;
    const QStringList source = shownTexts(w);
    QVERIFY(source.contains(QStringLiteral("Select your lauguage:")));

    w.languageCombo->setCurrentIndex(13);
    const QStringList german = shownTexts(w);
    QVERIFY(german.contains(QStringLiteral("Deutsch")));
    QVERIFY(german.contains(QStringLiteral("Starten    ")));
    int changed = 0;
    for (int i = 0; i < source.size(); ++i)
        changed += source.at(i) != german.at(i);
    QVERIFY2(changed > 30, qPrintable(QString::number(changed)));

    w.languageCombo->setCurrentIndex(2);  // fr.qm is missing here
    QCOMPARE(shownTexts(w), source);
    QCOMPARE(QCoreApplication::translate("welcomePage", "German"), QStringLiteral("German"));

    w.languageCombo->setCurrentIndex(13);
    w.languageCombo->setCurrentIndex(0);  // "Please select:" loads en.qm, missing too
    QCOMPARE(shownTexts(w), source);
}

void tst_welcomepage::startPassesTranslatedLanguage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("token");

    QTest::newRow("please select") << 0 << "Please select:";
    QTest::newRow("English") << 1 << "English";
    QTest::newRow("French") << 2 << "Français";
    QTest::newRow("German") << 13 << "Deutsch";
    QTest::newRow("Swedish") << 23 << "Svenska";
}

void tst_welcomepage::startPassesTranslatedLanguage()
{
    QFETCH(int, index);
    QFETCH(QString, token);

    welcomePage w;
    w.move(123, 77);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.languageCombo->setCurrentIndex(index);
    QCOMPARE(lang, QStringLiteral("English"));  // taken only by Start

    w.startButton->click();
    QCOMPARE(lang, token);
    QVERIFY(w.wizard);
    QVERIFY(w.wizard->isVisible());
    QCOMPARE(w.wizard->pos(), QPoint(123, 77));
    QVERIFY(!w.isVisible());
}

void tst_welcomepage::aboutBox_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("clickClose");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<QString>("caption");

    const QString version =
        QStringLiteral(" Camguide</b></font><br><br><font size=3 color=#638c0b>v1.00.02</font>");
    QTest::newRow("no model") << QString() << 1 << true << aboutHeading + version << "Close    ";
    QTest::newRow("model") << "KSM-6120E" << 1 << true
                           << aboutHeading + QStringLiteral("KSM-6120E") + version << "Close    ";
    QTest::newRow("model, German")
        << "ALL" << 13 << true
        << QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Über ALL") + version
        << "Schließen    ";
    QTest::newRow("closed without a click")
        << QString() << 1 << false << aboutHeading + version << "Close    ";
}

void tst_welcomepage::aboutBox()
{
    QFETCH(QString, model);
    QFETCH(int, language);
    QFETCH(bool, clickClose);
    QFETCH(QString, textStart);
    QFETCH(QString, caption);

    supportType = model;
    welcomePage w;
    w.languageCombo->setCurrentIndex(language);
    w.move(200, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    modalRecorder boxes;
    bool veilShown = false;
    boxes.onOpen([&](QDialog *) { veilShown = w.veilLabel->isVisible(); });
    if (clickClose)
        boxes.answer(0);
    else
        boxes.leaveUnanswered();
    w.aboutButton->click();

    QCOMPARE(boxes.count(), 1);
    const recordedBox &box = boxes.last();
    QCOMPARE(box.className, QStringLiteral("pageBox"));
    QVERIFY2(box.text.startsWith(textStart), qPrintable(box.text));
    QVERIFY(box.text.endsWith(QStringLiteral("<br>")));
    QVERIFY(box.text.contains(QStringLiteral("</b>")));
    QCOMPARE(box.pos, QPoint(310, 260));
    QVERIFY(!box.hasParent);
    QCOMPARE(box.flags & ~Qt::WindowType_Mask, Qt::WindowFlags(Qt::FramelessWindowHint));
    QCOMPARE(
        box.styleSheet,
        QStringLiteral(
            "background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);"));
    QCOMPARE(box.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(box.buttons.size(), 1);
    const recordedButton &close = box.buttons.at(0);
    QCOMPARE(close.caption, caption);
    QCOMPARE(close.objectName, QStringLiteral("wel_msg_close_btu"));
    QCOMPARE(close.role, QMessageBox::ActionRole);
    QCOMPARE(close.size, QSize(119, 34));
    QVERIFY(close.flat);
    QCOMPARE(close.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(close.styleSheet,
             QStringLiteral("background-image: url(:/images/btn_close-no_blue.png);font:12pt;"
                            "color:rgb(255,255,255);border: 0px"));
    QVERIFY(veilShown);
    QVERIFY(!w.veilLabel->isVisible());
}

void tst_welcomepage::portalLinks()
{
    urlCatcher catcher;
    {
        welcomePage w;
        w.troubleshootingButton->click();
        w.manualsButton->click();
    }
    QCOMPARE(catcher.opened, (QList<QUrl>{QUrl(QString::fromUtf8(portal::faqPage)),
                                          QUrl(QString::fromUtf8(portal::downloadPage))}));
}

// Pipes at the names of the pictures and translations the two windows read
// first: both open, without the pipes' pictures, instead of never.
void tst_welcomepage::dataFilesThatArePipes()
{
    {
        welcomePage shipped;
        QVERIFY(!shipped.windowIcon().isNull());
    }

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("lang")));
    QStringList pipes;
    for (const char *name : {"images/product.png", "images/product.ico", "images/plug_step1.png",
                             "lang/en.qm", "lang/de.qm"})
        pipes << dir.filePath(QString::fromLatin1(name));
    for (const QString &pipe : pipes)
        QVERIFY2(makePipe(pipe), qPrintable(pipe));
    QVERIFY(QDir::setCurrent(dir.path()));

    bool rescued = false;
    {
        pipeRescue rescue(pipes);
        welcomePage w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.windowIcon().isNull());
        w.languageCombo->setCurrentIndex(13);
        w.startButton->click();
        QVERIFY(w.wizard);
        QVERIFY(QTest::qWaitForWindowExposed(w.wizard));
        QVERIFY(w.wizard->windowIcon().isNull());
        rescued = rescue.wasNeeded();
    }
    QVERIFY2(!rescued, "a window opened a pipe");
}

void tst_welcomepage::translatedTextsFit_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("English") << 1 << "en";
    QTest::newRow("French") << 2 << "fr";
    QTest::newRow("German") << 13 << "de";
}

// Renders the welcome window, its About box and the wizard window for a
// look, and checks that no text of theirs is cut off.
void tst_welcomepage::translatedTextsFit()
{
    QFETCH(int, language);
    QFETCH(QString, suffix);

    supportType = QStringLiteral("ALL");
    modelStr = QStringLiteral("ALL Camguide");
    const QString screens = QStringLiteral(CAMGUIDE_SCREENS_DIR);
    QVERIFY(QDir().mkpath(screens));

    welcomePage w;
    w.languageCombo->setCurrentIndex(language);
    w.move(0, 0);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QStringList welcomeOverflow = overflowing(&w);
    QVERIFY2(welcomeOverflow.isEmpty(), qPrintable(welcomeOverflow.join(QStringLiteral("; "))));
    // The closed combo shows the chosen language; room beside the arrow.
    const int need =
        w.languageCombo->fontMetrics().horizontalAdvance(w.languageCombo->currentText());
    QVERIFY2(need <= 160 - 30, qPrintable(w.languageCombo->currentText()));
    const QImage window = w.grab().toImage();
    QVERIFY(window.save(screens + QStringLiteral("/welcome_%1.png").arg(suffix)));

    modalRecorder boxes;
    QImage composed;
    boxes.answerWith([&](QDialog *dialog) {
        dialog->show();
        QCoreApplication::processEvents();
        composed = w.grab().toImage();
        QPainter painter(&composed);
        painter.drawImage(dialog->pos() - w.pos(), dialog->grab().toImage());
        painter.end();
        const QStringList boxOverflow = overflowing(dialog);
        QVERIFY2(boxOverflow.isEmpty(), qPrintable(boxOverflow.join(QStringLiteral("; "))));
        modalRecorder::buttonsOf(static_cast<QMessageBox *>(dialog)).at(0)->click();
    });
    w.aboutButton->click();
    QCOMPARE(boxes.count(), 1);
    QVERIFY(!composed.isNull());
    QVERIFY(composed.save(screens + QStringLiteral("/welcome_about_%1.png").arg(suffix)));

    w.startButton->click();
    QVERIFY(w.wizard);
    QVERIFY(QTest::qWaitForWindowExposed(w.wizard));
    const QStringList wizardOverflow = overflowing(w.wizard);
    QVERIFY2(wizardOverflow.isEmpty(), qPrintable(wizardOverflow.join(QStringLiteral("; "))));
    QVERIFY(w.wizard->grab().save(screens + QStringLiteral("/wizard_%1.png").arg(suffix)));
}

QTEST_MAIN(tst_welcomepage)
#include "tst_welcomepage.moc"
