// The cloud account page in a real wizard window, against the simulated
// portal on 127.0.0.1. Boxes are answered by the recorder; the wait run is
// ticked by hand (its timer is paused as soon as a chain starts), while the
// portal's answers arrive through the event loop.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/http.h"
#include "pages/cloud/accountchain.h"
#include "pages/cloud/joinpage2.h"
#include "pages/setup/connectpage.h"
#include "pages/setup/failedpage.h"
#include "tests/support/pagebench.h"
#include "tests/support/recordingaccess.h"
#include "tests/support/urlcatcher.h"
#include "tools/portalsim/portalsimulator.h"

#include <QCheckBox>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkReply>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cstdio>
#include <memory>

using portalsim::fault;
using portalsim::PortalSimulator;
using portalsim::requestKind;

namespace {

const QPoint wizardPos(100, 50);
const QString camMac = QStringLiteral("02:00:00:00:1a:01");
const QString heading =
    QStringLiteral("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>");
const QString blueNext = QStringLiteral(
    "background-image: url(:/images/btn_start-next_blue.png);font:14px;color:rgb(255,255,255);border: 0px");
const QString builtNext = QStringLiteral(
    "background-image: url(:/images/btn_start-next_grey.png);font:14px;color:rgb(255,255,255);border: 0px");
const QString waitNext = QStringLiteral(
    "background-image: url(:/images/btn_start-next_grey.png);font:14px;color:rgb(89,87,87);border: 0px");

// Commands that tell the camera it is registered.
int registeredTold(const QList<sentCommand> &sent)
{
    int n = 0;
    for (const sentCommand &c : sent)
        n += c.zvrClass == '2' && c.body.endsWith(";G=1");
    return n;
}

struct atCloudPage : wizardWithCamera<joinPage2> {
    explicit atCloudPage(const camsim::SimCamera &cam, int index = 0)
        : wizardWithCamera<joinPage2>(joinPage2Id, cam, index, wizardPos)
    {
    }
    QPushButton *next() const { return control<QPushButton>("j2_next_btu"); }
    QPushButton *back() const { return control<QPushButton>("j2_back_btu"); }
    QLineEdit *edit(const char *name) const { return control<QLineEdit>(name); }
    QLabel *veil() const { return control<QLabel>("waitPicLabel"); }
    void choose(const char *radio) { control<QRadioButton>(radio)->setChecked(true); }
    void signIn(const QString &email, const QString &password)
    {
        choose("yesRadioButton");
        edit("signInEmailEdit")->setText(email);
        edit("signInPasswordEdit")->setText(password);
    }
    void signUp(const QString &email, const QString &password, const QString &confirmation,
                const QString &first = QString(), const QString &last = QString(),
                bool accept = true)
    {
        choose("noRadioButton");
        edit("signUpEmailEdit")->setText(email);
        edit("signUpPasswordEdit")->setText(password);
        edit("confirmPasswordEdit")->setText(confirmation);
        edit("firstNameEdit")->setText(first);
        edit("lastNameEdit")->setText(last);
        control<QCheckBox>("acceptCheck")->setChecked(accept);
    }
    // Next, with the wait run's timer held: the test ticks.
    void pressNext()
    {
        next()->click();
        run()->pause();
    }
};

QMap<QString, QString> formOf(const portalsim::request &r)
{
    QMap<QString, QString> m;
    for (const auto &item : r.form)
        m.insert(item.first, item.second);
    return m;
}

QByteArray headerOf(const portalsim::request &r, const QByteArray &name)
{
    for (const auto &h : r.headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    return QByteArray();
}

}  // namespace

class tst_joinpage2 : public pageBench
{
    Q_OBJECT

private:
    std::unique_ptr<PortalSimulator> portal;
    std::unique_ptr<recordingAccess> access;  // every request the page makes, to the portal
    camsim::SimCamera cam;

