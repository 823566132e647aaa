#include "ui/win32/shell_open.h"

#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

namespace qinghe::win32 {

void shellOpen(const std::wstring& path) {
  ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace qinghe::win32
