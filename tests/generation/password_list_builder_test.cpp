#include "generation/password_list_builder.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "generation/out_of_memory.h"
#include "generation/password_texts.h"
#include "tests/support/scripted_random_source.h"

namespace qinghe {
namespace {

using testing::ScriptedRandomSource;
namespace kinds = password_texts::gbk;

std::string build(RandomSource& source, std::int32_t length, std::int32_t count,
                  std::string_view kindText, bool numbered) {
  const ReportText list =
      PasswordListBuilder(source).buildPasswordList(length, count, GbkText(kindText), numbered);
  return std::string(list.bytes());
}

TEST(PasswordListBuilder, MapsScriptedPositionsToTheKindsCharacters) {
  // Positions counted from 1 within the whole alphabet; the source hands out offsets from the
  // kind's first position.
  struct Case {
    std::string_view kind;
    std::vector<std::uint32_t> offsets;
    std::uint32_t bound;
    std::string_view password;
  };
  const Case cases[] = {
      {kinds::kKindDigits, {1, 7, 4, 0, 9}, 10, "17409"},       // positions 2 8 5 1 10
      {kinds::kKindLetters, {41, 7, 42, 32, 33}, 52, "udVQq"},  // positions 52 18 53 43 44
      {kinds::kKindSymbols, {0, 31, 32, 5, 20}, 33, "!& '@"},
      {kinds::kKindDigitsSymbols, {0, 10, 42, 41, 9}, 43, "0! &9"},
      {kinds::kKindLettersSymbols, {0, 51, 52, 84, 83}, 85, "Az! &"},
      {kinds::kKindDigitsLetters, {0, 9, 10, 61, 36}, 62, "09AzN"},
      {kinds::kKindDigitsLettersSymbols, {0, 61, 62, 94, 93}, 95, "0z! &"},
  };
  for (const auto& c : cases) {
    ScriptedRandomSource source(c.offsets);
    EXPECT_EQ(build(source, 5, 1, c.kind, false), std::string(c.password) + "\r\n");
    // Exactly one draw per character, each over the whole kind.
    EXPECT_EQ(source.bounds(), std::vector<std::uint32_t>(5, c.bound));
  }
}

TEST(PasswordListBuilder, WritesPlainAndNumberedLines) {
  ScriptedRandomSource source({1, 7, 4, 0, 9});
  EXPECT_EQ(build(source, 5, 3, kinds::kKindDigits, false), "17409\r\n17409\r\n17409\r\n");

  ScriptedRandomSource numberedSource({1, 7, 4, 0, 9});
  const std::string list = build(numberedSource, 5, 10, kinds::kKindDigits, true);
  const std::string mark(kinds::kPasswordMark);
  EXPECT_TRUE(list.starts_with("Id1          " + mark + "17409" + mark + "\r\n"));
  const std::string tenth = "Id10          " + mark + "17409" + mark + "\r\n";
  EXPECT_EQ(tenth.size(), 25U);
  EXPECT_TRUE(list.ends_with(tenth));
}

TEST(PasswordListBuilder, EmptyPasswordsForLengthBelowOne) {
  for (const std::int32_t length : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
    ScriptedRandomSource source;
    const std::string mark(kinds::kPasswordMark);
    EXPECT_EQ(build(source, length, 2, kinds::kKindDigits, false), "\r\n\r\n");
    EXPECT_EQ(build(source, length, 2, kinds::kKindDigits, true),
              "Id1          " + mark + mark + "\r\nId2          " + mark + mark + "\r\n");
    EXPECT_TRUE(source.bounds().empty());
  }
}

TEST(PasswordListBuilder, NoLinesForAnUnknownKindOrACountBelowOne) {
  struct Case {
    std::string_view kind;
    std::int32_t count;
  };
  const std::string digitsWithSpace = std::string(kinds::kKindDigits) + " ";
  const Case cases[] = {
      {"", 5},
      {digitsWithSpace, 5},
      {"digits", 5},  // only the Chinese names are kind texts
      {kinds::kKindDigits, 0},
      {kinds::kKindDigits, -5},
      {kinds::kKindDigits, std::numeric_limits<std::int32_t>::min()},
  };
  for (const auto& c : cases) {
    for (const bool numbered : {false, true}) {
      ScriptedRandomSource source;
      EXPECT_EQ(build(source, 5, c.count, c.kind, numbered), "") << c.kind << " " << c.count;
      EXPECT_TRUE(source.bounds().empty());
    }
  }
}

// Every line in order, its ordinal and marks in place, and the size known in advance exact,
// across the counts where the ordinals gain a digit.
TEST(PasswordListBuilder, SizeAndLinesAcrossOrdinalWidths) {
  for (const TextEncoding encoding : {TextEncoding::gbk, TextEncoding::utf8}) {
    const std::string mark(encoding == TextEncoding::gbk ? password_texts::gbk::kPasswordMark
                                                         : password_texts::utf8::kPasswordMark);
    for (const std::int32_t count : {1, 9, 10, 99, 100, 999, 1000, 1001, 10000}) {
      for (const bool numbered : {false, true}) {
        SecureRandomSource source;
        ListOptions options;
        options.encoding = encoding;
        options.headerRoom = 17;
        const ReportText list = PasswordListBuilder(source).buildPasswordList(
            7, count, &passwordKinds()[0], numbered, options);
        ASSERT_EQ(list.size(), PasswordListBuilder::listSize(7, count, numbered, encoding));
        EXPECT_EQ(list.frontRoom(), 17U);

        std::string_view rest = list.bytes();
        for (std::int32_t ordinal = 1; ordinal <= count; ++ordinal) {
          const std::string prefix =
              numbered ? "Id" + std::to_string(ordinal) + "          " + mark : "";
          const std::string suffix = numbered ? mark + "\r\n" : "\r\n";
          ASSERT_TRUE(rest.starts_with(prefix)) << ordinal;
          rest.remove_prefix(prefix.size());
          const std::string_view password = rest.substr(0, 7);
          ASSERT_EQ(password.find_first_not_of("0123456789"), std::string_view::npos) << ordinal;
          rest.remove_prefix(7);
          ASSERT_TRUE(rest.starts_with(suffix)) << ordinal;
          rest.remove_prefix(suffix.size());
        }
        EXPECT_TRUE(rest.empty());
      }
    }
  }
}

TEST(PasswordListBuilder, EachKindUsesAllOfItsCharactersAndNoOther) {
  SecureRandomSource source;
  for (const auto& kind : passwordKinds()) {
    const ReportText list = PasswordListBuilder(source).buildPasswordList(1000, 10, &kind, false);
    std::set<char> seen;
    for (const char c : list.bytes()) {
      if (c != '\r' && c != '\n') {
        seen.insert(c);
      }
    }
    const std::string_view expected = kind.characters();
    EXPECT_EQ(seen, std::set<char>(expected.begin(), expected.end())) << kind.asciiName;
  }
}

TEST(PasswordListBuilder, ALimitBeyondMemoryIsReportedWithItsSizeBeforeAnyDraw) {
  ScriptedRandomSource source;
  const std::int32_t most = std::numeric_limits<std::int32_t>::max();
  const std::uint64_t size = PasswordListBuilder::listSize(most, most, true, TextEncoding::gbk);
  try {
    (void)PasswordListBuilder(source).buildPasswordList(most, most, &passwordKinds()[0], true);
    FAIL() << "a list of " << size << " bytes was built";
  } catch (const OutOfMemory& failure) {
    EXPECT_EQ(failure.bytes(), size);
  }
  EXPECT_TRUE(source.bounds().empty());
}

TEST(PasswordListBuilder, ReportsProgressUpToTheCount) {
  SecureRandomSource source;
  std::vector<std::int64_t> reports;
  ListOptions options;
  options.progress = [&](std::int64_t done, std::int64_t total) {
    EXPECT_EQ(total, 200000);
    reports.push_back(done);
  };
  (void)PasswordListBuilder(source).buildPasswordList(1, 200000, &passwordKinds()[0], false,
                                                      options);
  ASSERT_FALSE(reports.empty());
  EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
  EXPECT_EQ(reports.back(), 200000);
}

}  // namespace
}  // namespace qinghe
