#pragma once

#include <QString>

class QWidget;

namespace qinghe {

// The save dialog as the window sees it; tests hand the window a scripted one.
class SaveFileChooser {
 public:
  SaveFileChooser() = default;
  SaveFileChooser(const SaveFileChooser&) = delete;
  SaveFileChooser& operator=(const SaveFileChooser&) = delete;
  virtual ~SaveFileChooser() = default;

  // Modal over parent. The confirmed full path, or an empty string when the user cancelled.
  virtual QString chooseSaveFile(QWidget* parent, const QString& folder,
                                 const QString& proposedName) = 0;
};

// Qt's file dialog as a save dialog for text files: it adds ".txt" to a bare name and asks
// before it replaces an existing file.
class FileDialogChooser final : public SaveFileChooser {
 public:
  QString chooseSaveFile(QWidget* parent, const QString& folder,
                         const QString& proposedName) override;
};

}  // namespace qinghe
