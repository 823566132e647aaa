#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace qinghe {

// A text in code page 936. It holds bytes, not characters: lengths and positions count bytes,
// and a double-byte character is two of them. Kept apart from std::string so that a UTF-8
// string cannot be passed where the program's own texts are expected.
class GbkText {
 public:
  GbkText() = default;
  explicit GbkText(std::string_view bytes) : bytes_(bytes) {}
  explicit GbkText(std::string&& bytes) noexcept : bytes_(std::move(bytes)) {}
  explicit GbkText(const char* bytes) : bytes_(bytes) {}

  [[nodiscard]] std::string_view bytes() const noexcept { return bytes_; }
  [[nodiscard]] std::size_t size() const noexcept { return bytes_.size(); }
  [[nodiscard]] bool empty() const noexcept { return bytes_.empty(); }

  GbkText& operator+=(std::string_view more) {
    bytes_ += more;
    return *this;
  }
  GbkText& operator+=(const GbkText& more) { return *this += more.bytes(); }

  friend bool operator==(const GbkText&, const GbkText&) = default;

 private:
  std::string bytes_;
};

inline GbkText operator+(GbkText left, std::string_view right) {
  return left += right;
}
inline GbkText operator+(GbkText left, const GbkText& right) {
  return left += right;
}

}  // namespace qinghe
