// The three final pages in a real wizard window: what they show of the
// camera, Done with its time sync and shortcut arguments, the links, and
// the details dialog.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/http.h"
#include "pages/cloud/clickedlabel.h"
#include "pages/cloud/detailspage.h"
#include "pages/cloud/finishpage.h"
#include "pages/cloud/joinpage.h"
#include "pages/cloud/joinpage3.h"
#include "pages/cloud/joinpage4.h"
#include "pages/cloud/snapshot.h"
#include "platform/shortcut.h"
#include "protocol/cameravalues.h"
#include "protocol/models.h"
#include "protocol/portal.h"
#include "tests/support/pagebench.h"
#include "tests/support/recordingaccess.h"
#include "tests/support/urlcatcher.h"
#include "tools/camsim/camerasimulator.h"
#include "tools/camsim/camerawebserver.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QNetworkReply>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

const QPoint wizardPos(100, 50);
const QString camMac = QStringLiteral("02:00:00:00:1a:01");

// The four arguments as the maker got them, and whether every buffer was
// zero from the end of its value to its last character.
struct shortcutCall {
    QStringList values;
    platform::shortcutCamera camera;
    bool zeroFilled = true;
};

QString fromBuffer(const wchar_t *buffer, bool *zeroFilled)
{
    const QString value = QString::fromWCharArray(buffer);
    for (int i = int(wcslen(buffer)); i < platform::shortcutBufferSize; ++i)
        *zeroFilled = *zeroFilled && buffer[i] == 0;
    return value;
}

int syncsOf(const QList<sentCommand> &sent)
{
    return commandCapture::count(sent, '2', "T");
}

}  // namespace

class tst_finishpages : public pageBench
{
    Q_OBJECT

private:
    camsim::SimCamera cam;
    QList<shortcutCall> shortcuts;
    bool makerSucceeds = true;
    std::unique_ptr<recordingAccess> access;

    template <class Page> std::unique_ptr<wizardWithCamera<Page>> open(pageId id)
    {
        return std::make_unique<wizardWithCamera<Page>>(id, cam, 0, wizardPos);
    }
    void listWithNetwork()
    {
        simtest::listCamera(cam);
        simtest::feed(cam, '3');
    }

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init()
    {
        beforeTest();
        cam = simtest::makeCamera(camMac, "Front door");
        cam.model = "KSM-271E";
        cam.ip = QStringLiteral("192.168.1.21");
        cam.deviceNo = "10000001";
        cam.portal = "http://10.77.0.2:8080/";
        cam.password = "n3wPass!";
        shortcuts.clear();
        makerSucceeds = true;
        seams->makeShortcutsWith([this](wchar_t *obj, wchar_t *link, wchar_t *arg, wchar_t *icon,
                                        const platform::shortcutCamera &camera) {
            shortcutCall c;
            c.camera = camera;
            for (wchar_t *b : {obj, link, arg, icon})
                c.values << fromBuffer(b, &c.zeroFilled);
            shortcuts << c;
            return makerSucceeds;
        });
        seams->desktopFolder(QStringLiteral("/home/anna/Desktop"));
        access = std::make_unique<recordingAccess>();
        access->redirectLocal();
        seams->useNetwork(access.get());
    }
    void cleanup()
    {
        afterTest();
        access.reset();
    }

    void entry();
    void longEmailElided();
    void done_data();
    void done();
    void hostileShortcutValues_data();
    void hostileShortcutValues();
    void shortcutNotMade_data();
    void shortcutNotMade();
    void shortcutValueLengths_data();
    void shortcutValueLengths();
    void snapshotRequest_data();
    void snapshotRequest();
    void snapshotReplies_data();
    void snapshotReplies();
    void onlyTheLatestSnapshot();
    void snapshotDecision();
    void snapshotWayOn_data();
    void snapshotWayOn();
    void snapshotPixelBound();
    void links();
    void detailsRows_data();
    void detailsRows();
    void detailsDialogRoads_data();
    void detailsDialogRoads();
    void detailsShowsCameraValuesAsText();
    void detailsAddressesByThePagesRule_data();
    void detailsAddressesByThePagesRule();
    void detailsValuesFit();
    void clickedLabelSaysSo();
};

void tst_finishpages::entry()
{
    cam.name = QByteArray("Front\0door", 10);
    {
        auto w = open<joinPage4>(joinPage4Id);
        QCOMPARE(
            w->template control<QLabel>("ipLinkLabel")->text(),
            QStringLiteral("<a href = temp><font size=3 color=#638c0b>192.168.1.21</font></a>"));
        // Up to the first zero byte.
        QCOMPARE(w->template control<QLineEdit>("join3_name_edit")->text(),
                 QStringLiteral("Front"));
        QVERIFY(!w->template control<QLineEdit>("join3_name_edit")->isEnabled());
        auto *check = w->template control<QCheckBox>("shortcutCheck");
        QVERIFY(check->isChecked());
        check->setChecked(false);
        w->open(joinPage4Id);
        QVERIFY(check->isChecked());  // ticked again on every entry
        QVERIFY(w->template control<QLabel>("waitPicLabel")->isHidden());
    }
    // A camera address that is no IPv4 address: no link, no request. With a
    // leading zero, Qt would send to another address (octal) or look the
    // text up as a name.
    for (const QString &ip : {QStringLiteral("evil.example"), QStringLiteral("1.2.3.4/x?"),
                              QStringLiteral("<b>1.2.3.4</b>"), QStringLiteral("192.168.001.020"),
                              QStringLiteral("192.168.0.09")}) {
        IPCameraList.clear();
        access->requests.clear();
        cam.ip = ip;
        auto w = open<joinPage>(joinPageId);
        QVERIFY2(w->template control<QLabel>("ipLinkLabel")->text().isEmpty(), qPrintable(ip));
        QVERIFY(access->requests.isEmpty());
    }
}

