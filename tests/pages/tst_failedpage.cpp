// The Internet connection page in a real wizard window. Commands leave the
// engine for a capture socket on 127.0.0.1; camera replies are fed straight
// into the engine's reader; the check run is driven by calling its tick
// slot, never by waiting.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageframe.h"
#include "pages/setup/failedpage.h"
#include "pages/setup/ipv4input.h"
#include "pages/setup/myipaddredit.h"
#include "pages/setup/networkcheck.h"
#include "pages/setup/networksetup.h"
#include "protocol/hostaddress.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tests/support/checkdecision.h"
#include "tests/support/commandcapture.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/pagebench.h"
#include "tests/support/programstate.h"
#include "tests/support/simtestutil.h"
#include "tests/support/waitlabels.h"
#include "tests/support/wizardfixture.h"

#include <QApplication>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using camsim::SimCamera;
using simtest::feed;
using simtest::hostMac;

namespace {

// The five address editors of the static form, in their order.
QList<MyIpAddrEdit *> addressEditsOf(const QObject *page)
{
    QList<MyIpAddrEdit *> list;
    for (const char *name : {"ipEdit", "maskEdit", "gatewayEdit", "dns1Edit", "dns2Edit"})
        list << controlOf<MyIpAddrEdit>(page, QString::fromLatin1(name));
    return list;
}

const QPoint wizardPos(100, 50);
const QString camMac = QStringLiteral("02:00:00:00:1a:01");
const QByteArray camModel = "KSM-271E";
const QString veilPic = QStringLiteral(":/images/loading00.png");
const QString heading =
    QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>");
const QString registeredText =
    heading
    + QStringLiteral(
        "The camera have already registered, click <b>Reset</b> to restart the application and "
        "reset the camera, click <b>OK</b> just re-configure the camera!");
const QString failureText = heading + QStringLiteral("Connection is failed.");

QString closeStyle(const char *font)
{
    return QStringLiteral("background-image: url(:/images/btn_close-no_blue.png);font:%1;"
                          "color:rgb(255,255,255);border: 0px")
        .arg(QLatin1String(font));
}

// A box as the page must show it: its text, the offset from the wizard and
// per button its caption and style (all "detail_close_btu").
void expectBox(const recordedBox &box, const QString &text, QPoint offset,
               const QList<QPair<QString, QString>> &buttons)
{
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.pos, wizardPos + offset);
    QVERIFY(!box.hasParent);
    QVERIFY(box.flags & Qt::FramelessWindowHint);
    QCOMPARE(box.buttons.size(), buttons.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(box.buttons.at(i).caption, buttons.at(i).first);
        QCOMPARE(box.buttons.at(i).styleSheet, buttons.at(i).second);
        QCOMPARE(box.buttons.at(i).objectName, QStringLiteral("detail_close_btu"));
        QCOMPARE(box.buttons.at(i).size, QSize(119, 34));
        QCOMPARE(box.buttons.at(i).role, QMessageBox::ActionRole);
    }
}
void expectRegisteredBox(const recordedBox &box)
{
    expectBox(box, registeredText, {115, 220},
              {{"Reset    ", closeStyle("14px")}, {"OK    ", closeStyle("14px")}});
}
void expectFailureBox(const recordedBox &box)
{
    expectBox(box, failureText, {250, 230}, {{"Close    ", closeStyle("12pt")}});
}

// The camera's setup as its reply reports it: DHCP_enable and PPPoE_enable.
SimCamera cameraWith(const QByteArray &dhcp = "1", const QByteArray &pppoe = "0")
{
    SimCamera c = simtest::makeCamera(camMac, "porch");
    c.model = camModel;
    c.network[0] = dhcp;
    c.network[6] = pppoe;
    return c;
}

// What a user would fill in for a way.
struct form {
    QString way;  // "pppoe", "static", "dhcp", "intranet"; empty: none chosen
    QString account;
    QString password;
    QStringList addresses;  // five, empty ones stay empty
};
const QStringList goodAddresses = {"192.168.1.20", "255.255.255.0", "192.168.1.1", "8.8.8.8",
                                   "8.8.4.4"};

// An address into the four fields as they hold it, past the fields'
// own checks, so that the page's check is what is tested.
void setAddress(MyIpAddrEdit *edit, const QString &address)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i)
        edit->findChild<QLineEdit *>(QStringLiteral("part%1").arg(i + 1))->setText(parts.value(i));
}

struct atFailedPage : wizardWithCamera<failedPage> {
    explicit atFailedPage(const SimCamera &cam, int index = 0)
        : wizardWithCamera<failedPage>(failedPageId, cam, index, wizardPos)
    {
    }
};

// Control characters written out, so that a row's name stays readable.
QString visible(const QString &s)
{
    QString out;
    for (QChar c : s)
        out += c.unicode() < 0x20 || c.unicode() >= 0x7f
                   ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))
                   : QString(c);
    return out;
}

}  // namespace

class tst_failedpage : public pageBench
{
    Q_OBJECT
    static QByteArray commandHead() { return "3;M=" + camMac.toLatin1() + ";D=" + camModel; }

    static bool shown(const failedPage *p, const QWidget *w) { return w->isVisibleTo(p); }

    static QRadioButton *radioOf(const failedPage *p, const QString &way)
    {
        return way == "pppoe"    ? controlOf<QRadioButton>(p, QStringLiteral("pppoeRadio"))
               : way == "static" ? controlOf<QRadioButton>(p, QStringLiteral("staticRadio"))
               : way == "dhcp"   ? controlOf<QRadioButton>(p, QStringLiteral("dhcpRadio"))
                                 : controlOf<QRadioButton>(p, QStringLiteral("intranetRadio"));
    }

    static void fill(failedPage *p, const form &f)
    {
        if (f.way.isEmpty())
            return;
        radioOf(p, f.way)->click();
        controlOf<QLineEdit>(p, QStringLiteral("accountEdit"))->setText(f.account);
        controlOf<QLineEdit>(p, QStringLiteral("passwordEdit"))->setText(f.password);
        for (int i = 0; i < 5; ++i)
            setAddress(addressEditsOf(p).at(i), f.addresses.value(i));
    }

    // The form on show: "pppoe", "static", "" none, "both" when both are.
    static QString formShown(const failedPage *p)
    {
        int pppoe = 0, stat = 0;
        for (const QWidget *w :
             {static_cast<const QWidget *>(controlOf<QLabel>(p, QStringLiteral("accountLabel"))),
              static_cast<const QWidget *>(controlOf<QLabel>(p, QStringLiteral("passwordLabel"))),
              static_cast<const QWidget *>(controlOf<QLineEdit>(p, QStringLiteral("accountEdit"))),
              static_cast<const QWidget *>(
                  controlOf<QLineEdit>(p, QStringLiteral("passwordEdit")))})
            pppoe += shown(p, w);
        for (int i = 0; i < 5; ++i)
            stat += shown(p, controlsOf<QLabel>(p, "addressLabel", 5).at(i))
                    + shown(p, addressEditsOf(p).at(i));
        if ((pppoe != 0 && pppoe != 4) || (stat != 0 && stat != 10))
            return QStringLiteral("part");
        if (pppoe && stat)
            return QStringLiteral("both");
        return pppoe ? QStringLiteral("pppoe") : stat ? QStringLiteral("static") : QString();
    }

