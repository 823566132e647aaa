#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qinghe {

// All 95 characters: digits, letters (each capital before its small letter), then the symbols,
// with the ampersand behind the tilde and the space last.
inline constexpr std::string_view kFullAlphabet =
    "0123456789"
    "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz"
    "!\"#$%'()*+,-./:;<=>?@[\\]^_`{|}~& ";
// The digits followed by the same symbols.
inline constexpr std::string_view kDigitSymbolAlphabet =
    "0123456789"
    "!\"#$%'()*+,-./:;<=>?@[\\]^_`{|}~& ";

struct PasswordKind {
  std::string_view kindText;   // code page 936, as in the kind list
  std::string_view utf8Text;   // the same name in UTF-8
  std::string_view asciiName;  // for the command line
  std::string_view alphabet;
  std::int32_t firstPosition;  // closed range of alphabet positions, counted from 1
  std::int32_t lastPosition;

  [[nodiscard]] std::string_view characters() const {
    return alphabet.substr(static_cast<std::size_t>(firstPosition - 1),
                           static_cast<std::size_t>(lastPosition - firstPosition + 1));
  }
};

// The seven kinds, in the order in which a kind text is matched.
std::span<const PasswordKind> passwordKinds();

// The kind whose kindText equals the given bytes exactly, or nullptr.
const PasswordKind* findPasswordKind(std::string_view kindText);

}  // namespace qinghe
