#ifndef CAMGUIDE_PLATFORM_H
#define CAMGUIDE_PLATFORM_H

#include <QString>
#include <QtGlobal>

// What differs between the macOS and the Windows build. Each build compiles
// one of platform_macos.cpp and platform_windows.cpp; nothing outside this
// folder asks which build it is.
namespace platform {

// Pixel size of the wizard's base text and of its message boxes (13 on
// macOS, 14 on Windows, where the system renders Arial smaller).
int textPixelSize();
// Pixel size of the plug-in steps' instruction text.
int stepTextPixelSize();

// The folder that holds config.xml, images/ and lang/, found from the
// folder of the program file, never from the folder it was started in: on
// macOS the bundle's Contents, the parent of the program's "MacOS" folder;
// on Windows the program's folder. Empty when the program does not lie
// where the build puts it.
QString dataFolder(const QString &programFolder);

// Makes dataFolder() of the running program the working directory, so that
// the data files' relative names find them. When there is none, or it
// cannot be entered, the working directory stays and a line says so.
void enterDataFolder();

// Makes a UDP socket already bound to one interface's address send a
// datagram to 255.255.255.255 out of that interface (index as the system
// numbers it), where the bound address alone does not. False when it cannot.
bool sendOnlyThrough(qintptr descriptor, int interfaceIndex);

}  // namespace platform

#endif
