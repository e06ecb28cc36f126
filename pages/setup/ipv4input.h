#ifndef CAMGUIDE_IPV4INPUT_H
#define CAMGUIDE_IPV4INPUT_H

#include <QString>
#include <QValidator>

// What a typed IPv4 address may be: the address editor's fields and the
// whole address the Internet connection page sends to the camera.
namespace ipv4Input {

// One field: nothing but up to three ASCII digits with a value of at most
// 255, under any locale (no sign, no group separator, no blank). Empty is
// Intermediate.
QValidator::State octetState(const QString &field);

// A whole address: four such numbers joined by dots, leading zeros as
// typed.
bool addressAcceptable(const QString &address);

}  // namespace ipv4Input

#endif
