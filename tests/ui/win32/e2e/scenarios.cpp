#include "tests/ui/win32/e2e/scenarios.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "generation/password_kinds.h"
#include "generation/password_list_builder.h"
#include "generation/password_texts.h"
#include "report/report_builder.h"
#include "report/report_texts.h"
#include "report/text_values.h"
#include "ui/ui_texts.h"
#include "ui/win32/wide_text.h"

namespace qinghe::win32::e2e {

namespace {

std::wstring wide(std::string_view gbk) {
  return wideFromGbk(gbk);
}

// The local times seen while the program took its own readings: every second from the click to
// the moment the dialog showed the proposal.
class ClockWitness {
 public:
  void note() {
    const DateTime now = currentDateTime();
    seen_.emplace(narrow(wide(dateTimeToText(now).bytes())), now);
  }
  [[nodiscard]] std::vector<DateTime> moments() const {
    std::vector<DateTime> all;
    for (const auto& [text, moment] : seen_) {
      all.push_back(moment);
    }
    return all;
  }
  [[nodiscard]] bool saw(const std::wstring& dateTimeText) const {
    return seen_.count(narrow(dateTimeText)) != 0;
  }

 private:
  std::map<std::string, DateTime> seen_;
};

void waitForStatus(const ProgramUnderTest& program, std::string_view gbkStatus) {
  const std::wstring expected = wide(gbkStatus);
  expect(waitUntil([&] { return program.controlText(ControlId::标签4) == expected; }),
         "the status line never read " + narrow(expected) + "; it reads " +
             narrow(program.controlText(ControlId::标签4)));
}

// The save dialog of a run, once its name box holds the proposal.
struct SaveDialog {
  HWND window = nullptr;
  HWND nameBox = nullptr;
  std::wstring proposal;
};

SaveDialog waitForSaveDialog(const ProgramUnderTest& program, ClockWitness& clock) {
  SaveDialog dialog;
  expect(waitUntil([&] {
           clock.note();
           dialog.window = program.mainWindow() == nullptr
                               ? nullptr
                               : findOwnedDialog(program.mainWindow(), 0ms);
           return dialog.window != nullptr;
         }),
         "no save dialog appeared");
  // Confirming before the dialog has filled in its name box would be lost.
  expect(waitUntil([&] {
           for (HWND child : childWindows(dialog.window)) {
             if (className(child) == L"Edit" && windowText(child).rfind(L"key", 0) == 0) {
               dialog.nameBox = child;
               dialog.proposal = windowText(child);
               return true;
             }
           }
           return false;
         }),
         "the save dialog's name box never held a proposal");
  clock.note();
  return dialog;
}

void press(HWND dialog, int button) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// A run with the choices as they stand, up to the open save dialog.
SaveDialog startRun(const ProgramUnderTest& program, ClockWitness& clock) {
  clock.note();
  program.click(ControlId::按钮1);
  SaveDialog dialog = waitForSaveDialog(program, clock);
  expect(dialog.proposal.size() > 3 && clock.saw(dialog.proposal.substr(3)),
         "the proposal " + narrow(dialog.proposal) + " is not key + the time of the run");
  expect(program.controlText(ControlId::标签4) == wide(report_texts::gbk::kStatusGenerated),
         "while the dialog is open the status line should read 密码已经生成");
  return dialog;
}

HWND waitForViewer(const NewWindowWatch& watch, const std::wstring& shown,
                   std::chrono::milliseconds timeout = 15s) {
  HWND viewer = nullptr;
  waitUntil(
      [&] {
        for (HWND window : watch.newWindows()) {
          if (windowText(window).find(shown) != std::wstring::npos) {
            viewer = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  return viewer;
}

std::string newWindowTitles(const NewWindowWatch& watch) {
  std::string titles;
  for (HWND window : watch.newWindows()) {
    titles += " [" + narrow(className(window)) + ": " + narrow(windowText(window)) + "]";
  }
  return titles;
}

void expectNothingOpened(const NewWindowWatch& watch) {
  pause(2500ms);
  expect(watch.newWindows().empty(), "something was opened:" + newWindowTitles(watch));
}

void closeAndExpectExitCode0(const ProgramUnderTest& program) {
  PostMessageW(program.mainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD exitCode = 1;
  expect(program.waitForExit(exitCode), "the program did not end after its window was closed");
  expect(exitCode == 0, "exit code " + std::to_string(exitCode) + ", not 0");
}

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    expect(end != std::string_view::npos, "a line without its CR LF");
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return lines;
}

bool isPasswordOf(std::string_view password, std::size_t length, std::string_view alphabet) {
  return password.size() == length &&
         password.find_first_not_of(alphabet) == std::string_view::npos;
}

std::string_view defaultAlphabet() {
  const PasswordKind* kind = findPasswordKind(password_texts::gbk::kKindDigitsLetters);
  expect(kind != nullptr, "the core knows no kind 数字+字母");
  return kind->characters();
}

// The numbered report of the default choices: the header of this run's times, then 1000 lines
// "Id<n>", the gap, and 30 digits and letters between two marks.
void expectDefaultNumberedReport(const std::string& bytes, const ClockWitness& clock) {
  constexpr std::int32_t kCount = 1000;
  constexpr std::size_t kLength = 30;
  const std::uint64_t listSize =
      PasswordListBuilder::listSize(kLength, kCount, true, TextEncoding::gbk);
  expect(bytes.size() > listSize, "the file is shorter than the list alone");
  const std::string header = bytes.substr(0, bytes.size() - listSize);
  bool headerMatches = false;
  for (const DateTime start : clock.moments()) {
    for (const DateTime end : clock.moments()) {
      headerMatches = headerMatches || (start.days <= end.days &&
                                        ReportBuilder().buildHeader(start, end, kCount) == header);
    }
  }
  expect(headerMatches, "the header is not the one of this run: " + narrow(wide(header)));

  const std::vector<std::string_view> lines =
      linesOf(std::string_view(bytes).substr(header.size()));
  expect(lines.size() == kCount, "the list has " + std::to_string(lines.size()) + " lines");
  const std::string_view mark = password_texts::gbk::kPasswordMark;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    const std::string id = "Id" + std::to_string(i + 1);
    expect(line.substr(0, id.size()) == id, "line " + std::to_string(i + 1) + " has not its Id");
    line.remove_prefix(id.size());
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    expect(line.size() == kLength + 2 * mark.size() && line.substr(0, mark.size()) == mark &&
               line.substr(line.size() - mark.size()) == mark &&
               isPasswordOf(line.substr(mark.size(), kLength), kLength, defaultAlphabet()),
           "line " + std::to_string(i + 1) + " is not a marked password of 30 digits and letters");
  }
}

// ---------------------------------------------------------------------------------------------

void initialState(const Paths& paths) {
  ProgramUnderTest program(paths, L"initial");
  const HWND main = program.mainWindow();
  expect(program.controlText(ControlId::组合框1) == L"30", "组合框1 does not show 30");
  expect(program.controlText(ControlId::组合框2) == wide(password_texts::gbk::kKindDigitsLetters),
         "组合框2 does not show 数字+字母");
  expect(program.controlText(ControlId::编辑框1) == L"1000", "编辑框1 does not hold 1000");
  expect(SendMessageW(program.control(ControlId::单选框2), BM_GETCHECK, 0, 0) == BST_CHECKED &&
             SendMessageW(program.control(ControlId::单选框1), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
         "单选框2 should be checked and 单选框1 not");
  expect(program.controlText(ControlId::标签4).empty(), "标签4 is not empty");

  // The lists: 97 lengths ending in the empty item, the seven kinds; nothing can be typed.
  const HWND lengths = program.control(ControlId::组合框1);
  expect(SendMessageW(lengths, CB_GETCOUNT, 0, 0) == 97 &&
             SendMessageW(lengths, CB_GETLBTEXTLEN, 96, 0) == 0 &&
             SendMessageW(lengths, CB_GETLBTEXTLEN, 95, 0) == 3,
         "the length list is not 5 to 100 and the empty item");
  expect(SendMessageW(program.control(ControlId::组合框2), CB_GETCOUNT, 0, 0) == 7,
         "the kind list does not hold seven kinds");
  expect((GetWindowLongW(lengths, GWL_STYLE) & 3) == CBS_DROPDOWNLIST,
         "the length list can be typed into");

  // The window: 257 x 178, centred, fixed border, close box only, every control where the
  // layout puts it.
  RECT outer{};
  GetWindowRect(main, &outer);
  expect(outer.right - outer.left == 257 && outer.bottom - outer.top == 178,
         "the window is not 257 x 178");
  expect(outer.left == (GetSystemMetrics(SM_CXSCREEN) - 257) / 2 &&
             outer.top == (GetSystemMetrics(SM_CYSCREEN) - 178) / 2,
         "the window is not centred");
  const auto style = static_cast<DWORD>(GetWindowLongW(main, GWL_STYLE));
  expect(
      (style & WS_SYSMENU) != 0 && (style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
      "the window can be resized, minimized or maximized");
  for (const ControlSpec& entry : mainWindowControls()) {
    RECT area{};
    GetWindowRect(program.control(entry.id), &area);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&area), 2);
    const bool heightFixed = entry.kind != ControlKind::dropDownList;
    expect(area.left == entry.rect.left && area.top == entry.rect.top &&
               area.right - area.left == entry.rect.width &&
               (!heightFixed || area.bottom - area.top == entry.rect.height),
           std::string(entry.name) + " is not where the layout puts it");
  }
  expect((GetWindowLongW(program.control(ControlId::按钮1), GWL_STYLE) & BS_DEFPUSHBUTTON) == 0,
         "按钮1 is a default button");
  // Seen after the first paint.
  pause(500ms);
  saveScreenshot(main, paths.artifacts + L"\\main-window.bmp");
  closeAndExpectExitCode0(program);
}

// The default run in a folder whose name code page 936 cannot spell (Hangul) and which holds a
// character whose second byte is the backslash's.
void defaultRun(const Paths& paths) {
  ProgramUnderTest program(paths, L"默认乗한글");
  NewWindowWatch watch(program);
  ClockWitness clock;
  const SaveDialog dialog = startRun(program, clock);
  press(dialog.window, IDOK);
  waitForStatus(program, report_texts::gbk::kStatusAgain);

  const std::wstring name = dialog.proposal + L".txt";
  expect(program.filesBesideProgram() == std::vector<std::wstring>{name},
         "the program folder does not hold exactly " + narrow(name));
  expectDefaultNumberedReport(fileBytes(program.folder() + L"\\" + name), clock);
  const HWND viewer = waitForViewer(watch, dialog.proposal);
  expect(viewer != nullptr, "the saved file was not opened; new windows:" + newWindowTitles(watch));
  watch.closeNewWindows();
  closeAndExpectExitCode0(program);
}

void plainForm(const Paths& paths) {
  ProgramUnderTest program(paths, L"plain");
  program.click(ControlId::单选框1);
  expect(waitUntil([&] {
           return SendMessageW(program.control(ControlId::单选框2), BM_GETCHECK, 0, 0) ==
                  BST_UNCHECKED;
         }),
         "checking 单选框1 left 单选框2 checked");
  NewWindowWatch watch(program);
  ClockWitness clock;
  const SaveDialog dialog = startRun(program, clock);
  press(dialog.window, IDOK);
  waitForStatus(program, report_texts::gbk::kStatusAgain);

  const std::string bytes = fileBytes(program.folder() + L"\\" + dialog.proposal + L".txt");
  expect(bytes.size() == std::size_t{1000} * 32,
         "the plain list is " + std::to_string(bytes.size()) + " bytes");
  for (const std::string_view line : linesOf(bytes)) {
    expect(isPasswordOf(line, 30, defaultAlphabet()), "a plain line is not 30 digits and letters");
  }
  expect(waitForViewer(watch, dialog.proposal) != nullptr, "the saved file was not opened");
  watch.closeNewWindows();
  closeAndExpectExitCode0(program);
}

void cancelledDialog(const Paths& paths) {
  ProgramUnderTest program(paths, L"cancel");
  NewWindowWatch watch(program);
  ClockWitness clock;
  const SaveDialog dialog = startRun(program, clock);
  press(dialog.window, IDCANCEL);
  waitForStatus(program, report_texts::gbk::kStatusAgain);
  expect(program.filesBesideProgram().empty(), "a cancelled dialog left a file");
  expectNothingOpened(watch);
  closeAndExpectExitCode0(program);
}

// Confirms the dialog with name in the program folder and answers the replace question.
HWND confirmExistingName(const SaveDialog& dialog, const std::wstring& name) {
  SendMessageW(dialog.nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  press(dialog.window, IDOK);
  const HWND question = findOwnedDialog(dialog.window);
  expect(question != nullptr, "choosing an existing file asked nothing");
  press(question, IDYES);
  return question;
}

void replaceExisting(const Paths& paths) {
  ProgramUnderTest program(paths, L"replace");
  const std::wstring name = L"旧文件.txt";
  putFile(program.folder() + L"\\" + name, std::string(200000, 'X'));
  NewWindowWatch watch(program);
  ClockWitness clock;
  const SaveDialog dialog = startRun(program, clock);
  confirmExistingName(dialog, name);
  waitForStatus(program, report_texts::gbk::kStatusAgain);

  expectDefaultNumberedReport(fileBytes(program.folder() + L"\\" + name), clock);
  expect(program.filesBesideProgram() == std::vector<std::wstring>{name},
         "replacing left other files behind");
  expect(waitForViewer(watch, name) != nullptr, "the replaced file was not opened");
  watch.closeNewWindows();
  closeAndExpectExitCode0(program);
}

// A read-only file cannot be replaced: one message naming it, the dialog again, the old file as
// it was, no temporary file, nothing opened.
void failedSave(const Paths& paths) {
  ProgramUnderTest program(paths, L"failed");
  const std::wstring name = L"只读.txt";
  const std::wstring path = program.folder() + L"\\" + name;
  const std::string old = "the old batch\r\n";
  putFile(path, old);
  expect(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY) != FALSE,
         "cannot protect the file");
  NewWindowWatch watch(program);
  ClockWitness clock;
  const SaveDialog dialog = startRun(program, clock);
  confirmExistingName(dialog, name);

  const HWND message = findWindow([&](HWND window) {
    return GetWindow(window, GW_OWNER) == program.mainWindow() && className(window) == L"#32770" &&
           windowText(window) == wide(ui_texts::gbk::kSaveFailedTitle);
  });
  expect(message != nullptr, "no message told that the file could not be written");
  expect(messageBoxText(message).find(path) != std::wstring::npos,
         "the message does not name the path: " + narrow(messageBoxText(message)));
  press(message, IDOK);
  expect(waitUntil([&] { return IsWindow(message) == FALSE; }), "the message did not close");
  // The batch is not lost: the dialog comes again, with the proposal.
  const SaveDialog again = waitForSaveDialog(program, clock);
  press(again.window, IDCANCEL);
  waitForStatus(program, report_texts::gbk::kStatusAgain);

  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  expect(fileBytes(path) == old, "the old file was changed");
  expect(program.filesBesideProgram() == std::vector<std::wstring>{name},
         "a temporary file was left behind");
  expectNothingOpened(watch);
  closeAndExpectExitCode0(program);
}

// Tab walks the controls in the layout's order; Enter clicks no button; Esc closes.
void keyboard(const Paths& paths) {
  ProgramUnderTest program(paths, L"keyboard");
  const std::array order{ControlId::组合框1, ControlId::编辑框1, ControlId::组合框2,
                         ControlId::单选框1, ControlId::单选框2, ControlId::按钮1,
                         ControlId::按钮2,   ControlId::按钮3,   ControlId::组合框1};
  expect(waitUntil([&] { return program.focus() == program.control(order[0]); }),
         "the first focus is not on 组合框1");
  for (std::size_t i = 1; i < order.size(); ++i) {
    program.pressKey(program.focus(), VK_TAB);
    expect(waitUntil([&] { return program.focus() == program.control(order[i]); }, 3s),
           "Tab does not move on to " + std::string(controlSpec(order[i]).name));
  }
  // Round again to 按钮1: Enter there clicks nothing, as no button is a default button.
  for (std::size_t i = 1; i < order.size() && order[i] != ControlId::按钮2; ++i) {
    program.pressKey(program.focus(), VK_TAB);
    expect(waitUntil([&] { return program.focus() == program.control(order[i]); }, 3s),
           "Tab does not move on to " + std::string(controlSpec(order[i]).name));
  }
  program.pressKey(program.focus(), VK_RETURN);
  pause(1500ms);
  expect(findOwnedDialog(program.mainWindow(), 0ms) == nullptr &&
             program.controlText(ControlId::标签4).empty(),
         "Enter started a run");

  program.pressKey(program.focus(), VK_ESCAPE);
  DWORD exitCode = 1;
  expect(program.waitForExit(exitCode), "Esc did not close the window");
  expect(exitCode == 0, "Esc: exit code " + std::to_string(exitCode));
}

void closeBox(const Paths& paths) {
  ProgramUnderTest program(paths, L"close-box");
  closeAndExpectExitCode0(program);
}

void endButton(const Paths& paths) {
  ProgramUnderTest program(paths, L"end-button");
  program.click(ControlId::按钮2);
  DWORD exitCode = 1;
  expect(program.waitForExit(exitCode), "按钮2 did not end the program");
  expect(exitCode == 0, "按钮2: exit code " + std::to_string(exitCode));
}

HWND openAbout(const ProgramUnderTest& program) {
  program.click(ControlId::按钮3);
  const std::wstring title = wide(aboutWindowSpec().title);
  const HWND about = findWindow([&](HWND window) {
    return processOf(window) == program.processId() && windowText(window) == title;
  });
  expect(about != nullptr, "the about window did not open");
  return about;
}

HWND aboutTextBox(HWND about) {
  for (HWND child : childWindows(about)) {
    if (className(child) == L"Edit") {
      return child;
    }
  }
  throw ScenarioFailure{"the about window has no text box"};
}

void expectAboutText(HWND about) {
  const HWND box = aboutTextBox(about);
  expect(windowText(box) == wide(aboutText()), "the about text is not the usage notes");
  expect(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0) == 0,
         "the notes do not show from the first line");
  expect(IsWindowEnabled(box) == FALSE, "the text box is enabled");
  const auto style = static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE));
  expect((style & (ES_READONLY | ES_MULTILINE)) == (ES_READONLY | ES_MULTILINE) &&
             (style & (WS_VSCROLL | WS_HSCROLL | WS_TABSTOP)) == 0,
         "the text box is not a read-only multi-line box without scroll bars");
}

void aboutWindow(const Paths& paths) {
  ProgramUnderTest program(paths, L"about");
  const HWND about = openAbout(program);
  expect(IsWindowEnabled(program.mainWindow()) == FALSE, "the main window stays enabled");
  RECT outer{};
  GetWindowRect(about, &outer);
  expect(outer.right - outer.left == 368 && outer.bottom - outer.top == 249 &&
             outer.left == (GetSystemMetrics(SM_CXSCREEN) - 368) / 2,
         "the about window is not 368 x 249, centred");
  const auto style = static_cast<DWORD>(GetWindowLongW(about, GWL_STYLE));
  expect((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
         "the about window can be resized, minimized or maximized");
  expectAboutText(about);
  pause(500ms);
  saveScreenshot(about, paths.artifacts + L"\\about-window.bmp");

  // A real click on 按钮1 of the disabled main window does nothing.
  RECT button{};
  GetWindowRect(program.control(ControlId::按钮1), &button);
  clickAt({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  pause(1000ms);
  expect(findOwnedDialog(program.mainWindow(), 0ms) == nullptr &&
             program.controlText(ControlId::标签4).empty(),
         "a click on the main window started a run while the notes were open");

  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  expect(waitUntil([&] { return IsWindow(about) == FALSE; }), "the about window did not close");
  expect(IsWindowEnabled(program.mainWindow()) != FALSE, "the main window was not enabled again");
  // A second opening shows the same text from its first line again.
  const HWND second = openAbout(program);
  expectAboutText(second);
  PostMessageW(second, WM_SYSCOMMAND, SC_CLOSE, 0);
  expect(waitUntil([&] { return IsWindow(second) == FALSE; }), "the about window did not close");
  closeAndExpectExitCode0(program);
}

POINT screenPointOf(HWND main, POINT client) {
  ClientToScreen(main, &client);
  return client;
}

// Injected mouse input is now and then lost under Wine: an action whose effect can be seen is
// repeated a few times until it shows.
bool repeatUntil(const std::function<void()>& action, const std::function<bool()>& effect) {
  constexpr int kAttempts = 3;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    action();
    if (waitUntil(effect, 5s)) {
      return true;
    }
  }
  return false;
}

void doubleClicks(const Paths& paths) {
  ProgramUnderTest program(paths, L"双击");
  SetForegroundWindow(program.mainWindow());
  NewWindowWatch watch(program);

  // The free strip between the labels and the lists opens the program's folder.
  const std::wstring folderName = program.folder().substr(program.folder().rfind(L'\\') + 1);
  HWND folderWindow = nullptr;
  expect(repeatUntil(
             [&] {
               doubleClickAt(screenPointOf(program.mainWindow(), {88, 20}));
             },
             [&] { return (folderWindow = waitForViewer(watch, folderName, 0ms)) != nullptr; }),
         "a double-click on the free area did not open the folder; new windows:" +
             newWindowTitles(watch));
  PostMessageW(folderWindow, WM_CLOSE, 0, 0);
  expect(waitUntil([&] { return watch.newWindows().empty(); }), "the folder window stayed");

  // A label keeps its clicks: one that let them through (HTTRANSPARENT) would hand its
  // double-click to the window.
  for (const ControlSpec& entry : mainWindowControls()) {
    if (entry.kind == ControlKind::label || entry.kind == ControlKind::statusLabel) {
      const POINT inside = screenPointOf(
          program.mainWindow(),
          {entry.rect.left + entry.rect.width / 2, entry.rect.top + entry.rect.height / 2});
      expect(SendMessageW(program.control(entry.id), WM_NCHITTEST, 0,
                          MAKELPARAM(inside.x, inside.y)) == HTCLIENT,
             std::string(entry.name) + " lets its clicks through to the window");
    }
  }
  // And a real double-click on 标签1, with input shown to arrive just before, opens nothing.
  RECT radio{};
  GetWindowRect(program.control(ControlId::单选框1), &radio);
  expect(repeatUntil(
             [&] {
               clickAt({radio.left + 6, (radio.top + radio.bottom) / 2});
             },
             [&] {
               return SendMessageW(program.control(ControlId::单选框1), BM_GETCHECK, 0, 0) ==
                      BST_CHECKED;
             }),
         "real clicks do not reach the window");
  const Rect label = controlSpec(ControlId::标签1).rect;
  doubleClickAt(screenPointOf(program.mainWindow(),
                              {label.left + label.width / 2, label.top + label.height / 2}));
  expectNothingOpened(watch);
  closeAndExpectExitCode0(program);
}

void countBoxTyping(const Paths& paths) {
  ProgramUnderTest program(paths, L"typing");
  const HWND box = program.control(ControlId::编辑框1);
  struct Case {
    std::wstring typed;
    std::wstring shown;
  };
  const Case cases[] = {
      {L"a+. x", L""}, {L"12345678", L"1234567"}, {L"1-2", L"1-2"}, {L"--", L"--"},
      {L"9\b", L""},  // backspace still works
  };
  for (const Case& c : cases) {
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    program.typeCharacters(box, c.typed);
    expect(windowText(box) == c.shown, "typing " + narrow(c.typed) + " shows " +
                                           narrow(windowText(box)) + ", not " + narrow(c.shown));
  }
  // Pasted text is not filtered, only cut to seven characters.
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  expect(OpenClipboard(nullptr) != FALSE, "no clipboard");
  EmptyClipboard();
  const std::wstring pasted = L"abc.defgh";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  auto* text = static_cast<wchar_t*>(GlobalLock(memory));
  std::copy(pasted.c_str(), pasted.c_str() + pasted.size() + 1, text);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  program.typeCharacters(box, L"\x16");  // Ctrl+V
  expect(windowText(box) == L"abc.def", "pasting gave " + narrow(windowText(box)));
  closeAndExpectExitCode0(program);
}

// A close request queued behind the click is handled in the run's pause: the window goes, the
// run stops without touching it again, and the program ends normally.
void closedDuringPause(const Paths& paths) {
  ProgramUnderTest program(paths, L"close-in-pause");
  program.click(ControlId::按钮1);
  PostMessageW(program.mainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD exitCode = 1;
  expect(program.waitForExit(exitCode), "the program did not end");
  expect(exitCode == 0, "closing during the pause: exit code " + std::to_string(exitCode));
  expect(program.filesBesideProgram().empty(), "a file was written");
}

// A second click already queued runs a whole run inside the first one's pause, save dialog
// included; then the first run goes on to its own dialog. Queued behind both, a click on 单选框1
// is handled in those pauses too, so both runs read the plain form: the first one reads its
// choices only after the second has ended.
void nestedRuns(const Paths& paths) {
  ProgramUnderTest program(paths, L"nested");
  NewWindowWatch watch(program);
  program.click(ControlId::按钮1);
  program.click(ControlId::按钮1);
  program.click(ControlId::单选框1);
  ClockWitness clock;
  for (const std::wstring name : {L"inner.txt", L"outer.txt"}) {
    const SaveDialog dialog = waitForSaveDialog(program, clock);
    SendMessageW(dialog.nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    press(dialog.window, IDOK);
    expect(waitUntil([&] { return IsWindow(dialog.window) == FALSE; }), "the dialog stayed");
    expect(waitUntil([&] {
             const auto files = program.filesBesideProgram();
             return std::find(files.begin(), files.end(), name) != files.end();
           }),
           narrow(name) + " was not saved");
  }
  waitForStatus(program, report_texts::gbk::kStatusAgain);
  for (const std::wstring name : {L"inner.txt", L"outer.txt"}) {
    expect(fileBytes(program.folder() + L"\\" + name).size() == std::size_t{1000} * 32,
           narrow(name) + " is not the plain list: the run read its choices too early");
    expect(waitForViewer(watch, name) != nullptr, narrow(name) + " was not opened");
  }
  watch.closeNewWindows();
  closeAndExpectExitCode0(program);
}

int selectionFieldHeight(const ProgramUnderTest& program) {
  return static_cast<int>(SendMessageW(program.control(ControlId::组合框1), CB_GETITEMHEIGHT,
                                       static_cast<WPARAM>(-1), 0));
}

// On a 144-DPI screen the program, being DPI-aware, lays itself out one and a half times as
// large, instead of being drawn small or stretched blurred.
void highDpi(const Paths& paths) {
  constexpr DWORD kDpi = 144;
  const int fieldAt96Dpi = [&] {
    ProgramUnderTest program(paths, L"high-dpi");
    const int height = selectionFieldHeight(program);
    closeAndExpectExitCode0(program);
    return height;
  }();
  const auto setDpi = [](DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof(dpi));
  };
  setDpi(kDpi);
  struct Restore {
    std::function<void()> undo;
    ~Restore() { undo(); }
  } restore{[&] { setDpi(96); }};
  ProgramUnderTest program(paths, L"high-dpi");
  const auto scaled = [](int pixels) { return MulDiv(pixels, kDpi, 96); };
  RECT outer{};
  GetWindowRect(program.mainWindow(), &outer);
  // The text grows with the screen too: the list's box, sized by its font, grows as the layout
  // does, not more (a font scaled twice would be clipped by its controls).
  const int field = selectionFieldHeight(program);
  expect(field > fieldAt96Dpi && field <= scaled(fieldAt96Dpi) + 1,
         "the font is not scaled with the layout: the list's box is " + std::to_string(field) +
             " pixels at 144 DPI, " + std::to_string(fieldAt96Dpi) + " at 96");
  expect(outer.right - outer.left == scaled(257) && outer.bottom - outer.top == scaled(178),
         "the window is " + std::to_string(outer.right - outer.left) + " x " +
             std::to_string(outer.bottom - outer.top) + ", not scaled to the screen");
  const ControlSpec& button = controlSpec(ControlId::按钮3);
  RECT area{};
  GetWindowRect(program.control(button.id), &area);
  MapWindowPoints(nullptr, program.mainWindow(), reinterpret_cast<POINT*>(&area), 2);
  expect(
      area.left == scaled(button.rect.left) && area.right - area.left == scaled(button.rect.width),
      "按钮3 is not scaled with the window");
  pause(500ms);
  saveScreenshot(program.mainWindow(), paths.artifacts + L"\\main-window-144dpi.bmp");
  closeAndExpectExitCode0(program);
}

constexpr std::array kScenarios{
    Scenario{"initial_state", &initialState},
    Scenario{"default_run", &defaultRun},
    Scenario{"plain_form", &plainForm},
    Scenario{"cancelled_dialog", &cancelledDialog},
    Scenario{"replace_existing", &replaceExisting},
    Scenario{"failed_save", &failedSave},
    Scenario{"keyboard", &keyboard},
    Scenario{"close_box", &closeBox},
    Scenario{"end_button", &endButton},
    Scenario{"about_window", &aboutWindow},
    Scenario{"double_clicks", &doubleClicks},
    Scenario{"count_box_typing", &countBoxTyping},
    Scenario{"closed_during_pause", &closedDuringPause},
    Scenario{"nested_runs", &nestedRuns},
    Scenario{"high_dpi", &highDpi},
};

}  // namespace

std::span<const Scenario> scenarios() {
  return kScenarios;
}

}  // namespace qinghe::win32::e2e
