#include "pages/cloud/joinpage1.h"

joinPage1::joinPage1(QWidget *parent)
    : pageFrame(joinPage1Id, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
}
