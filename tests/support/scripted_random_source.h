#pragma once

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "generation/random_source.h"

namespace qinghe::testing {

// Hands out scripted draws in order and records the bound of every draw, so a test sees
// exactly what was asked of the source.
class ScriptedRandomSource final : public RandomSource {
 public:
  explicit ScriptedRandomSource(std::vector<std::uint32_t> draws = {}) : draws_(std::move(draws)) {}

  void drawBelow(std::uint32_t bound, std::span<std::uint32_t> out) override {
    for (auto& value : out) {
      bounds_.push_back(bound);
      // Past the script the draws repeat it, so long lists can still be built.
      value = draws_.empty() ? 0U : draws_[next_++ % draws_.size()] % bound;
    }
  }

  [[nodiscard]] const std::vector<std::uint32_t>& bounds() const { return bounds_; }

 private:
  std::vector<std::uint32_t> draws_;
  std::size_t next_ = 0;
  std::vector<std::uint32_t> bounds_;
};

}  // namespace qinghe::testing