void tst_finishpages::longEmailElided()
{
    emailStr = QStringLiteral("anna.katharina.berg-lindqvist@example.com");
    auto w = open<joinPage3>(joinPage3Id);
    auto *label = w->template control<QLabel>("accountEmailLabel");
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(label->toolTip().contains(emailStr));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    emailStr = QStringLiteral("a@b.c");
    w->open(joinPage3Id);
    QCOMPARE(label->text(), emailStr);
    QVERIFY(label->toolTip().isEmpty());
}

void tst_finishpages::done_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("language");
    for (int page : {int(joinPage3Id), int(joinPage4Id), int(joinPageId)}) {
        for (bool ticked : {true, false}) {
            QTest::addRow("page %d, box %s", page, ticked ? "ticked" : "not ticked")
                << page << ticked << "English";
        }
    }
    QTest::newRow("a language with a blank") << int(joinPage4Id) << true << "Simplified Chinese";
}

void tst_finishpages::done()
{
    QFETCH(int, page);
    QFETCH(bool, ticked);
    QFETCH(QString, language);
    lang = language;
    urlCatcher urls;
    wizardWithCamera<finishPage> w(pageId(page), cam, 0, wizardPos);
    w.wizard.show();
    takeSent();
    w.template control<QCheckBox>("shortcutCheck")->setChecked(ticked);
    const char *doneName = page == joinPage3Id   ? "j3_next_btu"
                           : page == joinPage4Id ? "j4_done_btu"
                                                 : "join_next_btu";
    w.template control<QPushButton>(doneName)->click();

    QCOMPARE(syncsOf(takeSent()), 1);
    QVERIFY(!w.wizard.isVisible());
    QCOMPARE(urls.opened.contains(QUrl(QString::fromLatin1(portal::homePage))),
             page == joinPage3Id);
    QCOMPARE(shortcuts.size(), ticked ? 1 : 0);
    if (!ticked)
        return;
    const shortcutCall &c = shortcuts.first();
    QVERIFY(c.zeroFilled);
    QCOMPARE(c.values.at(0), QStringLiteral("%windir%\\explorer.exe "));
    QCOMPARE(c.values.at(1), QStringLiteral("/home/anna/Desktop\\MyCamera(10000001).lnk"));
    QCOMPARE(c.values.at(2), QStringLiteral("\"http://10.77.0.2:8080//?skyvue_no=10000001&lang=")
                                 + language + QStringLiteral("\""));
    QCOMPARE(c.values.at(3), platform::shortcutIconPath());
    QCOMPARE(c.camera.deviceNo, QByteArray("10000001"));
    QCOMPARE(c.camera.model, QByteArray("KSM-271E"));
    QVERIFY(c.values.at(3).endsWith(QLatin1String("/images/product.ico")));
}

void tst_finishpages::hostileShortcutValues_data()
{
    QTest::addColumn<QByteArray>("deviceNo");
    QTest::addColumn<QByteArray>("portal");
    QTest::addColumn<bool>("made");
    QTest::newRow("plain") << QByteArray("10000001") << QByteArray("http://10.77.0.2:8080/")
                           << true;
    QTest::newRow("number with a separator")
        << QByteArray("../../x") << QByteArray("http://p/") << false;
    QTest::newRow("number with a backslash")
        << QByteArray("a\\b") << QByteArray("http://p/") << false;
    QTest::newRow("number of two dots") << QByteArray("..") << QByteArray("http://p/") << false;
    QTest::newRow("number with a colon") << QByteArray("C:1") << QByteArray("http://p/") << false;
    QTest::newRow("number with an escape")
        << QByteArray("1\x1b[2J") << QByteArray("http://p/") << false;
    QTest::newRow("number with a line feed")
        << QByteArray("1\n2") << QByteArray("http://p/") << false;
    // Both makers name it "MyCamera-" and "My Camera ()".
    QTest::newRow("no number") << QByteArray() << QByteArray("http://p/") << true;
    QTest::newRow("number ended by the record's NUL")
        << QByteArray("\0../x", 5) << QByteArray("http://p/") << true;
    QTest::newRow("portal with a quote")
        << QByteArray("1") << QByteArray("http://p/\" & calc") << false;
    QTest::newRow("no portal") << QByteArray("1") << QByteArray() << false;
    QTest::newRow("3000-character portal address")
        << QByteArray("1") << QByteArray("http://p/" + QByteArray(3000, 'a') + "/") << false;
}

