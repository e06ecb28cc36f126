#include "pages/setup/failedpage.h"

failedPage::failedPage(QWidget *parent)
    : pageFrame(failedPageId, parent)
{
    setupFrame(tr("Connect your camera"), 350, connectStep);
}
