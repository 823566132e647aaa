#pragma once

#include "ui/window_layout.h"

namespace qinghe::win32 {

// Child-window ids of the main window's controls. They start far above IDOK and IDCANCEL, which
// the system's dialog code sends for Enter and Esc: Enter must click no button.
inline constexpr int kFirstControlDialogId = 1001;

constexpr int controlDialogId(ControlId id) {
  return kFirstControlDialogId + static_cast<int>(id);
}

}  // namespace qinghe::win32
