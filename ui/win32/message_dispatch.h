#pragma once

#include <windows.h>

namespace qinghe::win32 {

// Handles one message as every loop of the program does. The keys of keyWindow come first:
// Tab and Shift+Tab move the focus, the arrow keys move within the radio group, and Esc closes
// the window, unless the focused control uses the key itself. Enter is no such key: no button
// of the window is a default button. keyWindow may be null.
void dispatchMessage(MSG& message, HWND keyWindow);

// Handles every message already waiting, without waiting for a new one. A quit request is left
// in the queue for the message loop.
void drainMessages(HWND keyWindow);

}  // namespace qinghe::win32
