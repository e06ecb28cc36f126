#ifndef CAMGUIDE_SHELLLINK_H
#define CAMGUIDE_SHELLLINK_H

#include <QByteArray>
#include <QString>

// The Windows shell-link file (".lnk") as the shell link object saves it for
// a target named through environment variables: the header, the arguments
// and the icon location as string data, the target in an environment-
// variable block. No item ID list and no link info, so the shell finds the
// target only by expanding the variables.
namespace shellLink {

struct contents {
    QString target;  // e.g. "%windir%\explorer.exe "
    QString arguments;
    QString iconLocation;
    int iconIndex = 0;
};

// The target's fields hold 260 units with their terminating zero; a string
// data item counts its units in 16 bits.
inline constexpr int maxTargetLength = 259;
inline constexpr int maxStringLength = 0xFFFF;

// The file's bytes; empty when a value does not fit the format.
QByteArray write(const contents &link);

}  // namespace shellLink

#endif
