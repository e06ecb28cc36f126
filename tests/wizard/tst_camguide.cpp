#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageframe.h"
#include "pages/setup/plugpage.h"
#include "platform/platform.h"
#include "protocol/portal.h"
#include "protocol/zvrutils.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/testseams.h"
#include "tests/support/urlcatcher.h"
#include "tests/support/wizardfixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWizard>
#include <QtTest>

#include <optional>

namespace {

// Counts how often the wizard enters the page from the front or by restart.
class countingPage : public pageFrame
{
    Q_OBJECT
public:
    explicit countingPage(pageId id) : pageFrame(id) {}
    using pageFrame::backTo;
    using pageFrame::jumpTo;
    using pageFrame::moveOn;
    using pageFrame::restartAndStep;
    void initializePage() override { ++initialized; }
    int initialized = 0;
};

struct countingWizard {
    QWizard wizard;
    QList<countingPage *> pages;
    countingWizard()
    {
        for (pageId id : {plugPageId, selectPageId, connectPageId, failedPageId}) {
            pages.append(new countingPage(id));
            wizard.setPage(id, pages.last());
        }
    }
    countingPage *current() const { return static_cast<countingPage *>(wizard.currentPage()); }
    QList<int> history() const { return wizard.visitedIds(); }
};

}  // namespace

class tst_camguide : public QObject
{
    Q_OBJECT

private slots:
    // The pages talk to an engine, as in the program.
    void initTestCase() { engine.emplace(); }
    void cleanupTestCase() { engine.reset(); }
    void init() { seams.emplace(); }
    void cleanup() { seams.reset(); }

    void ninePagesInOrder();
    void nextIdIsNextPage_data();
    void nextIdIsNextPage();

    void moveOn();
    void moveOnToVisitedPageDoesNothing();
    void jump();
    void restartAndStep();
    void backWithStartIdZeroUsesHistory();
    void backWithOtherStartIdRestarts();

    void windowAndPagePlaces();
    void escapeKeepsWindowOpen();
    void linkRow();
    void portalLinks();
    void boxStyleSet();

    void aboutBox_data();
    void aboutBox();
    void aboutBoxRecentresWizard();

private:
    std::optional<testEngine> engine;
    std::optional<testSeams> seams;
};

void tst_camguide::ninePagesInOrder()
{
    camguide w;
    const QStringList classes = {"plugPage",   "selectPage", "connectPage",
                                 "failedPage", "joinPage1",  "joinPage2",
                                 "joinPage3",  "joinPage4",  "joinPage"};
    QCOMPARE(w.pageIds(),
             (QList<int>{plugPageId, selectPageId, connectPageId, failedPageId, joinPage1Id,
                         joinPage2Id, joinPage3Id, joinPage4Id, joinPageId}));
    QCOMPARE(w.startId(), plugPageId);
    for (int id = 0; id < classes.size(); ++id) {
        QWizardPage *p = w.page(id);
        QCOMPARE(QString::fromLatin1(p->metaObject()->className()), classes.at(id));
        QVERIFY(qobject_cast<pageFrame *>(p));
        QCOMPARE(p->size(), QSize(720, 567));
        QVERIFY(p->title().isEmpty());
        QVERIFY(p->subTitle().isEmpty());
    }
}

void tst_camguide::nextIdIsNextPage_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("plug-in page") << int(plugPageId);
    QTest::newRow("cloud account page") << int(joinPage2Id);
    QTest::newRow("last page") << int(joinPageId);
    QTest::newRow("-1 ends") << -1;
}

void tst_camguide::nextIdIsNextPage()
{
    QFETCH(int, value);
    camguide w;
    nextPage = value;
    for (int id : w.pageIds())
        QCOMPARE(w.page(id)->nextId(), value);
}

void tst_camguide::moveOn()
{
    countingWizard w;
    w.wizard.restart();
    QCOMPARE(w.pages[0]->initialized, 1);

    w.pages[0]->moveOn(connectPageId);
    QCOMPARE(nextPage, connectPageId);
    QCOMPARE(w.wizard.currentId(), connectPageId);
    QCOMPARE(w.pages[2]->initialized, 1);
    QCOMPARE(w.history(), (QList<int>{plugPageId, connectPageId}));
}

void tst_camguide::moveOnToVisitedPageDoesNothing()
{
    countingWizard w;
    w.wizard.restart();
    w.pages[0]->moveOn(selectPageId);
    QTest::ignoreMessage(QtWarningMsg, "QWizard::next: Page 0 already met");
    w.pages[1]->moveOn(plugPageId);
    QCOMPARE(w.wizard.currentId(), selectPageId);
    QCOMPARE(w.pages[0]->initialized, 1);
}

