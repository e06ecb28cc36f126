#include "protocol/models.h"

namespace models {

bool hasLinkLedOnly(const QString &model)
{
    return model == QLatin1String("KSM-6140E") || model == QLatin1String("KSM-6120E");
}

bool isWiredOnly(const QString &model)
{
    return model == QLatin1String("KSM-6120E") || model == QLatin1String("KSM-3300E");
}

bool isSetupKeyModel(const QString &model)
{
    return model == QLatin1String("KSM-271E") || model == QLatin1String("KSM-273E");
}

QString snapshotPath(const QString &model)
{
    static const QLatin1String cgiModels[] = {
        QLatin1String("KSM-3350E"), QLatin1String("KSM-3350"),  QLatin1String("KSM-3300E"),
        QLatin1String("KSM-3300"),  QLatin1String("KSM-6150E"), QLatin1String("KSM-283E"),
        QLatin1String("KSM-6140E"), QLatin1String("KSM-6120E")};
    if (model == QLatin1String("KSM-271E") || model == QLatin1String("KSM-273E"))
        return QStringLiteral("/image.jpg");
    for (const QLatin1String &m : cgiModels) {
        if (model == m)
            return QStringLiteral("/image/jpeg.cgi");
    }
    if (model == QLatin1String("KSM-281E"))
        return QStringLiteral("/GetImage.cgi");
    return QString();
}

}  // namespace models
