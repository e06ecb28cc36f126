// The camera list page in a real wizard window. Commands leave the engine
// for a capture socket on 127.0.0.1; camera replies are fed straight into
// the engine's reader; ticks are driven by calling the tick slot.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageframe.h"
#include "pages/setup/adminpassword.h"
#include "pages/setup/selectpage.h"
#include "protocol/hostaddress.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tests/support/commandcapture.h"
#include "tests/support/logcapture.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/pagebench.h"
#include "tests/support/programstate.h"
#include "tests/support/simtestutil.h"
#include "tests/support/waitlabels.h"
#include "tests/support/wizardfixture.h"

#include <QApplication>
#include <QDir>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

using camsim::CameraSimulator;
using camsim::SimCamera;
using simtest::feed;
using simtest::hostMac;
using simtest::listCamera;
using simtest::makeCamera;

namespace {

const QString heading =
    QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>");
const QString ruleText =
    heading
    + QStringLiteral(
        "The passwords must be at least 6 characters long and must contain at least 2 letters, "
        "case-sensitive!");
const QString mismatchText =
    QStringLiteral("<font size=5 face=verdana color=#2a7ba6><b>Warning</b></font><br><br>"
                   "The passwords don't match! Please try again!");
const QString registeredText = QStringLiteral(
    "The camera you select has already been registered to skyvue. You have to enter the correct "
    "camera password and skyvue account later or <a href = terms><font size=3 "
    "color=#638c0b>reset the camera</font></a> to register another account.<br>");
const QString unconfirmedText =
    heading
    + QStringLiteral(
        "The camera did not confirm the new password, so it may still have none. Check that the "
        "camera is on and connected, then try again.");
const QString blueNext = QStringLiteral(
    "background-image: url(:/images/btn_start-next_blue.png);font:14px;color:rgb(255,255,255);"
    "border: 0px");
const QString greyNext = QStringLiteral(
    "background-image: url(:/images/btn_start-next_grey.png);font:14px;color:rgb(201,202,202);"
    "border: 0px");

// Where the wizard stands in every test: box places are offsets from it.
const QPoint wizardPos(100, 50);

// What a rich-text label or tooltip shows of its text.
QString shownText(const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

QByteArray itemOf(const QByteArray &body, const QByteArray &key)
{
    for (const QByteArray &item : body.split(';')) {
        if (item.startsWith(key + '='))
            return item.mid(key.size() + 1);
    }
    return QByteArray();
}

struct atSelectPage : wizardAt<selectPage> {
    atSelectPage() : wizardAt<selectPage>(selectPageId, wizardPos) {}

    QTableWidget *table() const { return control<QTableWidget>("cameraTable"); }
    QPushButton *backButton() const { return control<QPushButton>("sel_back_btn"); }
    QPushButton *rescanButton() const { return control<QPushButton>("sel_resc_but"); }
    QPushButton *nextButton() const { return control<QPushButton>("sel_next_but"); }
    QLabel *noCameraLink() const { return control<QLabel>("noCameraLink"); }
    QLabel *passwdTitle() const { return control<QLabel>("passwdTitle"); }
    QLineEdit *passwdEdit() const { return control<QLineEdit>("passwdEdit"); }
    QLabel *forgotLink() const { return control<QLabel>("forgotLink"); }
    QLabel *confirmLabel() const { return control<QLabel>("confirmLabel"); }
    QLineEdit *confirmEdit() const { return control<QLineEdit>("confirmEdit"); }
    QLabel *macImage() const { return control<QLabel>("macImage"); }
    QLabel *macHint() const { return control<QLabel>("macHint"); }
    // The password form, all of it, whichever mode shows.
    QList<QWidget *> passwordForm() const
    {
        QList<QWidget *> form;
        for (const char *name :
             {"passwdTitle", "adminAccountLabel", "adminNameLabel", "passwordLabel", "passwdEdit",
              "forgotLink", "confirmLabel", "confirmEdit"})
            form << control<QWidget>(name);
        return form;
    }
    // The chosen row as its radio picture shows it, -1 when none is.
    int selectedRow() const
    {
        int chosen = -1;
        for (int r = 0; r < table()->rowCount(); ++r) {
            if (picture(r, 0) == QLatin1String(":/images/radio_selected.png")) {
                if (chosen >= 0)
                    return -2;  // two radios on: no choice the page could mean
                chosen = r;
            }
        }
        return chosen;
    }
    // No run goes: the list and the form are the user's.
    bool listIsUsers() const
    {
        return backButton()->isEnabled() && rescanButton()->isEnabled() && table()->isEnabled()
               && noCameraLink()->isEnabled() && !passwdEdit()->isReadOnly()
               && !confirmEdit()->isReadOnly();
    }

    // Ticks until the search ends; the tick it ended at.
    int finishSearch() { return tickWhileRunning(200); }
    int rowOf(const QString &mac) const
    {
        for (int r = 0; r < table()->rowCount(); ++r) {
            if (table()->item(r, 2)->text() == mac.toUpper())
                return r;
        }
        return -1;
    }
    QString picture(int row, int column) const
    {
        return table()->item(row, column)->data(selectPage::pictureRole).toString();
    }
    QStringList tableMacs() const
    {
        QStringList macs;
        for (int r = 0; r < table()->rowCount(); ++r)
            macs << table()->item(r, 2)->text();
        return macs;
    }
};

const QString camA = QStringLiteral("02:00:00:00:1a:01");
const QString camB = QStringLiteral("02:00:00:00:1a:02");
const QString camC = QStringLiteral("02:00:00:00:1a:03");
const QString camD = QStringLiteral("02:00:00:00:1a:04");

// The controls of the page a user can reach, by object name.
struct selectControls {
    explicit selectControls(QWidget *page)
        : back(page->findChild<QPushButton *>("sel_back_btn"))
        , rescan(page->findChild<QPushButton *>("sel_resc_but"))
        , next(page->findChild<QPushButton *>("sel_next_but"))
        , table(page->findChild<QTableWidget *>("cameraTable"))
        , noCamera(page->findChild<QLabel *>("noCameraLink"))
        , forgot(page->findChild<QLabel *>("forgotLink"))
        , passwd(page->findChild<QLineEdit *>("passwdEdit"))
        , confirm(page->findChild<QLineEdit *>("confirmEdit"))
        , veil(page->findChild<QLabel *>("waitPicLabel"))
    {
    }
    QPushButton *back, *rescan, *next;
    QTableWidget *table;
    QLabel *noCamera, *forgot;
    QLineEdit *passwd, *confirm;
    QLabel *veil;

    QList<QWidget *> listControls() const { return {back, rescan, next, table, noCamera}; }
};

// Where Tab takes the keyboard focus, a round of presses long.
QList<QWidget *> tabRound(int presses = 20)
{
    QList<QWidget *> reached;
    for (int i = 0; i < presses; ++i) {
        QWidget *f = QApplication::focusWidget();
        if (!f)
            break;
        QTest::keyClick(f, Qt::Key_Tab);
        if (QApplication::focusWidget())
            reached << QApplication::focusWidget();
    }
    return reached;
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

}  // namespace

class tst_selectpage : public pageBench
{
    Q_OBJECT

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init() { beforeTest(); }
    void cleanup() { afterTest(); }

    void passwordRule_data();
    void passwordRule();

    void scanFromEveryInterface();
    void searchReadsInterfacesAfresh();
    void searchWithOnlyLoopbackIsLogged();
    void firstTickHidesForm();
    void searchEnd_data();
    void searchEnd();
    void secondScanAt60_data();
    void secondScanAt60();
    void tickTable_data();
    void tickTable();
    void runRows_data();
    void runRows();
    void repliesQueuedBeforeSearchEnd();
    void rescanClick();
    void reenteringClearsPasswords();

    void rowOrder_data();
    void rowOrder();
    void rowCells();
    void secondInfoRecordAddsNoRow();
    void engineSlotsGated();
    void rowInsertedAboveChoiceKeepsIt();

    void chooseAndDeselect();
    void ruleOrMismatchBox_data();
    void ruleOrMismatchBox();
    void newPasswordRun_data();
    void newPasswordRun();
    void confirmMode_data();
    void confirmMode();
    void nextWithoutCameraStopsSilently();

    void back_data();
    void back();
    void registeredNotice_data();
    void registeredNotice();
    void rowArrivingBehindNotice();
    void upperCaseMacRow();
    void noCameraHelp();
    void wirelessLegend_data();
    void wirelessLegend();
    void toolTip();
    void toolTipShowsNameAsItIs_data();
    void toolTipShowsNameAsItIs();

    void reentryRoads_data();
    void reentryRoads();
    void unconfirmedPasswordBox_data();
    void unconfirmedPasswordBox();
    void storedPasswordLostInConfirmMode_data();
    void storedPasswordLostInConfirmMode();
    void cameraSilentAfterScan();
    void keyboardDuringPasswordRun();
};

// ------------------------------------------------------------ password rule

void tst_selectpage::passwordRule_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("six, two letters") << "ab1234" << true;
    QTest::newRow("letters apart") << "a1234b" << true;
    QTest::newRow("six letters") << "abcdef" << true;
    QTest::newRow("five letters") << "abcde" << false;
    QTest::newRow("six, one letter") << "a12345" << false;
    QTest::newRow("six digits") << "123456" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("upper case") << "AB1234" << true;
    QTest::newRow("one upper, one lower") << "aB1234" << true;
    QTest::newRow("space inside") << "abc def" << false;
    QTest::newRow("trailing space") << "abcdef " << false;
    QTest::newRow("tab") << "abc\tdef" << false;
    QTest::newRow("newline") << "abc\ndef" << false;
    QTest::newRow("DEL") << "abcdef\x7f" << false;
    QTest::newRow("non-ASCII letter") << QString::fromUtf8("abcd\xc3\xa9"
                                                           "1")
                                      << false;
    QTest::newRow("non-ASCII letters only count not") << QString::fromUtf8("a\xc3\xa9\xc3\xa9"
                                                                           "123")
                                                      << false;
    QTest::newRow("no-break space") << QString::fromUtf8("abc\xc2\xa0"
                                                         "12")
                                    << false;
    QTest::newRow("emoji") << QString::fromUtf8("ab1234\xf0\x9f\x98\x80") << false;
    QTest::newRow("backslash") << "ab\\123" << true;
    QTest::newRow("closing bracket") << "ab]123" << true;
    QTest::newRow("opening bracket") << "ab[123" << true;
    QTest::newRow("backquote") << "ab`123" << true;
    QTest::newRow("plus") << "ab+123" << true;
    QTest::newRow("minus") << "ab-123" << true;
    QTest::newRow("slash") << "ab/123" << true;
    QTest::newRow("ends of the range") << "!ab~!~" << true;
    QTest::newRow("all punctuation") << "ab!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~" << true;
    QTest::newRow("long") << QString(200, QLatin1Char('x')) << true;
}

void tst_selectpage::passwordRule()
{
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    QCOMPARE(adminPassword::acceptable(password), accepted);
}

// ------------------------------------------------------------ the search

void tst_selectpage::scanFromEveryInterface()
{
    // Interfaces without a hardware address, or the all-zero one of the
    // loopback, send nothing.
    seams->hostInterfaces({QString(), QStringLiteral("52:3D:D5:5C:0A:69"),
                           QStringLiteral("00:00:00:00:00:00"), hostMac});
    supportType = QStringLiteral("KSM-271E");
    atSelectPage w;
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(0).src, QStringLiteral("52:3d:d5:5c:0a:69"));
    QCOMPARE(sent.at(1).src, hostMac);
    for (const sentCommand &c : sent) {
        QCOMPARE(c.zvrClass, '1');
        QCOMPARE(c.dst, QStringLiteral("ff:ff:ff:ff:ff:ff"));
        QCOMPARE(itemOf(c.body, "M"), QByteArray("FF:FF:FF:FF:FF:FF"));
        QCOMPARE(itemOf(c.body, "D"), QByteArray("KSM-271E"));
    }
    QVERIFY(zvrTools->broadcastScan);
    QVERIFY(waitTimer(w.run())->isActive());
    QCOMPARE(waitTimer(w.run())->interval(), 100);
}

