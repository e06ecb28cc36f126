#include "pages/cloud/accountchain.h"

#include "core/http.h"
#include "protocol/cameravalues.h"
#include "protocol/ipcamera.h"

#include <QDebug>
#include <QNetworkRequest>

accountChain::accountChain(std::function<const IPCamera *()> camera, const QString &version,
                           QObject *parent)
    : QObject(parent)
    , m_camera(std::move(camera))
    , m_version(version)
    , m_request(new httpRequest(portalRequest::answerLimit, this))
{
    m_request->setObjectName(QStringLiteral("portalRequest"));
    connect(m_request, &httpRequest::finished, this,
            [this](const QString &status, const QByteArray &body) {
                qDebug().noquote() << "joinPage2:" << pathOf(m_step) << "answered" << status;
                answered(judge(false, status, body), QString());
            });
    connect(m_request, &httpRequest::failed, this,
            [this](const QString &status, const QString &error) {
                qDebug().noquote() << "joinPage2:" << pathOf(m_step) << "answered" << status;
                answered(judge(true, status, QByteArray()), error);
            });
    connect(m_request, &httpRequest::tooLong, this,
            [this](const QString &status, const QByteArray &start) {
                qDebug().noquote()
                    << "joinPage2:" << pathOf(m_step) << "answered" << status << "with more than"
                    << portalRequest::answerLimit << "bytes; the rest is not read.";
                const bool failed = portalRequest::failedStatus(status);
                answered(portalRequest::cutShort(judge(failed, status, start), start),
                         QStringLiteral("answer too long"));
            });
}

QByteArray accountChain::portalBase(const IPCamera *camera)
{
    const QByteArray base =
        camera ? portalRequest::recordValue(camera->portalBaseUrl) : QByteArray();
    if (cameraValues::isPortalAddress(base))
        return base;
    qDebug().noquote() << "joinPage2: the camera gave no usable portal address.";
    return QByteArray();
}

bool accountChain::signUp(const portalRequest::signUpForm &form)
{
    abandon();
    m_email = form.email;
    m_password = form.password;
    const IPCamera *camera = m_camera();
    const QByteArray model = camera ? camera->model : QByteArray();
    return send(step::signUp, portalRequest::signUpBody(model, m_version, form));
}

bool accountChain::signIn(const QString &email, const QString &password)
{
    abandon();
    m_email = email;
    m_password = password;
    return sendSignIn();
}

void accountChain::abandon()
{
    m_request->abandon();
    reset();
}

void accountChain::reset()
{
    m_step = step::none;
    m_email.clear();
    m_password.clear();
}

void accountChain::ticksPassed(int ticks)
{
    if (!isRunning() || ticks < tickLimit)
        return;
    qDebug().noquote() << "joinPage2: no answer from the portal in time.";
    abandon();
    emit failed(failure::tooLate);
}

bool accountChain::sendSignIn()
{
    emit signingIn();
    const IPCamera *camera = m_camera();
    const QByteArray model = camera ? camera->model : QByteArray();
    return send(step::signIn, portalRequest::signInBody(model, m_version, m_email, m_password));
}

bool accountChain::sendAdd()
{
    const IPCamera *camera = m_camera();
    const QByteArray body =
        camera ? portalRequest::addCameraBody(camera->model, m_version, camera->deviceNo,
                                              camera->password, camera->dfp)
               : QByteArray();
    return send(step::addCamera, body);
}

bool accountChain::send(step next, const QByteArray &body)
{
    const IPCamera *camera = m_camera();
    const QByteArray base = portalBase(camera);
    if (base.isEmpty()) {
        abandon();
        emit failed(camera ? failure::noPortalAddress : failure::noCamera);
        return false;
    }
    m_step = next;
    m_request->post(portalRequest::formPost(base, pathOf(next), body), body);
    qDebug().noquote() << "joinPage2: post" << pathOf(next);
    return true;
}

portalRequest::verdict accountChain::judge(bool failed, const QString &status,
                                           const QByteArray &body) const
{
    if (m_step != step::addCamera)
        return portalRequest::judgeAccountReply(failed, status, body);
    // The camera as it is now: its record may have changed since the post.
    const IPCamera *camera = m_camera();
    return portalRequest::judgeAddReply(failed, status, body,
                                        camera ? camera->deviceNo : QByteArray(),
                                        camera ? camera->model : QByteArray());
}

const char *accountChain::pathOf(step s)
{
    return s == step::signUp   ? portalRequest::signUpPath
           : s == step::signIn ? portalRequest::signInPath
                               : portalRequest::addCameraPath;
}

void accountChain::answered(const portalRequest::verdict &v, const QString &error)
{
    const step answeredStep = m_step;
    if (v.result == portalRequest::outcome::success) {
        if (answeredStep == step::signUp) {
            sendSignIn();
        } else if (answeredStep == step::signIn) {
            sendAdd();
        } else {
            reset();
            emit done();
        }
        return;
    }
    reset();
    switch (v.result) {
    case portalRequest::outcome::networkError:
        qDebug().noquote() << "joinPage2:" << pathOf(answeredStep) << "failed:" << error;
        emit failed(failure::transfer);
        break;
    case portalRequest::outcome::unknownError: emit failed(failure::unknownAnswer); break;
    case portalRequest::outcome::refused: emit refused(v.text); break;
    case portalRequest::outcome::success: break;
    }
}
