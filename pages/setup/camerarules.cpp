#include "pages/setup/camerarules.h"

namespace {

bool isAsciiLetter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

}  // namespace

bool selectRules::passwordRuleHolds(const QString &password)
{
    if (password.size() < 6)
        return false;
    int letters = 0;
    for (QChar c : password) {
        if (c.unicode() < '!' || c.unicode() > '~')
            return false;
        if (isAsciiLetter(c))
            ++letters;
    }
    return letters >= 2;
}

QPoint plugRules::wpsIconPlace(int textWidth, int lineHeight)
{
    return QPoint(545 + textWidth % 150, 350 + lineHeight * (textWidth / 150));
}
