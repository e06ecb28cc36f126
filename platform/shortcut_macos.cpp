#include "platform/shortcut_macos.h"

#include "platform/wholefile.h"
#include "protocol/cameravalues.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace platform {

namespace {

imageToolWatcher toolWatcher;

// Logged as the browser, as the Windows build logs its link target; used
// for nothing else.
const char browserProgram[] = "/Applications/Safari.app/Contents/MacOS/Safari";

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// How a picture tool ended: a picture it cannot read leaves the bundle
// without its icon, one it cannot write leaves no bundle.
enum class toolResult { done, refused, unreadable, unwritten };

toolResult written(const QString &tool, const QString &path, const QByteArray &bytes)
{
    wholeFile::failure why;
    if (wholeFile::write(path, bytes, &why))
        return toolResult::done;
    qDebug().noquote() << tool + QStringLiteral(": ") + why.what;
    return toolResult::unwritten;
}

// ------------------------------------------------------------ pictures

// The picture with the most pixels of a file that may hold several (an
// .ico holds one per size).
QImage largestImage(const QString &path)
{
    // A named pipe at the name would block the read until a writer comes.
    if (!QFileInfo(path).isFile())
        return QImage();
    QImageReader reader(path);
    QImage best;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull()
            && qint64(image.width()) * image.height() > qint64(best.width()) * best.height())
            best = image;
    }
    return best;
}

toolResult sips(const QStringList &args)
{
    // -s format tiff IN --out OUT --resampleWidth N
    if (args.size() != 8 || args.at(0) != QLatin1String("-s")
        || args.at(1) != QLatin1String("format") || args.at(2) != QLatin1String("tiff")
        || args.at(4) != QLatin1String("--out") || args.at(6) != QLatin1String("--resampleWidth"))
        return toolResult::refused;
    bool number = false;
    const int width = args.at(7).toInt(&number);
    if (!number || width < 1 || width > 1024)
        return toolResult::refused;
    const QImage picture = largestImage(args.at(3));
    if (picture.isNull()) {
        qDebug().noquote() << "sips: cannot read" << quoted(args.at(3));
        return toolResult::unreadable;
    }
    const QImage resampled = picture.convertToFormat(QImage::Format_ARGB32)
                                 .scaledToWidth(width, Qt::SmoothTransformation);
    QBuffer tiff;
    tiff.open(QIODevice::WriteOnly);
    QImageWriter writer(&tiff, "tiff");
    if (!writer.write(resampled)) {
        qDebug().noquote() << "sips: cannot write" << quoted(args.at(5)) << "-"
                           << writer.errorString();
        return toolResult::unwritten;
    }
    return written(QStringLiteral("sips"), args.at(5), tiff.data());
}

toolResult tiff2icns(QStringList args)
{
    // [-noLarge] IN [OUT]; without OUT the input's name with ".icns". The
    // flag changes nothing here: the icon holds its one 128-pixel entry.
    if (!args.isEmpty() && args.first() == QLatin1String("-noLarge"))
        args.removeFirst();
    if (args.isEmpty() || args.size() > 2 || args.first().startsWith(QLatin1Char('-')))
        return toolResult::refused;
    const QString in = args.at(0);
    QString out;
    if (args.size() == 2) {
        out = args.at(1);
    } else {
        out = in;
        for (const char *suffix : {".tiff", ".tif"}) {
            if (out.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
                out.chop(int(qstrlen(suffix)));
                break;
            }
        }
        out += QStringLiteral(".icns");
    }
    const QImage picture = QImageReader(in).read();
    if (picture.isNull()) {
        qDebug().noquote() << "tiff2icns: cannot read" << quoted(in);
        return toolResult::unreadable;
    }
    return written(QStringLiteral("tiff2icns"), out, icnsFile(picture));
}

void putBigEndian32(QByteArray &out, quint32 v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((v >> shift) & 0xff));
}

void putEntry(QByteArray &out, const char type[5], const QByteArray &data)
{
    out.append(type, 4);
    putBigEndian32(out, quint32(8 + data.size()));
    out.append(data);
}

