#pragma once

#include <cstddef>

namespace qinghe {

// Storage for a list or a report, which may be gigabytes. The platform's file may back a large
// buffer with huge pages, which makes filling it several times cheaper. Neither clears memory.
// Gives nullptr when the bytes cannot be had.
char* allocateLargeBuffer(std::size_t size) noexcept;
void releaseLargeBuffer(char* buffer, std::size_t size) noexcept;

}  // namespace qinghe
