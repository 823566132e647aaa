// qinghe-keygen.exe: the Windows desktop program.
#include <windows.h>

#include "app/win32/run_program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  return qinghe::win32::runProgram(instance);
}