// An adapter plugged in, or an address changed, after the program started:
// the next search scans from the new address and lists the camera that
// answers it.
void tst_selectpage::searchReadsInterfacesAfresh()
{
    atSelectPage w;
    w.finishSearch();
    takeSent();
    const QString newMac = QStringLiteral("02:00:00:00:00:0a");
    seams->hostInterfaces({newMac.toUpper()});

    QTest::mouseClick(w.rescanButton(), Qt::LeftButton);
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).src, newMac);
    const camsim::SimCamera cam = makeCamera(camA, "cam");
    zvrTools->handleDatagram(camsim::CameraSimulator::replyDatagram(
        ZVRUtils::macBytes(newMac), cam, camsim::CameraSimulator::replyBody(cam, '1')));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(IPCameraList.size(), 1);
    QCOMPARE(IPCameraList.at(0).hostMac, newMac);
}

void tst_selectpage::searchWithOnlyLoopbackIsLogged()
{
    seams->hostInterfaces({QStringLiteral("00:00:00:00:00:00")});
    logCapture log;
    atSelectPage w;
    QCOMPARE(takeSent().size(), 0);
    QVERIFY(log.lines.contains(
        QStringLiteral("no network interface but loopback: the search reaches no camera.")));
}

void tst_selectpage::firstTickHidesForm()
{
    atSelectPage w;
    // On the first visit everything is disabled and the form not yet hidden.
    for (QWidget *b :
         {static_cast<QWidget *>(w.backButton()), static_cast<QWidget *>(w.rescanButton()),
          static_cast<QWidget *>(w.nextButton()), static_cast<QWidget *>(w.table()),
          static_cast<QWidget *>(w.noCameraLink())})
        QVERIFY(!b->isEnabled());
    QVERIFY(!w.passwdEdit()->isHidden());

    w.tick();
    for (QWidget *f : w.passwordForm())
        QVERIFY(f->isHidden());
    QVERIFY(!w.macImage()->isHidden());
    QVERIFY(!w.macHint()->isHidden());
    QVERIFY(!waitPicture(w.run())->isHidden());
    QCOMPARE(waitPicture(w.run())->property("picture").toString(),
             QStringLiteral(":/images/loading01.png"));
    QCOMPARE(waitText(w.run())->text(), QStringLiteral("<b>Searching camera.</b>"));
    QCOMPARE(waitText(w.run())->geometry(), QRect(310, 330, 250, 20));
    w.tick(6);
    QCOMPARE(waitText(w.run())->text(), QStringLiteral("<b>Searching camera....</b>"));
    // The veil lies above the page's buttons.
    QCOMPARE(w.page->childAt(600, 460), waitPicture(w.run()));
}

// Rescan, clicked after a search: the list starts empty, every control but
// the veil is disabled until the new search ends, the typed passwords stay.
void tst_selectpage::rescanClick()
{
    atSelectPage w;
    listCamera(makeCamera(camA, "cam"));
    w.finishSearch();
    w.page->clickShow(0, 1);
    w.passwdEdit()->setText(QStringLiteral("river7stone"));
    QVERIFY(w.backButton()->isEnabled());
    takeSent();

    QTest::mouseClick(w.rescanButton(), Qt::LeftButton);
    QCOMPARE(w.table()->rowCount(), 0);
    QVERIFY(IPCameraList.isEmpty());
    QCOMPARE(configIPCameraIdx, -1);
    QCOMPARE(countOf(takeSent(), '1'), 1);
    QVERIFY(w.run()->isRunning());
    QCOMPARE(w.ticks(), 0);
    QCOMPARE(w.passwdEdit()->text(), QStringLiteral("river7stone"));
    for (QWidget *c : w.passwordForm())
        QVERIFY(c->isHidden());

    const auto disabled = [&w] {
        return !w.backButton()->isEnabled() && !w.rescanButton()->isEnabled()
               && !w.nextButton()->isEnabled() && !w.table()->isEnabled()
               && !w.noCameraLink()->isEnabled();
    };
    QVERIFY(disabled());
    // A click on Back during the search lands on the veil.
    QCOMPARE(w.page->childAt(60, 460), waitPicture(w.run()));
    w.tick(40);
    QVERIFY(disabled());

    listCamera(makeCamera(camB, "other"));
    QCOMPARE(w.finishSearch(), 80);
    QVERIFY(w.backButton()->isEnabled());
    QVERIFY(w.rescanButton()->isEnabled());
    QVERIFY(!w.nextButton()->isEnabled());
    QCOMPARE(w.tableMacs(), QStringList{camB.toUpper()});
}

// Coming back to the camera list (Back, then Next on the plug-in page)
// starts a new search and forgets what was typed.
void tst_selectpage::reenteringClearsPasswords()
{
    atSelectPage w;
    listCamera(makeCamera(camA, "cam"));
    w.finishSearch();
    w.page->clickShow(0, 1);
    w.passwdEdit()->setText(QStringLiteral("river7stone"));
    w.confirmEdit()->setText(QStringLiteral("river7stone"));

    w.backButton()->click();
    QCOMPARE(w.wizard.currentId(), int(plugPageId));
    nextPage = selectPageId;
    w.wizard.next();
    QCOMPARE(w.wizard.currentPage(), w.page);
    QVERIFY(w.passwdEdit()->text().isEmpty());
    QVERIFY(w.confirmEdit()->text().isEmpty());
    QCOMPARE(w.table()->rowCount(), 0);
    QCOMPARE(configIPCameraIdx, -1);
    QVERIFY(w.run()->isRunning());
}

void tst_selectpage::searchEnd_data()
{
    QTest::addColumn<int>("withInfo");
    QTest::addColumn<int>("withoutInfo");
    QTest::addColumn<int>("endTick");
    QTest::newRow("empty list") << 0 << 0 << 80;
    QTest::newRow("every info record in") << 2 << 0 << 80;
    QTest::newRow("one camera missing") << 1 << 1 << 100;
}

