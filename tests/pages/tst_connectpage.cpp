// The connection page in a real wizard window. Commands leave the engine for
// a capture socket on 127.0.0.1; camera replies are fed straight into the
// engine's reader; the check run, the step cycle and the list search are
// driven by calling their slots, never by waiting.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageframe.h"
#include "pages/setup/connectpage.h"
#include "pages/setup/movelabel.h"
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

#include <QComboBox>
#include <QEnterEvent>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using camsim::SimCamera;
using simtest::feed;
using simtest::hostMac;

namespace {

const QPoint wizardPos(100, 50);
const QString camMac = QStringLiteral("02:00:00:00:1a:01");
const QString veilPic = QStringLiteral(":/images/loading00.png");
const QString ledPower = QStringLiteral("Is the Power/Link LED on the camera lit green ?");

QString style(const char *picture, const char *font = "14px", const char *border = "0px")
{
    return QStringLiteral("background-image: url(:/images/%1);font:%2;color:rgb(255,255,255);"
                          "border: %3")
        .arg(QLatin1String(picture), QLatin1String(font), QLatin1String(border));
}
const QString blueNext = style("btn_start-next_blue.png");
const QString rescanIdle = style("conn_rescan_but.png");
const QString rescanBusy = style("small_light_but.png");

// The boxes of the check run, by kind: text, icon, offset from the wizard,
// and per button its caption, object name and style.
struct boxLook {
    QString text;
    QMessageBox::Icon icon;
    QPoint offset;
    QList<QStringList> buttons;
};

const QMap<QString, boxLook> &boxLooks()
{
    const QString yes = style("btn_yes_blue.png"), close = style("btn_close-no_blue.png");
    const QString yes3 = style("btn_yes_blue.png", "14px", "3px");
    const QString close3 = style("btn_close-no_blue.png", "14px", "3px");
    const QString close12 = style("btn_close-no_blue.png", "12pt");
    const QStringList okButton{"OK\t", "j4_done_btu", yes};
    static const QMap<QString, boxLook> looks = {
        {"registered",
         {"<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>The camera has "
          "already registered, click <b>Reset</b> to restart the application and reset the camera, "
          "click <b>Close</b> just re-configure the camera!",
          QMessageBox::Warning,
          {115, 230},
          {{"Reset    ", "j4_done_btu", yes}, {"Close    ", "detail_close_btu", close}}}},
        {"led",
         {ledPower,
          QMessageBox::Warning,
          {160, 273},
          {{"Yes    ", "j4_done_btu", yes}, {"NO    ", "detail_close_btu", close}}}},
        {"retry",
         {"The camera can not connect to skyvue server. click <b>Retry</b> to check again, or "
          "click <b>Close</b> without signing in skyvue.",
          QMessageBox::NoIcon,
          {130, 250},
          {{"Retry\t ", "j4_done_btu", yes3}, {"Close\t ", "detail_close_btu", close3}}}},
        {"cable",
         {"Check your cable connection please.<br>",
          QMessageBox::NoIcon,
          {230, 230},
          {{"Close    ", "wel_msg_close_btu", close12}}}},
        {"wireless",
         {"The wireless connection failed. Please connect the Ethernet cable and select the "
          "wireless network again.<br>",
          QMessageBox::NoIcon,
          {120, 250},
          {{"Close    ", "wel_msg_close_btu", close12}}}},
        {"plug in",
         {"<br>Please plug in the cable. click <b>OK</b> when you finish.",
          QMessageBox::Warning,
          {170, 250},
          {okButton}}},
        {"unplug",
         {"<br>Now you can unplug the Ethernet cable from the camera and click <b>OK</b> when you "
          "finish.",
          QMessageBox::Warning,
          {130, 250},
          {okButton}}},
    };
    return looks;
}

void expectBox(const recordedBox &box, const QString &kind)
{
    QVERIFY2(boxLooks().contains(kind), qPrintable(kind));
    const boxLook &look = boxLooks()[kind];
    QCOMPARE(box.text, look.text);
    QCOMPARE(box.icon, look.icon);
    QCOMPARE(box.pos, wizardPos + look.offset);
    QVERIFY(!box.hasParent);
    QVERIFY(box.flags & Qt::FramelessWindowHint);
    QCOMPARE(box.buttons.size(), look.buttons.size());
    for (int i = 0; i < box.buttons.size(); ++i) {
        QCOMPARE(box.buttons.at(i).caption, look.buttons.at(i).at(0));
        QCOMPARE(box.buttons.at(i).objectName, look.buttons.at(i).at(1));
        QCOMPARE(box.buttons.at(i).styleSheet, look.buttons.at(i).at(2));
        QCOMPARE(box.buttons.at(i).size, QSize(119, 34));
        QCOMPARE(box.buttons.at(i).role, QMessageBox::ActionRole);
    }
}

void pointerEnters(QWidget *w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}
void pointerLeaves(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

// Calls a page slot by name, private ones included, as its signal would.
void invoke(QObject *page, const char *slot)
{
    if (!QMetaObject::invokeMethod(page, slot, Qt::DirectConnection))
        qFatal("no slot %s", slot);
}

// Network 0 is always the same; network 1 is the one a test picks.
SimCamera cameraOf(bool wirelessNow, const QByteArray &model, const QByteArray &ssid1 = "Garden",
                   const QByteArray &f4 = "3")
{
    SimCamera c = simtest::makeCamera(camMac, "porch");
    c.wireless = wirelessNow;
    c.model = model;
    c.wifi = {simtest::wifiNetwork("Home network", "4", "5", "1", "9"),
              simtest::wifiNetwork(ssid1, f4, "7", "2", "11")};
    return c;
}

struct atConnectPage : wizardWithCamera<connectPage> {
    explicit atConnectPage(const SimCamera &cam, int index = 0)
        : wizardWithCamera<connectPage>(connectPageId, cam, index, wizardPos)
    {
    }
};

}  // namespace

class tst_connectpage : public pageBench
{
    Q_OBJECT

    static QRadioButton *radioOf(const connectPage *page, const QString &way)
    {
        return way == "cable" ? controlOf<QRadioButton>(page, QStringLiteral("ethernetRadio"))
               : way == "wps" ? controlOf<QRadioButton>(page, QStringLiteral("wpsRadio"))
                              : controlOf<QRadioButton>(page, QStringLiteral("selectNetworkRadio"));
    }

    // Takes a way as the user would; the network way waits for the
    // camera's list, then picks a network and types the key.
    static void choose(connectPage *page, const SimCamera &cam, const QString &way, int ap = 1,
                       const QString &key = QStringLiteral("river7stone"))
    {
        radioOf(page, way)->click();
        if (way != "network")
            return;
        feed(cam, '4');
        QCoreApplication::sendPostedEvents();
        controlOf<QComboBox>(page, QStringLiteral("apListCombo"))->setCurrentIndex(ap);
        controlOf<QLineEdit>(page, QStringLiteral("apPasswordEdit"))->setText(key);
    }

    static bool shown(const connectPage *page, const QWidget *w) { return w->isVisibleTo(page); }

