// The roads through the camera itself (LED question, LED help, reset) over
// a page of their own: texts by the configured model, places, veils and
// the help box they take away.
#include "core/globals.h"
#include "core/pageframe.h"
#include "core/widgets.h"
#include "pages/common/cameraroads.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/pageinwizard.h"
#include "tests/support/testseams.h"

#include <QLabel>
#include <QPointer>
#include <QWizard>
#include <QtTest>

#include <optional>

namespace {

class testPage : public pageFrame
{
    Q_OBJECT
public:
    testPage() : pageFrame(connectPageId) { setupFrame(QStringLiteral("Title"), 300, connectStep); }
    using pageFrame::createVeil;
};

// The roads over a page in a wizard window at (100, 50).
struct roadsInWizard : pageInWizard<testPage> {
    cameraRoads roads{*page};
};

}  // namespace

class tst_cameraroads : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        seams.emplace();
        boxStyle = QStringLiteral("font:13px;color:rgb(89,87,87);");
    }
    void cleanup() { seams.reset(); }

    void ledQuestionBox_data();
    void ledQuestionBox();
    void ledHelpBox_data();
    void ledHelpBox();
    void resetRoad_data();
    void resetRoad();
    void resetRoadTakesHelpBoxAway();

private:
    std::optional<testSeams> seams;
};

void tst_cameraroads::ledQuestionBox_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("question");
    const QString linkOnly = QStringLiteral("Is the Link LED on the camera lit green ?");
    const QString powerLink = QStringLiteral("Is the Power/Link LED on the camera lit green ?");
    QTest::newRow("KSM-6140E") << "KSM-6140E" << linkOnly;
    QTest::newRow("KSM-6120E") << "KSM-6120E" << linkOnly;
    QTest::newRow("KSM-3300E") << "KSM-3300E" << powerLink;
    QTest::newRow("lower case is another model") << "ksm-6120e" << powerLink;
    QTest::newRow("no model") << "" << powerLink;
}

void tst_cameraroads::ledQuestionBox()
{
    QFETCH(QString, model);
    QFETCH(QString, question);
    supportType = model;
    roadsInWizard w;
    QLabel *veil = w.page->createVeil();

    modalRecorder boxes;
    boxes.answer("No");
    bool veiled = false;
    boxes.onOpen([&](QDialog *) { veiled = !veil->isHidden(); });
    QCOMPARE(w.roads.ledQuestionBox(), int(cameraRoads::ledNo));
    QVERIFY(veiled);
    QVERIFY(veil->isHidden());
    boxes.answer("Yes");
    QCOMPARE(w.roads.ledQuestionBox(QStringLiteral("12pt"), pageFrame::keepVeil),
             int(cameraRoads::ledYes));
    QVERIFY(!veil->isHidden());

    const recordedBox &box = boxes.last();
    QCOMPARE(box.text, question);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.pos, QPoint(100 + 190, 50 + 273));
    QCOMPARE(box.buttons.size(), 2);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Yes"));
    QCOMPARE(box.buttons.at(1).caption, QStringLiteral("No"));
    for (const recordedButton &b : box.buttons) {
        QCOMPARE(b.size, QSize(84, 24));
        QVERIFY(b.objectName.isEmpty());
        QCOMPARE(b.styleSheet,
                 QStringLiteral("background-image: url(:/images/cancel_button_blue.png);"
                                "font:12pt;color:rgb(255,255,255);border: 0px"));
    }
}

void tst_cameraroads::ledHelpBox_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("heading");
    QTest::newRow("link LED only") << "KSM-6120E"
                                   << "What do I do if the Link LED stays off?";
    QTest::newRow("power/link LED") << "KSM-3300E"
                                    << "What do I do if the LED stays red?";
    QTest::newRow("no model") << ""
                              << "What do I do if the LED stays red?";
}

// The help lies over the veil it is given, and its reset link reaches the page.
void tst_cameraroads::ledHelpBox()
{
    QFETCH(QString, model);
    QFETCH(QString, heading);
    supportType = model;
    roadsInWizard w;
    QLabel *pageVeil = w.page->createVeil();
    auto *ledVeil = new QLabel(w.page);
    ledVeil->hide();

    QString linkSeen;
    bool veiled = false;
    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        veiled = !ledVeil->isHidden() && pageVeil->isHidden();
        for (QLabel *l : d->findChildren<QLabel *>()) {
            if (l->text().contains(QStringLiteral("href = terms")))
                emit l->linkActivated(QStringLiteral("terms"));
        }
        d->hide();
    });
    w.roads.ledHelpBox([&](const QString &link) { linkSeen = link; }, ledVeil);

    QVERIFY(veiled);
    QCOMPARE(linkSeen, QStringLiteral("terms"));
    const recordedBox &box = boxes.last();
    QCOMPARE(box.labelTexts.size(), 1);
    QVERIFY2(box.labelTexts.at(0).contains(heading), qPrintable(box.labelTexts.at(0)));
    QCOMPARE(box.pos, QPoint(100 + 135, 50 + 160));
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("wel_msg_close_btu"));
}