void tst_selectpage::searchEnd()
{
    QFETCH(int, withInfo);
    QFETCH(int, withoutInfo);
    QFETCH(int, endTick);
    atSelectPage w;
    const QString macs[] = {camA, camB, camC};
    int n = 0;
    for (int i = 0; i < withInfo; ++i)
        listCamera(makeCamera(macs[n++], "cam"));
    for (int i = 0; i < withoutInfo; ++i)
        feed(makeCamera(macs[n++], "mute"), '1');
    takeSent();

    w.tickTo(79);
    QVERIFY(waitTimer(w.run())->isActive());
    QVERIFY(takeSent().isEmpty());
    w.tick();
    // At 80 the missing info records are asked for once more.
    QList<sentCommand> sent = takeSent();
    QCOMPARE(countOf(sent, '2'), withoutInfo);
    if (withoutInfo)
        QCOMPARE(sent.at(0).dst, macs[withInfo]);
    QCOMPARE(waitTimer(w.run())->isActive(), endTick > 80);
    if (endTick > 80) {
        w.tickTo(100);
        QCOMPARE(countOf(takeSent(), '2'), withoutInfo);
    }
    QCOMPARE(w.run()->ticks(), endTick);
    QVERIFY(!waitTimer(w.run())->isActive());
    QVERIFY(waitPicture(w.run())->isHidden());
    QVERIFY(waitText(w.run())->isHidden());
    QVERIFY(w.backButton()->isEnabled());
    QVERIFY(w.rescanButton()->isEnabled());
    QVERIFY(w.table()->isEnabled());
    QVERIFY(w.noCameraLink()->isEnabled());
    QVERIFY(!w.nextButton()->isEnabled());
    QVERIFY(!zvrTools->broadcastScan);
    QCOMPARE(w.table()->rowCount(), withInfo);

    // A late info record still adds its row.
    if (withoutInfo) {
        feed(makeCamera(macs[withInfo], "mute"), '2');
        QCoreApplication::sendPostedEvents();
        QCOMPARE(w.table()->rowCount(), withInfo + 1);
    }
}

void tst_selectpage::secondScanAt60_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<int>("scansAt60");
    QTest::newRow("factory address") << "192.168.0.20" << 1;
    QTest::newRow("other address") << "192.168.0.21" << 0;
}

void tst_selectpage::secondScanAt60()
{
    QFETCH(QString, ip);
    QFETCH(int, scansAt60);
    atSelectPage w;
    SimCamera c = makeCamera(camA, "fresh");
    c.ip = ip;
    w.tick(10);
    listCamera(c);
    takeSent();
    w.tickTo(59);
    QCOMPARE(countOf(takeSent(), '1'), 0);
    w.tick();
    QCOMPARE(countOf(takeSent(), '1'), scansAt60);
    QVERIFY(!zvrTools->defaultIpSeen);

    // Once per search: the answer to the second scan sets the flag again,
    // and nothing looks at it before the next search.
    feed(c, '1');
    w.finishSearch();
    QCOMPARE(countOf(takeSent(), '1'), 0);
}

// Every row of the three runs' tick tables, and a tick without one: what
// goes out to the camera at that tick and where the page stands after it.
void tst_selectpage::tickTable_data()
{
    QTest::addColumn<QString>("run");     // "search", "confirm", "new password"
    QTest::addColumn<QString>("camera");  // what the one camera does
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("sent");   // classes sent at the tick, "P" a password
    QTest::addColumn<QString>("after");  // "runs", "list", "page 2", "box"

    QTest::newRow("search 59: nothing") << "search"
                                        << "factory address" << 59 << ""
                                        << "runs";
    QTest::newRow("search 60: factory address, scan again") << "search"
                                                            << "factory address" << 60 << "1"
                                                            << "runs";
    QTest::newRow("search 60: other address") << "search"
                                              << "listed" << 60 << ""
                                              << "runs";
    QTest::newRow("search 80: every record in, ends") << "search"
                                                      << "listed" << 80 << ""
                                                      << "list";
    QTest::newRow("search 80: no camera, ends") << "search"
                                                << "none" << 80 << ""
                                                << "list";
    QTest::newRow("search 80: record missing, asked") << "search"
                                                      << "mute" << 80 << "2"
                                                      << "runs";
    QTest::newRow("search 99: nothing") << "search"
                                        << "mute" << 99 << ""
                                        << "runs";
    QTest::newRow("search 100: asked, ends") << "search"
                                             << "mute" << 100 << "2"
                                             << "list";
    QTest::newRow("confirm 20: nothing") << "confirm"
                                         << "stored" << 20 << ""
                                         << "runs";
    QTest::newRow("confirm 21: goes on") << "confirm"
                                         << "stored" << 21 << ""
                                         << "page 2";
    QTest::newRow("new 49: nothing") << "new password"
                                     << "confirms at 10" << 49 << ""
                                     << "runs";
    QTest::newRow("new 50: confirmed, restart") << "new password"
                                                << "confirms at 10" << 50 << "9"
                                                << "runs";
    QTest::newRow("new 50: silent, password again") << "new password"
                                                    << "silent" << 50 << "P"
                                                    << "runs";
    QTest::newRow("new 80: confirmed late, restart") << "new password"
                                                     << "confirms at 65" << 80 << "9"
                                                     << "runs";
    QTest::newRow("new 80: restarted at 50") << "new password"
                                             << "confirms at 10" << 80 << ""
                                             << "runs";
    QTest::newRow("new 100: confirmed, goes on") << "new password"
                                                 << "confirms at 10" << 100 << ""
                                                 << "page 2";
    QTest::newRow("new 100: never confirmed, box") << "new password"
                                                   << "silent" << 100 << ""
                                                   << "box";
}

void tst_selectpage::tickTable()
{
    QFETCH(QString, run);
    QFETCH(QString, camera);
    QFETCH(int, tick);
    QFETCH(QString, sent);
    QFETCH(QString, after);
    atSelectPage w;
    const bool stored = camera == QLatin1String("stored");
    SimCamera cam = makeCamera(camA, "cam", false, stored ? "garage42" : "");
    if (camera == QLatin1String("factory address"))
        cam.ip = QStringLiteral("192.168.0.20");
    if (camera == QLatin1String("mute"))
        feed(cam, '1');
    else if (camera != QLatin1String("none"))
        listCamera(cam);
    QCoreApplication::sendPostedEvents();

    int confirmAt = -1;
    if (run != QLatin1String("search")) {
        w.finishSearch();
        w.page->clickShow(0, 1);
        w.passwdEdit()->setText(stored ? QStringLiteral("garage42")
                                       : QStringLiteral("river7stone"));
        w.confirmEdit()->setText(QStringLiteral("river7stone"));
        boxes->answer("Close");
        w.page->next();
        if (camera.startsWith(QLatin1String("confirms at ")))
            confirmAt = camera.mid(12).toInt();
    }
    for (int guard = 0; w.ticks() < tick - 1 && guard < 200; ++guard) {
        if (w.ticks() == confirmAt) {
            cam.password = "river7stone";
            feed(cam, '2');
        }
        w.tick();
    }
    QCOMPARE(w.ticks(), tick - 1);
    QVERIFY(w.run()->isRunning());
    takeSent();

    w.tick();
    QString classes;
    for (const sentCommand &c : takeSent())
        classes += c.zvrClass == '2' && c.body.contains(";P=") ? QLatin1Char('P')
                                                               : QLatin1Char(c.zvrClass);
    QCOMPARE(classes, sent);
    // A password sent again counts the run from 50 once more.
    QCOMPARE(w.ticks(), tick);
    const bool onList = w.wizard.currentId() == selectPageId;
    QString where = !onList                ? QStringLiteral("page 2")
                    : boxes->count()       ? QStringLiteral("box")
                    : w.run()->isRunning() ? QStringLiteral("runs")
                                           : QStringLiteral("list");
    QCOMPARE(where, after);
    if (after == QLatin1String("list"))
        QVERIFY(w.listIsUsers());
    if (after == QLatin1String("page 2"))
        QCOMPARE(w.wizard.currentId(), int(connectPageId));
}

// The three runs' tables read as data: the step each count finds. A count
// between rows finds none; the confirm run goes on at every count from 21,
// so a run raised past it still ends.
void tst_selectpage::runRows_data()
{
    using run = selectPage::run;
    using step = selectPage::runStep;
    QTest::addColumn<int>("run");  // selectPage::run
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("step");  // selectPage::runStep, -1 none

    const auto row = [](const char *name, run r, int count, int s) {
        QTest::newRow(name) << int(r) << count << s;
    };
    const int none = -1;
    row("search 1", run::search, 1, none);
    row("search 59", run::search, 59, none);
    row("search 60", run::search, 60, int(step::scanAgainForFactoryAddress));
    row("search 61", run::search, 61, none);
    row("search 80", run::search, 80, int(step::askMissingRecordsOrEnd));
    row("search 81", run::search, 81, none);
    row("search 100", run::search, 100, int(step::askMissingRecordsAndEnd));
    row("search 101", run::search, 101, none);
    row("confirm 20", run::confirm, 20, none);
    row("confirm 21", run::confirm, 21, int(step::endPasswordRun));
    row("confirm 22", run::confirm, 22, int(step::endPasswordRun));
    row("confirm 100", run::confirm, 100, int(step::endPasswordRun));
    row("new password 49", run::newPassword, 49, none);
    row("new password 50", run::newPassword, 50, int(step::checkPasswordAtFive));
    row("new password 51", run::newPassword, 51, none);
    row("new password 80", run::newPassword, 80, int(step::checkPasswordAtEight));
    row("new password 100", run::newPassword, 100, int(step::endOrAskAfterPassword));
    row("new password 101", run::newPassword, 101, none);
}

