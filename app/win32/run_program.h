#pragma once

#include <windows.h>

namespace qinghe::win32 {

// The program: works out its folder and makes it the working directory, shows the main window
// and handles messages until no window is left. Gives the exit code: 0, or -1 when the main
// window cannot be created.
int runProgram(HINSTANCE instance);

// Ends the process at once with the exit code; open windows are not closed one by one.
[[noreturn]] void endProgram(int exitCode);

}  // namespace qinghe::win32
