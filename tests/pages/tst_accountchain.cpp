// The cloud account's chain of portal requests on its own, against the
// simulated portal on 127.0.0.1: every road to its end, the camera read at
// each step, and the tick limit.
#include "pages/cloud/accountchain.h"
#include "protocol/ipcamera.h"
#include "tests/support/logcapture.h"
#include "tests/support/recordingaccess.h"
#include "tests/support/testseams.h"
#include "tools/portalsim/portalsimulator.h"

#include <QHostAddress>
#include <QtTest>

#include <memory>

using portalsim::fault;
using portalsim::PortalSimulator;
using portalsim::requestKind;

Q_DECLARE_METATYPE(portalsim::fault)
Q_DECLARE_METATYPE(portalsim::requestKind)

namespace {

// How a chain ended, as one word: "done", "refused: TEXT", "failed: WHY".
struct ending {
    explicit ending(accountChain &chain)
    {
        QObject::connect(&chain, &accountChain::done, &chain, [this] { words << "done"; });
        QObject::connect(&chain, &accountChain::refused, &chain,
                         [this](const QString &text) { words << "refused: " + text; });
        QObject::connect(&chain, &accountChain::failed, &chain, [this](accountChain::failure why) {
            words << QStringLiteral("failed: ")
                         + QString::fromLatin1(
                             QMetaEnum::fromType<accountChain::failure>().valueToKey(int(why)));
        });
        QObject::connect(&chain, &accountChain::signingIn, &chain, [this] { ++signingIn; });
    }
    QStringList words;
    int signingIn = 0;
};

}  // namespace

class tst_accountchain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testSeams> seams;
    std::unique_ptr<recordingAccess> access;
    std::unique_ptr<PortalSimulator> portal;
    IPCamera camera;
    bool chosen = true;

    std::unique_ptr<accountChain> makeChain()
    {
        return std::make_unique<accountChain>(
            [this]() -> const IPCamera * { return chosen ? &camera : nullptr; },
            QStringLiteral("v1.00.02"));
    }
    QList<requestKind> kinds() const
    {
        QList<requestKind> k;
        for (const auto &r : portal->requests())
            k << r.kind;
        return k;
    }

private slots:
    void init()
    {
        seams = std::make_unique<testSeams>();
        access = std::make_unique<recordingAccess>();
        seams->useNetwork(access.get());
        portal = std::make_unique<PortalSimulator>();
        QVERIFY(portal->listen(QHostAddress::LocalHost));
        portal->addAccount(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
        camera = IPCamera();
        camera.model = "KSM-271E";
        camera.deviceNo = "10000001";
        camera.password = "cam pw+1";
        camera.dfp = "dfp0001";
        camera.portalBaseUrl = portal->baseUrl();
        chosen = true;
    }
    void cleanup()
    {
        portal.reset();
        seams.reset();
        access.reset();
    }

    void roads_data();
    void roads();
    void noRequestSent_data();
    void noRequestSent();
    void tickLimit();
    void cameraReadAtEachStep();
    void abandonedIsSilent();
};

void tst_accountchain::roads_data()
{
    QTest::addColumn<bool>("signUp");  // the chain: sign-up, or sign-in
    QTest::addColumn<requestKind>("kind");
    QTest::addColumn<fault>("f");
    QTest::addColumn<QByteArray>("refusal");  // the refuse fault's body
    QTest::addColumn<QString>("ended");
    QTest::addColumn<int>("requests");  // that reached the portal
    const auto none = requestKind::other;
    QTest::newRow("sign-up, done") << true << none << fault::none << QByteArray() << "done" << 3;
    QTest::newRow("sign-in, done") << false << none << fault::none << QByteArray() << "done" << 2;
    QTest::newRow("sign-up refused") << true << requestKind::signUp << fault::refuse
                                     << QByteArray("[E07] Taken.") << "refused: [E07] Taken." << 1;
    QTest::newRow("sign-in after sign-up refused")
        << true << requestKind::signIn << fault::refuse << QByteArray("[E03] No.")
        << "refused: [E03] No." << 2;
    QTest::newRow("add refused: the text after its first ]")
        << false << requestKind::addCamera << fault::refuse << QByteArray("[E11] Bound.")
        << "refused:  Bound." << 2;
    QTest::newRow("sign-in answers 500") << false << requestKind::signIn << fault::serverError
                                         << QByteArray() << "failed: transfer" << 1;
    QTest::newRow("add answers 500") << false << requestKind::addCamera << fault::serverError
                                     << QByteArray() << "failed: transfer" << 2;
    QTest::newRow("add answers 200 with nothing")
        << false << requestKind::addCamera << fault::refuse << QByteArray()
        << "failed: unknownAnswer" << 2;
    QTest::newRow("a redirect is shown, not followed")
        << false << requestKind::signIn << fault::redirect << QByteArray() << "refused: Found" << 1;
}

