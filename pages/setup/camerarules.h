#ifndef CAMGUIDE_CAMERARULES_H
#define CAMGUIDE_CAMERARULES_H

#include <QPoint>
#include <QString>

// The camera list page's rule for a new administrator password.
namespace selectRules {

// At least 6 characters, all printable ASCII from '!' to '~', two of them
// ASCII letters.
bool passwordRuleHolds(const QString &password);

}  // namespace selectRules

// Where the plug-in page places what its texts leave room for.
namespace plugRules {

// Where the help icon stands after the WPS note's text, which wraps at 150
// pixels: text width and line height in the note's font.
QPoint wpsIconPlace(int textWidth, int lineHeight);

}  // namespace plugRules

#endif
