#include "core/http.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

namespace {

QPointer<QNetworkAccessManager> installed;
QPointer<QNetworkAccessManager> own;

}  // namespace

QNetworkAccessManager *networkAccess()
{
    if (installed)
        return installed;
    if (!own)
        own = new QNetworkAccessManager(QCoreApplication::instance());
    return own;
}

void setNetworkAccess(QNetworkAccessManager *manager)
{
    installed = manager;
}

void limitBody(QNetworkReply *reply, qint64 limit, QObject *context, std::function<void()> tooLong)
{
    // One byte more than the limit tells a body of exactly the limit from a
    // longer one; past it the reply stops reading from the network.
    reply->setReadBufferSize(limit + 1);
    QObject::connect(reply, &QIODevice::readyRead, context,
                     [reply, limit, tooLong = std::move(tooLong)] {
                         if (reply->bytesAvailable() > limit)
                             tooLong();
                     });
}

void abandonReply(QNetworkReply *reply, QObject *receiver)
{
    QObject::disconnect(reply, nullptr, receiver, nullptr);
    reply->abort();
    reply->deleteLater();
}
