#include "report/generate_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "generation/out_of_memory.h"
#include "generation/password_texts.h"
#include "report/report_builder.h"
#include "report/report_texts.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/scripted_random_source.h"

namespace qinghe {
namespace {

using testing::at;
using ::testing::ElementsAre;

// A stand-alone window: fixed choices, every call recorded in order.
class RecordingWindow final : public GenerateWindowPort {
 public:
  std::string lengthItem = "30";
  std::string kindItem = std::string(password_texts::gbk::kKindDigitsLetters);
  std::string count = "1000";
  bool numbered = true;
  std::function<void()> duringPause;
  bool closedDuringPause = false;

  std::vector<std::string> calls;
  std::vector<std::string> reports;

  void setStatusText(const GbkText& text) override {
    calls.push_back("status " + std::string(text.bytes()));
  }
  void pauseWithEvents(std::int32_t milliseconds) override {
    calls.push_back("pause " + std::to_string(milliseconds));
    if (duringPause) {
      duringPause();
    }
    closed_ = closedDuringPause;
  }
  GbkText lengthItemText() override { return record("length", lengthItem); }
  GbkText kindItemText() override { return record("kind", kindItem); }
  GbkText countText() override { return record("count", count); }
  bool isNumberedChecked() override {
    calls.emplace_back("numbered");
    return numbered;
  }
  void saveAndOpenReport(std::string_view report) override {
    calls.emplace_back("save");
    reports.emplace_back(report);
  }
  bool isClosed() override { return closed_; }

 private:
  GbkText record(const char* what, const std::string& value) {
    calls.emplace_back(what);
    return GbkText(value);
  }
  bool closed_ = false;
};

namespace status = report_texts::gbk;

std::string statusCall(std::string_view text) {
  return "status " + std::string(text);
}

struct CommandFixture : ::testing::Test {
  testing::ScriptedRandomSource source{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 61}};
  testing::FixedClock clock{{at(2010, 7, 28, 5, 29, 26), at(2010, 7, 28, 5, 29, 27)}};
  RecordingWindow window;
  void run() { GenerateCommand(source, clock).run(window); }
};

TEST_F(CommandFixture, ADefaultRunSavesANumberedReportOfTheWindowsChoices) {
  run();
  EXPECT_THAT(window.calls,
              ElementsAre(statusCall(status::kStatusGenerating), "pause 10", "length", "kind",
                          "count", "numbered", statusCall(status::kStatusGenerated), "save",
                          statusCall(status::kStatusAgain)));
  ASSERT_EQ(window.reports.size(), 1U);
  const std::string header =
      ReportBuilder().buildHeader(at(2010, 7, 28, 5, 29, 26), at(2010, 7, 28, 5, 29, 27), 1000);
  const std::string& report = window.reports[0];
  ASSERT_TRUE(report.starts_with(header));
  // 1000 lines of 30 characters of digits and letters.
  EXPECT_EQ(report.size() - header.size(),
            PasswordListBuilder::listSize(30, 1000, true, TextEncoding::gbk));
  EXPECT_EQ(source.bounds(), std::vector<std::uint32_t>(std::size_t{30} * 1000, 62U));
  EXPECT_EQ(clock.readCount(), 2U);
}

TEST_F(CommandFixture, ReadsTheCountAndLengthTextsLeniently) {
  struct Case {
    std::string length;
    std::string count;
    std::string shownCount;
    std::size_t lines;
  };
  const std::vector<Case> cases = {
      {"30", "", "0", 0},
      {"30", "-", "0", 0},
      {"30", "-5", "-5", 0},
      {"30", "0012", "12", 12},
      {"30", "12-3", "12", 12},
      {"30", "--5", "0", 0},
      {"30", "abc", "0", 0},
      {"30", "12.9", "12", 12},
      {"30", "\xA3\xB1\xA3\xB0", "10", 10},  // full-width "１０"
      {"", "3", "3", 3},                     // the empty length item: empty passwords
  };
  for (const auto& c : cases) {
    RecordingWindow caseWindow;
    caseWindow.lengthItem = c.length;
    caseWindow.count = c.count;
    testing::ScriptedRandomSource caseSource;
    testing::FixedClock caseClock{{at(2010, 7, 28, 5, 0, 0)}};
    GenerateCommand(caseSource, caseClock).run(caseWindow);
    ASSERT_EQ(caseWindow.reports.size(), 1U);
    const std::string& report = caseWindow.reports[0];
    const std::string count = "\xB9\xB2\xC9\xFA\xB3\xC9" + c.shownCount + "\xB8\xF6";  // 共生成N个
    EXPECT_NE(report.find(count), std::string::npos) << c.count;
    const std::size_t lineCount =
        static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n')) -
        7;  // the header has seven
    EXPECT_EQ(lineCount, c.lines) << c.count;
    if (c.length.empty()) {
      EXPECT_NE(report.find("Id1          \xA1\xF1\xA1\xF1\r\n"), std::string::npos);
    }
  }
}

TEST_F(CommandFixture, PlainFormHasNoHeader) {
  window.numbered = false;
  window.count = "3";
  window.lengthItem = "5";
  run();
  ASSERT_EQ(window.reports.size(), 1U);
  EXPECT_EQ(window.reports[0], "01234\r\n56789\r\nAz012\r\n");
  EXPECT_EQ(window.calls.back(), statusCall(status::kStatusAgain));
}

TEST_F(CommandFixture, AQueuedSecondPressRunsWholeInsideThePause) {
  RecordingWindow inner;
  inner.count = "2";
  inner.numbered = false;
  inner.lengthItem = "5";
  window.count = "1";
  window.duringPause = [&] { GenerateCommand(source, clock).run(inner); };
  run();
  ASSERT_EQ(inner.reports.size(), 1U);
  EXPECT_EQ(inner.reports[0].size(), 14U);  // its own two plain lines
  EXPECT_EQ(inner.calls.back(), statusCall(status::kStatusAgain));
  ASSERT_EQ(window.reports.size(), 1U);
  EXPECT_NE(window.reports[0].find("Id1 "), std::string::npos);
  EXPECT_EQ(window.reports[0].find("Id2 "), std::string::npos);
}

TEST_F(CommandFixture, AWindowClosedDuringThePauseIsNotTouchedAgain) {
  window.closedDuringPause = true;
  run();
  EXPECT_THAT(window.calls, ElementsAre(statusCall(status::kStatusGenerating), "pause 10"));
  EXPECT_TRUE(source.bounds().empty());
}

TEST_F(CommandFixture, RunningOutOfMemoryStopsTheRunBeforeSaving) {
  window.lengthItem = "2147483647";
  window.count = "2147483647";
  EXPECT_THROW(run(), OutOfMemory);
  EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "save"), 0);
}

}  // namespace
}  // namespace qinghe
