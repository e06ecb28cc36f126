#ifndef CAMGUIDE_WINDOWPLACEMENT_H
#define CAMGUIDE_WINDOWPLACEMENT_H

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window opens: centred on the whole desktop, with integer division,
// but never with its top-left corner above or left of the desktop's available
// area (the screens less their bars). A window larger than the screen (a
// high scale factor on a small screen) would otherwise open with its title
// bar and left column cut off.
namespace windowPlacement {

QPoint centredPlace(const QRect &desktop, const QSize &window, const QRect &available);

}  // namespace windowPlacement

#endif