void tst_cameraroads::resetRoad_data()
{
    QTest::addColumn<int>("wording");
    QTest::addColumn<QString>("closeName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("answers");  // an empty answer leaves the box open
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("veiled");
    QTest::addColumn<bool>("secondVeil");  // the road is given a veil other than the page's
    const QString reset = QStringLiteral(
        "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
        "After reset your camera, click <b>Restart</b> to continue.");
    const QString reseting = QStringLiteral(
        "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
        "After reseting your camera, click <b>Restart</b> to continue.");
    const int after = cameraRoads::afterReset;
    const int afterIng = cameraRoads::afterReseting;
    using o = cameraRoads::resetOutcome;
    QTest::newRow("Close") << after << "wel_msg_close_btu" << reset << QStringList{"Close"}
                           << int(o::closed) << false << false;
    QTest::newRow("Restart, Yes") << afterIng << "detail_close_btu" << reseting
                                  << QStringList{"Restart", "Yes"} << int(o::restartYes) << false
                                  << false;
    QTest::newRow("Restart, No") << afterIng << "detail_close_btu" << reseting
                                 << QStringList{"Restart", "No"} << int(o::restartNo) << false
                                 << false;
    QTest::newRow("reset box left open") << after << "wel_msg_close_btu" << reset << QStringList{""}
                                         << int(o::none) << true << false;
    QTest::newRow("question left open")
        << after << "wel_msg_close_btu" << reset << QStringList{"Restart", ""} << int(o::none)
        << true << false;
    // A page with a second veil (the connection page's LED veil): the whole
    // road, the question included, lies over that one.
    QTest::newRow("Restart, No, second veil")
        << after << "wel_msg_close_btu" << reset << QStringList{"Restart", "No"}
        << int(o::restartNo) << false << true;
    QTest::newRow("question left open, second veil")
        << after << "wel_msg_close_btu" << reset << QStringList{"Restart", ""} << int(o::none)
        << true << true;
}

void tst_cameraroads::resetRoad()
{
    QFETCH(int, wording);
    QFETCH(QString, closeName);
    QFETCH(QString, text);
    QFETCH(QStringList, answers);
    QFETCH(int, outcome);
    QFETCH(bool, veiled);
    QFETCH(bool, secondVeil);
    supportType = QStringLiteral("KSM-6120E");
    roadsInWizard w;
    QLabel *pageVeil = w.page->createVeil();
    QLabel *veil = pageVeil;
    if (secondVeil) {
        veil = new QLabel(w.page);
        veil->hide();
    }
    modalRecorder boxes;
    for (const QString &a : answers) {
        if (a.isEmpty())
            boxes.leaveUnanswered();
        else
            boxes.answer(a);
    }
    bool veiledWhileOpen = true;
    bool pageVeilShown = false;
    boxes.onOpen([&](QDialog *) {
        veiledWhileOpen = veiledWhileOpen && !veil->isHidden();
        pageVeilShown = pageVeilShown || (secondVeil && !pageVeil->isHidden());
    });

    const auto result = w.roads.resetRoad(cameraRoads::resetWording(wording), closeName,
                                          QStringLiteral("14px"), secondVeil ? veil : nullptr);
    QCOMPARE(int(result), outcome);
    QVERIFY(veiledWhileOpen);
    QVERIFY(!pageVeilShown);
    QCOMPARE(!veil->isHidden(), veiled);
    QCOMPARE(boxes.count(), answers.size());

    const recordedBox &box = boxes.at(0);
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, QMessageBox::NoIcon);  // a picture file instead
    QCOMPARE(box.pos, QPoint(230, 260));
    QCOMPARE(box.buttons.size(), 2);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Restart    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("j4_done_btu"));
    QCOMPARE(box.buttons.at(0).styleSheet, buttonStyle(buttonPicture::yes));
    QCOMPARE(box.buttons.at(1).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(1).objectName, closeName);
    QCOMPARE(box.buttons.at(1).styleSheet, buttonStyle(buttonPicture::close));
    if (answers.size() > 1) {
        const recordedBox &question = boxes.at(1);
        QCOMPARE(question.text, QStringLiteral("Is the Link LED on the camera lit green ?"));
        QCOMPARE(question.pos, QPoint(100 + 190, 50 + 273));
        QCOMPARE(question.buttons.at(0).styleSheet,
                 QStringLiteral("background-image: url(:/images/cancel_button_blue.png);"
                                "font:14px;color:rgb(255,255,255);border: 0px"));
    }
}

// The road opened from a link inside a help box: the help box is hidden at
// once, ends without an answer, and is closed with the reset box.
void tst_cameraroads::resetRoadTakesHelpBoxAway()
{
    roadsInWizard w;
    QLabel *veil = w.page->createVeil();
    QPointer<pageBox> help;
    bool helpHiddenUnderReset = false;
    cameraRoads::resetOutcome outcome = cameraRoads::resetOutcome::none;

    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        help = qobject_cast<pageBox *>(d);
        d->show();
        QCOMPARE(livePageBoxes(), QList<pageBox *>{help.data()});
        for (QLabel *l : d->findChildren<QLabel *>()) {
            if (l->text().contains(QStringLiteral("href")))
                emit l->linkActivated(QStringLiteral("terms"));
        }
    });
    boxes.onOpen([&](QDialog *d) {
        if (d != help)
            helpHiddenUnderReset = help && help->isHidden();
    });
    boxes.answer("Close");
    const int answer = w.page->helpBox(
        {QStringLiteral("Try to <a href = terms>reset the camera</a>."), QSize(420, 210), 0},
        {closingButton(QStringLiteral("Close    "), QStringLiteral("wel_msg_close_btu"))},
        QPoint(135, 160), [&](const QString &) {
            outcome =
                w.roads.resetRoad(cameraRoads::afterReset, QStringLiteral("wel_msg_close_btu"));
        });

    QCOMPARE(int(outcome), int(cameraRoads::resetOutcome::closed));
    QVERIFY(helpHiddenUnderReset);
    QCOMPARE(answer, -1);  // taken away: the help box's own Close road is not run
    QVERIFY(livePageBoxes().isEmpty());
    QVERIFY(!help);
    QVERIFY(veil->isHidden());  // the reset road's Close took it away
}

QTEST_MAIN(tst_cameraroads)
#include "tst_cameraroads.moc"
