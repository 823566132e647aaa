#include "generation/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "tests/support/scripted_random_source.h"

namespace qinghe {
namespace {

using testing::ScriptedRandomSource;

struct RangeCase {
  std::int32_t first;
  std::int32_t second;
  std::vector<std::uint32_t> expectedBounds;  // what is asked of the source
  std::int32_t expected;                      // with the scripted draw 3
};

TEST(RandomInRange, KeepsTheBoundRules) {
  const RangeCase cases[] = {
      {1, 10, {10}, 4},
      {10, 1, {10}, 4},  // either order
      {7, 7, {}, 7},     // equal bounds: no draw
      {-5, 3, {4}, 3},   // a negative bound counts as 0
      {-5, -1, {}, 0},   // both negative: 0 without a draw
      {0, std::numeric_limits<std::int32_t>::max(), {2147483647U}, 3},  // span capped
  };
  for (const auto& c : cases) {
    ScriptedRandomSource source({3});
    EXPECT_EQ(source.randomInRange(c.first, c.second), c.expected) << c.first << ".." << c.second;
    EXPECT_EQ(source.bounds(), c.expectedBounds) << c.first << ".." << c.second;
  }
}

TEST(SecureRandomSource, StaysBelowEveryBound) {
  SecureRandomSource source;
  std::vector<std::uint32_t> draws(4096);
  for (const std::uint32_t bound :
       {1U, 2U, 3U, 10U, 62U, 95U, 255U, 256U, 257U, 100001U, 2147483647U, 4294967295U}) {
    source.drawBelow(bound, draws);
    for (const std::uint32_t draw : draws) {
      ASSERT_LT(draw, bound);
    }
  }
}

TEST(SecureRandomSource, ReachesBeyondFifteenBits) {
  SecureRandomSource source;
  std::int32_t highest = 0;
  for (int i = 0; i < 1000; ++i) {
    highest = std::max(highest, source.randomInRange(0, 100000));
  }
  EXPECT_GT(highest, 32767);
  EXPECT_LE(highest, 100000);
}

// The widest kind draws from 95 values. A draw taken as a 15-bit value mod 95 makes the last
// seven values each one draw in 32768 less likely than the rest; across 2^27 draws that is
// about nine standard deviations, while a uniform source stays within four and a half.
double topSevenDeviation(RandomSource& source) {
  constexpr std::uint32_t kBound = 95;
  constexpr std::size_t kDraws = std::size_t{1} << 27U;
  std::vector<std::uint32_t> block(1 << 16);
  std::uint64_t top = 0;
  for (std::size_t done = 0; done < kDraws; done += block.size()) {
    source.drawBelow(kBound, block);
    for (const std::uint32_t draw : block) {
      top += draw >= kBound - 7 ? 1U : 0U;
    }
  }
  const double p = 7.0 / kBound;
  const double sd = std::sqrt(p * (1 - p) * static_cast<double>(kDraws));
  return (static_cast<double>(top) - p * static_cast<double>(kDraws)) / sd;
}

class FifteenBitModuloSource final : public RandomSource {
 public:
  void drawBelow(std::uint32_t bound, std::span<std::uint32_t> out) override {
    for (auto& value : out) {
      value = static_cast<std::uint32_t>(engine_() & 0x7FFFU) % bound;
    }
  }

 private:
  std::mt19937 engine_{12345};
};

TEST(SecureRandomSource, FrequenciesShowNoModuloBias) {
  SecureRandomSource secure;
  EXPECT_LT(std::abs(topSevenDeviation(secure)), 4.5);
  // The same test catches the bias it is meant for.
  FifteenBitModuloSource biased;
  EXPECT_LT(topSevenDeviation(biased), -4.5);
}

TEST(SecureRandomSource, EveryValueOfASmallRangeComesUpEvenly) {
  SecureRandomSource source;
  constexpr std::uint32_t kBound = 62;
  constexpr std::size_t kDraws = std::size_t{62} * 10000;
  std::vector<std::uint32_t> draws(kDraws);
  source.drawBelow(kBound, draws);
  std::array<std::uint32_t, kBound> counts{};
  for (const std::uint32_t draw : draws) {
    ++counts[draw];
  }
  // Chi-squared with 61 degrees of freedom: above 120 happens with odds below one in 10^5.
  double chiSquared = 0;
  for (const std::uint32_t count : counts) {
    const double expected = kDraws / static_cast<double>(kBound);
    chiSquared += (count - expected) * (count - expected) / expected;
  }
  EXPECT_LT(chiSquared, 120.0);
}

}  // namespace
}  // namespace qinghe
