#pragma once

#include <QString>

namespace qinghe {

// Where the save dialog opens: the program's folder when the file can go there (a program run
// from its build or unpacked folder), else the user's documents folder, else the home folder.
QString proposedSaveFolder(const QString& programFolder);

}  // namespace qinghe
