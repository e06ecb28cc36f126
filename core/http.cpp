#include "core/http.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
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
