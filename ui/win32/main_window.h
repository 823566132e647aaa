#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "generation/random_source.h"
#include "report/clock.h"
#include "report/generate_window_port.h"
#include "ui/win32/file_dialog.h"
#include "ui/win32/screen_scale.h"
#include "ui/window_layout.h"

namespace qinghe::win32 {

// The program's working window: the controls of the shared layout, the generate, end and about
// buttons, and the save dialog component. Generation runs reach it through GenerateWindowPort.
class MainWindow final : public GenerateWindowPort {
 public:
  // endProgram ends the process at once with the given exit code (the end button, fatal errors).
  MainWindow(HINSTANCE instance, HICON icon, std::wstring programDirectory,
             std::function<void(int)> endProgram);
  ~MainWindow() override;

  // Creates the window and its controls, selects the default items and shows it centred.
  // False when the window cannot be created; GetLastError then tells why.
  bool create();
  // The window whose dialog keys the message loops handle; null once it is closed.
  [[nodiscard]] HWND keyWindow() const { return hwnd_; }

  void setStatusText(const GbkText& text) override;
  void pauseWithEvents(std::int32_t milliseconds) override;
  GbkText lengthItemText() override;
  GbkText kindItemText() override;
  GbkText countText() override;
  bool isNumberedChecked() override;
  void saveAndOpenReport(std::string_view report) override;
  bool isClosed() override { return closed_; }

  LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool createControls();
  void selectDefaultItems();
  void onCommand(int id);
  void generate();
  void endAfterFatalError(const std::wstring& message);
  [[nodiscard]] HWND control(ControlId id) const {
    return controls_.at(static_cast<std::size_t>(id));
  }

  HINSTANCE instance_;
  HICON icon_;
  std::wstring programDirectory_;
  std::function<void(int)> endProgram_;
  ScreenScale scale_;
  GuiFont font_;
  HWND hwnd_ = nullptr;
  bool closed_ = false;
  std::array<HWND, 12> controls_{};
  // Live for the whole program: the random source keeps its reseed count between runs, and the
  // save dialog its last file name.
  SecureRandomSource random_;
  SystemClock clock_;
  FileDialog 通用对话框1;
};

}  // namespace qinghe::win32