    // The instruction step the panel shows, -1 when its parts disagree.
    static int shownStep(const connectPage *p)
    {
        const QList<moveLabel *> entries = controlsOf<moveLabel>(p, "wiredStepLabel", 3)
                                           + controlsOf<moveLabel>(p, "wpsStepLabel", 4);
        int step = -1;
        for (int i = 0; i < entries.size(); ++i) {
            if (shown(p, entries.at(i))
                && entries.at(i)->styleSheet() == QLatin1String("color:rgb(42,123,182);")) {
                if (step >= 0)
                    return -1;
                step = i;
            }
        }
        if (step < 0)
            return -1;
        const int markerY[7] = {240, 270, 300, 300, 330, 360, 390};
        const int number = step < 3 ? step + 1 : step - 2;
        const QString picture =
            QStringLiteral("images/connect_step%1_pic%2.png").arg(step < 3 ? 1 : 2).arg(number);
        const bool agree =
            shown(p, controlOf<QLabel>(p, QStringLiteral("stepMarker")))
            && controlOf<QLabel>(p, QStringLiteral("stepMarker"))->geometry()
                   == QRect(30, markerY[step], 254, 30)
            && shown(p, controlOf<moveLabel>(p, QStringLiteral("stepImage")))
            && shown(p, controlOf<moveLabel>(p, QStringLiteral("pictureFrame")))
            && controlOf<moveLabel>(p, QStringLiteral("stepImage"))->property("picture").toString()
                   == picture
            && shown(p, controlOf<moveLabel>(p, QStringLiteral("stepText")))
            && controlOf<moveLabel>(p, QStringLiteral("stepText"))
                   ->text()
                   .startsWith(QString::number(number) + '.')
            && shown(p, controlOf<moveLabel>(p, QStringLiteral("ledHintLink"))) == (step == 2)
            && shown(p, controlOf<moveLabel>(p, QStringLiteral("wpsButtonLink"))) == (step == 5)
            && shown(p, controlOf<moveLabel>(p, QStringLiteral("problemsLink"))) == (step == 6);
        return agree ? step : -1;
    }

    // Back, Next and the three ways: 1 all enabled, 0 all disabled, -1 mixed.
    static int choices(const connectPage *p)
    {
        int on = 0;
        for (QWidget *w :
             {static_cast<QWidget *>(controlOf<QPushButton>(p, QStringLiteral("conn_back_btn"))),
              static_cast<QWidget *>(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))),
              static_cast<QWidget *>(controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio"))),
              static_cast<QWidget *>(controlOf<QRadioButton>(p, QStringLiteral("wpsRadio"))),
              static_cast<QWidget *>(
                  controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio")))})
            on += w->isEnabled();
        return on == 5 ? 1 : on == 0 ? 0 : -1;
    }

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init() { beforeTest(); }
    void cleanup() { afterTest(); }

    void entering_data();
    void entering();
    void nextPayload_data();
    void nextPayload();
    void nextSendsNothing_data();
    void nextSendsNothing();
    void networkList();
    void rescanSearch_data();
    void rescanSearch();
    void instructionCycle_data();
    void instructionCycle();
    void holdingSteps_data();
    void holdingSteps();
    void ledHelpRoads_data();
    void ledHelpRoads();
    void checkRun_data();
    void checkRun();
    void decisionRoads_data();
    void decisionRoads();
    void noTickUnderDecisionBox_data();
    void noTickUnderDecisionBox();
    void noSecondRunFromKeyboard();
    void retryWithNothingToSend();
    void noChosenCamera_data();
    void noChosenCamera();
    void noSecretInLog();
    void back();
};

// ------------------------------------------------------------ entering

void tst_connectpage::entering_data()
{
    QTest::addColumn<bool>("wifiModel");  // isWireless
    QTest::addColumn<int>("camera");      // its link: 0 wired, 1 wireless; -1 none chosen
    QTest::addColumn<bool>("cableChosen");
    QTest::addColumn<QString>("current");  // link named in the current-connection line
    QTest::addColumn<bool>("wiredStar");
    QTest::addColumn<bool>("cableRunning");  // the cable instructions at once

    QTest::newRow("wired camera") << true << 0 << true << "Wired" << true << false;
    QTest::newRow("wireless camera") << true << 1 << false << "Wireless" << false << false;
    QTest::newRow("no camera chosen") << true << -1 << true << "Wired" << true << false;
    QTest::newRow("model without Wi-Fi") << false << 0 << true << "Wired" << true << true;
    QTest::newRow("model without Wi-Fi, camera on Wi-Fi")
        << false << 1 << true << "Wireless" << false << true;
}

void tst_connectpage::entering()
{
    QFETCH(bool, wifiModel);
    QFETCH(int, camera);
    QFETCH(bool, cableChosen);
    QFETCH(QString, current);
    QFETCH(bool, wiredStar);
    QFETCH(bool, cableRunning);
    isWireless = wifiModel;
    const SimCamera cam = cameraOf(camera == 1, "KSM-6120E");
    atConnectPage w(cam, camera < 0 ? -1 : 0);
    connectPage *p = w.page;

    // Entering again after a way was taken and a key typed starts afresh.
    for (int visit = 0; visit < 2; ++visit) {
        QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio"))->isChecked(),
                 cableChosen);
        QVERIFY(!controlOf<QRadioButton>(p, QStringLiteral("wpsRadio"))->isChecked());
        QVERIFY(!controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))->isChecked());
        QCOMPARE(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->isEnabled(),
                 cableChosen);
        if (cableChosen)
            QCOMPARE(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->styleSheet(),
                     blueNext);
        QVERIFY(controlOf<QPushButton>(p, QStringLiteral("conn_back_btn"))->isEnabled());
        QCOMPARE(controlOf<QLabel>(p, QStringLiteral("currentConnLabel"))->text(),
                 "(Current connection(*): <b>" + current + " connection</b>)");
        QCOMPARE(controlOf<QLabel>(p, QStringLiteral("wiredHeading"))->text(),
                 wiredStar ? "<b>Wired connection*</b>" : "<b>Wired connection</b>");
        QCOMPARE(controlOf<QLabel>(p, QStringLiteral("wirelessHeading"))->text(),
                 wiredStar ? "<b>Wireless connection</b>" : "<b>Wireless connection*</b>");
        for (QWidget *wl :
             {static_cast<QWidget *>(controlOf<QLabel>(p, QStringLiteral("wirelessHeading"))),
              static_cast<QWidget *>(controlOf<QRadioButton>(p, QStringLiteral("wpsRadio"))),
              static_cast<QWidget *>(
                  controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))),
              static_cast<QWidget *>(controlOf<QLabel>(p, QStringLiteral("wpsLink")))})
            QCOMPARE(shown(p, wl), wifiModel);
        QVERIFY(shown(p, controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio"))));
        QCOMPARE(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive(), cableRunning);
        QCOMPARE(shownStep(p), cableRunning ? 0 : -1);
        QVERIFY(!shown(p, controlOf<QComboBox>(p, QStringLiteral("apListCombo"))));
        QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->count(), 0);
        QVERIFY(controlOf<QLineEdit>(p, QStringLiteral("apPasswordEdit"))->text().isEmpty());
        QVERIFY(!w.run()->isRunning());
        QVERIFY(!shown(p, waitPicture(w.run())));

        if (visit == 0) {
            if (wifiModel) {
                choose(p, cam, "network");
                QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->count(),
                         camera < 0 ? 0 : 2);
            }
            controlOf<QLineEdit>(p, QStringLiteral("apPasswordEdit"))->setText("typed");
            w.open(connectPageId);
            QCOMPARE(w.page, p);
        }
    }
}

