#ifndef CAMGUIDE_SNAPSHOT_H
#define CAMGUIDE_SNAPSHOT_H

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// What the camera's answer to the snapshot request shows. Decides and logs
// only; the page scales the picture and sets it.
namespace snapshot {

// The most of an answer that is read: far more than a camera's JPEG of a
// few hundred kilobytes; a longer answer is given up as a failed one.
inline constexpr qsizetype bodyLimit = 8 * 1024 * 1024;
// The most pixels a picture may have to be decoded (a 4096x4096 picture):
// a small body can hold a huge picture.
inline constexpr qint64 pixelLimit = 4096LL * 4096;

// Nothing after a transfer error or for a status other than "200"; for
// "200", the body decoded with its format guessed from the data (a null
// image when it does not decode, which clears the label). Nothing either
// for a picture of more than pixelLimit pixels.
std::optional<QImage> picture(bool failed, const QString &status, const QByteArray &body);

}  // namespace snapshot

#endif
