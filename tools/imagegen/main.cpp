// imagegen: draws the program's pictures.
//
//   imagegen OUTDIR PATH...        write each PATH ("compiled/images/NAME" or
//                                  "shipped/images/NAME") below OUTDIR
//   imagegen --self-test PATH...   check the drawings against the list the
//                                  build passes (the same PATH list)
//
// The build keeps the list of names; a name the program cannot draw is an error,
// so the two cannot drift apart silently.

#include "pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QSet>
#include <QStringList>

#include <cstdio>

using namespace imagegen;

namespace {

void complain(const QString &text)
{
    std::fprintf(stderr, "imagegen: %s\n", qPrintable(text));
}

int writeAll(const QString &outDir, const QStringList &paths)
{
    QList<const Picture *> wanted;
    for (const QString &path : paths) {
        const Picture *pic = findPicture(path);
        if (!pic) {
            complain(QStringLiteral("no drawing for \"%1\"").arg(path));
            return 1;
        }
        wanted.append(pic);
    }
    for (const Picture *pic : wanted) {
        const QByteArray bytes = encode(*pic);
        const QString file = QDir(outDir).filePath(pic->path);
        if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) {
            complain(QStringLiteral("cannot prepare %1").arg(file));
            return 1;
        }
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(bytes) != bytes.size()) {
            complain(QStringLiteral("cannot write %1").arg(file));
            return 1;
        }
    }
    return 0;
}

quint32 le(const QByteArray &b, int at, int n)
{
    quint32 v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

// Directory of the icon file: entry sizes in order, and every entry inside the file.
bool checkIcoDirectory(const QByteArray &ico, QStringList &errors)
{
    if (ico.size() < 6 || le(ico, 0, 2) != 0 || le(ico, 2, 2) != 1) {
        errors << QStringLiteral("product.ico: not an icon header");
        return false;
    }
    const int count = int(le(ico, 4, 2));
    if (count != 4 || ico.size() < 6 + 16 * count) {
        errors << QStringLiteral("product.ico: %1 entries, want 4").arg(count);
        return false;
    }
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 16 * i;
        const int edge = quint8(ico.at(at)) == 0 ? 256 : quint8(ico.at(at));
        const quint32 size = le(ico, at + 8, 4), offset = le(ico, at + 12, 4);
        if (edge != productIconSizes[i] || quint8(ico.at(at + 1)) != quint8(ico.at(at))
            || le(ico, at + 6, 2) != 32 || offset + size > quint32(ico.size())) {
            errors << QStringLiteral("product.ico: entry %1 is wrong").arg(i);
            ok = false;
        }
    }
    return ok;
}

int selfTest(const QStringList &paths)
{
    QStringList errors;

    QSet<QString> listed(paths.begin(), paths.end());
    for (const Picture &pic : catalogue()) {
        if (!listed.remove(pic.path))
            errors << QStringLiteral("%1 is drawn but not listed by the build").arg(pic.path);
    }
    for (const QString &path : listed)
        errors << QStringLiteral("%1 is listed but has no drawing").arg(path);

    for (const Picture &pic : catalogue()) {
        const QByteArray bytes = encode(pic);
        if (bytes != encode(pic)) {
            errors << QStringLiteral("%1 differs between two runs").arg(pic.path);
            continue;
        }
        if (!pic.draw) {
            if (!checkIcoDirectory(bytes, errors))
                continue;
            if (!QImageReader::supportedImageFormats().contains("ico"))
                continue;  // no ICO plug-in here; the directory check stands alone
            QBuffer buf;
            buf.setData(bytes);
            buf.open(QIODevice::ReadOnly);
            QImageReader reader(&buf, "ico");
            if (reader.imageCount() != 4) {
                errors << QStringLiteral("product.ico: the ICO reader sees %1 images")
                              .arg(reader.imageCount());
                continue;
            }
            for (int i = 0; i < 4; ++i) {
                reader.jumpToImage(i);
                const QImage got = reader.read().convertToFormat(QImage::Format_ARGB32);
                const QImage want =
                    productIcon(productIconSizes[i]).convertToFormat(QImage::Format_ARGB32);
                if (got != want)
                    errors << QStringLiteral("product.ico: entry %1 reads back differently").arg(i);
            }
            continue;
        }
        QBuffer buf;
        buf.setData(bytes);
        QImageReader reader(&buf, "png");
        const QImage img = reader.read();
        if (img.isNull() || img.size() != pic.size) {
            errors << QStringLiteral("%1 does not read back as a %2x%3 PNG")
                          .arg(pic.path)
                          .arg(pic.size.width())
                          .arg(pic.size.height());
        }
    }

    // The veil must stay the uniform translucent white the pages lay over themselves.
    if (const Picture *veil = findPicture(QStringLiteral("compiled/images/loading00.png"))) {
        const QImage img =
            QImage::fromData(encode(*veil), "png").convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                if (row[x] != qRgba(255, 255, 255, 204)) {
                    errors << QStringLiteral("loading00.png is not uniform white at opacity 204");
                    y = img.height();
                    break;
                }
            }
        }
    }

    for (const QString &e : errors)
        complain(e);
    std::fprintf(stdout, "imagegen self-test: %d pictures, %d problems\n", int(catalogue().size()),
                 int(errors.size()));
    return errors.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);  // fonts need it; run with QT_QPA_PLATFORM=offscreen
    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args.first() == QLatin1String("--self-test"))
        return selfTest(args.mid(1));
    if (args.size() < 2) {
        complain(QStringLiteral("usage: imagegen OUTDIR PATH... | imagegen --self-test PATH..."));
        return 2;
    }
    const QString outDir = args.takeFirst();
    return writeAll(outDir, args);
}
