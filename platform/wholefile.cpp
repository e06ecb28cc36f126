#include "platform/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wholeFile {

namespace {

const char tag[] = ".camguide-";
constexpr int randomLength = 6;  // QTemporaryFile's XXXXXX

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

bool fail(failure *why, bool opened, const QString &what)
{
    if (why)
        *why = failure{opened, what};
    return false;
}

// The written file's data on the disk before its name says it is there.
bool sync(QFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0 || errno == EINVAL;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Writes through `fill` into a new file beside path and renames it over
// path; `fill` returns false with its own reason when it cannot.
template <class Fill> bool writeWith(const QString &path, failure *why, mode m, Fill fill)
{
    removeLeftovers(path);
    QTemporaryFile file(besideTemplate(path));
    if (!file.open())
        return fail(why, false,
                    QStringLiteral("cannot create a new file beside %1 (%2)")
                        .arg(quoted(path), file.errorString()));
    file.setPermissions(permissions(m));
    QString reason;
    if (!fill(file, &reason) || !file.flush() || !sync(file)) {
        if (reason.isEmpty())
            reason = file.errorString();
        return fail(why, true, QStringLiteral("cannot write %1 (%2)").arg(quoted(path), reason));
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(why, true,
                    QStringLiteral("cannot write %1 (%2)").arg(quoted(path), file.errorString()));
    if (!renameOver(file.fileName(), path, &reason))
        return fail(why, true,
                    QStringLiteral("cannot put %1 in place (%2)").arg(quoted(path), reason));
    // Renamed: nothing is left to remove.
    file.setAutoRemove(false);
    return true;
}

}  // namespace

bool renameOver(const QString &from, const QString &to, QString *reason)
{
#ifdef Q_OS_WIN
    // Windows' rename() refuses a name that exists; this move replaces it
    // (a link there as a link) in one step.
    if (::MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                      reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = QStringLiteral("system error %1").arg(::GetLastError());
    return false;
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
#endif
}

// As a file made by the user's own tools; the launcher executable for
// everyone, as "chmod +x" makes it.
QFile::Permissions permissions(mode m)
{
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                           | QFile::ReadGroup | QFile::ReadOther;
    if (m == mode::executable)
        p |= QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
    return p;
}

QString besideTemplate(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1String(tag)
           + QString(randomLength, QLatin1Char('X'));
}

bool write(const QString &path, const QByteArray &bytes, failure *why, mode m)
{
    return writeWith(path, why, m, [&bytes](QFile &file, QString *) {
        return file.write(bytes) == bytes.size();
    });
}

bool copy(const QString &from, const QString &to, failure *why)
{
    // A pipe or a device would block or never end.
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly))
        return fail(why, false, QStringLiteral("cannot read %1").arg(quoted(from)));
    return writeWith(to, why, mode::plain, [&source, &from](QFile &file, QString *reason) {
        char piece[64 * 1024];
        for (;;) {
            const qint64 n = source.read(piece, sizeof piece);
            if (n == 0)
                return true;
            if (n < 0) {
                *reason = QStringLiteral("cannot read %1").arg(quoted(from));
                return false;
            }
            if (file.write(piece, n) != n)
                return false;
        }
    });
}

void removeLeftovers(const QString &path)
{
    const QFileInfo info(path);
    const QString prefix = QLatin1Char('.') + info.fileName() + QLatin1String(tag);
    const QFileInfoList entries = QDir(info.path())
                                      .entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden
                                                     | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (!entry.fileName().startsWith(prefix)
            || entry.fileName().size() != prefix.size() + randomLength)
            continue;
        // A link goes as a link: what it points at is not ours.
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

}  // namespace wholeFile
