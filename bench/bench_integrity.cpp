// The cost of the integrity check on a 64 MB package: the scan of an installer with the record
// against the same scan without it, a plain read of the file, and SHA-256 over bytes in memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

#include "core/core.h"
#include "core/sha256.h"
#include "package/package_reader.h"
#include "platform/host/host_files.h"
#include "tools/zebo-pack/package_writer.h"
#include "tools/zebo-pack/tool_platform.h"

namespace {

constexpr size_t kPackageBytes = 64 * 1024 * 1024;
constexpr int kRecords = 64;

std::string Installer(bool integrity) {
  std::mt19937 random(3);
  std::vector<zebo::pack::PackEntry> entries;
  for (int i = 0; i < kRecords; ++i) {
    zebo::pack::PackEntry e;
    e.record.Name = "File" + std::to_string(i) + ".bin";
    e.record.TargetPath = "%JawsScriptPath%\\";
    e.record.Group = i % 2;
    e.content.resize(kPackageBytes / kRecords);
    for (char& c : e.content) c = static_cast<char>(random());
    entries.push_back(std::move(e));
  }
  zebo::PackageInfo info;
  info.ApplicationName = "Bench";
  return zebo::pack::JoinInstaller(
      std::string(256 * 1024, 'P'),
      zebo::pack::WritePackage(info, {"2019", "11.0"}, entries, nullptr, integrity));
}

const std::string& InstallerPath(bool integrity) {
  static std::map<bool, std::string> paths;
  auto& path = paths[integrity];
  if (path.empty()) {
    path = (std::filesystem::temp_directory_path() /
            (integrity ? "zebo-bench-integrity.exe" : "zebo-bench-plain.exe"))
               .string();
    zebo::host::HostFiles files;
    if (!files.WriteFile(path, Installer(integrity))) std::abort();
  }
  return path;
}

void Scan(benchmark::State& state, bool integrity) {
  zebo::host::HostFiles files;
  zebo::pack::ToolPlatform tool(files);
  const std::string& path = InstallerPath(integrity);
  for (auto _ : state) {
    zebo::Core core(tool.platform);
    zebo::PackageState package;
    if (!zebo::ScanPackage(core, package, path) ||
        (package.integrity == zebo::IntegrityStatus::Matches) != integrity) {
      state.SkipWithError("the scan failed");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kPackageBytes));
}

void BM_ScanWithoutRecord(benchmark::State& state) {
  Scan(state, false);
}
void BM_ScanWithRecord(benchmark::State& state) {
  Scan(state, true);
}

void BM_PlainRead(benchmark::State& state) {
  zebo::host::HostFiles files;
  std::vector<char> buffer(256 * 1024);
  for (auto _ : state) {
    auto reader = files.OpenRead(InstallerPath(true));
    int64_t total = 0;
    for (int64_t got; (got = reader->Read(buffer.data(), static_cast<int64_t>(buffer.size()))) > 0;)
      total += got;
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kPackageBytes));
}

void BM_Sha256InMemory(benchmark::State& state) {
  const std::string bytes(kPackageBytes, 'x');
  for (auto _ : state) benchmark::DoNotOptimize(zebo::Sha256Of(bytes));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kPackageBytes));
}

BENCHMARK(BM_ScanWithoutRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanWithRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sha256InMemory)->Unit(benchmark::kMillisecond);

// Prints what the check adds to the scan, and the check against a plain read of the file.
class CostReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // Processor time: the machine's other work does not count.
    for (const Run& run : runs) {
      // With repetitions, the mean stands for the benchmark.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean") continue;
      times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double without = times_["BM_ScanWithoutRecord"], with = times_["BM_ScanWithRecord"];
    const double read = times_["BM_PlainRead"], hash = times_["BM_Sha256InMemory"];
    if (without > 0 && with > 0 && read > 0 && hash > 0) {
      std::printf(
          "64 MB package: scan %.1f ms without the record, %.1f ms with it; the check "
          "costs %.1f ms (SHA-256 alone %.1f ms), %.2f times a plain read of the file\n",
          without, with, with - without, hash, (with - without) / read);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  CostReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::filesystem::remove(InstallerPath(false));
  std::filesystem::remove(InstallerPath(true));
  benchmark::Shutdown();
  return 0;
}