void tst_accountchain::roads()
{
    QFETCH(bool, signUp);
    QFETCH(requestKind, kind);
    QFETCH(fault, f);
    QFETCH(QByteArray, refusal);
    QFETCH(QString, ended);
    QFETCH(int, requests);
    if (kind != requestKind::other)
        portal->setFault(kind, f);
    portal->setRefusalText(refusal);
    logCapture log;
    auto chain = makeChain();
    ending e(*chain);
    const bool sent =
        signUp
            ? chain->signUp({QStringLiteral("new@example.com"), QStringLiteral("pw 1"),
                             QStringLiteral("pw 1"), QStringLiteral("Zoë"), QStringLiteral("Berg")})
            : chain->signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw"));
    QVERIFY(sent);
    QVERIFY(chain->isRunning());
    QVERIFY(QTest::qWaitFor([&] { return !e.words.isEmpty(); }, 5000));
    QTest::qWait(50);  // one end, and nothing after it
    QCOMPARE(e.words, QStringList{ended});
    QVERIFY(!chain->isRunning());
    QCOMPARE(portal->requests().size(), requests);
    QCOMPARE(access->unfinished(), 0);
    // Each sign-in is announced, the one after a sign-up too.
    QCOMPARE(e.signingIn, int(kinds().count(requestKind::signIn)));
    if (signUp && requests > 1) {
        // The sign-in after a sign-up uses the sign-up's account.
        QCOMPARE(portal->requests().at(1).item(QStringLiteral("email")),
                 QStringLiteral("new@example.com"));
        QCOMPARE(portal->requests().at(1).item(QStringLiteral("password")), QStringLiteral("pw 1"));
    }
    if (ended == QLatin1String("done"))
        QCOMPARE(kinds().last(), requestKind::addCamera);
    QCOMPARE(log.text().contains(QLatin1String("failed:")),
             ended == QLatin1String("failed: transfer"));
    for (const char *secret : {"Anna-2026", "pw 1", "cam pw", "password="})
        QVERIFY2(!log.text().contains(QLatin1String(secret)), secret);
}

void tst_accountchain::noRequestSent_data()
{
    QTest::addColumn<bool>("cameraChosen");
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QString>("ended");
    QTest::newRow("no camera") << false << QByteArray() << "failed: noCamera";
    QTest::newRow("no portal address") << true << QByteArray() << "failed: noPortalAddress";
    QTest::newRow("a relative portal address")
        << true << QByteArray("portal/") << "failed: noPortalAddress";
    QTest::newRow("user information in it")
        << true << QByteArray("http://u:p@127.0.0.1/") << "failed: noPortalAddress";
}

