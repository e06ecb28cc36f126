#include "pages/setup/plugplacement.h"

QPoint plugPlacement::wpsIconPlace(int textWidth, int lineHeight)
{
    return QPoint(545 + textWidth % 150, 350 + lineHeight * (textWidth / 150));
}
