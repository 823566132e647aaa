#pragma once

#include <cstdint>
#include <functional>

#include "generation/password_kinds.h"
#include "generation/password_list_builder.h"
#include "generation/random_source.h"
#include "generation/report_text.h"
#include "report/clock.h"

namespace qinghe {

struct RunChoices {
  std::int32_t length = 0;
  std::int32_t count = 0;
  const PasswordKind* kind = nullptr;  // nullptr gives the empty list
  bool numbered = false;
};

// The heart of one run: the clock read around the building of the list, then the header put in
// front in the numbered form, all in one buffer. Throws OutOfMemory.
ReportText generateReport(const RunChoices& choices, RandomSource& source, Clock& clock,
                          TextEncoding encoding = TextEncoding::gbk,
                          std::function<void(std::int64_t, std::int64_t)> progress = {});

}  // namespace qinghe