// ------------------------------------------------------------ Next

void tst_connectpage::nextPayload_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("wirelessNow");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("ssid");  // of network 1, the one chosen
    QTest::addColumn<QByteArray>("f4");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("payload");  // after the M and D items
    QTest::addColumn<bool>("change");
    QTest::addColumn<bool>("cfgAtOnce");

    const QByteArray other = "KSM-6120E", k271 = "KSM-271E", k273 = "KSM-273E", gd = "Garden";
    const QByteArray g = ";9=1;10=11;11=R2FyZGVu;12=7;14=2;15=";  // network 1, "Garden"
    const QByteArray k = "cml2ZXI3c3RvbmU=";                      // "river7stone"
    const QString key = "river7stone";
    QTest::newRow("cable, wired camera") << "cable" << false << other << gd << QByteArray("3") << ""
                                         << QByteArray() << false << false;
    QTest::newRow("cable, wireless camera")
        << "cable" << true << k273 << gd << QByteArray("3") << "" << QByteArray() << true << false;
    QTest::newRow("WPS, wired camera")
        << "wps" << false << k273 << gd << QByteArray("3") << "" << QByteArray() << false << true;
    QTest::newRow("WPS, wireless camera")
        << "wps" << true << other << gd << QByteArray("3") << "" << QByteArray() << false << true;
    QTest::newRow("network, 271E, f4 4") << "network" << false << k271 << gd << QByteArray("4")
                                         << key << g + "4;16=0;34=" + k << true << false;
    QTest::newRow("network, 273E, f4 4, camera on Wi-Fi")
        << "network" << true << k273 << gd << QByteArray("4") << key << g + "4;16=0;34=" + k
        << false << false;
    QTest::newRow("network, 273E, f4 3") << "network" << false << k273 << gd << QByteArray("3")
                                         << key << g + "3;16=0;18=" + k + ";35=1" << true << false;
    QTest::newRow("network, 271E, f4 unreadable")
        << "network" << true << k271 << gd << QByteArray("Unknown") << key
        << g + "Unknown;16=0;18=" + k + ";35=1" << false << false;
    QTest::newRow("network, other model, f4 4")
        << "network" << false << other << gd << QByteArray("4") << key << g + "4;18=" + k << true
        << false;
    QTest::newRow("network, model named alike")
        << "network" << false << QByteArray("KSM-273") << gd << QByteArray("4") << key
        << g + "4;18=" + k << true << false;
    QTest::newRow("network, empty key") << "network" << false << other << gd << QByteArray("3")
                                        << "" << g + "3;18=" << true << false;
    QTest::newRow("network, 273E, empty key") << "network" << false << k273 << gd << QByteArray("4")
                                              << "" << g + "4;16=0;34=" << true << false;
    QTest::newRow("network, key not ASCII")
        << "network" << false << other << gd << QByteArray("3")
        << QString::fromUtf8("p\xc3\xa4ssw\xc3\xb6rd \xe2\x82\xac")
        << g + "3;18=cMOkc3N3w7ZyZCDigqw=" << true << false;
    // The stored bytes, not the list's text, go out.
    QTest::newRow("network, SSID not UTF-8")
        << "network" << false << other << QByteArray("Caf\xe9 guests") << QByteArray("3") << key
        << ";9=1;10=11;11=Q2Fm6SBndWVzdHM=;12=7;14=2;15=3;18=" + k << true << false;
}

void tst_connectpage::nextPayload()
{
    QFETCH(QString, way);
    QFETCH(bool, wirelessNow);
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, ssid);
    QFETCH(QByteArray, f4);
    QFETCH(QString, key);
    QFETCH(QByteArray, payload);
    QFETCH(bool, change);
    QFETCH(bool, cfgAtOnce);
    const SimCamera cam = cameraOf(wirelessNow, model, ssid, f4);
    atConnectPage w(cam);
    connectPage *p = w.page;
    choose(p, cam, way, 1, key);
    QCOMPARE(countOf(takeSent(), '4'), way == "network" ? 1 : 0);
    if (way == "network") {
        QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->itemData(1).toInt(), 1);
        QCOMPARE(networkSetup::wirelessPayload(model, IPCameraList.at(0).aps, 1, key), payload);
    }
    QVERIFY(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->isEnabled());

    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).dst, camMac);
    QCOMPARE(sent.at(0).body, "3;M=" + camMac.toLatin1() + ";D=" + model + payload);
    // A change of the kind of link moves a successful check further on.
    QCOMPARE(controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->currentPlan().pingTarget,
             change ? 895 : 245);
    networkCheck *check = controlOf<networkCheck>(p, QStringLiteral("networkCheck"));
    QCOMPARE(check->setupConfirmed(), cfgAtOnce);
    QVERIFY(!check->online());
    QVERIFY(check->isOpen());
    // The run is open over the page.
    QVERIFY(w.run()->isRunning());
    QCOMPARE(waitTimer(w.run())->interval(), 100);
    QCOMPARE(w.ticks(), 0);
    QCOMPARE(check->phrase(), QStringLiteral("Saving network setting"));
    QVERIFY(shown(p, waitPicture(w.run())));
    QVERIFY(shown(p, waitText(w.run())));
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    QCOMPARE(choices(p), 0);
}

void tst_connectpage::nextSendsNothing_data()
{
    QTest::addColumn<QString>("way");    // empty: none chosen
    QTest::addColumn<int>("listed");     // networks delivered to the list, -1 no reply
    QTest::addColumn<int>("later");      // networks in the camera's record at Next, -1 as listed
    QTest::addColumn<bool>("badIndex");  // logged "Bad ap idx"

    QTest::newRow("no way chosen") << "" << -1 << -1 << false;
    QTest::newRow("network list still empty") << "network" << -1 << -1 << false;
    QTest::newRow("camera's list emptied since") << "network" << 2 << 0 << true;
    QTest::newRow("camera's list shrank below the choice") << "network" << 2 << 1 << true;
}

void tst_connectpage::nextSendsNothing()
{
    QFETCH(QString, way);
    QFETCH(int, listed);
    QFETCH(int, later);
    QFETCH(bool, badIndex);
    SimCamera cam = cameraOf(true, "KSM-6120E");
    atConnectPage w(cam);
    connectPage *p = w.page;
    if (!way.isEmpty()) {
        controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))->click();
        if (listed >= 0) {
            feed(cam, '4');
            w.deliverQueued();
            controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->setCurrentIndex(1);
        }
        if (later >= 0) {
            // The rescan's answer has reached the record, not yet the list.
            invoke(p, "rescanAP");
            cam.wifi = cam.wifi.mid(0, later);
            feed(cam, '4');
            QCOMPARE(IPCameraList.at(0).aps.count, later);
            QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->count(), 2);
            QVERIFY(
                networkSetup::wirelessPayload(cam.model, IPCameraList.at(0).aps, 1, "k").isEmpty());
        }
    }
    takeSent();
    if (badIndex)
        QTest::ignoreMessage(QtDebugMsg, "Bad ap idx");
    invoke(p, "next");
    QVERIFY(takeSent().isEmpty());
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QCOMPARE(choices(p), way.isEmpty() ? -1 : 1);
    QCOMPARE(boxes->count(), 0);
}