void tst_camguide::jump()
{
    countingWizard w;
    w.wizard.restart();
    w.pages[0]->moveOn(selectPageId);
    w.pages[1]->moveOn(failedPageId);

    w.pages[3]->jumpTo(selectPageId);
    QCOMPARE(nextPage, selectPageId);
    QCOMPARE(w.wizard.startId(), selectPageId);
    QCOMPARE(w.wizard.currentId(), selectPageId);
    QCOMPARE(w.history(), (QList<int>{selectPageId}));
    QCOMPARE(w.pages[1]->initialized, 2);
}

void tst_camguide::restartAndStep()
{
    countingWizard w;
    w.wizard.setStartId(connectPageId);
    w.wizard.restart();
    w.pages[2]->moveOn(failedPageId);

    w.pages[3]->restartAndStep();
    QCOMPARE(nextPage, selectPageId);
    QCOMPARE(w.wizard.startId(), plugPageId);
    QCOMPARE(w.wizard.currentId(), selectPageId);
    QCOMPARE(w.history(), (QList<int>{plugPageId, selectPageId}));
    QCOMPARE(w.pages[0]->initialized, 1);
    QCOMPARE(w.pages[1]->initialized, 1);
}

void tst_camguide::backWithStartIdZeroUsesHistory()
{
    countingWizard w;
    w.wizard.restart();
    w.pages[0]->moveOn(selectPageId);

    w.pages[1]->backTo(plugPageId);
    QCOMPARE(nextPage, plugPageId);
    QCOMPARE(w.wizard.currentId(), plugPageId);
    QCOMPARE(w.pages[0]->initialized, 1);  // not entered again

    // A history whose previous page is not the target: the wizard jumps,
    // so that the page shown is the one nextPage names.
    w.pages[0]->moveOn(selectPageId);
    w.pages[1]->moveOn(connectPageId);
    w.pages[2]->moveOn(failedPageId);
    w.pages[3]->backTo(selectPageId);
    QCOMPARE(w.wizard.currentId(), selectPageId);
    QCOMPARE(nextPage, selectPageId);
    QCOMPARE(w.wizard.startId(), selectPageId);
}

void tst_camguide::backWithOtherStartIdRestarts()
{
    countingWizard w;
    w.pages[0]->jumpTo(connectPageId);  // e.g. from a final page
    w.pages[2]->moveOn(failedPageId);
    QCOMPARE(w.pages[2]->initialized, 1);

    w.pages[3]->backTo(connectPageId);
    QCOMPARE(nextPage, connectPageId);
    QCOMPARE(w.wizard.startId(), connectPageId);
    QCOMPARE(w.wizard.currentId(), connectPageId);
    QCOMPARE(w.history(), (QList<int>{connectPageId}));
    QCOMPARE(w.pages[2]->initialized, 2);
}

void tst_camguide::windowAndPagePlaces()
{
    camguide w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(720, 567));
    QCOMPARE(w.windowTitle(), QStringLiteral("skyvue Camguide"));
    QCOMPARE(w.wizardStyle(), QWizard::ModernStyle);
    const Qt::WindowFlags hints =
        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    QCOMPARE(w.windowFlags() & hints, hints);
    QVERIFY(!(w.windowFlags() & Qt::WindowContextHelpButtonHint));

    // Every page stands at the window's origin, also after moving and restarting.
    auto checkCurrentPage = [&w] {
        QWizardPage *p = w.currentPage();
        QVERIFY(p);
        QCOMPARE(p->mapTo(&w, QPoint(0, 0)), QPoint(0, 0));
        QCOMPARE(p->size(), QSize(720, 567));
        // Nothing of the toolkit's layout takes room beside the page.
        QCOMPARE(p->parentWidget()->geometry(), QRect(0, 0, 720, 567));
    };
    checkCurrentPage();
    stepTo(w, joinPage2Id);
    QCOMPARE(w.currentId(), joinPage2Id);
    checkCurrentPage();
    jumpTo(w, connectPageId);
    checkCurrentPage();
    // The toolkit lays itself out anew with its own margins.
    w.setWizardStyle(QWizard::ClassicStyle);
    w.setWizardStyle(QWizard::ModernStyle);
    QCoreApplication::processEvents();
    checkCurrentPage();

    // None of the toolkit's own buttons shows.
    for (QWizard::WizardButton which :
         {QWizard::BackButton, QWizard::NextButton, QWizard::CommitButton, QWizard::FinishButton,
          QWizard::CancelButton, QWizard::HelpButton}) {
        QAbstractButton *b = w.button(which);
        QVERIFY2(!b->isVisible(), qPrintable(b->text()));
    }

    QVERIFY(w.veilLabel->isHidden());
    QCOMPARE(w.veilLabel->geometry(), QRect(0, 0, 721, 567));
    // The frame lies above the pages, the link row above the frame.
    QCOMPARE(w.childAt(300, 20)->property("picture").toString(),
             QStringLiteral(":/images/setupbackground_t.png"));
    QCOMPARE(w.childAt(100, 550)->property("picture").toString(),
             QStringLiteral(":/images/setupbackground_b.png"));
    QCOMPARE(w.childAt(5, 300)->property("picture").toString(),
             QStringLiteral(":/images/setupbackground_r.png"));
    QCOMPARE(w.childAt(480, 515), w.aboutButton);
    QVERIFY(w.currentPage()->isAncestorOf(w.childAt(300, 300)));
}

