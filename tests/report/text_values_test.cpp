#include "report/text_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/support/fixed_clock.h"

namespace qinghe {
namespace {

using testing::at;

TEST(TextToNumber, ReadsTheLeadingNumber) {
  struct Case {
    std::string_view text;
    double value;
  };
  const Case cases[] = {
      {"", 0},
      {"  42", 42},
      {"42 ", 42},
      {"+7", 7},
      {"-3.9", -3.9},
      {"1e3", 1000},
      {"2d2", 200},
      {"2D-1", 0.2},
      {"1E+2", 100},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {".5", 0.5},
      {"5.", 5},
      {"1e", 1},
      {"1e+", 1},
      {"12abc", 12},
      {"1,000", 1},
      {"0x10", 0},
      {"0012", 12},
      {"12-3", 12},
      {"--5", 0},
      {"\t\r\n 8", 8},
      {"1.2.3", 1.2},
      {"-0", 0},
      // full-width digits, signs, point and the ideographic space
      {"\xA3\xB1\xA3\xB0", 10},                    // "１０"
      {"\xA1\xA1\xA3\xB5", 5},                     // "　５"
      {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5},  // "１２．５"
      {"\xA3\xAD\xA3\xB3", -3},                    // "－３"
      {"\xA3\xB1\xA3\xC5\xA3\xB2", 100},           // "１Ｅ２"
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(textToNumber(GbkText(c.text)), c.value) << c.text;
  }
}

TEST(TextToNumber, BeyondTheRangeOfRealsGivesInfinityOrZero) {
  EXPECT_EQ(textToNumber(GbkText("1e999")), std::numeric_limits<double>::infinity());
  EXPECT_EQ(textToNumber(GbkText("-1e999")), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(textToNumber(GbkText("1e-999")), 0.0);
  EXPECT_EQ(textToNumber(GbkText("0.000001e-400")), 0.0);
}

TEST(FoldFullWidth, FoldsTheFullWidthFormsOnly) {
  struct Case {
    std::string_view in;
    std::string_view out;
  };
  const Case cases[] = {
      {"\xA1\xA1", " "},
      {"\xA1\xAB", "~"},
      {"\xA1\xEE\xA1\xEF", "**"},
      {"\xA3\xA1\xA3\xFE", "!~"},
      {"\xA3\xC1", "A"},
      {"\xCA\xFD", "\xCA\xFD"},
      {"1\xA3", "1"},            // a lone lead byte at the end is dropped
      {"\xA3\xA0", "\xA3\xA0"},  // below the full-width range: kept
  };
  for (const auto& c : cases) {
    EXPECT_EQ(foldFullWidth(GbkText(c.in)).bytes(), c.out);
  }
}

TEST(RealToInt, TruncatesThenWrapsToThirtyTwoBits) {
  struct Case {
    double value;
    std::int32_t result;
  };
  const Case cases[] = {
      {12.9, 12},
      {-12.9, -12},
      {4294967295.0, -1},
      {4294967296.0, 0},
      {5000000000.0, 705032704},
      {2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {1e30, 0},
      {-1e30, 0},
      {std::numeric_limits<double>::infinity(), 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(realToInt(c.value), c.result) << c.value;
  }
  EXPECT_EQ(realToInt(textToNumber(GbkText("1e999"))), 0);
}

TEST(DateTime, DayNumbersFollowTheOleConvention) {
  EXPECT_EQ(at(1899, 12, 30, 0, 0, 0).days, 0.0);
  EXPECT_EQ(at(2010, 7, 28, 0, 0, 0).days, 40387.0);
  EXPECT_EQ(at(2010, 7, 28, 12, 0, 0).days, 40387.5);
  EXPECT_EQ(at(100, 1, 1, 0, 0, 0).days, -657434.0);
  EXPECT_EQ(at(9999, 12, 31, 0, 0, 0).days, 2958465.0);
  // Every second of a day gives its own fields back.
  for (int second = 0; second < 86400; second += 37) {
    const LocalTimeFields fields =
        fieldsOfDateTime(at(2024, 2, 29, second / 3600, second / 60 % 60, second % 60));
    ASSERT_EQ(fields.hour * 3600 + fields.minute * 60 + fields.second, second);
    ASSERT_EQ(fields.day, 29);
  }
}

TEST(DateTimeToText, DropsZeroFieldsFromTheEnd) {
  struct Case {
    DateTime value;
    std::string_view utf8;
  };
  const Case cases[] = {
      {at(2010, 7, 28, 5, 29, 26), "2010年7月28日5时29分26秒"},
      {at(2010, 7, 28, 5, 29, 0), "2010年7月28日5时29分"},
      {at(2010, 7, 28, 5, 0, 0), "2010年7月28日5时"},
      {at(2010, 7, 28, 0, 0, 0), "2010年7月28日"},
      {at(2010, 7, 28, 0, 0, 7), "2010年7月28日0时0分7秒"},
      {at(2010, 7, 28, 0, 30, 0), "2010年7月28日0时30分"},
      {at(2010, 7, 28, 5, 0, 3), "2010年7月28日5时0分3秒"},
      {at(2010, 7, 28, 6, 0, 0), "2010年7月28日6时"},
      {DateTime{1e9}, "9999年12月31日"},  // out of range: the nearer bound
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dateTimeToText(c.value, TextEncoding::utf8), c.utf8);
  }
  // "2010年7月28日6时" in code page 936.
  EXPECT_EQ(dateTimeToText(at(2010, 7, 28, 6, 0, 0)).bytes(),
            "2010\xC4\xEA"
            "7\xD4\xC2"
            "28\xC8\xD5"
            "6\xCA\xB1");
}

TEST(SecondsBetween, CountsWholeSecondsWithTheHalfSecondConstant) {
  const DateTime base = at(2010, 7, 28, 5, 29, 26);
  struct Case {
    DateTime later;
    double seconds;
  };
  const Case cases[] = {
      {base, 0},
      {at(2010, 7, 28, 5, 29, 27), 1},
      {at(2010, 7, 28, 5, 30, 26), 60},
      {at(2010, 7, 29, 5, 29, 26), 86400},
      {at(2010, 7, 28, 5, 29, 23), -2},  // 3 seconds back
      {at(2010, 7, 28, 5, 29, 25), 0},   // 1 second back
  };
  for (const auto& c : cases) {
    EXPECT_EQ(secondsBetween(c.later, base), c.seconds);
  }
  // Every whole-second difference up to a day comes out exactly.
  for (int s = 0; s < 86400; s += 61) {
    const DateTime later = at(2010, 7, 28, s / 3600, s / 60 % 60, s % 60);
    ASSERT_EQ(secondsBetween(later, at(2010, 7, 28, 0, 0, 0)), s);
  }
}

TEST(NumberTexts, WriteIntegersAndRealsAsTheReportShowsThem) {
  EXPECT_EQ(intToText(0).bytes(), "0");
  EXPECT_EQ(intToText(-5).bytes(), "-5");
  EXPECT_EQ(intToText(2147483647).bytes(), "2147483647");
  EXPECT_EQ(intToText(std::numeric_limits<std::int32_t>::min()).bytes(), "-2147483648");
  struct Case {
    double value;
    std::string_view text;
  };
  const Case cases[] = {
      {0, "0"},
      {3, "3"},
      {12345, "12345"},
      {2.5, "2.5"},
      {-3, "-3"},
      {1e20, "1e+020"},
      {0.00001, "1e-005"},
      {1e-300, "1e-300"},
      {2147483647, "2147483647"},
      {-2147483648.0, "-2147483648"},
      {1234567890123.0, "1234567890123"},
      {12345678901234.0, "1.234567890123e+013"},
      {0.0001, "0.0001"},
      {1.0 / 3, "0.3333333333333"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(realToText(c.value).bytes(), c.text) << c.value;
  }
}

TEST(CurrentDateTime, FallsOnAWholeSecondNearTheLocalClock) {
  const DateTime now = currentDateTime();
  const double seconds = now.days * 86400.0;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-3);
  const LocalTimeFields clock = readLocalClock();
  const LocalTimeFields fields = fieldsOfDateTime(now);
  EXPECT_EQ(fields.year, clock.year);
  EXPECT_GT(now.days, 25569.0);  // after 1970
}

}  // namespace
}  // namespace qinghe