    // y of staticRadio, dhcpRadio, intranetRadio.
    static QList<int> radioYs(const failedPage *p)
    {
        return {controlOf<QRadioButton>(p, QStringLiteral("staticRadio"))->y(),
                controlOf<QRadioButton>(p, QStringLiteral("dhcpRadio"))->y(),
                controlOf<QRadioButton>(p, QStringLiteral("intranetRadio"))->y()};
    }
    static const QList<int> &closedYs()
    {
        static const QList<int> ys{217, 247, 277};
        return ys;
    }

    // Next, the four ways and the fields of both forms: 1 all enabled,
    // 0 all disabled, -1 mixed.
    static int choices(const failedPage *p)
    {
        QList<const QWidget *> all = {controlOf<QPushButton>(p, QStringLiteral("fail_next_btu")),
                                      controlOf<QRadioButton>(p, QStringLiteral("pppoeRadio")),
                                      controlOf<QRadioButton>(p, QStringLiteral("staticRadio")),
                                      controlOf<QRadioButton>(p, QStringLiteral("dhcpRadio")),
                                      controlOf<QRadioButton>(p, QStringLiteral("intranetRadio")),
                                      controlOf<QLineEdit>(p, QStringLiteral("accountEdit")),
                                      controlOf<QLineEdit>(p, QStringLiteral("passwordEdit"))};
        for (const MyIpAddrEdit *e : addressEditsOf(p))
            all << e;
        int on = 0;
        for (const QWidget *w : all)
            on += w->isEnabled();
        return on == all.size() ? 1 : on == 0 ? 0 : -1;
    }

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init() { beforeTest(); }
    void cleanup() { afterTest(); }

    void entering_data();
    void entering();
    void choiceSlots_data();
    void choiceSlots();
    void inputBoxes_data();
    void inputBoxes();
    void addressCheck_data();
    void addressCheck();
    void payloads_data();
    void payloads();
    void widestPppoeForm_data();
    void widestPppoeForm();
    void intranetAndNone();
    void internetRun_data();
    void internetRun();
    void decisionRoads_data();
    void decisionRoads();
    void wayFixedForRun_data();
    void wayFixedForRun();
    void tickLimit_data();
    void tickLimit();
    void noTickUnderDecisionBox_data();
    void noTickUnderDecisionBox();
    void noReplyWithoutRun_data();
    void noReplyWithoutRun();
    void noChosenCamera_data();
    void noChosenCamera();
    void noSecretInLog();
};

// ------------------------------------------------------------ entering

void tst_failedpage::entering_data()
{
    QTest::addColumn<QByteArray>("ipMode");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("starred");  // the way marked as the current one

    QTest::newRow("DHCP") << QByteArray("0") << "Dynamic IP address(DHCP)"
                          << "dhcp";
    QTest::newRow("PPPoE") << QByteArray("1") << "PPPoE"
                           << "pppoe";
    QTest::newRow("static") << QByteArray("2") << "Static IP address"
                            << "static";
    QTest::newRow("unknown mode") << QByteArray("7") << "Dynamic IP address(DHCP)"
                                  << "dhcp";
    QTest::newRow("no mode") << QByteArray() << "Dynamic IP address(DHCP)"
                             << "dhcp";
}

void tst_failedpage::entering()
{
    QFETCH(QByteArray, ipMode);
    QFETCH(QString, current);
    QFETCH(QString, starred);
    SimCamera cam = cameraWith();
    cam.ipMode = ipMode;
    atFailedPage w(cam);
    failedPage *p = w.page;
    const QString star = QStringLiteral("*");

    // Entering again, whatever state the last visit ended in, starts afresh.
    for (int visit = 0; visit < 2; ++visit) {
        QCOMPARE(controlOf<QLabel>(p, QStringLiteral("currentConnLabel"))->text(),
                 "(Current Internet connection(*): <b>" + current + "</b>)");
        const auto starIf = [&](const char *way) { return starred == way ? star : QString(); };
        QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("pppoeRadio"))->text(),
                 "Enter account and password(PPPoE)" + starIf("pppoe"));
        QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("staticRadio"))->text(),
                 "Enter static IP address" + starIf("static"));
        QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("dhcpRadio"))->text(),
                 "Dynamic IP address(DHCP)" + starIf("dhcp"));
        QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("intranetRadio"))->text(),
                 QStringLiteral("Use in the intranet for local view only."));
        for (const char *way : {"pppoe", "static", "dhcp", "intranet"}) {
            QVERIFY(!radioOf(p, way)->isChecked());
            QVERIFY(shown(p, radioOf(p, way)));
        }
        QVERIFY(controlOf<QRadioButton>(p, QStringLiteral("noneRadioButton"))->isChecked());
        QVERIFY(!shown(p, controlOf<QRadioButton>(p, QStringLiteral("noneRadioButton"))));
        QCOMPARE(formShown(p), QString());
        QCOMPARE(radioYs(p), closedYs());
        QVERIFY(!w.run()->isRunning());
        QVERIFY(!shown(p, waitPicture(w.run())));
        QVERIFY(!shown(p, waitText(w.run())));
        QCOMPARE(choices(p), 1);
        QVERIFY(!shown(p, controlOf<QPushButton>(p, QStringLiteral("fail_back_btu"))));
        QVERIFY(controlOf<QLineEdit>(p, QStringLiteral("accountEdit"))->text().isEmpty());
        QVERIFY(controlOf<QLineEdit>(p, QStringLiteral("passwordEdit"))->text().isEmpty());
        for (const MyIpAddrEdit *e : addressEditsOf(p))
            QCOMPARE(e->text(), QStringLiteral("..."));

        if (visit == 0) {
            fill(p, {"pppoe", "bob", "secret", {}});
            fill(p, {"static", "bob", "secret", goodAddresses});
            controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
            QCOMPARE(countOf(takeSent(), '3'), 1);
            QCOMPARE(choices(p), 0);
            w.tick(3);
            // The wizard leaves in the middle of the run.
            w.run()->stop();
            w.open(failedPageId);
            QCOMPARE(w.page, p);
        }
    }
    QVERIFY(takeSent().isEmpty());
}

// ------------------------------------------------------------ the ways