// The icon format's run-length scheme: a byte n below 0x80 is followed by
// n + 1 bytes as they are; a byte n from 0x80 on repeats the next byte
// n - 0x80 + 3 times.
QByteArray packRuns(const QByteArray &plane)
{
    QByteArray out;
    QByteArray literal;
    const auto flush = [&] {
        if (!literal.isEmpty()) {
            out.append(char(literal.size() - 1));
            out.append(literal);
            literal.clear();
        }
    };
    const qsizetype n = plane.size();
    for (qsizetype i = 0; i < n;) {
        qsizetype run = 1;
        while (i + run < n && run < 130 && plane.at(i + run) == plane.at(i))
            ++run;
        if (run >= 3) {
            flush();
            out.append(char(0x80 + run - 3));
            out.append(plane.at(i));
            i += run;
        } else {
            literal.append(plane.at(i));
            ++i;
            if (literal.size() == 128)
                flush();
        }
    }
    flush();
    return out;
}

}  // namespace

QByteArray icnsFile(const QImage &picture)
{
    constexpr int edge = 128;
    QImage canvas(edge, edge, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QImage fitted = picture.convertToFormat(QImage::Format_ARGB32);
    if (fitted.size() != canvas.size())
        fitted = fitted.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int left = (edge - fitted.width()) / 2;
    const int top = (edge - fitted.height()) / 2;
    for (int y = 0; y < fitted.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(fitted.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(canvas.scanLine(top + y)) + left;
        std::copy(from, from + fitted.width(), to);
    }

    QByteArray red, green, blue, alpha;
    for (QByteArray *plane : {&red, &green, &blue, &alpha})
        plane->reserve(edge * edge);
    for (int y = 0; y < edge; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < edge; ++x) {
            red.append(char(qRed(row[x])));
            green.append(char(qGreen(row[x])));
            blue.append(char(qBlue(row[x])));
            alpha.append(char(qAlpha(row[x])));
        }
    }
    // Each plane packed on its own, so that no run crosses into the next.
    QByteArray image(4, '\0');
    image += packRuns(red) + packRuns(green) + packRuns(blue);

    QByteArray entries;
    putEntry(entries, "it32", image);
    putEntry(entries, "t8mk", alpha);
    QByteArray file("icns");
    putBigEndian32(file, quint32(8 + entries.size()));
    return file + entries;
}

namespace {

toolResult runTool(const QString &tool, const QStringList &arguments)
{
    if (toolWatcher)
        toolWatcher(tool, arguments);
    if (tool == QLatin1String("sips"))
        return sips(arguments);
    if (tool == QLatin1String("tiff2icns"))
        return tiff2icns(arguments);
    qDebug().noquote() << "runImageTool: no tool" << quoted(tool);
    return toolResult::refused;
}

bool notMade(const QString &what)
{
    qDebug().noquote() << QStringLiteral("createShortcut: %1; no shortcut.").arg(what);
    return false;
}

// The assembled bundle at its final name. What was there (an older
// shortcut, or a link) steps aside first and goes once the new one is in,
// or comes back when it cannot; a link goes as a link, never followed.
bool putInPlace(const QString &staged, const QString &bundle)
{
    const QFileInfo old(bundle);
    std::optional<QTemporaryDir> aside;
    QString asideName;
    QString reason;
    if (old.exists() || old.isSymLink()) {
        aside.emplace(wholeFile::besideTemplate(bundle));
        if (!aside->isValid())
            return notMade(QStringLiteral("cannot make the folder for the older %1 (%2)")
                               .arg(quoted(bundle), aside->errorString()));
        asideName = aside->filePath(QStringLiteral("older"));
        if (!wholeFile::renameOver(bundle, asideName, &reason))
            return notMade(
                QStringLiteral("cannot move the older %1 aside (%2)").arg(quoted(bundle), reason));
    }
    if (!wholeFile::renameOver(staged, bundle, &reason)) {
        QString ignored;
        // Kept where it is when it cannot go back.
        if (aside && !wholeFile::renameOver(asideName, bundle, &ignored))
            aside->setAutoRemove(false);
        return notMade(QStringLiteral("cannot put %1 in place (%2)").arg(quoted(bundle), reason));
    }
    return true;
}

}  // namespace

bool runImageTool(const QString &tool, const QStringList &arguments)
{
    return runTool(tool, arguments) == toolResult::done;
}

void setImageToolWatcher(imageToolWatcher watcher)
{
    toolWatcher = std::move(watcher);
}

bool makeBundleShortcut(const wchar_t *lpszPathArg, const wchar_t *lpszPathIcon,
                        const shortcutCamera &camera, const QString &desktop)
{
    const std::optional<QString> argument = shortcutText(lpszPathArg);
    const std::optional<QString> iconPath = shortcutText(lpszPathIcon);
    if (!argument || !iconPath)
        return refuseShortcut("an argument is not ended within its buffer");
    // Without a desktop the bundle would land at the root; one that is
    // missing is not ours to make.
    if (desktop.isEmpty())
        return refuseShortcut("no desktop folder");
    if (!QFileInfo(desktop).isDir())
        return refuseShortcut("the desktop folder does not exist");
    // The number names the bundle; the model names nothing here, so it is
    // not asked about.
    const QString deviceNo = cameraValues::recordText(camera.deviceNo);
    if (!cameraValues::isFileNamePart(deviceNo))
        return refuseShortcut("the camera's number is no plain name");
    const std::optional<QString> url = cameraValues::quotedPortalUrl(*argument);
    if (!url)
        return refuseShortcut("the portal URL cannot be handed to the launcher unchanged");
    const QString bundleName =
        QCoreApplication::translate("QObject", "MyCamera") + QLatin1Char('-') + deviceNo;
    if (!cameraValues::isPlainName(bundleName))
        return refuseShortcut("the bundle name is no plain name");

    qDebug().noquote() << "lpszPathObj=" << quoted(QString::fromLatin1(browserProgram));
    qDebug().noquote() << "lpszPathLink=" << quoted(desktop);
    qDebug().noquote() << "lpszPathArg=" << *argument;
    qDebug().noquote() << "lpszPathIcon=" << quoted(*iconPath);

    // Assembled beside its final name and moved in whole: a full disk or
    // an end half-way leaves no bundle without its launcher. Whatever is
    // at the final name now is never written into.
    const QString bundle = desktop + QLatin1Char('/') + bundleName + QStringLiteral(".app");
    wholeFile::removeLeftovers(bundle);
    QTemporaryDir staged(wholeFile::besideTemplate(bundle));
    if (!staged.isValid())
        return notMade(QStringLiteral("cannot make the folder for %1 (%2)")
                           .arg(quoted(bundle), staged.errorString()));
    // A temporary folder is its owner's only; the bundle is as any folder.
    QFile::setPermissions(staged.path(), wholeFile::permissions(wholeFile::mode::executable));
    const QString root = staged.path();
    const QString resources = root + QStringLiteral("/Contents/Resources/");
    const QString program = root + QStringLiteral("/Contents/MacOS/");
    const QString profile = root + QStringLiteral("/Contents/Profile/");
    const QString plist = root + QStringLiteral("/Contents/Info.plist");
    const QString launcher = program + bundleName;

    QDir dir;
    for (const QString &folder : {resources, program, profile}) {
        if (!dir.mkpath(folder))
            return notMade(QStringLiteral("cannot make the folder %1").arg(quoted(folder)));
    }

    if (QFileInfo(*iconPath).isFile()) {
        const QString tiff = resources + QStringLiteral("icon.tiff");
        // A picture that cannot be read leaves the bundle without its icon.
        if (runTool(QStringLiteral("sips"),
                    {QStringLiteral("-s"), QStringLiteral("format"), QStringLiteral("tiff"),
                     *iconPath, QStringLiteral("--out"), tiff, QStringLiteral("--resampleWidth"),
                     QStringLiteral("128")})
                == toolResult::unwritten
            || runTool(QStringLiteral("tiff2icns"), {QStringLiteral("-noLarge"), tiff})
                   == toolResult::unwritten)
            return notMade(QStringLiteral("cannot write the icon of %1").arg(quoted(bundle)));
    }

    // The argument keeps its two quotes: they are the launcher's. UTF-8, as
    // the shell and "open" read it: the language token may be any script.
    const QByteArray script = "#!/bin/sh\nexec open " + argument->toUtf8() + "&\n";
    wholeFile::failure why;
    if (!wholeFile::write(launcher, script, &why, wholeFile::mode::executable)) {
        if (!why.opened)
            qDebug().noquote() << "failed to open this file.";
        return notMade(why.what);
    }

    const QByteArray name = bundleName.toHtmlEscaped().toUtf8();
    if (!wholeFile::write(plist,
                          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                          "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                          "<plist version=\"1.0\">\n"
                          "<dict>\n"
                          "<key>CFBundleExecutable</key>\n"
                          "<string>"
                              + name
                              + "</string>\n"
                                "<key>CFBundleIconFile</key>\n"
                                "<string>icon</string>\n"
                                "</dict>\n"
                                "</plist>\n",
                          &why))
        return notMade(why.what);

    if (!putInPlace(root, bundle))
        return false;
    // Moved: nothing is left to remove.
    staged.setAutoRemove(false);
    return true;
}

}  // namespace platform
