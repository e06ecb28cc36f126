#ifndef CAMGUIDE_JOINPAGE3_H
#define CAMGUIDE_JOINPAGE3_H

#include "core/pageframe.h"

class joinPage3 : public pageFrame
{
    Q_OBJECT
public:
    explicit joinPage3(QWidget *parent = nullptr);
};

#endif
