#pragma once

#include <string>

namespace qinghe::win32 {

// Asks the desktop shell to open a file in its default viewer or a folder in the file manager.
// The outcome is not awaited; the shell shows its own message when it cannot.
void shellOpen(const std::wstring& path);

}  // namespace qinghe::win32
