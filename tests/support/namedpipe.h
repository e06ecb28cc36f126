#ifndef CAMGUIDE_TESTS_NAMEDPIPE_H
#define CAMGUIDE_TESTS_NAMEDPIPE_H

// Named pipes where the program expects data files. Opening a pipe to read
// blocks until a writer comes, so a test of code that must not open one
// would hang when the code does. pipeRescue bounds that: if the code under
// test still runs after its time, it opens each pipe's write end, which
// lets the blocked open return, and the test fails on what it then sees
// instead of hanging.
//
//   QVERIFY(makePipe(dir.filePath("config.xml")));
//   {
//       pipeRescue rescue({dir.filePath("config.xml")});
//       readConfig();
//       QVERIFY2(!rescue.wasNeeded(), "readConfig opened the pipe");
//   }

#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

inline bool makePipe(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

class pipeRescue
{
public:
    explicit pipeRescue(QStringList pipes,
                        std::chrono::milliseconds after = std::chrono::seconds(5))
        : m_pipes(std::move(pipes)), m_thread([this, after] { watch(after); })
    {
    }
    ~pipeRescue()
    {
        m_done = true;
        m_thread.join();
    }
    pipeRescue(const pipeRescue &) = delete;
    pipeRescue &operator=(const pipeRescue &) = delete;

    // Whether a pipe had to be opened from here: the code under test was
    // blocked on it. Meaningful once the code under test has returned.
    bool wasNeeded() const { return m_rescued; }

private:
    void watch(std::chrono::milliseconds after)
    {
        const auto deadline = std::chrono::steady_clock::now() + after;
        while (!m_done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
#ifdef Q_OS_UNIX
        // Without a reader a non-blocking open fails at once; retry until the
        // code under test returns, so a reader that comes late is freed too.
        while (!m_done) {
            for (const QString &pipe : m_pipes) {
                const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    m_rescued = true;
                    ::close(fd);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
#endif
    }

    const QStringList m_pipes;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_rescued{false};
    std::thread m_thread;
};

#endif
