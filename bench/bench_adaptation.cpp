// Applying and removing an adaptation on large generated sources, beside a plain line scan of the
// same text: the engine must stay linear and within a small factor of reading the lines.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "adaptation/directives.h"
#include "adaptation/insertion.h"
#include "adaptation/script_scan.h"
#include "platform/fake/fake_files.h"
#include "tests/support/script_generator.h"

namespace {

using namespace zebo;

const std::string& Source(int64_t megabytes) {
  static std::map<int64_t, std::string> sources;
  auto& text = sources[megabytes];
  if (text.empty()) {
    text = testing::GenerateSource(7, static_cast<size_t>(megabytes) << 20, 10000).text;
  }
  return text;
}

const AdaptationState& Directives() {
  static const AdaptationState state = [] {
    fake::FakeFiles files;
    AdaptationState s;
    (void)ParseAdaptationFile(files, s, "C:\\S\\Bench.jss",
                              "; merge_tag Bench\n; merge_addbegin\n"
                              "; merge_replacescript BigScript NewBig ()\n"
                              "; merge_addendfunction Func10 MoreTen ()\n"
                              "; merge_addendfunction Func2000 MoreTwoThousand ()\n"
                              "; merge_replacefunction Func500 NewFiveHundred ()\n"
                              "; merge_addendscript Script300 MoreThreeHundred ()\n");
    return s;
  }();
  return state;
}

void BM_ApplyRemove(benchmark::State& bench) {
  const std::string& source = Source(bench.range(0));
  AdaptationState state;
  for (auto _ : bench) {
    state = Directives();
    state.ScriptText = source;
    RemoveAdaptations(state, state.AdaptationTag);
    InsertAdaptations(state);
    RemoveAdaptations(state, state.AdaptationTag);
    benchmark::DoNotOptimize(state.ScriptText.data());
  }
  // The removal gives back the source's lines (line feeds only, one empty line more at the end).
  if (SavedScriptBytes(state.ScriptText) != source + "\r\n") bench.SkipWithError("not given back");
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations()) *
                          static_cast<int64_t>(source.size()));
}

void BM_LineScan(benchmark::State& bench) {
  const std::string& source = Source(bench.range(0));
  for (auto _ : bench) {
    size_t lines = 0;
    const char* p = source.data();
    const char* end = p + source.size();
    while (p < end) {
      const void* hit = std::memchr(p, '\n', static_cast<size_t>(end - p));
      if (!hit) break;
      p = static_cast<const char*>(hit) + 1;
      ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations()) *
                          static_cast<int64_t>(source.size()));
}

BENCHMARK(BM_ApplyRemove)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineScan)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

// Collects the times of the run to print the two goals beside the usual table.
class GoalReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      real_[run.benchmark_name()] = run.GetAdjustedRealTime();
      cpu_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Both clocks: on a shared machine the wall clock also counts the time others ran.
  void Summary() const {
    for (const auto* times : {&real_, &cpu_}) {
      const char* clock = times == &real_ ? "real" : "cpu";
      // The median when the run was repeated, else the single figure.
      auto time = [times](const std::string& name) {
        const auto median = times->find(name + "_median");
        return median != times->end() ? median->second : times->at(name);
      };
      const double a4 = time("BM_ApplyRemove/4");
      const double a8 = time("BM_ApplyRemove/8");
      const double s8 = time("BM_LineScan/8");
      std::printf(
          "%s: 8 MB / 4 MB apply+remove time %.2f (goal <= 2.2); apply+remove / line scan "
          "throughput at 8 MB %.3f (goal >= 0.03)\n",
          clock, a8 / a4, s8 / a8);
    }
  }

 private:
  std::map<std::string, double> real_;
  std::map<std::string, double> cpu_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (benchmark::GetBenchmarkFilter() == ".*" || benchmark::GetBenchmarkFilter().empty()) {
    reporter.Summary();
  }
  benchmark::Shutdown();
  return 0;
}
