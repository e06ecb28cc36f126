#ifndef CAMGUIDE_ZVRUTILS_H
#define CAMGUIDE_ZVRUTILS_H

#include <QAbstractSocket>
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUdpSocket>

#include "protocol/hostaddress.h"

#include <functional>
#include <memory>
#include <vector>

class IPCamera;

// The ZVR protocol engine: one command per thing the pages ask of a camera,
// and the reader that files the cameras' replies into IPCameraList.
class ZVRUtils : public QObject
{
    Q_OBJECT

public:
    enum : quint16 { zvrPort = 5978 };
    // The scrambled payload never exceeds this, in either direction.
    enum { maxPayload = 1500 };
    // The most cameras one search lists: more than a /24 network can hold
    // besides the computer. A host that makes up scan replies cannot grow
    // the list (and the info requests each new camera costs) past it.
    enum { maxCameras = 256 };
    // How long one readyRead may keep reading before the event loop runs
    // again; the socket signals again for what is still pending.
    enum { readSliceMs = 20 };

    ZVRUtils();
    ~ZVRUtils() override;

    bool bindPort(int port);

    // Where commands go; the broadcast address and the protocol port unless
    // a test points the engine at a loopback peer.
    void setCommandTarget(const QHostAddress &address, quint16 port);
    QHostAddress commandAddress() const { return targetAddress; }
    quint16 commandPort() const { return targetPort; }

    // The computer's interfaces as a search read them. From then on a
    // command whose source address is one of theirs leaves through that
    // interface, from a socket bound to its IPv4 address: the system's route
    // for the broadcast address would pick one interface for all. Other
    // commands go out as the route picks.
    void setHostLinks(const QList<hostLink> &links);
    // Run on each interface's socket once it is bound, with the interface's
    // index: where a bound address alone does not choose the interface of a
    // limited broadcast, the platform makes the socket do so. False leaves
    // that interface to the system's route.
    using linkBinder = std::function<bool(qintptr descriptor, int interfaceIndex)>;
    void setLinkBinder(linkBinder binder) { bindLink = std::move(binder); }

    void ZVRScanDevice(QString srcMac, QString d, QString dstMac);
    void ZVRGetPassword(int idx);
    void ZVRSetPassword(int idx, QString password, QString registered);
    void ZVRSyncTime(int idx);
    void ZVRGetNetworkSetup(int idx);
    void ZVRSetNetworkSetup(int idx, QByteArray setup);
    void ZVRGetAPSearch(int idx);
    void ZVRPingDevice(int idx);
    void ZVRRestartHttpSrv(int idx, QByteArray what);

    void composeZVRMessage(QByteArray zvrClass, QString srcMac, QString dstMac, QHostAddress addr,
                           QString d, QByteArray pading);

    static QByteArray encrypt(const QByteArray &plain);
    static QByteArray decrypt(const QByteArray &scrambled);

    // The whole datagram of a command, or an empty array when its scrambled
    // payload would exceed maxPayload.
    static QByteArray composeDatagram(const QByteArray &zvrClass, const QString &srcMac,
                                      const QString &dstMac, const QString &d,
                                      const QByteArray &pading);
    // Whether a command with these items stays within maxPayload.
    static bool fitsDatagram(const QByteArray &zvrClass, const QString &dstMac, const QString &d,
                             const QByteArray &pading);
    // The six bytes of an address text; a missing or bad pair gives 0.
    static QByteArray macBytes(const QString &macText);
    // Lower-case "xx:xx:xx:xx:xx:xx" text of six address bytes.
    static QString macText(const QByteArray &bytes);
    // Six hexadecimal pairs joined by ":", in either case.
    static bool isHardwareAddress(QStringView text);

    struct SplitPayload {
        QByteArray zvrClass;  // empty when the plain text ends before it
        QByteArray payload;   // begins with the class digit
    };
    static SplitPayload splitPlain(const QByteArray &plain);

    // A payload as it may appear in the log: passwords and keys masked.
    static QByteArray maskSecrets(const QByteArray &payload);
    // A received payload as a log line may hold it: secrets masked, and
    // control bytes written as \xNN so a camera cannot forge or break lines.
    static QByteArray logText(const QByteArray &payload);

