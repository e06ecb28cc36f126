#ifndef CAMGUIDE_IPCAMERA_H
#define CAMGUIDE_IPCAMERA_H

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

// What the engine last asked a camera and whether the answer came.
enum CmdState {
    cmdStateIdle = 0,
    cmdStatePassword = 2,
    cmdStateNetConfig = 3,
    cmdStateAPSearch = 4,
    cmdStatePing = 7,
    cmdStateRestart = 8,
    cmdStatePasswordSeen = 9
};

// A camera's network settings, as text values under the numeric keys the
// camera uses in its network setup (0 to 29).
class networkConfig : private QObject
{
    Q_OBJECT

public:
    enum { keyCount = 30 };

    networkConfig();
    networkConfig(const networkConfig &other);
    networkConfig &operator=(const networkConfig &other);
    ~networkConfig() override;

    void setNetworkConfig(QByteArray payload);
    bool getNetworkType() const;

    // The field stored under a numeric key; nullptr outside 0..29.
    QByteArray *field(int key);
    const QByteArray *field(int key) const;

    QByteArray Camera_MAC;
    QByteArray Camera_model;
    QByteArray DHCP_enable;       // 0
    QByteArray Static_IP;         // 1
    QByteArray Static_netmask;    // 2
    QByteArray Static_gateway;    // 3
    QByteArray Static_DNS1;       // 4
    QByteArray Static_DNS2;       // 5
    QByteArray PPPoE_enable;      // 6
    QByteArray PPPoE_user;        // 7
    QByteArray PPPoE_password;    // 8, base64
    QByteArray Wireless_enable;   // 9
    QByteArray Wireless_param10;  // 10
    QByteArray Wireless_SSID;     // 11, base64
    QByteArray Wireless_param12;  // 12
    QByteArray Param_13;          // 13
    QByteArray Wireless_param14;  // 14
    QByteArray Wireless_param15;  // 15
    QByteArray Wireless_param16;  // 16
    QByteArray Param_17;          // 17
    QByteArray Wireless_key;      // 18, base64
    QByteArray Param_19;          // 19
    QByteArray Param_20;          // 20
    QByteArray Param_21;          // 21
    QByteArray Param_22;          // 22
    QByteArray Current_IP;        // 23
    QByteArray Current_netmask;   // 24
    QByteArray Current_gateway;   // 25
    QByteArray Current_DNS1;      // 26
    QByteArray Current_DNS2;      // 27
    QByteArray Param_28;          // 28
    QByteArray Param_29;          // 29

private:
    void copyFrom(const networkConfig &other);
};

// The wireless networks a camera reported: seven parallel lists, one entry
// per network, in reply order. Guarded by apLock.
class APSearchResult : private QObject
{
    Q_OBJECT

public:
    APSearchResult();
    APSearchResult(const APSearchResult &other);
    APSearchResult &operator=(const APSearchResult &other);
    ~APSearchResult() override;

    void setAPConfig(QByteArray payload);
    QByteArray getSSID(int i) const;

    int count = 0;
    QList<QByteArray> apField0;
    QList<QByteArray> apField1;
    QList<QByteArray> ssidList;  // decoded network names
    QList<QByteArray> apField3;
    QList<QByteArray> apField4;
    QList<QByteArray> apField5;
    QList<QByteArray> apField6;

private:
    void copyFrom(const APSearchResult &other);
};

// One camera found on the network. Filled only from the camera's replies.
class IPCamera : private QObject
{
    Q_OBJECT

public:
    IPCamera();
    IPCamera(QByteArray scanPayload, QString hostMacText);
    IPCamera(const IPCamera &other);
    IPCamera &operator=(const IPCamera &other);
    ~IPCamera() override;

    void updateScanInfo(IPCamera fresh);
    void setPassword(QByteArray infoPayload);
    void getPingResult(QByteArray pingPayload);

    QString mac;
    QString hostMac;
    QByteArray model;
    QByteArray nameB64;
    QString ip;
    QByteArray registered;
    QByteArray ipMode;
    QByteArray wireless;
    QByteArray keyV;
    QByteArray password;
    QByteArray keyE;
    QByteArray keyR;
    QByteArray keyC;
    QByteArray uTail;
    QByteArray deviceNo;
    QByteArray keyO;
    QByteArray portalBaseUrl;
    QByteArray dfp;
    QByteArray pingOk;
    int cmdState = cmdStateIdle;
    int apReplies = 0;
    networkConfig net;
    APSearchResult aps;

private:
    void copyFrom(const IPCamera &other);
};

// The cameras found on the network, in the order they were found.
extern QList<IPCamera> IPCameraList;
// Guards every camera's wireless lists.
extern QMutex apLock;

#endif
