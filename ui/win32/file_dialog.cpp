#include "ui/win32/file_dialog.h"

#include <algorithm>
#include <vector>

namespace qinghe::win32 {

namespace {

// Room for a long path; the proposal itself is short.
constexpr std::size_t kNameBufferLength = 32768;

std::wstring_view trimEnd(std::wstring_view text) {
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\t' || text.back() == L'\r' ||
                           text.back() == L'\n')) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::wstring fileTypeList(std::wstring_view filter) {
  std::vector<std::wstring_view> pieces;
  std::wstring_view rest = trimEnd(filter);
  if (rest.empty()) {
    return {};
  }
  for (;;) {
    const std::size_t bar = rest.find(L'|');
    pieces.push_back(rest.substr(0, bar));
    if (bar == std::wstring_view::npos) {
      break;
    }
    rest.remove_prefix(bar + 1);
  }
  std::wstring list;
  for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
    list.append(pieces[i]).push_back(L'\0');
    list.append(pieces[i + 1]).push_back(L'\0');
  }
  if (!list.empty()) {
    list.push_back(L'\0');
  }
  return list;
}

bool FileDialog::show(HWND owner) {
  const std::wstring types = fileTypeList(filter);
  std::vector<wchar_t> name(kNameBufferLength, L'\0');
  std::copy_n(fileName.begin(), std::min(fileName.size(), name.size() - 1), name.begin());

  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.lpstrFilter = types.empty() ? nullptr : types.c_str();
  request.nFilterIndex = types.empty() ? 0 : static_cast<DWORD>(std::max(filterIndex, 0) + 1);
  request.lpstrFile = name.data();
  request.nMaxFile = static_cast<DWORD>(name.size());
  request.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
  request.lpstrTitle = title.empty() ? nullptr : title.c_str();
  request.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  request.Flags = flags;
  if (GetSaveFileNameW(&request) == FALSE) {
    return false;
  }
  fileName.assign(name.data());
  return true;
}

}  // namespace qinghe::win32
