#pragma once

#include <cstddef>
#include <vector>

#include "report/clock.h"

namespace qinghe::testing {

// Gives the scripted readings in order, then keeps giving the last one.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::vector<DateTime> readings) : readings_(std::move(readings)) {}
  DateTime now() override {
    const DateTime reading = readings_.at(next_ < readings_.size() ? next_ : readings_.size() - 1);
    ++next_;
    return reading;
  }
  [[nodiscard]] std::size_t readCount() const { return next_; }

 private:
  std::vector<DateTime> readings_;
  std::size_t next_ = 0;
};

inline DateTime at(int year, int month, int day, int hour, int minute, int second) {
  return dateTimeFromFields({year, month, day, hour, minute, second});
}

}  // namespace qinghe::testing
