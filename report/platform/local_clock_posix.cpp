// Linux: the local wall clock and a monotonic millisecond tick.
#include <algorithm>
#include <ctime>

#include "report/clock.h"
#include "report/text_values.h"

namespace qinghe {

LocalTimeFields readLocalClock() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     std::min(local.tm_sec, 59)};
}

std::uint32_t millisecondTick() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000U +
                  static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000U;
  return static_cast<std::uint32_t>(ms);
}

}  // namespace qinghe
