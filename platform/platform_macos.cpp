#include "platform/platform.h"
#include "platform/shortcut.h"
#include "platform/shortcut_macos.h"

#include <QDebug>
#include <QDir>

namespace platform {

int textPixelSize()
{
    return 13;
}

int stepTextPixelSize()
{
    return 12;
}

void enterDataFolder()
{
    QDir::setCurrent(QDir::currentPath() + QStringLiteral("/CAMGUIDE.app/Contents/"));
    qDebug().noquote() << "working directory:" << QDir::currentPath();
}

QString shortcutIconPath()
{
    return QDir::currentPath() + QStringLiteral("/images/product.ico");
}

// A bundle on the desktop; the browser program and the link path of the
// Windows build mean nothing here.
bool makeShortcut(wchar_t *, wchar_t *, wchar_t *lpszPathArg, wchar_t *lpszPathIcon,
                  const shortcutCamera &camera)
{
    return makeBundleShortcut(lpszPathArg, lpszPathIcon, camera, desktopFolder());
}

}  // namespace platform
