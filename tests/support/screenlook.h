#ifndef CAMGUIDE_TESTS_SCREENLOOK_H
#define CAMGUIDE_TESTS_SCREENLOOK_H

// For tests that render windows for a person to look at: the look the
// start-up gives the program (font, application style sheet, the shipped
// pictures beside it in the working directory), restored afterwards.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QString>

class screenLook
{
public:
    // shippedDir: the folder holding "images/" (CAMGUIDE_PICTURES_DIR "/shipped").
    explicit screenLook(const QString &shippedDir)
        : oldDir(QDir::currentPath()), oldFont(QApplication::font())
    {
        QDir::setCurrent(shippedDir);
        QApplication::setFont(QFont(QStringLiteral("Arial")));
        QFile sheet(QStringLiteral(":/style.qss"));
        if (sheet.open(QIODevice::ReadOnly))
            qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }
    ~screenLook()
    {
        qApp->setStyleSheet(QString());
        QApplication::setFont(oldFont);
        QDir::setCurrent(oldDir);
    }
    screenLook(const screenLook &) = delete;
    screenLook &operator=(const screenLook &) = delete;

    // The compiled-in pictures are part of the library; a render without
    // them would show nothing worth looking at.
    static bool picturesLinked()
    {
        return QFile::exists(QStringLiteral(":/images/background.png"));
    }

private:
    QString oldDir;
    QFont oldFont;
};

#endif
