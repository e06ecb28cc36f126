#ifndef CAMGUIDE_HOSTADDRESS_H
#define CAMGUIDE_HOSTADDRESS_H

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One network interface of the computer, as a search sees it.
struct hostLink {
    QString name;
    int index = 0;
    // As the toolkit writes it ("52:3D:D5:5C:0A:69"); empty or all zeros
    // where the interface has none.
    QString hardwareAddress;
    // The interface's first IPv4 address (a link-local one too); null when it
    // has none.
    QHostAddress ipv4;
    bool up = false;
    bool loopback = false;

    // A link the engine sends out of through a socket of its own: without an
    // IPv4 address to bind to, the system's route picks the interface.
    bool sendsOwnWay() const;
};

// The computer's interfaces, read afresh: an adapter plugged in, or an
// address changed, since the last call is seen.
QList<hostLink> hostLinks();

// The hardware addresses of these interfaces, in interface order and upper
// case, as the reply filter compares them. Interfaces without one (empty, or
// all zeros as Linux reports loopback) are left out: no camera can address a
// reply to them.
QStringList hostHardwareAddresses(const QList<hostLink> &links);
QStringList hostHardwareAddresses();

// True for an address text with at least one non-zero digit.
bool isHardwareAddress(const QString &address);

// Where hostLinks() reads the interfaces from; tests put their own list
// here. An empty function restores the system's.
void setHostLinkSource(std::function<QList<hostLink>()> source);

#endif
