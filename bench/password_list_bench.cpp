// Figures for the list and the report: throughput of the random characters, the time of the
// two batches the tool is measured by, and the peak memory of the largest one.
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <vector>

#include "generation/password_kinds.h"
#include "generation/password_list_builder.h"
#include "report/clock.h"
#include "report/generate_report.h"

namespace qinghe {
namespace {

const PasswordKind& kindNamed(std::string_view asciiName) {
  for (const auto& kind : passwordKinds()) {
    if (kind.asciiName == asciiName) {
      return kind;
    }
  }
  std::abort();
}

void BM_RandomCharacters(benchmark::State& state) {
  SecureRandomSource source;
  const PasswordKind& kind = kindNamed("digits+letters+symbols");
  std::vector<char> out(static_cast<std::size_t>(1) << 20U);
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
    source.fillFromCharacters(kind.characters(), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(out.size()));
}
BENCHMARK(BM_RandomCharacters);

void BM_PlainList_1M_x30_DigitsLetters(benchmark::State& state) {
  SecureRandomSource source;
  const PasswordKind& kind = kindNamed("digits+letters");
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
    const ReportText list =
        PasswordListBuilder(source).buildPasswordList(30, 1'000'000, &kind, false);
    benchmark::DoNotOptimize(list.bytes().data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 1'000'000);
}
BENCHMARK(BM_PlainList_1M_x30_DigitsLetters)->Unit(benchmark::kMillisecond);

// The largest batch the usage notes promise: a report of about 1.25 GB. Peak memory is the
// process's, so this runs last.
void BM_NumberedReport_9990000_x100_AllKinds(benchmark::State& state) {
  SecureRandomSource source;
  SystemClock clock;
  const RunChoices choices{100, 9'990'000, &kindNamed("digits+letters+symbols"), true};
  std::size_t reportBytes = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
    const ReportText report = generateReport(choices, source, clock);
    reportBytes = report.size();
    benchmark::DoNotOptimize(report.bytes().data());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
  state.counters["report_MB"] = static_cast<double>(reportBytes) / 1e6;
  state.counters["peak_MB"] = peakBytes / 1e6;
  state.counters["peak_per_report"] = peakBytes / static_cast<double>(reportBytes);
}
BENCHMARK(BM_NumberedReport_9990000_x100_AllKinds)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace qinghe

BENCHMARK_MAIN();
