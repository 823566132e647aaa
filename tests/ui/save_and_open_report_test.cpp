#include "ui/save_and_open_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "tests/support/fixed_clock.h"

namespace qinghe {
namespace {

using ::testing::ElementsAre;

// The user's answers to the dialog and the outcome of each write, scripted.
class ScriptedSavePort final : public ReportSavePort {
 public:
  std::deque<bool> dialogAnswers;
  std::deque<bool> writeOutcomes;
  std::vector<std::string> calls;
  std::vector<std::string> written;

  bool showSaveDialog(const GbkText& proposedName) override {
    calls.push_back("dialog " + std::string(proposedName.bytes()));
    const bool answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
  }
  bool writeChosenFile(std::string_view report) override {
    calls.emplace_back("write");
    written.emplace_back(report);
    const bool outcome = writeOutcomes.front();
    writeOutcomes.pop_front();
    return outcome;
  }
  void showWriteFailure() override { calls.emplace_back("failure"); }
  void openChosenFile() override { calls.emplace_back("open"); }
};

// "key2010年7月28日5时29分26秒" in code page 936.
const std::string kProposal =
    "dialog key2010\xC4\xEA"
    "7\xD4\xC2"
    "28\xC8\xD5"
    "5\xCA\xB1"
    "29\xB7\xD6"
    "26\xC3\xEB";

struct SaveFixture : ::testing::Test {
  testing::FixedClock clock{{testing::at(2010, 7, 28, 5, 29, 26)}};
  ScriptedSavePort port;
};

TEST_F(SaveFixture, AConfirmedSaveWritesTheReportThenOpensIt) {
  port.dialogAnswers = {true};
  port.writeOutcomes = {true};
  saveAndOpenReport("report\r\nbytes", clock, port);
  EXPECT_THAT(port.calls, ElementsAre(kProposal, "write", "open"));
  EXPECT_THAT(port.written, ElementsAre("report\r\nbytes"));
}

TEST_F(SaveFixture, ACancelWritesAndOpensNothing) {
  port.dialogAnswers = {false};
  saveAndOpenReport("report", clock, port);
  EXPECT_THAT(port.calls, ElementsAre(kProposal));
}

TEST_F(SaveFixture, AFailedWriteIsReportedAndTheDialogOfferedAgain) {
  port.dialogAnswers = {true, true};
  port.writeOutcomes = {false, true};
  saveAndOpenReport("", clock, port);  // an empty report is still saved
  EXPECT_THAT(port.calls, ElementsAre(kProposal, "write", "failure", kProposal, "write", "open"));
  EXPECT_THAT(port.written, ElementsAre("", ""));
}

TEST_F(SaveFixture, GivingUpAfterAFailureOpensNothing) {
  port.dialogAnswers = {true, false};
  port.writeOutcomes = {false};
  saveAndOpenReport("report", clock, port);
  EXPECT_THAT(port.calls, ElementsAre(kProposal, "write", "failure", kProposal));
}

}  // namespace
}  // namespace qinghe
