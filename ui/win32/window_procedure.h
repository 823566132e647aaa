#pragma once

#include <windows.h>

#include "ui/win32/message_value.h"

namespace qinghe::win32 {

// The window procedure of a class with one handleMessage per window: the object comes in with
// CreateWindowExW's last argument, is kept in GWLP_USERDATA from WM_NCCREATE on, and is let go
// after WM_NCDESTROY. Messages before WM_NCCREATE get the default handling.
template <class Window>
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = fromMessageValue<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* window = fromMessageValue<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  }
  return window->handleMessage(hwnd, message, wParam, lParam);
}

// Registers the class of Window once: its window procedure, the icon, the arrow cursor and the
// button-face background.
template <class Window>
bool registerWindowClass(HINSTANCE instance, HICON icon, const wchar_t* className, UINT style) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, className, &windowClass) != FALSE) {
    return true;
  }
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = style;
  windowClass.lpfnWndProc = &windowProcedure<Window>;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = icon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace qinghe::win32
