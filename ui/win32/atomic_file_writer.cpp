#include "ui/win32/atomic_file_writer.h"

#include <algorithm>

namespace qinghe::win32 {

namespace {

// A name beside the target that no other run uses; "~" keeps it sorted away from the user's own.
std::wstring temporaryPathFor(const std::wstring& path, unsigned attempt) {
  return path + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(attempt) + L".tmp";
}

HANDLE createTemporaryFile(const std::wstring& path, std::wstring& temporaryPath) {
  constexpr unsigned kAttempts = 16;
  for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
    temporaryPath = temporaryPathFor(path, attempt);
    // No sharing, as for the file itself: nobody reads a half-written batch.
    HANDLE file = CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
      return file;
    }
  }
  return INVALID_HANDLE_VALUE;
}

// The whole block in one call; more calls only when the system takes less than asked.
bool writeAll(HANDLE file, std::string_view bytes) {
  const char* next = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(left, MAXDWORD));
    DWORD written = 0;
    if (WriteFile(file, next, piece, &written, nullptr) == FALSE) {
      return false;
    }
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    next += written;
    left -= written;
  }
  return true;
}

}  // namespace

FileWriteResult writeFileReplacing(const std::wstring& path, std::string_view bytes) {
  if (path.empty()) {
    return {false, ERROR_INVALID_NAME};
  }
  // Windows refuses to move a file over a read-only one; asking first spares writing a large
  // batch for nothing, and holds on systems that emulate the move without that check.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return {false, ERROR_ACCESS_DENIED};
  }
  std::wstring temporaryPath;
  HANDLE file = createTemporaryFile(path, temporaryPath);
  if (file == INVALID_HANDLE_VALUE) {
    return {false, GetLastError()};
  }
  const bool onDisk = writeAll(file, bytes) && FlushFileBuffers(file) != FALSE;
  const DWORD writeError = GetLastError();
  CloseHandle(file);
  if (onDisk && MoveFileExW(temporaryPath.c_str(), path.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE) {
    return {true, ERROR_SUCCESS};
  }
  const DWORD error = onDisk ? GetLastError() : writeError;
  DeleteFileW(temporaryPath.c_str());
  return {false, error};
}

}  // namespace qinghe::win32
