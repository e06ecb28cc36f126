#include "pages/setup/adminpassword.h"

namespace {

bool isAsciiLetter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

}  // namespace

bool adminPassword::acceptable(const QString &password)
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