// ------------------------------------------------------------ the list

void tst_connectpage::networkList()
{
    SimCamera cam = cameraOf(false, "KSM-6120E");
    cam.wifi = {simtest::wifiNetwork("Home"), simtest::wifiNetwork("Caf\xc3\xa9"),
                simtest::wifiNetwork("Home")};
    atConnectPage w(cam);
    connectPage *p = w.page;
    takeSent();

    controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))->click();
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).zvrClass, '4');
    QCOMPARE(sent.at(0).dst, camMac);
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    for (QWidget *wl :
         {static_cast<QWidget *>(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))),
          static_cast<QWidget *>(controlOf<QLabel>(p, QStringLiteral("apListLabel"))),
          static_cast<QWidget *>(controlOf<QPushButton>(p, QStringLiteral("rescanButton"))),
          static_cast<QWidget *>(controlOf<QLineEdit>(p, QStringLiteral("apPasswordEdit")))})
        QVERIFY(shown(p, wl));
    QVERIFY(!shown(p, controlOf<moveLabel>(p, QStringLiteral("stepImage"))));
    // A WPA passphrase holds at most 64 characters; the key is shown as stars.
    QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("apPasswordEdit"))->maxLength(), 64);
    QCOMPARE(controlOf<QLineEdit>(p, QStringLiteral("apPasswordEdit"))->echoMode(),
             QLineEdit::Password);

    // The reply's order kept, duplicates kept, item data its index.
    feed(cam, '4');
    w.deliverQueued();
    const QStringList names = {"Home", QString::fromUtf8("Caf\xc3\xa9"), "Home"};
    QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->itemText(i), names.at(i));
        QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->itemData(i).toInt(), i);
    }

    // A rescan's list replaces the list whole.
    cam.wifi = {simtest::wifiNetwork("Office")};
    controlOf<QPushButton>(p, QStringLiteral("rescanButton"))->click();
    QCOMPARE(countOf(takeSent(), '4'), 1);
    feed(cam, '4');
    w.deliverQueued();
    QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->count(), 1);
    QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->itemText(0),
             QStringLiteral("Office"));
}

void tst_connectpage::rescanSearch_data()
{
    QTest::addColumn<bool>("listPanel");  // false: the cable panel, curStep 0
    QTest::addColumn<int>("networks");    // in the reply, -1 no reply
    QTest::addColumn<bool>("replyEnds");  // the reply restores Rescan and stops the search
    QTest::addColumn<int>("repeatAt3");

    QTest::newRow("list panel, no reply") << true << -1 << false << 1;
    QTest::newRow("list panel, reply") << true << 2 << true << 0;
    QTest::newRow("list panel, empty reply") << true << 0 << true << 0;
    QTest::newRow("cable panel, reply") << false << 2 << false << 0;
    QTest::newRow("cable panel, empty reply") << false << 0 << false << 1;
}

void tst_connectpage::rescanSearch()
{
    QFETCH(bool, listPanel);
    QFETCH(int, networks);
    QFETCH(bool, replyEnds);
    QFETCH(int, repeatAt3);
    SimCamera cam = cameraOf(true, "KSM-6120E");
    atConnectPage w(cam);
    connectPage *p = w.page;
    (listPanel ? controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))
               : controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio")))
        ->click();
    QCOMPARE(shown(p, controlOf<QComboBox>(p, QStringLiteral("apListCombo"))), listPanel);
    QCOMPARE(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive(), !listPanel);
    takeSent();
    controlOf<QPushButton>(p, QStringLiteral("rescanButton"))->click();
    QCOMPARE(countOf(takeSent(), '4'), 1);
    QCOMPARE(controlOf<QPushButton>(p, QStringLiteral("rescanButton"))->size(), QSize(79, 27));
    QCOMPARE(controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->interval(), 1000);
    if (networks >= 0) {
        cam.wifi = cam.wifi.mid(0, networks);
        feed(cam, '4');
        w.deliverQueued();
        QCOMPARE(controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->count(), networks);
    }
    QCOMPARE(controlOf<QPushButton>(p, QStringLiteral("rescanButton"))->styleSheet(),
             replyEnds ? rescanIdle : rescanBusy);
    QCOMPARE(controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive(), !replyEnds);
    if (replyEnds)
        return;

    // One repeat at the third tick while the camera's list is empty; the
    // search gives up at the fifth.
    for (int tick = 1; tick <= 5; ++tick) {
        invoke(p, "decideAPSearch");
        QCOMPARE(countOf(takeSent(), '4'), tick == 3 ? repeatAt3 : 0);
        QCOMPARE(controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive(), tick < 5);
    }
    QCOMPARE(controlOf<QPushButton>(p, QStringLiteral("rescanButton"))->styleSheet(), rescanBusy);
}

// ------------------------------------------------------------ instructions

void tst_connectpage::instructionCycle_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("afterCable");
    QTest::addColumn<QList<int>>("steps");  // on opening, then one per tick
    QTest::addColumn<int>("wirelessY");     // the wireless heading
    QTest::addColumn<int>("networkY");      // the network way

    QTest::newRow("cable") << "cable" << false << QList<int>{0, 0, 1, 2, 0, 1} << 335 << 395;
    QTest::newRow("WPS") << "wps" << false << QList<int>{3, 3, 4, 5, 6, 3, 4} << 245 << 425;
    QTest::newRow("WPS after the cable")
        << "wps" << true << QList<int>{3, 3, 4, 5, 6} << 245 << 425;
}

void tst_connectpage::instructionCycle()
{
    QFETCH(QString, way);
    QFETCH(bool, afterCable);
    QFETCH(QList<int>, steps);
    QFETCH(int, wirelessY);
    QFETCH(int, networkY);
    atConnectPage w(cameraOf(true, "KSM-6120E"));
    connectPage *p = w.page;
    QVERIFY(!controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->isEnabled());
    if (afterCable) {
        controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio"))->click();
        invoke(p, "timerDone");
        invoke(p, "timerDone");
    }
    radioOf(p, way)->click();
    QVERIFY(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    QCOMPARE(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->interval(), 2000);
    QVERIFY(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->isEnabled());
    QCOMPARE(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->styleSheet(), blueNext);
    QCOMPARE(controlOf<QLabel>(p, QStringLiteral("wirelessHeading"))->y(), wirelessY);
    QCOMPARE(controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))->y(), networkY);
    for (moveLabel *e : way == "cable" ? controlsOf<moveLabel>(p, "wpsStepLabel", 4)
                                       : controlsOf<moveLabel>(p, "wiredStepLabel", 3))
        QVERIFY(!shown(p, e));

    QCOMPARE(shownStep(p), steps.at(0));
    for (int i = 1; i < steps.size(); ++i) {
        invoke(p, "timerDone");
        QCOMPARE(shownStep(p), steps.at(i));
    }
    if (way == "wps") {
        QCOMPARE(controlOf<moveLabel>(p, QStringLiteral("wpsButtonLink"))->font().family(),
                 QStringLiteral("Timer"));
        QCOMPARE(controlOf<moveLabel>(p, QStringLiteral("wpsButtonLink"))->text(),
                 QStringLiteral("<a href = http><font size=3 color=#638c0b>*where is my WPS "
                                "button?</font></a>"));
    } else {
        // Shown by the cycle, the LED link keeps the page's font.
        QVERIFY(controlOf<moveLabel>(p, QStringLiteral("ledHintLink"))->font().family()
                != QStringLiteral("Timer"));
        QCOMPARE(controlOf<moveLabel>(p, QStringLiteral("ledHintLink"))->text(),
                 QStringLiteral("<a href = http><font size=3 color=#638c0b>*What do I do if the "
                                "LED stays red?</font></a>"));
    }

    // The list panel stops the cycle; a tick there shows nothing.
    controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))->click();
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    invoke(p, "timerDone");
    invoke(p, "timerDone");
    QVERIFY(!shown(p, controlOf<moveLabel>(p, QStringLiteral("stepImage"))));
}

