// Windows: the local wall clock and the system's millisecond tick.
#include <windows.h>

#include "report/clock.h"
#include "report/text_values.h"

namespace qinghe {

LocalTimeFields readLocalClock() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::uint32_t millisecondTick() {
  return GetTickCount();
}

}  // namespace qinghe
