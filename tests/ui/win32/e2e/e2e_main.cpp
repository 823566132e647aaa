// qh_win32_e2e.exe SCENARIO PROGRAM WORK_FOLDER ARTIFACT_FOLDER
// Drives qinghe-keygen.exe through one scenario; exit code 0 when every expectation held.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "tests/ui/win32/e2e/scenarios.h"

int wmain(int argc, wchar_t** argv) {
  using namespace qinghe::win32::e2e;
  if (argc != 5) {
    std::fputs("usage: qh_win32_e2e SCENARIO PROGRAM WORK_FOLDER ARTIFACT_FOLDER\n", stderr);
    return 2;
  }
  const std::string name = narrow(argv[1]);
  const Paths paths{windowsPath(argv[2]), windowsPath(argv[3]), windowsPath(argv[4])};
  for (const Scenario& scenario : scenarios()) {
    if (scenario.name != name) {
      continue;
    }
    try {
      scenario.run(paths);
      std::printf("scenario %s: passed\n", name.c_str());
      return 0;
    } catch (const ScenarioFailure& failure) {
      std::printf("scenario %s: FAILED: %s\n", name.c_str(), failure.message.c_str());
    } catch (const std::exception& error) {
      std::printf("scenario %s: FAILED with an exception: %s\n", name.c_str(), error.what());
    }
    return 1;
  }
  std::printf("no scenario named %s\n", name.c_str());
  return 2;
}
