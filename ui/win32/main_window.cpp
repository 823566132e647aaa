#include "ui/win32/main_window.h"

#include <exception>
#include <span>

#include "generation/out_of_memory.h"
#include "report/fatal_messages.h"
#include "report/generate_command.h"
#include "report/pause_loop.h"
#include "ui/save_and_open_report.h"
#include "ui/ui_texts.h"
#include "ui/win32/about_window.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/count_box.h"
#include "ui/win32/label_drawing.h"
#include "ui/win32/message_dispatch.h"
#include "ui/win32/message_value.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/win32_report_save_port.h"
#include "ui/win32/window_procedure.h"

namespace qinghe::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"QingheKeygenMainWindow";
// A fixed single border with a title bar, the system menu and a close box only.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
};

// How each kind of the shared layout is made of Windows' standard controls. Labels are
// owner-drawn; SS_NOTIFY keeps a click on them from passing through to the window, so that a
// double-click on a label is not one on the free area.
ControlClass controlClass(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::label:
      return {L"STATIC", kChild | SS_OWNERDRAW | SS_NOTIFY, 0};
    case ControlKind::statusLabel:
      return {L"STATIC", kChild | SS_OWNERDRAW | SS_NOTIFY, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE};
    case ControlKind::dropDownList:
      return {L"COMBOBOX", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::countBox:
      return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::radioButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER, 0};
    case ControlKind::pushButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0};
  }
  return {L"STATIC", kChild, 0};
}

std::span<const std::string_view> itemsOf(ControlId id) {
  return id == ControlId::组合框1 ? lengthItems() : kindItems();
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, HICON icon, std::wstring programDirectory,
                       std::function<void(int)> endProgram)
    : instance_(instance),
      icon_(icon),
      programDirectory_(std::move(programDirectory)),
      endProgram_(std::move(endProgram)),
      scale_(ScreenScale::ofScreen()),
      font_(scale_) {
  loadSaveDialogSettings(通用对话框1);
}

MainWindow::~MainWindow() {
  if (hwnd_ != nullptr) {
    DestroyWindow(hwnd_);
  }
}

bool MainWindow::create() {
  // CS_DBLCLKS: a double-click on the free area opens the program's folder.
  if (!registerWindowClass<MainWindow>(instance_, icon_, kWindowClass, CS_DBLCLKS)) {
    return false;
  }
  const WindowSpec frame = mainWindowSpec();
  const int width = scale_.pixels(frame.outerWidth);
  const int height = scale_.pixels(frame.outerHeight);
  const POINT position = centredOnScreen(width, height);
  // Created hidden: the user sees it only after the default items are selected.
  CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, wideFromGbk(frame.title).c_str(), kWindowStyle,
                  position.x, position.y, width, height, nullptr, nullptr, instance_, this);
  if (hwnd_ == nullptr) {
    return false;
  }
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  SetFocus(control(ControlId::组合框1));
  return true;
}

bool MainWindow::createControls() {
  bool previousWasRadio = false;
  for (const ControlSpec& entry : mainWindowControls()) {
    const ControlClass kind = controlClass(entry.kind);
    DWORD style = kind.style;
    // Each control that takes the focus starts a group of its own, except that the two radio
    // buttons form one group, so that checking one unchecks the other.
    const bool isRadio = entry.kind == ControlKind::radioButton;
    if (entry.takesFocus && !(isRadio && previousWasRadio)) {
      style |= WS_GROUP;
    }
    previousWasRadio = isRadio;
    Rect area = scale_.rect(entry.rect);
    if (entry.kind == ControlKind::dropDownList) {
      area.height = scale_.pixels(kDroppedListHeight);  // the box with its list dropped down
    }
    HWND window =
        CreateWindowExW(kind.extendedStyle, kind.className, wideFromGbk(entry.text).c_str(), style,
                        area.left, area.top, area.width, area.height, hwnd_,
                        fromMessageValue<HMENU>(static_cast<INT_PTR>(controlDialogId(entry.id))),
                        instance_, nullptr);
    if (window == nullptr) {
      return false;
    }
    controls_.at(static_cast<std::size_t>(entry.id)) = window;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    if (entry.kind == ControlKind::dropDownList) {
      for (const std::string_view item : itemsOf(entry.id)) {
        SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideFromGbk(item).c_str()));
      }
      const LRESULT itemHeight = SendMessageW(window, CB_GETITEMHEIGHT, 0, 0);
      if (itemHeight > 0) {
        SendMessageW(window, CB_SETITEMHEIGHT, 0, itemHeight + kListItemExtraHeight);
      }
      SendMessageW(window, CB_SETCURSEL, 0, 0);
    } else if (entry.kind == ControlKind::countBox) {
      makeCountBox(window);
    }
  }
  SendMessageW(control(ControlId::单选框2), BM_SETCHECK, BST_CHECKED, 0);
  return true;
}

