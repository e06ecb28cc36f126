#ifndef CAMGUIDE_TESTS_FILESIZELIMIT_H
#define CAMGUIDE_TESTS_FILESIZELIMIT_H

// A disk that fills up, for as long as it lives: no file of this process
// grows beyond `bytes`. A write past the limit fails (EFBIG) the way one on
// a full disk does (ENOSPC), part-way through a file, with no root and no
// file system of its own.
//
//   fileSizeLimit full(100);
//   QVERIFY(!writeSomething());

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

class fileSizeLimit
{
public:
    explicit fileSizeLimit(rlim_t bytes)
    {
        // Without this the process would be ended at the first write past it.
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0)
            qFatal("getrlimit: RLIMIT_FSIZE");
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        if (setrlimit(RLIMIT_FSIZE, &limited) != 0)
            qFatal("setrlimit: RLIMIT_FSIZE");
    }
    ~fileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    fileSizeLimit(const fileSizeLimit &) = delete;
    fileSizeLimit &operator=(const fileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
};

#endif
