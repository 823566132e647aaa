#include "ui/win32/about_window.h"

#include "ui/win32/message_value.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_procedure.h"
#include "ui/window_layout.h"

namespace qinghe::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"QingheKeygenAboutWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// Read-only and disabled: no focus, no clicks, no keys, nothing to select; no scroll bars.
constexpr DWORD kTextBoxStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED | ES_LEFT | ES_MULTILINE |
                                ES_AUTOVSCROLL | ES_WANTRETURN | ES_READONLY;

BOOL CALLBACK collectWindow(HWND window, LPARAM collected) {
  fromMessageValue<std::vector<HWND>*>(collected)->push_back(window);
  return TRUE;
}

}  // namespace

void showAboutWindow(HINSTANCE instance, HICON icon, const ScreenScale& scale,
                     const GuiFont& font) {
  AboutWindow window(scale, font);
  if (window.create(instance, icon)) {
    window.runModal();
  }
}

AboutWindow::~AboutWindow() {
  if (hwnd_ != nullptr) {
    restoreOtherWindows();
    DestroyWindow(hwnd_);
  }
}

bool AboutWindow::create(HINSTANCE instance, HICON icon) {
  if (!registerWindowClass<AboutWindow>(instance, icon, kWindowClass, 0)) {
    return false;
  }
  const WindowSpec frame = aboutWindowSpec();
  const int width = scale_.pixels(frame.outerWidth);
  const int height = scale_.pixels(frame.outerHeight);
  const POINT position = centredOnScreen(width, height);
  CreateWindowExW(0, kWindowClass, wideFromGbk(frame.title).c_str(), kWindowStyle, position.x,
                  position.y, width, height, nullptr, nullptr, instance, this);
  return hwnd_ != nullptr;
}

bool AboutWindow::createTextBox() {
  const Rect area = scale_.rect(kAboutTextRect);
  HWND box = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, L"EDIT", nullptr,
                             kTextBoxStyle, area.left, area.top, area.width, area.height, hwnd_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  if (box == nullptr) {
    return false;
  }
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
  SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(box, wideFromGbk(aboutText()).c_str());
  // The insertion point before the first character: the text shows from its first line.
  SendMessageW(box, EM_SETSEL, 0, 0);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  return true;
}

void AboutWindow::disableOtherWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), &collectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    if (window == hwnd_ || GetParent(window) != nullptr || IsWindowVisible(window) == FALSE) {
      continue;
    }
    disabled_.emplace_back(window, IsWindowEnabled(window) != FALSE);
    EnableWindow(window, FALSE);
  }
}

void AboutWindow::restoreOtherWindows() {
  for (const auto& [window, wasEnabled] : disabled_) {
    if (IsWindow(window) != FALSE) {
      EnableWindow(window, wasEnabled ? TRUE : FALSE);
    }
  }
  disabled_.clear();
}

void AboutWindow::runModal() {
  disableOtherWindows();
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  MSG message{};
  while (!closed_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: the quit request is the outer loop's to see.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got == -1) {
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

LRESULT AboutWindow::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      hwnd_ = hwnd;
      break;
    case WM_CREATE:
      return createTextBox() ? 0 : -1;
    case WM_CTLCOLORSTATIC: {
      // The stored colours: black text on white, though the box is disabled and read-only.
      auto* dc = fromMessageValue<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_CLOSE:
      // Enabled again before this window goes, so that the main window gets the activation.
      restoreOtherWindows();
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      closed_ = true;
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace qinghe::win32
