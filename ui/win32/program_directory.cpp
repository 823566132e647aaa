#include "ui/win32/program_directory.h"

#include <windows.h>

namespace qinghe::win32 {

std::wstring directoryOfPath(std::wstring_view path) {
  const std::size_t separator = path.rfind(L'\\');
  if (separator == std::wstring_view::npos) {
    return {};
  }
  return std::wstring(path.substr(0, separator));
}

std::wstring programFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return {};
    }
    // A full buffer means the path was cut; long-path systems allow up to 32767 characters.
    if (length < path.size() || path.size() >= 32768) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace qinghe::win32
