#ifndef CAMGUIDE_TESTS_URLCATCHER_H
#define CAMGUIDE_TESTS_URLCATCHER_H

// Takes the browser's place while it lives: every http and https address
// the program opens lands in opened instead.
//
//   urlCatcher urls;
//   w.manualsButton->click();
//   QCOMPARE(urls.opened, QList<QUrl>{QUrl("http://...")});

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class urlCatcher : public QObject
{
    Q_OBJECT
public:
    urlCatcher()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~urlCatcher() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    urlCatcher(const urlCatcher &) = delete;
    urlCatcher &operator=(const urlCatcher &) = delete;

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

#endif
