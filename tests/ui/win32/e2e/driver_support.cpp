#include "tests/ui/win32/e2e/driver_support.h"

#include <algorithm>
#include <thread>

#include "ui/win32/control_ids.h"
#include "ui/win32/message_value.h"
#include "ui/win32/wide_text.h"

namespace qinghe::win32::e2e {

void expect(bool condition, const std::string& what) {
  if (!condition) {
    throw ScenarioFailure{what};
  }
}

std::string narrow(const std::wstring& text) {
  if (text.empty()) {
    return {};
  }
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length,
                      nullptr, nullptr);
  return out;
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    pause(50ms);
  }
  return true;
}

void pause(std::chrono::milliseconds time) {
  std::this_thread::sleep_for(time);
}

std::wstring windowsPath(const std::wstring& path) {
  if (path.empty() || path.front() != L'/') {
    return path;
  }
  std::wstring converted = L"Z:" + path;
  std::replace(converted.begin(), converted.end(), L'/', L'\\');
  return converted;
}

namespace {

BOOL CALLBACK collect(HWND window, LPARAM windows) {
  fromMessageValue<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(&collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> childWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, &collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

DWORD processOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::wstring windowText(HWND window) {
  // WM_GETTEXT reaches into the other process; GetWindowText would not for its controls.
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto got = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

HWND findWindow(const std::function<bool(HWND)>& matches, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND window : topLevelWindows()) {
          if (IsWindowVisible(window) != FALSE && matches(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

HWND findOwnedDialog(HWND owner, std::chrono::milliseconds timeout) {
  return findWindow(
      [owner](HWND window) {
        return GetWindow(window, GW_OWNER) == owner && className(window) == L"#32770";
      },
      timeout);
}

std::wstring messageBoxText(HWND box) {
  std::wstring longest;
  for (HWND child : childWindows(box)) {
    if (className(child) == L"Static") {
      const std::wstring text = windowText(child);
      if (text.size() > longest.size()) {
        longest = text;
      }
    }
  }
  return longest;
}

namespace {

void createFolders(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos;
       at = path.find(L'\\', at + 1)) {
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryW(path.c_str(), nullptr);
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const Paths& paths, const std::wstring& folderName)
    : folder_(paths.work + L"\\" + folderName) {
  createFolders(folder_);
  // Nothing of an earlier run may count for this one.
  for (const std::wstring& name : filesBesideProgram()) {
    SetFileAttributesW((folder_ + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW((folder_ + L"\\" + name).c_str());
  }
  const std::wstring program = folder_ + L"\\qinghe-keygen.exe";
  expect(CopyFileW(paths.program.c_str(), program.c_str(), FALSE) != FALSE,
         "cannot copy the program to " + narrow(folder_));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring commandLine = L"\"" + program + L"\"";
  // Started from another folder: the program must make its own folder the working directory.
  expect(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        paths.work.c_str(), &startup, &process_) != FALSE,
         "cannot start the program");
  const std::wstring title = wideFromGbk(mainWindowSpec().title);
  main_ = findWindow([&](HWND window) {
    return processOf(window) == process_.dwProcessId && windowText(window) == title;
  });
  expect(main_ != nullptr, "the main window did not appear");
}

ProgramUnderTest::~ProgramUnderTest() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ProgramUnderTest::control(ControlId id) const {
  HWND window = GetDlgItem(main_, controlDialogId(id));
  expect(window != nullptr, "no control " + std::string(controlSpec(id).name));
  return window;
}

HWND ProgramUnderTest::focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info) == FALSE) {
    return nullptr;
  }
  return info.hwndFocus;
}

void ProgramUnderTest::click(ControlId id) const {
  PostMessageW(control(id), BM_CLICK, 0, 0);
}

void ProgramUnderTest::pressKey(HWND target, WORD key) const {
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, key, static_cast<LPARAM>(1U | (scan << 16U)));
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1U | (scan << 16U) | 0xC0000000U));
}

void ProgramUnderTest::typeCharacters(HWND target, const std::wstring& characters) const {
  for (const wchar_t c : characters) {
    PostMessageW(target, WM_CHAR, c, 1);
  }
  // A message sent behind the posted ones returns once they are all handled.
  SendMessageW(target, WM_NULL, 0, 0);
  pause(100ms);
}

bool ProgramUnderTest::waitForExit(DWORD& exitCode, std::chrono::milliseconds timeout) const {
  if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) !=
      WAIT_OBJECT_0) {
    return false;
  }
  return GetExitCodeProcess(process_.hProcess, &exitCode) != FALSE;
}

std::vector<std::wstring> ProgramUnderTest::filesBesideProgram() const {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return names;
  }
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L".." && name != L"qinghe-keygen.exe") {
      names.push_back(name);
    }
  } while (FindNextFileW(search, &found) != FALSE);
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

NewWindowWatch::NewWindowWatch(const ProgramUnderTest& program)
    : before_(topLevelWindows()), programProcess_(program.processId()) {}

std::vector<HWND> NewWindowWatch::newWindows() const {
  std::vector<HWND> found;
  for (HWND window : topLevelWindows()) {
    const DWORD process = processOf(window);
    if (process == GetCurrentProcessId() || process == programProcess_ ||
        IsWindowVisible(window) == FALSE ||
        std::find(before_.begin(), before_.end(), window) != before_.end()) {
      continue;
    }
    found.push_back(window);
  }
  return found;
}

void NewWindowWatch::closeNewWindows() const {
  for (HWND window : newWindows()) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
}

namespace {

void sendMouse(POINT at, std::initializer_list<DWORD> buttons) {
  SetCursorPos(at.x, at.y);
  std::vector<INPUT> inputs;
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs.push_back(move);
  for (const DWORD flags : buttons) {
    INPUT input = move;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(input);
  }
  // Wine places the button events only after an absolute move, and takes its time with them.
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  pause(1000ms);
}

}  // namespace

void doubleClickAt(POINT screenPoint) {
  sendMouse(screenPoint,
            {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

void clickAt(POINT screenPoint) {
  sendMouse(screenPoint, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

std::string fileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  expect(file != INVALID_HANDLE_VALUE, "cannot open " + narrow(path));
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

void putFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  expect(file != INVALID_HANDLE_VALUE, "cannot create " + narrow(path));
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void saveScreenshot(HWND window, const std::wstring& bmpPath) {
  RECT area{};
  GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  std::string pixels(stride * static_cast<std::size_t>(height), '\0');
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
  bytes += pixels;
  putFile(bmpPath, bytes);
}

}  // namespace qinghe::win32::e2e
