// Renders every built page and box as the program shows them, into
// build/screens/, for a person to look at. It checks nothing by itself
// (CTest label "screens"); tst_textfit looks for cut-off texts in the same
// states. CAMGUIDE_SCREENS_LANGUAGE=de (any code of lang/) renders them in
// that language, with the code appended to the file names.
#include "tests/screens/scenes.h"
#include "tests/support/screenlook.h"

#include <QDir>
#include <QPainter>
#include <QTranslator>
#include <QtTest>

class tst_screens : public QObject
{
    Q_OBJECT

private slots:
    void render_data()
    {
        QTest::addColumn<int>("scene");
        for (int i = 0; i < scenes::all().size(); ++i)
            QTest::newRow(scenes::all().at(i).name) << i;
    }

    void render()
    {
        QFETCH(int, scene);
        const QString dir = QStringLiteral(CAMGUIDE_SCREENS_DIR);
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(screenLook::picturesLinked());
        const screenLook look(QStringLiteral(CAMGUIDE_PICTURES_DIR "/shipped"));
        const QString language = qEnvironmentVariable("CAMGUIDE_SCREENS_LANGUAGE");
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(language, QStringLiteral(CAMGUIDE_SHIP_DIR "/lang")));
            QCoreApplication::installTranslator(&translator);
        }
        const QString suffix = language.isEmpty() ? QString() : QLatin1Char('-') + language;
        testSeams seams;
        testEngine engine;
        scenes::sceneSeams(seams);
        supportType = QStringLiteral("KSM-6120E");
        modelStr = supportType + QStringLiteral(" Camguide");

        int shots = 0;
        scenes::all().at(scene).walk([&](const QString &name, QDialog *box) {
            QWidget *window = QApplication::activeWindow();
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (qobject_cast<QWizard *>(w) && w->isVisible())
                    window = w;
            }
            QVERIFY(window);
            QImage picture = window->grab().toImage();
            if (box) {
                // The box drawn where it opens over the wizard.
                box->show();
                QVERIFY(QTest::qWaitForWindowExposed(box));
                QPainter painter(&picture);
                painter.drawPixmap(box->pos() - window->pos(), box->grab());
                painter.end();
                QVERIFY(box->grab().save(dir + QStringLiteral("/box-%1%2.png").arg(name, suffix)));
            }
            QVERIFY(picture.save(dir + QStringLiteral("/%1%2.png").arg(name, suffix)));
            ++shots;
        });
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(shots > 0);
    }
};

QTEST_MAIN(tst_screens)
#include "tst_screens.moc"