void tst_finishpages::hostileShortcutValues()
{
    QFETCH(QByteArray, deviceNo);
    QFETCH(QByteArray, portal);
    QFETCH(bool, made);
    cam.portal = portal;
    wizardWithCamera<joinPage4> w(joinPage4Id, cam, 0, wizardPos);
    // Into the record itself: the info record's item ends the number at its
    // first dot, so no ".." comes by the wire, and the reader drops an info
    // record with a portal address that long.
    IPCameraList[0].deviceNo = deviceNo;
    IPCameraList[0].portalBaseUrl = portal;
    logCapture log;
    w.control<QPushButton>("j4_done_btu")->click();
    QCOMPARE(shortcuts.size(), made ? 1 : 0);
    if (!made) {
        QVERIFY(log.lines.join(QLatin1Char('\n')).contains(QLatin1String("no shortcut")));
        return;
    }
    const QString number = QString::fromUtf8(
        deviceNo.left(deviceNo.indexOf('\0') < 0 ? deviceNo.size() : deviceNo.indexOf('\0')));
    const shortcutCall &c = shortcuts.first();
    QCOMPARE(c.values.at(1),
             QStringLiteral("/home/anna/Desktop\\MyCamera(") + number + QStringLiteral(").lnk"));
    QCOMPARE(c.values.at(2), QLatin1Char('"') + QString::fromLatin1(portal)
                                 + QStringLiteral("/?skyvue_no=") + number
                                 + QStringLiteral("&lang=English\""));
    QCOMPARE(c.camera.deviceNo, deviceNo);
}

// A shortcut asked for and not made whole, because the maker failed or the
// camera's values were refused, is told in one box over the veil before
// the wizard closes (and before joinPage3 opens the portal); a shortcut
// made, or not asked for, shows none.
void tst_finishpages::shortcutNotMade_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("road");
    for (int page : {int(joinPage3Id), int(joinPage4Id), int(joinPageId)}) {
        for (const char *road : {"made", "not asked for", "maker failed", "values refused"})
            QTest::addRow("page %d, %s", page, road) << page << QString::fromLatin1(road);
    }
}

void tst_finishpages::shortcutNotMade()
{
    QFETCH(int, page);
    QFETCH(QString, road);
    urlCatcher urls;
    wizardWithCamera<finishPage> w(pageId(page), cam, 0, wizardPos);
    w.wizard.show();
    w.template control<QCheckBox>("shortcutCheck")->setChecked(road != "not asked for");
    makerSucceeds = road != "maker failed";
    if (road == "values refused")
        IPCameraList[0].deviceNo = "../x";
    auto *veil = w.template control<QLabel>("waitPicLabel");
    bool shownOverWizard = false;
    boxes->onOpen([&](QDialog *) {
        shownOverWizard = w.wizard.isVisible() && veil->isVisible() && urls.opened.isEmpty();
    });
    boxes->answer(0);
    logCapture quiet;
    const char *doneName = page == joinPage3Id   ? "j3_next_btu"
                           : page == joinPage4Id ? "j4_done_btu"
                                                 : "join_next_btu";
    w.template control<QPushButton>(doneName)->click();

    QVERIFY(!w.wizard.isVisible());
    QCOMPARE(urls.opened.contains(QUrl(QString::fromLatin1(portal::homePage))),
             page == joinPage3Id);
    if (road == "made" || road == "not asked for") {
        QCOMPARE(boxes->count(), 0);
        return;
    }
    QCOMPARE(boxes->count(), 1);
    QVERIFY(shownOverWizard);
    const recordedBox &box = boxes->last();
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY2(box.text.endsWith(QLatin1String("<b>Warning</b></font><br><br>"
                                             "The shortcut could not be made completely.")),
             qPrintable(box.text));
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.buttons.first().caption, QStringLiteral("Done    "));
    QCOMPARE(box.pos, wizardPos + QPoint(120, 250));
}

// Each value goes into a zero-filled buffer of 2048 wide characters: 2047
// UTF-16 units are the most that fit with the zero, counted as on Windows,
// where a character beyond the BMP takes two (one wide character here).
void tst_finishpages::shortcutValueLengths_data()
{
    QTest::addColumn<int>("argument");  // 1: the link path, 2: the portal URL
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("beyondBmp");
    for (int argument : {1, 2}) {
        const char *name = argument == 1 ? "link" : "portal URL";
        for (int units : {2047, 2048}) {
            QTest::addRow("%s of %d units", name, units) << argument << units << false;
            QTest::addRow("%s of %d units, one character beyond the BMP", name, units)
                << argument << units << true;
        }
    }
}

void tst_finishpages::shortcutValueLengths()
{
    QFETCH(int, argument);
    QFETCH(int, units);
    QFETCH(bool, beyondBmp);
    const QString beyond = QStringLiteral("\U0001F600");
    // The link: a desktop folder with a long name; the URL: a long portal
    // address and, beyond the BMP, a camera number.
    QString desktop = QStringLiteral("/home/");
    QByteArray portal = "http://p/";
    const QString number =
        argument == 2 && beyondBmp ? beyond + QStringLiteral("1") : QStringLiteral("10000001");
    QString value;
    if (argument == 1) {
        if (beyondBmp)
            desktop += beyond;
        const QString link = QStringLiteral("\\MyCamera(") + number + QStringLiteral(").lnk");
        desktop += QString(units - desktop.size() - link.size(), QLatin1Char('d'));
        value = desktop + link;
    } else {
        const qsizetype fixed = 2 + portal.size() + 12 + number.size() + 6 + lang.size();
        portal += QByteArray(units - fixed, 'a');
        value = QLatin1Char('"') + QString::fromLatin1(portal) + QStringLiteral("/?skyvue_no=")
                + number + QStringLiteral("&lang=") + lang + QLatin1Char('"');
    }
    QCOMPARE(value.size(), units);
    seams->desktopFolder(desktop);
    wizardWithCamera<joinPage4> w(joinPage4Id, cam, 0, wizardPos);
    // Into the record: the reader drops an info record that long.
    IPCameraList[0].portalBaseUrl = portal;
    IPCameraList[0].deviceNo = number.toUtf8();
    logCapture log;
    w.control<QPushButton>("j4_done_btu")->click();
    if (units >= platform::shortcutBufferSize) {
        QVERIFY(shortcuts.isEmpty());
        QVERIFY2(log.lines.contains(QStringLiteral(
                     "createShortcut: a value is longer than 2047 characters; no shortcut.")),
                 qPrintable(log.lines.join(QLatin1Char('\n'))));
        return;
    }
    QCOMPARE(shortcuts.size(), 1);
    QVERIFY(shortcuts.first().zeroFilled);
    QCOMPARE(shortcuts.first().values.at(argument), value);
}

