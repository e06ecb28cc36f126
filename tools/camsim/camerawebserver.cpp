#include "tools/camsim/camerawebserver.h"

#include "tools/camsim/camerasimulator.h"
#include "tools/common/httpfront.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileDevice>
#include <QFont>
#include <QHash>
#include <QHttpServerRequest>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace camsim {

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 500: return "Internal Server Error";
    default: return "Unknown";
    }
}

// Basic credentials of user "admin" and the camera's password; a camera
// nobody set up yet takes "admin:".
bool rightCredentials(const QHttpServerRequest &in, const QByteArray &password)
{
    for (const auto &h : in.headers()) {
        if (h.first.compare("authorization", Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray value = h.second.trimmed();
        if (value.size() < 6 || value.left(6).toLower() != "basic ")
            return false;
        const auto decoded = QByteArray::fromBase64Encoding(
            value.mid(6).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
        return decoded && *decoded == "admin:" + password;
    }
    return false;
}

QByteArray jpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    if (!writer.write(image))
        qCWarning(lcCamsim).noquote() << "snapshot not encoded:" << writer.errorString();
    return bytes;
}

}  // namespace

CameraWebServer::CameraWebServer(CameraSimulator &sim, const QString &mac, QObject *parent)
    : QObject(parent)
    , sim(sim)
    , mac(mac.toLower())
    , server(std::make_unique<simcommon::HttpFront>(
          [this](const QHttpServerRequest &in, QTcpSocket *socket) { handle(in, socket); }))
{
}

CameraWebServer::~CameraWebServer() = default;

bool CameraWebServer::listen(const QHostAddress &address, quint16 port)
{
    return server->listenOn(address, port, &lastError);
}

QHostAddress CameraWebServer::address() const
{
    return server->address();
}

quint16 CameraWebServer::port() const
{
    return server->port();
}

QByteArray CameraWebServer::snapshotPath(const QByteArray &model)
{
    static const QHash<QByteArray, QByteArray> paths{
        {"KSM-271E", "/image.jpg"},       {"KSM-273E", "/image.jpg"},
        {"KSM-3350E", "/image/jpeg.cgi"}, {"KSM-3350", "/image/jpeg.cgi"},
        {"KSM-3300E", "/image/jpeg.cgi"}, {"KSM-3300", "/image/jpeg.cgi"},
        {"KSM-6150E", "/image/jpeg.cgi"}, {"KSM-283E", "/image/jpeg.cgi"},
        {"KSM-6140E", "/image/jpeg.cgi"}, {"KSM-6120E", "/image/jpeg.cgi"},
        {"KSM-281E", "/GetImage.cgi"},
    };
    return paths.value(model);
}

QImage CameraWebServer::snapshot(const SimCamera &camera)
{
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    const int horizon = 150;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(200, 225, 245));
    p.fillRect(0, 0, 320, horizon, sky);
    QLinearGradient ground(0, horizon, 0, 240);
    ground.setColorAt(0, QColor(110, 160, 80));
    ground.setColorAt(1, QColor(50, 90, 40));
    p.fillRect(0, horizon, 320, 240 - horizon, ground);

    QFont font = p.font();
    font.setPixelSize(28);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 30, 60));
    p.drawText(QRect(10, 20, 300, 110), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromUtf8(camera.name));
    font.setPixelSize(12);
    font.setBold(false);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 216, 304, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(camera.model) + QStringLiteral("  ")
                   + QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    p.end();
    return image;
}

