#ifndef CAMGUIDE_TESTS_WAITLABELS_H
#define CAMGUIDE_TESTS_WAITLABELS_H

// The controls of a page's wait run, found by object name: the run keeps
// them to itself.

#include "core/waitrun.h"

#include <QLabel>
#include <QTimer>

inline QLabel *waitPicture(const waitRun *run)
{
    return run->parent()->findChild<QLabel *>(QStringLiteral("waitPicLabel"),
                                              Qt::FindDirectChildrenOnly);
}

inline QLabel *waitText(const waitRun *run)
{
    return run->parent()->findChild<QLabel *>(QStringLiteral("waitTextLabel"),
                                              Qt::FindDirectChildrenOnly);
}

inline QTimer *waitTimer(const waitRun *run)
{
    return run->findChild<QTimer *>(QStringLiteral("waitTimer"), Qt::FindDirectChildrenOnly);
}

#endif