void tst_finishpages::snapshotRequest_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QString>("path");
    QTest::newRow("271E") << QByteArray("KSM-271E") << "/image.jpg";
    QTest::newRow("273E") << QByteArray("KSM-273E") << "/image.jpg";
    QTest::newRow("3350") << QByteArray("KSM-3350") << "/image/jpeg.cgi";
    QTest::newRow("6120E") << QByteArray("KSM-6120E") << "/image/jpeg.cgi";
    QTest::newRow("281E") << QByteArray("KSM-281E") << "/GetImage.cgi";
    QTest::newRow("other case") << QByteArray("ksm-271e") << "";
    QTest::newRow("extra characters") << QByteArray("KSM-271E ") << "";
}

void tst_finishpages::snapshotRequest()
{
    QFETCH(QByteArray, model);
    QFETCH(QString, path);
    QCOMPARE(models::snapshotPath(QString::fromLatin1(model)), path);
    supportType = QStringLiteral("ALL");
    cam.model = model;
    wizardWithCamera<joinPage> w(joinPageId, cam, 0, wizardPos);
    if (path.isEmpty()) {
        QVERIFY(access->requests.isEmpty());
        return;
    }
    QCOMPARE(access->requests.size(), 1);
    const QNetworkRequest &r = access->requests.first();
    QCOMPARE(r.url(), QUrl(QStringLiteral("http://192.168.1.21") + path));
    QCOMPARE(r.rawHeader("Authorization"), "Basic " + QByteArray("admin:n3wPass!").toBase64());
    QCOMPARE(r.attribute(QNetworkRequest::RedirectPolicyAttribute).toInt(),
             int(QNetworkRequest::ManualRedirectPolicy));
    QCOMPARE(r.transferTimeout(), finishPage::snapshotTimeoutMs);
}

Q_DECLARE_METATYPE(camsim::WebFault)

void tst_finishpages::snapshotReplies_data()
{
    QTest::addColumn<QByteArray>("password");  // the camera's own, sent by the page
    QTest::addColumn<QByteArray>("serverPassword");
    QTest::addColumn<camsim::WebFault>("fault");
    QTest::addColumn<QSize>("shown");  // null: nothing shown
    using camsim::WebFault;
    QTest::newRow("200, a larger picture, scaled keeping its shape")
        << QByteArray("n3wPass!") << QByteArray("n3wPass!") << WebFault::none << QSize(200, 150);
    QTest::newRow("empty password")
        << QByteArray() << QByteArray() << WebFault::none << QSize(200, 150);
    QTest::newRow("401") << QByteArray("n3wPass!") << QByteArray("other") << WebFault::none
                         << QSize();
    QTest::newRow("500") << QByteArray("n3wPass!") << QByteArray("n3wPass!")
                         << WebFault::serverError << QSize();
    QTest::newRow("302, not followed")
        << QByteArray("n3wPass!") << QByteArray("n3wPass!") << WebFault::redirect << QSize();
}

void tst_finishpages::snapshotReplies()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, serverPassword);
    QFETCH(camsim::WebFault, fault);
    QFETCH(QSize, shown);
    camsim::SimCamera served = cam;
    served.password = serverPassword;
    served.webFault = fault;
    camsim::CameraSimulator sim;
    QVERIFY(sim.addCamera(served));
    camsim::CameraWebServer web(sim, served.mac);
    QVERIFY(web.listen(QHostAddress::LocalHost));
    access->redirectLocal(web.port());
    cam.password = password;

    wizardWithCamera<joinPage3> w(joinPage3Id, cam, 0, wizardPos);
    auto *label = w.control<QLabel>("snapshotLabel");
    QVERIFY(QTest::qWaitFor([&] { return access->unfinished() == 0; }, 5000));
    QCOMPARE(access->requests.size(), 1);  // a redirect is not followed
    QCOMPARE(label->pixmap().isNull(), !shown.isValid());
    if (shown.isValid())
        QCOMPARE(label->pixmap().size(), shown);
    QCOMPARE(label->size(), QSize(200, 200));
}

