#include "ui/qt/status_label.h"

#include <QPainter>

#include "ui/window_layout.h"

namespace qinghe {

StatusLabel::StatusLabel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  // Crisp glyphs, as the platform the window comes from draws them: smoothed edges would
  // blend the red into its white copy and lose the raised look.
  QFont crisp = font();
  crisp.setStyleStrategy(QFont::NoAntialias);
  setFont(crisp);
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
