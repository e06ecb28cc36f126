#ifndef CAMGUIDE_HOSTADDRESS_H
#define CAMGUIDE_HOSTADDRESS_H

#include <QStringList>

#include <functional>

// The hardware addresses of the host's interfaces, in interface order, as
// the toolkit writes them ("52:3D:D5:5C:0A:69"). Interfaces without one
// (empty, or all zeros as Linux reports loopback) are left out: no camera
// can address a reply to them.
QStringList hostHardwareAddresses();

// True for an address text with at least one non-zero digit.
bool isHardwareAddress(const QString &address);

// Where hostHardwareAddresses() reads the interfaces' address texts from;
// tests put their own list here. An empty function restores the system's.
void setInterfaceAddressSource(std::function<QStringList()> source);

#endif