void tst_failedpage::choiceSlots_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<int>>("ys");  // staticRadio, dhcpRadio, intranetRadio
    QTest::addColumn<QString>("focus");  // "account", "ip", or empty: not tested

    const QList<int> pppoeYs{277, 307, 337}, staticYs{217, 397, 427};
    QTest::newRow("PPPoE") << QStringList{"pppoe"} << "pppoe" << pppoeYs << "account";
    QTest::newRow("static") << QStringList{"static"} << "static" << staticYs << "ip";
    QTest::newRow("DHCP") << QStringList{"dhcp"} << "" << closedYs() << "";
    QTest::newRow("intranet") << QStringList{"intranet"} << "" << closedYs() << "";
    QTest::newRow("PPPoE, then static")
        << QStringList{"pppoe", "static"} << "static" << staticYs << "ip";
    QTest::newRow("static, then PPPoE")
        << QStringList{"static", "pppoe"} << "pppoe" << pppoeYs << "account";
    QTest::newRow("PPPoE, then DHCP") << QStringList{"pppoe", "dhcp"} << "" << closedYs() << "";
    QTest::newRow("static, then intranet")
        << QStringList{"static", "intranet"} << "" << closedYs() << "";
    QTest::newRow("DHCP, then static")
        << QStringList{"dhcp", "static"} << "static" << staticYs << "ip";
}

void tst_failedpage::choiceSlots()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, form);
    QFETCH(QList<int>, ys);
    QFETCH(QString, focus);
    atFailedPage w(cameraWith());
    failedPage *p = w.page;
    w.wizard.show();
    w.wizard.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.wizard));

    // The old way's form closes and the radios go home before the new one opens.
    QStringList closedFirst;
    for (const QString way : {"pppoe", "static"}) {
        connect(radioOf(p, way), &QRadioButton::toggled, p, [&, way](bool on) {
            if (!on)
                closedFirst << QStringLiteral("%1 %2 %3")
                                   .arg(way, formShown(p) == way ? "open" : "closed",
                                        radioYs(p) == closedYs() ? "home" : "away");
        });
    }
    for (const QString &c : clicks)
        radioOf(p, c)->click();

    QCOMPARE(formShown(p), form);
    QCOMPARE(radioYs(p), ys);
    if (clicks.size() > 1 && clicks.first() != "dhcp")
        QCOMPARE(closedFirst, QStringList{clicks.first() + " closed home"});
    if (form == "pppoe") {
        QCOMPARE(controlOf<QLabel>(p, QStringLiteral("accountLabel"))->geometry(),
                 QRect(40, 217, 80, 20));
        QCOMPARE(controlOf<QLabel>(p, QStringLiteral("passwordLabel"))->geometry(),
                 QRect(40, 247, 80, 20));
        QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("accountEdit"))->geometry(),
                 QRect(110, 217, 199, 21));
        QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("passwordEdit"))->geometry(),
                 QRect(110, 247, 199, 21));
        QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("passwordEdit"))->echoMode(),
                 QLineEdit::Password);
    }
    if (form == "static") {
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(controlsOf<QLabel>(p, "addressLabel", 5).at(i)->geometry(),
                     QRect(40, 247 + 30 * i, 120, 20));
            QCOMPARE(addressEditsOf(p).at(i)->geometry(), QRect(160, 247 + 30 * i, 160, 21));
        }
    }
    QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("staticRadio"))->x(), 30);
    QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("dhcpRadio"))->size(), QSize(250, 20));
    QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("intranetRadio"))->size(), QSize(280, 20));
    if (focus == "account")
        QCOMPARE(QApplication::focusWidget(),
                 controlOf<QLineEdit>(p, QStringLiteral("accountEdit")));
    if (focus == "ip")
        QCOMPARE(
            QApplication::focusWidget(),
            controlOf<MyIpAddrEdit>(p, QStringLiteral("ipEdit"))->findChild<QLineEdit *>("part1"));
    QVERIFY(takeSent().isEmpty());
}

// ------------------------------------------------------------ Next: the checks

void tst_failedpage::inputBoxes_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QString>("tail");  // the box text after the heading

    const QString user = "Invalid username!", pass = "Invalid password.";
    const QStringList a = goodAddresses;
    const auto with = [&a](int i, const QString &address) {
        QStringList l = a;
        l[i] = address;
        return l;
    };
    QTest::newRow("PPPoE, no account") << "pppoe"
                                       << ""
                                       << "secret" << a << user;
    QTest::newRow("PPPoE, nothing filled") << "pppoe"
                                           << ""
                                           << "" << a << user;
    QTest::newRow("PPPoE, items in the account") << "pppoe"
                                                 << "bob;0=1;6=0"
                                                 << "secret" << a << user;
    QTest::newRow("PPPoE, a lone ;") << "pppoe"
                                     << ";"
                                     << "secret" << a << user;
    QTest::newRow("PPPoE, tab") << "pppoe"
                                << "bob\tsmith"
                                << "secret" << a << user;
    QTest::newRow("PPPoE, line break") << "pppoe"
                                       << "bob\n"
                                       << "secret" << a << user;
    QTest::newRow("PPPoE, NUL") << "pppoe" << QString(QStringLiteral("bob") + QChar(0) + "x")
                                << "secret" << a << user;
    QTest::newRow("PPPoE, DEL") << "pppoe"
                                << "bob\x7f"
                                << "secret" << a << user;
    QTest::newRow("PPPoE, accented")
        << "pppoe" << QString::fromUtf8("j\xc3\xbcrgen") << "secret" << a << user;
    QTest::newRow("PPPoE, other script")
        << "pppoe" << QString::fromUtf8("\xe7\x94\xa8\xe6\x88\xb7") << "secret" << a << user;
    QTest::newRow("PPPoE, no-break space")
        << "pppoe" << QString::fromUtf8("bob\xc2\xa0smith") << "secret" << a << user;
    QTest::newRow("PPPoE, no password") << "pppoe"
                                        << "bob"
                                        << "" << a << pass;

    const QStringList empty = {"", "", "", "", ""};
    QTest::newRow("static, nothing filled") << "static"
                                            << ""
                                            << "" << empty << "Invalid IP address!";
    QTest::newRow("static, IP with an empty part")
        << "static"
        << ""
        << "" << with(0, "192.168.1.") << "Invalid IP address!";
    QTest::newRow("static, IP and mask bad: only IP named")
        << "static"
        << ""
        << "" << QStringList{"1..1.1", "255.255.255.", "", "", ""} << "Invalid IP address!";
    QTest::newRow("static, mask with an empty fourth part")
        << "static"
        << ""
        << "" << with(1, "255.255.255.") << "Invalid Submask!";
    QTest::newRow("static, no gateway") << "static"
                                        << ""
                                        << "" << with(2, "") << "Invalid Gateway!";
    QTest::newRow("static, primary DNS over 255")
        << "static"
        << ""
        << "" << with(3, "8.8.8.256") << "Invalid Primary DNS!";
    QTest::newRow("static, no primary DNS") << "static"
                                            << ""
                                            << "" << with(3, "") << "Invalid Primary DNS!";
    QTest::newRow("static, secondary DNS half filled")
        << "static"
        << ""
        << "" << with(4, "8.8..") << "Invalid Secondary DNS!";
    QTest::newRow("static, IP 999") << "static"
                                    << ""
                                    << "" << with(0, "999.1.1.1") << "Invalid IP address!";
}

