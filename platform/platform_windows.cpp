#include "platform/platform.h"
#include "platform/shortcut.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

int textPixelSize()
{
    return 14;
}

int stepTextPixelSize()
{
    return 13;
}

// The data files lie beside the program, wherever it is started from.
QString dataFolder(const QString &programFolder)
{
    return programFolder.isEmpty() ? QString() : QDir::cleanPath(programFolder);
}

// Windows sends a limited broadcast out of the interface whose address the
// socket is bound to.
bool sendOnlyThrough(qintptr, int)
{
    return true;
}

QString shortcutIconPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/product.ico");
}

}  // namespace platform
