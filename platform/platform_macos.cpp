#include "platform/platform.h"
#include "platform/shortcut.h"
#include "platform/shortcut_macos.h"

#include <QDir>

#include <netinet/in.h>
#include <sys/socket.h>

namespace platform {

int textPixelSize()
{
    return 13;
}

int stepTextPixelSize()
{
    return 12;
}

QString dataFolder(const QString &programFolder)
{
    // A program from Finder starts in "/": only its own path leads to the
    // bundle. Outside a bundle there is no Contents to go to.
    const QString folder = QDir::cleanPath(programFolder);
    if (QDir(folder).dirName() != QLatin1String("MacOS"))
        return QString();
    return QDir::cleanPath(folder + QStringLiteral("/.."));
}

bool sendOnlyThrough(qintptr descriptor, int interfaceIndex)
{
#ifdef IP_BOUND_IF
    // macOS routes a limited broadcast by its destination whatever address
    // the socket is bound to; the interface has to be named.
    const unsigned int index = unsigned(interfaceIndex);
    return ::setsockopt(int(descriptor), IPPROTO_IP, IP_BOUND_IF, &index, sizeof index) == 0;
#else
    // Elsewhere (Linux, where this build is tested) the bound address picks
    // the interface.
    Q_UNUSED(descriptor);
    Q_UNUSED(interfaceIndex);
    return true;
#endif
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
