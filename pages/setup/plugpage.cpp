#include "pages/setup/plugpage.h"

plugPage::plugPage(QWidget *parent)
    : pageFrame(parent)
{
    setupFrame(tr("Plug your camera"), 300, plugStep, stepFontNone);
}
