#ifndef CAMGUIDE_TESTS_WIZARDFIXTURE_H
#define CAMGUIDE_TESTS_WIZARDFIXTURE_H

// The wizard window opened at one of its pages, as the user would reach it,
// with the page's controls found by object name and its wait run driven
// tick by tick (the timer itself never fires in a test that does not wait).
//
//   wizardAt<selectPage> w(selectPageId);
//   w.control<QLineEdit>("passwdEdit")->setText("river7stone");
//   w.tickTo(50);

#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageids.h"
#include "core/waitrun.h"

#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QPoint>
#include <QTest>

// A page's control by its object name; a missing one ends the test program.
template <class W> W *controlOf(const QObject *page, const QString &name)
{
    W *w = page->findChild<W *>(name);
    if (!w)
        qFatal("no control %s on the page", qPrintable(name));
    return w;
}

// Numbered controls of a page: prefix1, prefix2, ...
template <class W> QList<W *> controlsOf(const QObject *page, const char *prefix, int count)
{
    QList<W *> list;
    for (int i = 1; i <= count; ++i)
        list << controlOf<W>(page, QString::fromLatin1(prefix) + QString::number(i));
    return list;
}

// The pages' own moves: on to a page as its Next makes it (through the
// history), and to a page by a jump (the history then starts with it).
inline void stepTo(camguide &wizard, pageId id)
{
    nextPage = id;
    wizard.next();
}
inline void jumpTo(camguide &wizard, pageId id)
{
    nextPage = id;
    wizard.setStartId(id);
    wizard.restart();
}

template <class Page> class wizardAt
{
public:
    // Where the wizard stands: box places are offsets from it.
    static constexpr QPoint defaultPos{100, 50};

    explicit wizardAt(pageId id, QPoint pos = defaultPos)
    {
        wizard.move(pos);
        open(id);
    }

    // Page 0 by a restart, page 1 from page 0 as Next does, any other page
    // by a jump (its history then starts with it).
    void open(pageId id)
    {
        jumpTo(wizard, plugPageId);
        if (id == selectPageId)
            stepTo(wizard, selectPageId);
        else if (id != plugPageId)
            jumpTo(wizard, id);
        page = qobject_cast<Page *>(wizard.currentPage());
    }

    template <class W> W *control(const char *objectName) const
    {
        return controlOf<W>(page, QString::fromLatin1(objectName));
    }

    waitRun *run() const { return page->template findChild<waitRun *>(); }
    int ticks() const { return run()->ticks(); }

    // One tick of the page's wait run, as its timer would give it.
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            QMetaObject::invokeMethod(page, "waitTimeout", Qt::DirectConnection);
    }
    // Ticks until the count reaches t (bounded: a page that does not count
    // up ends the loop).
    void tickTo(int t)
    {
        for (int guard = 0; ticks() < t && guard < 10000; ++guard)
            tick();
    }
    // Ticks while the run goes, at most limit; the count it ended at.
    int tickWhileRunning(int limit = 2000)
    {
        for (int guard = 0; run()->isRunning() && ticks() < limit && guard < 10000; ++guard)
            tick();
        return ticks();
    }

    // The engine's queued signals reach the page slots.
    static void deliverQueued() { QCoreApplication::sendPostedEvents(); }

    camguide wizard;
    Page *page = nullptr;
};

#endif
