#ifndef CAMGUIDE_MODELS_H
#define CAMGUIDE_MODELS_H

#include <QString>

// What the program knows about the maker's camera models.
namespace models {

// Models whose only LED is the Link LED (it stays off when something is
// wrong); the others have a Power/Link LED that turns red.
bool hasLinkLedOnly(const QString &model);

// Models without Wi-Fi, whatever the configuration file says.
bool isWiredOnly(const QString &model);

// Models that take a wireless key in items of their own and restart their
// network only when told to after a change of the kind of link.
bool isSetupKeyModel(const QString &model);

// The path of the model's snapshot picture on its web server; empty for a
// model without one.
QString snapshotPath(const QString &model);

}  // namespace models

#endif
