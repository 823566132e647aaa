// Windows: the process heap; large blocks are mapped by the system on its own.
#include <cstdlib>

#include "generation/large_buffer.h"

namespace qinghe {

char* allocateLargeBuffer(std::size_t size) noexcept {
  return static_cast<char*>(std::malloc(size == 0 ? 1 : size));
}

void releaseLargeBuffer(char* buffer, std::size_t /*size*/) noexcept {
  std::free(buffer);
}

}  // namespace qinghe
