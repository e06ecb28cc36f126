#ifndef CAMGUIDE_ACCOUNTCHAIN_H
#define CAMGUIDE_ACCOUNTCHAIN_H

#include "pages/cloud/portalrequest.h"

#include <QObject>
#include <QString>

#include <functional>

class IPCamera;
class httpRequest;

// The cloud account's chain of portal requests: sign-up, sign-in with the
// same e-mail and password, then the camera added to the account; or
// sign-in and add. One request at a time, each step sent when the one
// before succeeded. The camera is read afresh for every step; the chain's
// time is counted in its owner's ticks. A chain ends in one signal: done,
// refused or failed.
class accountChain : public QObject
{
    Q_OBJECT

public:
    // Why a chain ended without the camera added.
    enum class failure {
        transfer,         // a transfer error or an HTTP error status
        unknownAnswer,    // the add request answered "200" with no body
        noCamera,         // none chosen when a request was due
        noPortalAddress,  // the camera gave none that may be used
        tooLate,          // no answer within tickLimit ticks
    };
    Q_ENUM(failure)

    // Ticks one chain may take.
    static constexpr int tickLimit = 601;

    // camera gives the record of the camera being set up, or null; version
    // is the program's, for the wizard_version item.
    accountChain(std::function<const IPCamera *()> camera, const QString &version,
                 QObject *parent = nullptr);

    // A chain starts; one that runs is given up. False, with failed()
    // emitted already, when its first request could not be sent.
    bool signUp(const portalRequest::signUpForm &form);
    bool signIn(const QString &email, const QString &password);
    // The chain is given up: no signal comes of it.
    void abandon();
    bool isRunning() const { return m_step != step::none; }
    // The owner's count of ticks since the chain started: at tickLimit the
    // outstanding request is given up and failed(tooLate) comes.
    void ticksPassed(int ticks);

    // The camera's portal address, or empty (with a log line) when it gave
    // none that may be used.
    static QByteArray portalBase(const IPCamera *camera);

signals:
    // A sign-in is about to be sent: the camera's info record may be asked
    // for again; the add request reads what it holds then.
    void signingIn();
    void done();
    void refused(const QString &answer);
    void failed(accountChain::failure why);

private:
    enum class step { none, signUp, signIn, addCamera };

    bool send(step next, const QByteArray &body);
    bool sendSignIn();
    bool sendAdd();
    void answered(const portalRequest::verdict &v, const QString &error);
    portalRequest::verdict judge(bool failed, const QString &status, const QByteArray &body) const;
    static const char *pathOf(step s);
    void reset();

    std::function<const IPCamera *()> m_camera;
    const QString m_version;
    httpRequest *m_request;
    step m_step = step::none;
    // The account, for the sign-in after a sign-up.
    QString m_email;
    QString m_password;
};

#endif