void tst_finishpages::onlyTheLatestSnapshot()
{
    // A small picture keeps its size; a text body shows no picture; and an
    // answer to an earlier request is not shown.
    QImage small(100, 80, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    QHttpServer server;
    server.route(QStringLiteral("/small"), [png] { return QHttpServerResponse("image/png", png); });
    server.route(QStringLiteral("/text"),
                 [] { return QHttpServerResponse("text/plain", "hello"); });
    const quint16 port = server.listen(QHostAddress::LocalHost);
    QVERIFY(port);
    access->redirectLocal(port, QStringLiteral("/small"));
    wizardWithCamera<joinPage4> w(joinPage4Id, cam, 0, wizardPos);
    auto *label = w.control<QLabel>("snapshotLabel");
    QVERIFY(QTest::qWaitFor([&] { return access->unfinished() == 0; }, 5000));
    QCOMPARE(label->pixmap().size(), QSize(100, 80));

    access->redirectLocal(port, QStringLiteral("/text"));
    w.open(joinPage4Id);
    QVERIFY(QTest::qWaitFor([&] { return access->unfinished() == 0; }, 5000));
    QVERIFY(label->pixmap().isNull());

    // The first request goes to a camera that answers late with its
    // picture, the second to one that answers at once with text.
    camsim::SimCamera served = cam;
    served.webFault = camsim::WebFault::slow;
    served.webDelayMs = 300;
    camsim::CameraSimulator sim;
    QVERIFY(sim.addCamera(served));
    camsim::CameraWebServer slow(sim, served.mac);
    QVERIFY(slow.listen(QHostAddress::LocalHost));
    access->redirectLocal(slow.port());
    w.open(joinPage4Id);
    QCOMPARE(access->replies.size(), 3);
    QPointer<QNetworkReply> first = access->replies.last();
    access->redirectLocal(port, QStringLiteral("/text"));
    w.open(joinPage4Id);
    QVERIFY(QTest::qWaitFor([&] { return !first && access->unfinished() == 0; }, 5000));
    QVERIFY(label->pixmap().isNull());
}

void tst_finishpages::snapshotDecision()
{
    // The answer alone: a picture only for status "200" without an error,
    // with the page's log lines.
    QImage small(4, 3, QImage::Format_RGB32);
    small.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    const QString size = QString::number(png.size());
    {
        logCapture log;
        QVERIFY(!snapshot::picture(true, QStringLiteral("200"), png));
        QCOMPARE(log.lines, QStringList{QStringLiteral("http error")});
    }
    for (const QString &status : {QStringLiteral("302"), QString(), QStringLiteral(" 200")}) {
        logCapture log;
        QVERIFY(!snapshot::picture(false, status, png));
        QCOMPARE(log.lines, (QStringList{QStringLiteral("http return value.size : ") + size,
                                         QStringLiteral("error")}));
    }
    {
        logCapture log;
        const std::optional<QImage> shown = snapshot::picture(false, QStringLiteral("200"), png);
        QVERIFY(shown);
        QCOMPARE(shown->size(), QSize(4, 3));
        QCOMPARE(log.lines, (QStringList{QStringLiteral("http return value.size : ") + size,
                                         QStringLiteral("success")}));
    }
    // A body that does not decode: an empty picture, which clears the label.
    const std::optional<QImage> text = snapshot::picture(false, QStringLiteral("200"), "hello");
    QVERIFY(text && text->isNull());
}

void tst_finishpages::snapshotWayOn_data()
{
    QTest::addColumn<camsim::WebFault>("fault");
    QTest::addColumn<bool>("endsAlone");  // given up by the byte bound, without the deadline
    QTest::newRow("hangs") << camsim::WebFault::silent << false;
    QTest::newRow("trickles, never a pause long enough for the transfer timeout")
        << camsim::WebFault::trickle << false;
    QTest::newRow("16 MiB") << camsim::WebFault::oversized << true;
    QTest::newRow("in chunks without end") << camsim::WebFault::endless << true;
}

void tst_finishpages::snapshotWayOn()
{
    // A snapshot that never ends is given up: by its byte bound at once, or
    // by its deadline; the label keeps its background picture, the page is
    // usable, a new entry asks again and Done ends the wizard.
    QFETCH(camsim::WebFault, fault);
    QFETCH(bool, endsAlone);
    camsim::SimCamera served = cam;
    served.webFault = fault;
    served.webDelayMs = 20;
    camsim::CameraSimulator sim;
    QVERIFY(sim.addCamera(served));
    camsim::CameraWebServer web(sim, served.mac);
    QVERIFY(web.listen(QHostAddress::LocalHost));
    access->redirectLocal(web.port());

    logCapture log;
    QElapsedTimer clock;
    clock.start();
    wizardWithCamera<joinPage4> w(joinPage4Id, cam, 0, wizardPos);
    w.wizard.show();
    auto *label = w.control<QLabel>("snapshotLabel");
    auto *deadline =
        w.control<httpRequest>("snapshotRequest")->findChild<QTimer *>(QStringLiteral("deadline"));
    QVERIFY(deadline);
    QVERIFY(deadline->isActive());
    QCOMPARE(deadline->interval(), finishPage::snapshotTotalMs);
    QVERIFY(finishPage::snapshotTotalMs > finishPage::snapshotTimeoutMs);
    if (endsAlone) {
        // A plain event loop: the waits of qWaitFor would slow the transfer.
        QSignalSpy ended(access.get(), &QNetworkAccessManager::finished);
        QVERIFY(access->unfinished() == 0 || ended.wait(5000));
        QCOMPARE(access->unfinished(), 0);
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        // Given up at the bound with its own line, not as a failed transfer.
        const QString all = log.lines.join(QLatin1Char('\n'));
        QVERIFY(all.contains(QStringLiteral("the answer is longer than %1 bytes; given up.")
                                 .arg(snapshot::bodyLimit)));
        QVERIFY(!all.contains(QLatin1String("http error")));
        QCOMPARE(access->ended,
                 QList<QNetworkReply::NetworkError>{QNetworkReply::OperationCanceledError});
    } else {
        QTest::qWait(300);
        QCOMPARE(access->replies.size(), 1);
        QPointer<QNetworkReply> reply = access->replies.last();
        QVERIFY(reply);
        QVERIFY(!reply->isFinished());
        if (fault == camsim::WebFault::trickle)
            QVERIFY(limitedBody(reply).size() >= camsim::CameraWebServer::tricklePiece);
        // The deadline, as its timer would end after 30 s.
        QVERIFY(QMetaObject::invokeMethod(deadline, "timeout", Qt::DirectConnection));
        QCOMPARE(access->unfinished(), 0);
        QCOMPARE(access->ended,
                 QList<QNetworkReply::NetworkError>{QNetworkReply::OperationCanceledError});
        QVERIFY(log.lines.join(QLatin1Char('\n'))
                    .contains(QLatin1String("no whole answer within 30 seconds")));
        QVERIFY(QTest::qWaitFor([&] { return !reply; }, 1000));
    }
    QVERIFY(!deadline->isActive());
    QVERIFY(label->pixmap().isNull());
    QVERIFY(!log.lines.join(QLatin1Char('\n')).contains(QLatin1String(cam.password)));
    auto *done = w.control<QPushButton>("j4_done_btu");
    QVERIFY(done->isEnabled());
    QVERIFY(w.control<QLabel>("waitPicLabel")->isHidden());

    // Entered again, the camera answering now: a new request, the picture.
    sim.findCamera(served.mac)->webFault = camsim::WebFault::none;
    w.open(joinPage4Id);
    QCOMPARE(access->requests.size(), 2);
    QVERIFY(QTest::qWaitFor([&] { return access->unfinished() == 0; }, 5000));
    QCOMPARE(label->pixmap().size(), QSize(200, 150));
    takeSent();
    done->click();
    QCOMPARE(syncsOf(takeSent()), 1);
    QVERIFY(!w.wizard.isVisible());
}

void tst_finishpages::snapshotPixelBound()
{
    // A small body can hold a huge picture: past the bound it is not
    // decoded, and nothing is shown.
    const auto png = [](int width, int height) {
        QImage image(width, height, QImage::Format_Mono);
        image.fill(0);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    };
    const std::optional<QImage> atBound =
        snapshot::picture(false, QStringLiteral("200"), png(4096, 4096));
    QVERIFY(atBound);
    QCOMPARE(atBound->size(), QSize(4096, 4096));
    logCapture log;
    const QByteArray past = png(4097, 4096);
    QVERIFY(past.size() < 100 * 1024);
    QVERIFY(!snapshot::picture(false, QStringLiteral("200"), past));
    QVERIFY(log.lines.contains(QStringLiteral("picture of 4097 x 4096 pixels; not decoded")));
}

void tst_finishpages::links()
{
    urlCatcher urls;
    {
        wizardWithCamera<joinPage4> w(joinPage4Id, cam, 0, wizardPos);
        emit w.control<QLabel>("ipLinkLabel")->linkActivated(QStringLiteral("temp"));
        QCOMPARE(urls.opened, QList<QUrl>{QUrl(QStringLiteral("http://192.168.1.21"))});
    }
    urls.opened.clear();
    {
        wizardWithCamera<joinPage3> w(joinPage3Id, cam, 0, wizardPos);
        emit w.control<QLabel>("infoText")->linkActivated(QStringLiteral("skyvue"));
        emit w.control<QLabel>("mobileAppsText")->linkActivated(QStringLiteral("x"));
        const QUrl home(QString::fromLatin1(portal::homePage));
        QCOMPARE(urls.opened, (QList<QUrl>{home, home}));
    }
    urls.opened.clear();
    {
        wizardWithCamera<joinPage> w(joinPageId, cam, 0, wizardPos);
        emit w.control<QLabel>("infoText")->linkActivated(QStringLiteral("Setup again"));
        QVERIFY(urls.opened.isEmpty());
        QCOMPARE(nextPage, int(failedPageId));
        QCOMPARE(w.wizard.currentId(), int(failedPageId));
        QCOMPARE(boxes->count(), 0);
    }
}

void tst_finishpages::detailsRows_data()
{
    QTest::addColumn<QByteArray>("dhcp");
    QTest::addColumn<QByteArray>("pppoe");
    QTest::addColumn<QByteArray>("wireless");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QStringList>("typeRows");  // status, SSID, mode, encryption
    const QStringList current = {"10.0.0.23", "255.0.0.0", "10.0.0.25", "10.0.0.26", "10.0.0.27"};
    const QStringList fixed = {"10.0.0.1", "255.255.0.0", "10.0.0.3", "10.0.0.4", "10.0.0.5"};
    const QStringList none = {"", "", "", "", ""};
    const QStringList wired = {"Wired", "n/a", "n/a", "n/a"};
    const QStringList wifi = {"Wireless", "Home", "", ""};
    QTest::newRow("DHCP, wired") << QByteArray("1") << QByteArray("0") << QByteArray("0") << current
                                 << wired;
    QTest::newRow("DHCP with PPPoE on")
        << QByteArray("1") << QByteArray("1") << QByteArray("0") << current << wired;
    QTest::newRow("PPPoE") << QByteArray("0") << QByteArray("1") << QByteArray("0") << none
                           << wired;
    QTest::newRow("static, wireless")
        << QByteArray("0") << QByteArray("0") << QByteArray("1") << fixed << wifi;
    QTest::newRow("DHCP 01 counts as off")
        << QByteArray("01") << QByteArray("0") << QByteArray("0") << fixed << wired;
    QTest::newRow("PPPoE '1 ' counts as off")
        << QByteArray("0") << QByteArray("1 ") << QByteArray("0") << fixed << wired;
}

void tst_finishpages::detailsRows()
{
    QFETCH(QByteArray, dhcp);
    QFETCH(QByteArray, pppoe);
    QFETCH(QByteArray, wireless);
    QFETCH(QStringList, addresses);
    QFETCH(QStringList, typeRows);
    cam.network[0] = dhcp;
    cam.network[6] = pppoe;
    cam.network[9] = wireless;
    cam.network[11] = QByteArray("Home").toBase64();
    const QStringList keys = {"1", "2", "3", "4", "5"};
    for (int i = 0; i < 5; ++i) {
        cam.network[1 + i] = QStringLiteral("10.0.0.%1").arg(i + 1).toLatin1();
        cam.network[23 + i] = QStringLiteral("10.0.0.%1").arg(23 + i).toLatin1();
    }
    cam.network[2] = "255.255.0.0";
    cam.network[24] = "255.0.0.0";
    cam.setupChangesLink = false;
    listWithNetwork();
    configIPCameraIdx = 0;
    detailsPage d;
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(d.findChild<QLabel *>(QStringLiteral("addressValue%1").arg(i + 1))->text(),
                 addresses.at(i));
    }
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("statusValue"))->text(), typeRows.at(0));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("ssidValue"))->text(), typeRows.at(1));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("modeValue"))->text(), typeRows.at(2));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("authValue"))->text(), QString());
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("encryptionValue"))->text(), typeRows.at(3));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("keyValue"))->text(), QString());
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("passwordValue"))->text(),
             QStringLiteral("xxxxxx"));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("numberValue"))->text(),
             QStringLiteral("10000001"));
    QVERIFY(d.testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(d.size(), QSize(530, 387));
}