void tst_selectpage::runRows()
{
    QFETCH(int, run);
    QFETCH(int, count);
    QFETCH(int, step);
    const QList<tickRow<selectPage::runStep>> &rows = selectPage::rows(selectPage::run(run));
    for (int i = 1; i < rows.size(); ++i)
        QVERIFY(rows.at(i - 1).tick < rows.at(i).tick);
    const tickRow<selectPage::runStep> *found = waitRun::rowFor(rows, count);
    QCOMPARE(found ? int(found->action) : -1, step);
}

// Replies that came in since the last tick are on the list when that tick
// ends the search.
void tst_selectpage::repliesQueuedBeforeSearchEnd()
{
    atSelectPage w;
    w.tickTo(79);
    const SimCamera cam = makeCamera(camA, "late");
    feed(cam, '1');
    feed(cam, '2');
    QCOMPARE(w.table()->rowCount(), 0);  // queued: the page has not heard of them yet

    w.tick();
    QVERIFY(!w.run()->isRunning());
    QCOMPARE(w.tableMacs(), QStringList{camA.toUpper()});
    QVERIFY(w.listIsUsers());
}

// ------------------------------------------------------------ the table

void tst_selectpage::rowOrder_data()
{
    QTest::addColumn<QString>("arrivals");  // R registered, U not, in arrival order
    QTest::addColumn<QString>("rows");      // arrival numbers top to bottom
    QTest::newRow("mixed") << "RURU"
                           << "3102";
    QTest::newRow("unregistered only") << "UUU"
                                       << "210";
    QTest::newRow("registered only") << "RRR"
                                     << "012";
    QTest::newRow("unregistered after registered") << "RRU"
                                                   << "201";
}

void tst_selectpage::rowOrder()
{
    QFETCH(QString, arrivals);
    QFETCH(QString, rows);
    atSelectPage w;
    QStringList macs;
    for (int i = 0; i < arrivals.size(); ++i) {
        const QString mac = QStringLiteral("02:00:00:00:2b:%1").arg(i, 2, 10, QLatin1Char('0'));
        macs << mac.toUpper();
        listCamera(makeCamera(mac, "cam", arrivals.at(i) == QLatin1Char('R'), "secret1"));
    }
    QStringList expected;
    for (QChar c : rows)
        expected << macs.at(c.digitValue());
    QCOMPARE(w.tableMacs(), expected);
    QCOMPARE(w.table()->rowCount(), arrivals.size());
}

void tst_selectpage::rowCells()
{
    atSelectPage w;
    SimCamera a = makeCamera(camA, QByteArray("Front door\0junk", 15), true, "secret1");
    a.wireless = true;
    a.ipMode = "1";
    SimCamera b = makeCamera(camB, QByteArray("Caf\xc3\xa9"));
    b.ipMode = "2";
    SimCamera c = makeCamera(camC, "Yard", true, "secret1");
    c.ipMode = "7";
    SimCamera d = makeCamera(camD, "Hall", true, "secret1");
    for (const SimCamera &cam : {a, b, c, d})
        listCamera(cam);

    struct expectation {
        QString mac;
        QString name, nameIcon, connection, linkIcon;
    };
    const expectation rows[] = {
        {camA, "Front door", ":/images/icon_reg.png", "PPPoE", ":/images/icon_wireless.png"},
        {camB, QString::fromUtf8("Caf\xc3\xa9"), ":/images/icon_noreg.png", "Static IP",
         ":/images/icon_wired.png"},
        {camC, "Yard", ":/images/icon_reg.png", "DHCP", ":/images/icon_wired.png"},
        {camD, "Hall", ":/images/icon_reg.png", "DHCP", ":/images/icon_wired.png"},
    };
    for (const expectation &e : rows) {
        const int r = w.rowOf(e.mac);
        QVERIFY2(r >= 0, qPrintable(e.mac));
        QTableWidget *t = w.table();
        QCOMPARE(w.picture(r, 0), QStringLiteral(":/images/radio_unselect.png"));
        QVERIFY(t->item(r, 0)->text().isEmpty());
        QCOMPARE(t->item(r, 1)->text(), e.name);
        QCOMPARE(w.picture(r, 1), e.nameIcon);
        QCOMPARE(t->item(r, 2)->text(), e.mac.toUpper());
        QCOMPARE(t->item(r, 3)->text(), IPCameraList.at(simtest::indexOfCamera(e.mac)).ip);
        QCOMPARE(t->item(r, 4)->text(), e.connection);
        QCOMPARE(w.picture(r, 4), e.linkIcon);
        for (int col = 0; col < 5; ++col)
            QVERIFY(!(t->item(r, col)->flags() & Qt::ItemIsEditable));
    }
}

void tst_selectpage::secondInfoRecordAddsNoRow()
{
    atSelectPage w;
    const SimCamera a = makeCamera(camA, "cam");
    listCamera(a);
    listCamera(makeCamera(camB, "other", true, "secret1"));
    QCOMPARE(w.table()->rowCount(), 2);
    // The search's repeated request, or the reply to a new password.
    feed(a, '2');
    feed(a, '1');
    feed(a, '2');
    QCoreApplication::sendPostedEvents();
    QCOMPARE(w.table()->rowCount(), 2);
    QCOMPARE(w.table()->rowCount(), 2);

    // An index outside the list (a signal queued before a new search).
    QTest::ignoreMessage(QtDebugMsg, "updateDeviceList: wrong ipcamera idx.");
    w.page->updateDeviceList(7);
    QTest::ignoreMessage(QtDebugMsg, "updateDeviceList: wrong ipcamera idx.");
    w.page->updateDeviceList(-1);
    QCOMPARE(w.table()->rowCount(), 2);
}

void tst_selectpage::engineSlotsGated()
{
    atSelectPage w;
    nextPage = plugPageId;
    w.wizard.back();
    QCOMPARE(w.wizard.currentId(), plugPageId);
    listCamera(makeCamera(camA, "cam"));
    QCOMPARE(IPCameraList.size(), 1);
    QCOMPARE(w.table()->rowCount(), 0);
}

void tst_selectpage::rowInsertedAboveChoiceKeepsIt()
{
    atSelectPage w;
    listCamera(makeCamera(camA, "registered", true, "secret1"));
    w.finishSearch();
    boxes->answer("Close");  // the registered-camera notice
    w.page->clickShow(0, 1);
    QCOMPARE(w.selectedRow(), 0);
    const int chosen = configIPCameraIdx;

    // An unregistered camera arrives on top: the choice moves down with its row.
    listCamera(makeCamera(camB, "new"));
    QCOMPARE(w.rowOf(camA), 1);
    QCOMPARE(w.selectedRow(), 1);
    QCOMPARE(w.picture(1, 0), QStringLiteral(":/images/radio_selected.png"));

    // Clicking the new row chooses it rather than deselecting.
    w.page->clickShow(0, 2);
    QCOMPARE(w.selectedRow(), 0);
    QVERIFY(w.nextButton()->isEnabled());
    QCOMPARE(configIPCameraIdx, simtest::indexOfCamera(camB));
    QVERIFY(configIPCameraIdx != chosen);
    QCOMPARE(w.picture(0, 0), QStringLiteral(":/images/radio_selected.png"));
    QCOMPARE(w.picture(1, 0), QStringLiteral(":/images/radio_unselect.png"));
}

// ------------------------------------------------------------ choosing

void tst_selectpage::chooseAndDeselect()
{
    atSelectPage w;
    listCamera(makeCamera(camA, "new"));
    listCamera(makeCamera(camB, "stored", false, "secret1"));
    w.finishSearch();
    QCOMPARE(w.nextButton()->styleSheet(), greyNext);

    const int row = w.rowOf(camA);
    w.passwdEdit()->setText("typed");
    w.page->clickShow(row, 3);
    QCOMPARE(w.selectedRow(), row);
    QCOMPARE(configIPCameraIdx, simtest::indexOfCamera(camA));
    QVERIFY(w.nextButton()->isEnabled());
    QCOMPARE(w.nextButton()->styleSheet(), blueNext);
    QCOMPARE(w.picture(row, 0), QStringLiteral(":/images/radio_selected.png"));
    QCOMPARE(w.picture(1 - row, 0), QStringLiteral(":/images/radio_unselect.png"));
    // New-password mode.
    QCOMPARE(w.passwdTitle()->text(), QStringLiteral("Enter a password to secure your camera"));
    for (QWidget *f : w.passwordForm())
        QCOMPARE(f->isHidden(), f == w.forgotLink());
    QVERIFY(w.macImage()->isHidden());
    QVERIFY(w.macHint()->isHidden());
    QVERIFY(w.passwdEdit()->text().isEmpty());

    // The other camera has a stored password: confirm mode.
    w.page->clickShow(1 - row, 0);
    QCOMPARE(w.passwdTitle()->text(), QStringLiteral("Confirm your camera password"));
    for (QWidget *f : w.passwordForm())
        QCOMPARE(f->isHidden(), f == w.confirmLabel() || f == w.confirmEdit());
    QCOMPARE(w.picture(row, 0), QStringLiteral(":/images/radio_unselect.png"));

    // The chosen row clicked again: deselected, the camera index kept.
    const int idx = configIPCameraIdx;
    w.passwdEdit()->setText("typed");
    w.page->clickShow(1 - row, 4);
    QCOMPARE(w.selectedRow(), -1);
    QCOMPARE(configIPCameraIdx, idx);
    QVERIFY(!w.nextButton()->isEnabled());
    QCOMPARE(w.nextButton()->styleSheet(), blueNext);
    QCOMPARE(w.picture(1 - row, 0), QStringLiteral(":/images/radio_unselect.png"));
    for (QWidget *f : w.passwordForm())
        QVERIFY(f->isHidden());
    QVERIFY(!w.macImage()->isHidden());
    QVERIFY(!w.macHint()->isHidden());
    QVERIFY(w.passwdEdit()->text().isEmpty());
    QCOMPARE(boxes->count(), 0);
}

