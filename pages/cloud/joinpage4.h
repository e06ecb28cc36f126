#ifndef CAMGUIDE_JOINPAGE4_H
#define CAMGUIDE_JOINPAGE4_H

#include "core/pageframe.h"

class joinPage4 : public pageFrame
{
    Q_OBJECT
public:
    explicit joinPage4(QWidget *parent = nullptr);
};

#endif