    // Waits until the page's chain is over: the run stopped and no request
    // outstanding (bounded).
    bool settle(atCloudPage &, int requests)
    {
        return QTest::qWaitFor(
            [&] { return portal->requests().size() >= requests && access->unfinished() == 0; },
            5000);
    }

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init()
    {
        beforeTest();
        portal = std::make_unique<PortalSimulator>();
        QVERIFY(portal->listen(QHostAddress::LocalHost));
        portal->addAccount(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
        cam = simtest::makeCamera(camMac, "Porch");
        cam.model = "KSM-271E";
        cam.deviceNo = "10000001";
        cam.password = "cam pw+1";
        cam.dfp = "dfp0001";
        cam.portal = portal->baseUrl();
        access = std::make_unique<recordingAccess>();
        seams->useNetwork(access.get());
    }
    void cleanup()
    {
        portal.reset();
        afterTest();
        access.reset();
    }

    void firstEntry();
    void choices();
    void entryAgain();
    void checks_data();
    void checks();
    void skip();
    void signUpChain();
    void signInChain();
    void formValues_data();
    void formValues();
    void refusals_data();
    void refusals();
    void errorsReturnSilently();
    void answerWrapped_data();
    void answerWrapped();
    void timeout();
    void backAbandons();
    void portalAddress_data();
    void portalAddress();
    void links();
    void backThroughInternetPage();
    void noSecretInLog();
    void wayOn_data();
    void wayOn();
    void oversizedAnswer_data();
    void oversizedAnswer();
};

void tst_joinpage2::firstEntry()
{
    atCloudPage w(cam);
    QVERIFY(!w.control<QLabel>("panelTitle")->isHidden());
    QVERIFY(!w.control<QLabel>("panelText3")->isHidden());
    QVERIFY(!w.next()->isEnabled());
    QCOMPARE(w.next()->styleSheet(), builtNext);
    for (const char *name : {"signInEmailEdit", "signUpEmailEdit", "firstNameEdit"})
        QVERIFY(w.edit(name)->isHidden());
    QVERIFY(w.control<QRadioButton>("noneRadioButton")->isChecked());
    QVERIFY(w.control<QRadioButton>("noneRadioButton")->isHidden());
    QCOMPARE(w.control<QLabel>("panelHeading1")->text(),
             QString(QChar(0x25A0)) + QStringLiteral("  <b>Simple setting</b>"));
    // The info record is asked for again.
    QCOMPARE(countOf(takeSent(), '2'), 1);
}

void tst_joinpage2::choices()
{
    atCloudPage w(cam);
    auto *no = w.control<QRadioButton>("noRadioButton");
    auto *no2 = w.control<QRadioButton>("no2RadioButton");
    auto *newsletter = w.control<QCheckBox>("newsletterCheck");

    w.choose("yesRadioButton");
    QVERIFY(w.control<QLabel>("panelTitle")->isHidden());
    QVERIFY(!w.edit("signInEmailEdit")->isHidden());
    QVERIFY(!w.control<QLabel>("forgotLink")->isHidden());
    QVERIFY(w.edit("signUpEmailEdit")->isHidden());
    QCOMPARE(no->pos(), QPoint(30, 330));
    QCOMPARE(no2->pos(), QPoint(30, 360));
    QCOMPARE(w.control<QLabel>("emailLabel")->geometry(), QRect(50, 240, 70, 25));
    QVERIFY(w.next()->isEnabled());
    QCOMPARE(w.next()->styleSheet(), blueNext);

    w.choose("noRadioButton");
    QVERIFY(w.edit("signInEmailEdit")->isHidden());
    QVERIFY(!w.edit("confirmPasswordEdit")->isHidden());
    QVERIFY(!w.control<QLabel>("termsLabel")->isHidden());
    QVERIFY(w.control<QLabel>("accountLabel")->isHidden());
    QCOMPARE(no->pos(), QPoint(30, 210));
    QCOMPARE(no2->pos(), QPoint(30, 400));
    QCOMPARE(w.control<QLabel>("emailLabel")->geometry(), QRect(40, 240, 120, 25));
    QVERIFY(newsletter->isChecked());
    QVERIFY(w.next()->isEnabled());

    w.choose("no2RadioButton");
    QVERIFY(w.edit("confirmPasswordEdit")->isHidden());
    QVERIFY(w.control<QLabel>("emailLabel")->isHidden());
    QCOMPARE(no->pos(), QPoint(30, 210));
    QCOMPARE(no2->pos(), QPoint(30, 240));
    QVERIFY(!newsletter->isChecked());
    QVERIFY(w.next()->isEnabled());
    // Gone for good.
    QVERIFY(w.control<QLabel>("panelTitle")->isHidden());
}

void tst_joinpage2::entryAgain()
{
    atCloudPage w(cam);
    w.signUp(QStringLiteral("a@b.c"), QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("A"),
             QStringLiteral("B"));
    w.edit("signInEmailEdit")->setText(QStringLiteral("c@d.e"));
    w.open(joinPage2Id);
    for (const char *name :
         {"signInEmailEdit", "signInPasswordEdit", "signUpEmailEdit", "signUpPasswordEdit",
          "confirmPasswordEdit", "firstNameEdit", "lastNameEdit"})
        QVERIFY2(w.edit(name)->text().isEmpty(), name);
    QVERIFY(!w.control<QCheckBox>("acceptCheck")->isChecked());
    QVERIFY(!w.control<QCheckBox>("newsletterCheck")->isChecked());
    QVERIFY(w.control<QRadioButton>("noneRadioButton")->isChecked());
    QVERIFY(!w.next()->isEnabled());
    QCOMPARE(w.next()->styleSheet(), blueNext);  // as the last choice left it
    QVERIFY(w.control<QLabel>("panelTitle")->isHidden());
}

void tst_joinpage2::checks_data()
{
    QTest::addColumn<int>("camera");  // index chosen
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("fields");  // e-mail, password, confirmation
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QPoint>("offset");
    const QPoint at240(240, 230);
    QTest::newRow("no camera") << -1 << "yes" << QStringList{"a", "b"} << true
                               << "Please select your camera." << QPoint(220, 230);
    QTest::newRow("camera index past the list") << 5 << "yes" << QStringList{"a", "b"} << true
                                                << "Please select your camera." << QPoint(220, 230);
    QTest::newRow("no choice") << 0 << "" << QStringList() << true << "Please select an option."
                               << QPoint(220, 230);
    QTest::newRow("sign-in, both empty")
        << 0 << "yes" << QStringList{"", ""} << true << "Invalid email!" << at240;
    QTest::newRow("sign-in, no password")
        << 0 << "yes" << QStringList{"a@b.c", ""} << true << "Invalid password!" << at240;
    QTest::newRow("sign-up, no e-mail")
        << 0 << "no" << QStringList{"", "pw", "pw"} << true << "Invalid email!" << at240;
    QTest::newRow("sign-up, no password")
        << 0 << "no" << QStringList{"a@b.c", "", ""} << true << "Invalid password!" << at240;
    QTest::newRow("sign-up, empty confirmation")
        << 0 << "no" << QStringList{"a@b.c", "pw", ""} << false
        << "The passwords don't match, please try again." << QPoint(200, 230);
    QTest::newRow("sign-up, case differs")
        << 0 << "no" << QStringList{"a@b.c", "pw", "PW"} << true
        << "The passwords don't match, please try again." << QPoint(200, 230);
    QTest::newRow("sign-up, terms")
        << 0 << "no" << QStringList{"a@b.c", "pw", "pw"} << false
        << "You must accept the terms and conditions to continue." << QPoint(130, 230);
}

void tst_joinpage2::checks()
{
    QFETCH(int, camera);
    QFETCH(QString, choice);
    QFETCH(QStringList, fields);
    QFETCH(bool, accept);
    QFETCH(QString, message);
    QFETCH(QPoint, offset);
    atCloudPage w(cam, camera);
    if (choice == QLatin1String("yes"))
        w.signIn(fields.value(0), fields.value(1));
    else if (choice == QLatin1String("no"))
        w.signUp(fields.value(0), fields.value(1), fields.value(2), QString(), QString(), accept);
    bool veiledAndHidden = true;
    boxes->onOpen([&](QDialog *) {
        veiledAndHidden = !w.veil()->isHidden() && w.edit("signInEmailEdit")->isHidden()
                          && w.edit("signUpEmailEdit")->isHidden();
    });
    boxes->answer("Close");
    // Next is disabled without a choice; its slot still says why.
    QMetaObject::invokeMethod(w.page, "next", Qt::DirectConnection);

    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, heading + message);
    QCOMPARE(boxes->last().pos, wizardPos + offset);
    QCOMPARE(boxes->last().buttons.size(), 1);
    QCOMPARE(boxes->last().buttons.at(0).objectName, QStringLiteral("detail_close_btu"));
    QVERIFY(veiledAndHidden);
    // After Close the form is back as it was.
    QVERIFY(w.veil()->isHidden());
    if (choice == QLatin1String("yes")) {
        QVERIFY(!w.edit("signInEmailEdit")->isHidden());
        QCOMPARE(w.edit("signInEmailEdit")->text(), fields.value(0));
    } else if (choice == QLatin1String("no")) {
        QVERIFY(!w.edit("signUpEmailEdit")->isHidden());
        QCOMPARE(w.edit("confirmPasswordEdit")->text(), fields.value(2));
        QVERIFY(w.control<QCheckBox>("newsletterCheck")->isChecked());
    }
    QTest::qWait(50);
    QVERIFY(portal->requests().isEmpty());
}

void tst_joinpage2::skip()
{
    atCloudPage w(cam);
    w.choose("no2RadioButton");
    w.next()->click();
    QCOMPARE(nextPage, int(joinPage4Id));
    QCOMPARE(w.wizard.currentId(), int(joinPage4Id));
    QTest::qWait(50);
    QVERIFY(portal->requests().isEmpty());
    QCOMPARE(boxes->count(), 0);
}

void tst_joinpage2::signUpChain()
{
    atCloudPage w(cam);
    takeSent();
    w.signUp(QStringLiteral("new@example.com"), QStringLiteral("pw 1"), QStringLiteral("pw 1"),
             QStringLiteral("Zoë"), QStringLiteral("Berg"));
    w.pressNext();
    QVERIFY(!w.next()->isEnabled());
    QCOMPARE(w.next()->styleSheet(), waitNext);
    QVERIFY(!w.back()->isEnabled());
    // Fixed for the run: the keyboard can neither switch nor retype.
    QVERIFY(!w.control<QRadioButton>("yesRadioButton")->isEnabled());
    QVERIFY(!w.edit("signUpEmailEdit")->isEnabled());

    QVERIFY(QTest::qWaitFor([&] { return w.wizard.currentId() == joinPage3Id; }, 5000));
    QCOMPARE(portal->requests().size(), 3);
    QCOMPARE(portal->requests().at(0).kind, requestKind::signUp);
    QCOMPARE(portal->requests().at(1).kind, requestKind::signIn);
    QCOMPARE(portal->requests().at(2).kind, requestKind::addCamera);
    QCOMPARE(portal->requests().at(0).path, QByteArray("/signin/"));
    QCOMPARE(portal->requests().at(1).path, QByteArray("/account/?signin"));
    QCOMPARE(portal->requests().at(2).path, QByteArray("/account/?add"));
    // The sign-in after a sign-up uses the sign-up form.
    QCOMPARE(formOf(portal->requests().at(1)).value("email"), QStringLiteral("new@example.com"));
    QCOMPARE(formOf(portal->requests().at(1)).value("password"), QStringLiteral("pw 1"));
    QCOMPARE(formOf(portal->requests().at(2)).value("orbel_no"), QStringLiteral("10000001"));
    QCOMPARE(formOf(portal->requests().at(2)).value("device_password"), QStringLiteral("cam pw+1"));
    QCOMPARE(formOf(portal->requests().at(2)).value("dfp"), QStringLiteral("dfp0001"));
    QCOMPARE(portal->devicesOf(QStringLiteral("new@example.com")), QStringList{"10000001"});
    QCOMPARE(emailStr, QStringLiteral("new@example.com"));
    QCOMPARE(nextPage, int(joinPage3Id));
    QCOMPARE(boxes->count(), 0);
    const QList<sentCommand> sent = takeSent();
    QCOMPARE(registeredTold(sent), 1);
}

void tst_joinpage2::signInChain()
{
    atCloudPage w(cam);
    // The info record asked for on entry has come.
    simtest::feed(cam, '2');
    QCOMPARE(IPCameraList.at(0).cmdState, int(cmdStatePasswordSeen));
    takeSent();
    w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    w.pressNext();
    // The info record is read again before the sign-in.
    QCOMPARE(countOf(takeSent(), '2'), 1);
    QVERIFY(QTest::qWaitFor([&] { return w.wizard.currentId() == joinPage3Id; }, 5000));
    QCOMPARE(portal->requests().size(), 2);
    QCOMPARE(portal->requests().at(0).kind, requestKind::signIn);
    QCOMPARE(emailStr, QStringLiteral("anna@example.com"));
    QCOMPARE(registeredTold(takeSent()), 1);
}

void tst_joinpage2::formValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("blank") << "a b" << QByteArray("a%20b");
    QTest::newRow("ampersand") << "a&password=x" << QByteArray("a%26password%3Dx");
    QTest::newRow("plus") << "a+b" << QByteArray("a%2Bb");
    QTest::newRow("equals") << "a=b" << QByteArray("a%3Db");
    QTest::newRow("at") << "a@b" << QByteArray("a%40b");
    QTest::newRow("tilde") << "a~b" << QByteArray("a~b");
    QTest::newRow("e acute") << QString::fromUtf8("é") << QByteArray("%C3%A9");
    QTest::newRow("apostrophe") << "o'neil" << QByteArray("o%27neil");
}

