#ifndef CAMGUIDE_SELECTPAGE_H
#define CAMGUIDE_SELECTPAGE_H

#include "core/pageframe.h"
#include "core/waitrun.h"
#include "pages/common/cameraroads.h"

#include <QModelIndex>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Page 1: searches the network for cameras, lists them, and asks for the
// chosen camera's administrator password (a new one, or the stored one).
class selectPage : public pageFrame
{
    Q_OBJECT

public:
    explicit selectPage(QWidget *parent = nullptr);

    void initializePage() override;

    // Item data role under which the table keeps a cell's picture name.
    enum { pictureRole = Qt::UserRole + 1 };

    // The page's timed runs: the search, and the password run of a camera
    // with a stored password or of one that gets a new password.
    enum class run { search, confirm, newPassword };
    // What a run does at a tick of its table.
    enum class runStep {
        scanAgainForFactoryAddress,  // a second scan when the factory address answered
        askMissingRecordsOrEnd,      // the missing info records, or the search ends
        askMissingRecordsAndEnd,     // the missing info records, and the search ends
        endPasswordRun,              // on to the connection page
        checkPasswordAtFive,         // confirmed: the web server restarts; else the password again
        checkPasswordAtEight,        // confirmed late: the web server restarts
        endOrAskAfterPassword,       // confirmed: on; else the box with Retry
    };
    // The rows of a run, by rising tick.
    static const QList<tickRow<runStep>> &rows(run r);

public slots:
    void showToolTip(const QModelIndex &index);
    void clickShow(int row, int column);
    void back();
    void next();
    void hintMessage();
    void forgetPassword();
    void rescan();
    void ScanPktGen();
    void updateDeviceList(int idx);
    void cameraRecovery(int idx);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected slots:
    void waitTimeout() override;

private:
    // The page's regions, top to bottom.
    void buildCameraTable();
    void buildLegend();
    void buildMacHint();
    void buildPasswordForm();
    void buildButtons();

    // The rows of the tick tables.
    void act(runStep s);
    void scanAgainForFactoryAddress();
    bool askMissingRecords();
    void askMissingRecordsOrEnd();
    void askMissingRecordsAndEnd();
    void checkPasswordAtFive();
    void checkPasswordAtEight();
    void endOrAskAfterPassword();
    void restartCameraWebServer();

    QList<QWidget *> passwordForm() const;
    void hidePasswordForm();
    void showNewPasswordMode();
    void showConfirmMode();
    void setRadio(int row, bool selected);
    int cameraIndexOfRow(int row) const;
    bool chosenCameraConfirmed() const;
    void startSearch();
    void endSearch();
    void endPasswordRun();
    void stopPasswordRun();
    void passwordRunFailed();
    void passwordNotConfirmed();
    void lockControls();
    void unlockControls();
    void showRegisteredNotice();

    bool bBusy = false;              // true while the password run goes
    bool passwordConfirmed = false;  // this run's password came back from the camera
    int cameraCount = 0;
    int selectedRow = -1;

    QTableWidget *cameraTable = nullptr;
    QLabel *introLabel = nullptr;
    QLabel *passwdTitle = nullptr;
    QLabel *adminAccountLabel = nullptr;
    QLabel *adminNameLabel = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *passwdEdit = nullptr;
    QLabel *forgotLink = nullptr;
    QLabel *confirmLabel = nullptr;
    QLineEdit *confirmEdit = nullptr;
    QLabel *macImage = nullptr;
    QLabel *macHint = nullptr;
    QLabel *noCameraLink = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *backButton = nullptr;
    QPushButton *rescanButton = nullptr;
    QPushButton *nextButton = nullptr;
    cameraRoads roads{*this};
};

#endif
