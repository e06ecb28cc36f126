#ifndef CAMGUIDE_CONNECTPAGE_H
#define CAMGUIDE_CONNECTPAGE_H

#include "core/pageframe.h"

class connectPage : public pageFrame
{
    Q_OBJECT
public:
    explicit connectPage(QWidget *parent = nullptr);
};

#endif
