#pragma once

#include <QString>

namespace qinghe {

// Asks the desktop to open a file in its default viewer or a folder in the file manager. The
// outcome is the desktop's: it reports its own errors.
void openInDesktop(const QString& path);

}  // namespace qinghe
