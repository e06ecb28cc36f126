#include "pages/setup/movelabel.h"

#include <QEvent>

moveLabel::moveLabel(QWidget *parent) : QLabel(parent) {}

bool moveLabel::event(QEvent *e)
{
    if (e->type() == QEvent::Enter)
        emit signal(true);
    else if (e->type() == QEvent::Leave)
        emit signal(false);
    return QLabel::event(e);
}
