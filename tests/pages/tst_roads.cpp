// Every road back into pages 2 to 8, in a real wizard window with a camera
// that answers what it is sent: where the user lands and what they can do
// there (the ways answer, Back answers, Next's state, what the camera gets
// when the user goes on). Also the click that comes with a page change, and
// the keyboard on the boxes of a registered camera.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/http.h"
#include "core/waitrun.h"
#include "core/widgets.h"
#include "pages/cloud/detailspage.h"
#include "pages/setup/movelabel.h"
#include "pages/setup/myipaddredit.h"
#include "platform/shortcut.h"
#include "tests/support/pagebench.h"
#include "tests/support/recordingaccess.h"
#include "tests/support/screenlook.h"
#include "tests/support/urlcatcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleHints>
#include <QtTest>

#include <memory>

namespace {

const QString camMac = QStringLiteral("02:00:00:00:1a:01");

// The items of a network setup command, by key.
QMap<int, QByteArray> setupItems(const QByteArray &body)
{
    QMap<int, QByteArray> items;
    for (const QByteArray &item : commandCapture::itemsAfterModel(body).split(';')) {
        const int eq = item.indexOf('=');
        bool ok = false;
        const int key = item.left(eq).toInt(&ok);
        if (eq > 0 && ok)
            items.insert(key, item.mid(eq + 1));
    }
    return items;
}

}  // namespace

class tst_roads : public pageBench
{
    Q_OBJECT

    camsim::SimCamera cam;
    std::unique_ptr<camguide> wizard;
    std::unique_ptr<recordingAccess> access;  // every request to 127.0.0.1:9, where nothing listens
    std::unique_ptr<urlCatcher> urls;
    QList<sentCommand> sent;  // what the camera got, in order
    int shortcutsMade = 0;

    // ------------------------------------------------------------ helpers

    int current() const { return wizard->currentId(); }
    template <class W> W *control(const char *name) const
    {
        W *w = wizard->currentPage()->findChild<W *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s on page %d", name, wizard->currentId());
        return w;
    }
    bool usable(QWidget *w) const
    {
        // Enabled, shown, and on top where the user would click it.
        QWidget *page = wizard->currentPage();
        return w->isEnabled() && w->isVisibleTo(page) && page->childAt(w->geometry().center()) == w;
    }
    bool veiled() const
    {
        for (const char *name : {"waitPicLabel", "veilLabel", "ledVeilLabel"}) {
            auto *l = wizard->currentPage()->findChild<QLabel *>(QString::fromLatin1(name));
            if (l && l->isVisibleTo(wizard->currentPage()))
                return true;
        }
        return false;
    }

    // The pages' own moves, as their Next and their jumps make them.
    void step(pageId id) { stepTo(*wizard, id); }
    void jump(pageId id) { jumpTo(*wizard, id); }
    // 0 -> 1 -> 2 with the camera listed and chosen on page 1, whose search
    // is over; the history is the road.
    void walkToConnectPage()
    {
        jump(plugPageId);
        step(selectPageId);
        wizard->currentPage()->findChild<waitRun *>()->stop();
        simtest::listCamera(cam);
        configIPCameraIdx = 0;
        takeSent();
        step(connectPageId);
    }

