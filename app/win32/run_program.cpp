#include "app/win32/run_program.h"

#include <objbase.h>

#include <exception>
#include <string>

#include "app/win32/program_resources.h"
#include "generation/out_of_memory.h"
#include "report/fatal_messages.h"
#include "ui/ui_texts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/message_dispatch.h"
#include "ui/win32/program_directory.h"
#include "ui/win32/system_error_text.h"
#include "ui/win32/wide_text.h"

namespace qinghe::win32 {

namespace {

int endWithMessage(const std::wstring& message) {
  MessageBoxW(nullptr, message.c_str(), wideFromGbk(ui_texts::gbk::kFatalTitle).c_str(),
              MB_OK | MB_ICONERROR);
  return -1;
}

}  // namespace

int runProgram(HINSTANCE instance) {
  // Sharp on dense screens: the windows scale their layout themselves.
  SetProcessDPIAware();
  // The shell's "open" may hand the request to COM objects; they want a single-threaded
  // apartment on this, the only thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  const std::wstring directory = directoryOfPath(programFilePath());
  if (!directory.empty()) {
    SetCurrentDirectoryW(directory.c_str());
  }
  int exitCode = 0;
  try {
    const auto icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId),
                                                    IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    MainWindow window(instance, icon, directory, &endProgram);
    if (!window.create()) {
      const DWORD error = GetLastError();
      exitCode =
          endWithMessage(wideFromGbk(ui_texts::gbk::kMainWindowFailed) + systemErrorText(error));
    } else {
      MSG message{};
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatchMessage(message, window.keyWindow());
      }
    }
  } catch (const OutOfMemory& error) {
    exitCode = endWithMessage(wideFromGbk(outOfMemoryMessage(error.bytes(), TextEncoding::gbk)));
  } catch (const std::exception& error) {
    exitCode =
        endWithMessage(wideFromGbk(ui_texts::gbk::kMainWindowFailed) + wideFromGbk(error.what()));
  }
  if (SUCCEEDED(com)) {
    CoUninitialize();
  }
  return exitCode;
}

void endProgram(int exitCode) {
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace qinghe::win32
