#ifndef CAMGUIDE_TESTS_PAGEBENCH_H
#define CAMGUIDE_TESTS_PAGEBENCH_H

// The bench of the page tests that talk to cameras: the engine with every
// command going to a capture socket on 127.0.0.1, the box recorder, and the
// seams and program state each test starts from. A test class derives from
// it and calls the four steps from its initTestCase, cleanupTestCase, init
// and cleanup slots; a test sets further seams through `seams`, which puts
// them back after the test.

#include "core/globals.h"
#include "protocol/hostaddress.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tests/support/commandcapture.h"
#include "tests/support/logcapture.h"
#include "tests/support/modalrecorder.h"
#include "tests/support/simtestutil.h"
#include "tests/support/testseams.h"
#include "tests/support/wizardfixture.h"

#include <QObject>

#include <memory>

// A camera answering what a check run sends it, by script: each Internet
// check takes the next answer of pings ("1" online, "0" offline, "x" a
// garbled reply, anything else or past the end none); info requests are
// answered. What was sent is kept as "class@tick".
class scriptedCamera
{
public:
    scriptedCamera(camsim::SimCamera &cam, commandCapture &capture, const QString &pings)
        : m_cam(cam), m_capture(capture), m_pings(pings)
    {
    }

    void answer(int tick)
    {
        for (const sentCommand &c : m_capture.take()) {
            seen << QStringLiteral("%1@%2").arg(QChar(c.zvrClass)).arg(tick);
            if (c.zvrClass == '8') {
                const QChar a = m_pingNo < m_pings.size() ? m_pings.at(m_pingNo) : QChar('-');
                ++m_pingNo;
                if (a == QLatin1Char('1') || a == QLatin1Char('0')) {
                    m_cam.internet = QByteArray(1, a.toLatin1());
                    simtest::feed(m_cam, '8');
                } else if (a == QLatin1Char('x')) {
                    simtest::feedGarbledPing(m_cam);
                }
            } else if (c.zvrClass == '2') {
                simtest::feed(m_cam, '2');
            }
        }
    }

    QStringList seen;

private:
    camsim::SimCamera &m_cam;
    commandCapture &m_capture;
    QString m_pings;
    int m_pingNo = 0;
};

// The wizard opened at a page once the camera was listed and chosen
// (index -1 or past the list: none chosen).
template <class Page> struct wizardWithCamera : wizardAt<Page> {
    wizardWithCamera(pageId id, const camsim::SimCamera &cam, int index, QPoint pos)
        : wizardAt<Page>(listed(id, cam, index), pos)
    {
    }
    static pageId listed(pageId id, const camsim::SimCamera &cam, int index)
    {
        simtest::listCamera(cam);
        configIPCameraIdx = index;
        return id;
    }
};

class pageBench : public QObject
{
protected:
    std::unique_ptr<commandCapture> capture;
    std::unique_ptr<testSeams> seams;
    std::unique_ptr<modalRecorder> boxes;

    // The engine exists before the wizard.
    void startEngine()
    {
        engine = std::make_unique<testEngine>();
        capture = std::make_unique<commandCapture>();
    }
    void stopEngine()
    {
        capture.reset();
        engine.reset();
    }
    // Any model, a Wi-Fi model, the test host's one hardware address, and
    // nothing sent yet.
    void beforeTest()
    {
        seams = std::make_unique<testSeams>();
        boxes = std::make_unique<modalRecorder>();
        supportType = QStringLiteral("ALL");
        isWireless = true;
        host_mac_str = {simtest::hostMac.toUpper()};
        seams->hostInterfaces({simtest::hostMac});
        seams->sendCommandsTo(capture->port());
        capture->take();
    }
    void afterTest()
    {
        boxes.reset();
        seams.reset();
    }

    QList<sentCommand> takeSent() { return capture->take(); }
    static int countOf(const QList<sentCommand> &list, char zvrClass,
                       const QByteArray &key = QByteArray())
    {
        return commandCapture::count(list, zvrClass, key);
    }

private:
    std::unique_ptr<testEngine> engine;
};

#endif
