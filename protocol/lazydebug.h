#ifndef CAMGUIDE_LAZYDEBUG_H
#define CAMGUIDE_LAZYDEBUG_H

#include <QDebug>
#include <QLoggingCategory>

// qDebug() that builds its line only while the default category lets debug
// lines through. The lines and where they go are those of qDebug(); a
// filtered line, which qDebug() would have built and then dropped, costs
// nothing (the reader logs every datagram).
#define lazyDebug()                                                                                \
    for (bool lazyDebugOn = QLoggingCategory::defaultCategory()->isDebugEnabled(); lazyDebugOn;    \
         lazyDebugOn = false)                                                                      \
    qDebug()

#endif