void tst_joinpage2::formValues()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, encoded);
    atCloudPage w(cam);
    w.signUp(QStringLiteral("x") + value, value, value, value, value);
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return w.wizard.currentId() == joinPage3Id; }, 5000));
    const portalsim::request &r = portal->requests().at(0);
    QCOMPARE(r.body, "client=wizard&wizard_version=KSM-271E_v1.00.02&lang=English&action=sign-up"
                     "&accept=accept&email=x"
                         + encoded + "&password=" + encoded + "&password_verify=" + encoded
                         + "&name_first=" + encoded + "&name_last=" + encoded + "&nickname=''");
    QCOMPARE(headerOf(r, "Content-Length"), QByteArray::number(r.body.size()));
    QCOMPARE(headerOf(r, "Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    // The portal's form decoding gives the typed value back.
    QCOMPARE(formOf(r).value("name_first"), value);
    QCOMPARE(formOf(portal->requests().at(1)).value("password"), value);
}

void tst_joinpage2::refusals_data()
{
    QTest::addColumn<QString>("road");  // sign-in with: wrong, refuse, redirect; or add
    QTest::addColumn<QString>("shown");
    QTest::newRow("wrong password") << "wrong"
                                    << "[E03] Incorrect e-mail address or password.";
    QTest::newRow("camera bound elsewhere") << "bound"
                                            << " This camera is already registered to an account.";
}

void tst_joinpage2::refusals()
{
    QFETCH(QString, road);
    QFETCH(QString, shown);
    if (road == QLatin1String("bound")) {
        portal->addAccount(QStringLiteral("bob@example.com"), QStringLiteral("x"));
        portal->bindDevice(QStringLiteral("bob@example.com"), QStringLiteral("10000001"));
    }
    atCloudPage w(cam);
    takeSent();
    w.signIn(QStringLiteral("anna@example.com"), road == QLatin1String("wrong")
                                                     ? QStringLiteral("nope")
                                                     : QStringLiteral("Anna-2026 pw"));
    boxes->answer("Close");
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return boxes->count() == 1; }, 5000));
    QCOMPARE(boxes->last().text, heading + shown.toHtmlEscaped());
    QCOMPARE(boxes->last().pos.y(), wizardPos.y() + 240);
    QCOMPARE(w.wizard.currentId(), int(joinPage2Id));
    QVERIFY(!w.edit("signInEmailEdit")->isHidden());
    QVERIFY(w.edit("signInEmailEdit")->isEnabled());
    QVERIFY(w.next()->isEnabled());
    QCOMPARE(w.next()->styleSheet(), blueNext);
    QVERIFY(w.back()->isEnabled());
    QVERIFY(!w.run()->isRunning());
    QCOMPARE(registeredTold(takeSent()), 0);
    QCOMPARE(emailStr, QString());
    QCOMPARE(nextPage, int(joinPage2Id));
}

