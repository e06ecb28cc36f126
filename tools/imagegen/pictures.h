// Every picture the program uses, by its path below the output folder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace imagegen {

struct Picture {
    QString path;      // "compiled/images/NAME" or "shipped/images/NAME"
    QSize size;        // the icon file: its largest entry
    QImage (*draw)();  // null for the icon file, which is drawn per size
};

const std::vector<Picture> &catalogue();
const Picture *findPicture(const QString &path);

// Icon drawn for one edge length (16, 32, 48, 256).
QImage productIcon(int size);
extern const int productIconSizes[4];

// The file's bytes: PNG data whatever the extension, or the ICO container.
QByteArray encode(const Picture &pic);

}  // namespace imagegen
