#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "generation/random_source.h"
#include "report/clock.h"
#include "report/generate_window_port.h"
#include "ui/qt/qt_report_save_port.h"
#include "ui/qt/save_file_chooser.h"
#include "ui/window_layout.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace qinghe {

class CountBox;
class StatusLabel;

// The program's working window: the controls of the shared table, and the port through which
// a generation run reads the choices and reports where it is.
class MainWindow final : public QWidget, public GenerateWindowPort {
 public:
  // endProgram ends the process with the given exit code and does not return in the program;
  // programFolder is the folder that holds the program file.
  MainWindow(RandomSource& source, Clock& clock, SaveFileChooser& chooser, QString programFolder,
             std::function<void(int)> endProgram);

  [[nodiscard]] QWidget* control(ControlId id) const;

  void setStatusText(const GbkText& text) override;
  void pauseWithEvents(std::int32_t milliseconds) override;
  GbkText lengthItemText() override;
  GbkText kindItemText() override;
  GbkText countText() override;
  bool isNumberedChecked() override;
  void saveAndOpenReport(std::string_view report) override;
  bool isClosed() override { return closed_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void selectDefaults();
  void wireSignals();
  void generate();

  RandomSource& source_;
  Clock& clock_;
  QString programFolder_;
  std::function<void(int)> endProgram_;
  QtReportSavePort savePort_;
  std::array<QWidget*, 12> controls_{};
  QComboBox* lengthList_ = nullptr;
  QComboBox* kindList_ = nullptr;
  CountBox* countBox_ = nullptr;
  QRadioButton* numberedRadio_ = nullptr;
  StatusLabel* status_ = nullptr;
  bool closed_ = false;
};

}  // namespace qinghe