void tst_selectpage::ruleOrMismatchBox_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("boxText");  // empty: no box, the password goes out
    QTest::addColumn<QPoint>("offset");

    QTest::newRow("valid, same") << "abc123"
                                 << "abc123" << QString() << QPoint();
    QTest::newRow("valid, different") << "abc123"
                                      << "abc124" << mismatchText << QPoint(180, 250);
    QTest::newRow("valid, confirm empty") << "abc123"
                                          << "" << mismatchText << QPoint(180, 250);
    QTest::newRow("valid, case differs") << "abc123"
                                         << "ABC123" << mismatchText << QPoint(180, 250);
    QTest::newRow("too short, same") << "abc12"
                                     << "abc12" << ruleText << QPoint(120, 250);
    QTest::newRow("one letter, different") << "a12345"
                                           << "b12345" << ruleText << QPoint(120, 250);
    QTest::newRow("space, same") << "abc 123"
                                 << "abc 123" << ruleText << QPoint(120, 250);
    QTest::newRow("empty") << ""
                           << "" << ruleText << QPoint(120, 250);
}

void tst_selectpage::ruleOrMismatchBox()
{
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(QString, boxText);
    QFETCH(QPoint, offset);
    atSelectPage w;
    listCamera(makeCamera(camA, "new"));
    w.finishSearch();
    w.page->clickShow(0, 1);
    takeSent();

    w.passwdEdit()->setText(password);
    w.confirmEdit()->setText(confirm);
    bool veilShown = false;
    boxes->onOpen([&](QDialog *) {
        veilShown = !waitPicture(w.run())->isHidden()
                    && waitPicture(w.run())->property("picture").toString()
                           == QStringLiteral(":/images/loading00.png")
                    && waitText(w.run())->isHidden() && !waitTimer(w.run())->isActive();
    });
    boxes->answer("Close");
    w.page->next();

    const QList<sentCommand> sent = takeSent();
    if (boxText.isEmpty()) {
        QCOMPARE(boxes->count(), 0);
        QCOMPARE(countOf(sent, '2', "P"), 1);
        QCOMPARE(itemOf(sent.at(0).body, "P"), password.toUtf8().toBase64());
        QCOMPARE(countOf(sent, '2', "G"), 0);
        QVERIFY(!w.backButton()->isEnabled());
        QVERIFY(waitTimer(w.run())->isActive());
        // The run under the veil is the password's, not a search.
        w.tick();
        QCOMPARE(waitText(w.run())->text(), QStringLiteral("<b>Saving camera's password.</b>"));
        return;
    }
    QCOMPARE(boxes->count(), 1);
    QVERIFY(veilShown);
    const recordedBox &box = boxes->last();
    QCOMPARE(box.text, boxText);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.pos, wizardPos + offset);
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("detail_close_btu"));
    QVERIFY(sent.isEmpty());
    QVERIFY(waitPicture(w.run())->isHidden());
    QVERIFY(!waitTimer(w.run())->isActive());
    QVERIFY(w.listIsUsers());
    QVERIFY(w.passwdEdit()->text().isEmpty());
    QVERIFY(w.confirmEdit()->text().isEmpty());
    // The choice and the form stay.
    QCOMPARE(w.selectedRow(), 0);
    QVERIFY(!w.confirmEdit()->isHidden());
}

void tst_selectpage::newPasswordRun_data()
{
    QTest::addColumn<int>("replyTick");             // when the camera confirms, -1 never
    QTest::addColumn<QByteArray>("replyPassword");  // what its info record carries
    QTest::addColumn<int>("setPasswords");
    QTest::addColumn<int>("restartTick");  // -1 none
    QTest::addColumn<bool>("confirmed");   // on to page 2 at tick 100, else the box

    QTest::newRow("confirms before 50") << 10 << QByteArray("river7stone") << 1 << 50 << true;
    QTest::newRow("confirms between 50 and 80")
        << 65 << QByteArray("river7stone") << 2 << 80 << true;
    QTest::newRow("confirms between 80 and 100")
        << 90 << QByteArray("river7stone") << 2 << -1 << true;
    QTest::newRow("never confirms") << -1 << QByteArray() << 2 << -1 << false;
    // A late answer to the search's info request, or a camera that kept
    // no password: an info record, but no password in it.
    QTest::newRow("record without the password") << 10 << QByteArray() << 2 << -1 << false;
}

// The timing of a camera that confirms is kept; one that does not is told.
void tst_selectpage::newPasswordRun()
{
    QFETCH(int, replyTick);
    QFETCH(QByteArray, replyPassword);
    QFETCH(int, setPasswords);
    QFETCH(int, restartTick);
    QFETCH(bool, confirmed);
    atSelectPage w;
    SimCamera cam = makeCamera(camA, "new");
    listCamera(cam);
    w.finishSearch();
    w.page->clickShow(0, 1);
    takeSent();

    w.passwdEdit()->setText("river7stone");
    w.confirmEdit()->setText("river7stone");
    w.page->next();
    QVERIFY(!w.backButton()->isEnabled());
    QVERIFY(w.run()->isRunning());
    QCOMPARE(w.run()->ticks(), 0);

    QList<sentCommand> sent;
    int restartSeenAt = -1;
    int setPasswordsBefore50 = -1;
    int boxAt = -1;
    boxes->onOpen([&](QDialog *) { boxAt = w.run()->ticks(); });
    while (w.wizard.currentId() == selectPageId && w.run()->ticks() < 150 && boxes->count() == 0) {
        if (w.run()->ticks() == replyTick) {
            cam.password = replyPassword;
            feed(cam, '2');
        }
        if (w.run()->ticks() == 49)
            setPasswordsBefore50 = countOf(sent + takeSent(), '2', "P");
        w.tick();
        const QList<sentCommand> now = takeSent();
        if (countOf(now, '9'))
            restartSeenAt = w.run()->ticks();
        sent += now;
        if (w.run()->ticks() == 1) {
            QCOMPARE(waitText(w.run())->text(), QStringLiteral("<b>Saving camera's password.</b>"));
            QCOMPARE(waitText(w.run())->geometry(), QRect(285, 330, 250, 20));
            // The form stays under the veil.
            QVERIFY(!w.confirmEdit()->isHidden());
        }
    }
    QCOMPARE(setPasswordsBefore50, 1);
    QCOMPARE(countOf(sent, '2', "P"), setPasswords);
    QCOMPARE(countOf(sent, '9', "L"), restartTick < 0 ? 0 : 1);
    QCOMPARE(restartSeenAt, restartTick);
    for (const sentCommand &c : sent) {
        if (c.zvrClass == '2' && c.body.contains(";P=")) {
            QCOMPARE(c.dst, camA);
            QCOMPARE(itemOf(c.body, "P"), QByteArray("river7stone").toBase64());
            QVERIFY(!c.body.contains(";G="));
        }
        if (c.zvrClass == '9')
            QVERIFY(c.body.endsWith(";L=1"));
    }
    QCOMPARE(w.run()->ticks(), 100);
    QVERIFY(!waitTimer(w.run())->isActive());
    if (confirmed) {
        QCOMPARE(w.wizard.currentId(), connectPageId);
        QCOMPARE(nextPage, connectPageId);
        QVERIFY(waitPicture(w.run())->isHidden());
        QCOMPARE(boxes->count(), 0);
        return;
    }
    // Ten seconds after Next, as the move on would have come.
    QCOMPARE(boxAt, 100);
    QCOMPARE(w.wizard.currentId(), selectPageId);
    QCOMPARE(nextPage, selectPageId);
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, unconfirmedText);
}

void tst_selectpage::confirmMode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << "garage42" << true;
    QTest::newRow("wrong") << "garage43" << false;
    QTest::newRow("case differs") << "GARAGE42" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_selectpage::confirmMode()
{
    QFETCH(QString, typed);
    QFETCH(bool, right);
    atSelectPage w;
    listCamera(makeCamera(camA, "stored", false, "garage42"));
    w.finishSearch();
    w.page->clickShow(0, 1);
    QVERIFY(w.confirmEdit()->isHidden());
    takeSent();

    w.passwdEdit()->setText(typed);
    boxes->answer("Close");
    w.page->next();
    if (right) {
        QCOMPARE(boxes->count(), 0);
        w.tick(20);
        QCOMPARE(waitText(w.run())->text(),
                 QStringLiteral("<b>Retrieving the camera's password...</b>"));
        QCOMPARE(waitText(w.run())->geometry(), QRect(265, 330, 250, 20));
        QCOMPARE(w.wizard.currentId(), selectPageId);
        QVERIFY(takeSent().isEmpty());
        w.tick();
        QCOMPARE(w.wizard.currentId(), connectPageId);
        QCOMPARE(nextPage, connectPageId);
        QCOMPARE(configIPCameraIdx, 0);
        QVERIFY(!waitTimer(w.run())->isActive());
        QVERIFY(waitPicture(w.run())->isHidden());
        QCOMPARE(countOf(takeSent(), '2', "P"), 0);
        return;
    }
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, heading + QStringLiteral("Input wrong password, please check!"));
    QCOMPARE(boxes->last().pos, wizardPos + QPoint(200, 230));
    QVERIFY(takeSent().isEmpty());
    QVERIFY(w.passwdEdit()->text().isEmpty());
    QVERIFY(waitPicture(w.run())->isHidden());
    QVERIFY(!waitTimer(w.run())->isActive());
    QVERIFY(w.listIsUsers());
    QCOMPARE(w.wizard.currentId(), selectPageId);
}