    static QByteArray timeItem(int qt4Country, const QDateTime &localTime);

    static const QByteArray restartHttpServer;
    static const QByteArray restartNetwork;
    static const QString broadcastMac;

    bool defaultIpSeen = false;
    bool broadcastScan = false;
    QUdpSocket sendSocket;
    QUdpSocket recvSocket;

signals:
    void foundDevice(int idx);
    void gotPassword(int idx);
    void gotNetworkConfig();
    void gotAPnetwork();
    void gotPingRsp();

public slots:
    void handleZVRresponse();
    void handleSocketError(QAbstractSocket::SocketError socketError);

public:
    // Reply handlers; the payload begins with the class digit.
    int handleScanResponse(QByteArray payload, QString dstMac);
    int handlePasswordResponse(QByteArray payload);
    int handleNetConfigResponse(QByteArray payload);
    int handleAPsearchResponse(QByteArray payload);
    int handlePingResponse(QByteArray payload);
    int handleRestartResponse(QByteArray payload);

    // Filter, descramble, split and dispatch one datagram as it came off
    // the receive socket.
    void handleDatagram(const QByteArray &datagram);

private:
    // The listed camera a command is for; nullptr (and a log line) when
    // the index is outside the list.
    IPCamera *cameraAt(int idx, const char *command);
    // newState: the command state written before sending, -1 to keep it.
    void sendToCamera(int idx, const char *command, const QByteArray &zvrClass,
                      const QByteArray &pading, int newState);
    // The camera address a reply names: up to 17 characters after its first
    // "M="; empty without one.
    static QByteArrayView replyCameraItem(const QByteArray &payload);
    int findReplyCamera(const QByteArray &payload, const char *handler);
    // Index of the first listed camera with exactly this address, or -1.
    int listedIndex(const QString &mac);
    enum { walkLimit = 16 };
    void indexList();
    void noteListFull();
    void dispatch(const QByteArray &zvrClass, const QByteArray &payload, const QString &dstMac);
    void send(const QByteArray &datagram, const QString &srcMac, const QHostAddress &addr);
    struct linkSocket;
    // The socket of the interface with this hardware address, either case.
    const linkSocket *linkSocketFor(const QString &srcMac) const;
    // A reply identical to one already acted on since its camera was last
    // sent a command is dropped: a computer with two links on one network
    // receives each reply twice, at once. The same answer after a command
    // since (a setup answer after the restart the first one led to) acts.
    bool isRepeat(const QByteArray &camera, const QByteArray &reply) const;
    void noteActedOn(const QByteArray &camera, const QByteArray &reply);
    void forgetReplies(const QString &cameraMac);
    enum { repeatCameras = 2 * maxCameras, repeatsPerCamera = 16 };

    QHostAddress targetAddress;
    quint16 targetPort = zvrPort;

    struct linkSocket {
        QString hardwareAddress;
        QString name;
        std::unique_ptr<QUdpSocket> socket;
    };
    std::vector<linkSocket> linkSockets;
    linkBinder bindLink;

    // Camera address (upper case) -> replies acted on (host address, a
    // blank, payload) since its last command.
    QHash<QByteArray, QList<QByteArray>> actedOn;

    // Address -> index into IPCameraList, built when the list first grows
    // past walkLimit and kept up by the scan handler. Pages empty the list
    // for a new search; the engine notices by the list's size (knownSize,
    // the size it last saw) and builds the index again.
    QHash<QString, int> macIndex;
    bool indexCurrent = false;
    qsizetype knownSize = 0;
    // New cameras refused since the list last took one.
    qint64 refusedFull = 0;
};

// The one protocol engine, created by the start-up.
extern ZVRUtils *zvrTools;
// The camera model this copy serves, or "ALL".
extern QString supportType;
// Hardware address texts of the computer's interfaces.
extern QStringList host_mac_str;

// Index of the first camera of IPCameraList with exactly this address
// (case counts), or -1.
int listedCameraIndex(const QString &mac);

#endif
