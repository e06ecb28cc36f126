#include "pages/setup/ipv4input.h"

#include <QRegularExpression>

namespace ipv4Input {

QValidator::State octetState(const QString &field)
{
    if (field.isEmpty())
        return QValidator::Intermediate;
    if (field.size() > 3)
        return QValidator::Invalid;
    int value = 0;
    for (QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= 255 ? QValidator::Acceptable : QValidator::Invalid;
}

bool addressAcceptable(const QString &address)
{
    // As typed, leading zeros included: the camera gets the text as it stands.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
        "((2[0-4][0-9]|25[0-5]|[01]?[0-9][0-9]?)\\.){3}(2[0-4][0-9]|25[0-5]|[01]?[0-9][0-9]?)")));
    return pattern.match(address).hasMatch();
}

}  // namespace ipv4Input
