#ifndef CAMGUIDE_JOINPAGE1_H
#define CAMGUIDE_JOINPAGE1_H

#include "core/pageframe.h"

class joinPage1 : public pageFrame
{
    Q_OBJECT
public:
    explicit joinPage1(QWidget *parent = nullptr);
};

#endif