void CameraWebServer::handle(const QHttpServerRequest &in, QTcpSocket *socket)
{
    const SimCamera *camera = sim.findCamera(mac);
    const QByteArray method = simcommon::methodName(in.method());
    // The query stays out of the log: a client may put a password there.
    const QString path = in.url().path();
    const bool authorized = camera && rightCredentials(in, camera->password);

    Answer a;
    const WebFault fault = camera ? camera->webFault : WebFault::none;
    switch (fault) {
    case WebFault::silent:
        // The connection stays open and unanswered until the client gives up.
        break;
    case WebFault::serverError:
        a.status = 500;
        a.contentType = "text/plain; charset=utf-8";
        a.body = "Internal Server Error";
        break;
    case WebFault::redirect:
        a.status = 302;
        a.contentType = "text/plain; charset=utf-8";
        a.body = "Found";
        a.headers.append({QByteArray("Location"), QByteArray(redirectTarget)});
        break;
    case WebFault::none:
    case WebFault::slow:
    case WebFault::trickle:
    case WebFault::oversized:
    case WebFault::endless:
        if (camera) {
            a = answer(*camera, in, authorized);
        } else {
            a.status = 404;
            a.contentType = "text/plain; charset=utf-8";
            a.body = "Not Found";
        }
        break;
    }
    // Only the picture grows or trickles; an error answer stays as it is.
    const bool picture = a.status == 200 && a.contentType == "image/jpeg";
    if (picture && fault == WebFault::oversized && a.body.size() < oversizedBytes)
        a.body += QByteArray(oversizedBytes - a.body.size(), '\0');
    if (picture && fault == WebFault::trickle)
        a.sized = false;
    if (picture && fault == WebFault::endless)
        a.endless = true;
    writeLogLine(method, path, authorized, a.status);
    if (a.status == 0)
        return;

    QByteArray out = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + reason(a.status) + "\r\n";
    out += "Content-Type: " + a.contentType + "\r\n";
    if (a.endless)
        out += "Transfer-Encoding: chunked\r\n";
    else if (a.sized)
        out += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
    else
        out += "Connection: close\r\n";
    for (const auto &h : a.headers)
        out += h.first + ": " + h.second + "\r\n";
    out += "\r\n";

    if (a.endless) {
        // The picture, then padding, in chunks as fast as the client takes
        // them, with no more than 256 KiB queued at a time.
        socket->write(out);
        auto more = [socket, body = a.body, sent = qint64(0)]() mutable {
            while (socket->bytesToWrite() < 256 * 1024 && sent < endlessCap) {
                QByteArray piece = body.mid(sent, endlessChunk);
                piece += QByteArray(endlessChunk - piece.size(), '\0');
                sent += endlessChunk;
                socket->write(QByteArray::number(endlessChunk, 16) + "\r\n" + piece + "\r\n");
            }
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
        return;
    }
    if (!a.sized) {
        // The picture a piece at a time, then padding, never ending: the
        // client has to give up. The timer goes with the socket.
        socket->write(out);
        auto *pieces = new QTimer(socket);
        pieces->setInterval(camera->webDelayMs);
        QObject::connect(pieces, &QTimer::timeout, socket,
                         [socket, body = a.body, sent = qsizetype(0)]() mutable {
                             QByteArray piece = body.mid(sent, tricklePiece);
                             piece += QByteArray(tricklePiece - piece.size(), '\0');
                             sent += tricklePiece;
                             socket->write(piece);
                         });
        pieces->start();
        return;
    }
    out += a.body;

    if (fault == WebFault::slow) {
        // The server deletes the socket when the client goes away first.
        QTimer::singleShot(camera->webDelayMs, this, [s = QPointer<QTcpSocket>(socket), out] {
            if (s && s->state() == QAbstractSocket::ConnectedState)
                s->write(out);
        });
    } else {
        socket->write(out);
    }
}

CameraWebServer::Answer CameraWebServer::answer(const SimCamera &camera,
                                                const QHttpServerRequest &in, bool authorized) const
{
    Answer a;
    const QByteArray path = in.url().path().toUtf8();
    const QByteArray snapshot = snapshotPath(camera.model);
    const bool known = path == "/" || (!snapshot.isEmpty() && path == snapshot);
    if (!known) {
        a.status = 404;
        a.contentType = "text/plain; charset=utf-8";
        a.body = "Not Found";
    } else if (in.method() != QHttpServerRequest::Method::Get) {
        a.status = 405;
        a.contentType = "text/plain; charset=utf-8";
        a.body = "Method Not Allowed";
        a.headers.append({QByteArray("Allow"), QByteArray("GET")});
    } else if (path == "/") {
        const QString name = QString::fromUtf8(camera.name).toHtmlEscaped();
        a.status = 200;
        a.contentType = "text/html; charset=utf-8";
        a.body = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1"
                                "</title></head>\n<body><h1>%1</h1><p>%2</p></body></html>\n")
                     .arg(name, QString::fromUtf8(camera.model).toHtmlEscaped())
                     .toUtf8();
    } else if (!authorized) {
        a.status = 401;
        a.contentType = "text/plain; charset=utf-8";
        a.body = "Unauthorized";
        a.headers.append({QByteArray("WWW-Authenticate"), QByteArray("Basic realm=\"camera\"")});
    } else {
        a.status = 200;
        a.contentType = "image/jpeg";
        a.body = jpeg(CameraWebServer::snapshot(camera));
    }
    return a;
}

void CameraWebServer::writeLogLine(const QByteArray &method, const QString &path, bool authorized,
                                   int status)
{
    qCDebug(lcCamsim).noquote() << mac << "web" << method << path
                                << (authorized ? "authorized" : "unauthorized") << "->"
                                << (status ? QString::number(status) : QStringLiteral("no answer"));
    if (!log)
        return;
    const QJsonObject o{
        {QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
        {QStringLiteral("camera"), mac},
        {QStringLiteral("method"), QString::fromLatin1(method)},
        {QStringLiteral("path"), path},
        {QStringLiteral("authorized"), authorized},
        {QStringLiteral("status"), status},
    };
    log->write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
    if (auto *file = qobject_cast<QFileDevice *>(log))
        file->flush();
}

}  // namespace camsim
