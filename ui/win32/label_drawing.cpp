#include "ui/win32/label_drawing.h"

#include <string>

#include "ui/win32/message_value.h"
#include "ui/window_layout.h"

namespace qinghe::win32 {

namespace {

constexpr COLORREF colorOf(std::uint32_t rgb) {
  return RGB((rgb >> 16U) & 0xFFU, (rgb >> 8U) & 0xFFU, rgb & 0xFFU);
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

void drawLabel(const DRAWITEMSTRUCT& item, bool isStatusLine, int offsetPixels) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring text = windowText(item.hwndItem);
  if (text.empty()) {
    return;
  }
  const auto font = fromMessageValue<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  HGDIOBJ previousFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const UINT format =
      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (isStatusLine ? DT_CENTER : DT_LEFT);
  if (isStatusLine) {
    RECT raised = area;
    OffsetRect(&raised, offsetPixels, offsetPixels);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &raised, format);
    SetTextColor(dc, colorOf(kStatusTextRgb));
  } else {
    SetTextColor(dc, RGB(0, 0, 0));
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  SelectObject(dc, previousFont);
}

}  // namespace qinghe::win32
