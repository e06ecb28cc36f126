#ifndef CAMGUIDE_NETWORKSETUP_H
#define CAMGUIDE_NETWORKSETUP_H

#include <QByteArray>
#include <QString>
#include <QStringList>

class APSearchResult;

// The network setup items the connection and Internet connection pages
// send to the camera, and the checks of what the user typed into them,
// apart from the widgets.
namespace networkSetup {

// An account the camera's item list can carry: printable ASCII without ";"
// (it separates the items).
bool accountAcceptable(const QString &account);

// PPPoE with the typed account (checked by accountAcceptable) and password;
// the password goes as base64, as it may hold ";".
QByteArray pppoePayload(const QString &account, const QString &password);

// A static address: address, mask, gateway, first and second DNS server, as
// typed (checked IPv4 texts; the second DNS server may be "..." for none).
// Empty unless there are exactly five.
QByteArray staticPayload(const QStringList &addresses);

// The camera takes its address by DHCP.
QByteArray dhcpPayload();

// The items that put a camera of this model on network idx of its list,
// with the typed key; empty when idx is no network. The caller holds apLock.
QByteArray wirelessPayload(const QByteArray &model, const APSearchResult &aps, int idx,
                           const QString &key);

}  // namespace networkSetup

#endif
