#ifndef CAMGUIDE_PLATFORM_H
#define CAMGUIDE_PLATFORM_H

#include <QString>

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

}  // namespace platform

#endif
