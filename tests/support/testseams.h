#ifndef CAMGUIDE_TESTS_TESTSEAMS_H
#define CAMGUIDE_TESTS_TESTSEAMS_H

// Every seam through which a test takes the place of the world outside the
// program, set through one object per test: it starts the test from the
// program's own seams and program-wide state, and puts them all back when it
// goes, whatever the test set and in whatever order. Only one lives at a time
// (the page bench owns one): a second would put back what the first set.
//
//   testSeams seams;
//   seams.useNetwork(&access);
//   seams.desktopFolder(dir.path());
//
// A test gets the seams of the layers it links: one that links only the
// platform layer has no boxes, HTTP, engine or program-wide state; one that
// links the HTTP layer without the core has HTTP but no boxes.
//
// Boxes are answered with modalRecorder, which sets the box seam itself for
// as long as it lives; answerBoxes is for a test that answers them its own way.
//
// The engine of a test never sends to the network: testEngine sends to the
// discard port on 127.0.0.1, and sendCommandsTo points it at a test's own
// socket there, until the seams go.

#include "platform/shortcut.h"
#if __has_include("platform/shortcut_macos.h")
#include "platform/shortcut_macos.h"
#define CAMGUIDE_TESTSEAMS_IMAGE_TOOLS 1
#endif
#if __has_include("protocol/hostaddress.h")
#include "protocol/hostaddress.h"
#include "protocol/zvrutils.h"
#include <QHostAddress>
#define CAMGUIDE_TESTSEAMS_ENGINE 1
#endif
#if __has_include("core/http.h")
#include "core/http.h"
#define CAMGUIDE_TESTSEAMS_HTTP 1
#endif
#if __has_include("core/modal.h")
#include "core/modal.h"
#include "tests/support/programstate.h"
#define CAMGUIDE_TESTSEAMS_CORE 1
#endif

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <utility>

#ifdef CAMGUIDE_TESTSEAMS_ENGINE
// zvrTools for as long as it lives, sending to the discard port on loopback.
class testEngine
{
public:
    static constexpr quint16 discardPort = 9;

    testEngine()
    {
        if (zvrTools)
            qFatal("an engine is there already");
        zvrTools = new ZVRUtils;
        zvrTools->setCommandTarget(QHostAddress::LocalHost, discardPort);
    }
    ~testEngine()
    {
        delete zvrTools;
        zvrTools = nullptr;
    }
    testEngine(const testEngine &) = delete;
    testEngine &operator=(const testEngine &) = delete;
};
#endif

class testSeams
{
public:
    testSeams()
    {
        if (alive()++)
            qFatal("two testSeams at once: set seams through the one that lives");
        restoreAll();
    }
    ~testSeams()
    {
        restoreAll();
        --alive();
    }
    testSeams(const testSeams &) = delete;
    testSeams &operator=(const testSeams &) = delete;

#ifdef CAMGUIDE_TESTSEAMS_CORE
    void answerBoxes(ModalHandler handler)
    {
        setModalHandler(std::move(handler));
    }
#endif
#ifdef CAMGUIDE_TESTSEAMS_HTTP
    // Pages' HTTP goes to manager, which must outlive the seams or be put
    // back first (useNetwork(nullptr)).
    void useNetwork(QNetworkAccessManager *manager)
    {
        setNetworkAccess(manager);
    }
#endif
#ifdef CAMGUIDE_TESTSEAMS_ENGINE
    // The interfaces' hardware addresses the host reports; without IPv4
    // addresses, so commands take the system's route.
    void hostInterfaces(const QStringList &addresses)
    {
        QList<hostLink> links;
        for (const QString &address : addresses) {
            hostLink link;
            link.hardwareAddress = address;
            link.up = true;
            links.append(link);
        }
        hostLinks(links);
    }
    void hostLinks(const QList<hostLink> &links)
    {
        setHostLinkSource([links] { return links; });
    }
    // The engine's commands go to this port on 127.0.0.1.
    void sendCommandsTo(quint16 port)
    {
        if (!zvrTools)
            qFatal("no engine to send commands");
        zvrTools->setCommandTarget(QHostAddress::LocalHost, port);
    }
#endif
    void makeShortcutsWith(platform::shortcutMaker maker)
    {
        platform::setShortcutMaker(std::move(maker));
    }
    // A folder, or an empty one for a system that names none.
    void desktopFolder(const QString &folder)
    {
        platform::setDesktopFolder(folder);
    }
    void picturesFolder(const QString &folder)
    {
        platform::setPicturesFolder(folder);
    }
#ifdef CAMGUIDE_TESTSEAMS_IMAGE_TOOLS
    void watchImageTools(platform::imageToolWatcher watcher)
    {
        platform::setImageToolWatcher(std::move(watcher));
    }
#endif

private:
    static int &alive()
    {
        static int count = 0;
        return count;
    }

    static void restoreAll()
    {
#ifdef CAMGUIDE_TESTSEAMS_CORE
        setModalHandler({});
        resetProgramState();
#endif
#ifdef CAMGUIDE_TESTSEAMS_HTTP
        setNetworkAccess(nullptr);
#endif
#ifdef CAMGUIDE_TESTSEAMS_ENGINE
        setHostLinkSource({});
        // A test without pages has no engine.
        if (ZVRUtils *engine = zvrTools) {
            engine->setCommandTarget(QHostAddress::LocalHost, testEngine::discardPort);
            engine->defaultIpSeen = false;
            engine->broadcastScan = false;
        }
#endif
        platform::setShortcutMaker({});
        platform::setDesktopFolder(std::nullopt);
        platform::setPicturesFolder(std::nullopt);
#ifdef CAMGUIDE_TESTSEAMS_IMAGE_TOOLS
        platform::setImageToolWatcher({});
#endif
    }
};

#endif
