#ifndef CAMGUIDE_WINDOWSPATH_H
#define CAMGUIDE_WINDOWSPATH_H

#include <QDir>
#include <QString>

namespace platform {

// A path as the Windows build puts it together ("\" and "/" mixed, ".."
// steps) in the form the file functions take. "\" separates folders on
// Windows but is a file-name character elsewhere, and Windows resolves ".."
// in the text, not through the folder it names.
inline QString localPath(const QString &windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(path);
}

}  // namespace platform

#endif