// A form that does not pass: a box over the veil, then the same form again,
// and nothing reaches the camera.
void tst_failedpage::inputBoxes()
{
    QFETCH(QString, way);
    QFETCH(QString, account);
    QFETCH(QString, password);
    QFETCH(QStringList, addresses);
    QFETCH(QString, tail);
    atFailedPage w(cameraWith());
    failedPage *p = w.page;
    fill(p, {way, account, password, addresses});
    QCOMPARE(formShown(p), way);

    bool veiled = false;
    QString formDuring = QStringLiteral("?");
    boxes->onOpen([&](QDialog *) {
        veiled = shown(p, waitPicture(w.run()))
                 && waitPicture(w.run())->property("picture").toString() == veilPic;
        formDuring = formShown(p);
    });
    boxes->answer("Close");
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();

    QCOMPARE(boxes->count(), 1);
    const recordedBox &box = boxes->last();
    expectBox(box, heading + tail, {240, 230},
              {{"Close    ", closeStyle(way == "pppoe" ? "14px" : "12pt")}});
    for (QChar c : box.text)
        QVERIFY2(c.unicode() >= 0x20, qPrintable(visible(box.text)));
    QVERIFY(veiled);
    QCOMPARE(formDuring, QString());
    // Closed: the veil goes, the form comes back, ready for a correction.
    QVERIFY(!shown(p, waitPicture(w.run())));
    QCOMPARE(formShown(p), way);
    QVERIFY(!w.run()->isRunning());
    QCOMPARE(choices(p), 1);
    QCOMPARE(w.wizard.currentId(), int(failedPageId));
    const QList<sentCommand> sent = takeSent();
    QVERIFY(sent.isEmpty());
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->isOpen());
}

void tst_failedpage::addressCheck_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("plain") << "192.168.1.20" << true;
    QTest::newRow("all zero") << "0.0.0.0" << true;
    QTest::newRow("all 255") << "255.255.255.255" << true;
    QTest::newRow("leading zeros, three digits") << "010.001.000.099" << true;
    QTest::newRow("two digits with a zero") << "01.2.3.4" << true;
    QTest::newRow("249 and 250") << "249.250.199.200" << true;
    QTest::newRow("999") << "999.1.1.1" << false;
    QTest::newRow("256 first") << "256.1.1.1" << false;
    QTest::newRow("256 second") << "1.256.1.1" << false;
    QTest::newRow("256 third") << "1.1.256.1" << false;
    QTest::newRow("256") << "1.1.1.256" << false;
    QTest::newRow("255 and 249 last") << "1.1.249.255" << true;
    QTest::newRow("250 and 199 last") << "1.1.250.199" << true;
    QTest::newRow("260") << "260.1.1.1" << false;
    QTest::newRow("five parts") << "1.2.3.4.5" << false;
    QTest::newRow("three parts") << "1.2.3" << false;
    QTest::newRow("empty editor") << "..." << false;
    QTest::newRow("empty part") << "1..3.4" << false;
    QTest::newRow("four digits") << "0001.2.3.4" << false;
    QTest::newRow("sign") << "+1.2.3.4" << false;
    QTest::newRow("blank after") << "1.2.3.4 " << false;
    QTest::newRow("blank before") << " 1.2.3.4" << false;
    QTest::newRow("line break after") << "1.2.3.4\n" << false;
    QTest::newRow("commas") << "1,2,3,4" << false;
    QTest::newRow("letters") << "a.b.c.d" << false;
    QTest::newRow("Arabic-Indic digits")
        << QString::fromUtf8("\xd9\xa1.\xd9\xa2.\xd9\xa3.\xd9\xa4") << false;
    QTest::newRow("full-width digit") << QString::fromUtf8("\xef\xbc\x91.2.3.4") << false;
}

void tst_failedpage::addressCheck()
{
    QFETCH(QString, address);
    QFETCH(bool, acceptable);
    QCOMPARE(ipv4Input::addressAcceptable(address), acceptable);
}

// ------------------------------------------------------------ Next: the payloads

void tst_failedpage::payloads_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QByteArray>("payload");  // after the M and D items

    QTest::newRow("DHCP") << "dhcp"
                          << ""
                          << "" << QStringList() << QByteArray(";0=1;6=0");
    QTest::newRow("DHCP, forms filled before")
        << "dhcp"
        << "bob"
        << "secret" << goodAddresses << QByteArray(";0=1;6=0");
    QTest::newRow("static")
        << "static"
        << ""
        << "" << goodAddresses
        << QByteArray(";0=0;1=192.168.1.20;2=255.255.255.0;3=192.168.1.1;4=8.8.8.8;5=8.8.4.4;6=0");
    QTest::newRow("static, no secondary DNS")
        << "static"
        << ""
        << "" << goodAddresses.mid(0, 4)
        << QByteArray(";0=0;1=192.168.1.20;2=255.255.255.0;3=192.168.1.1;4=8.8.8.8;5=...;6=0");
    QTest::newRow("static, leading zeros as typed")
        << "static"
        << ""
        << ""
        << QStringList{"010.000.000.020", "255.255.255.000", "10.0.0.1", "010.0.0.1", "000.0.0.0"}
        << QByteArray(";0=0;1=010.000.000.020;2=255.255.255.000;3=10.0.0.1;4=010.0.0.1;"
                      "5=000.0.0.0;6=0");
    QTest::newRow("PPPoE") << "pppoe"
                           << "bob"
                           << "secret" << QStringList() << QByteArray(";0=0;6=1;7=bob;8=c2VjcmV0");
    QTest::newRow("PPPoE, blanks in the account, items in the password")
        << "pppoe"
        << " bob smith "
        << "a;8=b" << QStringList() << QByteArray(";0=0;6=1;7= bob smith ;8=YTs4PWI=");
    QTest::newRow("PPPoE, every punctuation but ;")
        << "pppoe"
        << "!\"#$%&'()*+,-./:<=>?@[\\]^_`{|}~"
        << "x" << QStringList()
        << QByteArray(";0=0;6=1;7=!\"#$%&'()*+,-./:<=>?@[\\]^_`{|}~;8=eA==");
    QTest::newRow("PPPoE, password not ASCII: base64 of UTF-8")
        << "pppoe"
        << "user@isp.example" << QString::fromUtf8("p\xc3\xa4ssw\xc3\xb6rd \xe2\x82\xac")
        << QStringList() << QByteArray(";0=0;6=1;7=user@isp.example;8=cMOkc3N3w7ZyZCDigqw=");
    QTest::newRow("PPPoE, password of blanks")
        << "pppoe"
        << "bob"
        << "   " << QStringList() << QByteArray(";0=0;6=1;7=bob;8=ICAg");
    const QString longAccount(255, QLatin1Char('a')), longPassword(255, QLatin1Char('z'));
    QTest::newRow("PPPoE, longest account and password, cut to 255")
        << "pppoe" << longAccount + "bc" << longPassword + "x" << QStringList()
        << QByteArray(";0=0;6=1;7=" + longAccount.toLatin1()
                      + ";8=" + longPassword.toLatin1().toBase64());
}

