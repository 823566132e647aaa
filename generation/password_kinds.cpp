#include "generation/password_kinds.h"

#include <array>

#include "generation/password_texts.h"

namespace qinghe {

namespace {

namespace gbk = password_texts::gbk;
namespace utf8 = password_texts::utf8;

constexpr std::array<PasswordKind, 7> kKinds{{
    {gbk::kKindDigits, utf8::kKindDigits, "digits", kFullAlphabet, 1, 10},
    {gbk::kKindLetters, utf8::kKindLetters, "letters", kFullAlphabet, 11, 62},
    {gbk::kKindSymbols, utf8::kKindSymbols, "symbols", kFullAlphabet, 63, 95},
    {gbk::kKindDigitsLetters, utf8::kKindDigitsLetters, "digits+letters", kFullAlphabet, 1, 62},
    {gbk::kKindDigitsLettersSymbols, utf8::kKindDigitsLettersSymbols, "digits+letters+symbols",
     kFullAlphabet, 1, 95},
    {gbk::kKindDigitsSymbols, utf8::kKindDigitsSymbols, "digits+symbols", kDigitSymbolAlphabet, 1,
     43},
    {gbk::kKindLettersSymbols, utf8::kKindLettersSymbols, "letters+symbols", kFullAlphabet, 11, 95},
}};

static_assert(kFullAlphabet.size() == 95);
static_assert(kDigitSymbolAlphabet.size() == 43);

}  // namespace

std::span<const PasswordKind> passwordKinds() {
  return kKinds;
}

const PasswordKind* findPasswordKind(std::string_view kindText) {
  for (const auto& kind : kKinds) {
    if (kind.kindText == kindText) {
      return &kind;
    }
  }
  return nullptr;
}

}  // namespace qinghe
