#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/save_and_open_report.h"
#include "ui/win32/file_dialog.h"

namespace qinghe::win32 {

// Saving a report on Windows: the main window's save dialog, the replacing writer, one message
// box when the file cannot be written, and the shell to open the saved file. The chosen path
// stays wide, so a folder that code page 936 cannot spell works too.
class Win32ReportSavePort final : public ReportSavePort {
 public:
  Win32ReportSavePort(FileDialog& dialog, HWND owner, std::wstring programDirectory)
      : dialog_(dialog), owner_(owner), programDirectory_(std::move(programDirectory)) {}

  bool showSaveDialog(const GbkText& proposedName) override;
  bool writeChosenFile(std::string_view report) override;
  void showWriteFailure() override;
  void openChosenFile() override;

 private:
  FileDialog& dialog_;
  HWND owner_;
  std::wstring programDirectory_;
  DWORD writeError_ = ERROR_SUCCESS;
};

// The settings the main window's save dialog is loaded with: text files, ".txt" added.
void loadSaveDialogSettings(FileDialog& dialog);

}  // namespace qinghe::win32
