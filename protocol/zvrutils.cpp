#include "protocol/zvrutils.h"

#include "protocol/countrynumbers.h"

#include "protocol/ipcamera.h"
#include "protocol/lazydebug.h"
#include "protocol/portal.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QNetworkDatagram>

#include <utility>

ZVRUtils *zvrTools = nullptr;
QString supportType;
QStringList host_mac_str;

const QByteArray ZVRUtils::restartHttpServer = ";L=1";
const QByteArray ZVRUtils::restartNetwork = ";N=1";
const QString ZVRUtils::broadcastMac = QStringLiteral("FF:FF:FF:FF:FF:FF");

namespace {

const char standardAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=";
const char substitutionAlphabet[] =
    "mnbvcxzlkjhgfdsapoiuytrewq0192837465/+QWERTYUIOPLKJHGFDSAZXCVBNM#";

struct SymbolTables {
    char toScrambled[256];
    char toStandard[256];  // 0 for a symbol outside the substitution alphabet

    SymbolTables()
    {
        for (int i = 0; i < 256; ++i)
            toScrambled[i] = toStandard[i] = 0;
        for (int i = 0; i < 65; ++i) {
            toScrambled[uchar(standardAlphabet[i])] = substitutionAlphabet[i];
            toStandard[uchar(substitutionAlphabet[i])] = standardAlphabet[i];
        }
    }
};

const SymbolTables &tables()
{
    static const SymbolTables t;
    return t;
}

uchar byteAt(const QByteArray &data, qsizetype i)
{
    return i < data.size() ? uchar(data.at(i)) : 0;
}

bool isHex(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

bool isPowerOfTen(qint64 n)
{
    while (n >= 10 && n % 10 == 0)
        n /= 10;
    return n == 1;
}

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

bool isSecretKey(QByteArrayView key)
{
    return key.startsWith('P') || key == "8" || key == "18" || key == "34";
}

}  // namespace

ZVRUtils::ZVRUtils() : QObject(nullptr), targetAddress(QHostAddress::Broadcast) {}

ZVRUtils::~ZVRUtils() = default;

void ZVRUtils::setCommandTarget(const QHostAddress &address, quint16 port)
{
    targetAddress = address;
    targetPort = port;
}

bool ZVRUtils::bindPort(int port)
{
    if (!recvSocket.bind(QHostAddress::Any, quint16(port)))
        return false;
    // A broadcast scan brings many replies at once; room for them all.
    recvSocket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
    connect(&recvSocket, &QUdpSocket::readyRead, this, &ZVRUtils::handleZVRresponse);
    connect(&recvSocket, &QAbstractSocket::errorOccurred, this, &ZVRUtils::handleSocketError);
    return true;
}

void ZVRUtils::handleSocketError(QAbstractSocket::SocketError socketError)
{
    lazyDebug().noquote() << "socket error happened. the code is" << int(socketError);
}

// ---------------------------------------------------------------- writing

QByteArray ZVRUtils::encrypt(const QByteArray &plain)
{
    QByteArray out = plain.toBase64();
    const SymbolTables &t = tables();
    for (char &c : out)
        c = t.toScrambled[uchar(c)];
    return out;
}

namespace {

// The plain text of scrambled symbols, each taken through mask first;
// symbols outside the substitution alphabet (bytes a datagram lacks read as
// NUL) are dropped. One pass with plain pointers: the reader takes every byte
// of every datagram through here.
QByteArray descrambled(QByteArrayView scrambled, uchar mask)
{
    const SymbolTables &t = tables();
    QByteArray standard(scrambled.size(), Qt::Uninitialized);
    char *out = standard.data();
    for (const char c : scrambled) {
        const char s = t.toStandard[uchar(c) & mask];
        if (s)
            *out++ = s;
    }
    standard.truncate(out - standard.constData());
    // QByteArray::fromBase64, decoded in place.
    if (auto decoded = QByteArray::fromBase64Encoding(std::move(standard)))
        return std::move(decoded.decoded);
    return QByteArray();
}

}  // namespace

QByteArray ZVRUtils::decrypt(const QByteArray &scrambled)
{
    return descrambled(scrambled, 0xff);
}

QByteArray ZVRUtils::macBytes(const QString &text)
{
    QString hex = text;
    hex.remove(QLatin1Char(':'));
    hex = hex.toUpper();
    QByteArray bytes(6, '\0');
    for (int i = 0; i < 6; ++i) {
        if (2 * i + 1 >= hex.size())
            break;
        const int hi = hexDigit(hex.at(2 * i));
        const int lo = hexDigit(hex.at(2 * i + 1));
        if (hi >= 0 && lo >= 0)
            bytes[i] = char(hi * 16 + lo);
    }
    return bytes;
}

namespace {

// The 17 characters of the address text of the six bytes at data[from],
// in the given digits; a byte beyond the end reads as 0.
void writeMacText(const QByteArray &data, qsizetype from, const char *digits, char *text)
{
    for (int i = 0; i < 6; ++i) {
        const uchar b = byteAt(data, from + i);
        if (i)
            text[3 * i - 1] = ':';
        text[3 * i] = digits[b >> 4];
        text[3 * i + 1] = digits[b & 15];
    }
}

const char lowerDigits[] = "0123456789abcdef";
const char upperDigits[] = "0123456789ABCDEF";

}  // namespace

QString ZVRUtils::macText(const QByteArray &bytes)
{
    char text[17];
    writeMacText(bytes, 0, lowerDigits, text);
    return QString::fromLatin1(text, 17);
}

bool ZVRUtils::isHardwareAddress(QStringView text)
{
    if (text.size() != 17)
        return false;
    for (int i = 0; i < 17; ++i) {
        if (i % 3 == 2 ? text.at(i) != QLatin1Char(':') : !isHex(text.at(i)))
            return false;
    }
    return true;
}

QByteArray ZVRUtils::maskSecrets(const QByteArray &payload)
{
    // One pass over the items, into one buffer.
    const QByteArrayView text(payload);
    QByteArray out;
    out.reserve(payload.size() + 3);
    qsizetype start = 0;
    for (;;) {
        const qsizetype semicolon = text.indexOf(';', start);
        const QByteArrayView item =
            text.sliced(start, (semicolon < 0 ? text.size() : semicolon) - start);
        const qsizetype eq = item.indexOf('=');
        if (eq > 0 && isSecretKey(item.first(eq)))
            out.append(item.first(eq + 1)).append("***");
        else
            out.append(item);
        if (semicolon < 0)
            return out;
        out.append(';');
        start = semicolon + 1;
    }
}

QByteArray ZVRUtils::logText(const QByteArray &payload)
{
    const QByteArray masked = maskSecrets(payload);
    QByteArray out;
    out.reserve(masked.size());
    for (const char c : masked) {
        const uchar u = uchar(c);
        if (u < 0x20 || u == 0x7f || c == '\\') {
            static const char hex[] = "0123456789abcdef";
            out.append("\\x").append(hex[u >> 4]).append(hex[u & 15]);
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray ZVRUtils::composeDatagram(const QByteArray &zvrClass, const QString &srcMac,
                                     const QString &dstMac, const QString &d,
                                     const QByteArray &pading)
{
    const QByteArray body = zvrClass + ";M=" + dstMac.toUtf8() + ";D=" + d.toUtf8() + pading;
    const QByteArray plain = QByteArray::number(body.size()) + ',' + body;
    lazyDebug().noquote() << "class content:" << maskSecrets(plain)
                          << ", pading:" << maskSecrets(pading);

    const QByteArray payload = encrypt(plain);
    if (payload.size() > maxPayload) {
        lazyDebug().noquote() << "command too long, not sent: scrambled payload of"
                              << payload.size() << "bytes";
        return QByteArray();
    }
    QByteArray datagram;
    datagram.reserve(14 + payload.size());
    datagram.append(char(payload.size() >> 8));
    datagram.append(char(payload.size() & 0xff));
    datagram.append(macBytes(dstMac));
    datagram.append(macBytes(srcMac));
    datagram.append(payload);
    return datagram;
}

bool ZVRUtils::fitsDatagram(const QByteArray &zvrClass, const QString &dstMac, const QString &d,
                            const QByteArray &pading)
{
    const QByteArray body = zvrClass + ";M=" + dstMac.toUtf8() + ";D=" + d.toUtf8() + pading;
    return encrypt(QByteArray::number(body.size()) + ',' + body).size() <= maxPayload;
}

void ZVRUtils::composeZVRMessage(QByteArray zvrClass, QString srcMac, QString dstMac,
                                 QHostAddress addr, QString d, QByteArray pading)
{
    const QByteArray datagram = composeDatagram(zvrClass, srcMac, dstMac, d, pading);
    if (!datagram.isEmpty())
        send(datagram, srcMac, addr);
}

void ZVRUtils::setHostLinks(const QList<hostLink> &links)
{
    linkSockets.clear();
    for (const hostLink &link : links) {
        if (!link.sendsOwnWay())
            continue;
        // Two interfaces of one address (a bridge and its member): the first.
        if (linkSocketFor(link.hardwareAddress))
            continue;
        auto socket = std::make_unique<QUdpSocket>();
        if (!socket->bind(link.ipv4, 0)) {
            lazyDebug().noquote() << "cannot send out of" << link.name << "from"
                                  << link.ipv4.toString() << ':' << socket->errorString();
            continue;
        }
        if (bindLink && !bindLink(socket->socketDescriptor(), link.index)) {
            lazyDebug().noquote() << "cannot send out of" << link.name
                                  << "alone; its commands take the system's route.";
            continue;
        }
        lazyDebug().noquote() << "commands from" << link.hardwareAddress << "leave through"
                              << link.name << "from" << link.ipv4.toString();
        linkSockets.push_back({link.hardwareAddress, link.name, std::move(socket)});
    }
}

const ZVRUtils::linkSocket *ZVRUtils::linkSocketFor(const QString &srcMac) const
{
    for (const linkSocket &link : linkSockets) {
        if (link.hardwareAddress.compare(srcMac, Qt::CaseInsensitive) == 0)
            return &link;
    }
    return nullptr;
}

void ZVRUtils::send(const QByteArray &datagram, const QString &srcMac, const QHostAddress &addr)
{
    const linkSocket *link = linkSocketFor(srcMac);
    QUdpSocket *socket = link ? link->socket.get() : &sendSocket;
    if (socket->writeDatagram(datagram, addr, targetPort) < 0)
        lazyDebug().noquote() << "sending to" << addr.toString() << "through"
                              << (link ? link->name : QStringLiteral("the system's route"))
                              << "failed:" << socket->errorString();
}

QByteArray ZVRUtils::timeItem(int qt4Country, const QDateTime &localTime)
{
    return ";T=" + QByteArray::number(qt4Country) + '-'
           + localTime.toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss")).toUtf8();
}

// ---------------------------------------------------------------- commands

IPCamera *ZVRUtils::cameraAt(int idx, const char *command)
{
    if (idx >= 0 && idx < IPCameraList.size())
        return &IPCameraList[idx];
    lazyDebug().noquote() << command << "ignored: no camera at index" << idx;
    return nullptr;
}

void ZVRUtils::sendToCamera(int idx, const char *command, const QByteArray &zvrClass,
                            const QByteArray &pading, int newState)
{
    IPCamera *camera = cameraAt(idx, command);
    if (!camera)
        return;
    if (newState >= 0)
        camera->cmdState = newState;
    if (newState == cmdStateAPSearch)
        camera->apReplies = 0;
    forgetReplies(camera->mac);
    composeZVRMessage(zvrClass, camera->hostMac, camera->mac, targetAddress,
                      QString::fromUtf8(camera->model), pading);
}

void ZVRUtils::ZVRScanDevice(QString srcMac, QString d, QString dstMac)
{
    broadcastScan = dstMac == broadcastMac;
    if (broadcastScan)
        actedOn.clear();
    else
        forgetReplies(dstMac);
    composeZVRMessage("1", srcMac, dstMac, targetAddress, d, QByteArray());
}

void ZVRUtils::ZVRGetPassword(int idx)
{
    sendToCamera(idx, "ZVRGetPassword", "2", QByteArray(), cmdStatePassword);
}

void ZVRUtils::ZVRSetPassword(int idx, QString password, QString registered)
{
    QByteArray pading;
    if (!password.isEmpty())
        pading += ";P=" + password.toUtf8().toBase64();
    if (!registered.isEmpty())
        pading += ";G=" + registered.toUtf8();
    sendToCamera(idx, "ZVRSetPassword", "2", pading, cmdStatePassword);
}

void ZVRUtils::ZVRSyncTime(int idx)
{
    if (!cameraAt(idx, "ZVRSyncTime"))
        return;
    const QByteArray item =
        timeItem(qt4CountryNumber(QLocale::system().territory()), QDateTime::currentDateTime());
    lazyDebug().noquote() << "sync time:" << item.mid(3);
    sendToCamera(idx, "ZVRSyncTime", "2", item, -1);
}

void ZVRUtils::ZVRGetNetworkSetup(int idx)
{
    sendToCamera(idx, "ZVRGetNetworkSetup", "3", QByteArray(), cmdStateNetConfig);
}

void ZVRUtils::ZVRSetNetworkSetup(int idx, QByteArray setup)
{
    lazyDebug().noquote() << "send network configure cmd.";
    sendToCamera(idx, "ZVRSetNetworkSetup", "3", setup, cmdStateNetConfig);
}

void ZVRUtils::ZVRGetAPSearch(int idx)
{
    sendToCamera(idx, "ZVRGetAPSearch", "4", QByteArray(), cmdStateAPSearch);
}

void ZVRUtils::ZVRPingDevice(int idx)
{
    // A reply that cannot be read must not count as the last check's result.
    if (IPCamera *camera = cameraAt(idx, "ZVRPingDevice"))
        camera->pingOk.clear();
    sendToCamera(idx, "ZVRPingDevice", "8", QByteArray(";C=4;U=") + portal::host, cmdStatePing);
}

void ZVRUtils::ZVRRestartHttpSrv(int idx, QByteArray what)
{
    sendToCamera(idx, "ZVRRestartHttpSrv", "9", what, cmdStateRestart);
}

// ---------------------------------------------------------------- reading

ZVRUtils::SplitPayload ZVRUtils::splitPlain(const QByteArray &plain)
{
    int comma = -1;
    for (int i = 0; i < 6 && i < plain.size(); ++i)
        if (plain.at(i) == ',')
            comma = i;

    qsizetype bodyLength = 0;
    if (comma < 0) {
        comma = 0;
    } else {
        const QByteArrayView digits = QByteArrayView(plain).first(comma);
        bool allDigits = !digits.isEmpty();
        for (char c : digits)
            allDigits = allDigits && c >= '0' && c <= '9';
        if (allDigits)
            bodyLength = digits.toInt();
    }

    SplitPayload split;
    const qsizetype classPos = comma + 1;
    if (classPos < plain.size())
        split.zvrClass = plain.mid(classPos, 1);
    split.payload = plain.mid(classPos, bodyLength);
    return split;
}

void ZVRUtils::handleZVRresponse()
{
    lazyDebug().noquote() << "handleZVRresponse::Enter Handling recv Package.";
    // A flood must not hold the event loop (timers, input, painting): after
    // a slice the rest waits, still in arrival order, for the next readyRead.
    QElapsedTimer slice;
    slice.start();
    while (recvSocket.hasPendingDatagrams()) {
        const QByteArray datagram = recvSocket.receiveDatagram().data();
        lazyDebug().noquote() << "fetch data from socket. and size=" << datagram.size();
        handleDatagram(datagram);
        if (slice.elapsed() >= readSliceMs)
            break;
    }
}

void ZVRUtils::handleDatagram(const QByteArray &datagram)
{
    const int payloadLength = (byteAt(datagram, 0) << 8) | byteAt(datagram, 1);
    // The filter compares on the stack: most datagrams of a busy network
    // are for someone else.
    char dst[17];
    char dstUpper[17];
    writeMacText(datagram, 2, lowerDigits, dst);
    writeMacText(datagram, 2, upperDigits, dstUpper);
    lazyDebug().noquote() << QStringLiteral("Yes, got some package, the dst MAC = ")
                                 + QLatin1StringView(dst, 17);

    bool mine = false;
    for (const QString &host : std::as_const(host_mac_str))
        mine = mine || host == QLatin1StringView(dstUpper, 17);
    if (!mine) {
        lazyDebug().noquote() << "This package is not belong to me.";
        return;
    }
    if (payloadLength > maxPayload) {
        lazyDebug().noquote() << "dropped a reply with a payload of" << payloadLength << "bytes";
        return;
    }

    // Each byte without its top bit. Bytes the datagram lacks would read as
    // NUL, which is no symbol: only the bytes present count.
    const qsizetype present = qBound(qsizetype(0), datagram.size() - 14, qsizetype(payloadLength));
    const QByteArrayView scrambled =
        present > 0 ? QByteArrayView(datagram).sliced(14, present) : QByteArrayView();

    const SplitPayload split = splitPlain(descrambled(scrambled, 0x7f));
    dispatch(split.zvrClass, split.payload, QString::fromLatin1(dst, 17));
    lazyDebug().noquote() << "handleZVRresponse::Left Handling recv Package.";
}

void ZVRUtils::dispatch(const QByteArray &zvrClass, const QByteArray &payload,
                        const QString &dstMac)
{
    // A page emptied the list for a new search: nothing of it was acted on.
    if (IPCameraList.isEmpty() || IPCameraList.size() < knownSize)
        actedOn.clear();
    const QByteArray camera = replyCameraItem(payload).toByteArray().toUpper();
    const QByteArray reply = dstMac.toLatin1() + ' ' + payload;
    // Judged before the pages hear of earlier replies: copies come together,
    // and a command a page sends on the first must not let the next through.
    if (isRepeat(camera, reply)) {
        lazyDebug().noquote() << "a repeated reply, not acted on again.";
        return;
    }

    // Queued signals of earlier replies reach their pages before this one
    // changes any record.
    QCoreApplication::sendPostedEvents();

    const char c = zvrClass.isEmpty() ? '\0' : zvrClass.at(0);
    switch (c) {
    case '1': {
        const int idx = handleScanResponse(payload, dstMac);
        if (idx != -1) {
            lazyDebug().noquote() << "emit foundDevice()";
            emit foundDevice(idx);
        }
        break;
    }
    case '2': {
        const int idx = handlePasswordResponse(payload);
        if (idx != -1) {
            lazyDebug().noquote() << "emit gotPassword()";
            emit gotPassword(idx);
        }
        break;
    }
    case '3':
        if (handleNetConfigResponse(payload) == 0) {
            lazyDebug().noquote() << "emit gotNetworkConfig()";
            emit gotNetworkConfig();
        }
        break;
    case '4':
        if (handleAPsearchResponse(payload) == 0) {
            lazyDebug().noquote() << "emit gotAPnetwork()";
            emit gotAPnetwork();
        }
        break;
    case '8':
        if (handlePingResponse(payload) == 0) {
            lazyDebug().noquote() << "emit gotPingRsp()";
            emit gotPingRsp();
        }
        break;
    case '9': handleRestartResponse(payload); break;
    default: lazyDebug().noquote() << "Unknown ZVR class type:" << zvrClass; break;
    }
    noteActedOn(camera, reply);
}

bool ZVRUtils::isRepeat(const QByteArray &camera, const QByteArray &reply) const
{
    const auto it = actedOn.constFind(camera);
    return !camera.isEmpty() && it != actedOn.cend() && it->contains(reply);
}

void ZVRUtils::noteActedOn(const QByteArray &camera, const QByteArray &reply)
{
    if (camera.isEmpty())
        return;
    auto it = actedOn.find(camera);
    if (it == actedOn.end()) {
        // Made-up cameras cannot grow this past a bound; past it, replies
        // of further cameras act each time, as they would without it.
        if (actedOn.size() >= repeatCameras)
            return;
        it = actedOn.insert(camera, {});
    }
    if (it->size() >= repeatsPerCamera)
        it->removeFirst();
    it->append(reply);
}

void ZVRUtils::forgetReplies(const QString &cameraMac)
{
    actedOn.remove(cameraMac.toUpper().toUtf8());
}

// ---------------------------------------------------------------- reply handlers

void ZVRUtils::indexList()
{
    macIndex.clear();
    // Backwards, so that of equal addresses the first wins, as a walk would.
    for (int i = int(IPCameraList.size()) - 1; i >= 0; --i)
        macIndex.insert(IPCameraList.at(i).mac, i);
    indexCurrent = true;
}

int listedCameraIndex(const QString &mac)
{
    for (int i = 0; i < IPCameraList.size(); ++i) {
        if (IPCameraList.at(i).mac == mac)
            return i;
    }
    return -1;
}

int ZVRUtils::listedIndex(const QString &mac)
{
    // Only the scan handler appends, and it notes the size: a list of
    // another size was emptied (or cut) by a page since.
    if (IPCameraList.size() != knownSize) {
        knownSize = IPCameraList.size();
        indexCurrent = false;
    }
    // A few cameras: a walk costs less than hashing.
    if (knownSize <= walkLimit) {
        for (int i = 0; i < knownSize; ++i)
            if (IPCameraList.at(i).mac == mac)
                return i;
        return -1;
    }
    if (!indexCurrent)
        indexList();
    const int idx = macIndex.value(mac, -1);
    if (idx < 0 || IPCameraList.at(idx).mac == mac)
        return idx;
    // A record changed in place: look again from scratch.
    indexList();
    return macIndex.value(mac, -1);
}

void ZVRUtils::noteListFull()
{
    // One line when the list fills, then one at 10, 100, 1000... refusals:
    // a flood costs a handful of lines, and the count still shows.
    ++refusedFull;
    if (refusedFull == 1)
        lazyDebug().noquote() << "camera list full:" << int(maxCameras)
                              << "cameras listed, further cameras are not listed.";
    else if (isPowerOfTen(refusedFull))
        lazyDebug().noquote() << "camera list full:" << refusedFull << "cameras not listed.";
}

QByteArrayView ZVRUtils::replyCameraItem(const QByteArray &payload)
{
    const qsizetype m = payload.indexOf("M=");
    if (m < 0)
        return QByteArrayView();
    return QByteArrayView(payload).sliced(m + 2).first(qMin(qsizetype(17), payload.size() - m - 2));
}

int ZVRUtils::findReplyCamera(const QByteArray &payload, const char *handler)
{
    if (!payload.contains("M=")) {
        lazyDebug().noquote() << QString::fromLatin1(handler)
                                     + QStringLiteral(", bad password msg.");
        return -1;
    }
    const QString replyMac = QString::fromUtf8(replyCameraItem(payload));
    lazyDebug().noquote() << QString::fromLatin1(handler) + QStringLiteral(", ") + QLatin1Char('"')
                                 + QString::fromUtf8(logText(payload)) + QLatin1Char('"');
    return listedIndex(replyMac);
}

int ZVRUtils::handleScanResponse(QByteArray payload, QString dstMac)
{
    const IPCamera record(payload, dstMac);
    lazyDebug().noquote() << ('"' + logText(payload) + '"');

    if (record.ip == QLatin1String("192.168.0.20"))
        defaultIpSeen = true;

    const int known = listedIndex(record.mac);
    if (known >= 0) {
        lazyDebug().noquote() << "duplicate Mac address, just update the information!";
        IPCameraList[known].updateScanInfo(record);
        return known;
    }

    bool refused = false;
    if (record.mac == broadcastMac || record.mac.isEmpty()) {
        lazyDebug().noquote() << "handleScanResponse:: MAC_Addr =" << record.mac;
        refused = true;
    } else if (!isHardwareAddress(record.mac)) {
        // Not logged: the text is whatever the sender made up.
        lazyDebug().noquote() << "handleScanResponse:: M item is no hardware address.";
        refused = true;
    }
    if (supportType != QLatin1String("ALL") && supportType != QString::fromUtf8(record.model)) {
        lazyDebug().noquote() << "unsupport device!";
        refused = true;
    }
    if (!refused && IPCameraList.size() >= maxCameras) {
        noteListFull();
        return -1;
    }
    if (!refused) {
        refusedFull = 0;
        IPCameraList.append(record);
        const int idx = int(IPCameraList.size()) - 1;
        knownSize = IPCameraList.size();
        if (indexCurrent)
            macIndex.insert(record.mac, idx);
        if (broadcastScan)
            ZVRGetPassword(idx);
        return idx;
    }
    lazyDebug().noquote() << "not a new device!";
    return -1;
}

int ZVRUtils::handlePasswordResponse(QByteArray payload)
{
    const int idx = findReplyCamera(payload, "ZVRUtils::handlePasswordResponse");
    if (idx < 0)
        return -1;
    IPCamera &camera = IPCameraList[idx];
    camera.cmdState = cmdStatePasswordSeen;
    camera.setPassword(payload);
    return idx;
}

int ZVRUtils::handleNetConfigResponse(QByteArray payload)
{
    const int idx = findReplyCamera(payload, "ZVRUtils::handleNetConfigResponse");
    if (idx < 0)
        return -1;
    IPCamera &camera = IPCameraList[idx];
    camera.cmdState = cmdStateIdle;
    camera.net.setNetworkConfig(payload);
    lazyDebug().noquote() << "get network parameter:" << ('"' + camera.net.Static_IP + '"');
    return 0;
}

int ZVRUtils::handleAPsearchResponse(QByteArray payload)
{
    const int idx = findReplyCamera(payload, "ZVRUtils::handleAPsearchResponse");
    if (idx < 0)
        return -1;
    IPCamera &camera = IPCameraList[idx];
    if (camera.cmdState != cmdStateAPSearch) {
        lazyDebug().noquote() << "I don't send AP search cmd:" << camera.cmdState;
        return -1;
    }
    camera.cmdState = cmdStateIdle;
    camera.apReplies += 1;
    camera.aps.setAPConfig(payload);
    return 0;
}

int ZVRUtils::handlePingResponse(QByteArray payload)
{
    const int idx = findReplyCamera(payload, "ZVRUtils::handlePingResponse");
    if (idx < 0)
        return -1;
    IPCamera &camera = IPCameraList[idx];
    camera.cmdState = cmdStateIdle;
    camera.getPingResult(payload);
    return 0;
}

int ZVRUtils::handleRestartResponse(QByteArray payload)
{
    const int idx = findReplyCamera(payload, "ZVRUtils::handleRestartResponse");
    if (idx < 0)
        return -1;
    IPCameraList[idx].cmdState = cmdStateIdle;
    return 0;
}
