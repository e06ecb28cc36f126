#ifndef CAMGUIDE_COMSHELL_H
#define CAMGUIDE_COMSHELL_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// Our stand-in for the few COM calls the Windows shortcut maker makes: COM
// set-up for the thread, the shell link object with its IShellLinkW and
// IPersistFile interfaces. Names, identifiers and result values are the
// published ones; the link object's Save writes a real shell-link file.
// Every call is recorded, and any call can be told to fail, for tests.
// One thread only (the GUI thread).
namespace comShell {

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using DWORD = std::uint32_t;
using BOOL = int;

inline constexpr BOOL TRUE = 1;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
inline constexpr HRESULT CO_E_NOTINITIALIZED = static_cast<HRESULT>(0x800401F0u);

// Negative results are failures; S_FALSE is a success.
constexpr bool failed(HRESULT result)
{
    return result < 0;
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

inline constexpr guid CLSID_ShellLink{0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr guid IID_IUnknown{0x00000000, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr guid IID_IShellLinkW{0x000214F9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr guid IID_IPersistFile{0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

// Interfaces end their object's life through Release, never delete.
class IUnknown
{
public:
    virtual HRESULT QueryInterface(const guid &iid, void **object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

class IShellLinkW : public IUnknown
{
public:
    virtual HRESULT SetPath(const wchar_t *file) = 0;
    virtual HRESULT SetArguments(const wchar_t *arguments) = 0;
    virtual HRESULT SetIconLocation(const wchar_t *iconPath, int index) = 0;

protected:
    ~IShellLinkW() = default;
};

class IPersistFile : public IUnknown
{
public:
    // Paths may mix "\" and "/"; "\" separates folders here too.
    virtual HRESULT Save(const wchar_t *fileName, BOOL remember) = 0;

protected:
    ~IPersistFile() = default;
};

HRESULT CoInitialize(void *reserved);
HRESULT CoCreateInstance(const guid &clsid, IUnknown *outer, DWORD context, const guid &iid,
                         void **object);
void CoUninitialize();

// ---- for tests

struct call {
    QString name;
    QStringList arguments;  // as text: strings, numbers, "{guid}", "null"
    qint64 result = 0;      // the HRESULT, or the count Release returned
};

QList<call> calls();

// From now on the named call returns `result`. A failure does nothing else;
// a success does the call's work and reports `result` if the work succeeded.
void forceResult(const QString &name, HRESULT result);

// Forgets the calls, the forced results and the thread's COM set-up.
void reset();

// CoInitialize calls not yet paired with CoUninitialize.
int openInitialisations();
// Link objects not yet released to the end.
int liveObjects();

}  // namespace comShell

#endif
