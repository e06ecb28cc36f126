#include "core/datafile.h"

#include <QFileInfo>

bool dataFile::isRegularFile(const QString &name)
{
    return !name.isEmpty() && QFileInfo(name).isFile();
}
