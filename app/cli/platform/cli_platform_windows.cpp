// Windows: the console, standard streams and the atomic file write.
#include <windows.h>
// shellapi.h needs the types of windows.h; its own block keeps the formatter from sorting it first.
#include <shellapi.h>

#include <io.h>
#include <algorithm>
#include <string>

#include "app/cli/cli_platform.h"

namespace qinghe::cli {

namespace {

constexpr DWORD kWritePiece = DWORD{16} << 20U;

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) {
    return {};
  }
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string systemReason(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string reason;
  if (length > 0 && buffer != nullptr) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
    reason.resize(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), reason.data(), size, nullptr,
                        nullptr);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) {
      reason.pop_back();
    }
  }
  LocalFree(buffer);
  return reason.empty() ? "error " + std::to_string(error) : reason;
}

// Every byte, or the error code of the failure (0 on success).
DWORD writeAll(HANDLE handle, std::string_view bytes, const ByteProgress& progress) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kWritePiece));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, piece, &written, nullptr)) {
      return GetLastError();
    }
    if (written == 0) {
      return ERROR_WRITE_FAULT;
    }
    done += written;
    if (progress) {
      progress(done, bytes.size());
    }
  }
  return 0;
}

std::string narrow(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) {
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
  }
  return utf8;
}

bool isConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

std::vector<std::string> commandLineArguments(int /*argc*/, char** /*argv*/) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide != nullptr && i < count; ++i) {
    args.push_back(narrow(wide[i]));
  }
  LocalFree(wide);
  return args;
}

void prepareConsole() {
  SetConsoleOutputCP(CP_UTF8);
}

bool isStandardOutputTerminal() {
  return isConsole(STD_OUTPUT_HANDLE);
}

bool isStandardErrorTerminal() {
  return isConsole(STD_ERROR_HANDLE);
}

TextEncoding terminalEncoding() {
  // prepareConsole has switched the console to UTF-8.
  return GetConsoleOutputCP() == 936 ? TextEncoding::gbk : TextEncoding::utf8;
}

void writeStandardError(std::string_view text) {
  (void)writeAll(GetStdHandle(STD_ERROR_HANDLE), text, {});
}

std::optional<WriteFailure> writeFileAtomically(const std::string& path, std::string_view bytes,
                                                const ByteProgress& progress) {
  const std::wstring target = widen(path);
  // Windows will not move a file over a read-only one (Wine will): refuse before writing.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return WriteFailure{path, systemReason(ERROR_ACCESS_DENIED)};
  }
  std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
  const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return WriteFailure{path, systemReason(GetLastError())};
  }
  DWORD error = writeAll(file, bytes, progress);
  if (error == 0 && !FlushFileBuffers(file)) {
    error = GetLastError();
  }
  CloseHandle(file);
  if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
  }
  if (error != 0) {
    DeleteFileW(temporary.c_str());
    return WriteFailure{path, systemReason(error)};
  }
  return std::nullopt;
}

std::optional<std::string> writeStandardOutput(std::string_view bytes,
                                               const ByteProgress& progress) {
  if (const DWORD error = writeAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes, progress); error != 0) {
    return systemReason(error);
  }
  return std::nullopt;
}

}  // namespace qinghe::cli
