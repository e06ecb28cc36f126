#include "platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

namespace platform {

void enterDataFolder()
{
    const QString folder = dataFolder(QCoreApplication::applicationDirPath());
    if (folder.isEmpty())
        qDebug().noquote() << "no data folder beside the program"
                           << QCoreApplication::applicationFilePath();
    else if (!QDir::setCurrent(folder))
        qDebug().noquote() << "can't enter the data folder" << folder;
    qDebug().noquote() << "working directory:" << QDir::currentPath();
}

}  // namespace platform
