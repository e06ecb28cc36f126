#ifndef CAMGUIDE_TESTS_SCENES_H
#define CAMGUIDE_TESTS_SCENES_H

// Every built page and box in the states a user sees, walked one scene at a
// time. The walker calls shot(name, box) at each state: box is the open box,
// or null for the wizard window itself. The screen renderer saves pictures
// from the shots; the text-fit check looks for cut-off texts in them. A
// scene runs inside a testSeams with an engine and the host of
// sceneSeams(); camera replies are fed straight into the engine's reader.

#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageframe.h"
#include "pages/cloud/accountchain.h"
#include "pages/cloud/detailspage.h"
#include "pages/cloud/joinpage.h"
#include "pages/cloud/joinpage1.h"
#include "pages/cloud/joinpage2.h"
#include "pages/cloud/joinpage3.h"
#include "pages/cloud/joinpage4.h"
#include "pages/common/cameraroads.h"
#include "pages/setup/connectpage.h"
#include "pages/setup/failedpage.h"
#include "pages/setup/myipaddredit.h"
#include "pages/setup/plugpage.h"
#include "pages/setup/selectpage.h"
#include "protocol/hostaddress.h"
#include "protocol/zvrutils.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/simtestutil.h"
#include "tests/support/testseams.h"
#include "tests/support/wizardfixture.h"
#include "tools/portalsim/portalsimulator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace scenes {

// The host every scene runs on, with the seams of its test.
inline void sceneSeams(testSeams &seams)
{
    host_mac_str = {simtest::hostMac.toUpper()};
    seams.hostInterfaces({simtest::hostMac});
    // Nothing is written to the desktop; Done shows the box of a shortcut
    // that could not be made.
    seams.makeShortcutsWith([](wchar_t *, wchar_t *, wchar_t *, wchar_t *,
                               const platform::shortcutCamera &) { return false; });
}

using shotFn = std::function<void(const QString &name, QDialog *box)>;

struct scene {
    const char *name;
    std::function<void(const shotFn &shot)> walk;
};

// Follows the link in a help box; a box without one would leave the walk
// answering the wrong boxes.
inline void followLink(QDialog *box)
{
    for (QLabel *l : box->findChildren<QLabel *>()) {
        if (l->text().contains(QStringLiteral("<a href"))) {
            emit l->linkActivated(QStringLiteral("terms"));
            return;
        }
    }
    qFatal("no link in the box");
}

inline void press(QDialog *box, int button)
{
    static_cast<pageBox *>(box)->buttons().at(button)->click();
}

template <class Page> void showWizard(wizardAt<Page> &w)
{
    w.wizard.show();
    if (!QTest::qWaitForWindowExposed(&w.wizard))
        qWarning("wizard window not exposed");
}

inline void wizardAndAbout(const shotFn &shot)
{
    camguide w;
    w.move(wizardAt<pageFrame>::defaultPos);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("wizard window not exposed");
    nextPage = joinPage2Id;
    w.next();
    shot(QStringLiteral("wizard-frame"), nullptr);
    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("wizard-about"), d);
        press(d, 0);
    });
    w.aboutInfo();
}

inline void plugSteps(const shotFn &shot)
{
    isWireless = true;
    wizardAt<plugPage> w(plugPageId);
    showWizard(w);
    w.control<QTimer>("stepTimer")->stop();
    shot(QStringLiteral("plug-step1"), nullptr);
    for (int i = 0; i < 4; ++i)
        w.page->timerDone();
    shot(QStringLiteral("plug-step4"), nullptr);

    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("plug-ledhelp"), d);
        followLink(d);
    });
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("plug-reset"), d);
        press(d, cameraRoads::resetRestart);
    });
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("plug-ledquestion"), d);
        press(d, cameraRoads::ledNo);
    });
    emit w.control<QLabel>("ledHintLink")->linkActivated(QStringLiteral("terms"));
    w.control<QTimer>("stepTimer")->stop();
}

