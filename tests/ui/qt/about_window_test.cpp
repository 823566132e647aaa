// The about window: modal over the main window, its one disabled text box.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "main_window_fixture.h"
#include "ui/qt/about_window.h"
#include "ui/qt/gbk_conversion.h"
#include "ui/qt/window_frame.h"

namespace qinghe::test {
namespace {

// The modal as the about window; anything else fails the test and is closed so the run goes on.
AboutWindow* asAboutWindow(QWidget* modal) {
  auto* about = dynamic_cast<AboutWindow*>(modal);
  if (about == nullptr) {
    ADD_FAILURE() << "expected the about window";
    if (modal != nullptr) {
      modal->close();
    }
  }
  return about;
}

class AboutWindowTest : public MainWindowTest {
 protected:
  // A click as the window system delivers it, which modality can hold back.
  void clickGenerateThroughTheWindowSystem() {
    QWidget* button = window->control(ControlId::按钮1);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, button->geometry().center());
  }
};

TEST_F(AboutWindowTest, BlocksTheMainWindowUntilClosed) {
  bool checked = false;
  const int answered =
      answerModals({[&](QWidget* modal) {
                     AboutWindow* about = asAboutWindow(modal);
                     if (about == nullptr) {
                       return;
                     }
                     clickGenerateThroughTheWindowSystem();
                     EXPECT_TRUE(chooser.calls.empty()) << "the main window took a click";
                     EXPECT_TRUE(status().isEmpty());
                     checked = true;
                     about->close();
                   }},
                   [&] { QTest::mouseClick(window->control(ControlId::按钮3), Qt::LeftButton); });
  EXPECT_EQ(answered, 1);
  EXPECT_TRUE(checked);
  // Afterwards the same click works again.
  clickGenerateThroughTheWindowSystem();
  EXPECT_EQ(chooser.calls.size(), 1U);
}

TEST_F(AboutWindowTest, ShowsTheNotesInADisabledReadOnlyBoxFromTheFirstLine) {
  for (int opening = 1; opening <= 2; ++opening) {
    const int answered = answerModals(
        {[&](QWidget* modal) {
          AboutWindow* about = asAboutWindow(modal);
          if (about == nullptr) {
            return;
          }
          const QTextEdit* box = about->textBox();
          EXPECT_EQ(about->windowTitle(), QStringLiteral("一些说明："));
          EXPECT_EQ(about->size(), clientSizeOf(aboutWindowSpec()));
          EXPECT_EQ(about->minimumSize(), about->maximumSize());
          EXPECT_EQ(box->geometry(), QRect(0, 0, 360, 216));
          EXPECT_TRUE(about->rect().contains(box->geometry()));
          EXPECT_EQ(box->toPlainText(),
                    fromGbk(aboutText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
          EXPECT_TRUE(box->toPlainText().startsWith(QStringLiteral("    闲暇时")));
          EXPECT_TRUE(box->isReadOnly());
          EXPECT_FALSE(box->isEnabled());
          EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
          EXPECT_EQ(box->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
          EXPECT_EQ(box->textCursor().position(), 0);
          about->close();
        }},
        [&] { QTest::mouseClick(window->control(ControlId::按钮3), Qt::LeftButton); });
    EXPECT_EQ(answered, 1) << "opening " << opening;
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace qinghe::test
