#ifndef CAMGUIDE_JOINPAGE1_H
#define CAMGUIDE_JOINPAGE1_H

#include "core/pageframe.h"
#include "pages/common/cameraroads.h"

class QLabel;
class QPushButton;

// Page 4: the camera is already bound to a cloud account. The page says so,
// links to the portal, and offers the hard reset that leads back to the
// camera search.
class joinPage1 : public pageFrame
{
    Q_OBJECT

public:
    explicit joinPage1(QWidget *parent = nullptr);

    void initializePage() override {}

private slots:
    void next();
    void back();
    void hard_reset_Slot(const QString &str);

private:
    QLabel *infoText = nullptr;
    QPushButton *backButton = nullptr;
    QPushButton *nextButton = nullptr;
    cameraRoads roads{*this};
};

#endif
