#pragma once

#include <QFrame>
#include <QString>

namespace qinghe {

// The status line: red text centred both ways over a white copy one pixel right and down,
// which gives it a raised look, inside a sunken frame.
class StatusLabel final : public QFrame {
 public:
  explicit StatusLabel(QWidget* parent);

  void setText(const QString& text);
  [[nodiscard]] QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace qinghe
