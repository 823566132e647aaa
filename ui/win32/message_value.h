#pragma once

namespace qinghe::win32 {

// Windows carries pointers and handles in integers (WPARAM, LPARAM, LONG_PTR, LRESULT); turning
// one back is unavoidable, and is done here only.
template <class Pointer, class Integer>
Pointer fromMessageValue(Integer value) {
  return reinterpret_cast<Pointer>(value);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace qinghe::win32
