#ifndef CAMGUIDE_PLUGPLACEMENT_H
#define CAMGUIDE_PLUGPLACEMENT_H

#include <QPoint>

// Where the plug-in page places what its texts leave room for.
namespace plugPlacement {

// Where the help icon stands after the WPS note's text, which wraps at 150
// pixels: text width and line height in the note's font.
QPoint wpsIconPlace(int textWidth, int lineHeight);

}  // namespace plugPlacement

#endif