    // The camera answers every command it got since the last call.
    void answerCamera()
    {
        for (const sentCommand &c : takeSent()) {
            sent << c;
            switch (c.zvrClass) {
            case '3': {
                const QMap<int, QByteArray> items = setupItems(c.body);
                if (!items.isEmpty())
                    cam.applySetup(items);
                simtest::feed(cam, '3');
                break;
            }
            case '1':
            case '2':
            case '4':
            case '8': simtest::feed(cam, c.zvrClass); break;
            default: break;
            }
        }
        QCoreApplication::sendPostedEvents();
    }
    QList<sentCommand> takeCameraLog()
    {
        answerCamera();
        return std::exchange(sent, {});
    }
    // Ticks the page's check run until the wizard has left the page.
    void runCheck()
    {
        const int from = current();
        answerCamera();
        for (int guard = 0; current() == from && guard < 2500; ++guard) {
            QMetaObject::invokeMethod(wizard->currentPage(), "waitTimeout", Qt::DirectConnection);
            answerCamera();
        }
    }
    // Pushes the page's way with Next and runs the check to its end.
    void nextAndCheck(const char *nextName)
    {
        control<QPushButton>(nextName)->click();
        runCheck();
    }
    // Tab until the target has the focus (bounded); false when it never does.
    bool tabTo(QWidget *target)
    {
        for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i) {
            QWidget *from =
                QApplication::focusWidget() ? QApplication::focusWidget() : wizard.get();
            QTest::keyClick(from, Qt::Key_Tab);
        }
        return QApplication::focusWidget() == target;
    }
    void press(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : wizard.get(),
                        key);
    }
    void detailsLink(const char *link)
    {
        boxes->answerWith([link](QDialog *d) {
            auto *dialog = static_cast<detailsPage *>(d);
            QLabel *l = QLatin1String(link) == QLatin1String("type") ? dialog->connTypeLink
                                                                     : dialog->internetConnLink;
            emit l->linkActivated(QStringLiteral("http"));
        });
        emit control<QLabel>("detailsLink")->linkActivated(QStringLiteral("http"));
    }

    // --------------------------------------------------------- the roads

    // To the final page named, by its own road.
    void toFinalPage(int id)
    {
        if (id == joinPage3Id) {
            walkToConnectPage();
            jump(joinPage3Id);  // the portal's road is its own test's
        } else if (id == joinPage4Id) {
            walkToConnectPage();
            nextAndCheck("conn_next_btn");  // online: the cloud page
            control<QRadioButton>("no2RadioButton")->click();
            control<QPushButton>("j2_next_btu")->click();
        } else {
            toInternetPage();
            control<QRadioButton>("intranetRadio")->click();
            control<QPushButton>("fail_next_btu")->click();
        }
    }
    // 0 -> 1 -> 2, offline on the cable, the LED is green: page 3.
    void toInternetPage()
    {
        cam.internet = "0";
        cam.internetAfterSetup = QByteArray("1");
        walkToConnectPage();
        boxes->answer("Yes");
        nextAndCheck("conn_next_btn");
    }

    // Page 2 as its entry gives it to a wired camera: every way answers,
    // Back answers, Next is blue and enabled.
    void expectConnectPageUsable()
    {
        QCOMPARE(current(), int(connectPageId));
        QCOMPARE(int(nextPage), int(connectPageId));
        QVERIFY(!veiled());
        QVERIFY(usable(control<QPushButton>("conn_back_btn")));
        QVERIFY(usable(control<QPushButton>("conn_next_btn")));
        QCOMPARE(control<QPushButton>("conn_next_btn")->styleSheet(),
                 buttonStyle(buttonPicture::next));
        QVERIFY(control<QRadioButton>("ethernetRadio")->isChecked());
        for (const char *way : {"ethernetRadio", "wpsRadio", "selectNetworkRadio"})
            QVERIFY2(control<QRadioButton>(way)->isEnabled(), way);
        QVERIFY(control<QLineEdit>("apPasswordEdit")->text().isEmpty());
        QCOMPARE(control<QComboBox>("apListCombo")->count(), 0);
    }

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init()
    {
        beforeTest();
        supportType = QStringLiteral("KSM-6120E");
        cam = simtest::makeCamera(camMac, "Porch");
        cam.model = "KSM-6120E";
        cam.deviceNo = "10000001";
        cam.portal = "http://10.77.0.2:8080/";
        cam.fillDefaultNetwork();
        cam.wifi = {simtest::wifiNetwork("Home network", "4", "5", "1", "9"),
                    simtest::wifiNetwork("Garden", "3", "7", "2", "11")};
        sent.clear();
        shortcutsMade = 0;
        access = std::make_unique<recordingAccess>();
        access->redirectLocal();
        seams->useNetwork(access.get());
        urls = std::make_unique<urlCatcher>();
        seams->makeShortcutsWith(
            [this](wchar_t *, wchar_t *, wchar_t *, wchar_t *, const platform::shortcutCamera &) {
                ++shortcutsMade;
                return true;
            });
        seams->desktopFolder(QStringLiteral("/home/anna/Desktop"));
        wizard = std::make_unique<camguide>();
        wizard->move(100, 50);
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
    }
    void cleanup()
    {
        wizard.reset();
        urls.reset();
        afterTest();
        access.reset();
    }

    void connectPageAgain_data();
    void connectPageAgain();
    void internetPageAgain_data();
    void internetPageAgain();
    void cloudPageAgain();
    void registeredPageAgain();
    void finalPageAgain_data();
    void finalPageAgain();
    void resetRestarts_data();
    void resetRestarts();

    void doubleClickOnNext_data();
    void doubleClickOnNext();
    void registeredBoxKeys_data();
    void registeredBoxKeys();
    void keyboardOnly_data();
    void keyboardOnly();
    void boxButtonsShowFocus();
};

