#include "ui/win32/win32_report_save_port.h"

#include "ui/ui_texts.h"
#include "ui/win32/atomic_file_writer.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/system_error_text.h"
#include "ui/win32/wide_text.h"

namespace qinghe::win32 {

namespace t = ui_texts::gbk;

void loadSaveDialogSettings(FileDialog& dialog) {
  dialog.title.clear();
  dialog.fileName.clear();
  dialog.filter = wideFromGbk(t::kSaveFilter);
  dialog.filterIndex = 0;
  dialog.initialDirectory.clear();
  dialog.defaultExtension = wideFromGbk(t::kSaveDefaultExtension);
  dialog.flags = FileDialog::kSaveFlags;
}

bool Win32ReportSavePort::showSaveDialog(const GbkText& proposedName) {
  dialog_.initialDirectory = programDirectory_;
  dialog_.fileName = wideFromGbk(proposedName.bytes());
  return dialog_.show(owner_);
}

bool Win32ReportSavePort::writeChosenFile(std::string_view report) {
  const FileWriteResult result = writeFileReplacing(dialog_.fileName, report);
  writeError_ = result.error;
  return result.written;
}

void Win32ReportSavePort::showWriteFailure() {
  const std::wstring message = wideFromGbk(t::kSaveFailedBefore) + dialog_.fileName +
                               wideFromGbk(t::kSaveFailedReason) + systemErrorText(writeError_) +
                               wideFromGbk(t::kSaveFailedAfter);
  MessageBoxW(owner_, message.c_str(), wideFromGbk(t::kSaveFailedTitle).c_str(),
              MB_OK | MB_ICONERROR);
}

void Win32ReportSavePort::openChosenFile() {
  shellOpen(dialog_.fileName);
}

}  // namespace qinghe::win32
