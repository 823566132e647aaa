#include "report/generate_report.h"

#include <utility>

#include "report/report_builder.h"

namespace qinghe {

ReportText generateReport(const RunChoices& choices, RandomSource& source, Clock& clock,
                          TextEncoding encoding,
                          std::function<void(std::int64_t, std::int64_t)> progress) {
  const ReportBuilder reportBuilder(encoding);
  ListOptions options;
  options.encoding = encoding;
  options.headerRoom = choices.numbered ? reportBuilder.headerRoom() : 0;
  options.progress = std::move(progress);

  // The two readings enclose the building of the list and nothing else.
  const DateTime start = clock.now();
  ReportText list = PasswordListBuilder(source).buildPasswordList(
      choices.length, choices.count, choices.kind, choices.numbered, options);
  const DateTime end = clock.now();
  return reportBuilder.buildReport(std::move(list), choices.numbered, start, end, choices.count);
}

}  // namespace qinghe
