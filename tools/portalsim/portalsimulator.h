#ifndef PORTALSIM_PORTALSIMULATOR_H
#define PORTALSIM_PORTALSIMULATOR_H

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcPortalsim)

QT_BEGIN_NAMESPACE
class QHttpServerRequest;
class QTcpSocket;
QT_END_NAMESPACE

namespace simcommon {
class HttpFront;
}

namespace portalsim {

enum class requestKind { signUp, signIn, addCamera, other };
// What a kind of request gets instead of its normal answer.
enum class fault { none, refuse, serverError, redirect, silent, oversized };

// One HTTP request as the portal took it, with its answer.
struct request {
    QDateTime time;  // UTC
    QByteArray method;
    QByteArray path;                               // with the query, e.g. "/account/?signin"
    QList<QPair<QByteArray, QByteArray>> headers;  // as received
    QByteArray body;                               // raw bytes
    requestKind kind = requestKind::other;
    QList<QPair<QString, QString>> form;  // decoded form items, in order
    QHostAddress peer;
    int status = 0;          // answered status, 0 while none (silent)
    QByteArray answer;       // answered body; of an oversized one its first kilobyte
    qint64 answerBytes = 0;  // the size of the answered body

    // The last value given for a form item; empty when missing.
    QString item(const QString &key) const;
    QJsonObject toJson() const;
};

// Text for the log and the command line: "sign-up", "sign-in", "add", "other".
QString kindName(requestKind kind);

// The cloud portal's account service over HTTP: sign-up, sign-in and adding
// a camera to the signed-in account, with faults to order per kind.
class PortalSimulator : public QObject
{
    Q_OBJECT

public:
    explicit PortalSimulator(QObject *parent = nullptr);
    ~PortalSimulator() override;

    bool listen(const QHostAddress &address, quint16 port = 0);  // 0: free port
    quint16 port() const;
    QHostAddress address() const;
    QByteArray baseUrl() const;  // "http://ADDR:PORT/"
    QString errorString() const { return lastError; }

    void setFault(requestKind kind, fault f);
    // The body of a refusal by the refuse fault (any bytes, as a portal
    // might write them).
    void setRefusalText(const QByteArray &text) { refusalText = text; }
    // The size of the body the oversized fault sends: the refusal text, then
    // lines of filler.
    void setOversizedBytes(qint64 bytes) { oversizedBytes = bytes; }

    void addAccount(const QString &email, const QString &password);
    bool hasAccount(const QString &email) const;  // e-mails compare case-insensitively
    QStringList devicesOf(const QString &email) const;
    // Binds a camera to an account, taking it from any other; an unknown
    // e-mail gets an account without a password, which never signs in.
    void bindDevice(const QString &email, const QString &deviceNo);

    // Replaces every account with the file's.
    bool loadAccounts(const QString &path, QString *error = nullptr);
    bool saveAccounts(const QString &path, QString *error = nullptr) const;
    void setAccountsFile(const QString &path);  // written back after every change
    bool setLogFile(const QString &path);       // one JSON line per request, appended

    const QList<request> &requests() const { return log; }
    void clearRequests() { log.clear(); }

signals:
    // After it was answered; a silent request at once.
    void requestReceived(const portalsim::request &r);

private:
    struct Account {
        QString email;
        QString password;
        QString firstName;
        QString lastName;
        QStringList devices;
    };

    void handle(const QHttpServerRequest &in, QTcpSocket *socket);
    // The normal answer: status and body, and the session cookie of a sign-in.
    int answer(request &r, QByteArray *sessionCookie);
    int signUp(request &r);
    int signIn(request &r, QByteArray *sessionCookie);
    int addCamera(request &r);
    Account *findAccount(const QString &email);
    const Account *findAccount(const QString &email) const;
    QString ownerOf(const QString &deviceNo) const;
    void changed();
    void record(const request &r);

    std::unique_ptr<simcommon::HttpFront> server;
    QList<Account> accounts;
    QHash<requestKind, fault> faults;
    QByteArray refusalText = "[E99] The service is not available at the moment.";
    qint64 oversizedBytes = 16 * 1024 * 1024;
    QHash<QByteArray, QString> sessions;  // cookie value to e-mail
    QHash<QString, QString> lastSignIn;   // peer address to e-mail
    QString accountsFile;
    QFile logFile;
    QList<request> log;
    QString lastError;
};

}  // namespace portalsim

#endif
