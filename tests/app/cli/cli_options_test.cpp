#include "app/cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generation/password_texts.h"

namespace qinghe::cli {
namespace {

std::variant<CliOptions, UsageError> parse(std::vector<std::string_view> args) {
  return parseCliOptions(args);
}

TEST(CliOptions, DefaultsMatchTheWindow) {
  const auto options = std::get<CliOptions>(parse({}));
  EXPECT_EQ(options.action, Action::generate);
  EXPECT_EQ(options.length, 30);
  EXPECT_EQ(options.count, 1000);
  EXPECT_EQ(options.kind->kindText, password_texts::gbk::kKindDigitsLetters);
  EXPECT_FALSE(options.plain);
  EXPECT_FALSE(options.output);
  EXPECT_FALSE(options.encoding);
  EXPECT_FALSE(options.quiet);
}

TEST(CliOptions, LongAndShortFormsAgree) {
  const std::vector<std::vector<std::string_view>> spellings = {
      {"--length", "12", "--count", "5", "--kind", "symbols", "--plain", "--output", "a.txt",
       "--encoding", "utf-8", "--quiet"},
      {"--length=12", "--count=5", "--kind=符号", "-p", "-o", "a.txt", "--encoding=UTF8", "-q"},
      {"-l12", "-n", "5", "-k", "SYMBOLS", "-pq", "-oa.txt", "--encoding", "utf8"},
  };
  for (const auto& args : spellings) {
    const auto parsed = parse(args);
    ASSERT_TRUE(std::holds_alternative<CliOptions>(parsed)) << std::get<UsageError>(parsed).message;
    const auto& options = std::get<CliOptions>(parsed);
    EXPECT_EQ(options.length, 12);
    EXPECT_EQ(options.count, 5);
    EXPECT_EQ(options.kind->asciiName, "symbols");
    EXPECT_TRUE(options.plain);
    EXPECT_EQ(options.output, "a.txt");
    EXPECT_EQ(options.encoding, TextEncoding::utf8);
    EXPECT_TRUE(options.quiet);
  }
}

TEST(CliOptions, EveryKindByEachOfItsNames) {
  for (const auto& kind : passwordKinds()) {
    for (const std::string_view name : {kind.utf8Text, kind.kindText, kind.asciiName}) {
      EXPECT_EQ(findKindByName(name), &kind) << kind.asciiName;
    }
  }
}

TEST(CliOptions, RangesAtTheirLimits) {
  const auto options =
      std::get<CliOptions>(parse({"-l", "0", "-n", "2147483647", "--encoding", "gbk"}));
  EXPECT_EQ(options.length, 0);
  EXPECT_EQ(options.count, 2147483647);
  EXPECT_EQ(options.encoding, TextEncoding::gbk);
  EXPECT_EQ(std::get<CliOptions>(parse({"-h", "-V"})).action, Action::help);
  EXPECT_EQ(std::get<CliOptions>(parse({"--version"})).action, Action::version);
}

TEST(CliOptions, RefusesBadInputNamingTheOptionAndTheValue) {
  struct Case {
    std::vector<std::string_view> args;
    std::vector<std::string_view> mentions;
  };
  const std::vector<Case> cases = {
      {{"--count", "-5"}, {"--count", "-5", "范围"}},
      {{"--count", "2147483648"}, {"--count", "2147483648", "范围"}},
      {{"-n", "abc"}, {"-n", "abc", "整数"}},
      {{"--length", "12.5"}, {"--length", "12.5", "整数"}},
      {{"--length", ""}, {"--length", "整数"}},
      {{"--length", "+5"}, {"--length", "+5"}},
      {{"--count"}, {"--count", "缺少"}},
      {{"-k"}, {"-k", "缺少"}},
      {{"--kind", "emoji"}, {"--kind", "emoji", "digits+letters"}},
      {{"--encoding", "latin1"}, {"--encoding", "latin1", "utf-8"}},
      {{"--output="}, {"--output"}},
      {{"--bogus"}, {"--bogus"}},
      {{"-x"}, {"-x"}},
      {{"--plain=yes"}, {"--plain"}},
      {{"extra"}, {"extra"}},
  };
  for (const auto& c : cases) {
    const auto parsed = parse(c.args);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.args[0];
    const std::string& message = std::get<UsageError>(parsed).message;
    EXPECT_EQ(message.find('\n'), std::string::npos);
    for (const auto mention : c.mentions) {
      EXPECT_NE(message.find(mention), std::string::npos) << message << " / " << mention;
    }
  }
}

}  // namespace
}  // namespace qinghe::cli
