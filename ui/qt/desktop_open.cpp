#include "ui/qt/desktop_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace qinghe {

void openInDesktop(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace qinghe
