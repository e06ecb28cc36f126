#include "pages/setup/failedpage.h"

failedPage::failedPage(QWidget *parent)
    : pageFrame(parent)
{
    setupFrame(tr("Connect your camera"), 350, connectStep);
}
