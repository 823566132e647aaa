#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace qinghe {

// Gives a large buffer back to where it came from.
struct LargeBufferRelease {
  std::size_t capacity = 0;
  void operator()(char* buffer) const noexcept;
};

// The bytes of a password list, and later of the whole report, in one allocation. Room can be
// kept in front of the text so that a header is put before a long list without copying it.
class ReportText {
 public:
  ReportText() = default;

  // The storage is not cleared: the caller writes every byte of the text.
  // Throws OutOfMemory when frontRoom + size bytes cannot be had.
  static ReportText allocate(std::uint64_t frontRoom, std::uint64_t size);

  [[nodiscard]] std::string_view bytes() const noexcept { return {storage_.get() + begin_, size_}; }
  [[nodiscard]] char* data() noexcept { return storage_.get() + begin_; }
  [[nodiscard]] std::size_t size() const noexcept { return size_; }
  [[nodiscard]] bool empty() const noexcept { return size_ == 0; }
  [[nodiscard]] std::size_t frontRoom() const noexcept { return begin_; }

  // Puts head right before the text. Needs head.size() <= frontRoom(); the caller checks.
  void prepend(std::string_view head) noexcept;

 private:
  std::unique_ptr<char, LargeBufferRelease> storage_;
  std::size_t begin_ = 0;
  std::size_t size_ = 0;
};

}  // namespace qinghe
