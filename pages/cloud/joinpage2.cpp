#include "pages/cloud/joinpage2.h"

joinPage2::joinPage2(QWidget *parent)
    : pageFrame(joinPage2Id, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
}
