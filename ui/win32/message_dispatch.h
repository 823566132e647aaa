#pragma once

#include <windows.h>

namespace qinghe::win32 {

// Handles one message as every loop of the program does: the dialog keys of keyWindow (Tab and
// Shift+Tab move the focus, Esc closes) come first; keyWindow may be null.
void dispatchMessage(MSG& message, HWND keyWindow);

// Handles every message already waiting, without waiting for a new one. A quit request is left
// in the queue for the message loop.
void drainMessages(HWND keyWindow);

}  // namespace qinghe::win32
