#pragma once

#include <string_view>

#include "generation/gbk_text.h"
#include "report/clock.h"

namespace qinghe {

// What saving a report needs of the platform. The port keeps the chosen path in the platform's
// own form, so a folder that code page 936 cannot spell still works.
class ReportSavePort {
 public:
  ReportSavePort() = default;
  ReportSavePort(const ReportSavePort&) = delete;
  ReportSavePort& operator=(const ReportSavePort&) = delete;
  virtual ~ReportSavePort() = default;

  // The save dialog for text files, proposing proposedName in the proposed folder. True when
  // the user confirmed a file; the port keeps its path.
  virtual bool showSaveDialog(const GbkText& proposedName) = 0;
  // Writes report to the chosen file through a temporary file renamed over it only when every
  // byte is on disk, so that an existing file stays intact on failure. False on any failure;
  // the port keeps the reason for showWriteFailure.
  virtual bool writeChosenFile(std::string_view report) = 0;
  // One message naming the chosen path and the system's reason.
  virtual void showWriteFailure() = 0;
  // Hands the chosen file to the desktop, which opens it in the default viewer.
  virtual void openChosenFile() = 0;
};

// "key" followed by the date-time text of the moment.
GbkText proposedFileName(DateTime moment);

// Offers the dialog until the report is saved or the user cancels. A saved file is opened; a
// cancel writes and opens nothing; a failed write is reported and the dialog offered again.
void saveAndOpenReport(std::string_view report, Clock& clock, ReportSavePort& port);

}  // namespace qinghe
