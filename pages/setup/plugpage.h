#ifndef CAMGUIDE_PLUGPAGE_H
#define CAMGUIDE_PLUGPAGE_H

#include "core/pageframe.h"

class plugPage : public pageFrame
{
    Q_OBJECT
public:
    explicit plugPage(QWidget *parent = nullptr);
};

#endif
