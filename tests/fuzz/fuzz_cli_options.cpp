// Any command line: parsing gives options or one message, never a crash.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>
#include <vector>

#include "app/cli/cli_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Arguments are separated by NUL bytes, as in argv.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> args;
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = std::min(input.find('\0', start), input.size());
    args.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  const auto parsed = qinghe::cli::parseCliOptions(args);
  if (const auto* options = std::get_if<qinghe::cli::CliOptions>(&parsed)) {
    if (options->length < 0 || options->count < 0 || options->kind == nullptr) {
      std::abort();
    }
  } else if (std::get<qinghe::cli::UsageError>(parsed).message.empty()) {
    std::abort();
  }
  return 0;
}
