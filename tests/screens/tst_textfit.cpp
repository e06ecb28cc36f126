// Every built page and box in French and German: no text may be cut off
// by its fixed label or button. Where a translation does not fit, the
// translation is shortened; the layout stays.
#include "tests/screens/scenes.h"
#include "tests/support/screenlook.h"
#include "tests/support/textfit.h"

#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

class tst_textfit : public QObject
{
    Q_OBJECT

private slots:
    // The check itself: what it must find, and what it must let pass.
    void checkerFindsCutText()
    {
        QWidget window;
        window.resize(400, 300);
        auto *plain = new QLabel(QStringLiteral("A text far too long for its label"), &window);
        plain->setObjectName(QStringLiteral("plain"));
        plain->setGeometry(0, 0, 60, 20);
        auto *rich = new QLabel(QStringLiteral("<b>Bold words</b> that wrap over many lines here"), &window);
        rich->setObjectName(QStringLiteral("rich"));
        rich->setWordWrap(true);
        rich->setGeometry(0, 30, 80, 20);
        auto *button = new QPushButton(QStringLiteral("Restart    "), &window);
        button->setObjectName(QStringLiteral("button"));
        button->setGeometry(0, 60, 30, 20);
        auto *fits = new QLabel(QStringLiteral("OK"), &window);
        fits->setGeometry(0, 90, 200, 20);
        auto *hidden = new QLabel(QStringLiteral("A hidden text far too long"), &window);
        hidden->setGeometry(0, 120, 20, 20);
        hidden->hide();

        const QStringList cut = overflowing(&window);
        QCOMPARE(cut.size(), 3);
        QVERIFY(cut.at(0).startsWith(QStringLiteral("plain ")));
        QVERIFY(cut.at(1).startsWith(QStringLiteral("rich ")));
        QVERIFY(cut.at(2).startsWith(QStringLiteral("button ")));
    }

    void fits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("scene");
        // CAMGUIDE_TEXTFIT_LANGUAGES="ja ko" checks other languages.
        QStringList languages = qEnvironmentVariable("CAMGUIDE_TEXTFIT_LANGUAGES")
                                    .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (languages.isEmpty())
            languages = {QStringLiteral("fr"), QStringLiteral("de")};
        // The two models stand for the two wordings of the LED texts.
        for (const QString &language : languages) {
            for (const char *model : {"KSM-6120E", "KSM-271E"}) {
                for (int i = 0; i < scenes::all().size(); ++i)
                    QTest::addRow("%s, %s, %s", qPrintable(language), model, scenes::all().at(i).name)
                        << language << QString::fromLatin1(model) << i;
            }
        }
    }

    void fits()
    {
        QFETCH(QString, language);
        QFETCH(QString, model);
        QFETCH(int, scene);
        const screenLook look(QStringLiteral(CAMGUIDE_PICTURES_DIR "/shipped"));
        QTranslator translator;
        QVERIFY(translator.load(language, QStringLiteral(CAMGUIDE_SHIP_DIR "/lang")));
        QCoreApplication::installTranslator(&translator);
        resetProgramState();
        supportType = model;
        modelStr = supportType + QStringLiteral(" Camguide");

        QStringList cut;
        int shots = 0;
        scenes::all().at(scene).walk([&](const QString &name, QDialog *box) {
            ++shots;
            QWidget *root = box;
            if (!root) {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    if (qobject_cast<QWizard *>(w) && w->isVisible())
                        root = w;
                }
            } else {
                box->show();  // laid out as the user sees it
                QCoreApplication::processEvents();
            }
            if (!root) {
                cut << name + QStringLiteral(": no window");
                return;
            }
            for (const QString &c : overflowing(root))
                cut << name + QStringLiteral(": ") + c;
        });
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(shots > 0);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(tst_textfit)
#include "tst_textfit.moc"
