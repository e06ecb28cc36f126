#ifndef CAMGUIDE_WHYJOIN_H
#define CAMGUIDE_WHYJOIN_H

#include <QList>
#include <QString>

class QLabel;
class QWidget;

// The "Why join" panel the two join pages show on their right: the
// picture, the title and three items, each a heading over a text. Each page
// gives its own texts, translated in its own context, and its own marks.
struct whyJoinPanel {
    QString title;
    QChar bullet;             // before each heading
    const char *headingName;  // heading i is named headingName + i, text i "panelText" + i
    struct item {
        QString heading;
        QString text;
        Qt::TextFormat format;
    } items[3];

    // Made on the page in the places both pages share; the picture first.
    QList<QLabel *> build(QWidget *page) const;
};

#endif
