#include "app/cli/cli_run.h"

#include <variant>

#include "app/cli/cli_options.h"
#include "app/cli/cli_platform.h"
#include "app/cli/progress_bar.h"
#include "generation/out_of_memory.h"
#include "report/clock.h"
#include "report/fatal_messages.h"
#include "report/generate_report.h"

namespace qinghe::cli {

namespace {

constexpr std::string_view kProgramPrefix = "qinghe-keygen-cli：";

TextEncoding chooseEncoding(const CliOptions& options) {
  if (options.encoding) {
    return *options.encoding;
  }
  // A file or a pipe gets the desktop program's bytes; a terminal gets what it can show.
  if (!options.output && isStandardOutputTerminal()) {
    return terminalEncoding();
  }
  return TextEncoding::gbk;
}

int generate(const CliOptions& options) {
  const TextEncoding encoding = chooseEncoding(options);
  ProgressBar bar(!options.quiet && isStandardErrorTerminal());

  SecureRandomSource source;
  SystemClock clock;
  const RunChoices choices{options.length, options.count, options.kind, !options.plain};
  const ReportText report =
      generateReport(choices, source, clock, encoding, [&](std::int64_t done, std::int64_t total) {
        bar.update("生成", static_cast<std::uint64_t>(done), static_cast<std::uint64_t>(total));
      });

  const ByteProgress writeProgress = [&](std::uint64_t done, std::uint64_t total) {
    bar.update("写入", done, total);
  };
  if (options.output) {
    const auto failure = writeFileAtomically(*options.output, report.bytes(), writeProgress);
    bar.finish();
    if (failure) {
      writeStandardError(std::string(kProgramPrefix) + "无法写入 “" + failure->path + "”：" +
                         failure->reason + "\n");
      return kExitWriteFailed;
    }
    return kExitSuccess;
  }
  const auto failure = writeStandardOutput(report.bytes(), writeProgress);
  bar.finish();
  if (failure) {
    writeStandardError(std::string(kProgramPrefix) + "无法写到标准输出：" + *failure + "\n");
    return kExitWriteFailed;
  }
  return kExitSuccess;
}

}  // namespace

int runCli(std::span<const std::string_view> args) {
  prepareConsole();
  const auto parsed = parseCliOptions(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    writeStandardError(usage->message + "\n");
    return kExitUsage;
  }
  const auto& options = std::get<CliOptions>(parsed);
  if (options.action == Action::help) {
    return writeStandardOutput(helpText(), {}) ? kExitWriteFailed : kExitSuccess;
  }
  if (options.action == Action::version) {
    return writeStandardOutput(versionText(), {}) ? kExitWriteFailed : kExitSuccess;
  }
  try {
    return generate(options);
  } catch (const OutOfMemory& failure) {
    writeStandardError(std::string(kProgramPrefix) +
                       outOfMemoryMessage(failure.bytes(), TextEncoding::utf8) + "\n");
    return kExitOutOfMemory;
  }
}

}  // namespace qinghe::cli
