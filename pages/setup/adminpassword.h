#ifndef CAMGUIDE_ADMINPASSWORD_H
#define CAMGUIDE_ADMINPASSWORD_H

#include <QString>

// The rule for a new administrator password on the camera list page.
namespace adminPassword {

// At least 6 characters, all printable ASCII from '!' to '~', two of them
// ASCII letters.
bool acceptable(const QString &password);

}  // namespace adminPassword

#endif