// ------------------------------------------------------------ page 2 again

void tst_roads::connectPageAgain_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QList<int>>("historyThere");  // the wizard's history on page 2
    QTest::newRow("history Back from the cloud page") << "cloud back" << QList<int>{0, 1, 2};
    QTest::newRow("Back from the cloud page reached after a jump")
        << "jump, cloud back" << QList<int>{2};
    QTest::newRow("Back from the cloud page reached through page 3")
        << "internet, cloud back" << QList<int>{2};
    QTest::newRow("Back from the registered-camera page") << "registered back" << QList<int>{2};
    QTest::newRow("Back from the registered-camera page reached through page 3")
        << "internet, registered back" << QList<int>{2};
    QTest::newRow("connection type link on page 6") << "details 6" << QList<int>{2};
    QTest::newRow("connection type link on page 7") << "details 7" << QList<int>{2};
    QTest::newRow("connection type link on page 8") << "details 8" << QList<int>{2};
}

void tst_roads::connectPageAgain()
{
    QFETCH(QString, road);
    QFETCH(QList<int>, historyThere);
    // Each road twice: once the user goes on by a wireless network, once
    // by Back.
    for (const bool goOnByNetwork : {true, false}) {
        cam.internet = "1";
        cam.internetAfterSetup.reset();
        cam.registered = false;
        cam.wireless = false;
        if (road == QLatin1String("cloud back")) {
            walkToConnectPage();
            nextAndCheck("conn_next_btn");
        } else if (road == QLatin1String("jump, cloud back")) {
            walkToConnectPage();
            jump(connectPageId);
            nextAndCheck("conn_next_btn");
        } else if (road == QLatin1String("internet, cloud back")) {
            toInternetPage();
            QCOMPARE(current(), int(failedPageId));
            control<QRadioButton>("dhcpRadio")->click();
            nextAndCheck("fail_next_btu");
        } else if (road.endsWith(QLatin1String("registered back"))) {
            cam.registered = true;
            if (road.startsWith(QLatin1String("internet"))) {
                toInternetPage();
                control<QRadioButton>("dhcpRadio")->click();
                boxes->answer("OK");
                nextAndCheck("fail_next_btu");
            } else {
                walkToConnectPage();
                boxes->answer("Close");
                nextAndCheck("conn_next_btn");
            }
            QCOMPARE(current(), int(joinPage1Id));
            control<QPushButton>("conn_back_btn")->click();
        } else {
            toFinalPage(road.right(1).toInt());
            QCOMPARE(current(), road.right(1).toInt());
            detailsLink("type");
        }
        if (road.endsWith(QLatin1String("cloud back"))) {
            QCOMPARE(current(), int(joinPage2Id));
            control<QPushButton>("j2_back_btu")->click();
        }
        expectConnectPageUsable();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(wizard->visitedIds(), historyThere);
        takeCameraLog();

        if (!goOnByNetwork) {
            control<QPushButton>("conn_back_btn")->click();
            QCOMPARE(current(), int(selectPageId));
            QCOMPARE(commandCapture::count(takeCameraLog(), '1'), 1);  // a new search
            continue;
        }
        // WPS opens its steps; the network way asks the camera for its list.
        control<QRadioButton>("wpsRadio")->click();
        QVERIFY(control<moveLabel>("wpsStepLabel1")->isVisibleTo(wizard->currentPage()));
        control<QRadioButton>("selectNetworkRadio")->click();
        QCOMPARE(commandCapture::count(takeCameraLog(), '4'), 1);
        QCOMPARE(control<QComboBox>("apListCombo")->count(), 2);
        control<QComboBox>("apListCombo")->setCurrentIndex(1);
        control<QLineEdit>("apPasswordEdit")->setText(QStringLiteral("river7stone"));
        QVERIFY(usable(control<QPushButton>("conn_next_btn")));
        control<QPushButton>("conn_next_btn")->click();
        const QList<sentCommand> pushed = takeCameraLog();
        QCOMPARE(commandCapture::count(pushed, '3', "9"), 1);
        QVERIFY(commandCapture::itemsAfterModel(pushed.last().body)
                    .startsWith(";9=1;10=11;11=R2FyZGVu;12=7;14=2;15=3;18=cml2ZXI3c3RvbmU="));
        // The camera is on the network now: the cloud page, or the
        // registered box's re-configure road.
        boxes->answer("OK");  // the unplug box
        if (cam.registered)
            boxes->answer("Close");
        runCheck();
        QCOMPARE(current(), int(cam.registered ? joinPage1Id : joinPage2Id));
    }
}

