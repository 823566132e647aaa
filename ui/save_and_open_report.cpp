#include "ui/save_and_open_report.h"

#include "report/report_texts.h"
#include "report/text_values.h"

namespace qinghe {

GbkText proposedFileName(DateTime moment) {
  return GbkText(report_texts::gbk::kFileNamePrefix) + dateTimeToText(moment);
}

void saveAndOpenReport(std::string_view report, Clock& clock, ReportSavePort& port) {
  // A reading of its own, taken after the report is complete.
  const GbkText proposal = proposedFileName(clock.now());
  // A failed write keeps the batch: the user is told why and may choose another place.
  while (port.showSaveDialog(proposal)) {
    if (port.writeChosenFile(report)) {
      port.openChosenFile();
      return;
    }
    port.showWriteFailure();
  }
}

}  // namespace qinghe
