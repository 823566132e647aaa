// Linux: large buffers are mapped directly and asked for transparent huge pages, so that
// touching a gigabyte costs a few thousand page faults instead of a quarter of a million.
#include <sys/mman.h>

#include <cstdlib>

#include "generation/large_buffer.h"

namespace qinghe {

namespace {
constexpr std::size_t kMappedFrom = std::size_t{4} << 20U;
}

char* allocateLargeBuffer(std::size_t size) noexcept {
  if (size < kMappedFrom) {
    return static_cast<char*>(std::malloc(size == 0 ? 1 : size));
  }
  void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) {
    return nullptr;
  }
  // Only advice: without huge pages the buffer works the same.
  (void)::madvise(mapped, size, MADV_HUGEPAGE);
  return static_cast<char*>(mapped);
}

void releaseLargeBuffer(char* buffer, std::size_t size) noexcept {
  if (buffer == nullptr) {
    return;
  }
  if (size < kMappedFrom) {
    std::free(buffer);
  } else {
    ::munmap(buffer, size);
  }
}

}  // namespace qinghe
