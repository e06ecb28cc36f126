#ifndef CAMGUIDE_SNAPSHOT_H
#define CAMGUIDE_SNAPSHOT_H

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// What the camera's answer to the snapshot request shows. Decides and logs
// only; the page scales the picture and sets it.
namespace snapshot {

// Nothing after a transfer error or for a status other than "200"; for
// "200", the body decoded with its format guessed from the data (a null
// image when it does not decode, which clears the label).
std::optional<QImage> picture(bool failed, const QString &status, const QByteArray &body);

}  // namespace snapshot

#endif
