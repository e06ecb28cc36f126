#ifndef CAMGUIDE_SELECTPAGE_H
#define CAMGUIDE_SELECTPAGE_H

#include "core/pageframe.h"

class selectPage : public pageFrame
{
    Q_OBJECT
public:
    explicit selectPage(QWidget *parent = nullptr);
};

#endif
