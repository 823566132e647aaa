#pragma once

#include <cstdint>

#include "report/text_values.h"

namespace qinghe {

// How a run reads the local wall clock; tests hand it a scripted one.
class Clock {
 public:
  Clock() = default;
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;
  virtual ~Clock() = default;

  virtual DateTime now() = 0;
};

class SystemClock final : public Clock {
 public:
  DateTime now() override { return currentDateTime(); }
};

// Milliseconds since some fixed moment, wrapping after 2^32; one small file per platform.
std::uint32_t millisecondTick();

}  // namespace qinghe
