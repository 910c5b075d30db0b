// Finding processes by executable name and marking the running JAWS in the destination list.
#include "jaws/running_process.h"

#include "core/cp1252.h"
#include "jaws/discovery.h"
#include "jaws/texts.h"

namespace zebo {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

uint32_t FindProcess(Processes& processes, JawsState& state, std::string_view name) {
  std::string wanted = LowerCase(TrimBlanks(name));
  if (wanted.empty()) return 0;
  if (wanted.front() != '{') wanted.insert(0, "{");
  if (wanted.back() != '}') wanted += '}';
  state.processList.clear();
  for (const auto& entry : processes.Snapshot()) {
    const size_t slash = entry.exeName.find_last_of("\\/");
    state.processList.push_back(
        {entry.id,
         LowerCase(slash == std::string::npos ? entry.exeName : entry.exeName.substr(slash + 1))});
  }
  for (const auto& process : state.processList) {
    if (wanted.find("{" + process.exeName + "}") != std::string::npos) return process.id;
  }
  return 0;
}

std::string ProcessFolder(Processes& processes, uint32_t processId) {
  if (processId == 0) return "";
  const std::string path = processes.ExecutablePath(processId);
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return "";
  return std::string(TrimBlanks(std::string_view(path).substr(0, slash + 1)));
}

void MarkRunningJaws(Processes& processes, JawsState& state, DestinationList& list) {
  const uint32_t jaws = FindProcess(processes, state, "jfw.exe");
  std::string folder = jaws == 0 ? "" : ProcessFolder(processes, jaws);
  if (folder.empty()) return;
  folder = AddTrailingBackslash(LowerCase(folder));
  for (auto& entry : list.entries) {
    if (LowerCase(entry.InstallPath) != folder) continue;
    state.RunningJawsVersion = std::to_string(entry.MajorVersion);
    entry.InUse = 1;
    entry.Label += texts::kRunningSuffix;
  }
}

}  // namespace zebo