void tst_selectpage::nextWithoutCameraStopsSilently()
{
    atSelectPage w;
    w.finishSearch();
    // A later visit can leave Next enabled with nothing chosen.
    w.nextButton()->setEnabled(true);
    w.passwdEdit()->setText("abc123");
    takeSent();
    w.page->next();
    QCOMPARE(boxes->count(), 0);
    QVERIFY(!waitTimer(w.run())->isActive());
    QVERIFY(waitPicture(w.run())->isHidden());
    QVERIFY(waitText(w.run())->isHidden());
    QVERIFY(w.listIsUsers());
    QVERIFY(w.passwdEdit()->text().isEmpty());
    QVERIFY(takeSent().isEmpty());
}

// ------------------------------------------------------------ navigation

void tst_selectpage::back_data()
{
    QTest::addColumn<bool>("fromStart");
    QTest::newRow("start id 0: history") << true;
    QTest::newRow("other start id: restart at 0") << false;
}

void tst_selectpage::back()
{
    QFETCH(bool, fromStart);
    atSelectPage w;
    if (!fromStart) {
        // A jump, as the connection page makes one.
        nextPage = selectPageId;
        w.wizard.setStartId(selectPageId);
        w.wizard.restart();
    }
    QCOMPARE(w.wizard.startId(), fromStart ? plugPageId : selectPageId);
    w.finishSearch();
    w.backButton()->click();
    QCOMPARE(nextPage, plugPageId);
    QCOMPARE(w.wizard.currentId(), plugPageId);
    QCOMPARE(w.wizard.startId(), plugPageId);
    QCOMPARE(w.wizard.visitedIds(), QList<int>{0});
}

void tst_selectpage::registeredNotice_data()
{
    QTest::addColumn<QStringList>("answers");  // "link" follows the notice's reset link
    QTest::addColumn<bool>("searching");       // the reset road started a new search
    QTest::newRow("Close") << QStringList{"Close"} << false;
    QTest::newRow("link, Close") << QStringList{"link", "Close"} << false;
    QTest::newRow("link, Restart, No") << QStringList{"link", "Restart", "No"} << false;
    QTest::newRow("link, Restart, Yes") << QStringList{"link", "Restart", "Yes"} << true;
}

void tst_selectpage::registeredNotice()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, searching);
    supportType = QStringLiteral("KSM-271E");
    atSelectPage w;
    listCamera(makeCamera(camA, "porch", true, "porch2012"));
    w.finishSearch();
    takeSent();

    QPointer<pageBox> notice;
    bool veilShown = false;
    for (const QString &a : answers) {
        if (a == QLatin1String("link")) {
            boxes->answerWith([&](QDialog *d) {
                notice = qobject_cast<pageBox *>(d);
                d->show();
                for (QLabel *l : d->findChildren<QLabel *>()) {
                    if (l->text() == registeredText)
                        emit l->linkActivated(QStringLiteral("terms"));
                }
            });
        } else {
            boxes->answer(a);
        }
    }
    boxes->onOpen([&](QDialog *d) {
        if (!notice)
            notice = qobject_cast<pageBox *>(d);
        veilShown = !waitPicture(w.run())->isHidden();
    });
    w.page->clickShow(0, 1);
    QCOMPARE(boxes->pendingAnswers(), 0);
    QVERIFY(veilShown);

    QCOMPARE(boxes->count(), answers.size());
    const recordedBox &box = boxes->at(0);
    QVERIFY(box.text.isEmpty());
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.labelTexts, QStringList{registeredText});
    QCOMPARE(box.pos, wizardPos + QPoint(155, 210));
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("detail_close_btu"));
    // Released once its road is done.
    QVERIFY(notice.isNull());
    QVERIFY(livePageBoxes().isEmpty());

    if (answers.size() > 1) {
        const recordedBox &reset = boxes->at(1);
        QCOMPARE(
            reset.text,
            QStringLiteral(
                "Press and hold the Reset button for at least 6 seconds while your camera is plugged. "
                "After reseting your camera, click <b>Restart</b> to continue."));
        QCOMPARE(reset.pos, wizardPos + QPoint(130, 210));
        QCOMPARE(reset.buttons.at(1).objectName, QStringLiteral("detail_close_btu"));
    }
    if (answers.size() > 2) {
        QCOMPARE(boxes->at(2).text,
                 QStringLiteral("Is the Power/Link LED on the camera lit green ?"));
        QCOMPARE(boxes->at(2).pos, wizardPos + QPoint(190, 273));
    }
    // No road sends anything to the camera; only Yes searches again.
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(sent.size(), searching ? 1 : 0);

    if (searching) {
        QCOMPARE(countOf(sent, '1'), 1);
        QCOMPARE(w.table()->rowCount(), 0);
        QVERIFY(IPCameraList.isEmpty());
        QCOMPARE(configIPCameraIdx, -1);
        QCOMPARE(w.selectedRow(), -1);
        QVERIFY(waitTimer(w.run())->isActive());
        // The notice did not take its Close road: the search keeps its veil.
        QVERIFY(!waitPicture(w.run())->isHidden());
        QVERIFY(!waitText(w.run())->isHidden());
        QVERIFY(!w.nextButton()->isEnabled());
        for (QWidget *f : w.passwordForm())
            QVERIFY(f->isHidden());
        QVERIFY(!w.macImage()->isHidden());
        return;
    }
    QVERIFY(waitPicture(w.run())->isHidden());
    QCOMPARE(w.selectedRow(), 0);
    QVERIFY(w.nextButton()->isEnabled());
    QCOMPARE(w.passwdTitle()->text(), QStringLiteral("Confirm your camera password"));
    QVERIFY(!w.forgotLink()->isHidden());
    QVERIFY(w.confirmEdit()->isHidden());
}

void tst_selectpage::rowArrivingBehindNotice()
{
    atSelectPage w;
    listCamera(makeCamera(camA, "porch", true, "porch2012"));
    w.finishSearch();
    // Queued engine signals still reach the page while the notice is open.
    boxes->answerWith([&](QDialog *d) {
        listCamera(makeCamera(camB, "new"));
        static_cast<pageBox *>(d)->buttons().at(0)->click();
    });
    w.page->clickShow(0, 1);
    QCOMPARE(w.rowOf(camA), 1);
    QCOMPARE(w.selectedRow(), 1);
    QCOMPARE(configIPCameraIdx, simtest::indexOfCamera(camA));
    QVERIFY(waitPicture(w.run())->isHidden());
    QCOMPARE(w.passwdTitle()->text(), QStringLiteral("Confirm your camera password"));
    QVERIFY(!w.passwdEdit()->isHidden());
    QVERIFY(w.confirmEdit()->isHidden());
}

void tst_selectpage::upperCaseMacRow()
{
    atSelectPage w;
    listCamera(makeCamera(camA, "lower"));
    const SimCamera upper = makeCamera(QStringLiteral("02:00:00:00:AB:CD"), "upper");
    listCamera(upper);
    // Its second info record adds no second row either.
    feed(upper, '2');
    QCoreApplication::sendPostedEvents();
    QCOMPARE(w.table()->rowCount(), 2);
    w.finishSearch();

    // A camera chosen before, then the row without a record.
    w.page->clickShow(w.rowOf(camA), 1);
    QCOMPARE(configIPCameraIdx, 0);
    const int row = w.rowOf(QStringLiteral("02:00:00:00:AB:CD"));
    w.page->clickShow(row, 1);
    QCOMPARE(configIPCameraIdx, -1);
    QCOMPARE(w.selectedRow(), -1);
    QVERIFY(!w.nextButton()->isEnabled());
    for (QWidget *f : w.passwordForm())
        QVERIFY(f->isHidden());
    QVERIFY(!w.macImage()->isHidden());
    for (int r = 0; r < 2; ++r)
        QCOMPARE(w.picture(r, 0), QStringLiteral(":/images/radio_unselect.png"));
    QCOMPARE(boxes->count(), 0);

    // Clicked again: still no choice, and no record is read.
    w.page->clickShow(row, 2);
    QCOMPARE(configIPCameraIdx, -1);
    QVERIFY(!w.nextButton()->isEnabled());
    takeSent();
    w.page->next();
    QCOMPARE(boxes->count(), 0);
    QVERIFY(takeSent().isEmpty());
}

