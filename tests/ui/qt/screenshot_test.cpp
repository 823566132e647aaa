// Renders both windows for a reviewer (saved under the artifacts folder) and checks the
// status line's colours in the rendering.
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "main_window_fixture.h"
#include "report/report_texts.h"
#include "ui/qt/about_window.h"

namespace qinghe::test {
namespace {

TEST_F(MainWindowTest, StatusLineDrawsRedTextOverAWhiteCopy) {
  window->setStatusText(GbkText(report_texts::gbk::kStatusAgain));
  const QImage shot = window->grab().toImage();
  ASSERT_TRUE(shot.save(artifactPath(QStringLiteral("main-window.png"))));

  const QRect label = window->control(ControlId::标签4)->geometry();
  const QImage status = shot.copy(label).convertToFormat(QImage::Format_RGB32);
  int red = 0;
  int white = 0;
  int whiteBelowRightOfRed = 0;
  for (int y = 0; y + 1 < status.height(); ++y) {
    for (int x = 0; x + 1 < status.width(); ++x) {
      const QRgb pixel = status.pixel(x, y);
      red += pixel == qRgb(255, 0, 0) ? 1 : 0;
      white += pixel == qRgb(255, 255, 255) ? 1 : 0;
      if (pixel == qRgb(255, 0, 0) && status.pixel(x + 1, y + 1) == qRgb(255, 255, 255)) {
        ++whiteBelowRightOfRed;
      }
    }
  }
  EXPECT_GT(red, 20);
  EXPECT_GT(white, 20);
  EXPECT_GT(whiteBelowRightOfRed, 5);
  // The background is not white, so the white can only be the offset copy.
  EXPECT_NE(shot.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(AboutWindowShot, RendersTheNotes) {
  AboutWindow about(nullptr);
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  const QImage shot = about.grab().toImage();
  ASSERT_TRUE(shot.save(artifactPath(QStringLiteral("about-window.png"))));
  // Dark text in the top lines of the box: the notes start at their first line.
  int dark = 0;
  for (int y = 4; y < 24; ++y) {
    for (int x = 4; x < 300; ++x) {
      dark += qGray(shot.pixel(x, y)) < 160 ? 1 : 0;
    }
  }
  EXPECT_GT(dark, 30);
}

}  // namespace
}  // namespace qinghe::test
