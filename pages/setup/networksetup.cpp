#include "pages/setup/networksetup.h"

#include "protocol/ipcamera.h"
#include "protocol/models.h"

namespace networkSetup {

bool accountAcceptable(const QString &account)
{
    if (account.isEmpty())
        return false;
    for (QChar c : account) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == QLatin1Char(';'))
            return false;
    }
    return true;
}

QByteArray pppoePayload(const QString &account, const QString &password)
{
    return ";0=0;6=1;7=" + account.toUtf8() + ";8=" + password.toUtf8().toBase64();
}

QByteArray staticPayload(const QStringList &addresses)
{
    if (addresses.size() != 5)
        return QByteArray();
    return ";0=0;1=" + addresses[0].toLatin1() + ";2=" + addresses[1].toLatin1()
           + ";3=" + addresses[2].toLatin1() + ";4=" + addresses[3].toLatin1()
           + ";5=" + addresses[4].toLatin1() + ";6=0";
}

QByteArray dhcpPayload()
{
    return QByteArrayLiteral(";0=1;6=0");
}

QByteArray wirelessPayload(const QByteArray &model, const APSearchResult &aps, int idx,
                           const QString &key)
{
    if (idx < 0 || idx >= aps.count || idx >= aps.ssidList.size() || idx >= aps.apField0.size()
        || idx >= aps.apField4.size() || idx >= aps.apField5.size() || idx >= aps.apField6.size())
        return QByteArray();
    const QByteArray k = key.toUtf8().toBase64();
    QByteArray payload = ";9=1;10=" + aps.apField6.at(idx)
                         + ";11=" + aps.ssidList.at(idx).toBase64() + ";12=" + aps.apField0.at(idx)
                         + ";14=" + aps.apField5.at(idx) + ";15=" + aps.apField4.at(idx);
    if (models::isSetupKeyModel(QString::fromUtf8(model))) {
        if (aps.apField4.at(idx) == "4")
            payload += ";16=0;34=" + k;
        else
            payload += ";16=0;18=" + k + ";35=1";
    } else {
        payload += ";18=" + k;
    }
    return payload;
}

}  // namespace networkSetup