void tst_connectpage::holdingSteps_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("held");          // step shown while pointed at, -1 the one shown before
    QTest::addColumn<QList<int>>("after");  // the ticks after leaving

    QTest::newRow("WPS entry 2") << "wps"
                                 << "wpsStepLabel2" << 4 << QList<int>{4, 5};
    QTest::newRow("WPS entry 4") << "wps"
                                 << "wpsStepLabel4" << 6 << QList<int>{6, 3};
    QTest::newRow("cable entry 3") << "cable"
                                   << "wiredStepLabel3" << 2 << QList<int>{2, 0};
    QTest::newRow("cable entry 1") << "cable"
                                   << "wiredStepLabel1" << 0 << QList<int>{0, 1};
    QTest::newRow("WPS picture") << "wps"
                                 << "stepImage" << -1 << QList<int>{5, 6};
    QTest::newRow("cable text") << "cable"
                                << "stepText" << -1 << QList<int>{2, 0};
}

void tst_connectpage::holdingSteps()
{
    QFETCH(QString, way);
    QFETCH(QString, target);
    QFETCH(int, held);
    QFETCH(QList<int>, after);
    supportType = QStringLiteral("KSM-6140E");
    atConnectPage w(cameraOf(true, "KSM-6140E"));
    connectPage *p = w.page;
    radioOf(p, way)->click();
    invoke(p, "timerDone");
    invoke(p, "timerDone");
    const int before = shownStep(p);
    QCOMPARE(before, way == "wps" ? 4 : 1);

    QWidget *t = p->findChild<QWidget *>(target);
    QVERIFY(t);
    pointerEnters(t);
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    QCOMPARE(shownStep(p), held < 0 ? before : held);
    if (held == 2) {
        // Held by the pointer, the LED link takes the help-link font.
        QCOMPARE(controlOf<moveLabel>(p, QStringLiteral("ledHintLink"))->font().family(),
                 QStringLiteral("Timer"));
        QCOMPARE(controlOf<moveLabel>(p, QStringLiteral("ledHintLink"))->text(),
                 QStringLiteral("<a href = http><font size=3 color=#638c0b>*What do I do if the "
                                "Link LED stays off?</font></a>"));
    }
    pointerLeaves(t);
    QVERIFY(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    QCOMPARE(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->interval(), 2000);
    for (int step : after) {
        invoke(p, "timerDone");
        QCOMPARE(shownStep(p), step);
    }
}

void tst_connectpage::ledHelpRoads_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("answers");  // "link" follows the box's reset link
    QTest::addColumn<int>("endPage");

    QTest::newRow("Close") << "ALL" << QStringList{"Close"} << int(connectPageId);
    QTest::newRow("link, Close") << "KSM-6120E" << QStringList{"link", "Close"}
                                 << int(connectPageId);
    QTest::newRow("link, Restart, No")
        << "KSM-6140E" << QStringList{"link", "Restart", "No"} << int(connectPageId);
    QTest::newRow("link, Restart, Yes")
        << "ALL" << QStringList{"link", "Restart", "Yes"} << int(selectPageId);
}

