#include "pages/setup/networkrules.h"

#include "protocol/ipcamera.h"
#include "protocol/models.h"

namespace internetSetup {

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

}  // namespace internetSetup

namespace wirelessSetup {

QByteArray payload(const QByteArray &model, const APSearchResult &aps, int idx, const QString &key)
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

}  // namespace wirelessSetup
