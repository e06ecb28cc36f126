#include "tools/common/httpfront.h"

#include <QMetaEnum>
#include <QTcpServer>

namespace simcommon {

HttpFront::HttpFront(Handler h) : handler(std::move(h)) {}

bool HttpFront::listenOn(const QHostAddress &address, quint16 port, QString *error)
{
    if (!servers().isEmpty()) {
        *error = QStringLiteral("already listening");
        return false;
    }
    auto *tcp = new QTcpServer(this);
    if (!tcp->listen(address, port)) {
        *error = tcp->errorString();
        delete tcp;
        return false;
    }
    bind(tcp);
    return true;
}

QHostAddress HttpFront::address() const
{
    const auto tcp = servers();
    return tcp.isEmpty() ? QHostAddress() : tcp.first()->serverAddress();
}

quint16 HttpFront::port() const
{
    const auto tcp = servers();
    return tcp.isEmpty() ? 0 : tcp.first()->serverPort();
}

bool HttpFront::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    handler(request, socket);
    return true;
}

QByteArray methodName(QHttpServerRequest::Method m)
{
    const char *key = QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(int(m));
    return key ? QByteArray(key).toUpper() : QByteArray("UNKNOWN");
}

}  // namespace simcommon
