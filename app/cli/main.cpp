#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_platform.h"
#include "app/cli/cli_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = qinghe::cli::commandLineArguments(argc, argv);
  const std::vector<std::string_view> args(arguments.begin(), arguments.end());
  return qinghe::cli::runCli(args);
}
