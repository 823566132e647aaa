#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "generation/password_kinds.h"
#include "generation/password_list_builder.h"

namespace qinghe::cli {

enum class Action { generate, help, version };

struct CliOptions {
  Action action = Action::generate;
  std::int32_t length = 30;
  std::int32_t count = 1000;
  const PasswordKind* kind = nullptr;  // the default kind, 数字+字母, after parsing
  bool plain = false;
  std::optional<std::string> output;     // standard output when empty
  std::optional<TextEncoding> encoding;  // chosen from the output when empty
  bool quiet = false;
};

struct UsageError {
  std::string message;  // UTF-8, one line naming the option and the value
};

// Strict, unlike the window's lenient reading: every value must be a whole number in range or
// a known name, or the whole command line is refused.
std::variant<CliOptions, UsageError> parseCliOptions(std::span<const std::string_view> args);

// The kind named by its Chinese name (UTF-8 or code page 936) or its ASCII name.
const PasswordKind* findKindByName(std::string_view name);

std::string helpText();
std::string versionText();

}  // namespace qinghe::cli
