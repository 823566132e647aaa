#pragma once

#include <windows.h>

#include "ui/window_layout.h"

namespace qinghe::win32 {

// The layout is given in pixels at 96 DPI; on a denser screen every size grows in proportion
// (the program declares itself DPI-aware, so Windows does not blur it by stretching).
class ScreenScale {
 public:
  explicit ScreenScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}
  static ScreenScale ofScreen();

  [[nodiscard]] int pixels(int atBaseDpi) const { return MulDiv(atBaseDpi, dpi_, kBaseDpi); }
  [[nodiscard]] Rect rect(const Rect& atBaseDpi) const {
    return {pixels(atBaseDpi.left), pixels(atBaseDpi.top), pixels(atBaseDpi.width),
            pixels(atBaseDpi.height)};
  }
  [[nodiscard]] int dpi() const { return dpi_; }

 private:
  static constexpr int kBaseDpi = 96;
  int dpi_;
};

// The default GUI font (DEFAULT_GUI_FONT), at the size that suits the screen's DPI.
class GuiFont {
 public:
  explicit GuiFont(const ScreenScale& scale);
  GuiFont(const GuiFont&) = delete;
  GuiFont& operator=(const GuiFont&) = delete;
  ~GuiFont();

  [[nodiscard]] HFONT handle() const { return font_; }

 private:
  HFONT font_;
  bool owned_ = false;
};

// Left and top that centre a window of the given outer size on the screen.
POINT centredOnScreen(int outerWidth, int outerHeight);

}  // namespace qinghe::win32
