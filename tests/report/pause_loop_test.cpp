#include "report/pause_loop.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace qinghe {
namespace {

// Replays tick readings and counts the drains between them.
struct PauseTrace {
  std::vector<std::uint32_t> ticks;
  std::size_t nextTick = 0;
  int drains = 0;
  std::vector<int> drainsAtEachTick;

  void run(std::int32_t milliseconds) {
    pauseWithEvents(
        milliseconds,
        [this] {
          drainsAtEachTick.push_back(drains);
          return ticks.at(nextTick++);
        },
        [this] { ++drains; });
  }
};

TEST(PauseWithEvents, NothingForZeroOrNegativeMilliseconds) {
  for (const std::int32_t ms : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
    PauseTrace trace;
    trace.run(ms);
    EXPECT_EQ(trace.drains, 0);
    EXPECT_EQ(trace.nextTick, 0U);
  }
}

TEST(PauseWithEvents, DrainsTwiceBetweenPollsUntilPastTheDeadline) {
  PauseTrace trace;
  trace.ticks = {1000, 1004, 1010, 1011};
  trace.run(10);
  // Start, then a poll after two drains and two more drains before each next round.
  EXPECT_EQ(trace.drainsAtEachTick, (std::vector<int>{0, 2, 6, 10}));
  EXPECT_EQ(trace.drains, 10);
  EXPECT_EQ(trace.nextTick, 4U);  // 1011 is the first reading past the deadline 1010
}

TEST(PauseWithEvents, ADeadlineThatWrapsEndsAfterTheFirstTwoDrains) {
  PauseTrace trace;
  trace.ticks = {std::numeric_limits<std::uint32_t>::max() - 5,
                 std::numeric_limits<std::uint32_t>::max() - 4};
  trace.run(10);
  EXPECT_EQ(trace.drains, 2);
}

TEST(PauseWithEvents, ATickThatStepsOverTheWrapStillEndsThePause) {
  PauseTrace trace;
  // The deadline does not wrap, but the coarse tick jumps from before it to after the wrap.
  trace.ticks = {std::numeric_limits<std::uint32_t>::max() - 20,
                 std::numeric_limits<std::uint32_t>::max() - 15, 4};
  trace.run(10);
  EXPECT_EQ(trace.nextTick, 3U);
  EXPECT_EQ(trace.drains, 6);
}

}  // namespace
}  // namespace qinghe
