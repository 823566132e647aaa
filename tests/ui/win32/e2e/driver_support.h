#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ui/window_layout.h"

// What the end-to-end scenarios need to drive qinghe-keygen.exe from outside, as a user would:
// start it in a folder of its own, find its windows and controls, send them input, and look at
// the files and windows it leaves.
namespace qinghe::win32::e2e {

using namespace std::chrono_literals;

// A failed expectation ends the scenario with this message.
struct ScenarioFailure {
  std::string message;
};
void expect(bool condition, const std::string& what);
std::string narrow(const std::wstring& text);  // UTF-8, for messages

// Waits until the condition holds; false when the time runs out.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 15s);
void pause(std::chrono::milliseconds time);

struct Paths {
  std::wstring program;    // the built qinghe-keygen.exe
  std::wstring work;       // a folder for this scenario's files
  std::wstring artifacts;  // where screenshots go
};
// A path given on the command line: Unix paths become Wine's Z: paths.
std::wstring windowsPath(const std::wstring& path);

// Top-level windows: of a process, of any other process, or owned by a window.
std::vector<HWND> topLevelWindows();
DWORD processOf(HWND window);
std::wstring windowText(HWND window);
std::wstring className(HWND window);
HWND findWindow(const std::function<bool(HWND)>& matches, std::chrono::milliseconds timeout = 15s);
// A dialog (#32770) owned by owner, for instance the save dialog or a message box.
HWND findOwnedDialog(HWND owner, std::chrono::milliseconds timeout = 15s);
std::vector<HWND> childWindows(HWND parent);
// The text of a message box's message.
std::wstring messageBoxText(HWND box);

// The program started from a copy of it in a folder of its own.
class ProgramUnderTest {
 public:
  ProgramUnderTest(const Paths& paths, const std::wstring& folderName);
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;
  ~ProgramUnderTest();

  [[nodiscard]] const std::wstring& folder() const { return folder_; }
  [[nodiscard]] HWND mainWindow() const { return main_; }
  [[nodiscard]] DWORD processId() const { return process_.dwProcessId; }
  [[nodiscard]] HWND control(ControlId id) const;
  [[nodiscard]] std::wstring controlText(ControlId id) const { return windowText(control(id)); }
  // The window that has the keyboard focus in the program, or null.
  [[nodiscard]] HWND focus() const;

  // Clicks a button the way BM_CLICK does; posted, so a modal loop behind it does not block.
  void click(ControlId id) const;
  void pressKey(HWND target, WORD key) const;
  void typeCharacters(HWND target, const std::wstring& characters) const;
  // Waits for the program to end; its exit code, or nothing when it does not end in time.
  [[nodiscard]] bool waitForExit(DWORD& exitCode, std::chrono::milliseconds timeout = 15s) const;
  // The names in the program's folder other than the program itself.
  [[nodiscard]] std::vector<std::wstring> filesBesideProgram() const;

 private:
  std::wstring folder_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// Windows of other processes than the driver and the program that appeared after a moment:
// what the shell opened.
class NewWindowWatch {
 public:
  explicit NewWindowWatch(const ProgramUnderTest& program);
  [[nodiscard]] std::vector<HWND> newWindows() const;
  // Closes them all, so that the next scenario starts clean.
  void closeNewWindows() const;

 private:
  std::vector<HWND> before_;
  DWORD programProcess_;
};

// Real mouse input at a point of the screen, through the system's input queue.
void doubleClickAt(POINT screenPoint);
void clickAt(POINT screenPoint);

std::string fileBytes(const std::wstring& path);
void putFile(const std::wstring& path, const std::string& bytes);

// Saves what the screen shows of the window as a 24-bit BMP.
void saveScreenshot(HWND window, const std::wstring& bmpPath);

}  // namespace qinghe::win32::e2e
