// The process as the operating system sees it: single instance, own executable, working folder.
#pragma once

#include <string>

// <windows.h> renames these to their A/W forms; the methods below keep the program's names.
#undef CreateMutex

namespace zebo {

class Host {
 public:
  virtual ~Host() = default;
  // True when a mutex of this name already exists (another copy runs).
  virtual bool MutexExists(const std::string& name) = 0;
  // Creates the named mutex, owned by this process until it ends. False when it cannot.
  [[nodiscard]] virtual bool CreateMutex(const std::string& name) = 0;
  // Releases and closes the mutex this process created, if any.
  virtual void CloseMutex() {}
  // Finds a top-level window whose title is exactly `title`; hides, minimises, then restores it.
  // False when there is none.
  virtual bool BringWindowForward(const std::string& title) = 0;
  virtual std::string ExecutablePath() = 0;
  virtual std::string CurrentFolder() = 0;
  // Ends the process with this exit code; does not return.
  [[noreturn]] virtual void ExitProcess(int code) = 0;
};

}  // namespace zebo
