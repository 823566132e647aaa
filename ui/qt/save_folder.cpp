#include "ui/qt/save_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qinghe {

QString proposedSaveFolder(const QString& programFolder) {
  const QFileInfo program(programFolder);
  if (program.isDir() && program.isWritable()) {
    return programFolder;
  }
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
    return documents;
  }
  return QDir::homePath();
}

}  // namespace qinghe
