#include "protocol/hostaddress.h"

#include <QNetworkInterface>

namespace {

QList<hostLink> systemLinks()
{
    QList<hostLink> links;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        hostLink link;
        link.name = interface.name();
        link.index = interface.index();
        link.hardwareAddress = interface.hardwareAddress();
        link.up = interface.flags().testFlag(QNetworkInterface::IsUp);
        link.loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                link.ipv4 = entry.ip();
                break;
            }
        }
        links.append(link);
    }
    return links;
}

std::function<QList<hostLink>()> &source()
{
    static std::function<QList<hostLink>()> s = systemLinks;
    return s;
}

}  // namespace

bool hostLink::sendsOwnWay() const
{
    return up && !loopback && !ipv4.isNull() && isHardwareAddress(hardwareAddress);
}

bool isHardwareAddress(const QString &address)
{
    for (QChar c : address) {
        if (c != QLatin1Char(':') && c != QLatin1Char('-') && c != QLatin1Char('0'))
            return true;
    }
    return false;
}

QList<hostLink> hostLinks()
{
    return source()();
}

QStringList hostHardwareAddresses(const QList<hostLink> &links)
{
    QStringList found;
    for (const hostLink &link : links) {
        if (isHardwareAddress(link.hardwareAddress))
            found.append(link.hardwareAddress.toUpper());
    }
    return found;
}

QStringList hostHardwareAddresses()
{
    return hostHardwareAddresses(hostLinks());
}

void setHostLinkSource(std::function<QList<hostLink>()> s)
{
    source() = s ? std::move(s) : std::function<QList<hostLink>()>(systemLinks);
}
