#include <string_view>
#include <vector>

#include "app/cli/cli_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return qinghe::cli::runCli(args);
}
