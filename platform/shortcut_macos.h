#ifndef CAMGUIDE_SHORTCUT_MACOS_H
#define CAMGUIDE_SHORTCUT_MACOS_H

#include "platform/shortcut.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// The macOS build's shortcut: an application bundle on the desktop whose
// launcher opens the camera's portal page. No shell is involved: folders,
// files and permissions are made directly, and the two picture tools the
// bundle's icon needs are done in-process.
namespace platform {

// Makes the bundle in `desktop` from the portal argument (the URL in its
// pair of double quotes) and the icon path, each a zero-terminated buffer
// of shortcutBufferSize characters. Refuses (a log line, nothing written)
// an empty desktop, a URL the launcher could not hand over unchanged, and
// a camera number that is no plain file name. The model is not used. The
// bundle replaces an older one whole, or nothing changes: false, with a
// log line saying what failed.
bool makeBundleShortcut(const wchar_t *lpszPathArg, const wchar_t *lpszPathIcon,
                        const shortcutCamera &camera, const QString &desktop);

// Runs a picture tool with the argument list its command line would have:
//   sips -s format tiff IN --out OUT --resampleWidth N
//   tiff2icns -noLarge IN.tiff [OUT.icns]
// False for another tool, other arguments, or a picture that cannot be
// read or written.
bool runImageTool(const QString &tool, const QStringList &arguments);

// Tests see every runImageTool call here (an empty function: none).
using imageToolWatcher = std::function<void(const QString &tool, const QStringList &arguments)>;
void setImageToolWatcher(imageToolWatcher watcher);

// The icon file: a 128x128 "it32" image with its "t8mk" mask. The picture
// is scaled to fit and centred.
QByteArray icnsFile(const QImage &picture);

}  // namespace platform

#endif
