#include "ui/window_layout.h"

#include <array>
#include <string>

#include "generation/password_texts.h"
#include "ui/ui_texts.h"

namespace qinghe {

namespace {

namespace t = ui_texts::gbk;
using K = ControlKind;

constexpr std::array<ControlSpec, 12> kControls{{
    {ControlId::标签1, "标签1", K::label, {16, 8, 56, 16}, t::kLabelLength, false},
    {ControlId::标签2, "标签2", K::label, {16, 32, 56, 16}, t::kLabelCount, false},
    {ControlId::标签3, "标签3", K::label, {16, 56, 56, 16}, t::kLabelKind, false},
    {ControlId::组合框1, "组合框1", K::dropDownList, {104, 4, 136, 16}, "", true},
    {ControlId::编辑框1, "编辑框1", K::countBox, {104, 32, 136, 16}, t::kDefaultCount, true},
    {ControlId::组合框2, "组合框2", K::dropDownList, {104, 56, 136, 16}, "", true},
    {ControlId::单选框1, "单选框1", K::radioButton, {16, 80, 56, 16}, t::kRadioPlain, true},
    {ControlId::单选框2, "单选框2", K::radioButton, {104, 80, 80, 16}, t::kRadioNumbered, true},
    {ControlId::按钮1, "按钮1", K::pushButton, {16, 96, 56, 24}, t::kButtonGenerate, true},
    {ControlId::按钮2, "按钮2", K::pushButton, {96, 96, 56, 24}, t::kButtonEnd, true},
    {ControlId::按钮3, "按钮3", K::pushButton, {176, 96, 56, 24}, t::kButtonAbout, true},
    {ControlId::标签4, "标签4", K::statusLabel, {16, 120, 216, 24}, "", false},
}};

// "5" to "100", then the empty item that gives length 0.
constexpr std::array<std::string_view, 97> kLengthItems = [] {
  std::array<std::string_view, 97> items{};
  constexpr std::string_view kNumbers =
      "5678910111213141516171819202122232425262728293031323334353637383940414243444546474849"
      "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293"
      "949596979899100";
  std::size_t at = 0;
  for (int n = 5; n <= 100; ++n) {
    const std::size_t width = n < 10 ? 1 : n < 100 ? 2 : 3;
    items[static_cast<std::size_t>(n - 5)] = kNumbers.substr(at, width);
    at += width;
  }
  items[96] = "";
  return items;
}();

namespace kinds = password_texts::gbk;
constexpr std::array<std::string_view, 7> kKindItems{kinds::kKindDigits,
                                                     kinds::kKindLetters,
                                                     kinds::kKindSymbols,
                                                     kinds::kKindDigitsLetters,
                                                     kinds::kKindDigitsSymbols,
                                                     kinds::kKindLettersSymbols,
                                                     kinds::kKindDigitsLettersSymbols};

}  // namespace

std::span<const ControlSpec> mainWindowControls() {
  return kControls;
}

const ControlSpec& controlSpec(ControlId id) {
  return kControls.at(static_cast<std::size_t>(id));
}

WindowSpec mainWindowSpec() {
  return {t::kMainTitle, 257, 178};
}

WindowSpec aboutWindowSpec() {
  return {t::kAboutTitle, 368, 249};
}

std::string_view aboutText() {
  return t::kAboutText;
}

std::span<const std::string_view> lengthItems() {
  return kLengthItems;
}

std::span<const std::string_view> kindItems() {
  return kKindItems;
}

GbkText itemText(std::span<const std::string_view> items, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
    return {};
  }
  return GbkText(items[static_cast<std::size_t>(index)]);
}

std::string_view defaultCountText() {
  return t::kDefaultCount;
}

}  // namespace qinghe
