// Fakes of the registry, the shell and the processes: they answer from tables a test fills in and
// record what the program started, waited for and released.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace zebo::fake {

class FakeRegistry : public Registry {
 public:
  // Creates the key and its missing parents; subkeys enumerate in the order they were added.
  void AddKey(RegistryRoot root, const std::string& path);
  // Creates the key if needed and sets a string value.
  void SetString(RegistryRoot root, const std::string& path, const std::string& name,
                 const std::string& value);

  std::string EnumerateSubkey(RegistryRoot root, const std::string& keyPath,
                              uint32_t index) override;
  std::string ReadString(RegistryRoot root, const std::string& keyPath,
                         const std::string& valueName) override;

 private:
  struct Key {
    std::vector<std::string> subkeys;
    std::map<std::string, std::string> values;  // by lower-cased name
  };
  static std::string KeyName(RegistryRoot root, const std::string& path);
  std::map<std::string, Key> keys_;  // by lower-cased root and path
};

class FakeShell : public Shell {
 public:
  std::string SpecialFolderPath(SpecialFolder folder) override;
  bool OpenAddress(const std::string& address) override;

  std::map<SpecialFolder, std::string> folders;  // an absent folder is unknown
  std::vector<std::string> opened;
  bool canOpen = true;
};

// What a program does when the fake starts it.
struct FakeProgram {
  bool starts = true;
  bool endsInTime = true;  // within any wait limit
  uint32_t exitCode = 0;
  bool listed = false;            // appears in the process list while it runs (numbered by its run)
  std::function<void()> onStart;  // for instance: a kill tool ends a running process
};

struct FakeProcess {
  uint32_t id = 0;
  std::string exeName;
  std::string path;  // empty: the path cannot be read
};

struct StartedRun {
  std::string program;
  std::string arguments;
  std::string workingFolder;
  WindowMode mode;
  std::string commandLine;
  uint32_t run = 0;  // 0 when it did not start
};

class FakeProcesses : public Processes {
 public:
  // Test set-up.
  void SetProgram(const std::string& path, FakeProgram program);
  void AddProcess(uint32_t id, const std::string& path);  // named after the path's file part
  // Ends every listed process of this executable name, and the runs that started them.
  void EndProcesses(const std::string& exeName);

  WindowsVersionClass VersionClass() override { return versionClass; }
  std::vector<ProcessEntry> Snapshot() override;
  std::string ExecutablePath(uint32_t processId) override;
  uint32_t Start(const std::string& program, const std::string& arguments,
                 const std::string& workingFolder, WindowMode mode) override;
  bool Wait(uint32_t run, uint32_t milliseconds) override;
  uint32_t ExitCode(uint32_t run) override;
  void Release(uint32_t run) override;

  WindowsVersionClass versionClass = WindowsVersionClass::Nt6OrLater;
  std::vector<FakeProcess> running;
  std::vector<StartedRun> started;
  std::vector<uint32_t> waitLimits;
  std::vector<uint32_t> released;
  int snapshots = 0;

 private:
  std::map<std::string, FakeProgram> programs_;  // by lower-cased path
  struct Run {
    FakeProgram program;
    std::string exeName;
  };
  std::map<uint32_t, Run> runs_;
  uint32_t nextRun_ = 4000;
};

}  // namespace zebo::fake
