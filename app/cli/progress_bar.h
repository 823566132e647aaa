#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace qinghe::cli {

// A one-line bar on standard error, shown only once a run has taken half a second, so that
// small batches print nothing.
class ProgressBar {
 public:
  explicit ProgressBar(bool enabled);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // phase: a short label such as "生成"; done of total units.
  void update(std::string_view phase, std::uint64_t done, std::uint64_t total);
  // Clears the line, if one was drawn.
  void finish();

  // The text of one bar, without the carriage return: "生成 [#####.....]  50%".
  static std::string render(std::string_view phase, std::uint64_t done, std::uint64_t total);

 private:
  bool enabled_;
  bool drawn_ = false;
  int lastPercent_ = -1;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace qinghe::cli