void tst_joinpage2::errorsReturnSilently()
{
    // A server error, then a redirect: the error goes back to the form
    // without a box, the redirect's answer is shown as text.
    atCloudPage w(cam);
    portal->setFault(requestKind::signIn, fault::serverError);
    w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    w.pressNext();
    QVERIFY(settle(w, 1));
    QTest::qWait(20);
    QCOMPARE(boxes->count(), 0);
    QVERIFY(!w.edit("signInEmailEdit")->isHidden());
    QVERIFY(w.next()->isEnabled());
    QVERIFY(w.veil()->isHidden());
    QVERIFY(!w.run()->isRunning());

    portal->setFault(requestKind::signIn, fault::redirect);
    boxes->answer("Close");
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return boxes->count() == 1; }, 5000));
    QCOMPARE(portal->requests().size(), 2);  // the redirect was not followed
    QCOMPARE(boxes->last().text,
             heading + QString::fromUtf8(portal->requests().at(1).answer).toHtmlEscaped());

    // A portal answer holding a link is shown as text.
    portal->setFault(requestKind::signIn, fault::refuse);
    portal->setRefusalText("[E99] See <a href=\"http://evil.example/\">here</a> & retry");
    boxes->answer("Close");
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return boxes->count() == 2; }, 5000));
    QCOMPARE(boxes->last().text,
             heading
                 + QStringLiteral("[E99] See &lt;a href=&quot;http://evil.example/&quot;&gt;"
                                  "here&lt;/a&gt; &amp; retry"));
    // An answer wider than 450 pixels is placed as if it were 450 wide.
    portal->setRefusalText(QByteArray(200, 'W'));
    boxes->answer("Close");
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return boxes->count() == 3; }, 5000));
    QCOMPARE(boxes->last().pos, wizardPos + QPoint((720 - 450 - 70) / 2, 240));
    QCOMPARE(w.wizard.currentId(), int(joinPage2Id));
}

