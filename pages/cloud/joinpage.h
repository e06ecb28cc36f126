#ifndef CAMGUIDE_JOINPAGE_H
#define CAMGUIDE_JOINPAGE_H

#include "pages/cloud/finishpage.h"

class joinPage : public finishPage
{
    Q_OBJECT
public:
    explicit joinPage(QWidget *parent = nullptr);
};

#endif
