#pragma once

#include <windows.h>
// commdlg.h needs the types of windows.h.
#include <commdlg.h>

#include <string>
#include <string_view>

namespace qinghe::win32 {

// "description|pattern|description|pattern" as the common dialog wants it: each piece ended by
// a NUL and the list by one more. White space at the end is ignored, and a description without
// its pattern is dropped; an empty filter gives the empty list.
std::wstring fileTypeList(std::wstring_view filter);

// The save dialog component of the main window. Its settings stay with it between shows, as the
// last file name does.
class FileDialog {
 public:
  // The flags the program always asks for: no read-only box, the folder must exist, ask before
  // replacing a file; explorer style and resizable. The current folder is not restored.
  static constexpr DWORD kSaveFlags =
      OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLESIZING;

  std::wstring title;             // empty: the platform's own caption
  std::wstring fileName;          // the proposal before a show; the chosen full path after one
  std::wstring filter;            // see fileTypeList
  int filterIndex = 0;            // from 0; a negative index counts as 0
  std::wstring initialDirectory;  // empty: the platform's choice
  std::wstring defaultExtension;  // added, with its point, to a name confirmed without one
  DWORD flags = kSaveFlags;

  // Shows the save dialog modally over owner. True when the user confirmed a file: fileName then
  // holds its full path. False on cancel or any failure of the dialog, fileName unchanged.
  bool show(HWND owner);
};

}  // namespace qinghe::win32