void tst_joinpage2::answerWrapped_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QStringList>("kept");  // the lines of the answer the box keeps
    QTest::newRow("a sentence wider than the box")
        << QByteArray("This e-mail address is already registered. Please sign in or use another "
                      "e-mail address.")
        << QStringList{"This e-mail address is already registered. Please sign in or use "
                       "another e-mail address."};
    const QString word(140, QLatin1Char('W'));
    QTest::newRow("a word wider than the box")
        << QByteArray("[E17] Token " + word.toLatin1()) << QStringList{"[E17] Token " + word};
    QTest::newRow("lines, each wrapped")
        << QByteArray("[E21] Too many attempts were made to sign in with this e-mail address "
                      "within the last hour; please wait.\r\n[E22] Contact support, or reset "
                      "your password on the portal's own page and try again.")
        << QStringList{"[E21] Too many attempts were made to sign in with this e-mail address "
                       "within the last hour; please wait.",
                       "[E22] Contact support, or reset your password on the portal's own page "
                       "and try again."};
}

void tst_joinpage2::answerWrapped()
{
    // Each kept line is shown whole, wrapped to the box's width, and the
    // toolkit does not wrap it again at a narrower width of its own.
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, kept);
    portal->setFault(requestKind::signIn, fault::refuse);
    portal->setRefusalText(answer);
    atCloudPage w(cam);
    w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    int widestLine = 0;
    int labelWidth = 0;
    int boxWidth = 0;
    QStringList shown;
    boxes->onOpen([&](QDialog *d) {
        d->show();  // laid out as the user sees it
        const auto *label = d->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        shown = label->text().mid(heading.size()).split(QStringLiteral("<br>"));
        for (const QString &line : shown)
            widestLine = qMax(widestLine, label->fontMetrics().horizontalAdvance(line));
        labelWidth = label->width();
        boxWidth = d->width();
    });
    boxes->answer("Close");
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return boxes->count() == 1; }, 5000));
    QVERIFY(boxes->last().text.startsWith(heading));
    QVERIFY(!boxes->last().text.contains(QChar(0x2026)));
    QVERIFY2(shown.size() > kept.size(), qPrintable(shown.join(QLatin1Char('|'))));
    QCOMPARE(shown.join(QString()).remove(QLatin1Char(' ')),
             kept.join(QString()).remove(QLatin1Char(' ')).toHtmlEscaped());
    QVERIFY2(widestLine <= portalRequest::answerWidth, qPrintable(QString::number(widestLine)));
    QVERIFY2(labelWidth >= widestLine,
             qPrintable(QStringLiteral("%1 < %2").arg(labelWidth).arg(widestLine)));
    QVERIFY2(boxWidth <= portalRequest::answerWidth + 150, qPrintable(QString::number(boxWidth)));
    QCOMPARE(boxes->last().pos, wizardPos + QPoint((720 - 450 - 70) / 2, 240));
}

