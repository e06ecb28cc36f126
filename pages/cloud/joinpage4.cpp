#include "pages/cloud/joinpage4.h"

joinPage4::joinPage4(QWidget *parent)
    : pageFrame(joinPage4Id, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
}
