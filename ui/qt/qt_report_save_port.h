#pragma once

#include <QString>

#include "ui/qt/save_file_chooser.h"
#include "ui/save_and_open_report.h"

class QWidget;

namespace qinghe {

// Saving on Qt: the chooser's dialog, QSaveFile for an all-or-nothing write, a message box for
// a failure and the desktop for opening the saved file.
class QtReportSavePort final : public ReportSavePort {
 public:
  QtReportSavePort(QWidget& window, SaveFileChooser& chooser, QString programFolder);

  bool showSaveDialog(const GbkText& proposedName) override;
  bool writeChosenFile(std::string_view report) override;
  void showWriteFailure() override;
  void openChosenFile() override;

 private:
  QWidget& window_;
  SaveFileChooser& chooser_;
  QString programFolder_;
  QString chosenPath_;
  QString failure_;
};

}  // namespace qinghe
