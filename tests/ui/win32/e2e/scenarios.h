#pragma once

#include <span>
#include <string_view>

#include "tests/ui/win32/e2e/driver_support.h"

namespace qinghe::win32::e2e {

struct Scenario {
  std::string_view name;
  void (*run)(const Paths& paths);
};

// Every scenario the driver knows, each run by its own CTest test.
std::span<const Scenario> scenarios();

}  // namespace qinghe::win32::e2e
