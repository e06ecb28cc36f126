// libFuzzer target for the reply reader: any bytes off the socket must be
// read, filtered, descrambled and dispatched without a fault.
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace {
ZVRUtils *engine = nullptr;
const QString hostMac = QStringLiteral("02:00:00:00:00:01");
}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QCoreApplication app(*argc, *argv);
    host_mac_str = {hostMac};
    supportType = QStringLiteral("ALL");
    engine = new ZVRUtils;
    // Nothing here sends, but never let a stray command leave the machine.
    engine->setCommandTarget(QHostAddress::LocalHost, 9);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0:  // raw datagram
        engine->handleDatagram(input);
        break;
    case 1: {  // raw datagram addressed to the host, so the filter lets it in
        QByteArray d = input.leftJustified(14, '\0');
        d.replace(2, 6, ZVRUtils::macBytes(hostMac));
        engine->handleDatagram(d);
        break;
    }
    default: {  // plain payload, properly framed and scrambled
        const QByteArray payload = ZVRUtils::encrypt(input);
        QByteArray d;
        d.append(char(payload.size() >> 8)).append(char(payload.size() & 0xff));
        d.append(ZVRUtils::macBytes(hostMac)).append(QByteArray(6, '\0')).append(payload);
        engine->handleDatagram(d);
        break;
    }
    }
    if (IPCameraList.size() > 64)
        IPCameraList.clear();
    return 0;
}
