#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/win32/screen_scale.h"

namespace qinghe::win32 {

// The usage notes, modal: returns only after the window has been closed. While it is open the
// program's other top-level windows are disabled. Returns at once if it cannot be created.
void showAboutWindow(HINSTANCE instance, HICON icon, const ScreenScale& scale, const GuiFont& font);

// The notes window: one disabled, read-only text box; made on each opening, gone when closed.
class AboutWindow {
 public:
  AboutWindow(const ScreenScale& scale, const GuiFont& font) : scale_(scale), font_(font) {}
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;
  ~AboutWindow();

  bool create(HINSTANCE instance, HICON icon);
  // Disables the other windows, shows this one and handles messages until it is closed.
  void runModal();

  LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool createTextBox();
  void disableOtherWindows();
  void restoreOtherWindows();

  const ScreenScale& scale_;
  const GuiFont& font_;
  HWND hwnd_ = nullptr;
  bool closed_ = false;
  // The windows disabled for the notes, each with whether it was enabled before.
  std::vector<std::pair<HWND, bool>> disabled_;
};

}  // namespace qinghe::win32
