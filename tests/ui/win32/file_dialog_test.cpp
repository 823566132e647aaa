#include "ui/win32/file_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/ui_texts.h"
#include "ui/win32/count_box.h"
#include "ui/win32/wide_text.h"

namespace qinghe::win32 {
namespace {

using namespace std::string_literals;

TEST(FileTypeList, TurnsBarSeparatedPairsIntoTheDialogsList) {
  struct Case {
    std::wstring filter;
    std::wstring list;
  };
  const Case cases[] = {
      {L"文本文件（*.txt）|*.txt", L"文本文件（*.txt）\0*.txt\0\0"s},
      {L"Text|*.txt|All|*.*  \t", L"Text\0*.txt\0All\0*.*\0\0"s},
      {L"Text|*.txt|orphan", L"Text\0*.txt\0\0"s},
      {L"   ", L""},
      {L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fileTypeList(c.filter), c.list) << testing::PrintToString(c.filter);
  }
}

TEST(FileTypeList, TheStoredFilterOffersOneTypeForTextFiles) {
  EXPECT_EQ(fileTypeList(wideFromGbk(ui_texts::gbk::kSaveFilter)),
            wideFromGbk(ui_texts::gbk::kSaveFilterDescription) + L'\0' +
                wideFromGbk(ui_texts::gbk::kSaveFilterPattern) + L'\0' + L'\0');
}

TEST(CountBox, TakesDigitsMinusAndControlKeysButNoOtherTypedCharacter) {
  for (const wchar_t c : L"0123456789-\b\x16\x03\x18\x01\x7F"s) {
    EXPECT_TRUE(countBoxTakesTypedCharacter(c)) << static_cast<int>(c);
  }
  for (const wchar_t c : L"a+. Z０－,e"s) {
    EXPECT_FALSE(countBoxTakesTypedCharacter(c)) << static_cast<int>(c);
  }
}

}  // namespace
}  // namespace qinghe::win32
