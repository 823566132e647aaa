#include "ui/qt/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/qt/gbk_conversion.h"

namespace qinghe {

QSize clientSizeOf(const WindowSpec& spec) {
  return {spec.outerWidth - 2 * kFrameBorder,
          spec.outerHeight - kTitleBarHeight - 2 * kFrameBorder};
}

void fixWindowFrame(QWidget& window, const WindowSpec& spec) {
  window.setWindowTitle(fromGbk(spec.title));
  window.setWindowFlags((window.windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window.setFixedSize(clientSizeOf(spec));
  // move() places the frame, so the outer size of the table centres it.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    window.move(area.left() + (area.width() - spec.outerWidth) / 2,
                area.top() + (area.height() - spec.outerHeight) / 2);
  }
}

}  // namespace qinghe