void tst_joinpage2::timeout()
{
    atCloudPage w(cam);
    takeSent();
    portal->setFault(requestKind::addCamera, fault::silent);
    w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    w.pressNext();
    // The add request waits in the portal; the run is in its second request.
    QVERIFY(QTest::qWaitFor([&] { return portal->requests().size() == 2; }, 5000));
    QCOMPARE(access->requests.size(), 2);
    QVERIFY(access->lastUrl().toString().endsWith(QLatin1String(portalRequest::addCameraPath)));
    w.tick(accountChain::tickLimit - 1);
    QCOMPARE(boxes->count(), 0);
    QVERIFY(!w.edit("signInEmailEdit")->isEnabled());
    boxes->answer("Close");
    w.tick();
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text, heading + QStringLiteral("Timeout, please retry."));
    QCOMPARE(boxes->last().pos, wizardPos + QPoint(220, 230));
    QVERIFY(!w.run()->isRunning());
    QVERIFY(w.next()->isEnabled());
    QVERIFY(w.back()->isEnabled());
    QCOMPARE(w.next()->styleSheet(), blueNext);
    QVERIFY(w.control<QLabel>("waitTextLabel")->isHidden());
    // Nothing more was asked: the abandoned request was aborted, and its end
    // reached no handler.
    QCOMPARE(access->requests.size(), 2);
    QVERIFY(access->lastUrl().toString().endsWith(QLatin1String(portalRequest::addCameraPath)));
    QCOMPARE(access->replies.size(), 2);
    QVERIFY(access->replies.at(1));
    QCOMPARE(access->replies.at(1)->error(), QNetworkReply::OperationCanceledError);

    // A new chain finishes once: one add, one ";G=1".
    portal->setFault(requestKind::addCamera, fault::none);
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return w.wizard.currentId() == joinPage3Id; }, 5000));
    QTest::qWait(50);
    int adds = 0;
    for (const auto &r : portal->requests())
        adds += r.kind == requestKind::addCamera && r.status == 200;
    QCOMPARE(adds, 1);
    QCOMPARE(registeredTold(takeSent()), 1);
    QCOMPARE(boxes->count(), 1);
}

void tst_joinpage2::backAbandons()
{
    // Back is disabled during a run; should it be clicked by code, the
    // request is given up and never handled.
    atCloudPage w(cam);
    portal->setFault(requestKind::signIn, fault::silent);
    w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return portal->requests().size() == 1; }, 5000));
    QMetaObject::invokeMethod(w.page, "back", Qt::DirectConnection);
    QCOMPARE(access->unfinished(), 0);
    QCOMPARE(nextPage, int(connectPageId));
    QCOMPARE(w.wizard.currentId(), int(connectPageId));
    QTest::qWait(50);
    QCOMPARE(boxes->count(), 0);
}

void tst_joinpage2::portalAddress_data()
{
    QTest::addColumn<QByteArray>("base");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("relative") << QByteArray("portal/");
    QTest::newRow("file") << QByteArray("file:///tmp/");
    QTest::newRow("user information") << QByteArray("http://u:p@127.0.0.1/");
    QTest::newRow("quote") << QByteArray("http://127.0.0.1/\"");
}

void tst_joinpage2::portalAddress()
{
    QFETCH(QByteArray, base);
    cam.portal = base;
    atCloudPage w(cam);
    urlCatcher urls;
    w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    boxes->answer("Close");
    w.next()->click();
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->last().text,
             heading + QStringLiteral("The camera gave no valid portal address."));
    QVERIFY(!w.run()->isRunning());
    QVERIFY(w.next()->isEnabled());
    QVERIFY(w.edit("signInEmailEdit")->isEnabled());
    boxes->answer("Close");
    emit w.control<QLabel>("forgotLink")->linkActivated(QStringLiteral("forgot"));
    boxes->answer("Close");
    emit w.control<QLabel>("termsLabel")->linkActivated(QStringLiteral("terms"));
    QCOMPARE(boxes->count(), 3);
    QTest::qWait(50);
    QVERIFY(portal->requests().isEmpty());
    QVERIFY(urls.opened.isEmpty());
}