inline void selectSearchAndList(const shotFn &shot)
{
    isWireless = true;
    wizardAt<selectPage> w(selectPageId);
    showWizard(w);
    w.run()->pause();  // ticked by hand
    w.tick(5);
    shot(QStringLiteral("select-searching"), nullptr);

    camsim::SimCamera a = simtest::makeCamera(QStringLiteral("02:00:00:00:1a:01"), "Front door");
    camsim::SimCamera b =
        simtest::makeCamera(QStringLiteral("02:00:00:00:1a:02"), "Garage", false, "garage42");
    b.wireless = true;
    b.ipMode = "2";
    camsim::SimCamera c =
        simtest::makeCamera(QStringLiteral("02:00:00:00:1a:03"), "Porch", true, "porch2012");
    c.ipMode = "1";
    for (camsim::SimCamera *cam : {&a, &b, &c}) {
        cam->model = supportType.toUtf8();  // the page lists the configured model only
        simtest::listCamera(*cam);
    }
    w.run()->resume();  // only marks the run as going
    w.tickWhileRunning(200);
    shot(QStringLiteral("select-list"), nullptr);

    auto *table = w.control<QTableWidget>("cameraTable");
    auto rowOf = [table](const QString &mac) {
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 2)->text() == mac.toUpper())
                return r;
        }
        return -1;
    };
    auto *passwd = w.control<QLineEdit>("passwdEdit");
    auto *confirm = w.control<QLineEdit>("confirmEdit");
    auto *next = w.control<QPushButton>("sel_next_but");
    modalRecorder boxes;
    const auto shootAndClose = [&](const char *name) {
        boxes.answerWith([&shot, name](QDialog *d) {
            shot(QString::fromLatin1(name), d);
            press(d, 0);
        });
    };

    // A new camera: the password form, then the rule and mismatch boxes.
    w.page->clickShow(rowOf(a.mac), 1);
    passwd->setText(QStringLiteral("river7stone"));
    confirm->setText(QStringLiteral("river7stone"));
    shot(QStringLiteral("select-new-password"), nullptr);
    passwd->setText(QStringLiteral("short"));
    shootAndClose("select-rule-box");
    next->click();
    passwd->setText(QStringLiteral("river7stone"));
    confirm->setText(QStringLiteral("river8stone"));
    shootAndClose("select-mismatch-box");
    next->click();

    // A camera with a password: confirm mode and the wrong-password box.
    w.page->clickShow(rowOf(b.mac), 1);
    shot(QStringLiteral("select-confirm"), nullptr);
    passwd->setText(QStringLiteral("wrong123"));
    shootAndClose("select-wrong-password-box");
    next->click();

    // A registered camera: the notice, its reset link and the reset box.
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("select-registered-notice"), d);
        followLink(d);
    });
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("select-reset-box"), d);
        press(d, cameraRoads::resetClose);
    });
    w.page->clickShow(rowOf(c.mac), 1);

    shootAndClose("select-no-camera-box");
    w.page->hintMessage();

    // A new camera that never confirms its password.
    w.page->clickShow(rowOf(a.mac), 1);
    passwd->setText(QStringLiteral("river7stone"));
    confirm->setText(QStringLiteral("river7stone"));
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("select-unconfirmed-box"), d);
        press(d, 1);
    });
    next->click();
    w.tickTo(100);
    w.run()->stop();
}

// Calls a page slot by name, private ones included, as its signal would.
inline void invoke(QObject *page, const char *slot)
{
    if (!QMetaObject::invokeMethod(page, slot, Qt::DirectConnection))
        qFatal("no slot %s", slot);
}

inline void connectionPage(const shotFn &shot)
{
    isWireless = true;
    camsim::SimCamera cam = simtest::makeCamera(QStringLiteral("02:00:00:00:1a:01"), "Front door");
    cam.model = supportType.toUtf8();
    cam.wifi = {simtest::wifiNetwork("Home network", "3"),
                simtest::wifiNetwork("Caf\xc3\xa9 guests", "4")};
    simtest::listCamera(cam);
    configIPCameraIdx = 0;

    wizardAt<connectPage> w(connectPageId);
    showWizard(w);
    shot(QStringLiteral("connect-choice"), nullptr);

    auto *stepTimer = w.control<QTimer>("stepTimer");
    QMetaObject::invokeMethod(w.page, "ethernet_show", Qt::DirectConnection, Q_ARG(bool, true));
    stepTimer->stop();
    for (int i = 0; i < 3; ++i)
        invoke(w.page, "timerDone");
    shot(QStringLiteral("connect-cable-step3"), nullptr);

    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("connect-ledhelp"), d);
        followLink(d);
    });
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("connect-reset"), d);
        press(d, cameraRoads::resetRestart);
    });
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("connect-ledquestion"), d);
        press(d, cameraRoads::ledNo);
    });
    invoke(w.page, "showMessage");
    stepTimer->stop();

    w.control<QRadioButton>("wpsRadio")->setChecked(true);
    stepTimer->stop();
    shot(QStringLiteral("connect-wps-step1"), nullptr);
    for (int i = 0; i < 4; ++i)
        invoke(w.page, "timerDone");
    shot(QStringLiteral("connect-wps-step4"), nullptr);
    const auto shootAndClose = [&](const char *name) {
        boxes.answerWith([&shot, name](QDialog *d) {
            shot(QString::fromLatin1(name), d);
            press(d, 0);
        });
    };
    shootAndClose("connect-wps-help");
    invoke(w.page, "showMessage2");
    shootAndClose("connect-wps-problems");
    invoke(w.page, "showMessage3");
    shootAndClose("connect-wps-what");
    QMetaObject::invokeMethod(w.page, "showWPSMessage", Qt::DirectConnection,
                              Q_ARG(QString, QString()));
    stepTimer->stop();

    w.control<QRadioButton>("selectNetworkRadio")->setChecked(true);
    simtest::feed(cam, '4');
    QCoreApplication::sendPostedEvents();
    w.control<QLineEdit>("apPasswordEdit")->setText(QStringLiteral("secret key"));
    shot(QStringLiteral("connect-network-list"), nullptr);

    // The check run and its boxes.
    w.page->findChild<QPushButton *>(QStringLiteral("conn_next_btn"))->click();
    w.run()->pause();
    w.tick(3);
    shot(QStringLiteral("connect-checking"), nullptr);
    simtest::feed(cam, '3');
    QCoreApplication::sendPostedEvents();
    shootAndClose("connect-unplug-box");
    w.tickTo(251);
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("connect-offline-question"), d);
        press(d, 0);
    });
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("connect-retry-box"), d);
        press(d, 1);
    });
    w.tickTo(921);
    w.run()->stop();
}

