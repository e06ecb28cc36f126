// libFuzzer target for the reply reader: any bytes off the socket must be
// read, filtered, descrambled and dispatched without a fault, must never
// make the engine send, and must leave the records well formed.
//
// An input is up to four datagrams, each a byte and a field (see
// tests/fuzz/fuzzinput.h). The byte says how the field reaches the reader, by
// its value modulo 3:
//   0  as the whole datagram
//   1  as the whole datagram, addressed to the computer
//   2  as the plain payload, framed and scrambled as a camera does
// Every input starts from one listed camera that waits for its wireless list.
// Debug lines are filtered, so the engine never builds them; fuzz_logmask
// takes the masking of secrets they would run.
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tests/fuzz/fuzzinput.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

ZVRUtils *engine = nullptr;
QString hostMac;
QByteArray hostMacBytes;
QByteArray cameraMacBytes;
// The list every input starts from; shared, so that an input that changes
// no record costs no copy.
QList<IPCamera> *startList = nullptr;

constexpr int datagramsPerInput = 4;

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

QByteArray framed(const QByteArray &plain)
{
    const QByteArray payload = ZVRUtils::encrypt(plain);
    QByteArray d;
    d.reserve(14 + payload.size());
    d.append(char((payload.size() >> 8) & 0xff)).append(char(payload.size() & 0xff));
    d.append(hostMacBytes).append(cameraMacBytes).append(payload);
    return d;
}

// Before and after every input: what an input allocates it also frees, so
// libFuzzer's leak check (which runs whenever that is not so) stays for
// real leaks.
void startOver()
{
    IPCameraList = *startList;
    engine->defaultIpSeen = false;
    engine->broadcastScan = false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessage);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    static QCoreApplication app(*argc, *argv);
    hostMac = QString::fromLatin1(fuzzInput::hostMac);
    hostMacBytes = ZVRUtils::macBytes(hostMac);
    cameraMacBytes = ZVRUtils::macBytes(QString::fromLatin1(fuzzInput::cameraMac));
    host_mac_str = {hostMac};
    supportType = QStringLiteral("ALL");
    engine = new ZVRUtils;
    // Nothing here sends, but never let a stray command leave the machine.
    engine->setCommandTarget(QHostAddress::LocalHost, 9);
    IPCamera listed(QByteArray("1;M=") + fuzzInput::cameraMac
                        + ";D=KSM-271E;N=RnJvbnQgZG9vcg==;I=192.168.1.21;G=0;C=0;W=0;V=1",
                    hostMac);
    listed.cmdState = cmdStateAPSearch;
    startList = new QList<IPCamera>{listed};
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    startOver();
    fuzzInput::reader in(data, size);
    int datagrams = 0;
    while (datagrams < datagramsPerInput && !in.atEnd()) {
        const uchar mode = in.byte();
        const QByteArray bytes = in.field();
        ++datagrams;
        switch (mode % 3) {
        case 0: engine->handleDatagram(bytes); break;
        case 1: {
            QByteArray d = bytes.leftJustified(14, '\0');
            d.replace(2, 6, hostMacBytes);
            engine->handleDatagram(d);
            break;
        }
        default: engine->handleDatagram(framed(bytes)); break;
        }
    }

    // A reply is read, never answered.
    FUZZ_CHECK(engine->sendSocket.state() == QAbstractSocket::UnconnectedState);
    // A datagram lists at most one camera.
    FUZZ_CHECK(IPCameraList.size() <= 1 + datagrams);
    for (const IPCamera &camera : qAsConst(IPCameraList)) {
        // Only a hardware address lists a camera.
        FUZZ_CHECK(ZVRUtils::isHardwareAddress(camera.mac));
        // The seven lists of a wireless reply stay parallel.
        const APSearchResult &a = camera.aps;
        FUZZ_CHECK(a.count >= 0);
        for (const QList<QByteArray> *list : {&a.apField0, &a.apField1, &a.ssidList, &a.apField3,
                                              &a.apField4, &a.apField5, &a.apField6})
            FUZZ_CHECK(list->size() == a.count);
    }
    startOver();
    return 0;
}
