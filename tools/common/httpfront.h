#ifndef SIMCOMMON_HTTPFRONT_H
#define SIMCOMMON_HTTPFRONT_H

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QString>

#include <functional>

QT_BEGIN_NAMESPACE
class QTcpSocket;
QT_END_NAMESPACE

namespace simcommon {

// The simulators' HTTP front: every request goes to one handler, which
// answers on the socket itself. Qt's router matches on the path alone (the
// portal tells its requests apart by the query as well), and a slow camera
// answers after the request object is gone.
class HttpFront : public QAbstractHttpServer
{
public:
    using Handler = std::function<void(const QHttpServerRequest &, QTcpSocket *)>;
    explicit HttpFront(Handler h);
    using QAbstractHttpServer::makeResponder;

    // One listening socket; false with the reason in *error when the port is
    // taken or a socket is already there. Port 0 takes a free one.
    bool listenOn(const QHostAddress &address, quint16 port, QString *error);
    QHostAddress address() const;
    quint16 port() const;

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &, QTcpSocket *) override {}

private:
    Handler handler;
};

// "GET", "POST", ...: the method as it stands in a request line.
QByteArray methodName(QHttpServerRequest::Method m);

}  // namespace simcommon

#endif
