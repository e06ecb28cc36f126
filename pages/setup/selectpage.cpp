#include "pages/setup/selectpage.h"

selectPage::selectPage(QWidget *parent)
    : pageFrame(parent)
{
    // This page's background picture stands lower than the others'.
    createBackground(QStringLiteral(":/images/select_bg_00.png"), QRect(-10, 55, 720, 436));
    createTitle(tr("Select your camera"), 300);
    createStepButtons(selectStep);
}
