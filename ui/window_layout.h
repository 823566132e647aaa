#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "generation/gbk_text.h"

namespace qinghe {

// The controls of the main window, named as the window code names them.
enum class ControlId {
  标签1,
  标签2,
  标签3,
  组合框1,
  编辑框1,
  组合框2,
  单选框1,
  单选框2,
  按钮1,
  按钮2,
  按钮3,
  标签4
};

enum class ControlKind { label, statusLabel, dropDownList, countBox, radioButton, pushButton };

struct Rect {
  int left;
  int top;
  int width;
  int height;
};

struct ControlSpec {
  ControlId id;
  std::string_view name;  // UTF-8, for finding a control in tests and tools
  ControlKind kind;
  Rect rect;              // within the window's client area, at 96 DPI
  std::string_view text;  // code page 936; empty for the lists and the status line
  bool takesFocus;
};

struct WindowSpec {
  std::string_view title;  // code page 936
  int outerWidth;          // frame and title bar included
  int outerHeight;
};

// The main window's controls in creation order, which is also the Tab order.
std::span<const ControlSpec> mainWindowControls();
const ControlSpec& controlSpec(ControlId id);

WindowSpec mainWindowSpec();
WindowSpec aboutWindowSpec();
inline constexpr Rect kAboutTextRect{0, 0, 360, 216};
// The about window's text box: its whole text, every line ending in CR LF.
std::string_view aboutText();

// The length list: "5" to "100", then one empty item.
std::span<const std::string_view> lengthItems();
// The kind list, in the order the user sees it.
std::span<const std::string_view> kindItems();
inline constexpr int kDefaultLengthIndex = 25;  // "30"
inline constexpr int kDefaultKindIndex = 3;     // "数字+字母"
// The item text at index, or the empty text when index is outside the list.
GbkText itemText(std::span<const std::string_view> items, int index);

// The count box: at most this many characters; typed characters other than digits and '-'
// are ignored (pasted text is not filtered).
inline constexpr int kCountMaxCharacters = 7;
std::string_view defaultCountText();
constexpr bool isTypeableCountCharacter(char32_t c) {
  return (c >= U'0' && c <= U'9') || c == U'-';
}

// The status line draws its text in this red, over a white copy one pixel right and down.
inline constexpr std::uint32_t kStatusTextRgb = 0xFF0000;
// How much taller than the default each drop-down list item is, and the dropped height.
inline constexpr int kListItemExtraHeight = 1;
inline constexpr int kDroppedListHeight = 160;

}  // namespace qinghe
