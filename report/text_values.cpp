#include "report/text_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "report/report_texts.h"

namespace qinghe {

namespace {

constexpr double kFirstValidDay = -657434.0;  // 1 January 100
constexpr double kLastValidDay = 2958465.0;   // 31 December 9999
constexpr double kHalfSecondInDays = 1.0 / 172800.0;
constexpr std::int64_t kUnixEpochDay = 25569;  // 1 January 1970 as a day number

double clampToValidRange(double days) {
  if (std::isnan(days)) {
    return 0.0;
  }
  return std::clamp(days, kFirstValidDay, kLastValidDay);
}

// Days since 1 January 1970 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(std::int64_t days, LocalTimeFields& fields) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  fields.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  fields.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  fields.year = static_cast<int>(yearOfEra + era * 400 + (fields.month <= 2 ? 1 : 0));
}

struct DateTexts {
  std::string_view year, month, day, hour, minute, second;
};

DateTexts dateTexts(TextEncoding encoding) {
  if (encoding == TextEncoding::gbk) {
    namespace t = report_texts::gbk;
    return {t::kYear, t::kMonth, t::kDay, t::kHour, t::kMinute, t::kSecond};
  }
  namespace t = report_texts::utf8;
  return {t::kYear, t::kMonth, t::kDay, t::kHour, t::kMinute, t::kSecond};
}

void appendNumber(std::string& out, std::int64_t value) {
  std::array<char, 24> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out.append(digits.data(), result.ptr);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

DateTime dateTimeFromFields(const LocalTimeFields& fields) {
  const std::int64_t day = daysFromCivil(fields.year, fields.month, fields.day) + kUnixEpochDay;
  const int secondOfDay = fields.hour * 3600 + fields.minute * 60 + fields.second;
  return DateTime{static_cast<double>(day) + secondOfDay / 86400.0};
}

LocalTimeFields fieldsOfDateTime(DateTime value) {
  const double days = clampToValidRange(value.days) + kHalfSecondInDays;
  const double wholeDays = std::floor(days);
  const int secondOfDay =
      std::min(static_cast<int>((days - wholeDays) * 86400.0), 86399);  // truncated
  LocalTimeFields fields;
  civilFromDays(static_cast<std::int64_t>(wholeDays) - kUnixEpochDay, fields);
  fields.hour = secondOfDay / 3600;
  fields.minute = secondOfDay / 60 % 60;
  fields.second = secondOfDay % 60;
  return fields;
}

DateTime currentDateTime() {
  return dateTimeFromFields(readLocalClock());
}

std::string dateTimeToText(DateTime value, TextEncoding encoding) {
  const LocalTimeFields f = fieldsOfDateTime(value);
  const DateTexts t = dateTexts(encoding);
  std::string text;
  appendNumber(text, f.year);
  text += t.year;
  appendNumber(text, f.month);
  text += t.month;
  appendNumber(text, f.day);
  text += t.day;
  // Zero fields drop off from the end: "5时29分", "5时", or the date alone at midnight.
  if (f.second != 0 || f.minute != 0 || f.hour != 0) {
    appendNumber(text, f.hour);
    text += t.hour;
  }
  if (f.second != 0 || f.minute != 0) {
    appendNumber(text, f.minute);
    text += t.minute;
  }
  if (f.second != 0) {
    appendNumber(text, f.second);
    text += t.second;
  }
  return text;
}

GbkText dateTimeToText(DateTime value) {
  return GbkText(dateTimeToText(value, TextEncoding::gbk));
}

double secondsBetween(DateTime later, DateTime earlier) {
  const double a = clampToValidRange(later.days);
  const double b = clampToValidRange(earlier.days);
  if (a == b) {
    return 0.0;
  }
  // The half second is added to a number of seconds, as the report always did: it only
  // absorbs the rounding error of the day fractions.
  const double seconds = (a - b) * 86400.0 + 5.787037037037037e-6;
  const auto whole = static_cast<std::int64_t>(seconds);
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(whole)));
}

GbkText intToText(std::int32_t value) {
  std::string text;
  appendNumber(text, value);
  return GbkText(std::move(text));
}

GbkText realToText(double value) {
  std::array<char, 64> buffer{};
  // to_chars rather than printf: the same "%.13g" text whatever the process locale is.
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 13);
  std::string text(buffer.data(), result.ptr);
  // The exponent has at least three digits: "1e+020".
  const auto e = text.find('e');
  if (e != std::string::npos && e + 2 <= text.size()) {
    const std::size_t digits = text.size() - (e + 2);
    if (digits < 3) {
      text.insert(e + 2, 3 - digits, '0');
    }
  }
  return GbkText(std::move(text));
}

GbkText foldFullWidth(const GbkText& text) {
  const std::string_view in = text.bytes();
  std::string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    const auto lead = static_cast<unsigned char>(in[i]);
    if (lead < 0x80) {
      out += in[i];
      continue;
    }
    if (i + 1 == in.size()) {
      break;  // a lone lead byte at the end is dropped
    }
    const auto trail = static_cast<unsigned char>(in[++i]);
    if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      out += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out += '*';
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail - 0x80);
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
  return GbkText(std::move(out));
}

double textToNumber(const GbkText& text) {
  const GbkText folded = foldFullWidth(text);
  const std::string_view s = folded.bytes();
  std::size_t i = 0;
  while (i < s.size() && isSpace(s[i])) {
    ++i;
  }
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  // The number is rebuilt in the form from_chars reads: digits, one point, "e", exponent.
  std::string number;
  bool anyDigit = false;
  bool seenPoint = false;
  bool nonZero = false;
  std::int64_t magnitude = 0;  // decimal exponent of the first non-zero digit, roughly
  for (; i < s.size(); ++i) {
    if (isDigit(s[i])) {
      anyDigit = true;
      if (s[i] != '0' && !nonZero) {
        nonZero = true;
      }
      if (!seenPoint && nonZero) {
        ++magnitude;
      } else if (seenPoint && !nonZero) {
        --magnitude;
      }
      number += s[i];
    } else if (s[i] == '.' && !seenPoint) {
      seenPoint = true;
      number += '.';
    } else {
      break;
    }
  }
  if (!anyDigit) {
    return 0.0;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    bool exponentNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      exponentNegative = s[j] == '-';
      ++j;
    }
    if (j < s.size() && isDigit(s[j])) {
      std::int64_t exponent = 0;
      for (; j < s.size() && isDigit(s[j]); ++j) {
        exponent = std::min<std::int64_t>(exponent * 10 + (s[j] - '0'), 1'000'000'000);
      }
      exponent = exponentNegative ? -exponent : exponent;
      magnitude += exponent;
      number += 'e';
      appendNumber(number, exponent);
    }
  }
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = nonZero && magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

std::int32_t realToInt(double value) {
  // Outside the 64-bit range (and for infinities and NaN) the conversion gives the most
  // negative 64-bit integer, whose low 32 bits are 0.
  constexpr double kTwoTo63 = 9223372036854775808.0;
  std::int64_t whole = std::numeric_limits<std::int64_t>::min();
  if (std::isfinite(value) && value < kTwoTo63 && value >= -kTwoTo63) {
    whole = static_cast<std::int64_t>(value);
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

}  // namespace qinghe
