#ifndef CAMGUIDE_JOINPAGE2_H
#define CAMGUIDE_JOINPAGE2_H

#include "core/pageframe.h"
#include "pages/cloud/portalrequest.h"

#include <QList>
#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QNetworkReply;
class QPushButton;
class QRadioButton;

// Page 5: the user signs in to or up for the cloud service, and the camera
// is added to the account; or registration is skipped.
class joinPage2 : public pageFrame
{
    Q_OBJECT

public:
    explicit joinPage2(QWidget *parent = nullptr);

    void initializePage() override;

    // The portal request outstanding.
    enum { noRequest = 0, signUpRequest = 1, addCameraRequest = 2, signInRequest = 3 };
    // Ticks one chain of requests may take.
    static constexpr int tickLimit = 601;

private slots:
    void back();
    void next();
    void waitTimeout() override;
    void yesRadioButton_show(bool checked);
    void noRadioButton_show(bool checked);
    void no2RadioButton_show(bool checked);
    void linktip1_click();
    void linktip2_click(const QString &str);
    void registerUserFinishedSlot(QNetworkReply *reply);
    void logonFinishedSlot(QNetworkReply *reply);
    void addDeviceFinishedSlot(QNetworkReply *reply);

private:
    // The constructor's parts, one per region of the page.
    void buildChoices();
    void buildWhyJoin();
    void buildSignInForm();
    void buildSignUpForm();
    void buildButtons();

    void waitLoading();
    void logon(int step);
    void registerUser();
    void addDevice();

    // Posts one request of the chain and routes its reply to its handler.
    // False, with the chain ended and a box shown, when nothing was sent.
    bool post(int kind, const char *path, const QByteArray &body);
    // The reply of the outstanding request, or null for an abandoned one;
    // the routing goes either way.
    bool takeReply(QNetworkReply *reply, int kind);
    // The outstanding request is given up: its reply is never handled.
    void abandonRequest();
    // A reply taken by its handler: read (at most the answer limit), judged
    // by its kind's rule and acted on.
    void answered(int kind, QNetworkReply *reply);
    void answered(int kind, const portalRequest::verdict &v, const QString &error);
    static const char *pathOf(int kind);
    portalRequest::verdict judge(int kind, bool failed, const QString &status,
                                 const QByteArray &body) const;
    // The chain is over: the timer stops and the page is usable again.
    void endChain();
    // The camera's portal address, or empty (after the box) when there is
    // none to use.
    QByteArray portalBase();

    void hideForms() override;
    void hideFormWidgets();  // the widgets only, no other effect
    void showChosenForm() override;
    void showPanel(bool shown);
    void setNextEnabled(bool enabled, bool blue);
    // The choices and the typed values stay as they are while a chain runs.
    void setChoiceEnabled(bool enabled);
    void closeBox(const QString &message, QPoint offset);
    void answerBox(const QString &answer);

    QLabel *questionLabel = nullptr;
    QRadioButton *yesRadioButton = nullptr;
    QRadioButton *noRadioButton = nullptr;
    QRadioButton *no2RadioButton = nullptr;
    QRadioButton *noneRadioButton = nullptr;
    QButtonGroup *choices = nullptr;
    QList<QLabel *> panel;
    QLabel *accountLabel = nullptr;
    QLabel *emailLabel = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *signInEmailEdit = nullptr;
    QLineEdit *signInPasswordEdit = nullptr;
    QLabel *forgotLink = nullptr;
    QLabel *confirmLabel = nullptr;
    QLineEdit *signUpEmailEdit = nullptr;
    QLineEdit *signUpPasswordEdit = nullptr;
    QLineEdit *confirmPasswordEdit = nullptr;
    QLabel *firstNameLabel = nullptr;
    QLabel *lastNameLabel = nullptr;
    QLineEdit *firstNameEdit = nullptr;
    QLineEdit *lastNameEdit = nullptr;
    QCheckBox *newsletterCheck = nullptr;
    QCheckBox *acceptCheck = nullptr;
    QLabel *termsLabel = nullptr;
    QPushButton *backButton = nullptr;
    QPushButton *nextButton = nullptr;

    int requestKind = noRequest;
    QPointer<QNetworkReply> outstanding;
};

#endif
