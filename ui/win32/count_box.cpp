#include "ui/win32/count_box.h"

#include "ui/win32/message_value.h"
#include "ui/window_layout.h"

namespace qinghe::win32 {

namespace {

// The edit control's own procedure, which the filter hands every other message to.
LRESULT CALLBACK countBoxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto original = fromMessageValue<WNDPROC>(GetWindowLongPtrW(edit, GWLP_USERDATA));
  if (message == WM_CHAR && !countBoxTakesTypedCharacter(static_cast<wchar_t>(wParam))) {
    return 0;
  }
  return CallWindowProcW(original, edit, message, wParam, lParam);
}

}  // namespace

bool countBoxTakesTypedCharacter(wchar_t character) {
  const bool control = character < L' ' || character == 0x7F;
  return control || isTypeableCountCharacter(static_cast<char32_t>(character));
}

void makeCountBox(HWND edit) {
  SendMessageW(edit, EM_SETLIMITTEXT, kCountMaxCharacters, 0);
  // The original procedure is kept before the filter can be called.
  SetWindowLongPtrW(edit, GWLP_USERDATA, GetWindowLongPtrW(edit, GWLP_WNDPROC));
  SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countBoxProcedure));
}

}  // namespace qinghe::win32
