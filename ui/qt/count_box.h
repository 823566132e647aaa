#pragma once

#include <QLineEdit>

namespace qinghe {

// The count box: at most seven characters, and of the typed characters only digits and "-".
// Pasted or dropped text passes unfiltered apart from the limit; control keys and the
// clipboard shortcuts work as in any line edit.
class CountBox final : public QLineEdit {
 public:
  explicit CountBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace qinghe
