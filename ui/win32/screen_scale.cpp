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
  if (scale.pixels(100) == 100) {
    return;
  }
  LOGFONTW description{};
  if (GetObjectW(font_, sizeof(description), &description) == 0) {
    return;
  }
  description.lfHeight = scale.pixels(description.lfHeight);
  description.lfWidth = scale.pixels(description.lfWidth);
  if (HFONT grown = CreateFontIndirectW(&description); grown != nullptr) {
    font_ = grown;
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