// ------------------------------------------------------------ page 3 again

void tst_roads::internetPageAgain_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("link");
    QTest::newRow("Setup again on page 8") << int(joinPageId) << "setup again";
    QTest::newRow("Internet link on page 8") << int(joinPageId) << "internet";
    QTest::newRow("Internet link on page 7") << int(joinPage4Id) << "internet";
    QTest::newRow("Internet link on page 6") << int(joinPage3Id) << "internet";
}

void tst_roads::internetPageAgain()
{
    QFETCH(int, from);
    QFETCH(QString, link);
    toFinalPage(from);
    QCOMPARE(current(), from);
    if (link == QLatin1String("setup again"))
        emit control<QLabel>("infoText")->linkActivated(QStringLiteral("Setup again"));
    else
        detailsLink("internet");

    QCOMPARE(current(), int(failedPageId));
    QCOMPARE(int(nextPage), int(failedPageId));
    QCOMPARE(wizard->visitedIds(), QList<int>{failedPageId});
    QVERIFY(!veiled());
    QVERIFY(usable(control<QPushButton>("fail_next_btu")));
    QVERIFY(control<QPushButton>("fail_back_btu")->isHidden());
    for (const char *way : {"pppoeRadio", "staticRadio", "dhcpRadio", "intranetRadio"}) {
        QVERIFY2(control<QRadioButton>(way)->isEnabled(), way);
        QVERIFY2(!control<QRadioButton>(way)->isChecked(), way);
    }
    QVERIFY(control<QLineEdit>("accountEdit")->isHidden());
    // The static way opens its form; DHCP goes on, and the camera gets it.
    control<QRadioButton>("staticRadio")->click();
    QVERIFY(control<MyIpAddrEdit>("ipEdit")->isVisibleTo(wizard->currentPage()));
    control<QRadioButton>("dhcpRadio")->click();
    takeCameraLog();
    cam.internet = "1";
    nextAndCheck("fail_next_btu");
    QCOMPARE(current(), int(joinPage2Id));
    QList<QByteArray> setups;
    for (const sentCommand &c : takeCameraLog())
        if (c.zvrClass == '3')
            setups << commandCapture::itemsAfterModel(c.body);
    QCOMPARE(setups, QList<QByteArray>{";0=1;6=0"});
}

