#include "protocol/ipcamera.h"

#include <QDebug>
#include <QMutexLocker>

QList<IPCamera> IPCameraList;
QMutex apLock;

namespace {

struct CameraItem
{
    char key;  // 0 when the text before "=" is empty
    QByteArray value;
};

// Items of a scan reply or info record: the key is the first character of
// the text before the first "=", the value runs to the next "=" (which only
// cuts off base64 pad symbols).
QList<CameraItem> cameraItems(const QByteArray &payload)
{
    QList<CameraItem> items;
    const QList<QByteArray> parts = payload.split(';');
    for (const QByteArray &part : parts) {
        const qsizetype eq = part.indexOf('=');
        if (eq < 0)
            continue;
        const qsizetype end = part.indexOf('=', eq + 1);
        CameraItem item;
        item.key = eq == 0 ? 0 : part.at(0);
        item.value = part.mid(eq + 1, end < 0 ? -1 : end - eq - 1);
        items.append(item);
    }
    return items;
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
    const QList<QByteArray> parts = payload.split(';');
    for (const QByteArray &part : parts) {
        const int eq = part.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = part.left(eq);
        const QByteArray value = part.mid(eq + 1);
        if (key == "M") {
            Camera_MAC = value;
            continue;
        }
        if (key == "D") {
            Camera_model = value;
            continue;
        }
        bool isNumber = !key.isEmpty() && key.size() <= 2;
        for (char c : key)
            isNumber = isNumber && c >= '0' && c <= '9';
        QByteArray *target = isNumber ? field(key.toInt()) : nullptr;
        if (target)
            *target = value;
        else
            qDebug().noquote() << "unknow parameter in network configuration:"
                               << ('"' + key + '"');
    }
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
    const QList<QByteArray> pieces = payload.split(',');
    count = 0;
    for (QList<QByteArray> *list :
         {&apField0, &apField1, &ssidList, &apField3, &apField4, &apField5, &apField6})
        list->clear();

    for (int i = 1; i < pieces.size(); ++i) {
        const QList<QByteArray> fields = pieces.at(i).split(';');
        if (fields.size() < 7) {
            apField0.append("Unknown");
            apField1.append("0");
            ssidList.append("XXXXXXX");
            apField3.append("Unknown");
            apField4.append("Unknown");
            apField5.append("Unknown");
            apField6.append("Unknown");
            continue;
        }
        apField0.append(fields.at(0));
        apField1.append(fields.at(1));
        ssidList.append(QByteArray::fromBase64(fields.at(2)));
        apField3.append(fields.at(3));
        apField4.append(fields.at(4));
        apField5.append(fields.at(5));
        apField6.append(fields.at(6));
    }
    count = int(pieces.size()) - 1;
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
    const QList<CameraItem> items = cameraItems(scanPayload);
    for (const CameraItem &item : items) {
        switch (item.key) {
        case 'M': mac = QString::fromUtf8(item.value); break;
        case 'D': model = item.value; break;
        case 'N': nameB64 = item.value; break;
        case 'I': ip = QString::fromUtf8(item.value); break;
        case 'G': registered = item.value; break;
        case 'C': ipMode = item.value; break;
        case 'W': wireless = item.value; break;
        case 'V': keyV = item.value; break;
        default: qDebug().noquote() << "IPCamera::IPCamera, no such parameter."; break;
        }
    }
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
    const QList<CameraItem> items = cameraItems(infoPayload);
    for (const CameraItem &item : items) {
        switch (item.key) {
        case 'M': mac = QString::fromUtf8(item.value); break;
        case 'D': model = item.value; break;
        case 'N': nameB64 = item.value; break;
        case 'G': registered = item.value; break;
        case 'C': keyC = item.value; break;
        case 'E': keyE = item.value; break;
        case 'O': keyO = item.value; break;
        case 'P': password = QByteArray::fromBase64(item.value); break;
        case 'R': keyR = item.value; break;
        case 'U': {
            const int dot = item.value.indexOf('.');
            deviceNo = dot < 0 ? QByteArray() : item.value.left(dot);
            uTail = dot < 0 ? QByteArray() : item.value.mid(dot + 1);
            break;
        }
        case 'W': portalBaseUrl = item.value; break;
        case 'Y': dfp = item.value; break;
        default:
            qDebug().noquote() << "IPCamera::getPassword, no such parameter:"
                               << ('"' + keyText(item.key) + '"');
            break;
        }
    }
}

void IPCamera::getPingResult(QByteArray pingPayload)
{
    const QList<QByteArray> items = pingPayload.split(';');
    if (items.size() < 4) {
        qDebug().noquote() << "IPCamera::getPingResult, parse message error! not 9 parameter.";
        return;
    }
    const QByteArray value = items.at(3).mid(2);
    pingOk = value == "0" ? QByteArray("0") : QByteArray("1");
    qDebug().noquote() << ('"' + pingOk + '"') << "<=>" << items.at(3) << ":" << items.at(2);
}
