#include "ui/win32/screen_scale.h"

namespace qinghe::win32 {

ScreenScale ScreenScale::ofScreen() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return ScreenScale(dpi);
}

GuiFont::GuiFont(const ScreenScale& scale)
    : font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
  LOGFONTW description{};
  if (GetObjectW(font_, sizeof(description), &description) == 0) {
    return;
  }
  // The default GUI font is 8 points. Some systems give it at its 96-DPI size whatever the
  // screen, others (Wine) already at the screen's: ask for 8 points at the screen's DPI.
  constexpr int kPoints = 8;
  constexpr int kPointsPerInch = 72;
  const LONG height = -MulDiv(kPoints, scale.dpi(), kPointsPerInch);
  if (description.lfHeight == height) {
    return;
  }
  description.lfHeight = height;
  description.lfWidth = 0;
  if (HFONT sized = CreateFontIndirectW(&description); sized != nullptr) {
    font_ = sized;
    owned_ = true;
  }
}

GuiFont::~GuiFont() {
  if (owned_) {
    DeleteObject(font_);
  }
}

POINT centredOnScreen(int outerWidth, int outerHeight) {
  return {(GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2,
          (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2};
}

}  // namespace qinghe::win32