void tst_finishpages::detailsDialogRoads_data()
{
    QTest::addColumn<QString>("road");  // close, internet, type, escape
    QTest::addColumn<int>("endsOn");
    QTest::newRow("Close") << "close" << int(joinPageId);
    QTest::newRow("Internet connection") << "internet" << int(failedPageId);
    QTest::newRow("connection type") << "type" << int(connectPageId);
    QTest::newRow("Escape") << "escape" << int(joinPageId);
}

void tst_finishpages::detailsDialogRoads()
{
    QFETCH(QString, road);
    QFETCH(int, endsOn);
    wizardWithCamera<joinPage> w(joinPageId, cam, 0, wizardPos);
    auto *veil = w.control<QLabel>("waitPicLabel");
    QList<QPointer<QDialog>> dialogs;
    bool veiled = true;
    const auto answer = [&](QDialog *d) {
        dialogs << d;
        veiled = veiled && !veil->isHidden();
        QCOMPARE(d->pos(), wizardPos + QPoint(100, 100));
        QCOMPARE(d->objectName(), QStringLiteral("detail_window"));
        const auto link = [d](const char *name) {
            return d->findChild<QLabel *>(QLatin1String(name));
        };
        if (road == QLatin1String("close"))
            d->findChild<QPushButton *>(QStringLiteral("detail_close_btu"))->click();
        else if (road == QLatin1String("internet"))
            emit link("internetConnLink")->linkActivated(QStringLiteral("http"));
        else if (road == QLatin1String("type"))
            emit link("connTypeLink")->linkActivated(QStringLiteral("http"));
        else
            d->reject();
    };
    boxes->answerWith(answer);
    emit w.control<QLabel>("detailsLink")->linkActivated(QStringLiteral("http"));
    QCOMPARE(boxes->count(), 1);
    QVERIFY(veiled);
    QVERIFY(veil->isHidden());
    QCOMPARE(w.wizard.currentId(), endsOn);
    QCOMPARE(nextPage, endsOn);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialogs.first());  // destroyed, and nothing points at it
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget *window) {
        return window->objectName() == QLatin1String("detail_window");
    }));
    if (endsOn != joinPageId)
        return;
    // A second click makes a new dialog.
    boxes->answerWith(answer);
    emit w.control<QLabel>("detailsLink")->linkActivated(QStringLiteral("http"));
    QCOMPARE(boxes->count(), 2);
    QCOMPARE(dialogs.size(), 2);
    QVERIFY(veil->isHidden());
}

