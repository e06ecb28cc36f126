#include "pages/cloud/portalrequest.h"

#include "protocol/cameravalues.h"

#include <QNetworkRequest>
#include <QUrl>

namespace portalRequest {

QByteArray encoded(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-'
            || b == '.' || b == '_' || b == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 0xf];
        }
    }
    return out;
}

QByteArray recordValue(const QByteArray &stored)
{
    return cameraValues::recordBytes(stored);
}

QByteArray wizardVersion(const QByteArray &model, const QString &version)
{
    return recordValue(model) + '_' + version.toUtf8();
}

namespace {

QByteArray text(const QString &typed)
{
    return encoded(typed.toUtf8());
}

QByteArray record(const QByteArray &stored)
{
    return encoded(recordValue(stored));
}

QByteArray lead(const QByteArray &model, const QString &version)
{
    return "client=wizard&wizard_version=" + encoded(wizardVersion(model, version))
           + "&lang=English";
}

}  // namespace

QByteArray signUpBody(const QByteArray &model, const QString &version, const signUpForm &form)
{
    return lead(model, version) + "&action=sign-up&accept=accept&email=" + text(form.email)
           + "&password=" + text(form.password) + "&password_verify=" + text(form.confirmation)
           + "&name_first=" + text(form.firstName) + "&name_last=" + text(form.lastName)
           + "&nickname=''";
}

QByteArray signInBody(const QByteArray &model, const QString &version, const QString &email,
                      const QString &password)
{
    return lead(model, version) + "&email=" + text(email) + "&password=" + text(password);
}

QByteArray addCameraBody(const QByteArray &model, const QString &version,
                         const QByteArray &deviceNo, const QByteArray &password,
                         const QByteArray &dfp)
{
    return lead(model, version) + "&orbel_no=" + record(deviceNo)
           + "&device_password=" + record(password) + "&dfp=" + record(dfp);
}

QNetworkRequest formPost(const QByteArray &base, const char *path, const QByteArray &body)
{
    QNetworkRequest request(QUrl::fromEncoded(recordValue(base) + path, QUrl::StrictMode));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    // A redirect would turn the post into a get; the answer box shows it.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    return request;
}

verdict judgeAccountReply(bool failed, const QString &status, const QByteArray &body)
{
    if (failed)
        return {outcome::networkError, QString()};
    const QString answer = QString::fromUtf8(body);
    if (status == QLatin1String("200") && answer.startsWith(QLatin1String("success")))
        return {outcome::success, QString()};
    return {outcome::refused, answer};
}

verdict judgeAddReply(bool failed, const QString &status, const QByteArray &body,
                      const QByteArray &deviceNo, const QByteArray &model)
{
    if (failed)
        return {outcome::networkError, QString()};
    const QString answer = QString::fromUtf8(body);
    if (status != QLatin1String("200"))
        return {outcome::refused, answer};
    if (body == recordValue(deviceNo) + ':' + recordValue(model))
        return {outcome::success, QString()};
    if (body.isEmpty())
        return {outcome::unknownError, QString()};
    return {outcome::refused, addRefusalText(answer)};
}

QString addRefusalText(const QString &body)
{
    const qsizetype bracket = body.indexOf(QLatin1Char(']'));
    if (bracket >= 0)
        return body.mid(bracket + 1);
    // The first character goes whole, also one outside the BMP.
    return body.mid(
        body.size() > 1 && body.at(0).isHighSurrogate() && body.at(1).isLowSurrogate() ? 2 : 1);
}

verdict cutShort(const verdict &onRead, const QByteArray &read)
{
    if (onRead.result == outcome::success)
        return {outcome::refused, QString::fromUtf8(read)};
    return onRead;
}

bool failedStatus(const QString &status)
{
    bool number = false;
    const int code = status.toInt(&number);
    return !number || code >= 400;
}

QStringList shownAnswer(const QString &answer)
{
    const QChar ellipsis(0x2026);
    QStringList lines;
    QString line;
    bool more = false;  // text left out after the last line kept
    const auto endLine = [&] {
        if (line.size() > answerLineChars) {
            // A character outside the BMP stays whole or goes whole.
            qsizetype keep = answerLineChars - 1;
            if (line.at(keep).isLowSurrogate())
                --keep;
            line = line.left(keep) + ellipsis;
        }
        lines << line;
        line.clear();
    };
    for (qsizetype i = 0; i < answer.size(); ++i) {
        const QChar c = answer.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < answer.size()
                && answer.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endLine();
            if (lines.size() == answerLines) {
                more = !answer.mid(i + 1).trimmed().isEmpty();
                break;
            }
            continue;
        }
        // Past the bound nothing more of the line is looked at.
        if (line.size() <= answerLineChars)
            line += c.unicode() < 0x20 || c.unicode() == 0x7f ? QChar(QLatin1Char(' ')) : c;
    }
    if (lines.size() < answerLines && (!line.isEmpty() || lines.isEmpty()))
        endLine();
    while (lines.size() > 1 && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (more && !lines.last().endsWith(ellipsis))
        lines.last() += ellipsis;
    return lines;
}

QStringList wrappedLine(const QString &line, int width, const textAdvance &advance)
{
    if (advance(line) <= width)
        return {line};
    QStringList lines;
    QString current;
    for (QString word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (advance(joined) <= width) {
            current = joined;
            continue;
        }
        if (!current.isEmpty())
            lines << current;
        // A word wider than the line: the most of it that fits, at least
        // one character, then the rest.
        while (advance(word) > width) {
            qsizetype n = 1;
            while (n < word.size() && advance(word.left(n + 1)) <= width)
                ++n;
            if (n < word.size() && word.at(n).isLowSurrogate())
                n += n > 1 ? -1 : 1;
            lines << word.left(n);
            word.remove(0, n);
        }
        current = word;
    }
    if (!current.isEmpty() || lines.isEmpty())
        lines << current;
    return lines;
}

}  // namespace portalRequest