void tst_failedpage::payloads()
{
    QFETCH(QString, way);
    QFETCH(QString, account);
    QFETCH(QString, password);
    QFETCH(QStringList, addresses);
    QFETCH(QByteArray, payload);
    atFailedPage w(cameraWith());
    failedPage *p = w.page;
    QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("accountEdit"))->maxLength(), 255);
    QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("passwordEdit"))->maxLength(), 255);
    // The other forms filled first: only the chosen way's fields count.
    if (way != "pppoe")
        fill(p, {"pppoe", account, password, {}});
    if (way != "static")
        fill(p, {"static", "", "", addresses});
    fill(p, {way, account, password, addresses});
    takeSent();

    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(boxes->count(), 0);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).dst, camMac);
    QCOMPARE(sent.at(0).body, commandHead() + payload);

    // The run is open over the page; nothing can be chosen meanwhile.
    networkCheck *check = controlOf<networkCheck>(p, QStringLiteral("networkCheck"));
    QVERIFY(w.run()->isRunning());
    QCOMPARE(waitTimer(w.run())->interval(), 100);
    QCOMPARE(w.ticks(), 0);
    QVERIFY(check->isOpen());
    QVERIFY(!check->setupConfirmed());
    QVERIFY(!check->online());
    QCOMPARE(check->phrase(), QStringLiteral("Saving network setting"));
    QVERIFY(shown(p, waitPicture(w.run())));
    QVERIFY(shown(p, waitText(w.run())));
    QCOMPARE(choices(p), 0);
    w.tick();
    QCOMPARE(formShown(p), QString());
    QCOMPARE(radioYs(p), closedYs());
    QCOMPARE(waitText(w.run())->text(), QStringLiteral("<b>Saving network setting.</b>"));
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QVERIFY(takeSent().isEmpty());
}

void tst_failedpage::widestPppoeForm_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");

    const QString account(255, QLatin1Char('a'));
    QTest::newRow("255 ASCII each") << account << QString(255, QLatin1Char('z'));
    QTest::newRow("password of 255 two-byte characters") << account << QString(255, QChar(0xe4));
    QTest::newRow("password of 255 three-byte characters")
        << account << QString(255, QChar(0x20ac));
}

// Whatever the two fields take, Next either sends it or tells the user why
// not; it never just does nothing.
void tst_failedpage::widestPppoeForm()
{
    QFETCH(QString, account);
    QFETCH(QString, password);
    atFailedPage w(cameraWith());
    failedPage *p = w.page;
    fill(p, {"pppoe", account, password, {}});
    QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("accountEdit"))->text(), account);
    QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("passwordEdit"))->text(), password);
    boxes->answer("Close");
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    const int sent = countOf(takeSent(), '3');
    QVERIFY2(sent + boxes->count() == 1,
             qPrintable(QStringLiteral("%1 sent, %2 boxes").arg(sent).arg(boxes->count())));
    QCOMPARE(w.run()->isRunning(), sent == 1);
    if (sent == 0)
        QVERIFY(boxes->last().text.endsWith(QStringLiteral("Invalid password.")));
}

void tst_failedpage::intranetAndNone()
{
    atFailedPage w(cameraWith());
    failedPage *p = w.page;
    // No way chosen: Next does nothing.
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QVERIFY(takeSent().isEmpty());
    QVERIFY(!w.run()->isRunning());
    QCOMPARE(w.wizard.currentId(), int(failedPageId));
    QCOMPARE(choices(p), 1);
    QCOMPARE(boxes->count(), 0);

    fill(p, {"intranet", "bob", "secret", goodAddresses});
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QVERIFY(takeSent().isEmpty());
    QCOMPARE(boxes->count(), 0);
    QCOMPARE(nextPage, joinPageId);
    QCOMPARE(w.wizard.currentId(), int(joinPageId));
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("decideTimer"))->isActive());
}

// ------------------------------------------------------------ the check run

void tst_failedpage::internetRun_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QByteArray>("dhcpEnable");  // in the camera's setup replies
    QTest::addColumn<QByteArray>("pppoeEnable");
    QTest::addColumn<QList<int>>("setupAt");   // counts at which a setup reply is queued
    QTest::addColumn<QString>("pings");        // each check's answer: 1, 0, x garbled, - none
    QTest::addColumn<bool>("earlierSuccess");  // the record still holds an earlier check's "1"
    // class@count of the run's commands; page 5 asks for the info record on entry
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("phrases");  // status changes: Restarting, Checking @count
    QTest::addColumn<int>("decisionAt");
    QTest::addColumn<bool>("online");

    const QByteArray on = "1", off = "0";
    const QString offline = "9@245 8@400 8@450 8@550 8@600 8@650 8@700 2@900";
    const QString pppoeOn = offline + " 8@1200";
    const QString rc = "R@250 C@400";
    QTest::newRow("DHCP confirmed, online at once")
        << "dhcp" << on << off << QList<int>{30} << "1" << false << "9@245 8@400 2@900 1@920 2@920"
        << rc << 920 << true;
    QTest::newRow("DHCP confirmed, online at the second check")
        << "dhcp" << on << off << QList<int>{30} << "01" << false
        << "9@245 8@400 8@450 2@900 1@920 2@920" << rc << 920 << true;
    QTest::newRow("DHCP: each confirming reply restarts the network")
        << "dhcp" << on << off << QList<int>{30, 300} << "1" << false
        << "9@245 9@301 8@400 2@900 1@920 2@920" << rc << 920 << true;
    QTest::newRow("static confirmed, offline")
        << "static" << off << off << QList<int>{30} << "000000" << false << offline << rc << 920
        << false;
    QTest::newRow("DHCP confirmed, garbled checks after an earlier success")
        << "dhcp" << on << off << QList<int>{30} << "xxxxxx" << true << offline << rc << 920
        << false;
    QTest::newRow("DHCP, camera not on DHCP: no restart, on to 901")
        << "dhcp" << off << off << QList<int>{30} << "" << false << ""
        << "" << 920 << false;
    QTest::newRow("static, camera on PPPoE: no restart, on to 901")
        << "static" << off << on << QList<int>{30} << "" << false << ""
        << "" << 920 << false;
    QTest::newRow("DHCP, setup never answered")
        << "dhcp" << on << off << QList<int>{} << "" << false << ""
        << "" << 920 << false;
    QTest::newRow("PPPoE confirmed, online at 1200")
        << "pppoe" << off << on << QList<int>{30} << "0000001" << false
        << pppoeOn + " 2@1750 1@1770 2@1770" << rc << 1770 << true;
    QTest::newRow("PPPoE confirmed, online at 1700")
        << "pppoe" << off << on << QList<int>{30} << "000000001" << false
        << pppoeOn + " 8@1400 8@1700 2@1750 1@1770 2@1770" << rc << 1770 << true;
    QTest::newRow("PPPoE confirmed, online at once")
        << "pppoe" << off << on << QList<int>{30} << "1" << false
        << "9@245 8@400 2@1750 1@1770 2@1770" << rc << 1770 << true;
    QTest::newRow("PPPoE confirmed, offline")
        << "pppoe" << off << on << QList<int>{30} << "000000000" << false
        << pppoeOn + " 8@1400 8@1700 2@1750" << rc << 1770 << false;
    QTest::newRow("PPPoE, camera not on PPPoE: checks after 901")
        << "pppoe" << on << off << QList<int>{30} << "000" << false << "8@1200 8@1400 8@1700 2@1750"
        << "C@1200" << 1770 << false;
}

