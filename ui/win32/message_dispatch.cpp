#include "ui/win32/message_dispatch.h"

namespace qinghe::win32 {

namespace {

void moveFocus(HWND keyWindow, HWND focus, bool backwards) {
  HWND next = GetNextDlgTabItem(keyWindow, focus, backwards ? TRUE : FALSE);
  if (next == nullptr) {
    return;
  }
  SetFocus(next);
  // As in dialogs: an edit box reached by Tab has its text selected.
  if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
}

// Not IsDialogMessage: it makes a push button that gets the focus the default button, and Enter
// would then click it.
bool handleWindowKeys(const MSG& message, HWND keyWindow) {
  if (message.message != WM_KEYDOWN || keyWindow == nullptr ||
      (message.hwnd != keyWindow && IsChild(keyWindow, message.hwnd) == FALSE)) {
    return false;
  }
  const WPARAM key = message.wParam;
  if (key != VK_TAB && key != VK_ESCAPE && key != VK_LEFT && key != VK_UP && key != VK_RIGHT &&
      key != VK_DOWN) {
    return false;
  }
  const LRESULT wants =
      SendMessageW(message.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message));
  if ((wants & DLGC_WANTMESSAGE) != 0) {
    return false;  // an open drop-down list closes itself on Esc
  }
  switch (key) {
    case VK_TAB:
      if ((wants & DLGC_WANTTAB) != 0) {
        return false;
      }
      moveFocus(keyWindow, message.hwnd, GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      SendMessageW(keyWindow, WM_CLOSE, 0, 0);
      return true;
    default:
      break;
  }
  if ((wants & DLGC_RADIOBUTTON) == 0 || (wants & DLGC_WANTARROWS) != 0) {
    return false;
  }
  const bool previous = key == VK_LEFT || key == VK_UP;
  HWND next = GetNextDlgGroupItem(keyWindow, message.hwnd, previous ? TRUE : FALSE);
  if (next != nullptr && next != message.hwnd) {
    SetFocus(next);
    SendMessageW(next, BM_CLICK, 0, 0);
  }
  return true;
}

}  // namespace

void dispatchMessage(MSG& message, HWND keyWindow) {
  if (handleWindowKeys(message, keyWindow)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void drainMessages(HWND keyWindow) {
  MSG message{};
  // Looking first, without taking, leaves a quit request where the message loop will find it.
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) != FALSE) {
    if (message.message == WM_QUIT) {
      return;
    }
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
      return;
    }
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatchMessage(message, keyWindow);
  }
}

}  // namespace qinghe::win32
