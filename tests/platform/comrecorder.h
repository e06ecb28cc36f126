#ifndef CAMGUIDE_TESTS_COMRECORDER_H
#define CAMGUIDE_TESTS_COMRECORDER_H

#include "platform/comshell.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A COM library seen through a recorder: every call a shortcut maker makes
// on it and on the objects it creates is recorded under its published name
// ("CoInitialize", "SetPath", ...), and any call can be told to fail.
class comRecorder final : public comShell::library
{
public:
    struct call {
        QString name;
        QStringList arguments;  // as text: strings, numbers, "{guid}", "null", "TRUE"
        qint64 result = 0;      // the result, or the count Release returned
    };

    explicit comRecorder(comShell::library &inner = comShell::standIn());
    ~comRecorder();
    comRecorder(const comRecorder &) = delete;
    comRecorder &operator=(const comRecorder &) = delete;

    QList<call> calls() const { return m_calls; }

    // From now on the named call returns `result`. A failure does nothing
    // else; a success does the call's work and reports `result` if the work
    // succeeded.
    void forceResult(const QString &name, comShell::result result)
    {
        m_forced.insert(name, result);
    }

    // Initialisations not yet paired with an uninitialisation.
    int openInitialisations() const { return m_initialisations; }
    // Objects created through here and not yet released to the end.
    int liveObjects() const { return m_liveObjects; }

    comShell::result initialize(void *reserved) override;
    comShell::result createInstance(const comShell::guid &clsid, comShell::unknown *outer,
                                    comShell::classContext context, const comShell::guid &iid,
                                    void **object) override;
    void uninitialize() override;

private:
    class linkObject;
    friend class linkObject;

    // Runs a call's work unless a failure is forced on it, and records it.
    template <class Work>
    comShell::result recorded(const QString &name, const QStringList &arguments, Work work);
    void record(const QString &name, const QStringList &arguments, qint64 result);

    comShell::library &m_inner;
    QList<call> m_calls;
    QHash<QString, comShell::result> m_forced;
    int m_initialisations = 0;
    int m_liveObjects = 0;
};

#endif
