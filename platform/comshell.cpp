#include "platform/comshell.h"

#include "platform/shelllink.h"
#include "platform/wholefile.h"
#include "platform/windowspath.h"

#include <QDebug>
#include <QtEndian>

namespace comShell {

namespace {

using namespace comResult;

class shellLinkObject final : public shellLinkFace, public persistFileFace
{
public:
    shellLinkObject(const shellLinkObject &) = delete;
    shellLinkObject &operator=(const shellLinkObject &) = delete;

    // A new object seen through `iid`, holding the one reference.
    static result create(const guid &iid, void **object)
    {
        auto *link = new shellLinkObject;
        const result answer = link->query(iid, object);
        if (failed(answer))
            delete link;
        return answer;
    }

    result QueryInterface(const guid &iid, void **object) override { return query(iid, object); }

    count AddRef() override { return ++m_references; }

    count Release() override
    {
        const count left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    result SetPath(const wchar_t *file) override
    {
        if (!file)
            return invalidArgument;
        const QString target = QString::fromWCharArray(file);
        if (target.size() > shellLink::maxTargetLength)
            return invalidArgument;
        m_link.target = target;
        return ok;
    }

    result SetArguments(const wchar_t *arguments) override
    {
        if (!arguments)
            return invalidArgument;
        const QString value = QString::fromWCharArray(arguments);
        if (value.size() > shellLink::maxStringLength)
            return invalidArgument;
        m_link.arguments = value;
        return ok;
    }

    result SetIconLocation(const wchar_t *iconPath, int index) override
    {
        if (!iconPath)
            return invalidArgument;
        const QString value = QString::fromWCharArray(iconPath);
        if (value.size() > shellLink::maxStringLength)
            return invalidArgument;
        m_link.iconLocation = value;
        m_link.iconIndex = index;
        return ok;
    }

    result Save(const wchar_t *fileName, bool remember) override
    {
        // No name: the file the link was last saved to, if any.
        const QString name = fileName ? QString::fromWCharArray(fileName) : m_currentFile;
        if (name.isEmpty())
            return invalidArgument;
        const QByteArray bytes = shellLink::write(m_link);
        if (bytes.isEmpty())
            return fail;
        // As the shell saves a link: the whole file or none.
        wholeFile::failure why;
        if (!wholeFile::write(platform::localPath(name), bytes, &why)) {
            qDebug().noquote() << "Save:" << why.what;
            return fail;
        }
        if (remember)
            m_currentFile = name;
        return ok;
    }

private:
    shellLinkObject() = default;
    ~shellLinkObject() = default;

    result query(const guid &iid, void **object)
    {
        if (!object)
            return nullPointer;
        *object = nullptr;
        if (iid == shellLinkInterface || iid == unknownInterface)
            *object = static_cast<shellLinkFace *>(this);
        else if (iid == persistFileInterface)
            *object = static_cast<persistFileFace *>(this);
        else
            return noInterface;
        ++m_references;
        return ok;
    }

    count m_references = 0;
    shellLink::contents m_link;
    QString m_currentFile;
};

}  // namespace

bool guid::operator==(const guid &other) const
{
    return data1 == other.data1 && data2 == other.data2 && data3 == other.data3
           && data4 == other.data4;
}

QString guid::toString() const
{
    return QString::asprintf("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2,
                             data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5],
                             data4[6], data4[7]);
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

namespace {

// COM set-up counted per use, as on the thread it serves.
class standInLibrary final : public library
{
public:
    result initialize(void *reserved) override
    {
        if (reserved)
            return invalidArgument;
        // Set up already on this thread: one more use to pair with uninitialize.
        return m_initialisations++ > 0 ? okFalse : ok;
    }

    result createInstance(const guid &clsid, unknown *outer, classContext context, const guid &iid,
                          void **object) override
    {
        if (!object)
            return nullPointer;
        *object = nullptr;
        if (m_initialisations <= 0)
            return notInitialised;
        if (!(clsid == shellLinkClass) || !(context & inProcessServer))
            return classNotRegistered;
        if (outer)
            return noAggregation;
        return shellLinkObject::create(iid, object);
    }

    void uninitialize() override { --m_initialisations; }

private:
    int m_initialisations = 0;
};

}  // namespace

library &standIn()
{
    static standInLibrary shell;
    return shell;
}

}  // namespace comShell
