#include "platform/comshell.h"

#include "platform/shelllink.h"
#include "platform/windowspath.h"

#include <QFile>
#include <QHash>
#include <QtEndian>

namespace comShell {

namespace {

struct shellState {
    QList<call> calls;
    QHash<QString, HRESULT> forced;
    int initialisations = 0;
    int liveObjects = 0;
};

shellState &state()
{
    static shellState s;
    return s;
}

QString text(const wchar_t *value)
{
    return value ? QString::fromWCharArray(value) : QStringLiteral("null");
}

// Runs a call's work unless a failure is forced on it, and records it.
template <class Work>
HRESULT recorded(const QString &name, const QStringList &arguments, Work work)
{
    const auto forced = state().forced.constFind(name);
    HRESULT result;
    if (forced != state().forced.constEnd() && failed(*forced)) {
        result = *forced;
    } else {
        result = work();
        if (forced != state().forced.constEnd() && !failed(result))
            result = *forced;
    }
    state().calls.append({name, arguments, result});
    return result;
}

class shellLinkObject final : public IShellLinkW, public IPersistFile
{
public:
    shellLinkObject(const shellLinkObject &) = delete;
    shellLinkObject &operator=(const shellLinkObject &) = delete;

    // A new object seen through `iid`, holding the one reference.
    static HRESULT create(const guid &iid, void **object)
    {
        auto *link = new shellLinkObject;
        const HRESULT result = link->query(iid, object);
        if (failed(result))
            delete link;
        return result;
    }

    HRESULT QueryInterface(const guid &iid, void **object) override
    {
        return recorded(QStringLiteral("QueryInterface"), {iid.toString()},
                        [&] { return query(iid, object); });
    }

    ULONG AddRef() override
    {
        state().calls.append({QStringLiteral("AddRef"), {}, m_references + 1});
        return ++m_references;
    }

    ULONG Release() override
    {
        const ULONG left = --m_references;
        state().calls.append({QStringLiteral("Release"), {}, left});
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT SetPath(const wchar_t *file) override
    {
        return recorded(QStringLiteral("SetPath"), {text(file)}, [&] {
            if (!file)
                return E_INVALIDARG;
            const QString target = QString::fromWCharArray(file);
            if (target.size() > shellLink::maxTargetLength)
                return E_INVALIDARG;
            m_link.target = target;
            return S_OK;
        });
    }

    HRESULT SetArguments(const wchar_t *arguments) override
    {
        return recorded(QStringLiteral("SetArguments"), {text(arguments)}, [&] {
            if (!arguments)
                return E_INVALIDARG;
            const QString value = QString::fromWCharArray(arguments);
            if (value.size() > shellLink::maxStringLength)
                return E_INVALIDARG;
            m_link.arguments = value;
            return S_OK;
        });
    }

    HRESULT SetIconLocation(const wchar_t *iconPath, int index) override
    {
        return recorded(QStringLiteral("SetIconLocation"), {text(iconPath), QString::number(index)}, [&] {
            if (!iconPath)
                return E_INVALIDARG;
            const QString value = QString::fromWCharArray(iconPath);
            if (value.size() > shellLink::maxStringLength)
                return E_INVALIDARG;
            m_link.iconLocation = value;
            m_link.iconIndex = index;
            return S_OK;
        });
    }

    HRESULT Save(const wchar_t *fileName, BOOL remember) override
    {
        return recorded(QStringLiteral("Save"),
                        {text(fileName), remember ? QStringLiteral("TRUE") : QStringLiteral("FALSE")}, [&] {
            // No name: the file the link was last saved to, if any.
            const QString name = fileName ? QString::fromWCharArray(fileName) : m_currentFile;
            if (name.isEmpty())
                return E_INVALIDARG;
            const QByteArray bytes = shellLink::write(m_link);
            QFile file(platform::localPath(name));
            if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                || file.write(bytes) != bytes.size() || !file.flush())
                return E_FAIL;
            if (remember)
                m_currentFile = name;
            return S_OK;
        });
    }

private:
    shellLinkObject() { ++state().liveObjects; }
    ~shellLinkObject() { --state().liveObjects; }

    // Not recorded: create() asks for its interface through here too.
    HRESULT query(const guid &iid, void **object)
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid == IID_IShellLinkW || iid == IID_IUnknown)
            *object = static_cast<IShellLinkW *>(this);
        else if (iid == IID_IPersistFile)
            *object = static_cast<IPersistFile *>(this);
        else
            return E_NOINTERFACE;
        ++m_references;
        return S_OK;
    }

    ULONG m_references = 0;
    shellLink::contents m_link;
    QString m_currentFile;
};

}  // namespace

bool guid::operator==(const guid &other) const
{
    return data1 == other.data1 && data2 == other.data2 && data3 == other.data3 && data4 == other.data4;
}

QString guid::toString() const
{
    return QString::asprintf("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2, data3,
                             data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6], data4[7]);
}

QByteArray guid::bytes() const
{
    char out[16];
    qToLittleEndian(data1, out);
    qToLittleEndian(data2, out + 4);
    qToLittleEndian(data3, out + 6);
    for (int i = 0; i < 8; ++i)
        out[8 + i] = static_cast<char>(data4[i]);
    return QByteArray(out, 16);
}

HRESULT CoInitialize(void *reserved)
{
    return recorded(QStringLiteral("CoInitialize"), {reserved ? QStringLiteral("reserved") : QStringLiteral("null")},
                    [&] {
        if (reserved)
            return E_INVALIDARG;
        // Set up already on this thread: one more use to pair with CoUninitialize.
        return state().initialisations++ > 0 ? S_FALSE : S_OK;
    });
}

HRESULT CoCreateInstance(const guid &clsid, IUnknown *outer, DWORD context, const guid &iid,
                         void **object)
{
    const QStringList arguments = {clsid.toString(), outer ? QStringLiteral("outer") : QStringLiteral("null"),
                                   QString::number(context), iid.toString()};
    return recorded(QStringLiteral("CoCreateInstance"), arguments, [&] {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (state().initialisations <= 0)
            return CO_E_NOTINITIALIZED;
        if (!(clsid == CLSID_ShellLink) || !(context & CLSCTX_INPROC_SERVER))
            return REGDB_E_CLASSNOTREG;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return shellLinkObject::create(iid, object);
    });
}

void CoUninitialize()
{
    // Unpaired calls show as a negative count.
    --state().initialisations;
    state().calls.append({QStringLiteral("CoUninitialize"), {}, 0});
}

QList<call> calls()
{
    return state().calls;
}

void forceResult(const QString &name, HRESULT result)
{
    state().forced.insert(name, result);
}

void reset()
{
    state().calls.clear();
    state().forced.clear();
    state().initialisations = 0;
}

int openInitialisations()
{
    return state().initialisations;
}

int liveObjects()
{
    return state().liveObjects;
}

}  // namespace comShell
