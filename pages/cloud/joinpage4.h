#ifndef CAMGUIDE_JOINPAGE4_H
#define CAMGUIDE_JOINPAGE4_H

#include "pages/cloud/finishpage.h"

class joinPage4 : public finishPage
{
    Q_OBJECT
public:
    explicit joinPage4(QWidget *parent = nullptr);
};

#endif