void tst_camguide::escapeKeepsWindowOpen()
{
    camguide w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.isVisible());
}

void tst_camguide::linkRow()
{
    camguide w;
    const struct {
        QPushButton *button;
        const char *text;
        QRect place;
    } rows[] = {
        {w.troubleshootingButton, "Troubleshooting", QRect(111, 508, 120, 25)},
        {w.manualsButton, "Manuals and Downloads", QRect(261, 508, 150, 25)},
        {w.aboutButton, "About", QRect(451, 508, 60, 25)},
        {w.exitButton, "Exit", QRect(556, 508, 41, 25)},
    };
    for (const auto &row : rows) {
        QCOMPARE(row.button->text(), QString::fromLatin1(row.text));
        QCOMPARE(row.button->geometry(), row.place);
        QVERIFY(row.button->isFlat());
        QCOMPARE(row.button->styleSheet(), QStringLiteral("font:12px;color:rgb(255,255,255);"));
    }

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.exitButton, Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

// The two help links open the portal's fixed pages, whatever the camera says.
void tst_camguide::portalLinks()
{
    urlCatcher urls;
    camguide w;
    QTest::mouseClick(w.troubleshootingButton, Qt::LeftButton);
    QTest::mouseClick(w.manualsButton, Qt::LeftButton);
    QCOMPARE(urls.opened, (QList<QUrl>{QUrl(QString::fromLatin1(portal::faqPage)),
                                       QUrl(QString::fromLatin1(portal::downloadPage))}));
}

void tst_camguide::boxStyleSet()
{
    boxStyle.clear();
    camguide w;
    if (QLatin1String(CAMGUIDE_CONFIGURED_TARGET) == QLatin1String("windows"))
        QCOMPARE(
            boxStyle,
            QStringLiteral(
                "background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);"));
    else
        QCOMPARE(
            boxStyle,
            QStringLiteral(
                "background-image: url(:/images/messagebox_pic.png);font:13px;color:rgb(89,87,87);"));
}

void tst_camguide::aboutBox_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("opening");
    QTest::newRow("configured model")
        << "KSM-6120E"
        << "<font size=5 face=verdana color=#2a7ba6   ><b>About KSM-6120E Camguide</b></font><br><br>"
           "<font size=3 color=#638c0b>v1.00.02</font>";
    QTest::newRow("no configuration")
        << ""
        << "<font size=5 face=verdana color=#2a7ba6   ><b>About  Camguide</b></font><br><br>"
           "<font size=3 color=#638c0b>v1.00.02</font>";
}

void tst_camguide::aboutBox()
{
    QFETCH(QString, model);
    QFETCH(QString, opening);
    supportType = model;
    camguide w;
    w.move(120, 80);

    modalRecorder boxes;
    bool veilShown = false;
    boxes.onOpen([&](QDialog *) { veilShown = !w.veilLabel->isHidden(); });
    boxes.answer("Close");
    w.aboutInfo();

    QVERIFY(veilShown);
    QVERIFY(w.veilLabel->isHidden());
    QCOMPARE(boxes.count(), 1);
    const recordedBox &box = boxes.last();
    QVERIFY2(box.text.startsWith(opening), qPrintable(box.text));
    QVERIFY(box.text.endsWith("<br>"));
    QVERIFY(box.text.contains("<b>Warning:</b>"));
    QCOMPARE(box.styleSheet, boxStyle);
    QCOMPARE(box.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(box.flags & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    QVERIFY(!box.hasParent);
    QCOMPARE(box.pos, QPoint(230, 240));
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("wel_msg_close_btu"));
    QCOMPARE(box.buttons.at(0).size, QSize(119, 34));
    QCOMPARE(box.buttons.at(0).styleSheet,
             QStringLiteral("background-image: url(:/images/btn_close-no_blue.png);font:12pt;"
                            "color:rgb(255,255,255);border: 0px"));
}

void tst_camguide::aboutBoxRecentresWizard()
{
    camguide w;
    w.move(-201, 30);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const QPoint centre((desktop.width() - 720) / 2, (desktop.height() - 567) / 2);

    modalRecorder boxes;
    boxes.leaveUnanswered();
    w.aboutInfo();
    QCOMPARE(w.pos(), centre);
    QCOMPARE(boxes.last().pos, centre + QPoint(110, 160));
    // Not closed by its button: the veil stays, as on every box road not taken.
    QVERIFY(!w.veilLabel->isHidden());
}

QTEST_MAIN(tst_camguide)
#include "tst_camguide.moc"
