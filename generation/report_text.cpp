#include "generation/report_text.h"

#include <cstring>
#include <limits>
#include <new>

#include "generation/out_of_memory.h"

namespace qinghe {

ReportText ReportText::allocate(std::uint64_t frontRoom, std::uint64_t size) {
  const std::uint64_t total = frontRoom + size;
  if (total < size || total > std::numeric_limits<std::size_t>::max() / 2) {
    throw OutOfMemory(total < size ? std::numeric_limits<std::uint64_t>::max() : total);
  }
  ReportText text;
  if (total > 0) {
    // Not value-initialised: clearing gigabytes that are about to be written costs a second.
    text.storage_.reset(new (std::nothrow) char[static_cast<std::size_t>(total)]);
    if (!text.storage_) {
      throw OutOfMemory(total);
    }
  }
  text.begin_ = static_cast<std::size_t>(frontRoom);
  text.size_ = static_cast<std::size_t>(size);
  return text;
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
