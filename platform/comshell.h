#ifndef CAMGUIDE_COMSHELL_H
#define CAMGUIDE_COMSHELL_H

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// Our stand-in for the few COM calls the Windows shortcut maker makes: COM
// set-up for the thread, the shell link object with its shell-link and
// persist-file interfaces. Identifiers and result values are the published
// ones, the names our own, so that none of them clashes with the platform
// SDK's macros when the real interface takes this one's place. The link
// object's save writes a real shell-link file. One thread only (the GUI
// thread).
namespace comShell {

using result = std::int32_t;
using count = std::uint32_t;
using classContext = std::uint32_t;

namespace comResult {
inline constexpr result ok = 0;
inline constexpr result okFalse = 1;
inline constexpr result noInterface = static_cast<result>(0x80004002u);
inline constexpr result nullPointer = static_cast<result>(0x80004003u);
inline constexpr result fail = static_cast<result>(0x80004005u);
inline constexpr result invalidArgument = static_cast<result>(0x80070057u);
inline constexpr result noAggregation = static_cast<result>(0x80040110u);
inline constexpr result classNotRegistered = static_cast<result>(0x80040154u);
inline constexpr result notInitialised = static_cast<result>(0x800401F0u);
}  // namespace comResult

// Negative results are failures; okFalse is a success.
constexpr bool failed(result value)
{
    return value < 0;
}

struct guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::array<std::uint8_t, 8> data4;

    bool operator==(const guid &other) const;
    // "{00021401-0000-0000-C000-000000000046}"
    QString toString() const;
    // As stored in files: the first three fields little-endian.
    QByteArray bytes() const;
};

inline constexpr guid shellLinkClass{0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr guid unknownInterface{0x00000000, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr guid shellLinkInterface{0x000214F9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr guid persistFileInterface{0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

inline constexpr classContext inProcessServer = 0x1;

// Interfaces end their object's life through Release, never delete.
class unknown
{
public:
    virtual result QueryInterface(const guid &iid, void **object) = 0;
    virtual count AddRef() = 0;
    virtual count Release() = 0;

protected:
    ~unknown() = default;
};

class shellLinkFace : public unknown
{
public:
    virtual result SetPath(const wchar_t *file) = 0;
    virtual result SetArguments(const wchar_t *arguments) = 0;
    virtual result SetIconLocation(const wchar_t *iconPath, int index) = 0;

protected:
    ~shellLinkFace() = default;
};

class persistFileFace : public unknown
{
public:
    // Paths may mix "\" and "/"; "\" separates folders here too.
    virtual result Save(const wchar_t *fileName, bool remember) = 0;

protected:
    ~persistFileFace() = default;
};

// The library's entry points: CoInitialize, CoCreateInstance and
// CoUninitialize.
class library
{
public:
    virtual result initialize(void *reserved) = 0;
    virtual result createInstance(const guid &clsid, unknown *outer, classContext context,
                                  const guid &iid, void **object) = 0;
    virtual void uninitialize() = 0;

protected:
    ~library() = default;
};

// The stand-in, one for the program.
library &standIn();

}  // namespace comShell

#endif
