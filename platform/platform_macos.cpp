#include "platform/platform.h"
#include "platform/shortcut.h"

#include <QDebug>
#include <QDir>

namespace platform {

build currentBuild()
{
    return build::macos;
}

const char *buildName()
{
    return "macos";
}

int textPixelSize()
{
    return 13;
}

int stepTextPixelSize()
{
    return 12;
}

void enterDataFolder()
{
    QDir::setCurrent(QDir::currentPath() + QStringLiteral("/CAMGUIDE.app/Contents/"));
    qDebug().noquote() << "working directory:" << QDir::currentPath();
}

QString shortcutIconPath()
{
    return QDir::currentPath() + QStringLiteral("/images/product.ico");
}

void makeShortcut(wchar_t *, wchar_t *, wchar_t *, wchar_t *, const shortcutCamera &)
{
    qDebug().noquote() << "createShortcut: no shortcut maker in this build yet.";
}

}  // namespace platform
