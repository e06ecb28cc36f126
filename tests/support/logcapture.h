#ifndef CAMGUIDE_TESTS_LOGCAPTURE_H
#define CAMGUIDE_TESTS_LOGCAPTURE_H

// The program's log lines in a test, kept instead of printed.
//
//   logCapture log;
//   page->next();
//   QVERIFY(log.lines.contains("..."));
//
// Not for lines logged from other threads.

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Keeps every log line while it lives, instead of printing it.
class logCapture
{
public:
    logCapture() : m_previous(qInstallMessageHandler(keep)) { current() = &lines; }
    ~logCapture()
    {
        qInstallMessageHandler(m_previous);
        current() = nullptr;
    }
    logCapture(const logCapture &) = delete;
    logCapture &operator=(const logCapture &) = delete;

    QString text() const { return lines.join(QLatin1Char('\n')); }
    QStringList lines;

private:
    static QStringList *&current()
    {
        static QStringList *list = nullptr;
        return list;
    }
    static void keep(QtMsgType, const QMessageLogContext &, const QString &msg)
    {
        if (current())
            current()->append(msg);
    }
    QtMessageHandler m_previous;
};

#endif
