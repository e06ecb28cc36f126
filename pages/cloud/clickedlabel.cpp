#include "pages/cloud/clickedlabel.h"

clickedLabel::clickedLabel(QWidget *parent) : QLabel(parent) {}

void clickedLabel::mouseReleaseEvent(QMouseEvent *)
{
    emit Clicked(this);
}
