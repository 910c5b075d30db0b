// The registry, shell and process fakes' behaviour.
#include "platform/fake/fake_system.h"

#include <algorithm>

#include "core/cp1252.h"

namespace zebo::fake {

namespace {

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string FakeRegistry::KeyName(RegistryRoot root, const std::string& path) {
  std::string p = path;
  while (!p.empty() && p.back() == '\\') p.pop_back();
  return (root == RegistryRoot::LocalMachine ? "hklm\\" : "hkcu\\") + LowerCase(p);
}

void FakeRegistry::AddKey(RegistryRoot root, const std::string& path) {
  std::string p = path;
  while (!p.empty() && p.back() == '\\') p.pop_back();
  if (keys_.count(KeyName(root, p)) != 0) return;
  keys_[KeyName(root, p)];
  const size_t slash = p.rfind('\\');
  if (slash == std::string::npos) return;
  const std::string parent = p.substr(0, slash);
  AddKey(root, parent);
  keys_[KeyName(root, parent)].subkeys.push_back(p.substr(slash + 1));
}

void FakeRegistry::SetString(RegistryRoot root, const std::string& path, const std::string& name,
                             const std::string& value) {
  AddKey(root, path);
  keys_[KeyName(root, path)].values[LowerCase(name)] = value;
}

std::string FakeRegistry::EnumerateSubkey(RegistryRoot root, const std::string& keyPath,
                                          uint32_t index) {
  const auto key = keys_.find(KeyName(root, keyPath));
  if (key == keys_.end() || index >= key->second.subkeys.size()) return "";
  return key->second.subkeys[index];
}

std::string FakeRegistry::ReadString(RegistryRoot root, const std::string& keyPath,
                                     const std::string& valueName) {
  const auto key = keys_.find(KeyName(root, keyPath));
  if (key == keys_.end()) return "";
  const auto value = key->second.values.find(LowerCase(valueName));
  return value == key->second.values.end() ? "" : value->second;
}

std::string FakeShell::SpecialFolderPath(SpecialFolder folder) {
  const auto found = folders.find(folder);
  return found == folders.end() ? "" : found->second;
}

bool FakeShell::OpenAddress(const std::string& address) {
  if (!canOpen) return false;
  opened.push_back(address);
  return true;
}

void FakeProcesses::SetProgram(const std::string& path, FakeProgram program) {
  programs_[LowerCase(path)] = std::move(program);
}

void FakeProcesses::AddProcess(uint32_t id, const std::string& path) {
  running.push_back({id, FileName(path), path});
}

void FakeProcesses::EndProcesses(const std::string& exeName) {
  const std::string name = LowerCase(exeName);
  std::erase_if(running, [&](const FakeProcess& p) { return LowerCase(p.exeName) == name; });
  for (auto& [id, run] : runs_) {
    if (LowerCase(run.exeName) != name) continue;
    run.program.endsInTime = true;
    run.program.exitCode = 0;
  }
}

std::vector<ProcessEntry> FakeProcesses::Snapshot() {
  ++snapshots;
  std::vector<ProcessEntry> list;
  if (versionClass == WindowsVersionClass::Older) return list;
  for (const auto& p : running) list.push_back({p.id, p.exeName});
  return list;
}

std::string FakeProcesses::ExecutablePath(uint32_t processId) {
  if (versionClass == WindowsVersionClass::Older) return "";
  for (const auto& p : running) {
    if (p.id == processId) return p.path;
  }
  return "";
}

uint32_t FakeProcesses::Start(const std::string& program, const std::string& arguments,
                              const std::string& workingFolder, WindowMode mode) {
  StartedRun record{program, arguments, workingFolder, mode, CommandLine(program, arguments), 0};
  const auto found = programs_.find(LowerCase(program));
  if (found != programs_.end() && found->second.starts) {
    record.run = nextRun_++;
    runs_[record.run] = {found->second, FileName(program)};
    if (found->second.listed) AddProcess(record.run, program);
    if (found->second.onStart) found->second.onStart();
  }
  started.push_back(record);
  return record.run;
}

bool FakeProcesses::Wait(uint32_t run, uint32_t milliseconds) {
  waitLimits.push_back(milliseconds);
  const auto found = runs_.find(run);
  return found != runs_.end() && found->second.program.endsInTime;
}

uint32_t FakeProcesses::ExitCode(uint32_t run) {
  const auto found = runs_.find(run);
  if (found == runs_.end()) return 0;
  return found->second.program.endsInTime ? found->second.program.exitCode : 259;
}

void FakeProcesses::Release(uint32_t run) {
  released.push_back(run);
  runs_.erase(run);
}

}  // namespace zebo::fake