// Boxes that code closes take no road of their own: the help box left for
// the reset road ends without an answer.
void tst_connectpage::ledHelpRoads()
{
    QFETCH(QString, model);
    QFETCH(QStringList, answers);
    QFETCH(int, endPage);
    supportType = model;
    isWireless = false;  // the cable instructions run at once
    atConnectPage w(cameraOf(false, model == "ALL" ? QByteArray("KSM-6120E") : model.toLatin1()));
    connectPage *p = w.page;
    for (int i = 0; i < 3; ++i)
        invoke(p, "timerDone");
    QCOMPARE(shownStep(p), 2);
    // All three timers run, so that a road that must stop them shows it.
    invoke(p, "rescanAP");
    w.run()->resume();
    QVERIFY(controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());

    QPointer<QDialog> helpBox;
    bool veilDuring = false, helpGone = false;
    for (const QString &a : answers) {
        if (a != "link") {
            boxes->answer(a);
            continue;
        }
        boxes->answerWith([&](QDialog *d) {
            helpBox = d;
            d->show();  // as the modal run would: the toolkit then counts a close as Close
            for (QLabel *l : d->findChildren<QLabel *>())
                if (l->text().contains(QStringLiteral("reset the camera")))
                    emit l->linkActivated(QStringLiteral("terms"));
        });
    }
    boxes->onOpen([&](QDialog *) {
        if (boxes->count() == 1)
            veilDuring = shown(p, controlOf<QLabel>(p, QStringLiteral("ledVeilLabel")))
                         && !controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive();
        else if (boxes->count() == 2)
            helpGone = helpBox && helpBox->isHidden();  // the reset box takes its place
    });
    emit controlOf<moveLabel>(p, QStringLiteral("ledHintLink"))
        ->linkActivated(QStringLiteral("http"));

    QCOMPARE(boxes->count(), answers.size());
    QCOMPARE(boxes->pendingAnswers(), 0);
    QVERIFY(veilDuring);
    const bool linkLed = model != "ALL";
    const recordedBox &help = boxes->at(0);
    QCOMPARE(help.pos, wizardPos + QPoint(135, 160));
    QCOMPARE(help.labelTexts.size(), 1);
    QVERIFY(help.labelTexts.at(0).contains(linkLed ? "What do I do if the Link LED stays off?"
                                                   : "What do I do if the LED stays red?"));
    QCOMPARE(help.buttons.at(0).objectName, QStringLiteral("wel_msg_close_btu"));
    if (answers.size() > 1) {
        QCOMPARE(boxes->at(1).buttons.at(1).objectName, QStringLiteral("wel_msg_close_btu"));
        QVERIFY(helpGone);
    }
    if (answers.size() > 2) {
        const recordedBox &led = boxes->at(2);
        QCOMPARE(led.text,
                 linkLed ? QStringLiteral("Is the Link LED on the camera lit green ?") : ledPower);
        QCOMPARE(led.buttons.at(0).styleSheet, style("cancel_button_blue.png"));
    }

    QCOMPARE(w.wizard.currentId(), endPage);
    QCOMPARE(int(nextPage), endPage);
    QVERIFY(!shown(p, controlOf<QLabel>(p, QStringLiteral("ledVeilLabel"))));
    if (endPage == connectPageId) {
        // Back on the cable panel, the cycle running, no veil.
        QVERIFY(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
        QVERIFY(controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());
        QCOMPARE(shownStep(p), 2);
        return;
    }
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QCOMPARE(w.wizard.visitedIds(), (QList<int>{plugPageId, selectPageId}));
}

// ------------------------------------------------------------ the check run

void tst_connectpage::checkRun_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("wirelessNow");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QList<int>>("setupAt");   // counts at which the camera's setup reply comes
    QTest::addColumn<QString>("pings");        // answer to each ping: 1, 0, x unreadable, - none
    QTest::addColumn<bool>("earlierSuccess");  // the record still holds an earlier check's "1"
    // class@count of the run's commands; page 5 asks for the info record on entry
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("confirmBox");  // plug or unplug box at 250, empty none
    QTest::addColumn<QString>("phrases");     // status changes: Restarting, Checking @count
    QTest::addColumn<int>("decisionAt");
    QTest::addColumn<bool>("online");

    const QByteArray other = "KSM-6120E", k271 = "KSM-271E", k273 = "KSM-273E";
    const QString checks = "8@450 8@550 8@650 8@700 2@900";  // pings unanswered, then info
    QTest::newRow("no change: setup at once, online")
        << "cable" << false << other << QList<int>{1} << "1" << false << "8@100 2@250"
        << ""
        << "C@100" << 250 << true;
    QTest::newRow("no change: setup never answered, offline")
        << "cable" << false << other << QList<int>{} << "00" << false << "3@50 8@100 8@150"
        << ""
        << "C@100" << 250 << false;
    QTest::newRow("no change: success at the second ping")
        << "cable" << false << k273 << QList<int>{30} << "01" << false << "8@100 8@150 2@250"
        << ""
        << "C@100" << 250 << true;
    QTest::newRow("no change: unreadable replies after an earlier success")
        << "cable" << false << other << QList<int>{1} << "xx" << true << "8@100 8@150"
        << ""
        << "C@100" << 250 << false;
    QTest::newRow("cable for a wireless camera: online at the second check")
        << "cable" << true << other << QList<int>{10} << "01" << false
        << "8@450 8@550 2@900 1@920 2@920"
        << "plug in"
        << "R@250 C@450" << 920 << true;
    QTest::newRow("cable for a wireless 273E: each setup answer restarts its network")
        << "cable" << true << k273 << QList<int>{10, 248} << "----" << false
        << "9@10 9@248 " + checks << "plug in"
        << "R@250 C@450" << 920 << false;
    QTest::newRow("cable for a wireless camera: unreadable replies after an earlier success")
        << "cable" << true << other << QList<int>{10} << "xxxx" << true << checks << "plug in"
        << "R@250 C@450" << 920 << false;
    QTest::newRow("WPS on a 273E: no box, no restart, info records after the success")
        << "wps" << false << k273 << QList<int>{10} << "1" << false
        << "8@450 2@550 2@650 2@700 1@900 1@920 2@920"
        << ""
        << "R@250 C@450" << 920 << true;
    QTest::newRow("WPS without any answer")
        << "wps" << true << other << QList<int>{} << "" << false << checks << ""
        << "R@250 C@450" << 920 << false;
    QTest::newRow("network for a wired 271E: unplug box and restart")
        << "network" << false << k271 << QList<int>{10} << "1" << false
        << "9@10 8@450 2@900 1@920 2@920"
        << "unplug"
        << "R@250 C@450" << 920 << true;
    QTest::newRow("network for a wireless 273E: no box, no restart")
        << "network" << true << k273 << QList<int>{10} << "0000" << false << checks << ""
        << "R@250 C@450" << 920 << false;
    QTest::newRow("network, no setup answer: on to 901")
        << "network" << false << k271 << QList<int>{} << "" << false << ""
        << ""
        << "" << 920 << false;
}

void tst_connectpage::checkRun()
{
    QFETCH(QString, way);
    QFETCH(bool, wirelessNow);
    QFETCH(QByteArray, model);
    QFETCH(QList<int>, setupAt);
    QFETCH(QString, pings);
    QFETCH(bool, earlierSuccess);
    QFETCH(QString, sent);
    QFETCH(QString, confirmBox);
    QFETCH(QString, phrases);
    QFETCH(int, decisionAt);
    QFETCH(bool, online);
    SimCamera cam = cameraOf(wirelessNow, model);
    atConnectPage w(cam);
    connectPage *p = w.page;
    choose(p, cam, way);
    if (earlierSuccess)
        IPCameraList[0].pingOk = "1";

    int confirmAt = -1, decidedAt = -1;
    bool confirmVeiled = false;
    boxes->onOpen([&](QDialog *d) {
        auto *box = static_cast<pageBox *>(d);
        if (box->buttons().at(0)->text() == QStringLiteral("OK\t")) {
            confirmAt = w.ticks();
            confirmVeiled = !w.run()->isRunning() && !shown(p, waitText(w.run()))
                            && shown(p, waitPicture(w.run()))
                            && waitPicture(w.run())->property("picture").toString() == veilPic;
            box->buttons().at(0)->click();
        } else {
            decidedAt = w.ticks();  // left unanswered
        }
    });
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    takeSent();

    // The camera answers right after each command as the row says.
    QStringList said;
    QString phrase = controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase();
    scriptedCamera camera(cam, *capture, pings);
    const auto answer = [&](int at) {
        camera.answer(at);
        w.deliverQueued();
    };
    for (int guard = 0; guard < 2000 && decidedAt < 0 && nextPage == connectPageId; ++guard) {
        const int t = w.ticks();
        if (setupAt.contains(t)) {
            feed(cam, '3');
            w.deliverQueued();
            answer(t);
        }
        w.tick();
        if (nextPage != connectPageId)
            decidedAt = t + 1;
        if (controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase() != phrase) {
            phrase = controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase();
            said << QStringLiteral("%1@%2").arg(phrase.at(0)).arg(t + 1);
        }
        answer(t + 1);
    }

    QCOMPARE(camera.seen.join(QLatin1Char(' ')), sent);
    QCOMPARE(said.join(QLatin1Char(' ')), phrases);
    QCOMPARE(decidedAt, decisionAt);
    QCOMPARE(confirmAt, confirmBox.isEmpty() ? -1 : 250);
    if (!confirmBox.isEmpty()) {
        QVERIFY(confirmVeiled);
        expectBox(boxes->at(0), confirmBox);
    }
    networkCheck *check = controlOf<networkCheck>(p, QStringLiteral("networkCheck"));
    QCOMPARE(check->online(), online);
    QVERIFY(!check->isOpen());
    if (online) {
        QCOMPARE(boxes->count(), confirmBox.isEmpty() ? 0 : 1);
        QCOMPARE(nextPage, joinPage2Id);
        QCOMPARE(w.wizard.currentId(), int(joinPage2Id));
        QVERIFY(!w.run()->isRunning());
        QCOMPARE(w.ticks(), 0);
        QVERIFY(!shown(p, waitPicture(w.run())));
        return;
    }
    QCOMPARE(boxes->last().text, boxLooks()["led"].text);
    QCOMPARE(w.wizard.currentId(), int(connectPageId));
    // Once the decision has started, a late success counts for nothing.
    cam.internet = "1";
    feed(cam, '8');
    feed(cam, '3');
    w.deliverQueued();
    QVERIFY(!check->online());
    QCOMPARE(w.ticks(), decisionAt);
}

