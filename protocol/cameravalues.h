#ifndef CAMGUIDE_CAMERAVALUES_H
#define CAMGUIDE_CAMERAVALUES_H

#include <QByteArray>
#include <QString>

#include <optional>

// Checks of values that come from a camera (or are typed) before they
// reach a URL, a file name, a command or a request. A camera is on the
// local network and may say anything.
namespace cameraValues {

// Four numbers of 0 to 255 with dots between, ASCII digits only, without
// leading zeros: the text Qt reads as this very address.
bool isDottedIPv4(const QString &text);

// A name that can be part of a file name: not empty, no separator ("/",
// "\", ":"), no "..", no control character.
bool isPlainName(const QString &text);

// A part of a file name on either system: empty, or a plain name without
// any of <>:"|?*.
bool isFileNamePart(const QString &text);

// A record value as text: its bytes up to the first NUL, as UTF-8.
QString recordText(const QByteArray &bytes);
// The bytes of a record value up to its first zero byte: a camera pads its
// fixed fields with zeros, and what follows one is no part of the value.
QByteArray recordBytes(const QByteArray &bytes);

// The portal address between the two double quotes a shortcut's argument
// carries, when nothing inside would end the quoting or be expanded on a
// command line (", `, $, \\, control characters) and, with its blanks and
// letters beyond ASCII encoded, it is a portal address; otherwise nothing.
std::optional<QString> quotedPortalUrl(const QString &argument);

// A portal address to talk to: an absolute http or https URL with a host,
// without user information, blanks, quotes, backslashes, angle brackets,
// control characters or bytes beyond ASCII.
bool isPortalAddress(const QByteArray &base);

}  // namespace cameraValues

#endif