// ------------------------------------------------------------ page 5 again

void tst_roads::cloudPageAgain()
{
    walkToConnectPage();
    nextAndCheck("conn_next_btn");
    QCOMPARE(current(), int(joinPage2Id));
    control<QRadioButton>("yesRadioButton")->click();
    control<QLineEdit>("signInEmailEdit")->setText(QStringLiteral("anna@example.com"));
    control<QPushButton>("j2_back_btu")->click();
    expectConnectPageUsable();
    takeCameraLog();

    nextAndCheck("conn_next_btn");
    QCOMPARE(current(), int(joinPage2Id));
    QCOMPARE(wizard->visitedIds(), (QList<int>{0, 1, 2, 5}));
    // Entered afresh: nothing typed, no choice, Next off, Back on, and the
    // camera asked for its info record again.
    QVERIFY(control<QLineEdit>("signInEmailEdit")->text().isEmpty());
    QVERIFY(!control<QRadioButton>("yesRadioButton")->isChecked());
    QVERIFY(!control<QPushButton>("j2_next_btu")->isEnabled());
    QVERIFY(usable(control<QPushButton>("j2_back_btu")));
    QVERIFY(!veiled());
    int infos = 0;
    for (const sentCommand &c : takeCameraLog())
        infos += c.zvrClass == '2' && !c.body.contains(";P=") && !c.body.contains(";T=");
    QVERIFY(infos >= 1);
    control<QRadioButton>("no2RadioButton")->click();
    QVERIFY(usable(control<QPushButton>("j2_next_btu")));
    control<QPushButton>("j2_next_btu")->click();
    QCOMPARE(current(), int(joinPage4Id));
}

// ------------------------------------------------------------ page 4 again

void tst_roads::registeredPageAgain()
{
    cam.registered = true;
    walkToConnectPage();
    boxes->answer("Close");
    nextAndCheck("conn_next_btn");
    QCOMPARE(current(), int(joinPage1Id));
    control<QPushButton>("conn_back_btn")->click();
    expectConnectPageUsable();
    boxes->answer("Close");
    nextAndCheck("conn_next_btn");
    QCOMPARE(current(), int(joinPage1Id));
    QVERIFY(!veiled());
    QVERIFY(usable(control<QPushButton>("conn_back_btn")));
    QVERIFY(usable(control<QPushButton>("nextButton")));

    // The hard reset, closed: the page as it was.
    boxes->answer("Close");
    emit control<QLabel>("infoText")->linkActivated(QStringLiteral("hard reset"));
    QVERIFY(!veiled());
    QVERIFY(usable(control<QPushButton>("conn_back_btn")));
    QVERIFY(usable(control<QPushButton>("nextButton")));
    // Restart, the LED is green: a new search on page 1, page 0 behind it.
    takeCameraLog();
    boxes->answer("Restart");
    boxes->answer("Yes");
    emit control<QLabel>("infoText")->linkActivated(QStringLiteral("hard reset"));
    QCOMPARE(current(), int(selectPageId));
    QCOMPARE(wizard->visitedIds(), (QList<int>{0, 1}));
    QCOMPARE(wizard->startId(), int(plugPageId));
    QCOMPARE(commandCapture::count(takeCameraLog(), '1'), 1);
}

// --------------------------------------------------------- final pages again

void tst_roads::finalPageAgain_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 7 after the connection type link") << int(joinPage4Id);
    QTest::newRow("page 8 after Setup again") << int(joinPageId);
}

