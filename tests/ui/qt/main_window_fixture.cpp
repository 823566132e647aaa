#include "main_window_fixture.h"

#include <QApplication>
#include <QTest>

#include "ui/qt/status_label.h"

namespace qinghe::test {

std::unique_ptr<MainWindow> MainWindowTest::makeWindow(RandomSource& random) {
  auto made = std::make_unique<MainWindow>(random, clock, chooser, programFolder.path(),
                                           [this](int code) { endCodes.push_back(code); });
  made->show();
  made->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(made.get()));
  return made;
}

QString MainWindowTest::status() const {
  return static_cast<StatusLabel*>(window->control(ControlId::标签4))->text();
}

void MainWindowTest::focus(ControlId id) const {
  window->control(id)->setFocus(Qt::OtherFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), window->control(id));
}

void MainWindowTest::checkTabOrder(const std::vector<ControlId>& order) const {
  focus(order.front());
  for (std::size_t step = 1; step <= order.size(); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->control(order[step % order.size()]))
        << "after Tab number " << step << ": "
        << QApplication::focusWidget()->objectName().toStdString();
  }
  for (std::size_t step = order.size(); step > 0; --step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), window->control(order[step - 1]))
        << "after Shift+Tab from " << step << ": "
        << QApplication::focusWidget()->objectName().toStdString();
  }
}

}  // namespace qinghe::test
