#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generation/password_list_builder.h"

namespace qinghe::cli {

// Bytes written so far, of total.
using ByteProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

struct WriteFailure {
  std::string path;
  std::string reason;  // the system's own words
};

// One small file per platform provides these.
// The arguments after the program name, in UTF-8 (on Windows read from the wide command line,
// so that names the ANSI code page cannot spell survive).
std::vector<std::string> commandLineArguments(int argc, char** argv);
void prepareConsole();
bool isStandardOutputTerminal();
bool isStandardErrorTerminal();
TextEncoding terminalEncoding();
// Writes to standard error at once, unbuffered.
void writeStandardError(std::string_view text);

// Writes bytes to a temporary file beside path and renames it over path only when every byte is
// written and flushed to disk; readable by the owner only. On failure the temporary file is
// gone and an existing file at path is exactly as it was.
std::optional<WriteFailure> writeFileAtomically(const std::string& path, std::string_view bytes,
                                                const ByteProgress& progress);

// Writes bytes to standard output; the system's reason on failure.
std::optional<std::string> writeStandardOutput(std::string_view bytes,
                                               const ByteProgress& progress);

}  // namespace qinghe::cli