// The camera answers as the row says; what is sent when, and where the run
// decides. Queued replies are left to the page, which delivers them itself
// before each tick acts.
void tst_failedpage::internetRun()
{
    QFETCH(QString, way);
    QFETCH(QByteArray, dhcpEnable);
    QFETCH(QByteArray, pppoeEnable);
    QFETCH(QList<int>, setupAt);
    QFETCH(QString, pings);
    QFETCH(bool, earlierSuccess);
    QFETCH(QString, sent);
    QFETCH(QString, phrases);
    QFETCH(int, decisionAt);
    QFETCH(bool, online);
    SimCamera cam = cameraWith(dhcpEnable, pppoeEnable);
    atFailedPage w(cam);
    failedPage *p = w.page;
    fill(p, {way, "bob", "secret", goodAddresses});
    if (earlierSuccess)
        IPCameraList[0].pingOk = "1";
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);

    int decidedAt = -1;
    boxes->onOpen([&](QDialog *) { decidedAt = w.ticks(); });
    boxes->answer("Close");

    QStringList said;
    QString phrase = controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase();
    scriptedCamera camera(cam, *capture, pings);
    const auto answer = [&](int at) { camera.answer(at); };
    int after250 = -1;
    for (int guard = 0; guard < 2000 && decidedAt < 0 && nextPage == failedPageId; ++guard) {
        const int t = w.ticks();
        if (setupAt.contains(t))
            feed(cam, '3');
        w.tick();
        if (t == 249)
            after250 = w.ticks();
        if (nextPage != failedPageId)
            decidedAt = w.ticks();
        if (controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase() != phrase) {
            phrase = controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase();
            said << QStringLiteral("%1@%2").arg(phrase.at(0)).arg(w.ticks());
        }
        answer(w.ticks());
    }

    QCOMPARE(camera.seen.join(QLatin1Char(' ')), sent);
    QCOMPARE(said.join(QLatin1Char(' ')), phrases);
    QCOMPARE(decidedAt, decisionAt);
    // Without a confirmed setup the count jumps on at 250.
    QCOMPARE(after250, sent.startsWith(QLatin1String("9@")) ? 250 : 901);
    networkCheck *check = controlOf<networkCheck>(p, QStringLiteral("networkCheck"));
    QCOMPARE(check->online(), online);
    QVERIFY(!check->isOpen());
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QVERIFY(!shown(p, waitText(w.run())));
    QCOMPARE(choices(p), 1);
    if (online) {
        QCOMPARE(boxes->count(), 0);
        QCOMPARE(nextPage, joinPage2Id);
        QCOMPARE(w.wizard.currentId(), int(joinPage2Id));
        return;
    }
    QCOMPARE(boxes->count(), 1);
    expectFailureBox(boxes->last());
    QCOMPARE(w.wizard.currentId(), int(failedPageId));
    QCOMPARE(formShown(p), way == "dhcp" ? QString() : way);
    // Once decided, late replies count for nothing and send nothing.
    cam.internet = "1";
    cam.network[0] = "1";
    cam.network[6] = way == "pppoe" ? "1" : "0";
    feed(cam, '8');
    feed(cam, '3');
    w.deliverQueued();
    QVERIFY(!check->online());
    QVERIFY(takeSent().isEmpty());
}

void tst_failedpage::decisionRoads_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("box");  // "registered", "failure" or none
    QTest::addColumn<int>("endPage");

    const int here = failedPageId;
    QTest::newRow("online, not registered") << "dhcp" << true << false << ""
                                            << "" << int(joinPage2Id);
    QTest::newRow("PPPoE online, not registered") << "pppoe" << true << false << ""
                                                  << "" << int(joinPage2Id);
    QTest::newRow("online, registered, Reset") << "static" << true << true << "Reset"
                                               << "registered" << int(plugPageId);
    QTest::newRow("online, registered, OK") << "dhcp" << true << true << "OK"
                                            << "registered" << int(joinPage1Id);
    QTest::newRow("PPPoE online, registered, OK") << "pppoe" << true << true << "OK"
                                                  << "registered" << int(joinPage1Id);
    QTest::newRow("offline DHCP") << "dhcp" << false << false << "Close"
                                  << "failure" << here;
    QTest::newRow("offline static") << "static" << false << true << "Close"
                                    << "failure" << here;
    QTest::newRow("offline PPPoE") << "pppoe" << false << false << "Close"
                                   << "failure" << here;
}

