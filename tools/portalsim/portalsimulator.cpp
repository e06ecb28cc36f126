#include "tools/portalsim/portalsimulator.h"

#include "tools/common/httpfront.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTcpSocket>

Q_LOGGING_CATEGORY(lcPortalsim, "portalsim")

namespace portalsim {

namespace {

const QByteArray sessionCookieName = "portal_session";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "+" is a blank, %XX a byte; a broken escape stays as it is.
QString formDecoded(const QByteArray &in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < in.size() && hexValue(in.at(i + 1)) >= 0
                   && hexValue(in.at(i + 2)) >= 0) {
            out += char(hexValue(in.at(i + 1)) * 16 + hexValue(in.at(i + 2)));
            i += 2;
        } else {
            out += c;
        }
    }
    return QString::fromUtf8(out);
}

QList<QPair<QString, QString>> decodeForm(const QByteArray &body)
{
    QList<QPair<QString, QString>> items;
    for (const QByteArray &part : body.split('&')) {
        if (part.isEmpty())
            continue;
        const qsizetype eq = part.indexOf('=');
        items.append({formDecoded(eq < 0 ? part : part.left(eq)),
                      eq < 0 ? QString() : formDecoded(part.mid(eq + 1))});
    }
    return items;
}

requestKind kindOf(const QByteArray &path)
{
    if (path == "/signin/")
        return requestKind::signUp;
    if (path == "/account/?signin")
        return requestKind::signIn;
    if (path == "/account/?add")
        return requestKind::addCamera;
    return requestKind::other;
}

// A peer's address the same whether the server listens on IPv4 or on both.
QString peerKey(const QHostAddress &address)
{
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : address.toString();
}

QByteArray urlOf(const QHostAddress &address, quint16 port)
{
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    const QString host =
        ok ? QHostAddress(v4).toString() : QStringLiteral("[%1]").arg(address.toString());
    return QStringLiteral("http://%1:%2/").arg(host).arg(port).toUtf8();
}

QByteArray cookieValue(const QList<QPair<QByteArray, QByteArray>> &headers)
{
    for (const auto &h : headers) {
        if (h.first.compare("cookie", Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray &c : h.second.split(';')) {
            const QByteArray t = c.trimmed();
            if (t.startsWith(sessionCookieName + '='))
                return t.mid(sessionCookieName.size() + 1);
        }
    }
    return QByteArray();
}

}  // namespace

QString kindName(requestKind kind)
{
    switch (kind) {
    case requestKind::signUp: return QStringLiteral("sign-up");
    case requestKind::signIn: return QStringLiteral("sign-in");
    case requestKind::addCamera: return QStringLiteral("add");
    case requestKind::other: break;
    }
    return QStringLiteral("other");
}

// ---------------------------------------------------------------- request

QString request::item(const QString &key) const
{
    QString value;
    for (const auto &i : form)
        if (i.first == key)
            value = i.second;
    return value;
}

QJsonObject request::toJson() const
{
    QJsonObject headerObject;
    for (const auto &h : headers) {
        const QString name = QString::fromLatin1(h.first);
        const QString value = QString::fromLatin1(h.second);
        const QString before = headerObject.value(name).toString();
        headerObject.insert(name, before.isEmpty() ? value : before + QStringLiteral(", ") + value);
    }
    QJsonArray formPairs;
    for (const auto &i : form)
        formPairs.append(QJsonArray{i.first, i.second});
    QJsonObject o;
    o.insert(QStringLiteral("time"), time.toString(Qt::ISODateWithMs));
    o.insert(QStringLiteral("peer"), peerKey(peer));
    o.insert(QStringLiteral("method"), QString::fromLatin1(method));
    o.insert(QStringLiteral("path"), QString::fromUtf8(path));
    o.insert(QStringLiteral("headers"), headerObject);
    o.insert(QStringLiteral("body"), QString::fromUtf8(body));
    o.insert(QStringLiteral("kind"), kindName(kind));
    o.insert(QStringLiteral("form"), formPairs);
    o.insert(QStringLiteral("status"), status);
    o.insert(QStringLiteral("answer"), QString::fromUtf8(answer));
    o.insert(QStringLiteral("answerBytes"), answerBytes);
    return o;
}

// ---------------------------------------------------------------- PortalSimulator

PortalSimulator::PortalSimulator(QObject *parent)
    : QObject(parent)
    , server(std::make_unique<simcommon::HttpFront>(
          [this](const QHttpServerRequest &in, QTcpSocket *socket) { handle(in, socket); }))
{
}

PortalSimulator::~PortalSimulator() = default;

bool PortalSimulator::listen(const QHostAddress &address, quint16 port)
{
    return server->listenOn(address, port, &lastError);
}

quint16 PortalSimulator::port() const
{
    return server->port();
}

QHostAddress PortalSimulator::address() const
{
    return server->address();
}

QByteArray PortalSimulator::baseUrl() const
{
    return urlOf(address(), port());
}

void PortalSimulator::setFault(requestKind kind, fault f)
{
    faults.insert(kind, f);
}

