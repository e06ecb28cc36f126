#include "protocol/cameravalues.h"

#include <QRegularExpression>
#include <QUrl>

namespace cameraValues {

bool isDottedIPv4(const QString &text)
{
    // [0-9] rather than \d: other scripts' digits are no address. No leading
    // zero: Qt reads "010" in a host as octal 8 and "09" as a host name, so a
    // request would go elsewhere than the text says.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}"
                       "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])")));
    return pattern.match(text).hasMatch();
}

bool isPlainName(const QString &text)
{
    if (text.isEmpty() || text.contains(QLatin1String("..")))
        return false;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control
            || c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return false;
    }
    return true;
}

bool isFileNamePart(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (!isPlainName(text))
        return false;
    static const QString reserved = QStringLiteral("<>:\"|?*");
    for (const QChar c : text) {
        if (reserved.contains(c))
            return false;
    }
    return true;
}

QString recordText(const QByteArray &bytes)
{
    return QString::fromUtf8(recordBytes(bytes));
}

QByteArray recordBytes(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}

std::optional<QString> quotedPortalUrl(const QString &argument)
{
    if (argument.size() < 2 || !argument.startsWith(QLatin1Char('"'))
        || !argument.endsWith(QLatin1Char('"')))
        return std::nullopt;
    const QString url = argument.mid(1, argument.size() - 2);
    for (const QChar c : url) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == u'"' || u == u'`' || u == u'$'
            || u == u'\\')
            return std::nullopt;
    }
    // The language token is the language's own name: it may hold blanks
    // and letters beyond ASCII, which are harmless inside the quotes.
    QByteArray encoded;
    for (const char c : url.toUtf8()) {
        if (c == ' ' || static_cast<unsigned char>(c) >= 0x80)
            encoded += '%' + QByteArray::number(static_cast<unsigned char>(c), 16).toUpper();
        else
            encoded += c;
    }
    if (!isPortalAddress(encoded))
        return std::nullopt;
    return url;
}

bool isPortalAddress(const QByteArray &base)
{
    if (base.isEmpty())
        return false;
    for (const char c : base) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b >= 0x7f || c == '"' || c == '\'' || c == '`' || c == '\\' || c == '<'
            || c == '>')
            return false;
    }
    const QUrl url = QUrl::fromEncoded(base, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    return !url.host().isEmpty() && url.userInfo().isEmpty();
}

}  // namespace cameraValues
