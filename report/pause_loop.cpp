#include "report/pause_loop.h"

namespace qinghe {

void pauseWithEvents(std::int32_t milliseconds, const std::function<std::uint32_t()>& tick,
                     const std::function<void()>& drain) {
  if (milliseconds <= 0) {
    return;
  }
  const std::uint32_t start = tick();
  const auto length = static_cast<std::uint32_t>(milliseconds);
  // The deadline wraps with the tick; a start close to the wrap therefore ends the pause at once.
  const std::uint32_t deadline = start + length;
  for (;;) {
    drain();
    drain();
    const std::uint32_t now = tick();
    // The elapsed test ends the pause when the tick steps over the wrap past an unwrapped
    // deadline; the deadline test alone would then wait until the tick came round again.
    if (now > deadline || now - start > length) {
      return;
    }
    drain();
    drain();
  }
}

}  // namespace qinghe
