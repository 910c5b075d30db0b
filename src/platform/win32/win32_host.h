// The process on Windows: the single-instance mutex, the other copy's window, its own paths.
#pragma once

#include "platform/host.h"
#include "platform/win32/handles.h"

namespace zebo::win32 {

class Win32Host : public Host {
 public:
  bool MutexExists(const std::string& name) override;
  bool CreateMutex(const std::string& name) override;
  void CloseMutex() override;
  bool BringWindowForward(const std::string& title) override;
  std::string ExecutablePath() override;
  std::string CurrentFolder() override;
  [[noreturn]] void ExitProcess(int code) override;

 private:
  Handle mutex_;  // held from start-up to exit
};

}  // namespace zebo::win32
