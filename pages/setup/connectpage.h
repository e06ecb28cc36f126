#ifndef CAMGUIDE_CONNECTPAGE_H
#define CAMGUIDE_CONNECTPAGE_H

#include "pages/common/cameraroads.h"
#include "pages/setup/networkcheck.h"
#include "pages/setup/networkcheckpage.h"

#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class IPCamera;
class moveLabel;

// Page 2: how the camera goes on the network (cable, WPS, or a wireless
// network the camera found), pushed to the camera on Next and checked by a
// network check run that decides where the wizard goes.
class connectPage : public networkCheckPage
{
    Q_OBJECT

public:
    explicit connectPage(QWidget *parent = nullptr);
    ~connectPage() override;

    void initializePage() override;

    // The instruction panels' steps: 0 to 2 the cable way, 3 to 6 WPS.
    enum { firstCableStep = 0, firstWpsStep = 3, listMode = 7 };

protected:
    // Back from the cloud account page: the camera may be on another link
    // now, and the page offers the choice afresh, as on every entry.
    bool entersAgainOnBack() const override { return true; }

private slots:
    void iconControl(bool flag);
    void openMymsgBox(const QString &str);
    void back();
    void next();
    void ethernet_show(bool shown);
    void wps_show(bool shown);
    void usr_passwd_show(bool shown);
    void show_pic1(bool flag);
    void show_pic2(bool flag);
    void show_pic3(bool flag);
    void showMessage();
    void showMessage2();
    void showMessage3();
    void showWPSMessage(const QString &str);
    void show_wifipic1(bool flag);
    void show_wifipic2(bool flag);
    void show_wifipic3(bool flag);
    void show_wifipic4(bool flag);
    void timerDone();
    void updateAPList();
    void rescanAP();
    void decidePageJump();
    void decideAPSearch();
    void confirmNetworkSetup();

private:
    // The constructor's builders, one per region of the page, in stacking order.
    void buildChoice();
    void buildNetworkList();
    void buildInstructions();
    void buildButtons();
    void buildRun();
    void connectControls();

    void showStep(int step, bool byHover);
    void holdStep(int step, bool flag);
    void closePanels();
    QList<QWidget *> listPanel() const;
    void openInstructionPanel(int firstStep);
    void closeInstructionPanel(const QList<moveLabel *> &entries);
    void wirelessBlockHome();
    void hideInstructions();
    void setNextBlue();
    // Back, Next and the three ways; held while a run is open.
    void setChoiceEnabled(bool enabled);
    void stopTimers();
    // The run's ending: count 0, timer stopped, status hidden, Next enabled.
    void endRun();
    void decideOnline(bool registered);
    void decideOffline();
    QList<boxButton> closeBoxButton() const;
    // What the check needs of the choice Next pushed.
    networkCheck::plan checkPlan(const IPCamera &camera) const;

    QPushButton *backButton = nullptr;
    QPushButton *nextButton = nullptr;
    QTimer *apSearchTimer = nullptr;
    QTimer *stepTimer = nullptr;
    QLabel *veilLabel = nullptr;
    QLabel *ledVeilLabel = nullptr;
    QLabel *currentConnLabel = nullptr;
    QLabel *questionLabel = nullptr;
    QLabel *wiredHeading = nullptr;
    QLabel *wirelessHeading = nullptr;
    moveLabel *stepImage = nullptr;
    moveLabel *stepText = nullptr;
    QPushButton *rescanButton = nullptr;
    QLabel *apListLabel = nullptr;
    QLabel *apPasswordLabel = nullptr;
    QLineEdit *apPasswordEdit = nullptr;
    QComboBox *apListCombo = nullptr;
    QLabel *stepMarker = nullptr;
    moveLabel *pictureFrame = nullptr;
    QList<moveLabel *> wiredStepLabels;
    QList<moveLabel *> wpsStepLabels;
    moveLabel *ledHintLink = nullptr;
    moveLabel *wpsButtonLink = nullptr;
    moveLabel *problemsLink = nullptr;
    QLabel *wpsLink = nullptr;
    QRadioButton *ethernetRadio = nullptr;
    QRadioButton *wpsRadio = nullptr;
    QRadioButton *selectNetworkRadio = nullptr;
    QRadioButton *noneRadioButton = nullptr;

    cameraRoads roads{*this};
    int curStep = 0;
    int stepMode = 0;
    int apIndex = 0;
    int apSearchTicks = 0;
    bool bChangeConnectionType = false;
};

#endif
