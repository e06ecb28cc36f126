#include "protocol/ipcamera.h"

#include "protocol/lazydebug.h"
#include "protocol/zvrutils.h"

#include <QDebug>
#include <QMutexLocker>

QList<IPCamera> IPCameraList;
QMutex apLock;

namespace {

// The parts of a reply between separators, in order, as views into it: the
// reader takes every reply through here, and a list of copies would cost
// more than the reply.
template <class Visit> void forEachPart(QByteArrayView text, char separator, Visit visit)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype next = text.indexOf(separator, start);
        const qsizetype stop = next < 0 ? text.size() : next;
        visit(text.sliced(start, stop - start));
        if (next < 0)
            return;
        start = next + 1;
    }
}

// Items of a scan reply or info record, handed to visit(key, value): the key
// is the first character of the text before the first "=" (0 when that text
// is empty), the value runs to the next "=" (which only cuts off base64 pad
// symbols). A part without "=" is no item.
template <class Visit> void forEachCameraItem(const QByteArray &payload, Visit visit)
{
    forEachPart(payload, ';', [&visit](QByteArrayView part) {
        const qsizetype eq = part.indexOf('=');
        if (eq < 0)
            return;
        const qsizetype end = part.indexOf('=', eq + 1);
        visit(eq == 0 ? char(0) : part.at(0),
              end < 0 ? part.sliced(eq + 1) : part.sliced(eq + 1, end - eq - 1));
    });
}

QByteArray keyText(char key)
{
    return key ? QByteArray(1, key) : QByteArray();
}

}  // namespace

// ---------------------------------------------------------------- networkConfig

networkConfig::networkConfig() : QObject(nullptr) {}

networkConfig::networkConfig(const networkConfig &other) : QObject(nullptr)
{
    copyFrom(other);
}

