#pragma once

#include <string>
#include <string_view>

#include "generation/gbk_text.h"

namespace qinghe::win32 {

// The program's texts are code page 936 by design. They are converted here, and only here, so
// that the windows, the dialog and the file names are right whatever the computer's language
// setting; everything handed to Windows goes through the wide (W) functions.
std::wstring wideFromGbk(std::string_view gbk);

// Back to code page 936 for the core (the count box); a character it cannot spell becomes '?'.
GbkText gbkFromWide(std::wstring_view wide);

}  // namespace qinghe::win32
