#ifndef CAMGUIDE_HTTP_H
#define CAMGUIDE_HTTP_H

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QTimer;

// The one access manager that pages use for HTTP (portal requests, camera
// snapshots). Made on first use; a test installs its own in its place and
// gets the old one back when it removes it.
QNetworkAccessManager *networkAccess();
void setNetworkAccess(QNetworkAccessManager *manager);  // nullptr: back to the program's own

// Reads a reply's body as it arrives, up to limit bytes: the reply itself
// buffers no more than a piece of it, and tooLong runs, while context lives,
// as soon as more than limit bytes came. The reply reads no further then;
// the caller takes what it wants with limitedBody and abandons it.
void limitBody(QNetworkReply *reply, qint64 limit, QObject *context, std::function<void()> tooLong);

// The body that limitBody has read of a reply so far, with what the reply
// still buffers, to at most the limit; a reply without limitBody gives its
// whole buffer.
QByteArray limitedBody(QNetworkReply *reply);

// Gives a reply up: none of its signals reaches receiver any more, it stops
// on the network and is deleted later. Disconnected first, because abort()
// finishes the reply at once.
void abandonReply(QNetworkReply *reply, QObject *receiver);

// One request at a time through networkAccess(), with its answer bounded
// and, when set, a deadline. Sending abandons the request before it, and an
// abandoned or earlier reply never reaches a signal. Each request ends in
// exactly one signal, unless abandoned; a slot may send the next request.
// The status is the HTTP status code as text, empty without one.
class httpRequest : public QObject
{
    Q_OBJECT

public:
    // No body longer than bodyLimit bytes is read.
    explicit httpRequest(qint64 bodyLimit, QObject *parent = nullptr);
    ~httpRequest() override;

    // How long a request may take from its sending, however its answer
    // trickles in; 0, the default, for no deadline. For the next request.
    void setDeadline(int ms);

    void get(const QNetworkRequest &request);
    void post(const QNetworkRequest &request, const QByteArray &body);
    // The outstanding request is given up, without a signal.
    void abandon();
    bool isRunning() const { return !m_reply.isNull(); }

signals:
    // A whole answer without a transfer error, at most the bound.
    void finished(const QString &status, const QByteArray &body);
    // A transfer error (an HTTP error status too); the body is not read.
    void failed(const QString &status, const QString &error);
    // More than the bound came: given up there, with the first bodyLimit
    // bytes.
    void tooLong(const QString &status, const QByteArray &start);
    // No whole answer by the deadline: given up.
    void tooLate();

private:
    void watch(QNetworkReply *reply);
    // The reply is the outstanding one: taken off and disconnected. False,
    // with the reply let go, for any other.
    bool take(QNetworkReply *reply);

    const qint64 m_limit;
    QPointer<QNetworkReply> m_reply;
    QTimer *m_deadline = nullptr;
};

#endif
