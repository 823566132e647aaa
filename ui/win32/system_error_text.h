#pragma once

#include <windows.h>

#include <string>

namespace qinghe::win32 {

// The system's own wording of an error code (GetLastError), in the user's language, without the
// trailing line break; the bare number when the system has no text for it.
std::wstring systemErrorText(DWORD code);

}  // namespace qinghe::win32
