#include "icofile.h"

#include <QBuffer>
#include <QImageWriter>

namespace imagegen {

namespace {

void put16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

QByteArray pngData(const QImage &img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    w.write(img);
    return bytes;
}

QByteArray dibData(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);  // straight alpha
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, quint32(w));
    put32(out, quint32(2 * h));  // colour rows plus mask rows
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);  // BI_RGB
    put32(out, quint32(w * h * 4 + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {  // bottom-up
        const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
            out.append(char(qAlpha(row[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) < 128)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(mask);
    }
    return out;
}

}  // namespace

QByteArray icoFile(const QList<QImage> &images)
{
    QList<QByteArray> payloads;
    for (const QImage &img : images)
        payloads.append(img.width() > 128 ? pngData(img) : dibData(img));

    QByteArray out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage &img = images.at(i);
        out.append(char(img.width() >= 256 ? 0 : img.width()));
        out.append(char(img.height() >= 256 ? 0 : img.height()));
        out.append(char(0));  // no palette
        out.append(char(0));
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(payloads.at(i).size()));
        put32(out, offset);
        offset += quint32(payloads.at(i).size());
    }
    for (const QByteArray &p : payloads)
        out.append(p);
    return out;
}

}  // namespace imagegen
