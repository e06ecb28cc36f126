#include "pages/cloud/joinpage.h"

joinPage::joinPage(QWidget *parent)
    : pageFrame(joinPageId, parent)
{
    setupFrame(tr("Join skyvue service"), 350, joinStep, stepFontCurrent12pt);
}