void tst_selectpage::noCameraHelp()
{
    atSelectPage w;
    w.finishSearch();
    bool veilShown = false;
    boxes->onOpen([&](QDialog *) { veilShown = !waitPicture(w.run())->isHidden(); });
    boxes->answer("Close");
    emit w.noCameraLink()->linkActivated(QStringLiteral("http"));
    QVERIFY(veilShown);
    QVERIFY(waitPicture(w.run())->isHidden());
    QCOMPARE(boxes->count(), 1);
    const recordedBox &box = boxes->last();
    QCOMPARE(
        box.text,
        QStringLiteral(
            "<font size=5 face=verdana color=#2a7ba6   ><b>Cannot detect your wired "
            "connection?</b></font><br><br>Please close this lightbox and click <b>Back</b> button "
            "to previous page. Follow the instruction to install the camera again."));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.pos, wizardPos + QPoint(130, 210));
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("detail_close_btu"));
}

void tst_selectpage::wirelessLegend_data()
{
    QTest::addColumn<bool>("wireless");
    QTest::newRow("wireless model") << true;
    QTest::newRow("wired model") << false;
}

void tst_selectpage::wirelessLegend()
{
    QFETCH(bool, wireless);
    isWireless = wireless;
    selectPage page;
    auto *legendPicture = page.findChild<QLabel *>(QStringLiteral("wirelessLegendPicture"));
    auto *legendLabel = page.findChild<QLabel *>(QStringLiteral("wirelessLegendLabel"));
    QVERIFY(legendPicture && legendLabel);
    QCOMPARE(legendPicture->isHidden(), !wireless);
    QCOMPARE(legendLabel->isHidden(), !wireless);
    QCOMPARE(legendLabel->text(), QStringLiteral("Wireless"));
    int shownLegends = 0;
    for (QLabel *l : page.findChildren<QLabel *>()) {
        if (l->property("picture").toString().startsWith(QStringLiteral(":/images/icon_"))
            && !l->isHidden())
            ++shownLegends;
    }
    QCOMPARE(shownLegends, wireless ? 4 : 3);
}

void tst_selectpage::toolTip()
{
    atSelectPage w;
    w.wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.wizard));
    waitTimer(w.run())->stop();
    listCamera(makeCamera(camA, "First"));
    listCamera(makeCamera(camB, "Second"));
    QTableWidget *t = w.table();

    w.page->showToolTip(t->model()->index(1, 2));
    QVERIFY(QToolTip::text().isEmpty());
    w.page->showToolTip(t->model()->index(1, 1));
    QCOMPARE(shownText(QToolTip::text()), t->item(1, 1)->text());
    QToolTip::hideText();
}

// A camera names itself: its name is shown as it is, never as markup.
void tst_selectpage::toolTipShowsNameAsItIs_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("picture") << QByteArray("<img src=\"images/MACID.PNG\">");
    QTest::newRow("large font") << QByteArray("<font size=7>BIG</font>");
    QTest::newRow("link") << QByteArray("<a href=\"http://x.example/\">click</a>");
    QTest::newRow("entity and blanks") << QByteArray("a &amp;  b");
    QTest::newRow("plain") << QByteArray("Garage");
}

void tst_selectpage::toolTipShowsNameAsItIs()
{
    QFETCH(QByteArray, name);
    atSelectPage w;
    w.wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.wizard));
    waitTimer(w.run())->stop();
    listCamera(makeCamera(camA, name));
    auto *t = w.control<QTableWidget>("cameraTable");
    QCOMPARE(t->item(0, 1)->text(), QString::fromUtf8(name));

    emit t->entered(t->model()->index(0, 1));
    const QString tip = QToolTip::text();
    QToolTip::hideText();
    QTextDocument shown;
    shown.setHtml(tip);
    QCOMPARE(shown.toPlainText(), QString::fromUtf8(name));
    // Nothing but text: no picture, no link, one size.
    QVERIFY(!shown.toPlainText().contains(QChar::ObjectReplacementCharacter));
    for (QTextBlock b = shown.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QVERIFY(!f.isAnchor());
            QVERIFY(!f.isImageFormat());
            QVERIFY(!f.hasProperty(QTextFormat::FontSizeAdjustment));
        }
    }
}

// ------------------------------------------------------------ roads back

// Every road onto the camera list after a first visit with a camera chosen
// and a password typed: the page searches anew with nothing to press (the
// keyboard included) until the search ends, and is then fully usable.
void tst_selectpage::reentryRoads_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<bool>("keepsTyped");
    QTest::newRow("Back, then Next on the plug-in page") << "plug next" << false;
    QTest::newRow("Back on the connection page") << "connect back" << false;
    QTest::newRow("reset road's restart on the connection page") << "connect reset" << false;
    QTest::newRow("hard reset on the registered-camera page") << "registered reset" << false;
    QTest::newRow("Rescan") << "rescan" << true;
    QTest::newRow("forgot password, Restart, Yes") << "forgot" << true;
}

void tst_selectpage::reentryRoads()
{
    QFETCH(QString, road);
    QFETCH(bool, keepsTyped);
    atSelectPage w;
    w.wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.wizard));
    waitTimer(w.run())->stop();  // ticked by hand
    SimCamera fresh = makeCamera(camA, "new");
    const SimCamera stored = makeCamera(camB, "stored", false, "garage42");
    listCamera(fresh);
    listCamera(stored);
    w.tickTo(100);
    selectControls c(w.page);
    w.page->clickShow(w.rowOf(camB), 1);
    c.passwd->setText(QStringLiteral("garage42"));

    if (road.startsWith(QLatin1String("connect")) || road == QLatin1String("registered reset")) {
        c.next->click();
        w.tickTo(21);
        QCOMPARE(w.wizard.currentId(), int(connectPageId));
        QWidget *page2 = w.wizard.currentPage();
        takeSent();
        if (road == QLatin1String("connect back")) {
            auto *back2 = page2->findChild<QPushButton *>("conn_back_btn");
            QVERIFY(back2->isEnabled());
            back2->click();
        } else if (road == QLatin1String("connect reset")) {
            boxes->answer("Restart");
            boxes->answer("Yes");
            QVERIFY(QMetaObject::invokeMethod(page2, "openMymsgBox", Qt::DirectConnection,
                                              Q_ARG(QString, QStringLiteral("terms"))));
        } else {
            nextPage = joinPage1Id;
            w.wizard.setStartId(joinPage1Id);
            w.wizard.restart();
            takeSent();
            boxes->answer("Restart");
            boxes->answer("Yes");
            QVERIFY(QMetaObject::invokeMethod(w.wizard.currentPage(), "hard_reset_Slot",
                                              Qt::DirectConnection,
                                              Q_ARG(QString, QStringLiteral("terms"))));
        }
    } else {
        c.confirm->setText(QStringLiteral("garage42"));
        takeSent();
        if (road == QLatin1String("plug next")) {
            c.back->click();
            QCOMPARE(w.wizard.currentId(), int(plugPageId));
            boxes->answer("Yes");
            w.wizard.currentPage()->findChild<QPushButton *>("plug_next_but")->click();
        } else if (road == QLatin1String("rescan")) {
            c.rescan->click();
        } else {
            boxes->answer("Restart");
            boxes->answer("Yes");
            emit c.forgot->linkActivated(QStringLiteral("http"));
        }
    }

    // Searching: one scan, an empty list, the veil, nothing to press.
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    QCOMPARE(nextPage, selectPageId);
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(countOf(sent, '1'), 1);
    QCOMPARE(countOf(sent, '2', "P"), 0);
    QCOMPARE(c.table->rowCount(), 0);
    QCOMPARE(configIPCameraIdx, -1);
    QVERIFY(w.run()->ticks() == 0);
    QVERIFY(c.veil->isVisible());
    for (QWidget *x : c.listControls())
        QVERIFY2(!x->isEnabled(), qPrintable(x->objectName()));
    QCOMPARE(c.passwd->text().isEmpty(), !keepsTyped);
    w.tick();
    for (QWidget *x : tabRound())
        QVERIFY2(!c.listControls().contains(x) && x != c.passwd && x != c.confirm,
                 qPrintable(x->objectName()));
    QTest::keyClick(&w.wizard, Qt::Key_Return);
    QTest::keyClick(&w.wizard, Qt::Key_Space);
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    QVERIFY(takeSent().isEmpty());

    // The search ends: the list is the user's, and the keyboard can choose.
    fresh.model = "KSM-271E";
    listCamera(fresh);
    w.tickTo(80);
    for (QWidget *x : {static_cast<QWidget *>(c.back), static_cast<QWidget *>(c.rescan),
                       static_cast<QWidget *>(c.table), static_cast<QWidget *>(c.noCamera)})
        QVERIFY2(x->isEnabled(), qPrintable(x->objectName()));
    QVERIFY(!c.next->isEnabled());
    QVERIFY(c.veil->isHidden());
    QVERIFY(tabRound().contains(c.table));
    c.table->setFocus();
    QTest::keyClick(c.table, Qt::Key_Space);
    QVERIFY(c.next->isEnabled());
    QVERIFY(c.passwd->isVisible());
    QCOMPARE(QApplication::focusWidget(), c.passwd);
    QVERIFY(c.passwd->text().isEmpty());
    typeInto(c.passwd, QStringLiteral("river7stone"));
    QTest::keyClick(c.passwd, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), c.confirm);
    QTest::keyClicks(c.confirm, QStringLiteral("river7stone"));
    QTest::keyClick(c.confirm, Qt::Key_Return);
    const QList<sentCommand> set = takeSent();
    QCOMPARE(countOf(set, '2', "P"), 1);
    QCOMPARE(set.last().dst, camA);
    QCOMPARE(itemOf(set.last().body, "P"), QByteArray("river7stone").toBase64());
    const int roadBoxes = road.contains(QLatin1String("reset")) || road == QLatin1String("forgot")
                              ? 2
                          : road == QLatin1String("plug next") ? 1
                                                               : 0;
    QCOMPARE(boxes->count(), roadBoxes);
}

