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

// Makes the folder that holds config.xml, images/ and lang/ the working
// directory: on macOS the bundle's Contents below the start folder, on
// Windows the start folder itself.
void enterDataFolder();

// Makes a UDP socket already bound to one interface's address send a
// datagram to 255.255.255.255 out of that interface (index as the system
// numbers it), where the bound address alone does not. False when it cannot.
bool sendOnlyThrough(qintptr descriptor, int interfaceIndex);

}  // namespace platform

#endif
