#include "ui/qt/status_label.h"

#include <QPainter>

#include "ui/window_layout.h"

namespace qinghe {

StatusLabel::StatusLabel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

void StatusLabel::setText(const QString& text) {
  text_ = text;
  update();
}

void StatusLabel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.setPen(Qt::white);
  painter.drawText(area.translated(1, 1), Qt::AlignCenter | Qt::TextSingleLine, text_);
  painter.setPen(QColor::fromRgb(static_cast<QRgb>(kStatusTextRgb)));
  painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text_);
}

}  // namespace qinghe