void tst_joinpage2::links()
{
    lang = QStringLiteral("Deutsch");
    atCloudPage w(cam);
    urlCatcher urls;
    w.choose("yesRadioButton");
    auto *forgot = w.control<QLabel>("forgotLink");
    boxes->answer("Close");
    emit forgot->linkActivated(QStringLiteral("forgot"));
    QVERIFY(urls.opened.isEmpty());
    QCOMPARE(boxes->last().icon, QMessageBox::NoIcon);
    QCOMPARE(boxes->last().pos, wizardPos + QPoint(120, 230));
    QCOMPARE(boxes->last().buttons.at(0).objectName, QStringLiteral("j4_done_btu"));
    QVERIFY(!boxes->last().text.startsWith(heading));
    QVERIFY(!w.edit("signInEmailEdit")->isHidden());
    boxes->answer("OK");
    emit forgot->linkActivated(QStringLiteral("forgot"));
    QCOMPARE(urls.opened,
             QList<QUrl>{QUrl(QString::fromLatin1(portal->baseUrl() + "request_password"))});
    QVERIFY(!w.edit("signInEmailEdit")->isHidden());
    QVERIFY(w.veil()->isHidden());

    urls.opened.clear();
    emit w.control<QLabel>("termsLabel")->linkActivated(QStringLiteral("anything"));
    QCOMPARE(urls.opened,
             QList<QUrl>{QUrl(QString::fromLatin1(portal->baseUrl() + "EULA/?lang=Deutsch"))});
    QCOMPARE(boxes->count(), 2);
}

void tst_joinpage2::backThroughInternetPage()
{
    // Page 2, page 3, then this page: Back must not show page 3 while
    // nextPage names page 2.
    simtest::listCamera(cam);
    configIPCameraIdx = 0;
    wizardAt<connectPage> w(connectPageId, wizardPos);
    nextPage = failedPageId;
    w.wizard.next();
    nextPage = joinPage2Id;
    w.wizard.next();
    QCOMPARE(w.wizard.visitedIds(), (QList<int>{connectPageId, failedPageId, joinPage2Id}));
    w.wizard.setStartId(plugPageId);  // as the first road through page 0 leaves it
    w.wizard.currentPage()->findChild<QPushButton *>(QStringLiteral("j2_back_btu"))->click();
    QCOMPARE(nextPage, int(connectPageId));
    QCOMPARE(w.wizard.currentId(), int(connectPageId));
}

void tst_joinpage2::noSecretInLog()
{
    logCapture log;
    atCloudPage w(cam);
    w.signUp(QStringLiteral("secret@example.com"), QStringLiteral("Typed-Secret-1"),
             QStringLiteral("Typed-Secret-1"));
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return w.wizard.currentId() == joinPage3Id; }, 5000));
    const QString all = log.lines.join(QLatin1Char('\n'));
    QVERIFY(all.contains(QStringLiteral("account/?add")));
    for (const char *secret :
         {"Typed-Secret-1", "Typed-Secret", "cam pw+1", "cam%20pw", "password="})
        QVERIFY2(!all.contains(QLatin1String(secret)), secret);
}

Q_DECLARE_METATYPE(portalsim::fault)
Q_DECLARE_METATYPE(portalsim::requestKind)

void tst_joinpage2::wayOn_data()
{
    QTest::addColumn<bool>("signUp");  // the chain: sign-up, or sign-in
    QTest::addColumn<requestKind>("kind");
    QTest::addColumn<fault>("f");
    QTest::addColumn<QString>("box");  // what the box says first; empty: none
    const QString more(QChar(0x2026));
    const QString long99 = QStringLiteral("[E99] The service is not available at the moment.<br>"
                                          "[E98] The answer goes on and on.<br>"
                                          "[E98] The answer goes on and on.<br>"
                                          "[E98] The answer goes on and on.")
                           + more;
    const struct {
        const char *name;
        bool signUp;
        requestKind kind;
    } steps[] = {{"sign-up", true, requestKind::signUp},
                 {"sign-in", false, requestKind::signIn},
                 {"add", false, requestKind::addCamera}};
    for (const auto &step : steps) {
        QTest::addRow("%s hangs", step.name)
            << step.signUp << step.kind << fault::silent << "Timeout, please retry.";
        QTest::addRow("%s answers 500", step.name)
            << step.signUp << step.kind << fault::serverError << "";
        QTest::addRow("%s redirects", step.name)
            << step.signUp << step.kind << fault::redirect << "Found";
        // The add request shows a refusal after its first "]".
        QTest::addRow("%s answers 16 MiB", step.name)
            << step.signUp << step.kind << fault::oversized
            << (step.kind == requestKind::addCamera ? long99.mid(5) : long99);
    }
}

