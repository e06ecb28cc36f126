#ifndef CAMGUIDE_JOINPAGE_H
#define CAMGUIDE_JOINPAGE_H

#include "core/pageframe.h"

class joinPage : public pageFrame
{
    Q_OBJECT
public:
    explicit joinPage(QWidget *parent = nullptr);
};

#endif
