#include "generation/report_text.h"

#include <cstring>
#include <limits>

#include "generation/large_buffer.h"
#include "generation/out_of_memory.h"

namespace qinghe {

ReportText ReportText::allocate(std::uint64_t frontRoom, std::uint64_t size) {
  const std::uint64_t total = frontRoom + size;
  if (total < size || total > std::numeric_limits<std::size_t>::max() / 2) {
    throw OutOfMemory(total < size ? std::numeric_limits<std::uint64_t>::max() : total);
  }
  ReportText text;
  if (total > 0) {
    const auto capacity = static_cast<std::size_t>(total);
    char* buffer = allocateLargeBuffer(capacity);
    if (buffer == nullptr) {
      throw OutOfMemory(total);
    }
    text.storage_ = std::unique_ptr<char, LargeBufferRelease>(buffer, LargeBufferRelease{capacity});
  }
  text.begin_ = static_cast<std::size_t>(frontRoom);
  text.size_ = static_cast<std::size_t>(size);
  return text;
}

void LargeBufferRelease::operator()(char* buffer) const noexcept {
  releaseLargeBuffer(buffer, capacity);
}

void ReportText::prepend(std::string_view head) noexcept {
  if (head.empty()) {
    return;
  }
  begin_ -= head.size();
  size_ += head.size();
  std::memcpy(storage_.get() + begin_, head.data(), head.size());
}

}  // namespace qinghe