PortalSimulator::Account *PortalSimulator::findAccount(const QString &email)
{
    for (Account &a : accounts)
        if (a.email.compare(email, Qt::CaseInsensitive) == 0)
            return &a;
    return nullptr;
}

const PortalSimulator::Account *PortalSimulator::findAccount(const QString &email) const
{
    return const_cast<PortalSimulator *>(this)->findAccount(email);
}

QString PortalSimulator::ownerOf(const QString &deviceNo) const
{
    for (const Account &a : accounts)
        if (a.devices.contains(deviceNo))
            return a.email;
    return QString();
}

void PortalSimulator::addAccount(const QString &email, const QString &password)
{
    if (Account *a = findAccount(email)) {
        a->password = password;
    } else {
        Account n;
        n.email = email;
        n.password = password;
        accounts.append(n);
    }
    changed();
}

bool PortalSimulator::hasAccount(const QString &email) const
{
    return findAccount(email) != nullptr;
}

QStringList PortalSimulator::devicesOf(const QString &email) const
{
    const Account *a = findAccount(email);
    return a ? a->devices : QStringList();
}

void PortalSimulator::bindDevice(const QString &email, const QString &deviceNo)
{
    for (Account &a : accounts)
        a.devices.removeAll(deviceNo);
    Account *a = findAccount(email);
    if (!a) {
        accounts.append(Account{email, QString(), QString(), QString(), {}});
        a = &accounts.last();
    }
    a->devices.append(deviceNo);
    changed();
}

bool PortalSimulator::loadAccounts(const QString &path, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject())
        return fail(parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                 : QStringLiteral("not an object"));
    const QJsonValue list = doc.object().value(QStringLiteral("accounts"));
    if (!list.isArray())
        return fail(QStringLiteral("no \"accounts\" array"));
    QList<Account> loaded;
    for (const QJsonValue &v : list.toArray()) {
        const QJsonObject o = v.toObject();
        Account a;
        a.email = o.value(QStringLiteral("email")).toString();
        a.password = o.value(QStringLiteral("password")).toString();
        a.firstName = o.value(QStringLiteral("firstName")).toString();
        a.lastName = o.value(QStringLiteral("lastName")).toString();
        for (const QJsonValue &d : o.value(QStringLiteral("devices")).toArray())
            a.devices.append(d.toString());
        if (a.email.isEmpty())
            return fail(QStringLiteral("an account without an e-mail address"));
        for (const Account &b : loaded)
            if (b.email.compare(a.email, Qt::CaseInsensitive) == 0)
                return fail(QStringLiteral("%1 is listed twice").arg(a.email));
        loaded.append(a);
    }
    accounts = loaded;
    return true;
}

bool PortalSimulator::saveAccounts(const QString &path, QString *error) const
{
    QJsonArray list;
    for (const Account &a : accounts) {
        list.append(
            QJsonObject{{QStringLiteral("email"), a.email},
                        {QStringLiteral("password"), a.password},
                        {QStringLiteral("firstName"), a.firstName},
                        {QStringLiteral("lastName"), a.lastName},
                        {QStringLiteral("devices"), QJsonArray::fromStringList(a.devices)}});
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("accounts"), list}}).toJson());
        if (file.commit())
            return true;
    }
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

void PortalSimulator::setAccountsFile(const QString &path)
{
    accountsFile = path;
}

void PortalSimulator::changed()
{
    QString error;
    if (!accountsFile.isEmpty() && !saveAccounts(accountsFile, &error))
        qCWarning(lcPortalsim).noquote() << "accounts not saved:" << error;
}

bool PortalSimulator::setLogFile(const QString &path)
{
    logFile.close();
    logFile.setFileName(path);
    if (!logFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        lastError = QStringLiteral("%1: %2").arg(path, logFile.errorString());
        return false;
    }
    return true;
}

