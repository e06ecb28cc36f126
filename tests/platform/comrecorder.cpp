#include "tests/platform/comrecorder.h"

using namespace comShell;

namespace {

QString text(const wchar_t *value)
{
    return value ? QString::fromWCharArray(value) : QStringLiteral("null");
}

}  // namespace

template <class Work>
result comRecorder::recorded(const QString &name, const QStringList &arguments, Work work)
{
    const auto forced = m_forced.constFind(name);
    result answer;
    if (forced != m_forced.constEnd() && failed(*forced)) {
        answer = *forced;
    } else {
        answer = work();
        if (forced != m_forced.constEnd() && !failed(answer))
            answer = *forced;
    }
    record(name, arguments, answer);
    return answer;
}

void comRecorder::record(const QString &name, const QStringList &arguments, qint64 result)
{
    m_calls.append({name, arguments, result});
}

// Wraps one object of the inner library: each reference taken on the
// wrapper is one taken on the inner object, so the counts are the inner
// object's own.
class comRecorder::linkObject final : public shellLinkFace, public persistFileFace
{
public:
    linkObject(comRecorder &recorder, shellLinkFace *inner) : m_recorder(recorder), m_link(inner)
    {
        ++m_recorder.m_liveObjects;
    }
    linkObject(const linkObject &) = delete;
    linkObject &operator=(const linkObject &) = delete;

    result QueryInterface(const guid &iid, void **object) override
    {
        return m_recorder.recorded(QStringLiteral("QueryInterface"), {iid.toString()},
                                   [&] { return face(iid, object); });
    }

    count AddRef() override
    {
        const count references = m_link->AddRef();
        m_recorder.record(QStringLiteral("AddRef"), {}, references);
        return references;
    }

    count Release() override
    {
        // The stand-in's object counts the references of both its faces.
        const count left = m_link->Release();
        m_recorder.record(QStringLiteral("Release"), {}, left);
        if (left == 0)
            delete this;
        return left;
    }

    result SetPath(const wchar_t *file) override
    {
        return m_recorder.recorded(QStringLiteral("SetPath"), {text(file)},
                                   [&] { return m_link->SetPath(file); });
    }

    result SetArguments(const wchar_t *arguments) override
    {
        return m_recorder.recorded(QStringLiteral("SetArguments"), {text(arguments)},
                                   [&] { return m_link->SetArguments(arguments); });
    }

    result SetIconLocation(const wchar_t *iconPath, int index) override
    {
        return m_recorder.recorded(QStringLiteral("SetIconLocation"),
                                   {text(iconPath), QString::number(index)},
                                   [&] { return m_link->SetIconLocation(iconPath, index); });
    }

    result Save(const wchar_t *fileName, bool remember) override
    {
        return m_recorder.recorded(
            QStringLiteral("Save"),
            {text(fileName), remember ? QStringLiteral("TRUE") : QStringLiteral("FALSE")},
            [&] { return m_persist ? m_persist->Save(fileName, remember) : comResult::fail; });
    }

    // The wrapper's face for `iid`, holding a reference on the inner
    // object's face.
    result face(const guid &iid, void **object)
    {
        if (!object)
            return comResult::nullPointer;
        void *inner = nullptr;
        const result answer = m_link->QueryInterface(iid, &inner);
        *object = nullptr;
        if (failed(answer))
            return answer;
        if (iid == persistFileInterface) {
            m_persist = static_cast<persistFileFace *>(inner);
            *object = static_cast<persistFileFace *>(this);
        } else {
            *object = static_cast<shellLinkFace *>(this);
        }
        return answer;
    }

private:
    ~linkObject() { --m_recorder.m_liveObjects; }

    comRecorder &m_recorder;
    shellLinkFace *m_link;
    persistFileFace *m_persist = nullptr;
};

comRecorder::comRecorder(library &inner) : m_inner(inner) {}

comRecorder::~comRecorder()
{
    // A test that failed half-way leaves the stand-in as it found it.
    while (m_initialisations > 0)
        uninitialize();
}

result comRecorder::initialize(void *reserved)
{
    const result answer = recorded(QStringLiteral("CoInitialize"),
                                   {reserved ? QStringLiteral("reserved") : QStringLiteral("null")},
                                   [&] { return m_inner.initialize(reserved); });
    if (!failed(answer))
        ++m_initialisations;
    return answer;
}

result comRecorder::createInstance(const guid &clsid, unknown *outer, classContext context,
                                   const guid &iid, void **object)
{
    const QStringList arguments = {clsid.toString(),
                                   outer ? QStringLiteral("outer") : QStringLiteral("null"),
                                   QString::number(context), iid.toString()};
    return recorded(QStringLiteral("CoCreateInstance"), arguments, [&] {
        void *inner = nullptr;
        const result answer = m_inner.createInstance(clsid, outer, context, shellLinkInterface,
                                                     object ? &inner : nullptr);
        if (failed(answer))
            return answer;
        auto *link = new linkObject(*this, static_cast<shellLinkFace *>(inner));
        // The caller's face; the reference taken for it replaces the first.
        const result faced = link->face(iid, object);
        link->Release();
        m_calls.removeLast();
        return failed(faced) ? faced : answer;
    });
}

void comRecorder::uninitialize()
{
    --m_initialisations;
    m_inner.uninitialize();
    record(QStringLiteral("CoUninitialize"), {}, 0);
}