void tst_joinpage2::wayOn()
{
    // Whatever the portal does, the page comes back usable, and the same
    // choice pressed again makes a new chain that goes through.
    QFETCH(bool, signUp);
    QFETCH(requestKind, kind);
    QFETCH(fault, f);
    QFETCH(QString, box);
    atCloudPage w(cam);
    takeSent();
    portal->setFault(kind, f);
    if (signUp)
        w.signUp(QStringLiteral("new@example.com"), QStringLiteral("pw 1"), QStringLiteral("pw 1"));
    else
        w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    const int upTo = signUp ? 1 : kind == requestKind::addCamera ? 2 : 1;
    boxes->answer("Close");
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return portal->requests().size() == upTo; }, 5000));
    if (f == fault::silent) {
        QCOMPARE(access->unfinished(), 1);
        w.tick(accountChain::tickLimit);
    }
    QVERIFY(QTest::qWaitFor([&] { return access->unfinished() == 0; }, 5000));
    QTest::qWait(20);
    QCOMPARE(boxes->count(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QCOMPARE(boxes->last().text, heading + box);
    QCOMPARE(w.wizard.currentId(), int(joinPage2Id));
    QVERIFY(!w.run()->isRunning());
    QVERIFY(w.veil()->isHidden());
    QVERIFY(w.next()->isEnabled());
    QCOMPARE(w.next()->styleSheet(), blueNext);
    QVERIFY(w.back()->isEnabled());
    const char *email = signUp ? "signUpEmailEdit" : "signInEmailEdit";
    QVERIFY(!w.edit(email)->isHidden());
    QVERIFY(w.edit(email)->isEnabled());
    QCOMPARE(registeredTold(takeSent()), 0);
    QCOMPARE(emailStr, QString());

    portal->setFault(kind, fault::none);
    const qsizetype before = portal->requests().size();
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return w.wizard.currentId() == joinPage3Id; }, 5000));
    QCOMPARE(portal->requests().size(), before + (signUp ? 3 : 2));
    QCOMPARE(portal->requests().at(before).kind,
             signUp ? requestKind::signUp : requestKind::signIn);
    QCOMPARE(registeredTold(takeSent()), 1);
    QCOMPARE(emailStr,
             signUp ? QStringLiteral("new@example.com") : QStringLiteral("anna@example.com"));
    QCOMPARE(boxes->count(), box.isEmpty() ? 0 : 1);
}

void tst_joinpage2::oversizedAnswer_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<bool>("cut");
    QTest::newRow("16 MiB") << qint64(16 * 1024 * 1024) << true;
    QTest::newRow("one byte past the limit") << qint64(portalRequest::answerLimit + 1) << true;
    QTest::newRow("exactly the limit") << qint64(portalRequest::answerLimit) << false;
}

void tst_joinpage2::oversizedAnswer()
{
    // A portal that refuses with megabytes: the box comes at once with a
    // few lines of the start, and the rest is never read.
    QFETCH(qint64, bytes);
    QFETCH(bool, cut);
    portal->setFault(requestKind::signIn, fault::oversized);
    portal->setOversizedBytes(bytes);
    atCloudPage w(cam);
    w.signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    logCapture log;
    QElapsedTimer clock;
    qint64 boxAfter = -1;
    boxes->onOpen([&](QDialog *) { boxAfter = clock.elapsed(); });
    boxes->answer("Close");
    clock.start();
    w.pressNext();
    QVERIFY(QTest::qWaitFor([&] { return boxes->count() == 1; }, 10000));
    std::fprintf(stderr, "the box after %lld ms\n", static_cast<long long>(boxAfter));
    QVERIFY2(boxAfter >= 0 && boxAfter < 3000, qPrintable(QString::number(boxAfter)));
    const QString text = boxes->last().text;
    QVERIFY(text.startsWith(heading + QStringLiteral("[E99] The service is not available")));
    QCOMPARE(text.count(QStringLiteral("<br>")),
             2 + portalRequest::answerLines - 1);  // heading's two
    QVERIFY(text.size() < 1000);
    QCOMPARE(boxes->last().pos.y(), wizardPos.y() + 240);
    // Cut: given up on the network, with a line that says so.
    QCOMPARE(access->replies.size(), 1);
    const QString all = log.lines.join(QLatin1Char('\n'));
    QCOMPARE(all.contains(QLatin1String("the rest is not read")), cut);
    QCOMPARE(access->ended,
             QList<QNetworkReply::NetworkError>{cut ? QNetworkReply::OperationCanceledError
                                                    : QNetworkReply::NoError});
    QVERIFY(!all.contains(QLatin1String("Anna-2026")));
    QCOMPARE(access->unfinished(), 0);
    QVERIFY(w.next()->isEnabled());
    QVERIFY(w.back()->isEnabled());
    QVERIFY(!w.edit("signInEmailEdit")->isHidden());
}

QTEST_MAIN(tst_joinpage2)
#include "tst_joinpage2.moc"
