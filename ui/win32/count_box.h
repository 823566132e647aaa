#pragma once

#include <windows.h>

namespace qinghe::win32 {

// Whether the count box takes a character typed into it: digits and '-', and every control
// character, so that backspace and the clipboard keys still work. Pasted text is not filtered.
bool countBoxTakesTypedCharacter(wchar_t character);

// Makes an edit control the count box: at most seven characters, typed ones filtered.
void makeCountBox(HWND edit);

}  // namespace qinghe::win32
