#include "ui/qt/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/qt/gbk_conversion.h"

namespace qinghe {

QSize clientSizeOf(const WindowSpec& layout) {
  return {layout.outerWidth - 2 * kFrameBorder,
          layout.outerHeight - kTitleBarHeight - 2 * kFrameBorder};
}

void fixWindowFrame(QWidget& window, const WindowSpec& layout) {
  window.setWindowTitle(fromGbk(layout.title));
  window.setWindowFlags((window.windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window.setFixedSize(clientSizeOf(layout));
  // move() places the frame, so the outer size of the table centres it.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    window.move(area.left() + (area.width() - layout.outerWidth) / 2,
                area.top() + (area.height() - layout.outerHeight) / 2);
  }
}

}  // namespace qinghe