void tst_roads::finalPageAgain()
{
    QFETCH(int, page);
    toFinalPage(page);
    QCOMPARE(current(), page);
    control<QCheckBox>("shortcutCheck")->setChecked(false);
    if (page == joinPageId) {
        emit control<QLabel>("infoText")->linkActivated(QStringLiteral("Setup again"));
        control<QRadioButton>("intranetRadio")->click();
        control<QPushButton>("fail_next_btu")->click();
    } else {
        detailsLink("type");
        nextAndCheck("conn_next_btn");
        control<QRadioButton>("no2RadioButton")->click();
        control<QPushButton>("j2_next_btu")->click();
    }
    QCOMPARE(current(), page);
    QVERIFY(control<QCheckBox>("shortcutCheck")->isChecked());
    QVERIFY(!veiled());
    QPushButton *done = control<QPushButton>(page == joinPageId ? "join_next_btu" : "j4_done_btu");
    QVERIFY(usable(done));
    takeCameraLog();
    done->click();
    QCOMPARE(commandCapture::count(takeCameraLog(), '2', "T"), 1);
    QCOMPARE(shortcutsMade, 1);
    QVERIFY(!wizard->isVisible());
}

// --------------------------------------------------------------- reset road

void tst_roads::resetRestarts_data()
{
    QTest::addColumn<int>("from");
    QTest::newRow("registered box on page 2") << int(connectPageId);
    QTest::newRow("registered box on page 3") << int(failedPageId);
}

void tst_roads::resetRestarts()
{
    QFETCH(int, from);
    cam.registered = true;
    if (from == failedPageId) {
        toInternetPage();
        control<QRadioButton>("dhcpRadio")->click();
    } else {
        walkToConnectPage();
    }
    QCOMPARE(current(), from);
    boxes->answer("Reset");
    nextAndCheck(from == failedPageId ? "fail_next_btu" : "conn_next_btn");
    QCOMPARE(current(), int(plugPageId));
    QCOMPARE(int(nextPage), int(plugPageId));
    QCOMPARE(wizard->startId(), int(plugPageId));
    QCOMPARE(wizard->visitedIds(), QList<int>{plugPageId});
    QVERIFY(!veiled());
    QVERIFY(usable(control<QPushButton>("plug_next_but")));
    // The page left behind is whole again for the next road into it.
    auto *left = wizard->page(from);
    for (QPushButton *b : left->findChildren<QPushButton *>()) {
        if (!b->objectName().startsWith(QLatin1String("stepButton")))
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    }
}

// ------------------------------------------------------- the second click

void tst_roads::doubleClickOnNext_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<int>("finalPage");
    QTest::newRow("page 5, not now") << "cloud skip" << int(joinPage4Id);
    QTest::newRow("page 4, registered") << "registered" << int(joinPage4Id);
    QTest::newRow("page 3, intranet") << "intranet" << int(joinPageId);
}

void tst_roads::doubleClickOnNext()
{
    QFETCH(QString, road);
    QFETCH(int, finalPage);
    if (road == QLatin1String("intranet")) {
        toInternetPage();
        control<QRadioButton>("intranetRadio")->click();
    } else if (road == QLatin1String("registered")) {
        cam.registered = true;
        walkToConnectPage();
        boxes->answer("Close");
        nextAndCheck("conn_next_btn");
    } else {
        walkToConnectPage();
        nextAndCheck("conn_next_btn");
        control<QRadioButton>("no2RadioButton")->click();
    }
    // A user reads the page before the first click.
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTest::qWait(qBound(1, interval + 100, 5000));
    // Next and Done share one place.
    const QPoint nextPlace(620, 467);
    const int from = current();
    QVERIFY(wizard->currentPage()->childAt(nextPlace)->inherits("QPushButton"));
    takeCameraLog();

    QTest::mouseDClick(wizard->windowHandle(), Qt::LeftButton, {}, nextPlace);
    QCOMPARE(current(), finalPage);
    QVERIFY(from != finalPage);
    QVERIFY(wizard->isVisible());
    QCOMPARE(commandCapture::count(takeCameraLog(), '2', "T"), 0);
    QCOMPARE(shortcutsMade, 0);
    QVERIFY(control<QCheckBox>("shortcutCheck")->isChecked());

    // A click of its own, once the interval is over, is Done.
    QTest::qWait(qBound(1, interval + 100, 5000));
    QTest::mouseClick(wizard->windowHandle(), Qt::LeftButton, {}, nextPlace);
    QCOMPARE(commandCapture::count(takeCameraLog(), '2', "T"), 1);
    QCOMPARE(shortcutsMade, 1);
    QVERIFY(!wizard->isVisible());
}

