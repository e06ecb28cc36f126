// Every built page and box in the languages of CAMGUIDE_TEXTFIT_LANGUAGES:
// no text may be cut off by its fixed label or button, come too near its
// button's edges, or run into the control beside it. Where a translation
// does not fit, the translation is shortened; the layout stays.
#include "platform/platform.h"
#include "tests/screens/scenes.h"
#include "tests/support/screenlook.h"
#include "tests/support/textfit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
        auto *rich =
            new QLabel(QStringLiteral("<b>Bold words</b> that wrap over many lines here"), &window);
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

    // A text that fits its own label but runs into the control beside it
    // on its line, by what lies beside it and how the text is drawn. The
    // neighbour stands `gap` pixels after the end of the drawn text, `dy`
    // pixels lower.
    void checkerFindsTouchingNeighbours_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("neighbour");
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("found");
        const int min = textfit::minGap;
        QTest::newRow("edit over the text") << "label"
                                            << "edit" << -12 << 0 << true;
        QTest::newRow("edit touching") << "label"
                                       << "edit" << 0 << 0 << true;
        QTest::newRow("edit a pixel short") << "label"
                                            << "edit" << min - 1 << 0 << true;
        QTest::newRow("edit at the gap") << "label"
                                         << "edit" << min << 0 << false;
        QTest::newRow("combo box") << "label"
                                   << "combo" << 1 << 0 << true;
        QTest::newRow("button") << "label"
                                << "button" << 2 << 0 << true;
        QTest::newRow("radio button") << "label"
                                      << "radio" << 0 << 0 << true;
        QTest::newRow("address editor") << "label"
                                        << "address editor" << 0 << 0 << true;
        QTest::newRow("next text") << "label"
                                   << "label" << textfit::minTextGap - 1 << 0 << true;
        QTest::newRow("next text, a blank after") << "label"
                                                  << "label" << textfit::minTextGap << 0 << false;
        QTest::newRow("picture touching") << "label"
                                          << "picture" << 0 << 0 << true;
        QTest::newRow("picture after the text")
            << "label"
            << "picture" << textfit::minPictureGap << 0 << false;
        QTest::newRow("on the next line") << "label"
                                          << "edit" << -12 << 22 << false;
        QTest::newRow("half a line lower") << "label"
                                           << "edit" << -12 << 8 << true;
        QTest::newRow("hidden") << "label"
                                << "hidden edit" << -12 << 0 << false;
        QTest::newRow("under a veil") << "label"
                                      << "veiled edit" << -12 << 0 << false;
        QTest::newRow("no control") << "label"
                                    << "plain widget" << -12 << 0 << false;
        QTest::newRow("right-aligned label") << "right-aligned label"
                                             << "edit" << 0 << 0 << true;
        QTest::newRow("right-aligned, room") << "right-aligned label"
                                             << "edit" << min << 0 << false;
        QTest::newRow("rich text") << "rich label"
                                   << "edit" << 0 << 0 << true;
        QTest::newRow("last line of a wrapped text") << "wrapped label"
                                                     << "picture" << -3 << 0 << true;
        QTest::newRow("radio button's text") << "radio"
                                             << "label" << 0 << 0 << true;
        QTest::newRow("radio button's text, room") << "radio"
                                                   << "label" << textfit::minTextGap << 0 << false;
    }

    void checkerFindsTouchingNeighbours()
    {
        QFETCH(QString, owner);
        QFETCH(QString, neighbour);
        QFETCH(int, gap);
        QFETCH(int, dy);
        QFETCH(bool, found);

        QWidget window;
        window.resize(600, 200);
        window.setFont(QFont(QStringLiteral("Arial"), 10));
        const QString text = QStringLiteral("Confirm password:");
        const QFontMetrics fm(window.font());
        const int textWidth = fm.horizontalAdvance(text);
        // Where the drawn text ends, worked out by hand for each kind.
        int textEnd = 0;
        int top = 20;
        if (owner == QLatin1String("label") || owner == QLatin1String("rich label")) {
            auto *label = new QLabel(
                owner == QLatin1String("label") ? text : QStringLiteral("<b></b>") + text, &window);
            label->setGeometry(20, top, textWidth + 80, 20);
            textEnd = 20 + textWidth;
        } else if (owner == QLatin1String("right-aligned label")) {
            auto *label = new QLabel(text, &window);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setGeometry(20, top, textWidth + 80, 20);
            textEnd = 20 + textWidth + 80;
        } else if (owner == QLatin1String("wrapped label")) {
            // Two lines; the neighbour sits on the second, which is "password:".
            auto *label = new QLabel(text, &window);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setGeometry(20, top, fm.horizontalAdvance(QStringLiteral("password:")) + 4,
                               2 * fm.height() + 2);
            textEnd = 20 + fm.horizontalAdvance(QStringLiteral("password:"));
            top += fm.height();
        } else {
            auto *radio = new QRadioButton(text, &window);
            const int indicator =
                radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio)
                + radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
            radio->setGeometry(20, top, indicator + textWidth + 80, 20);
            textEnd = 20 + indicator + textWidth;
        }

        const QRect place(textEnd + gap, top + dy, 120, 20);
        QWidget *n = nullptr;
        if (neighbour.endsWith(QLatin1String("edit"))
            && !neighbour.startsWith(QLatin1String("address"))) {
            n = new QLineEdit(&window);
        } else if (neighbour == QLatin1String("combo")) {
            n = new QComboBox(&window);
        } else if (neighbour == QLatin1String("button")) {
            n = new QPushButton(QStringLiteral("Go"), &window);
        } else if (neighbour == QLatin1String("radio")) {
            n = new QRadioButton(QStringLiteral("Other"), &window);
        } else if (neighbour == QLatin1String("address editor")) {
            n = new QWidget(&window);
            new QLineEdit(n);
        } else if (neighbour == QLatin1String("label")) {
            n = new QLabel(QStringLiteral("admin"), &window);
        } else if (neighbour == QLatin1String("picture")) {
            auto *picture = new QLabel(&window);
            QPixmap dot(14, 15);
            dot.fill(Qt::darkGreen);
            picture->setPixmap(dot);
            n = picture;
        } else {
            n = new QWidget(&window);
        }
        n->setGeometry(place);
        if (neighbour == QLatin1String("hidden edit"))
            n->hide();
        if (neighbour == QLatin1String("veiled edit")) {
            // A shown veil over the edit, the text on top of the veil.
            auto *veil = new QLabel(&window);
            QPixmap white(600, 200);
            white.fill(Qt::white);
            veil->setPixmap(white);
            veil->setGeometry(0, 0, 600, 200);
            n->stackUnder(veil);
            window.findChildren<QWidget *>().first()->raise();
        }

        const QStringList cut = overflowing(&window);
        QVERIFY2(cut.size() == (found ? 1 : 0), qPrintable(cut.join(QStringLiteral("; "))));
        if (found)
            QVERIFY2(cut.first().contains(QStringLiteral(" leaves ")), qPrintable(cut.first()));
    }

    // A caption that fits its button but comes too near its edges, by the
    // button's picture; a radio button's or check box's text cut at its end.
    // `spare` is the blank room left at each side of a button's caption, at
    // the end of a radio button's or check box's text.
    void checkerFindsTightCaptions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("spare");
        QTest::addColumn<bool>("found");
        const int m = textfit::minButtonMargin;
        const int step = textfit::stepButtonMargin;
        QTest::newRow("picture button") << "picture"
                                        << "Weiter" << m << false;
        QTest::newRow("picture button, tight") << "picture"
                                               << "Weiter" << m - 1 << true;
        QTest::newRow("stored blanks count") << "picture"
                                             << "Weiter      " << m - 1 << true;
        QTest::newRow("step button") << "step"
                                     << "Anschluss" << step << false;
        QTest::newRow("step button, on the slant") << "step"
                                                   << "Anschluss" << step - 1 << true;
        QTest::newRow("link button") << "flat"
                                     << "Quitter" << textfit::flatButtonMargin << false;
        QTest::newRow("link button, cut") << "flat"
                                          << "Quitter" << textfit::flatButtonMargin - 1 << true;
        QTest::newRow("radio button") << "radio"
                                      << "Statische IP-Adresse" << 0 << false;
        QTest::newRow("radio button, cut") << "radio"
                                           << "Statische IP-Adresse" << -1 << true;
        QTest::newRow("check box, cut") << "check"
                                        << "Statische IP-Adresse" << -3 << true;
    }

    void checkerFindsTightCaptions()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(int, spare);
        QFETCH(bool, found);

        QWidget window;
        window.resize(400, 100);
        QAbstractButton *button = nullptr;
        int width = 0;
        if (kind == QLatin1String("radio") || kind == QLatin1String("check")) {
            button = kind == QLatin1String("radio")
                         ? static_cast<QAbstractButton *>(new QRadioButton(caption, &window))
                         : new QCheckBox(caption, &window);
            const bool radio = kind == QLatin1String("radio");
            QStyle *style = button->style();
            width = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                             : QStyle::PM_IndicatorWidth,
                                       nullptr, button)
                    + style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                               : QStyle::PM_CheckBoxLabelSpacing,
                                         nullptr, button)
                    + button->fontMetrics().horizontalAdvance(caption) + spare;
        } else {
            auto *push = new QPushButton(caption, &window);
            button = push;
            if (kind == QLatin1String("picture"))
                button->setStyleSheet(
                    QStringLiteral("background-image: url(:/images/btn_start-next_blue.png);"
                                   "font:14px;border: 0px"));
            else if (kind == QLatin1String("step"))
                button->setStyleSheet(
                    QStringLiteral("background-image: url(:/images/nave_grey.png);"
                                   "border:none;font:15px;"));
            else
                push->setFlat(true);
            button->ensurePolished();
            width = button->fontMetrics().horizontalAdvance(caption) + 2 * spare;
        }
        button->setGeometry(10, 10, width, 29);

        const QStringList cut = overflowing(&window);
        QVERIFY2(cut.size() == (found ? 1 : 0), qPrintable(cut.join(QStringLiteral("; "))));
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
                    QTest::addRow("%s, %s, %s", qPrintable(language), model,
                                  scenes::all().at(i).name)
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
        testSeams seams;
        testEngine engine;
        scenes::sceneSeams(seams);
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
        // Known faults of the pages' own layout, not of a translation: the
        // English sources themselves touch their edit in the Windows build's
        // larger text (English is shown as written). Listed apart, so that
        // every other finding still fails.
        struct knownFault {
            const char *build;
            const char *language;
            const char *finding;
        };
        static const knownFault knownFaults[] = {
            {"windows", "en", "confirmLabel \"Confirm Password:\" leaves"},
            {"windows", "en", "nameCaption \"\u25a0  Camera name:\" leaves"},
        };
        QStringList known;
        for (const knownFault &k : knownFaults) {
            if (QLatin1String(k.build) != QLatin1String(CAMGUIDE_CONFIGURED_TARGET)
                || language != QLatin1String(k.language))
                continue;
            for (auto it = cut.begin(); it != cut.end();) {
                if (it->contains(QString::fromUtf8(k.finding))) {
                    known << *it;
                    it = cut.erase(it);
                } else {
                    ++it;
                }
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
        if (!known.isEmpty()) {
            QEXPECT_FAIL("", "the page's layout leaves no room for the English text at this size",
                         Continue);
            QVERIFY2(known.isEmpty(), qPrintable(known.join(QStringLiteral("\n"))));
        }
    }
};

QTEST_MAIN(tst_textfit)
#include "tst_textfit.moc"
