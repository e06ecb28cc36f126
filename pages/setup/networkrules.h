#ifndef CAMGUIDE_NETWORKRULES_H
#define CAMGUIDE_NETWORKRULES_H

#include <QByteArray>
#include <QString>

class APSearchResult;

// The network pages' checks of what the user typed and the setup items they
// send, apart from the widgets.

// The Internet connection page's ways.
namespace internetSetup {

// An account the camera's item list can carry: printable ASCII without ";"
// (it separates the items).
bool accountAcceptable(const QString &account);

}  // namespace internetSetup

// The connection page's chosen wireless network.
namespace wirelessSetup {

// The network setup items that put a camera of this model on network idx of
// its list, with the typed key; empty when idx is no network. The caller
// holds apLock.
QByteArray payload(const QByteArray &model, const APSearchResult &aps, int idx, const QString &key);

}  // namespace wirelessSetup

#endif
