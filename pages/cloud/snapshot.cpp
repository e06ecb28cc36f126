#include "pages/cloud/snapshot.h"

#include <QDebug>

namespace snapshot {

std::optional<QImage> picture(bool failed, const QString &status, const QByteArray &body)
{
    if (failed) {
        qDebug().noquote() << "http error";
        return std::nullopt;
    }
    qDebug().noquote() << "http return value.size :" << body.size();
    if (status != QLatin1String("200")) {
        qDebug().noquote() << "error";
        return std::nullopt;
    }
    qDebug().noquote() << "success";
    QImage image;
    image.loadFromData(body);
    return image;
}

}  // namespace snapshot
