#include "ui/win32/message_dispatch.h"

namespace qinghe::win32 {

void dispatchMessage(MSG& message, HWND keyWindow) {
  if (keyWindow != nullptr && IsWindow(keyWindow) != FALSE &&
      IsDialogMessageW(keyWindow, &message) != FALSE) {
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
