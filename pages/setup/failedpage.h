#ifndef CAMGUIDE_FAILEDPAGE_H
#define CAMGUIDE_FAILEDPAGE_H

#include "pages/setup/networkcheck.h"
#include "pages/setup/networkcheckpage.h"

#include <QList>

class MyIpAddrEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// Page 3: a wired camera that failed the Internet check is switched to
// PPPoE, a static address or DHCP, and checked again; or it stays as it is
// for local viewing only.
class failedPage : public networkCheckPage
{
    Q_OBJECT

public:
    explicit failedPage(QWidget *parent = nullptr);
    ~failedPage() override;

    void initializePage() override;

    // The ways of the page, fixed for a run by Next.
    enum class way { none, pppoe, staticIp, dhcp, intranet };

private slots:
    void back();
    void next();
    void radiobutton1_show(bool checked);
    void radiobutton2_show(bool checked);
    void radiobutton3_show(bool checked);
    void radiobutton4_show(bool checked);
    void decidePageJump();

private:
    // The constructor's builders, one per region of the page, in stacking order.
    void buildQuestion();
    void buildPppoeForm();
    void buildStaticForm();
    void buildOtherWays();
    void buildHelpButton();
    void buildButtons();
    void buildRun();
    void connectControls();

    way chosenWay() const;
    void radiosClosed();
    void showPppoeForm(bool shown);
    void showStaticForm(bool shown);
    void closeForms();
    // The chosen way's form again, after a box.
    void hideForms() override;
    void showChosenForm() override;
    // The four ways and both forms; off while a run is open.
    void setChoiceEnabled(bool enabled);
    // An input box: veil, forms hidden, the box, then the form again.
    void inputBox(const QString &text, const QString &buttonFont);
    void failureRoad();
    void runOutOfTime();
    // What the check needs of the way Next pushed.
    static networkCheck::plan checkPlan(way chosen);
    // The run's ending: no more replies, timers stopped, Next enabled.
    void endRun();

    QPushButton *backButton = nullptr;
    QPushButton *nextButton = nullptr;
    QTimer *decideTimer = nullptr;
    QLabel *questionLabel = nullptr;
    QLabel *currentConnLabel = nullptr;
    QRadioButton *pppoeRadio = nullptr;
    QLabel *accountLabel = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *accountEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QRadioButton *staticRadio = nullptr;
    QList<QLabel *> staticLabels;        // IP address, Submask, Gateway, DNS 1, DNS 2
    QList<MyIpAddrEdit *> addressEdits;  // in the same order
    MyIpAddrEdit *ipEdit = nullptr;
    MyIpAddrEdit *maskEdit = nullptr;
    MyIpAddrEdit *gatewayEdit = nullptr;
    MyIpAddrEdit *dns1Edit = nullptr;
    MyIpAddrEdit *dns2Edit = nullptr;
    QRadioButton *dhcpRadio = nullptr;
    QRadioButton *intranetRadio = nullptr;
    QRadioButton *noneRadioButton = nullptr;
    QPushButton *helpButton = nullptr;

    way runWay = way::none;  // the way of the open run
};

#endif
