#include "app/cli/progress_bar.h"

#include "app/cli/cli_platform.h"

namespace qinghe::cli {

namespace {
constexpr int kBarWidth = 30;
constexpr auto kQuietTime = std::chrono::milliseconds(500);
}  // namespace

ProgressBar::ProgressBar(bool enabled)
    : enabled_(enabled), start_(std::chrono::steady_clock::now()) {}

ProgressBar::~ProgressBar() {
  finish();
}

std::string ProgressBar::render(std::string_view phase, std::uint64_t done, std::uint64_t total) {
  const std::uint64_t shownDone = done > total ? total : done;
  const auto percent = static_cast<int>(total == 0 ? 100 : shownDone * 100 / total);
  const int filled = percent * kBarWidth / 100;
  std::string line(phase);
  line += " [";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kBarWidth - filled), '.');
  line += "] ";
  const std::string number = std::to_string(percent);
  line.append(3 - number.size(), ' ');
  line += number;
  line += '%';
  return line;
}

void ProgressBar::update(std::string_view phase, std::uint64_t done, std::uint64_t total) {
  if (!enabled_) {
    return;
  }
  if (!drawn_ && std::chrono::steady_clock::now() - start_ < kQuietTime) {
    return;
  }
  const auto percent = static_cast<int>(total == 0 ? 100 : done * 100 / total);
  if (drawn_ && percent == lastPercent_) {
    return;
  }
  lastPercent_ = percent;
  drawn_ = true;
  std::string line(1, '\r');
  line += render(phase, done, total);
  writeStandardError(line);
}

void ProgressBar::finish() {
  if (drawn_) {
    std::string blank(kBarWidth + 16, ' ');
    blank.front() = '\r';
    blank.back() = '\r';
    writeStandardError(blank);
    drawn_ = false;
  }
}

}  // namespace qinghe::cli