void tst_finishpages::detailsShowsCameraValuesAsText()
{
    const QByteArray ssid =
        "<img src=x><a href=\"http://evil.example/\">Free Wi-Fi for everybody</a>";
    cam.network[0] = "1";
    cam.network[9] = "1";
    cam.network[11] = ssid.toBase64();
    cam.network[23] = "<b>1.2.3.4</b>";
    cam.deviceNo = "<i>1</i>";
    cam.setupChangesLink = false;
    listWithNetwork();
    configIPCameraIdx = 0;
    detailsPage d;
    auto *ssidLabel = d.findChild<QLabel *>(QStringLiteral("ssidValue"));
    QCOMPARE(ssidLabel->textFormat(), Qt::PlainText);
    QVERIFY(ssidLabel->text().endsWith(QChar(0x2026)));  // wider than 100 pixels
    QVERIFY(ssidLabel->toolTip().contains(QString::fromLatin1(ssid).toHtmlEscaped()));
    QVERIFY(!ssidLabel->toolTip().contains(QLatin1String("<a href")));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("addressValue1"))->textFormat(), Qt::PlainText);
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("numberValue"))->textFormat(), Qt::PlainText);

    // A short name is shown whole, without a tooltip.
    IPCameraList.clear();
    cam.network[11] = QByteArray("Home").toBase64();
    listWithNetwork();
    detailsPage shortName;
    QCOMPARE(shortName.findChild<QLabel *>(QStringLiteral("ssidValue"))->text(),
             QStringLiteral("Home"));
    QVERIFY(shortName.findChild<QLabel *>(QStringLiteral("ssidValue"))->toolTip().isEmpty());
}

