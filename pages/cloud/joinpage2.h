#ifndef CAMGUIDE_JOINPAGE2_H
#define CAMGUIDE_JOINPAGE2_H

#include "core/pageframe.h"
#include "pages/cloud/accountchain.h"

#include <QList>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
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

private slots:
    void back();
    void next();
    void waitTimeout() override;
    void yesRadioButton_show(bool checked);
    void noRadioButton_show(bool checked);
    void no2RadioButton_show(bool checked);
    void linktip1_click();
    void linktip2_click(const QString &str);
    void refreshInfoRecord();
    void chainDone();
    void chainRefused(const QString &answer);
    void chainFailed(accountChain::failure why);

private:
    // The constructor's parts, one per region of the page.
    void buildChoices();
    void buildWhyJoin();
    void buildSignInForm();
    void buildSignUpForm();
    void buildButtons();

    void waitLoading();
    void logon();
    void registerUser();

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

    accountChain *chain = nullptr;
};

#endif