// The four fields of an address editor, as typed ("" leaves a field empty).
inline void fillAddress(MyIpAddrEdit *edit, const QString &address)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i) {
        auto *field = edit->findChild<QLineEdit *>(QStringLiteral("part%1").arg(i + 1));
        field->setText(parts.value(i));
    }
}

// The connection page's decision boxes: a registered camera online, and a
// camera offline on the cable and on WPS, answered No.
inline void connectionDecisions(const shotFn &shot)
{
    isWireless = true;
    camsim::SimCamera cam =
        simtest::makeCamera(QStringLiteral("02:00:00:00:1a:01"), "Front door", true);
    cam.model = supportType.toUtf8();
    simtest::listCamera(cam);
    configIPCameraIdx = 0;

    // The camera answers every setup query and Internet check at once; the
    // run goes until a decision box was shot.
    bool decided = false;
    const auto runToDecision = [&](wizardAt<connectPage> &w) {
        decided = false;
        w.control<QPushButton>("conn_next_btn")->click();
        w.run()->pause();  // ticked by hand
        for (int guard = 0; guard < 1000 && !decided; ++guard) {
            simtest::feed(cam, '3');
            simtest::feed(cam, '8');
            QCoreApplication::sendPostedEvents();
            w.tick();
        }
    };
    modalRecorder boxes;
    {
        wizardAt<connectPage> w(connectPageId);
        showWizard(w);
        boxes.answerWith([&](QDialog *d) {
            shot(QStringLiteral("connect-registered-box"), d);
            decided = true;
            press(d, 1);
        });
        runToDecision(w);
    }
    cam.internet = "0";
    {
        wizardAt<connectPage> w(connectPageId);
        showWizard(w);
        boxes.answer(1);  // No
        boxes.answerWith([&](QDialog *d) {
            shot(QStringLiteral("connect-cable-box"), d);
            decided = true;
            press(d, 0);
        });
        runToDecision(w);
        w.control<QTimer>("stepTimer")->stop();
        w.control<QRadioButton>("wpsRadio")->setChecked(true);
        w.control<QTimer>("stepTimer")->stop();
        boxes.answer(1);  // No
        boxes.answerWith([&](QDialog *d) {
            shot(QStringLiteral("connect-wireless-box"), d);
            decided = true;
            press(d, 0);
        });
        runToDecision(w);
        w.control<QTimer>("stepTimer")->stop();
    }
}