networkConfig &networkConfig::operator=(const networkConfig &other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

networkConfig::~networkConfig() = default;

void networkConfig::copyFrom(const networkConfig &other)
{
    Camera_MAC = other.Camera_MAC;
    Camera_model = other.Camera_model;
    for (int key = 0; key < keyCount; ++key)
        *field(key) = *other.field(key);
}

QByteArray *networkConfig::field(int key)
{
    return const_cast<QByteArray *>(static_cast<const networkConfig *>(this)->field(key));
}

const QByteArray *networkConfig::field(int key) const
{
    static QByteArray networkConfig::*const fields[keyCount] = {
        &networkConfig::DHCP_enable,      &networkConfig::Static_IP,
        &networkConfig::Static_netmask,   &networkConfig::Static_gateway,
        &networkConfig::Static_DNS1,      &networkConfig::Static_DNS2,
        &networkConfig::PPPoE_enable,     &networkConfig::PPPoE_user,
        &networkConfig::PPPoE_password,   &networkConfig::Wireless_enable,
        &networkConfig::Wireless_param10, &networkConfig::Wireless_SSID,
        &networkConfig::Wireless_param12, &networkConfig::Param_13,
        &networkConfig::Wireless_param14, &networkConfig::Wireless_param15,
        &networkConfig::Wireless_param16, &networkConfig::Param_17,
        &networkConfig::Wireless_key,     &networkConfig::Param_19,
        &networkConfig::Param_20,         &networkConfig::Param_21,
        &networkConfig::Param_22,         &networkConfig::Current_IP,
        &networkConfig::Current_netmask,  &networkConfig::Current_gateway,
        &networkConfig::Current_DNS1,     &networkConfig::Current_DNS2,
        &networkConfig::Param_28,         &networkConfig::Param_29,
    };
    if (key < 0 || key >= keyCount)
        return nullptr;
    return &(this->*fields[key]);
}

void networkConfig::setNetworkConfig(QByteArray payload)
{
    forEachPart(payload, ';', [this](QByteArrayView part) {
        const qsizetype eq = part.indexOf('=');
        if (eq < 0)
            return;
        const QByteArrayView key = part.first(eq);
        const QByteArrayView value = part.sliced(eq + 1);
        if (key == "M") {
            Camera_MAC = value.toByteArray();
            return;
        }
        if (key == "D") {
            Camera_model = value.toByteArray();
            return;
        }
        bool isNumber = !key.isEmpty() && key.size() <= 2;
        int number = 0;
        for (qsizetype i = 0; isNumber && i < key.size(); ++i) {
            isNumber = key.at(i) >= '0' && key.at(i) <= '9';
            number = number * 10 + (key.at(i) - '0');
        }
        QByteArray *target = isNumber ? field(number) : nullptr;
        if (target)
            *target = value.toByteArray();
        else
            lazyDebug().noquote() << "unknow parameter in network configuration:"
                                  << ('"' + key.toByteArray() + '"');
    });
}

bool networkConfig::getNetworkType() const
{
    return Wireless_enable == "1";
}

// ---------------------------------------------------------------- APSearchResult

APSearchResult::APSearchResult() : QObject(nullptr) {}

APSearchResult::APSearchResult(const APSearchResult &other) : QObject(nullptr)
{
    copyFrom(other);
}

APSearchResult &APSearchResult::operator=(const APSearchResult &other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

APSearchResult::~APSearchResult() = default;

void APSearchResult::copyFrom(const APSearchResult &other)
{
    count = other.count;
    apField0 = other.apField0;
    apField1 = other.apField1;
    ssidList = other.ssidList;
    apField3 = other.apField3;
    apField4 = other.apField4;
    apField5 = other.apField5;
    apField6 = other.apField6;
}

void APSearchResult::setAPConfig(QByteArray payload)
{
    QMutexLocker locker(&apLock);
    count = 0;
    for (QList<QByteArray> *list :
         {&apField0, &apField1, &ssidList, &apField3, &apField4, &apField5, &apField6})
        list->clear();

    // The text before the first "," is the reply's head; each "," begins a
    // network of seven fields.
    bool head = true;
    forEachPart(payload, ',', [this, &head](QByteArrayView piece) {
        if (head) {
            head = false;
            return;
        }
        ++count;
        QByteArrayView fields[7];
        int n = 0;
        forEachPart(piece, ';', [&fields, &n](QByteArrayView f) {
            if (n < 7)
                fields[n] = f;
            ++n;
        });
        if (n < 7) {
            apField0.append("Unknown");
            apField1.append("0");
            ssidList.append("XXXXXXX");
            apField3.append("Unknown");
            apField4.append("Unknown");
            apField5.append("Unknown");
            apField6.append("Unknown");
            return;
        }
        apField0.append(fields[0].toByteArray());
        apField1.append(fields[1].toByteArray());
        ssidList.append(QByteArray::fromBase64(fields[2].toByteArray()));
        apField3.append(fields[3].toByteArray());
        apField4.append(fields[4].toByteArray());
        apField5.append(fields[5].toByteArray());
        apField6.append(fields[6].toByteArray());
    });
}

QByteArray APSearchResult::getSSID(int i) const
{
    if (i < 0 || i >= ssidList.size())
        return QByteArray();
    return ssidList.at(i);
}

// ---------------------------------------------------------------- IPCamera

IPCamera::IPCamera() : QObject(nullptr) {}

IPCamera::IPCamera(QByteArray scanPayload, QString hostMacText) : QObject(nullptr)
{
    forEachCameraItem(scanPayload, [this](char key, QByteArrayView value) {
        switch (key) {
        case 'M': mac = QString::fromUtf8(value); break;
        case 'D': model = value.toByteArray(); break;
        case 'N': nameB64 = value.toByteArray(); break;
        case 'I': ip = QString::fromUtf8(value); break;
        case 'G': registered = value.toByteArray(); break;
        case 'C': ipMode = value.toByteArray(); break;
        case 'W': wireless = value.toByteArray(); break;
        case 'V': keyV = value.toByteArray(); break;
        default: lazyDebug().noquote() << "IPCamera::IPCamera, no such parameter."; break;
        }
    });
    hostMac = hostMacText;
}

IPCamera::IPCamera(const IPCamera &other) : QObject(nullptr)
{
    copyFrom(other);
}

IPCamera &IPCamera::operator=(const IPCamera &other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

IPCamera::~IPCamera() = default;

void IPCamera::copyFrom(const IPCamera &other)
{
    mac = other.mac;
    hostMac = other.hostMac;
    model = other.model;
    nameB64 = other.nameB64;
    ip = other.ip;
    registered = other.registered;
    ipMode = other.ipMode;
    wireless = other.wireless;
    keyV = other.keyV;
    password = other.password;
    keyE = other.keyE;
    keyR = other.keyR;
    keyC = other.keyC;
    uTail = other.uTail;
    deviceNo = other.deviceNo;
    keyO = other.keyO;
    portalBaseUrl = other.portalBaseUrl;
    dfp = other.dfp;
    pingOk = other.pingOk;
    cmdState = other.cmdState;
    apReplies = other.apReplies;
    net = other.net;
    aps = other.aps;
}

void IPCamera::updateScanInfo(IPCamera fresh)
{
    model = fresh.model;
    nameB64 = fresh.nameB64;
    ip = fresh.ip;
    registered = fresh.registered;
    ipMode = fresh.ipMode;
    wireless = fresh.wireless;
    keyV = fresh.keyV;
}

void IPCamera::setPassword(QByteArray infoPayload)
{
    forEachCameraItem(infoPayload, [this](char key, QByteArrayView value) {
        switch (key) {
        case 'M': {
            // The engine matched the reply by the address's first 17
            // characters; whatever follows them is not the camera's address.
            const QString text = QString::fromUtf8(value);
            if (ZVRUtils::isHardwareAddress(text))
                mac = text;
            break;
        }
        case 'D': model = value.toByteArray(); break;
        case 'N': nameB64 = value.toByteArray(); break;
        case 'G': registered = value.toByteArray(); break;
        case 'C': keyC = value.toByteArray(); break;
        case 'E': keyE = value.toByteArray(); break;
        case 'O': keyO = value.toByteArray(); break;
        case 'P': password = QByteArray::fromBase64(value.toByteArray()); break;
        case 'R': keyR = value.toByteArray(); break;
        case 'U': {
            const qsizetype dot = value.indexOf('.');
            deviceNo = dot < 0 ? QByteArray() : value.first(dot).toByteArray();
            uTail = dot < 0 ? QByteArray() : value.sliced(dot + 1).toByteArray();
            break;
        }
        case 'W': portalBaseUrl = value.toByteArray(); break;
        case 'Y': dfp = value.toByteArray(); break;
        default:
            lazyDebug().noquote() << "IPCamera::getPassword, no such parameter:"
                                  << ('"' + keyText(key) + '"');
            break;
        }
    });
}

void IPCamera::getPingResult(QByteArray pingPayload)
{
    const QList<QByteArray> items = pingPayload.split(';');
    if (items.size() < 4) {
        lazyDebug().noquote() << "IPCamera::getPingResult, parse message error! not 9 parameter.";
        return;
    }
    const QByteArray value = items.at(3).mid(2);
    pingOk = value == "0" ? QByteArray("0") : QByteArray("1");
    lazyDebug().noquote() << ('"' + pingOk + '"') << "<=>" << items.at(3) << ":" << items.at(2);
}
