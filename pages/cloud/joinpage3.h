#ifndef CAMGUIDE_JOINPAGE3_H
#define CAMGUIDE_JOINPAGE3_H

#include "pages/cloud/finishpage.h"

class joinPage3 : public finishPage
{
    Q_OBJECT
public:
    explicit joinPage3(QWidget *parent = nullptr);
};

#endif
