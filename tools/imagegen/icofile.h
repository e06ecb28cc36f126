// Windows icon container, written by hand: Qt's ICO writer is an optional plug-in.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace imagegen {

// One entry per image. Images up to 128 px go in as 32-bit DIBs (with the
// AND mask older readers want); larger ones as PNG, as Windows expects.
QByteArray icoFile(const QList<QImage> &images);

}  // namespace imagegen
