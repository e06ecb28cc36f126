#include "platform/shortcut.h"

#include <QStandardPaths>

namespace platform {

// The build's own maker, in platform_<build>.cpp.
void makeShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                  wchar_t *lpszPathIcon, const shortcutCamera &camera);

namespace {

QString desktopOverride;
shortcutMaker makerOverride;

}  // namespace

void createShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                    wchar_t *lpszPathIcon, const shortcutCamera &camera)
{
    if (makerOverride)
        makerOverride(lpszPathObj, lpszPathLink, lpszPathArg, lpszPathIcon, camera);
    else
        makeShortcut(lpszPathObj, lpszPathLink, lpszPathArg, lpszPathIcon, camera);
}

QString desktopFolder()
{
    if (!desktopOverride.isEmpty())
        return desktopOverride;
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void setDesktopFolder(const QString &folder)
{
    desktopOverride = folder;
}

void setShortcutMaker(shortcutMaker maker)
{
    makerOverride = std::move(maker);
}

}  // namespace platform