void tst_failedpage::decisionRoads()
{
    QFETCH(QString, way);
    QFETCH(bool, online);
    QFETCH(bool, registered);
    QFETCH(QString, answer);
    QFETCH(QString, box);
    QFETCH(int, endPage);
    SimCamera cam = cameraWith();
    cam.registered = registered;
    atFailedPage w(cam);
    failedPage *p = w.page;
    fill(p, {way, "bob", "secret", goodAddresses});
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    w.tick(3);

    if (!answer.isEmpty())
        boxes->answer(answer);
    bool veiled = false;
    QString formDuring = QStringLiteral("?");
    boxes->onOpen([&](QDialog *) {
        veiled = shown(p, waitPicture(w.run()))
                 && waitPicture(w.run())->property("picture").toString() == veilPic;
        formDuring = formShown(p);
    });
    decideWith(w, online);

    QCOMPARE(boxes->pendingAnswers(), 0);
    QCOMPARE(boxes->count(), box.isEmpty() ? 0 : 1);
    if (box == "registered")
        expectRegisteredBox(boxes->last());
    if (box == "failure")
        expectFailureBox(boxes->last());
    if (!box.isEmpty()) {
        QVERIFY(veiled);
        QCOMPARE(formDuring, QString());
    }
    QCOMPARE(w.wizard.currentId(), endPage);
    QCOMPARE(int(nextPage), endPage);
    if (endPage == plugPageId)
        QCOMPARE(w.wizard.startId(), int(plugPageId));
    // Every road ends the run with the page ready for another Next.
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->isOpen());
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("decideTimer"))->isActive());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QVERIFY(!shown(p, waitText(w.run())));
    QCOMPARE(choices(p), 1);
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(countOf(sent, '1'), online ? 1 : 0);  // the rescan at the decision tick
    QCOMPARE(countOf(sent, '3'), 0);

    if (endPage == failedPageId) {
        QCOMPARE(formShown(p), way == "dhcp" ? QString() : way);
        const QList<int> ys = way == "pppoe"    ? QList<int>{277, 307, 337}
                              : way == "static" ? QList<int>{217, 397, 427}
                                                : closedYs();
        QCOMPARE(radioYs(p), ys);
        return;
    }
    // The page is left: its reply slots do nothing more.
    QTest::ignoreMessage(QtDebugMsg, "failedPage::checkNetworkCfg slot[gotNetworkConfig] is not "
                                     "active if left this page[failedPage]");
    QTest::ignoreMessage(QtDebugMsg, "failedPage::checkNetworkConnection slot[gotPingRsp] is not "
                                     "active if left this page[failedPage]");
    feed(cam, '3');
    feed(cam, '8');
    w.deliverQueued();
    QVERIFY(takeSent().isEmpty());
}

// Next fixes the way for the whole run: a choice changed under the wait
// picture (here from code, after enabling the radio) moves neither the
// table nor the reading of the camera's replies.
void tst_failedpage::wayFixedForRun_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("changedTo");
    QTest::addColumn<QByteArray>("wrongDhcp");  // a setup matching only the new choice
    QTest::addColumn<QByteArray>("wrongPppoe");
    QTest::addColumn<QByteArray>("rightDhcp");  // a setup matching the way sent
    QTest::addColumn<QByteArray>("rightPppoe");
    QTest::addColumn<int>("afterSuccess");
    QTest::addColumn<int>("decisionAt");

    QTest::newRow("PPPoE, then static") << "pppoe"
                                        << "static" << QByteArray("0") << QByteArray("0")
                                        << QByteArray("0") << QByteArray("1") << 1745 << 1770;
    QTest::newRow("static, then PPPoE") << "static"
                                        << "pppoe" << QByteArray("0") << QByteArray("1")
                                        << QByteArray("0") << QByteArray("0") << 895 << 920;
    QTest::newRow("DHCP, then PPPoE") << "dhcp"
                                      << "pppoe" << QByteArray("0") << QByteArray("1")
                                      << QByteArray("1") << QByteArray("0") << 895 << 920;
    QTest::newRow("PPPoE, then DHCP") << "pppoe"
                                      << "dhcp" << QByteArray("1") << QByteArray("0")
                                      << QByteArray("0") << QByteArray("1") << 1745 << 1770;
}

void tst_failedpage::wayFixedForRun()
{
    QFETCH(QString, way);
    QFETCH(QString, changedTo);
    QFETCH(QByteArray, wrongDhcp);
    QFETCH(QByteArray, wrongPppoe);
    QFETCH(QByteArray, rightDhcp);
    QFETCH(QByteArray, rightPppoe);
    QFETCH(int, afterSuccess);
    QFETCH(int, decisionAt);
    SimCamera cam = cameraWith(wrongDhcp, wrongPppoe);
    atFailedPage w(cam);
    failedPage *p = w.page;
    fill(p, {way, "bob", "secret", goodAddresses});
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    QCOMPARE(choices(p), 0);
    w.tick(5);

    QRadioButton *other = radioOf(p, changedTo);
    other->setEnabled(true);
    other->setChecked(true);
    QVERIFY(other->isChecked());

    // A setup that fits only the new choice confirms nothing.
    feed(cam, '3');
    w.tick();
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->setupConfirmed());
    QCOMPARE(countOf(takeSent(), '9'), 0);
    QCOMPARE(w.ticks(), 6);
    cam.network[0] = rightDhcp;
    cam.network[6] = rightPppoe;
    feed(cam, '3');
    w.tick();
    QVERIFY(controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->setupConfirmed());
    QCOMPARE(countOf(takeSent(), '9'), 1);
    QCOMPARE(w.ticks(), 245);

    w.tickTo(400);
    QCOMPARE(countOf(takeSent(), '8'), 1);
    cam.internet = "1";
    feed(cam, '8');
    w.tick();
    QCOMPARE(w.ticks(), afterSuccess);
    int guard = 0;
    while (nextPage == failedPageId && boxes->count() == 0 && guard++ < 2000) {
        w.tick();
        takeSent();
    }
    QCOMPARE(boxes->count(), 0);
    QCOMPARE(w.ticks(), decisionAt);
    QCOMPARE(w.wizard.currentId(), int(joinPage2Id));
}

void tst_failedpage::tickLimit_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("PPPoE") << "pppoe";
    QTest::newRow("static") << "static";
    QTest::newRow("DHCP") << "dhcp";
}

// A run that passed both decision ticks without deciding (however it came
// there) ends at the limit on the failure road, not on a dead page.
void tst_failedpage::tickLimit()
{
    QFETCH(QString, way);
    atFailedPage w(cameraWith());
    failedPage *p = w.page;
    fill(p, {way, "bob", "secret", goodAddresses});
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    w.run()->setTicks(1790);

    int boxAt = -1;
    boxes->onOpen([&](QDialog *) { boxAt = w.ticks(); });
    boxes->answer("Close");
    for (int guard = 0; guard < 20 && w.run()->isRunning(); ++guard)
        w.tick();
    QCOMPARE(boxAt, 1801);
    QCOMPARE(boxes->count(), 1);
    expectFailureBox(boxes->last());
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->isOpen());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QVERIFY(!shown(p, waitText(w.run())));
    QCOMPARE(formShown(p), way == "dhcp" ? QString() : way);
    QCOMPARE(choices(p), 1);
    QVERIFY(takeSent().isEmpty());

    // Next works again.
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    QVERIFY(w.run()->isRunning());
    QCOMPARE(w.ticks(), 0);
}

void tst_failedpage::noTickUnderDecisionBox_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("startAt");  // the count before the deciding tick
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("endPage");

    QTest::newRow("failure box") << "static" << false << 919 << 0 << int(failedPageId);
    QTest::newRow("PPPoE failure box") << "pppoe" << false << 1769 << 0 << int(failedPageId);
    QTest::newRow("failure box at the tick limit")
        << "dhcp" << false << 1800 << 0 << int(failedPageId);
    QTest::newRow("registered box, Reset") << "dhcp" << true << 919 << 0 << int(plugPageId);
    QTest::newRow("registered box, OK") << "pppoe" << true << 1769 << 1 << int(joinPage1Id);
}