// A camera that never confirms: the user is told at tick 100 and chooses.
void tst_selectpage::unconfirmedPasswordBox_data()
{
    QTest::addColumn<QString>("answer");  // "Enter", "Escape": the key on the box
    QTest::newRow("Retry") << "Retry";
    QTest::newRow("Enter presses Retry") << "Enter";
    QTest::newRow("Close") << "Close";
    QTest::newRow("Escape presses Close") << "Escape";
}

void tst_selectpage::unconfirmedPasswordBox()
{
    QFETCH(QString, answer);
    atSelectPage w;
    SimCamera cam = makeCamera(camA, "silent");
    listCamera(cam);
    w.finishSearch();
    selectControls c(w.page);
    w.page->clickShow(0, 1);
    c.passwd->setText(QStringLiteral("river7stone"));
    c.confirm->setText(QStringLiteral("river7stone"));
    c.next->click();
    bool veilShown = false;
    if (answer == QLatin1String("Enter") || answer == QLatin1String("Escape")) {
        const Qt::Key key = answer == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape;
        boxes->answerWith([&, key](QDialog *d) {
            veilShown = !c.veil->isHidden();
            d->show();
            QTest::keyClick(d, key);
        });
    } else {
        boxes->onOpen([&](QDialog *) { veilShown = !c.veil->isHidden(); });
        boxes->answer(answer);
    }
    w.tickTo(99);
    QVERIFY(boxes->count() == 0);
    QCOMPARE(countOf(takeSent(), '2', "P"), 2);
    w.tick();
    QCOMPARE(boxes->count(), 1);
    QVERIFY(veilShown);
    const recordedBox &box = boxes->last();
    QCOMPARE(box.text, unconfirmedText);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.pos, wizardPos + QPoint(160, 230));
    QCOMPARE(box.buttons.size(), 2);
    QCOMPARE(box.buttons.at(0).caption, QStringLiteral("Retry    "));
    QCOMPARE(box.buttons.at(0).objectName, QStringLiteral("j4_done_btu"));
    QCOMPARE(box.buttons.at(1).caption, QStringLiteral("Close    "));
    QCOMPARE(box.buttons.at(1).objectName, QStringLiteral("detail_close_btu"));
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    const QList<sentCommand> afterBox = takeSent();

    if (answer == QLatin1String("Close") || answer == QLatin1String("Escape")) {
        // Back at the list with the camera still chosen.
        QVERIFY(c.veil->isHidden());
        QVERIFY(!waitTimer(w.run())->isActive());
        for (QWidget *x : c.listControls())
            QVERIFY2(x->isEnabled(), qPrintable(x->objectName()));
        QVERIFY(c.passwd->text().isEmpty());
        QVERIFY(c.confirm->text().isEmpty());
        QVERIFY(!c.passwd->isReadOnly());
        QVERIFY(!c.confirm->isHidden());
        QVERIFY(afterBox.isEmpty());
        c.rescan->click();
        QCOMPARE(countOf(takeSent(), '1'), 1);
        return;
    }
    // Retry: the same password in a new run, which the camera now confirms.
    QCOMPARE(w.run()->ticks(), 0);
    QVERIFY(waitTimer(w.run())->isActive());
    QCOMPARE(c.passwd->text(), QStringLiteral("river7stone"));
    QCOMPARE(countOf(afterBox, '2', "P"), 1);
    QCOMPARE(itemOf(afterBox.last().body, "P"), QByteArray("river7stone").toBase64());
    w.tickTo(10);
    cam.password = "river7stone";
    feed(cam, '2');
    w.tickTo(50);
    QCOMPARE(countOf(takeSent(), '9', "L"), 1);
    w.tickTo(99);
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    w.tick();
    QCOMPARE(w.wizard.currentId(), int(connectPageId));
    QCOMPARE(boxes->count(), 1);
}

// The camera's stored password is gone by the time Next is pressed in
// confirm mode: no password that breaks the rule is sent, the empty one
// least of all, and the form asks for a new one.
void tst_selectpage::storedPasswordLostInConfirmMode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("nothing typed") << "" << ruleText << QPoint(120, 250);
    QTest::newRow("too short") << "ab1"
                               << QString(heading + "Two times input password are not the same!")
                               << QPoint(200, 230);
    QTest::newRow("a valid one") << "river7stone"
                                 << QString(heading + "Two times input password are not the same!")
                                 << QPoint(200, 230);
}

void tst_selectpage::storedPasswordLostInConfirmMode()
{
    QFETCH(QString, typed);
    QFETCH(QString, boxText);
    QFETCH(QPoint, offset);
    atSelectPage w;
    SimCamera cam = makeCamera(camA, "reset meanwhile", false, "garage42");
    listCamera(cam);
    w.finishSearch();
    selectControls c(w.page);
    w.page->clickShow(0, 1);
    QVERIFY(c.confirm->isHidden());
    // Reset behind the user's back: its next info record has no password.
    cam.password.clear();
    feed(cam, '2');
    QCoreApplication::sendPostedEvents();
    QVERIFY(IPCameraList.at(configIPCameraIdx).password.isEmpty());
    takeSent();

    c.passwd->setText(typed);
    boxes->answer("Close");
    c.next->click();
    QVERIFY(!waitTimer(w.run())->isActive());
    QCOMPARE(countOf(takeSent(), '2', "P"), 0);
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, boxText);
    QCOMPARE(boxes->last().pos, wizardPos + offset);
    // The new-password form, to type the password twice.
    QVERIFY(!c.confirm->isHidden());
    QVERIFY(c.forgot->isHidden());
    QVERIFY(c.next->isEnabled());
    QVERIFY(c.passwd->text().isEmpty());

    c.passwd->setText(QStringLiteral("river7stone"));
    c.confirm->setText(QStringLiteral("river7stone"));
    c.next->click();
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(countOf(sent, '2', "P"), 1);
    QCOMPARE(itemOf(sent.last().body, "P"), QByteArray("river7stone").toBase64());
}

// A camera that answers the scan and then nothing: the search still ends,
// and the user can search again or go back.
void tst_selectpage::cameraSilentAfterScan()
{
    atSelectPage w;
    feed(makeCamera(camA, "mute"), '1');
    QCoreApplication::sendPostedEvents();
    QCOMPARE(IPCameraList.size(), 1);
    takeSent();
    QCOMPARE(w.finishSearch(), 100);
    QCOMPARE(countOf(takeSent(), '2'), 2);  // asked again at 80 and 100
    selectControls c(w.page);
    QCOMPARE(c.table->rowCount(), 0);
    QVERIFY(c.veil->isHidden());
    for (QWidget *x : {static_cast<QWidget *>(c.back), static_cast<QWidget *>(c.rescan),
                       static_cast<QWidget *>(c.noCamera)})
        QVERIFY2(x->isEnabled(), qPrintable(x->objectName()));
    c.rescan->click();
    QCOMPARE(countOf(takeSent(), '1'), 1);
    w.finishSearch();
    c.back->click();
    QCOMPARE(w.wizard.currentId(), int(plugPageId));
}

// While the password goes out, neither Tab nor Enter reaches anything that
// would send it again, leave the page or change it.
void tst_selectpage::keyboardDuringPasswordRun()
{
    atSelectPage w;
    w.wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.wizard));
    listCamera(makeCamera(camA, "silent"));
    w.tickTo(80);
    selectControls c(w.page);
    w.page->clickShow(0, 1);
    typeInto(c.passwd, QStringLiteral("river7stone"));
    typeInto(c.confirm, QStringLiteral("river7stone"));
    QTest::keyClick(c.confirm, Qt::Key_Return);  // Enter in the form is Next
    QCOMPARE(countOf(takeSent(), '2', "P"), 1);
    QVERIFY(waitTimer(w.run())->isActive());
    waitTimer(w.run())->stop();  // ticked by hand

    w.tick(10);
    for (QWidget *x : c.listControls())
        QVERIFY2(!x->isEnabled(), qPrintable(x->objectName()));
    QTest::keyClick(c.passwd, Qt::Key_Return);
    QTest::keyClick(c.confirm, Qt::Key_Enter);
    QTest::keyClicks(c.passwd, QStringLiteral("xyz"));
    QCOMPARE(c.passwd->text(), QStringLiteral("river7stone"));
    for (QWidget *x : tabRound()) {
        QVERIFY2(!c.listControls().contains(x), qPrintable(x->objectName()));
        if (auto *b = qobject_cast<QPushButton *>(x);
            b && b->window() == &w.wizard && w.page->isAncestorOf(b))
            QTest::keyClick(b, Qt::Key_Space);
    }
    QCOMPARE(w.run()->ticks(), 10);
    QCOMPARE(countOf(takeSent(), '2', "P"), 0);
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    QCOMPARE(boxes->count(), 0);
}

// ------------------------------------------------------------ screens

// Renders the page for a person to look at.
QTEST_MAIN(tst_selectpage)
#include "tst_selectpage.moc"
