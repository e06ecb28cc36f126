#ifndef CAMGUIDE_SHORTCUT_H
#define CAMGUIDE_SHORTCUT_H

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The desktop shortcut to the camera's portal page, made by each build in
// its own way. The finishing pages hand over four zero-terminated wide
// strings in buffers of shortcutBufferSize characters that they own.
namespace platform {

inline constexpr int shortcutBufferSize = 2048;

// What the makers read of the camera being set up: its cloud number and
// its model, as the record holds them (up to the first NUL they count).
struct shortcutCamera {
    QByteArray deviceNo;
    QByteArray model;
};

// True when the whole shortcut is in place; false when it was refused or
// a file could not be written, which the log says.
bool createShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                    wchar_t *lpszPathIcon, const shortcutCamera &camera);

// The user's desktop and pictures folders. A test puts its own folder here,
// or an empty one for a system that names none; std::nullopt: the system's
// again.
QString desktopFolder();
void setDesktopFolder(const std::optional<QString> &folder);
QString picturesFolder();
void setPicturesFolder(const std::optional<QString> &folder);

// The icon the shortcut shows: "images/product.ico" in the data folder of
// the build (the working directory on macOS, the program's folder on
// Windows).
QString shortcutIconPath();

// Tests see the four arguments here instead of a shortcut being made
// (an empty function: the build's own maker again).
using shortcutMaker =
    std::function<bool(wchar_t *, wchar_t *, wchar_t *, wchar_t *, const shortcutCamera &)>;
void setShortcutMaker(shortcutMaker maker);

// For the makers: a finishing page's argument, the characters before its
// zero, which has to come within the buffer; otherwise nothing.
std::optional<QString> shortcutText(const wchar_t *buffer);
// For the makers: the log line of a shortcut not made, and why; false.
bool refuseShortcut(const char *why);

}  // namespace platform

#endif
