#include "pages/cloud/snapshot.h"

#include <QBuffer>
#include <QDebug>
#include <QImageReader>

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
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > pixelLimit) {
        qDebug().noquote() << "picture of" << size.width() << "x" << size.height()
                           << "pixels; not decoded";
        return std::nullopt;
    }
    return reader.read();
}

}  // namespace snapshot
