#ifndef CAMGUIDE_SHORTCUT_WINDOWS_H
#define CAMGUIDE_SHORTCUT_WINDOWS_H

#include "platform/comshell.h"
#include "platform/shortcut.h"

// The Windows build's shortcut: a Favorites bookmark, an icon copy in the
// pictures folder and a shell link on the desktop, made through `com`
// (the program passes comShell::standIn()). Refuses (a log line, nothing
// written, no COM call) any value that would lead a file out of its
// folder or the link's command astray. Each file is written whole or not
// at all, never through a link at its name; false when a part is missing,
// which the log says.
namespace platform {

bool makeLinkShortcut(const wchar_t *lpszPathObj, const wchar_t *lpszPathLink,
                      const wchar_t *lpszPathArg, const wchar_t *lpszPathIcon,
                      const shortcutCamera &camera, comShell::library &com);

}  // namespace platform

#endif