// A tick that comes while a decision box is open moves the picture only:
// no count, no command, no second box, the tick limit included.
void tst_failedpage::noTickUnderDecisionBox()
{
    QFETCH(QString, way);
    QFETCH(bool, online);
    QFETCH(int, startAt);
    QFETCH(int, button);
    QFETCH(int, endPage);
    SimCamera cam = cameraWith();
    cam.registered = online;
    atFailedPage w(cam);
    failedPage *p = w.page;
    fill(p, {way, "bob", "secret", goodAddresses});
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    takeSent();
    if (online)
        reportOnline(p);
    w.run()->setTicks(startAt);

    int moved = -1, sentInside = -1, boxesInside = -1;
    boxes->answerWith([&](QDialog *d) {
        takeSent();  // the decision tick's own rescan
        const int before = w.ticks();
        for (int i = 0; i < 2000; ++i)
            w.tick();
        w.deliverQueued();
        moved = w.ticks() - before;
        sentInside = int(takeSent().size());
        boxesInside = boxes->count();
        static_cast<pageBox *>(d)->buttons().at(button)->click();
    });
    w.tick();

    QCOMPARE(moved, 0);
    QCOMPARE(sentInside, 0);
    QCOMPARE(boxesInside, 1);
    QCOMPARE(boxes->count(), 1);
    if (online)
        expectRegisteredBox(boxes->last());
    else
        expectFailureBox(boxes->last());
    QCOMPARE(w.wizard.currentId(), endPage);
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->isOpen());
    QCOMPARE(choices(p), 1);
    QVERIFY(!shown(p, waitPicture(w.run())));
    QVERIFY(!shown(p, waitText(w.run())));
    if (endPage == failedPageId)
        QCOMPARE(formShown(p), way == "dhcp" ? QString() : way);
}

void tst_failedpage::noReplyWithoutRun_data()
{
    QTest::addColumn<QString>("before");  // what happened on the page before
    QTest::newRow("first entry") << "";
    QTest::newRow("failure road taken") << "failure";
    QTest::newRow("entered again after a confirmed run") << "again";
}

// While the user is choosing, no run is open: a late or stray reply of the
// camera must not restart its network or move anything.
void tst_failedpage::noReplyWithoutRun()
{
    QFETCH(QString, before);
    SimCamera cam = cameraWith("1", "0");
    cam.registered = before == "again";
    atFailedPage w(cam);
    failedPage *p = w.page;
    if (!before.isEmpty()) {
        fill(p, {"dhcp", "", "", {}});
        controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
        feed(cam, '3');
        w.tick();
        QCOMPARE(countOf(takeSent(), '9'), 1);
        boxes->answer(before == "again" ? "OK" : "Close");
        decideWith(w, before == "again");
        QCOMPARE(boxes->count(), 1);
        if (before == "again") {
            QCOMPARE(w.wizard.currentId(), int(joinPage1Id));
            w.open(failedPageId);  // "change the Internet connection" from a later page
            QCOMPARE(w.page, p);
        }
    }
    takeSent();

    feed(cam, '3');
    cam.internet = "1";
    feed(cam, '8');
    w.deliverQueued();
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(countOf(sent, '9'), 0);
    QCOMPARE(sent.size(), countOf(sent, '9'));  // nothing else either
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QCOMPARE(choices(p), 1);
    QCOMPARE(boxes->count(), before.isEmpty() ? 0 : 1);

    // The next run starts clean all the same.
    fill(p, {"dhcp", "", "", {}});
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    QCOMPARE(w.ticks(), 0);
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->setupConfirmed());
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->online());
}

void tst_failedpage::noChosenCamera_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("none chosen") << -1;
    QTest::newRow("past the list") << 3;
}

// Without a chosen camera nothing is sent and nothing breaks; a run whose
// camera goes away meanwhile ends on the failure road.
void tst_failedpage::noChosenCamera()
{
    QFETCH(int, index);
    SimCamera cam = cameraWith();
    atFailedPage w(cam, index);
    failedPage *p = w.page;
    QCOMPARE(controlOf<QLabel>(p, QStringLiteral("currentConnLabel"))->text(),
             QStringLiteral("(Current Internet connection(*): <b>Dynamic IP address(DHCP)</b>)"));
    takeSent();
    for (const char *way : {"dhcp", "static", "pppoe"}) {
        fill(p, {way, "bob", "secret", goodAddresses});
        QTest::ignoreMessage(QtDebugMsg, "next: no camera chosen, nothing sent.");
        controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
        QVERIFY(takeSent().isEmpty());
        QVERIFY(!w.run()->isRunning());
        QCOMPARE(choices(p), 1);
        QCOMPARE(boxes->count(), 0);
    }

    configIPCameraIdx = 0;
    fill(p, {"dhcp", "", "", {}});
    controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    configIPCameraIdx = index;
    feed(cam, '3');
    cam.internet = "1";
    feed(cam, '8');
    w.deliverQueued();
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->setupConfirmed());
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->online());
    boxes->answer("Close");
    for (int guard = 0; guard < 1000 && boxes->count() == 0; ++guard)
        w.tick();
    QCOMPARE(w.ticks(), 920);
    QVERIFY(takeSent().isEmpty());
    QCOMPARE(boxes->count(), 1);
    expectFailureBox(boxes->last());
    QVERIFY(!w.run()->isRunning());
    QCOMPARE(choices(p), 1);
    QCOMPARE(w.wizard.currentId(), int(failedPageId));
}

// The PPPoE password reaches the camera and nowhere else, not even when the
// camera's setup reply carries it back.
void tst_failedpage::noSecretInLog()
{
    SimCamera cam = cameraWith("0", "1");
    const QString password = QStringLiteral("Tr0ub4dor&3");
    const QByteArray encoded = "VHIwdWI0ZG9yJjM=";
    cam.network[7] = "bob";
    cam.network[8] = encoded;
    atFailedPage w(cam);
    failedPage *p = w.page;
    fill(p, {"pppoe", "bob", password, {}});

    QStringList lines;
    {
        logCapture log;
        controlOf<QPushButton>(p, QStringLiteral("fail_next_btu"))->click();
        w.tick(5);
        feed(cam, '3');
        w.tick(5);
        lines = log.lines;
    }

    const QList<sentCommand> sent = takeSent();
    QCOMPARE(countOf(sent, '3'), 1);
    QVERIFY(sent.at(0).body.endsWith(";8=" + encoded));
    QCOMPARE(countOf(sent, '9'), 1);
    const QString all = lines.join(QLatin1Char('\n'));
    QVERIFY2(all.contains(QStringLiteral("class content:")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("network setup respond:checkNetworkCfg")),
             qPrintable(all));
    for (const QString &line : lines)
        QVERIFY2(!line.contains(password) && !line.contains(QLatin1String(encoded)),
                 qPrintable(line));
}

QTEST_MAIN(tst_failedpage)
#include "tst_failedpage.moc"
