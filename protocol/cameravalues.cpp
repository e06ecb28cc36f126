#include "protocol/cameravalues.h"

#include <QRegularExpression>
#include <QUrl>

namespace cameraValues {

bool isDottedIPv4(const QString &text)
{
    // [0-9] rather than \d: other scripts' digits are no address. No leading
    // zero: Qt reads "010" in a host as octal 8 and "09" as a host name, so a
    // request would go elsewhere than the text says.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
        "((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}"
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
