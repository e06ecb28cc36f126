#include "platform/shelllink.h"

#include "platform/comshell.h"

#include <QtEndian>

namespace shellLink {

namespace {

// LinkFlags bits.
constexpr quint32 hasArguments = 0x20;
constexpr quint32 hasIconLocation = 0x40;
constexpr quint32 isUnicode = 0x80;
constexpr quint32 hasExpString = 0x200;

constexpr quint32 headerSize = 0x4C;
constexpr quint32 showNormal = 1;
constexpr quint32 environmentBlockSize = 0x314;
constexpr quint32 environmentBlockSignature = 0xA0000001;
constexpr int targetFieldUnits = 260;

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putUtf16(QByteArray &out, const QString &text)
{
    for (const QChar c : text)
        put16(out, c.unicode());
}

// Count of UTF-16 units, then the units, without a terminating zero.
void putStringData(QByteArray &out, const QString &text)
{
    put16(out, static_cast<quint16>(text.size()));
    putUtf16(out, text);
}

void putEnvironmentBlock(QByteArray &out, const QString &target)
{
    put32(out, environmentBlockSize);
    put32(out, environmentBlockSignature);
    // The ANSI field has no code page of its own: anything beyond ASCII
    // becomes "?", the Unicode field keeps it.
    QByteArray ansi(targetFieldUnits, '\0');
    for (int i = 0; i < target.size(); ++i) {
        const char16_t u = target.at(i).unicode();
        ansi[i] = u < 0x80 ? static_cast<char>(u) : '?';
    }
    out.append(ansi);
    const qsizetype unicodeStart = out.size();
    putUtf16(out, target);
    out.append(QByteArray(unicodeStart + 2 * targetFieldUnits - out.size(), '\0'));
}

}  // namespace

QByteArray write(const contents &link)
{
    if (link.target.size() > maxTargetLength || link.arguments.size() > maxStringLength
        || link.iconLocation.size() > maxStringLength)
        return QByteArray();

    quint32 flags = isUnicode;
    if (!link.arguments.isEmpty())
        flags |= hasArguments;
    if (!link.iconLocation.isEmpty())
        flags |= hasIconLocation;
    if (!link.target.isEmpty())
        flags |= hasExpString;

    QByteArray out;
    put32(out, headerSize);
    out.append(comShell::shellLinkClass.bytes());
    put32(out, flags);
    put32(out, 0);                     // file attributes
    out.append(QByteArray(24, '\0'));  // creation, access and write times
    put32(out, 0);                     // file size
    put32(out, static_cast<quint32>(link.iconIndex));
    put32(out, showNormal);
    put16(out, 0);  // hot key
    put16(out, 0);  // reserved
    put32(out, 0);
    put32(out, 0);

    // String data in the format's order: arguments before the icon.
    if (flags & hasArguments)
        putStringData(out, link.arguments);
    if (flags & hasIconLocation)
        putStringData(out, link.iconLocation);
    if (flags & hasExpString)
        putEnvironmentBlock(out, link.target);
    put32(out, 0);  // terminal block
    return out;
}

}  // namespace shellLink
