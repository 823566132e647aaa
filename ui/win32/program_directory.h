#pragma once

#include <string>
#include <string_view>

namespace qinghe::win32 {

// The folder part of a path: everything before its last backslash, or the empty text when it
// has none ("C:\Tools\a.exe" gives "C:\Tools", "C:\a.exe" gives "C:"). On wide text the trail
// byte of a double-byte character can never pass for a backslash.
std::wstring directoryOfPath(std::wstring_view path);

// The full path of this program's file, however long.
std::wstring programFilePath();

}  // namespace qinghe::win32