void tst_connectpage::decisionRoads_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QString>("answers");  // captions, in order
    QTest::addColumn<QString>("kinds");    // of the boxes shown, in order
    QTest::addColumn<int>("endPage");
    QTest::addColumn<QString>("then");  // empty: the page was left; "panel" or "retry"

    const int here = connectPageId;
    QTest::newRow("online, not registered") << "cable" << true << false << ""
                                            << "" << int(joinPage2Id) << "";
    QTest::newRow("online, registered, Reset") << "cable" << true << true << "Reset"
                                               << "registered" << int(plugPageId) << "";
    QTest::newRow("online, registered, Close") << "cable" << true << true << "Close"
                                               << "registered" << int(joinPage1Id) << "";
    QTest::newRow("WPS online, registered, Close") << "wps" << true << true << "Close"
                                                   << "registered" << int(joinPage1Id) << "";
    QTest::newRow("offline cable, Yes") << "cable" << false << false << "Yes"
                                        << "led" << int(failedPageId) << "";
    QTest::newRow("offline cable, No") << "cable" << false << false << "NO Close"
                                       << "led cable" << here << "panel";
    QTest::newRow("offline WPS, Yes, Retry") << "wps" << false << false << "Yes Retry"
                                             << "led retry" << here << "retry";
    QTest::newRow("offline WPS, Yes, Close") << "wps" << false << false << "Yes Close"
                                             << "led retry" << here << "panel";
    QTest::newRow("offline WPS, No") << "wps" << false << false << "NO Close"
                                     << "led wireless" << here << "panel";
    QTest::newRow("offline network, Yes, Retry") << "network" << false << false << "Yes Retry"
                                                 << "led retry" << here << "retry";
    QTest::newRow("offline network, Yes, Close") << "network" << false << false << "Yes Close"
                                                 << "led retry" << here << "panel";
    QTest::newRow("offline network, No") << "network" << false << false << "NO Close"
                                         << "led wireless" << here << "panel";
}

void tst_connectpage::decisionRoads()
{
    QFETCH(QString, way);
    QFETCH(bool, online);
    QFETCH(bool, registered);
    QFETCH(QString, answers);
    QFETCH(QString, kinds);
    QFETCH(int, endPage);
    QFETCH(QString, then);
    const QStringList kindList = kinds.split(' ', Qt::SkipEmptyParts);
    SimCamera cam = cameraOf(false, "KSM-6120E");
    cam.registered = registered;
    atConnectPage w(cam);
    connectPage *p = w.page;
    choose(p, cam, way);
    takeSent();
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    const QList<sentCommand> pushed = takeSent();
    QCOMPARE(pushed.size(), 1);

    for (const QString &a : answers.split(' ', Qt::SkipEmptyParts))
        boxes->answer(a);
    bool veiled = false;
    boxes->onOpen([&](QDialog *) {
        if (boxes->count() == 1)
            veiled = shown(p, waitPicture(w.run()))
                     && waitPicture(w.run())->property("picture").toString() == veilPic;
    });
    w.tick(3);
    decideWith(w, online);

    QCOMPARE(boxes->pendingAnswers(), 0);
    QCOMPARE(boxes->count(), kindList.size());
    for (int i = 0; i < kindList.size(); ++i) {
        expectBox(boxes->at(i), kindList.at(i));
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(kindList.isEmpty() || veiled);
    QCOMPARE(w.wizard.currentId(), endPage);
    QCOMPARE(int(nextPage), endPage);
    if (endPage == plugPageId)
        QCOMPARE(w.wizard.startId(), int(plugPageId));
    const QList<sentCommand> after = takeSent();

    if (then == "retry") {
        // The same choice again, and a new run from its start.
        QCOMPARE(countOf(after, '3'), 1);
        for (const sentCommand &c : after)
            if (c.zvrClass == '3')
                QCOMPARE(c.body, pushed.at(0).body);
        QVERIFY(w.run()->isRunning());
        QCOMPARE(w.ticks(), 0);
        QVERIFY(controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->isOpen());
        QCOMPARE(controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase(),
                 QStringLiteral("Saving network setting"));
        QVERIFY(shown(p, waitPicture(w.run())));
        QCOMPARE(choices(p), 0);
        return;
    }
    QCOMPARE(countOf(after, '3'), 0);
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QVERIFY(!shown(p, waitText(w.run())));
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());
    if (then.isEmpty()) {
        QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
        return;
    }
    // Back at the choice with its panel open, ready for another Next.
    QCOMPARE(choices(p), 1);
    QCOMPARE(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->styleSheet(), blueNext);
    if (kindList.last() != "retry")
        QCOMPARE(w.ticks(), 0);
    if (way == "network") {
        QCOMPARE(countOf(after, '4'), 1);
        QVERIFY(shown(p, controlOf<QComboBox>(p, QStringLiteral("apListCombo"))));
        QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    } else {
        QVERIFY(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
        QCOMPARE(shownStep(p), way == "cable" ? 0 : 3);
    }
}

void tst_connectpage::noTickUnderDecisionBox_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("endPage");

    QTest::newRow("LED question, Yes") << "led" << 0 << int(failedPageId);
    QTest::newRow("LED question, No") << "led" << 1 << int(connectPageId);
    QTest::newRow("already registered, Close") << "registered" << 1 << int(joinPage1Id);
    QTest::newRow("plug-in box, OK") << "plug in" << 0 << int(connectPageId);
}

void tst_connectpage::noTickUnderDecisionBox()
{
    QFETCH(QString, kind);
    QFETCH(int, button);
    QFETCH(int, endPage);
    SimCamera cam = cameraOf(kind == "plug in", "KSM-6120E");
    cam.registered = kind == "registered";
    atConnectPage w(cam);
    connectPage *p = w.page;
    choose(p, cam, "cable");
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    takeSent();

    int moved = -1, sentInside = -1, boxesInside = -1;
    boxes->answerWith([&](QDialog *d) {
        // Far past the tick limit, had the count moved.
        const int before = w.ticks();
        for (int i = 0; i < 1700; ++i)
            w.tick();
        w.deliverQueued();
        moved = w.ticks() - before;
        sentInside = int(takeSent().size());
        boxesInside = boxes->count();
        static_cast<pageBox *>(d)->buttons().at(button)->click();
    });
    boxes->answer("Close");  // the cable box after No
    if (kind == "plug in") {
        feed(cam, '3');
        w.deliverQueued();
        w.tickTo(250);
    } else {
        decideWith(w, kind == "registered");
    }
    QCOMPARE(moved, 0);
    QCOMPARE(sentInside, 0);
    QCOMPARE(boxesInside, 1);
    expectBox(boxes->at(0), kind);
    // The road is taken once.
    QCOMPARE(boxes->count(), kind == "led" && button == 1 ? 2 : 1);
    QCOMPARE(w.wizard.currentId(), endPage);
    QVERIFY(takeSent().isEmpty());
    if (kind == "plug in") {
        QVERIFY(w.run()->isRunning());
        QCOMPARE(w.ticks(), 250);
        QCOMPARE(controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->phrase(),
                 QStringLiteral("Restarting network"));
        w.tickTo(450);
        QCOMPARE(countOf(takeSent(), '8'), 1);
        QCOMPARE(boxes->count(), 1);
        return;
    }
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->isOpen());
}

