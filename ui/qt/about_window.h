#pragma once

#include <QDialog>

class QTextEdit;

namespace qinghe {

// The usage notes: one disabled, read-only text box, shown modally over the main window.
class AboutWindow final : public QDialog {
 public:
  explicit AboutWindow(QWidget* parent);

  [[nodiscard]] QTextEdit* textBox() const { return textBox_; }

 private:
  QTextEdit* textBox_;
};

// Returns once the notes have been closed; a new window each time, so each opening starts
// from the first line.
void showAboutWindow(QWidget* parent);

}  // namespace qinghe