// ------------------------------------------------ keys on registered boxes

void tst_roads::registeredBoxKeys_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("safe");  // the button that does not reset
    QTest::newRow("page 2, Enter") << int(connectPageId) << int(Qt::Key_Return) << "Close";
    QTest::newRow("page 2, keypad Enter") << int(connectPageId) << int(Qt::Key_Enter) << "Close";
    QTest::newRow("page 2, Space") << int(connectPageId) << int(Qt::Key_Space) << "Close";
    QTest::newRow("page 2, Escape") << int(connectPageId) << int(Qt::Key_Escape) << "Close";
    QTest::newRow("page 3, Enter") << int(failedPageId) << int(Qt::Key_Return) << "OK";
    QTest::newRow("page 3, Space") << int(failedPageId) << int(Qt::Key_Space) << "OK";
    QTest::newRow("page 3, Escape") << int(failedPageId) << int(Qt::Key_Escape) << "OK";
}

void tst_roads::registeredBoxKeys()
{
    QFETCH(int, page);
    QFETCH(int, key);
    QFETCH(QString, safe);
    // The program's own look, with the application sheet's focus mark.
    const screenLook look(QStringLiteral(CAMGUIDE_PICTURES_DIR "/shipped"));
    cam.registered = true;
    if (page == failedPageId) {
        toInternetPage();
        control<QRadioButton>("dhcpRadio")->click();
    } else {
        walkToConnectPage();
    }
    const int before = boxes->count();
    QString focused;
    QString defaultButton;
    boxes->answerWith([&](QDialog *d) {
        d->show();
        d->activateWindow();
        if (!QTest::qWaitForWindowActive(d))
            qWarning("box not active");
        if (QWidget *f = QApplication::focusWidget())
            focused = static_cast<QPushButton *>(f)->text().trimmed();
        if (QPushButton *b = static_cast<QMessageBox *>(d)->defaultButton())
            defaultButton = b->text().trimmed();
        if (key == Qt::Key_Return)
            d->grab().save(
                QStringLiteral(CAMGUIDE_SCREENS_DIR "/box-registered-focus-page%1.png").arg(page));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d,
                        Qt::Key(key));
    });
    nextAndCheck(page == failedPageId ? "fail_next_btu" : "conn_next_btn");
    QCOMPARE(boxes->count(), before + 1);
    // The buttons keep their order and texts.
    QCOMPARE(boxes->last().buttons.at(0).caption.trimmed(), QStringLiteral("Reset"));
    QCOMPARE(boxes->last().buttons.at(1).caption.trimmed(), safe);
    QCOMPARE(focused, safe);
    QCOMPARE(defaultButton, safe);
    // The re-configure road: the registered-camera page, no restart.
    QCOMPARE(current(), int(joinPage1Id));
    QVERIFY(!veiled());
}

// Pages 2, 4 and 8 by keyboard alone: Tab reaches the ways and the links,
// Space and Enter press, Escape ends the details dialog.
void tst_roads::keyboardOnly_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 2, a camera on Wi-Fi") << int(connectPageId);
    QTest::newRow("page 4") << int(joinPage1Id);
    QTest::newRow("page 8") << int(joinPageId);
}