// Retry when the camera's list changed under the run: nothing can be sent
// again, so the page returns to the choice instead of staying locked.
void tst_connectpage::retryWithNothingToSend()
{
    const SimCamera cam = cameraOf(false, "KSM-6120E");
    atConnectPage w(cam);
    connectPage *p = w.page;
    choose(p, cam, QStringLiteral("network"));
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    QCOMPARE(choices(p), 0);
    controlOf<QComboBox>(p, QStringLiteral("apListCombo"))->clear();

    boxes->answer("Yes");
    boxes->answer("Retry");
    decideWith(w, false);
    QCOMPARE(boxes->count(), 2);
    QCOMPARE(countOf(takeSent(), '3'), 0);
    QVERIFY(!w.run()->isRunning());
    QCOMPARE(choices(p), 1);
    QVERIFY(shown(p, controlOf<QComboBox>(p, QStringLiteral("apListCombo"))));
    QCOMPARE(w.wizard.currentId(), int(connectPageId));
}

void tst_connectpage::noSecondRunFromKeyboard()
{
    atConnectPage w(cameraOf(false, "KSM-6120E"));
    connectPage *p = w.page;
    QMetaObject::invokeMethod(p, "ethernet_show", Qt::DirectConnection, Q_ARG(bool, true));
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    QCOMPARE(choices(p), 0);
    // The first frame closes the panels under the wait picture.
    w.tick(10);
    QVERIFY(!shown(p, controlOf<moveLabel>(p, QStringLiteral("stepImage"))));
    QVERIFY(!shown(p, controlsOf<moveLabel>(p, "wiredStepLabel", 3).at(0)));
    QCOMPARE(controlOf<QLabel>(p, QStringLiteral("wirelessHeading"))->y(), 245);

    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    QTest::keyClick(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn")), Qt::Key_Return);
    QTest::keyClick(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn")), Qt::Key_Space);
    controlOf<QRadioButton>(p, QStringLiteral("wpsRadio"))->click();
    controlOf<QPushButton>(p, QStringLiteral("conn_back_btn"))->click();
    QVERIFY(takeSent().isEmpty());
    QCOMPARE(w.ticks(), 10);
    QVERIFY(w.run()->isRunning());
    QVERIFY(controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio"))->isChecked());
    QCOMPARE(w.wizard.currentId(), int(connectPageId));
    // The wait picture lies over the page's controls.
    QCOMPARE(
        p->childAt(controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->geometry().center()),
        waitPicture(w.run()));
    QCOMPARE(
        p->childAt(controlOf<QPushButton>(p, QStringLiteral("conn_back_btn"))->geometry().center()),
        waitPicture(w.run()));
}

void tst_connectpage::noChosenCamera_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("none chosen") << -1;
    QTest::newRow("past the list") << 3;
}

void tst_connectpage::noChosenCamera()
{
    QFETCH(int, index);
    SimCamera cam = cameraOf(false, "KSM-6120E");
    atConnectPage w(cam, index);
    connectPage *p = w.page;
    takeSent();

    QTest::ignoreMessage(QtDebugMsg, "next: no camera chosen, nothing sent.");
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    QVERIFY(!w.run()->isRunning());
    QTest::ignoreMessage(QtDebugMsg, "connectPage: no camera chosen, no wireless search sent.");
    controlOf<QRadioButton>(p, QStringLiteral("selectNetworkRadio"))->click();
    QTest::ignoreMessage(QtDebugMsg, "rescanAP: no camera chosen, nothing sent.");
    controlOf<QPushButton>(p, QStringLiteral("rescanButton"))->click();
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());
    for (int i = 0; i < 5; ++i)
        invoke(p, "decideAPSearch");
    QTest::ignoreMessage(QtDebugMsg, "next: no camera chosen, nothing sent.");
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    QVERIFY(takeSent().isEmpty());
    QVERIFY(!w.run()->isRunning());

    // A run whose camera goes away meanwhile sends nothing more and ends
    // back at the choice.
    configIPCameraIdx = 0;
    controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio"))->click();
    controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
    QCOMPARE(countOf(takeSent(), '3'), 1);
    configIPCameraIdx = index;
    feed(cam, '3');
    feed(cam, '8');
    w.deliverQueued();
    QCOMPARE(controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->setupConfirmed(), false);
    QCOMPARE(controlOf<networkCheck>(p, QStringLiteral("networkCheck"))->online(), false);
    QTest::ignoreMessage(QtDebugMsg, "decidePageJump: no camera chosen, back to the choice.");
    w.tickTo(250);
    QVERIFY(takeSent().isEmpty());
    QCOMPARE(boxes->count(), 0);
    QVERIFY(!w.run()->isRunning());
    QVERIFY(!shown(p, waitPicture(w.run())));
    QCOMPARE(choices(p), 1);
    QCOMPARE(w.wizard.currentId(), int(connectPageId));
}

void tst_connectpage::noSecretInLog()
{
    SimCamera cam = cameraOf(false, "KSM-6120E");
    atConnectPage w(cam);
    connectPage *p = w.page;
    const QString key = QStringLiteral("Tr0ub4dor&3");
    const QByteArray encoded = "VHIwdWI0ZG9yJjM=";
    choose(p, cam, "network", 1, key);
    takeSent();

    QStringList lines;
    {
        logCapture log;
        controlOf<QPushButton>(p, QStringLiteral("conn_next_btn"))->click();
        w.tick(5);
        // The camera's answer carries the key back.
        cam.network[18] = encoded;
        feed(cam, '3');
        w.deliverQueued();
        w.tick(5);
        lines = log.lines;
    }

    const QList<sentCommand> sent = takeSent();
    QCOMPARE(countOf(sent, '3'), 1);
    QVERIFY(sent.at(0).body.endsWith(";18=" + encoded));
    const QString all = lines.join(QLatin1Char('\n'));
    QVERIFY2(all.contains(QStringLiteral("class content:")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("handleNetConfigResponse")), qPrintable(all));
    for (const QString &line : lines)
        QVERIFY2(!line.contains(key) && !line.contains(QLatin1String(encoded)), qPrintable(line));
}

void tst_connectpage::back()
{
    atConnectPage w(cameraOf(true, "KSM-6120E"));
    connectPage *p = w.page;
    controlOf<QRadioButton>(p, QStringLiteral("ethernetRadio"))->click();
    invoke(p, "rescanAP");
    w.run()->resume();
    QVERIFY(controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    QVERIFY(controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());

    controlOf<QPushButton>(p, QStringLiteral("conn_back_btn"))->click();
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("stepTimer"))->isActive());
    QVERIFY(!controlOf<QTimer>(p, QStringLiteral("apSearchTimer"))->isActive());
    QVERIFY(!w.run()->isRunning());
    QCOMPARE(nextPage, selectPageId);
    QCOMPARE(w.wizard.currentId(), int(selectPageId));
    QCOMPARE(w.wizard.startId(), int(selectPageId));
}

QTEST_MAIN(tst_connectpage)
#include "tst_connectpage.moc"