void tst_accountchain::noRequestSent()
{
    // Nothing to send to: the chain ends at once, before the call returns.
    QFETCH(bool, cameraChosen);
    QFETCH(QByteArray, base);
    QFETCH(QString, ended);
    chosen = cameraChosen;
    camera.portalBaseUrl = base;
    logCapture log;
    auto chain = makeChain();
    ending e(*chain);
    QVERIFY(!chain->signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw")));
    QCOMPARE(e.words, QStringList{ended});
    QVERIFY(!chain->isRunning());
    QVERIFY(
        log.lines.contains(QStringLiteral("joinPage2: the camera gave no usable portal address.")));
    QVERIFY(access->requests.isEmpty());
}

void tst_accountchain::tickLimit()
{
    // A silent add: the chain runs until its owner's count reaches the
    // limit, counted from the chain's start, then gives the request up.
    portal->setFault(requestKind::addCamera, fault::silent);
    logCapture log;
    auto chain = makeChain();
    ending e(*chain);
    chain->ticksPassed(accountChain::tickLimit);  // no chain yet: nothing
    QVERIFY(chain->signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw")));
    QVERIFY(QTest::qWaitFor([&] { return portal->requests().size() == 2; }, 5000));
    chain->ticksPassed(accountChain::tickLimit - 1);
    QVERIFY(e.words.isEmpty());
    QCOMPARE(access->unfinished(), 1);
    chain->ticksPassed(accountChain::tickLimit);
    QCOMPARE(e.words, QStringList{QStringLiteral("failed: tooLate")});
    QVERIFY(log.lines.contains(QStringLiteral("joinPage2: no answer from the portal in time.")));
    QCOMPARE(access->unfinished(), 0);
    QCOMPARE(access->ended.last(), QNetworkReply::OperationCanceledError);
    chain->ticksPassed(accountChain::tickLimit + 1);
    QTest::qWait(50);
    QCOMPARE(e.words.size(), 1);

    // A new chain goes through.
    portal->setFault(requestKind::addCamera, fault::none);
    QVERIFY(chain->signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw")));
    QVERIFY(QTest::qWaitFor([&] { return e.words.size() == 2; }, 5000));
    QCOMPARE(e.words.last(), QStringLiteral("done"));
}

void tst_accountchain::cameraReadAtEachStep()
{
    // The add request takes the camera as it is then: a password that came
    // with a fresh info record while the sign-in was sent.
    auto chain = makeChain();
    ending e(*chain);
    connect(chain.get(), &accountChain::signingIn, chain.get(),
            [this] { camera.password = "fresh pw"; });
    camera.password = "stale pw";
    QVERIFY(chain->signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw")));
    QVERIFY(QTest::qWaitFor([&] { return !e.words.isEmpty(); }, 5000));
    QCOMPARE(e.words, QStringList{QStringLiteral("done")});
    QCOMPARE(portal->requests().at(1).item(QStringLiteral("device_password")),
             QStringLiteral("fresh pw"));
}

void tst_accountchain::abandonedIsSilent()
{
    // Given up, or replaced by a new chain: the old one says nothing more.
    portal->setFault(requestKind::signIn, fault::silent);
    auto chain = makeChain();
    ending e(*chain);
    QVERIFY(chain->signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw")));
    QVERIFY(QTest::qWaitFor([&] { return portal->requests().size() == 1; }, 5000));
    chain->abandon();
    QVERIFY(!chain->isRunning());
    QCOMPARE(access->unfinished(), 0);
    chain->ticksPassed(accountChain::tickLimit);
    QTest::qWait(50);
    QVERIFY(e.words.isEmpty());

    QVERIFY(chain->signIn(QStringLiteral("anna@example.com"), QStringLiteral("Anna-2026 pw")));
    QVERIFY(QTest::qWaitFor([&] { return portal->requests().size() == 2; }, 5000));
    portal->setFault(requestKind::signIn, fault::none);
    QVERIFY(chain->signUp({QStringLiteral("new@example.com"), QStringLiteral("pw 1"),
                           QStringLiteral("pw 1"), QString(), QString()}));
    QVERIFY(QTest::qWaitFor([&] { return !e.words.isEmpty(); }, 5000));
    QTest::qWait(50);
    QCOMPARE(e.words, QStringList{QStringLiteral("done")});
    QCOMPARE(access->ended.at(1), QNetworkReply::OperationCanceledError);
    QCOMPARE(kinds().mid(2), (QList<requestKind>{requestKind::signUp, requestKind::signIn,
                                                 requestKind::addCamera}));
}

QTEST_MAIN(tst_accountchain)
#include "tst_accountchain.moc"
