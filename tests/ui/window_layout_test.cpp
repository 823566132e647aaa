#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "generation/password_kinds.h"
#include "report/text_values.h"
#include "ui/ui_texts.h"

namespace qinghe {
namespace {

TEST(WindowLayout, LengthListHoldsFiveToHundredThenTheEmptyItem) {
  const auto items = lengthItems();
  ASSERT_EQ(items.size(), 97U);
  for (int n = 5; n <= 100; ++n) {
    EXPECT_EQ(items[static_cast<std::size_t>(n - 5)], std::to_string(n));
  }
  EXPECT_EQ(items[96], "");
  EXPECT_EQ(realToInt(textToNumber(itemText(items, kDefaultLengthIndex))), 30);
  EXPECT_EQ(realToInt(textToNumber(itemText(items, 96))), 0);
}

TEST(WindowLayout, KindListNamesExactlyTheSevenKinds) {
  const auto items = kindItems();
  ASSERT_EQ(items.size(), 7U);
  std::set<std::string_view> names;
  for (const auto& item : items) {
    EXPECT_NE(findPasswordKind(item), nullptr) << item;
    names.insert(item);
  }
  EXPECT_EQ(names.size(), 7U);
  EXPECT_EQ(findPasswordKind(items[kDefaultKindIndex])->asciiName, "digits+letters");
  EXPECT_EQ(findPasswordKind(items[4])->asciiName, "digits+symbols");
  EXPECT_EQ(findPasswordKind(items[6])->asciiName, "digits+letters+symbols");
}

TEST(WindowLayout, ItemTextOutsideTheListIsEmpty) {
  EXPECT_TRUE(itemText(kindItems(), -1).empty());
  EXPECT_TRUE(itemText(kindItems(), 7).empty());
  EXPECT_EQ(itemText(kindItems(), 0).bytes(), kindItems()[0]);
}

TEST(WindowLayout, ControlsAreInTableOrderInsideTheClientArea) {
  const auto controls = mainWindowControls();
  ASSERT_EQ(controls.size(), 12U);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(controls[i].id), i);
    EXPECT_EQ(&controlSpec(controls[i].id), &controls[i]);
    // The client area of a 257 x 178 window with a thin frame and a title bar.
    EXPECT_LE(controls[i].rect.left + controls[i].rect.width, 251) << controls[i].name;
    EXPECT_LE(controls[i].rect.top + controls[i].rect.height, 150) << controls[i].name;
    EXPECT_EQ(controls[i].takesFocus, controls[i].kind != ControlKind::label &&
                                          controls[i].kind != ControlKind::statusLabel);
  }
  EXPECT_EQ(controlSpec(ControlId::编辑框1).text, defaultCountText());
  EXPECT_EQ(controlSpec(ControlId::标签4).rect.width, 216);
}

TEST(WindowLayout, CountBoxTakesDigitsAndMinusOnly) {
  for (const char32_t c : std::u32string(U"0123456789-")) {
    EXPECT_TRUE(isTypeableCountCharacter(c));
  }
  for (const char32_t c : std::u32string(U"a+. \t０－e")) {
    EXPECT_FALSE(isTypeableCountCharacter(c));
  }
}

TEST(AboutText, SeventeenLinesEachEndingInCrLf) {
  const std::string_view text = aboutText();
  std::vector<std::string_view> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    ASSERT_NE(end, std::string_view::npos) << "a line without CR LF";
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  ASSERT_EQ(lines.size(), 17U);
  EXPECT_TRUE(lines[0].starts_with("    ") && lines[0][4] != ' ');
  for (std::size_t i = 1; i < 16; i += 2) {
    EXPECT_TRUE(lines[i].empty()) << i;
  }
  EXPECT_TRUE(lines[12].find(" \xA1\xA3") != std::string_view::npos);  // " 。"
  EXPECT_TRUE(lines[16].starts_with("         ") && lines[16][9] != ' ');
  // Same text in code page 936 and in UTF-8.
  EXPECT_EQ(ui_texts::utf8::kAboutText.substr(0, 4), "    ");
  EXPECT_TRUE(ui_texts::utf8::kAboutText.ends_with("\r\n"));
}

}  // namespace
}  // namespace qinghe
