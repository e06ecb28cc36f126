#include "platform/shortcut.h"

#include <QDebug>
#include <QStandardPaths>

namespace platform {

// The build's own maker, in platform_<build>.cpp.
bool makeShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                  wchar_t *lpszPathIcon, const shortcutCamera &camera);

namespace {

std::optional<QString> desktopOverride;
std::optional<QString> picturesOverride;
shortcutMaker makerOverride;

}  // namespace

bool createShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                    wchar_t *lpszPathIcon, const shortcutCamera &camera)
{
    if (makerOverride)
        return makerOverride(lpszPathObj, lpszPathLink, lpszPathArg, lpszPathIcon, camera);
    return makeShortcut(lpszPathObj, lpszPathLink, lpszPathArg, lpszPathIcon, camera);
}

QString desktopFolder()
{
    if (desktopOverride)
        return *desktopOverride;
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void setDesktopFolder(const std::optional<QString> &folder)
{
    desktopOverride = folder;
}

QString picturesFolder()
{
    if (picturesOverride)
        return *picturesOverride;
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void setPicturesFolder(const std::optional<QString> &folder)
{
    picturesOverride = folder;
}

void setShortcutMaker(shortcutMaker maker)
{
    makerOverride = std::move(maker);
}

std::optional<QString> shortcutText(const wchar_t *buffer)
{
    if (!buffer)
        return std::nullopt;
    for (int i = 0; i < shortcutBufferSize; ++i) {
        if (buffer[i] != 0)
            continue;
        // Counted in UTF-16 units, as the Windows build's buffers hold them.
        QString text = QString::fromWCharArray(buffer, i);
        if (text.size() >= shortcutBufferSize)
            return std::nullopt;
        return text;
    }
    return std::nullopt;
}

bool refuseShortcut(const char *why)
{
    qDebug().noquote()
        << QStringLiteral("createShortcut: %1; no shortcut.").arg(QLatin1String(why));
    return false;
}

}  // namespace platform
