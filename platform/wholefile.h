#ifndef CAMGUIDE_WHOLEFILE_H
#define CAMGUIDE_WHOLEFILE_H

#include <QByteArray>
#include <QFile>
#include <QString>

// Files the program leaves on the computer, written whole or not at all:
// into a new file beside the final name, checked at every step, then
// renamed over it. A link at the final name is replaced itself, never
// followed; the folder may be a link. On any failure nothing new remains.
namespace wholeFile {

// Why a file was not put in place, for the log. `opened` is false when
// the new file could not even be created (a missing or closed folder).
struct failure {
    bool opened = false;
    QString what;  // a sentence naming the step and the file
};

enum class mode { plain, executable };
// What a file of that mode may be: written by its owner, read by all
// (rw-r--r--, or rwxr-xr-x, as a folder is too).
QFile::Permissions permissions(mode m);

// True when path now holds bytes; otherwise *why says what failed.
bool write(const QString &path, const QByteArray &bytes, failure *why, mode m = mode::plain);

// The same with the bytes of the regular file `from`.
bool copy(const QString &from, const QString &to, failure *why);

// rename(2): what is at `to`, a link included, is replaced in one step.
// False with the system's reason.
bool renameOver(const QString &from, const QString &to, QString *reason);

// The template of the names of new files and folders on their way to
// path, for QTemporaryFile and QTemporaryDir: hidden, beside it, and
// telling whose they are.
QString besideTemplate(const QString &path);

// Removes what a run that was ended half-way left beside path under
// besideTemplate names; a link there goes as a link, never followed.
void removeLeftovers(const QString &path);

}  // namespace wholeFile

#endif