inline void internetPage(const shotFn &shot)
{
    camsim::SimCamera cam = simtest::makeCamera(QStringLiteral("02:00:00:00:1a:01"), "Front door");
    cam.model = supportType.toUtf8();
    cam.ipMode = "2";
    simtest::listCamera(cam);
    configIPCameraIdx = 0;

    wizardAt<failedPage> w(failedPageId);
    showWizard(w);
    shot(QStringLiteral("internet-choice"), nullptr);

    w.control<QRadioButton>("pppoeRadio")->setChecked(true);
    w.control<QLineEdit>("accountEdit")->setText(QStringLiteral("bob;0=1"));
    w.control<QLineEdit>("passwordEdit")->setText(QStringLiteral("secret"));
    shot(QStringLiteral("internet-pppoe"), nullptr);
    modalRecorder boxes;
    const auto shootAndClose = [&](const char *name) {
        boxes.answerWith([&shot, name](QDialog *d) {
            shot(QString::fromLatin1(name), d);
            press(d, 0);
        });
    };
    auto *next = w.control<QPushButton>("fail_next_btu");
    shootAndClose("internet-username-box");
    next->click();

    w.control<QRadioButton>("staticRadio")->setChecked(true);
    fillAddress(w.control<MyIpAddrEdit>("ipEdit"), QStringLiteral("192.168.1.20"));
    fillAddress(w.control<MyIpAddrEdit>("maskEdit"), QStringLiteral("255.255.255."));
    shot(QStringLiteral("internet-static"), nullptr);
    shootAndClose("internet-address-box");
    next->click();

    w.control<QRadioButton>("dhcpRadio")->setChecked(true);
    next->click();
    w.run()->pause();
    w.tick(3);
    shot(QStringLiteral("internet-checking"), nullptr);
    shootAndClose("internet-failure-box");
    w.tickTo(921);
    w.run()->stop();
}

// The cloud account page: the first look, both forms, the boxes of Next and
// of the password-recovery link, the wait run and its timeout. The portal
// address leads nowhere (a closed port on 127.0.0.1): the wait run is
// ticked by hand and times out.
inline void cloudAccountPage(const shotFn &shot)
{
    camsim::SimCamera cam = simtest::makeCamera(QStringLiteral("02:00:00:00:1a:01"), "Front door");
    cam.model = supportType.toUtf8();
    cam.portal = "http://127.0.0.1:9/";
    simtest::listCamera(cam);
    configIPCameraIdx = 0;

    wizardAt<joinPage2> w(joinPage2Id);
    showWizard(w);
    shot(QStringLiteral("cloud-first"), nullptr);

    modalRecorder boxes;
    const auto shootAndClose = [&](const char *name) {
        boxes.answerWith([&shot, name](QDialog *d) {
            shot(QString::fromLatin1(name), d);
            press(d, int(static_cast<pageBox *>(d)->buttons().size()) - 1);
        });
    };
    auto *next = w.control<QPushButton>("j2_next_btu");
    w.control<QRadioButton>("noRadioButton")->setChecked(true);
    w.control<QLineEdit>("signUpEmailEdit")->setText(QStringLiteral("anna@example.com"));
    w.control<QLineEdit>("signUpPasswordEdit")->setText(QStringLiteral("Anna-2026 pw"));
    w.control<QLineEdit>("confirmPasswordEdit")->setText(QStringLiteral("Anna-2026 pw"));
    w.control<QLineEdit>("firstNameEdit")->setText(QStringLiteral("Anna"));
    w.control<QLineEdit>("lastNameEdit")->setText(QStringLiteral("Berg"));
    shot(QStringLiteral("cloud-sign-up"), nullptr);
    shootAndClose("cloud-terms-box");
    next->click();
    w.control<QLineEdit>("confirmPasswordEdit")->setText(QStringLiteral("Anna-2026"));
    shootAndClose("cloud-mismatch-box");
    next->click();

    w.control<QRadioButton>("yesRadioButton")->setChecked(true);
    shootAndClose("cloud-email-box");
    next->click();
    w.control<QLineEdit>("signInEmailEdit")->setText(QStringLiteral("anna@example.com"));
    w.control<QLineEdit>("signInPasswordEdit")->setText(QStringLiteral("Anna-2026 pw"));
    shot(QStringLiteral("cloud-sign-in"), nullptr);
    shootAndClose("cloud-forgot-box");
    emit w.control<QLabel>("forgotLink")->linkActivated(QStringLiteral("forgot"));

    next->click();
    w.run()->pause();  // ticked by hand
    w.tick(3);
    shot(QStringLiteral("cloud-waiting"), nullptr);
    shootAndClose("cloud-timeout-box");
    w.tickTo(accountChain::tickLimit);
}

