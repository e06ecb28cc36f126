#ifndef CAMGUIDE_DATAFILE_H
#define CAMGUIDE_DATAFILE_H

#include <QString>

// Whether name is a regular file, after following links. Data files beside
// the program are read only when they are: opening a named pipe blocks
// until a writer comes, which at start-up means no window ever.
namespace dataFile {

bool isRegularFile(const QString &name);

}  // namespace dataFile

#endif
