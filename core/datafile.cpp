#include "core/datafile.h"

#include <QFileInfo>

bool isRegularFile(const QString &name)
{
    return !name.isEmpty() && QFileInfo(name).isFile();
}
