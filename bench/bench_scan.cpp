// ScanPackage on an installer with 16 MB of program bytes before the marker and 2,000 records
// after it, beside a plain buffered read of those 16 MB from the same file. The goal: the scan
// takes at most twice the read's time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

#include "core/core.h"
#include "package/package_reader.h"
#include "package/package_stream.h"
#include "platform/host/host_files.h"
#include "tools/zebo-pack/package_writer.h"
#include "tools/zebo-pack/tool_platform.h"

namespace {

constexpr size_t kProgramBytes = 16 * 1024 * 1024;
constexpr int kRecords = 2000;

// Bytes shaped like a program: runs of zeros, code-like noise, and text with line ends.
std::string ProgramBytes() {
  std::mt19937 random(1);
  std::string bytes;
  bytes.reserve(kProgramBytes);
  while (bytes.size() < kProgramBytes) {
    switch (random() % 3) {
      case 0:
        bytes.append(random() % 512, '\0');
        break;
      case 1:
        for (int i = random() % 2048; i > 0; --i) bytes.push_back(static_cast<char>(random()));
        break;
      default:
        bytes += "Some resource text <([ with a line end\r\n";
        break;
    }
  }
  bytes.resize(kProgramBytes);
  return bytes;
}

const std::string& InstallerPath() {
  static const std::string path = [] {
    std::vector<zebo::pack::PackEntry> entries;
    for (int i = 0; i < kRecords; ++i) {
      zebo::pack::PackEntry e;
      e.record.Name = "Script" + std::to_string(i) + ".jss";
      e.record.TargetPath = "%JawsScriptPath%\\";
      e.record.Group = i % 2;
      e.content = std::string(200 + i % 300, static_cast<char>('a' + i % 26));
      entries.push_back(std::move(e));
    }
    zebo::PackageInfo info;
    info.ApplicationName = "Bench";
    info.ScriptName = "Bench";
    const std::string installer = zebo::pack::JoinInstaller(
        ProgramBytes(), zebo::pack::WritePackage(info, {"2019", "11.0"}, entries, nullptr));
    const std::string file =
        (std::filesystem::temp_directory_path() / "zebo-bench-scan.exe").string();
    zebo::host::HostFiles files;
    if (!files.WriteFile(file, installer)) std::abort();
    return file;
  }();
  return path;
}

void BM_PlainRead16MB(benchmark::State& state) {
  zebo::host::HostFiles files;
  std::vector<char> buffer(64 * 1024);
  for (auto _ : state) {
    auto reader = files.OpenRead(InstallerPath());
    int64_t total = 0;
    while (total < static_cast<int64_t>(kProgramBytes)) {
      const int64_t got = reader->Read(buffer.data(), static_cast<int64_t>(buffer.size()));
      if (got <= 0) break;
      total += got;
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kProgramBytes));
}

void BM_ScanPackage(benchmark::State& state) {
  zebo::host::HostFiles files;
  zebo::pack::ToolPlatform tool(files);
  for (auto _ : state) {
    zebo::Core core(tool.platform);
    zebo::PackageState package;
    if (!zebo::ScanPackage(core, package, InstallerPath()) ||
        package.files.size() != static_cast<size_t>(kRecords)) {
      state.SkipWithError("the scan failed");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kProgramBytes));
}

// The marker search alone: the part of the scan that walks the 16 MB.
void BM_FindMarkerLine(benchmark::State& state) {
  zebo::host::HostFiles files;
  const std::string marker = zebo::JoinPackageMarker();
  for (auto _ : state) {
    auto reader = files.OpenRead(InstallerPath());
    zebo::PackageStream in(*reader);
    if (!in.FindMarkerLine(marker)) {
      state.SkipWithError("no marker");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kProgramBytes));
}

BENCHMARK(BM_PlainRead16MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindMarkerLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanPackage)->Unit(benchmark::kMillisecond);

// Prints the scan's time as a multiple of the read's once both have run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (!run.aggregate_name.empty() && run.aggregate_name != "median") continue;
      times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto read = times_.find("BM_PlainRead16MB");
    const auto scan = times_.find("BM_ScanPackage");
    if (read != times_.end() && scan != times_.end() && read->second.first > 0 &&
        read->second.second > 0) {
      std::printf("scan / read = %.2f in real time, %.2f in CPU time (goal: at most 2)\n",
                  scan->second.first / read->second.first,
                  scan->second.second / read->second.second);
    }
  }

 private:
  std::map<std::string, std::pair<double, double>> times_;  // real, CPU
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::filesystem::remove(InstallerPath());
  benchmark::Shutdown();
  return 0;
}
