// Code page 936 and Unicode at the window's edge, by Qt and by iconv alike.
#include <gtest/gtest.h>

#include "report/report_texts.h"
#include "ui/qt/gbk_conversion.h"
#include "ui/ui_texts.h"

namespace qinghe::test {
namespace {

struct Pair {
  std::string_view gbk;
  std::string_view utf8;
};

const std::vector<Pair>& pairs() {
  static const std::vector<Pair> table{
      {"", ""},
      {"1000", "1000"},
      {ui_texts::gbk::kMainTitle, ui_texts::utf8::kMainTitle},
      {ui_texts::gbk::kAboutText, ui_texts::utf8::kAboutText},
      {ui_texts::gbk::kSaveFilterDescription, ui_texts::utf8::kSaveFilterDescription},
      {report_texts::gbk::kStatusGenerating, report_texts::utf8::kStatusGenerating},
      {report_texts::gbk::kHeaderNote, report_texts::utf8::kHeaderNote},
      {"\xA3\xB1\xA3\xB0", "１０"},
  };
  return table;
}

QString fromUtf8(std::string_view bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

TEST(GbkConversion, BothRoutesReadAndWriteTheProgramTexts) {
  for (const Pair& pair : pairs()) {
    const QString unicode = fromUtf8(pair.utf8);
    EXPECT_EQ(fromGbk(pair.gbk), unicode) << pair.utf8;
    EXPECT_EQ(fromGbkWithIconv(pair.gbk), unicode) << pair.utf8;
    EXPECT_EQ(toGbk(unicode), GbkText(pair.gbk)) << pair.utf8;
    EXPECT_EQ(toGbkWithIconv(unicode), GbkText(pair.gbk)) << pair.utf8;
  }
}

TEST(GbkConversion, CharactersOutsideTheCodePageBecomeAQuestionMark) {
  // U+0E01 (Thai) has no code page 936 form.
  const QString typed = QStringLiteral("1\u0E012");
  EXPECT_EQ(toGbk(typed), GbkText("1?2"));
  EXPECT_EQ(toGbkWithIconv(typed), GbkText("1?2"));
}

}  // namespace
}  // namespace qinghe::test
