#pragma once

#include <span>
#include <string_view>

namespace qinghe::cli {

// Exit codes of the command-line tool.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitOutOfMemory = 255;  // -1, as the desktop program ends

// The whole tool: parses the arguments (without the program name), generates, writes.
int runCli(std::span<const std::string_view> args);

}  // namespace qinghe::cli
