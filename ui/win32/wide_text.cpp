#include "ui/win32/wide_text.h"

#include <windows.h>

#include <climits>

namespace qinghe::win32 {

namespace {

constexpr UINT kTextCodePage = 936;

}  // namespace

std::wstring wideFromGbk(std::string_view gbk) {
  if (gbk.empty() || gbk.size() > INT_MAX) {
    return {};
  }
  const int byteCount = static_cast<int>(gbk.size());
  const int length = MultiByteToWideChar(kTextCodePage, 0, gbk.data(), byteCount, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kTextCodePage, 0, gbk.data(), byteCount, wide.data(), length);
  return wide;
}

GbkText gbkFromWide(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) {
    return {};
  }
  const int charCount = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(kTextCodePage, 0, wide.data(), charCount, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kTextCodePage, 0, wide.data(), charCount, bytes.data(), length, nullptr,
                      nullptr);
  return GbkText(std::move(bytes));
}

}  // namespace qinghe::win32