void MainWindow::selectDefaultItems() {
  SendMessageW(control(ControlId::组合框1), CB_SETCURSEL, kDefaultLengthIndex, 0);
  SendMessageW(control(ControlId::组合框2), CB_SETCURSEL, kDefaultKindIndex, 0);
}

LRESULT MainWindow::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      hwnd_ = hwnd;
      break;
    case WM_CREATE:
      if (!createControls()) {
        return -1;
      }
      selectDefaultItems();
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(wParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      // Only the free area gets this: the controls take their own clicks.
      shellOpen(programDirectory_);
      return 0;
    case WM_DRAWITEM: {
      const auto* item = fromMessageValue<const DRAWITEMSTRUCT*>(lParam);
      drawLabel(*item, item->hwndItem == control(ControlId::标签4), scale_.pixels(1));
      return TRUE;
    }
    case WM_DESTROY:
      closed_ = true;
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      controls_.fill(nullptr);
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void MainWindow::onCommand(int id) {
  if (id == controlDialogId(ControlId::按钮1)) {
    generate();
  } else if (id == controlDialogId(ControlId::按钮2)) {
    endProgram_(0);
  } else if (id == controlDialogId(ControlId::按钮3)) {
    showAboutWindow(instance_, icon_, scale_, font_);
  }
}

void MainWindow::generate() {
  try {
    GenerateCommand(random_, clock_).run(*this);
  } catch (const OutOfMemory& error) {
    endAfterFatalError(wideFromGbk(outOfMemoryMessage(error.bytes(), TextEncoding::gbk)));
  } catch (const std::exception& error) {
    // The secure random source failing: nothing can be generated; no exception may leave a
    // window procedure.
    endAfterFatalError(wideFromGbk(error.what()));
  }
}

void MainWindow::endAfterFatalError(const std::wstring& message) {
  MessageBoxW(hwnd_, message.c_str(), wideFromGbk(ui_texts::gbk::kFatalTitle).c_str(),
              MB_OK | MB_ICONERROR);
  endProgram_(-1);
}

void MainWindow::setStatusText(const GbkText& text) {
  HWND status = control(ControlId::标签4);
  if (status == nullptr) {
    return;
  }
  SetWindowTextW(status, wideFromGbk(text.bytes()).c_str());
  InvalidateRect(status, nullptr, TRUE);
}

void MainWindow::pauseWithEvents(std::int32_t milliseconds) {
  qinghe::pauseWithEvents(milliseconds, millisecondTick, [this] { drainMessages(hwnd_); });
}

GbkText MainWindow::lengthItemText() {
  HWND list = control(ControlId::组合框1);
  if (list == nullptr) {
    return {};
  }
  return itemText(lengthItems(), static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
}

GbkText MainWindow::kindItemText() {
  HWND list = control(ControlId::组合框2);
  if (list == nullptr) {
    return {};
  }
  return itemText(kindItems(), static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
}

GbkText MainWindow::countText() {
  HWND box = control(ControlId::编辑框1);
  if (box == nullptr) {
    return {};
  }
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return gbkFromWide(text);
}

bool MainWindow::isNumberedChecked() {
  HWND radio = control(ControlId::单选框2);
  return radio != nullptr && SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::saveAndOpenReport(std::string_view report) {
  if (closed_) {
    return;
  }
  Win32ReportSavePort port(通用对话框1, hwnd_, programDirectory_);
  qinghe::saveAndOpenReport(report, clock_, port);
}

}  // namespace qinghe::win32
