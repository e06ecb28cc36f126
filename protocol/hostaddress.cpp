#include "protocol/hostaddress.h"

#include <QNetworkInterface>

namespace {

QStringList systemAddresses()
{
    QStringList addresses;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
        addresses.append(interface.hardwareAddress());
    return addresses;
}

std::function<QStringList()> &source()
{
    static std::function<QStringList()> s = systemAddresses;
    return s;
}

}  // namespace

bool isHardwareAddress(const QString &address)
{
    for (QChar c : address) {
        if (c != QLatin1Char(':') && c != QLatin1Char('-') && c != QLatin1Char('0'))
            return true;
    }
    return false;
}

QStringList hostHardwareAddresses()
{
    QStringList found;
    for (const QString &address : source()()) {
        if (isHardwareAddress(address))
            found.append(address);
    }
    return found;
}

void setInterfaceAddressSource(std::function<QStringList()> s)
{
    source() = s ? std::move(s) : std::function<QStringList()>(systemAddresses);
}
