#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "generation/random_source.h"
#include "qt_test_support.h"
#include "ui/qt/main_window.h"

namespace qinghe::test {

// A shown main window over a scripted save dialog, a fixed clock, a recorder in place of the
// desktop and a program folder of its own.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { window = makeWindow(source); }

  std::unique_ptr<MainWindow> makeWindow(RandomSource& random);

  template <typename Widget>
  Widget* widget(ControlId id) const {
    auto* found = qobject_cast<Widget*>(window->control(id));
    EXPECT_NE(found, nullptr);
    return found;
  }

  [[nodiscard]] QString status() const;
  void focus(ControlId id) const;
  // Tab from the first control visits them all in order and comes round; Shift+Tab goes back.
  void checkTabOrder(const std::vector<ControlId>& order) const;

  SecureRandomSource source;
  FixedClock clock;
  ScriptedChooser chooser;
  OpenedUrls opened;
  QTemporaryDir programFolder;
  std::vector<int> endCodes;
  std::unique_ptr<MainWindow> window;
};

}  // namespace qinghe::test