void PortalSimulator::handle(const QHttpServerRequest &in, QTcpSocket *socket)
{
    request r;
    r.time = QDateTime::currentDateTimeUtc();
    r.method = simcommon::methodName(in.method());
    const QUrl url = in.url();
    r.path = url.path(QUrl::FullyEncoded).toUtf8();
    if (url.hasQuery())
        r.path += '?' + url.query(QUrl::FullyEncoded).toUtf8();
    r.headers = in.headers();
    r.body = in.body();
    r.kind = kindOf(r.path);
    r.form = decodeForm(r.body);
    r.peer = in.remoteAddress();

    QList<QPair<QByteArray, QByteArray>> extra;
    QByteArray big;  // the body of an oversized answer, kept out of the log
    switch (faults.value(r.kind, fault::none)) {
    case fault::silent:
        // The connection stays open and unanswered until the client gives up.
        record(r);
        return;
    case fault::refuse:
        r.status = 200;
        r.answer = refusalText;
        break;
    case fault::oversized: {
        r.status = 200;
        const QByteArray filler = "[E98] The answer goes on and on.\n";
        big = refusalText + '\n';
        big.reserve(oversizedBytes);
        while (big.size() + filler.size() <= oversizedBytes)
            big += filler;
        big += QByteArray(oversizedBytes - big.size(), '.');
        r.answer = big.left(1024);
        break;
    }
    case fault::serverError:
        r.status = 500;
        r.answer = "Internal Server Error";
        break;
    case fault::redirect:
        r.status = 302;
        r.answer = "Found";
        extra.append(
            {"Location", urlOf(socket->localAddress(), socket->localPort()) + r.path.mid(1)});
        break;
    case fault::none: {
        QByteArray cookie;
        r.status = answer(r, &cookie);
        if (!cookie.isEmpty())
            extra.append({"Set-Cookie", sessionCookieName + '=' + cookie + "; Path=/; HttpOnly"});
        if (r.status == 405)
            extra.append({QByteArray("Allow"), QByteArray("POST")});
        break;
    }
    }

    const QByteArray &body = big.isEmpty() ? r.answer : big;
    r.answerBytes = body.size();
    QHttpServerResponder responder = simcommon::HttpFront::makeResponder(in, socket);
    responder.writeStatusLine(QHttpServerResponder::StatusCode(r.status));
    responder.writeHeader("Content-Type", "text/plain; charset=utf-8");
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    for (const auto &h : extra)
        responder.writeHeader(h.first, h.second);
    responder.writeBody(body);
    record(r);
}

int PortalSimulator::answer(request &r, QByteArray *sessionCookie)
{
    if (r.kind == requestKind::other) {
        r.answer = "Not Found";
        return 404;
    }
    if (r.method != "POST") {
        r.answer = "Method Not Allowed";
        return 405;
    }
    switch (r.kind) {
    case requestKind::signUp: return signUp(r);
    case requestKind::signIn: return signIn(r, sessionCookie);
    case requestKind::addCamera: return addCamera(r);
    case requestKind::other: break;
    }
    return 404;
}

int PortalSimulator::signUp(request &r)
{
    const QString email = r.item(QStringLiteral("email"));
    const QString password = r.item(QStringLiteral("password"));
    if (email.isEmpty() || password.isEmpty())
        r.answer = "[E02] Please enter an e-mail address and a password.";
    else if (password != r.item(QStringLiteral("password_verify")))
        r.answer = "[E06] The two passwords do not match.";
    else if (hasAccount(email))
        r.answer = "[E01] This e-mail address is already registered.";
    if (!r.answer.isEmpty())
        return 200;
    accounts.append(Account{email,
                            password,
                            r.item(QStringLiteral("name_first")),
                            r.item(QStringLiteral("name_last")),
                            {}});
    changed();
    r.answer = "success";
    return 200;
}

int PortalSimulator::signIn(request &r, QByteArray *sessionCookie)
{
    const Account *a = findAccount(r.item(QStringLiteral("email")));
    // An account made by bindDevice() has no password and never signs in.
    if (!a || a->password.isEmpty() || a->password != r.item(QStringLiteral("password"))) {
        r.answer = "[E03] Incorrect e-mail address or password.";
        return 200;
    }
    QByteArray token(16, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(token.data()), 4);
    *sessionCookie = token.toHex();
    sessions.insert(*sessionCookie, a->email);
    lastSignIn.insert(peerKey(r.peer), a->email);
    r.answer = "success";
    return 200;
}

int PortalSimulator::addCamera(request &r)
{
    // A client that sends the cookie gets its session and nothing else.
    const QByteArray cookie = cookieValue(r.headers);
    const QString email =
        cookie.isEmpty() ? lastSignIn.value(peerKey(r.peer)) : sessions.value(cookie);
    Account *a = email.isEmpty() ? nullptr : findAccount(email);
    const QString deviceNo = r.item(QStringLiteral("orbel_no"));
    if (!a)
        r.answer = "[E04] Please sign in first.";
    else if (deviceNo.isEmpty())
        r.answer = "[E07] The camera's number is missing.";
    else if (!ownerOf(deviceNo).isEmpty())
        r.answer = "[E05] This camera is already registered to an account.";
    if (!r.answer.isEmpty())
        return 200;
    a->devices.append(deviceNo);
    changed();
    const QString version = r.item(QStringLiteral("wizard_version"));
    const qsizetype cut = version.lastIndexOf(QLatin1Char('_'));
    r.answer = (deviceNo + QLatin1Char(':') + (cut < 0 ? version : version.left(cut))).toUtf8();
    return 200;
}

void PortalSimulator::record(const request &r)
{
    // Bodies hold passwords: the line on stderr names the request only.
    qCDebug(lcPortalsim).noquote()
        << r.method << QString::fromUtf8(r.path) << kindName(r.kind) << "from" << peerKey(r.peer)
        << "->" << (r.status ? QString::number(r.status) : QStringLiteral("no answer"));
    if (logFile.isOpen()) {
        logFile.write(QJsonDocument(r.toJson()).toJson(QJsonDocument::Compact) + '\n');
        logFile.flush();
    }
    log.append(r);
    emit requestReceived(r);
}

}  // namespace portalsim
