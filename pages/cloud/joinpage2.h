#ifndef CAMGUIDE_JOINPAGE2_H
#define CAMGUIDE_JOINPAGE2_H

#include "core/pageframe.h"

class joinPage2 : public pageFrame
{
    Q_OBJECT
public:
    explicit joinPage2(QWidget *parent = nullptr);
};

#endif
