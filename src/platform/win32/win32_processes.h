// Processes on Windows: the Toolhelp snapshot, executable paths, and programs started directly.
#pragma once

#include <map>

#include "platform/processes.h"
#include "platform/win32/handles.h"

namespace zebo::win32 {

class Win32Processes : public Processes {
 public:
  WindowsVersionClass VersionClass() override;
  std::vector<ProcessEntry> Snapshot() override;
  std::string ExecutablePath(uint32_t processId) override;
  uint32_t Start(const std::string& program, const std::string& arguments,
                 const std::string& workingFolder, WindowMode mode) override;
  bool Wait(uint32_t run, uint32_t milliseconds) override;
  uint32_t ExitCode(uint32_t run) override;
  void Release(uint32_t run) override;

 private:
  std::map<uint32_t, Handle> runs_;  // process handles of the started runs, by process number
};

}  // namespace zebo::win32
