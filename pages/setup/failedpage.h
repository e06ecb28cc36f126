#ifndef CAMGUIDE_FAILEDPAGE_H
#define CAMGUIDE_FAILEDPAGE_H

#include "core/pageframe.h"

class failedPage : public pageFrame
{
    Q_OBJECT
public:
    explicit failedPage(QWidget *parent = nullptr);
};

#endif