// The portal's refusals in the answer box: a sentence longer than the box,
// a word longer than the box, and an answer of more lines than are shown.
inline void cloudAnswerBox(const shotFn &shot)
{
    portalsim::PortalSimulator portal;
    if (!portal.listen(QHostAddress::LocalHost))
        qFatal("no portal on 127.0.0.1");
    portal.setFault(portalsim::requestKind::signIn, portalsim::fault::refuse);
    camsim::SimCamera cam = simtest::makeCamera(QStringLiteral("02:00:00:00:1a:01"), "Front door");
    cam.model = supportType.toUtf8();
    cam.portal = portal.baseUrl();
    simtest::listCamera(cam);
    configIPCameraIdx = 0;

    wizardAt<joinPage2> w(joinPage2Id);
    showWizard(w);
    w.control<QRadioButton>("yesRadioButton")->setChecked(true);
    w.control<QLineEdit>("signInEmailEdit")->setText(QStringLiteral("anna@example.com"));
    w.control<QLineEdit>("signInPasswordEdit")->setText(QStringLiteral("Anna-2026 pw"));
    const struct {
        const char *name;
        QByteArray text;
    } refusals[] = {
        {"cloud-answer-box", "This e-mail address is already registered. Please sign in or use "
                             "another e-mail address."},
        {"cloud-answer-word-box",
         "[E17] Token rejected: " + QByteArray(120, 'W') + " (see the portal's help)"},
        {"cloud-answer-lines-box",
         "[E20] The account is locked.\r\n[E21] Too many attempts were made to sign in with "
         "this e-mail address within the last hour; please wait and try again later.\r\n"
         "[E22] Contact support.\r\n[E23] Reference 2026-0415-7781.\r\n[E24] Not shown."},
    };
    modalRecorder boxes;
    for (const auto &r : refusals) {
        portal.setRefusalText(r.text);
        bool shown = false;
        boxes.answerWith([&shot, &shown, name = r.name](QDialog *d) {
            shot(QString::fromLatin1(name), d);
            press(d, 0);
            shown = true;
        });
        w.control<QPushButton>("j2_next_btu")->click();
        if (!QTest::qWaitFor([&] { return shown; }, 5000))
            qWarning("no answer box for %s", r.name);
    }
}

// The registered-camera page and its hard-reset road.
inline void registeredPage(const shotFn &shot)
{
    wizardAt<joinPage1> w(joinPage1Id);
    showWizard(w);
    shot(QStringLiteral("registered-page"), nullptr);
    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("registered-reset-box"), d);
        press(d, 0);
    });
    boxes.answerWith([&](QDialog *d) {
        shot(QStringLiteral("registered-led-box"), d);
        press(d, 1);
    });
    emit w.control<QLabel>("infoText")->linkActivated(QStringLiteral("hard"));
}

// The three final pages, and the details dialog of a wireless camera with
// a long network name.
template <class Page> void finalPage(const shotFn &shot, pageId id, const char *name, bool details)
{
    camsim::SimCamera cam = simtest::makeCamera(QStringLiteral("02:00:00:00:1a:01"), "Front door");
    cam.model = supportType.toUtf8();
    cam.ip = QStringLiteral("127.0.0.1");  // the snapshot request stays on this machine
    cam.deviceNo = "10000001";
    cam.network[0] = "1";
    cam.network[9] = "1";
    cam.network[11] = QByteArray("Garden house network, 2nd floor").toBase64();
    cam.network[23] = "192.168.1.21";
    cam.network[24] = "255.255.255.0";
    cam.network[25] = "192.168.1.1";
    cam.network[26] = "192.168.1.1";
    simtest::listCamera(cam);
    simtest::feed(cam, '3');
    configIPCameraIdx = 0;
    emailStr = QStringLiteral("anna.katharina.berg-lindqvist@example.com");

    wizardAt<Page> w(id);
    showWizard(w);
    shot(QString::fromLatin1(name), nullptr);
    if (!details)
        return;
    modalRecorder boxes;
    boxes.answerWith([&](QDialog *d) {
        d->show();
        shot(QStringLiteral("details-dialog"), d);
        static_cast<detailsPage *>(d)->closeButton->click();
    });
    emit w.template control<QLabel>("detailsLink")->linkActivated(QStringLiteral("http"));
    boxes.answerWith([&](QDialog *d) {
        d->show();
        shot(QStringLiteral("final-shortcut-box"), d);
        d->reject();
    });
    w.template control<QPushButton>("join_next_btu")->click();
}

inline void finalPages(const shotFn &shot)
{
    finalPage<joinPage3>(shot, joinPage3Id, "final-account", false);
    finalPage<joinPage4>(shot, joinPage4Id, "final-no-account", false);
    finalPage<joinPage>(shot, joinPageId, "final-local", true);
}

inline const QList<scene> &all()
{
    static const QList<scene> list = {
        {"wizard", wizardAndAbout},
        {"plug-in page", plugSteps},
        {"camera list page", selectSearchAndList},
        {"connection page", connectionPage},
        {"connection decisions", connectionDecisions},
        {"Internet connection page", internetPage},
        {"cloud account page", cloudAccountPage},
        {"cloud answer box", cloudAnswerBox},
        {"registered-camera page", registeredPage},
        {"final pages", finalPages},
    };
    return list;
}

}  // namespace scenes

#endif
