#ifndef CAMSIM_CAMERAWEBSERVER_H
#define CAMSIM_CAMERAWEBSERVER_H

#include "tools/camsim/simconfig.h"

#include <QByteArray>
#include <QHostAddress>
#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

QT_BEGIN_NAMESPACE
class QHttpServerRequest;
class QIODevice;
class QTcpSocket;
QT_END_NAMESPACE

namespace simcommon {
class HttpFront;
}

namespace camsim {

class CameraSimulator;

// One simulated camera's web server: a start page and a snapshot behind the
// administrator's password. It looks the camera up in the simulator at every
// request, so that a password set over ZVR counts at once.
class CameraWebServer : public QObject
{
    Q_OBJECT

public:
    CameraWebServer(CameraSimulator &sim, const QString &mac, QObject *parent = nullptr);
    ~CameraWebServer() override;

    bool listen(const QHostAddress &address, quint16 port = 0);  // 0: a free port
    QHostAddress address() const;
    quint16 port() const;
    QString errorString() const { return lastError; }

    // One JSON line per request goes here; not owned, may be shared by
    // several servers. Nullptr: no log.
    void setLog(QIODevice *device) { log = device; }

    // The snapshot's path for a model, empty for a model without one.
    static QByteArray snapshotPath(const QByteArray &model);
    // The picture the camera shows: its name on a plain scene, 320x240.
    static QImage snapshot(const SimCamera &camera);

    // Where a redirecting camera sends its clients: a host that is not the
    // camera.
    static constexpr const char *redirectTarget = "http://10.77.0.2:8080/stolen";
    // What an oversized answer holds: the picture, then padding to this size.
    static constexpr qint64 oversizedBytes = 16 * 1024 * 1024;
    // A trickling camera's piece, sent after every pause.
    static constexpr int tricklePiece = 64;
    // An endless camera's chunk: a power-of-two bound of a client falls inside one.
    static constexpr int endlessChunk = 1000;
    // What an endless camera sends at most, should its client never give up.
    static constexpr qint64 endlessCap = 256 * 1024 * 1024;

private:
    struct Answer {
        int status = 0;  // 0: none, the request stays unanswered
        QByteArray contentType;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        bool sized = true;     // with a Content-Length; without, the body ends with the connection
        bool endless = false;  // in chunks, as fast as the client reads, never ending
    };

    void handle(const QHttpServerRequest &in, QTcpSocket *socket);
    Answer answer(const SimCamera &camera, const QHttpServerRequest &in, bool authorized) const;
    void writeLogLine(const QByteArray &method, const QString &path, bool authorized, int status);

    CameraSimulator &sim;
    const QString mac;
    std::unique_ptr<simcommon::HttpFront> server;
    QIODevice *log = nullptr;
    QString lastError;
};

}  // namespace camsim

#endif
