#pragma once

#include <cstdint>
#include <string>

#include "generation/password_list_builder.h"
#include "generation/report_text.h"
#include "report/text_values.h"

namespace qinghe {

// Makes the report of a run: the list itself in the plain form; in the numbered form a header
// (start and end time, count, seconds taken, and a note on the marks) right before the list.
class ReportBuilder {
 public:
  explicit ReportBuilder(TextEncoding encoding = TextEncoding::gbk) : encoding_(encoding) {}

  // The most bytes a header can take: leave this much room in front of the list.
  [[nodiscard]] std::uint64_t headerRoom() const;

  // The header goes into the list's front room when it fits, so the list is not copied; a list
  // without room is copied once behind the header. Throws OutOfMemory.
  [[nodiscard]] ReportText buildReport(ReportText list, bool numbered, DateTime start, DateTime end,
                                       std::int32_t count) const;

  [[nodiscard]] std::string buildHeader(DateTime start, DateTime end, std::int32_t count) const;

 private:
  TextEncoding encoding_;
};

}  // namespace qinghe
