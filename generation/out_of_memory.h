#pragma once

#include <cstdint>
#include <new>

namespace qinghe {

// Thrown when a list or a report cannot get its bytes. It is fatal for the program; the front
// end tells the user how many bytes were asked for and ends.
class OutOfMemory : public std::bad_alloc {
 public:
  explicit OutOfMemory(std::uint64_t bytes) noexcept : bytes_(bytes) {}
  [[nodiscard]] std::uint64_t bytes() const noexcept { return bytes_; }
  [[nodiscard]] const char* what() const noexcept override { return "out of memory"; }

 private:
  std::uint64_t bytes_;
};

}  // namespace qinghe