void tst_finishpages::detailsAddressesByThePagesRule_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("shown");
    QTest::newRow("an address") << QByteArray("10.77.0.21") << true;
    QTest::newRow("the highest") << QByteArray("255.255.255.255") << true;
    QTest::newRow("markup after it") << QByteArray("10.77.0.21<h1>x</h1>") << false;
    QTest::newRow("leading zeros") << QByteArray("192.168.001.020") << false;
    QTest::newRow("a name") << QByteArray("evil.example") << false;
    QTest::newRow("a blank before") << QByteArray(" 10.77.0.21") << false;
    QTest::newRow("256") << QByteArray("10.77.0.256") << false;
    QTest::newRow("cut at NUL") << QByteArray("10.77.0.21\0<b>", 14) << true;
}

void tst_finishpages::detailsAddressesByThePagesRule()
{
    // Every address row of the dialog follows the rule page 7 shows the
    // camera's address by.
    QFETCH(QByteArray, address);
    QFETCH(bool, shown);
    const QString text = cameraValues::recordText(address);
    cam.ip = text;
    cam.network[0] = "0";
    cam.network[6] = "0";
    for (int key = 1; key <= 5; ++key)
        cam.network[key] = address;
    cam.setupChangesLink = false;
    logCapture log;
    listWithNetwork();
    configIPCameraIdx = 0;
    {
        detailsPage d;
        for (int i = 1; i <= 5; ++i) {
            auto *value = d.findChild<QLabel *>(QStringLiteral("addressValue%1").arg(i));
            QCOMPARE(value->text(), shown ? text : QString());
            QCOMPARE(value->textFormat(), Qt::PlainText);
        }
    }
    wizardWithCamera<joinPage4> w(joinPage4Id, cam, 0, wizardPos);
    QCOMPARE(w.control<QLabel>("ipLinkLabel")->text().contains(text), shown);
    // The refused value stays out of the dialog's log line, too.
    const QStringList said = log.lines.filter(QStringLiteral("detailsPage:"));
    QCOMPARE(said.size(), shown ? 0 : 5);
    QVERIFY(!said.join(QLatin1Char('\n')).contains(text));
}

void tst_finishpages::detailsValuesFit()
{
    // Long values end in an ellipsis inside their own column, the whole
    // value in the tooltip; short ones are shown whole.
    cam.network[0] = "1";
    cam.network[9] = "1";
    cam.network[11] = QByteArray("Garden house network on the second floor").toBase64();
    cam.network[23] = "192.168.100.200";
    cam.network[24] = "255.255.255.255";
    cam.deviceNo = "1000000100000001000000010000000100000001";
    cam.setupChangesLink = false;
    listWithNetwork();
    configIPCameraIdx = 0;
    detailsPage d;
    d.show();
    for (QLabel *value : d.findChildren<QLabel *>()) {
        if (!value->objectName().endsWith(QLatin1String("Value"))
            && !value->objectName().contains(QLatin1String("addressValue")))
            continue;
        const int width = value->fontMetrics().horizontalAdvance(value->text());
        QVERIFY2(width <= value->width(), qPrintable(value->objectName()));
    }
    auto *number = d.findChild<QLabel *>(QStringLiteral("numberValue"));
    QVERIFY(number->text().endsWith(QChar(0x2026)));
    QVERIFY(number->toolTip().contains(QString::fromLatin1(cam.deviceNo)));
    auto *address = d.findChild<QLabel *>(QStringLiteral("addressValue1"));
    QCOMPARE(address->text(), QStringLiteral("192.168.100.200"));
    QVERIFY(address->toolTip().isEmpty());
}

void tst_finishpages::clickedLabelSaysSo()
{
    wizardWithCamera<joinPage4> w(joinPage4Id, cam, 0, wizardPos);
    auto *caption = qobject_cast<clickedLabel *>(w.control<QLabel>("ipCaption"));
    QVERIFY(caption);
    QSignalSpy spy(caption, &clickedLabel::Clicked);
    QTest::mouseRelease(caption, Qt::RightButton, {}, QPoint(1, 1));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(70, 25));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.first().first().value<clickedLabel *>(), caption);
    // Page 8 has a plain caption.
    wizardWithCamera<joinPage> w8(joinPageId, cam, 0, wizardPos);
    QVERIFY(!qobject_cast<clickedLabel *>(w8.control<QLabel>("ipCaption")));
}

QTEST_MAIN(tst_finishpages)
#include "tst_finishpages.moc"