void tst_roads::keyboardOnly()
{
    QFETCH(int, page);
    if (page == connectPageId) {
        cam.wireless = true;
        walkToConnectPage();
    } else if (page == joinPage1Id) {
        cam.registered = true;
        walkToConnectPage();
        boxes->answer("Close");
        nextAndCheck("conn_next_btn");
    } else {
        toFinalPage(joinPageId);
    }
    QCOMPARE(current(), page);
    wizard->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(wizard.get()));
    takeCameraLog();

    if (page == connectPageId) {
        auto *next = control<QPushButton>("conn_next_btn");
        QVERIFY(!next->isEnabled());  // no way chosen yet
        // Tab enters the ways at the first; the arrows move among them.
        QVERIFY(tabTo(control<QRadioButton>("ethernetRadio")));
        press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), control<QRadioButton>("wpsRadio"));
        press(Qt::Key_Space);
        QVERIFY(control<QRadioButton>("wpsRadio")->isChecked());
        QVERIFY(control<moveLabel>("wpsStepLabel1")->isVisibleTo(wizard->currentPage()));
        QVERIFY(tabTo(next));
        press(Qt::Key_Return);
        QCOMPARE(commandCapture::count(takeCameraLog(), '3'), 1);
        QVERIFY(wizard->currentPage()->findChild<waitRun *>()->isRunning());
        return;
    }
    if (page == joinPage1Id) {
        // In the label Tab goes from link to link: the portal first, the
        // hard reset second.
        QVERIFY(tabTo(control<QLabel>("infoText")));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        boxes->answer("Close");
        press(Qt::Key_Return);
        QCOMPARE(boxes->last().buttons.at(0).caption, QStringLiteral("Restart    "));
        QVERIFY(!veiled());
        QVERIFY(tabTo(control<QPushButton>("nextButton")));
        press(Qt::Key_Return);
        QCOMPARE(current(), int(joinPage4Id));
        return;
    }
    const int before = boxes->count();
    bool escaped = false;
    boxes->answerWith([&](QDialog *d) {
        d->show();
        d->activateWindow();
        if (QTest::qWaitForWindowActive(d))
            QTest::keyClick(d, Qt::Key_Escape);
        escaped = !d->isVisible();
    });
    QVERIFY(tabTo(control<QLabel>("detailsLink")));
    press(Qt::Key_Tab);  // to its link
    press(Qt::Key_Return);
    QCOMPARE(boxes->count(), before + 1);
    QCOMPARE(boxes->last().className, QStringLiteral("detailsPage"));
    QVERIFY(escaped);
    QVERIFY(!veiled());
    QCOMPARE(current(), int(joinPageId));
    // The keyboard is the wizard's again.
    QVERIFY(QTest::qWaitForWindowActive(wizard.get(), 2000));
    QVERIFY(tabTo(control<QPushButton>("join_next_btu")));
    press(Qt::Key_Space);
    QCOMPARE(commandCapture::count(takeCameraLog(), '2', "T"), 1);
    QVERIFY(!wizard->isVisible());
}

// The picture buttons of a box show which one has the focus.
void tst_roads::boxButtonsShowFocus()
{
    const screenLook look(QStringLiteral(CAMGUIDE_PICTURES_DIR "/shipped"));
    boxStyle = QStringLiteral(
        "background-image: url(:/images/messagebox_pic.png);font:13px;color:rgb(89,87,87);");
    pageBox box(QStringLiteral("The camera has already registered."), QMessageBox::Warning);
    QPushButton *reset = box.addPictureButton(confirmingButton(QStringLiteral("Reset    ")));
    QPushButton *close =
        box.addPictureButton(safeButton(closingButton(QStringLiteral("Close    "))));
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(), close);
    const QImage closeFocused = close->grab().toImage();
    const QImage resetPlain = reset->grab().toImage();
    box.grab().save(QStringLiteral(CAMGUIDE_SCREENS_DIR "/box-focus-close.png"));
    reset->setFocus();
    QCOMPARE(QApplication::focusWidget(), reset);
    const QImage closePlain = close->grab().toImage();
    const QImage resetFocused = reset->grab().toImage();
    box.grab().save(QStringLiteral(CAMGUIDE_SCREENS_DIR "/box-focus-reset.png"));
    QVERIFY(closeFocused != closePlain);
    QVERIFY(resetFocused != resetPlain);
}

QTEST_MAIN(tst_roads)
#include "tst_roads.moc"
