#include "pages/cloud/joinpage3.h"

joinPage3::joinPage3(QWidget *parent)
    : pageFrame(joinPage3Id, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
}
