#ifndef CAMGUIDE_TESTS_SIMTESTUTIL_H
#define CAMGUIDE_TESTS_SIMTESTUTIL_H

// Helpers shared by the loopback tests: the engine and the simulated cameras
// talk over 127.0.0.1 only.
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tools/camsim/camerasimulator.h"
#include "tools/camsim/simconfig.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QString>
#include <QUdpSocket>

namespace simtest {

inline const QString hostMac = QStringLiteral("02:00:00:00:00:01");

// A datagram taken apart without the engine's reader.
struct Parsed {
    int payloadLength = -1;
    QByteArray dstBytes;
    QByteArray srcBytes;
    QByteArray plain;
    QByteArray body;             // after the comma
    bool lengthMatches = false;  // bodyLength equals the body's size
};

inline Parsed parse(const QByteArray &datagram)
{
    Parsed p;
    if (datagram.size() < 14)
        return p;
    p.payloadLength = (uchar(datagram.at(0)) << 8) | uchar(datagram.at(1));
    p.dstBytes = datagram.mid(2, 6);
    p.srcBytes = datagram.mid(8, 6);
    p.plain = ZVRUtils::decrypt(datagram.mid(14));
    const qsizetype comma = p.plain.indexOf(',');
    if (comma > 0) {
        p.body = p.plain.mid(comma + 1);
        p.lengthMatches = p.plain.left(comma).toInt() == p.body.size();
    }
    return p;
}

// A reply datagram as a camera would send it to the host address.
inline QByteArray reply(const QString &cameraMac, const QByteArray &body,
                        const QString &dst = hostMac)
{
    camsim::SimCamera c;
    c.mac = cameraMac;
    return camsim::CameraSimulator::replyDatagram(ZVRUtils::macBytes(dst), c, body);
}

// A socket on 127.0.0.1 for datagrams from the simulator.
inline bool bindSink(QUdpSocket &sink)
{
    return sink.bind(QHostAddress::LocalHost, 0);
}

inline void drain(QUdpSocket &socket)
{
    for (int i = 0; i < 100000 && socket.hasPendingDatagrams(); ++i)
        socket.receiveDatagram();
}

// A camera of the test model with its address, name and password.
inline camsim::SimCamera makeCamera(const QString &mac, const QByteArray &name,
                                    bool registered = false,
                                    const QByteArray &password = QByteArray())
{
    camsim::SimCamera c;
    c.mac = mac;
    c.model = "KSM-271E";
    c.name = name;
    c.ip = QStringLiteral("192.168.1.") + QString::number(mac.right(2).toInt(nullptr, 16));
    c.registered = registered;
    c.password = password;
    return c;
}

// A wireless network as a camera lists it: every field "0" but the name
// and the given ones.
inline camsim::WifiNetwork wifiNetwork(const QByteArray &ssid, const QByteArray &f4 = "0",
                                       const QByteArray &f0 = "0", const QByteArray &f5 = "0",
                                       const QByteArray &f6 = "0")
{
    camsim::WifiNetwork w;
    for (QByteArray &f : w.field)
        f = "0";
    w.field[0] = f0;
    w.field[2] = ssid;
    w.field[4] = f4;
    w.field[5] = f5;
    w.field[6] = f6;
    return w;
}

// The camera's reply of the given class, straight into the engine's reader.
inline void feed(const camsim::SimCamera &c, char zvrClass)
{
    zvrTools->handleDatagram(camsim::CameraSimulator::replyDatagram(
        ZVRUtils::macBytes(hostMac), c, camsim::CameraSimulator::replyBody(c, zvrClass)));
}

// An Internet-check reply with too few items to hold a result.
inline void feedGarbledPing(const camsim::SimCamera &c)
{
    zvrTools->handleDatagram(reply(c.mac, "8;M=" + c.mac.toLatin1() + ";D=" + c.model));
}

// A camera that answers its scan and its info request; a listing page shows
// it once the queued signal is delivered.
inline void listCamera(const camsim::SimCamera &c)
{
    feed(c, '1');
    feed(c, '2');
    QCoreApplication::sendPostedEvents();
}

inline int indexOfCamera(const QString &mac)
{
    for (int i = 0; i < IPCameraList.size(); ++i)
        if (IPCameraList.at(i).mac == mac)
            return i;
    return -1;
}

}  // namespace simtest

#endif
