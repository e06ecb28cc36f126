#include "core/windowplacement.h"

#include <algorithm>

QPoint windowPlacement::centredPlace(const QRect &desktop, const QSize &window,
                                     const QRect &available)
{
    const int x = desktop.x() + (desktop.width() - window.width()) / 2;
    const int y = desktop.y() + (desktop.height() - window.height()) / 2;
    return QPoint(std::max(x, available.left()), std::max(y, available.top()));
}
