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

}  // namespace models
