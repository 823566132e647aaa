#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace qinghe::win32 {

struct FileWriteResult {
  bool written = false;
  DWORD error = ERROR_SUCCESS;  // GetLastError of the step that failed
};

// Creates or replaces the file at path with exactly bytes. They go first to a new temporary file
// in the same folder, written from the caller's buffer in one call, flushed to disk, and only then
// moved over the target; so on any failure an existing file keeps its old content and no
// temporary file is left behind.
FileWriteResult writeFileReplacing(const std::wstring& path, std::string_view bytes);

}  // namespace qinghe::win32
