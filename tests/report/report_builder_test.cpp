#include "report/report_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "report/report_texts.h"
#include "tests/support/fixed_clock.h"

namespace qinghe {
namespace {

using testing::at;

ReportText textWithRoom(std::string_view bytes, std::uint64_t room) {
  ReportText text = ReportText::allocate(room, bytes.size());
  if (!bytes.empty()) {
    std::memcpy(text.data(), bytes.data(), bytes.size());
  }
  return text;
}

constexpr std::string_view kContactAndNote =
    "QQ：00000000  邮箱：keygen@example.com"
    "\r\n\r\n－－－两个大黑点●之间的字符即为密码－－－\r\n\r\n";

TEST(ReportBuilder, NumberedHeaderReadsAsTheExampleRun) {
  const ReportBuilder builder(TextEncoding::utf8);
  const std::string header =
      builder.buildHeader(at(2010, 7, 28, 5, 29, 26), at(2010, 7, 28, 5, 29, 27), 10);
  EXPECT_EQ(header, std::string("\r\n起始时间：2010年7月28日5时29分26秒  结束时间：2010年7月28日"
                                "5时29分27秒\r\n\r\n青禾随机密码生成器Ver1.0 共生成10个密码,"
                                "耗时：1秒。") +
                        std::string(kContactAndNote));
}

TEST(ReportBuilder, HeaderPiecesHaveTheirCodePageBytes) {
  namespace t = report_texts::gbk;
  EXPECT_EQ(t::kHeaderStart.size(), 12U);
  EXPECT_EQ(t::kHeaderEnd.size(), 12U);
  EXPECT_EQ(t::kHeaderTitle.size(), 35U);
  EXPECT_EQ(t::kHeaderCount.size(), 13U);
  EXPECT_EQ(t::kHeaderSeconds, "\xC3\xEB\xA1\xA3");  // "秒。"
  EXPECT_EQ(t::kHeaderNote.size(), 50U);
  EXPECT_TRUE(t::kHeaderStart.ends_with("\xA3\xBA"));  // full-width colon
  EXPECT_TRUE(t::kHeaderEnd.starts_with("  "));
  EXPECT_TRUE(t::kHeaderTitle.ends_with("Ver1.0 \xB9\xB2\xC9\xFA\xB3\xC9"));  // " 共生成"
  EXPECT_TRUE(t::kHeaderCount.starts_with("\xB8\xF6\xC3\xDC\xC2\xEB,"));      // "个密码,"
  // "－－－两个大黑点●…": three full-width hyphens each side, the black circle inside.
  EXPECT_TRUE(t::kHeaderNote.starts_with("\r\n\r\n\xA3\xAD\xA3\xAD\xA3\xAD"));
  EXPECT_TRUE(t::kHeaderNote.ends_with("\xA3\xAD\xA3\xAD\xA3\xAD\r\n\r\n"));
  EXPECT_NE(t::kHeaderNote.find("\xA1\xF1"), std::string_view::npos);
  EXPECT_EQ(t::kHeaderContact.find_first_of("\r\n"), std::string_view::npos);
  EXPECT_EQ(t::kStatusGenerating.substr(t::kStatusGenerating.size() - 4), "\xA1\xAD\xA1\xAD");
}

TEST(ReportBuilder, PlainReportIsTheListItself) {
  const ReportBuilder builder;
  for (const std::string_view list : {std::string_view(""), std::string_view("abc\r\n")}) {
    ReportText text = textWithRoom(list, 0);
    const char* bytes = text.bytes().data();
    const ReportText report = builder.buildReport(std::move(text), false, at(2010, 7, 28, 5, 0, 0),
                                                  at(2010, 7, 28, 5, 0, 1), 3);
    EXPECT_EQ(report.bytes(), list);
    EXPECT_EQ(report.bytes().data(), bytes);  // not copied
  }
}

TEST(ReportBuilder, NumberedReportPutsTheHeaderInFrontWithoutCopyingTheList) {
  const ReportBuilder builder;
  const DateTime start = at(2010, 7, 28, 5, 59, 58);
  const DateTime end = at(2010, 7, 28, 6, 0, 0);
  const std::string header = builder.buildHeader(start, end, 2);
  const std::string_view list =
      "Id1          \xA1\xF1"
      "a\xA1\xF1\r\n";

  ReportText text = textWithRoom(list, builder.headerRoom());
  const char* listBytes = text.bytes().data();
  const ReportText report = builder.buildReport(std::move(text), true, start, end, 2);
  EXPECT_EQ(report.bytes(), header + std::string(list));
  EXPECT_EQ(report.bytes().data() + header.size(), listBytes);

  // Without room in front the list is copied once behind the header: same bytes.
  const ReportText copied = builder.buildReport(textWithRoom(list, 0), true, start, end, 2);
  EXPECT_EQ(copied.bytes(), report.bytes());
}

TEST(ReportBuilder, HeaderShowsCountAndSecondsAsGiven) {
  const ReportBuilder builder(TextEncoding::utf8);
  struct Case {
    DateTime start;
    DateTime end;
    std::int32_t count;
    std::string_view expected;
  };
  const Case cases[] = {
      {at(2010, 7, 28, 5, 59, 58), at(2010, 7, 28, 6, 0, 0), 0,
       "起始时间：2010年7月28日5时59分58秒  结束时间：2010年7月28日6时\r\n\r\n"
       "青禾随机密码生成器Ver1.0 共生成0个密码,耗时：2秒。"},
      {at(2010, 7, 28, 5, 0, 9), at(2010, 7, 28, 5, 0, 9), -3,
       "起始时间：2010年7月28日5时0分9秒  结束时间：2010年7月28日5时0分9秒\r\n\r\n"
       "青禾随机密码生成器Ver1.0 共生成-3个密码,耗时：0秒。"},
      {at(2010, 7, 28, 5, 0, 9), at(2010, 7, 28, 5, 0, 6), 12,  // clock set back 3 s
       "起始时间：2010年7月28日5时0分9秒  结束时间：2010年7月28日5时0分6秒\r\n\r\n"
       "青禾随机密码生成器Ver1.0 共生成12个密码,耗时：-2秒。"},
  };
  for (const auto& c : cases) {
    const std::string header = builder.buildHeader(c.start, c.end, c.count);
    EXPECT_EQ(header, "\r\n" + std::string(c.expected) + std::string(kContactAndNote));
  }
  // An empty list: the header alone, ending with the blank line.
  const ReportText report =
      ReportBuilder().buildReport(ReportText(), true, cases[0].start, cases[0].end, 0);
  EXPECT_TRUE(report.bytes().ends_with("\r\n\r\n"));
  EXPECT_EQ(report.bytes(), ReportBuilder().buildHeader(cases[0].start, cases[0].end, 0));
}

TEST(ReportBuilder, RoomInFrontFitsTheLongestHeader) {
  for (const TextEncoding encoding : {TextEncoding::gbk, TextEncoding::utf8}) {
    const ReportBuilder builder(encoding);
    const std::string longest =
        builder.buildHeader(at(100, 1, 1, 0, 0, 0), at(9999, 12, 28, 23, 59, 59),
                            std::numeric_limits<std::int32_t>::min());
    EXPECT_LE(longest.size(), builder.headerRoom());
    EXPECT_GE(longest.size() + 32, builder.headerRoom());  // and not wastefully more
  }
}

}  // namespace
}  // namespace qinghe
