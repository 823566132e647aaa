#include "ui/qt/save_file_chooser.h"

#include <QFileDialog>

#include "ui/qt/gbk_conversion.h"
#include "ui/ui_texts.h"

namespace qinghe {

QString FileDialogChooser::chooseSaveFile(QWidget* parent, const QString& folder,
                                          const QString& proposedName) {
  namespace t = ui_texts::gbk;
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Qt reads the patterns from ASCII parentheses at the end; the description's own full-width
  // ones stay as the user sees them, and the appended pattern is hidden.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(fromGbk(t::kSaveFilterDescription) + QStringLiteral(" (") +
                       fromGbk(t::kSaveFilterPattern) + QStringLiteral(")"));
  dialog.setDefaultSuffix(fromGbk(t::kSaveDefaultExtension));
  dialog.setDirectory(folder);
  dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return dialog.selectedFiles().constFirst();
}

}  // namespace qinghe
