#pragma once

#include <cstdint>
#include <functional>

namespace qinghe {

// Lets the events already queued be handled for at least `milliseconds`, polling the tick
// between drains instead of sleeping. drain() handles every waiting event and never waits.
void pauseWithEvents(std::int32_t milliseconds, const std::function<std::uint32_t()>& tick,
                     const std::function<void()>& drain);

}  // namespace qinghe
