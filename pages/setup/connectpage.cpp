#include "pages/setup/connectpage.h"

connectPage::connectPage(QWidget *parent)
    : pageFrame(connectPageId, parent)
{
    setupFrame(tr("Connect to the network"), 330, connectStep);
}
