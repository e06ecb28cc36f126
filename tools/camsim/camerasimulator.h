#ifndef CAMSIM_CAMERASIMULATOR_H
#define CAMSIM_CAMERASIMULATOR_H

#include "tools/camsim/simconfig.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QPair>
#include <QTimer>
#include <QUdpSocket>

Q_DECLARE_LOGGING_CATEGORY(lcCamsim)

namespace camsim {

// One command as a camera (or every camera, for a broadcast scan) took it.
struct CommandRecord {
    QDateTime time;  // UTC
    QString camera;  // the M item in lower case
    QByteArray zvrClass;
    QByteArray plain;                            // the whole plain payload, nothing masked
    QList<QPair<QByteArray, QByteArray>> items;  // after the class digit, in order
    QString srcMac;                              // header addresses
    QString dstMac;
    QHostAddress from;
    quint16 fromPort = 0;
    int answers = 0;   // replies sent or scheduled for it
    QByteArray reply;  // plain reply of a single camera; empty when none

    bool hasItem(const QByteArray &key) const;
    // The last value given for a key.
    QByteArray item(const QByteArray &key) const;
    QJsonObject toJson() const;
};

// A UDP peer that answers ZVR commands as the cameras it holds would.
class CameraSimulator : public QObject
{
    Q_OBJECT

public:
    explicit CameraSimulator(QObject *parent = nullptr);
    ~CameraSimulator() override;

    // Takes the cameras and the reply settings; the bind address and port
    // are given to listen().
    void configure(const SimConfig &config);
    bool addCamera(const SimCamera &camera);
    int cameraCount() const { return int(cams.size()); }
    SimCamera &camera(int i) { return cams[i]; }
    // nullptr when no camera has this address (compared case-insensitively).
    SimCamera *findCamera(const QString &mac);

    // 0 = the reply port the configuration gave (5978 by default).
    void setReplyPort(quint16 port) { replyPort = port; }
    // Null: reply to the command's sender.
    bool setReplyAddress(const QHostAddress &address);
    // Replies sent per event-loop turn; 0 sends each reply at once.
    void setPaceChunk(int chunk) { paceChunk = chunk; }
    // Each reply goes out this many times, as a computer with several links
    // on one LAN hears it (1 to maxReplyCopies).
    void setReplyCopies(int copies) { replyCopies = qBound(1, copies, maxReplyCopies); }
    bool setLogFile(const QString &path);

    bool listen(const QHostAddress &address, quint16 port);
    void close();
    QHostAddress address() const { return socket.localAddress(); }
    quint16 port() const { return socket.localPort(); }
    QString errorString() const { return lastError; }

    const QList<CommandRecord> &commands() const { return log; }
    QList<CommandRecord> commandsFor(const QString &mac,
                                     const QByteArray &zvrClass = QByteArray()) const;
    void clearCommands() { log.clear(); }

    int ignoredCount() const { return ignored; }    // own or foreign datagrams
    int rejectedCount() const { return rejected; }  // datagrams that do not parse
    int repliesSent() const { return sent; }        // datagrams, every copy counted
    int sendErrors() const { return sendFailures; }

    // Takes a datagram as if it had come in on the socket.
    void handleDatagram(const QByteArray &datagram, const QHostAddress &from, quint16 fromPort);

    // The plain reply a camera gives to a command of a class, from its
    // present state.
    static QByteArray replyBody(const SimCamera &camera, char zvrClass);
    // A whole reply datagram: header addresses, then the scrambled payload.
    static QByteArray replyDatagram(const QByteArray &dstMacBytes, const SimCamera &camera,
                                    const QByteArray &body);

signals:
    void commandReceived(int index);  // index into commands()
    void datagramRejected(const QString &reason);

private slots:
    void readPending();
    void flushQueue();

private:
    struct Outgoing {
        QByteArray datagram;
        QHostAddress to;
        quint16 port;
    };

    void reject(const QString &reason, const QHostAddress &from, quint16 fromPort);
    // Acts on a command for one camera; false when the class is unknown.
    bool apply(SimCamera &camera, const CommandRecord &cmd);
    void answer(const SimCamera &camera, const CommandRecord &cmd, const QByteArray &srcMacBytes,
                const QHostAddress &to, quint16 toPort);
    void dispatch(const Outgoing &out);
    void send(const Outgoing &out);
    void record(CommandRecord &cmd);
    void writeLog(const QJsonObject &line);

    QUdpSocket socket;
    QList<SimCamera> cams;
    QHash<QString, int> byMac;
    quint16 replyPort = 5978;
    QHostAddress replyAddress;
    int paceChunk = 0;
    int replyCopies = 1;
    QList<Outgoing> queue;
    QTimer paceTimer;
    QFile logFile;
    QList<CommandRecord> log;
    QString lastError;
    int ignored = 0;
    int rejected = 0;
    int sent = 0;
    int sendFailures = 0;
};

}  // namespace camsim

#endif
