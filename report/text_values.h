#pragma once

#include <cstdint>
#include <string>

#include "generation/gbk_text.h"
#include "generation/password_list_builder.h"

namespace qinghe {

// A local date and time as days since 30 December 1899 00:00, the time of day as the fraction
// (the OLE Automation convention). Values from the clock fall on whole seconds.
struct DateTime {
  double days = 0.0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

struct LocalTimeFields {
  int year = 1899;
  int month = 12;  // 1 to 12
  int day = 30;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The present local wall-clock time, milliseconds dropped (not rounded).
DateTime currentDateTime();
// The local wall-clock fields; one small file per platform provides it.
LocalTimeFields readLocalClock();

DateTime dateTimeFromFields(const LocalTimeFields& fields);
LocalTimeFields fieldsOfDateTime(DateTime value);

// "2010年7月28日5时29分26秒"; zero seconds, minutes and hours drop off from the end.
GbkText dateTimeToText(DateTime value);
std::string dateTimeToText(DateTime value, TextEncoding encoding);

// Whole seconds from earlier to later, with the half-second rounding constant of the report.
double secondsBetween(DateTime later, DateTime earlier);

GbkText intToText(std::int32_t value);
// "%.13g" with an exponent of at least three digits ("1e+020").
GbkText realToText(double value);

// Full-width digits, signs, points and spaces become their single-byte forms.
GbkText foldFullWidth(const GbkText& text);
// The leading number of a typed or picked text; 0 when none can be read. Never fails.
double textToNumber(const GbkText& text);
// Truncated toward zero, then wrapped to the low 32 bits; out of range or not a number gives 0.
std::int32_t realToInt(double value);

}  // namespace qinghe
