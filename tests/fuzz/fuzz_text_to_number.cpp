// Any bytes a user can type or paste: the reading never fails, never reads past the text, and
// agrees with itself on the full-width forms it folds.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "report/text_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qinghe;
  const GbkText text(std::string_view(reinterpret_cast<const char*>(data), size));
  const double value = textToNumber(text);
  const std::int32_t whole = realToInt(value);
  // Folding is idempotent on what it reads: the folded text reads as the same number.
  const double again = textToNumber(foldFullWidth(text));
  if (!(again == value || (std::isnan(again) && std::isnan(value)))) {
    std::abort();
  }
  if (std::isfinite(value) && std::fabs(value) < 2147483647.0 &&
      whole != static_cast<std::int32_t>(value)) {
    std::abort();
  }
  (void)realToText(value);
  return 0;
}
