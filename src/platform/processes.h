// Processes: the running ones by name and executable path, and programs the installer starts,
// waits for with a limit and reads the exit code of.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zebo {

// Older: 95, 98, ME, NT 3.51, NT 4. Nt5: 2000, XP, Server 2003. Nt6OrLater: Vista and anything
// later or unrecognised.
enum class WindowsVersionClass { Older, Nt5, Nt6OrLater };

struct ProcessEntry {
  uint32_t id = 0;
  std::string exeName;  // the executable's file name as the system gives it, no folder part
};

enum class WindowMode { Hidden, Shown };

class Processes {
 public:
  virtual ~Processes() = default;
  virtual WindowsVersionClass VersionClass() = 0;
  // The running processes in the order the system lists them; empty on older systems.
  virtual std::vector<ProcessEntry> Snapshot() = 0;
  // The full path of a process's executable, or an empty text when it cannot be read.
  virtual std::string ExecutablePath(uint32_t processId) = 0;
  // Starts `program` (never through a command shell) with the command line made of the quoted
  // program path, and, when `arguments` is not empty, one blank and `arguments`. An empty working
  // folder means the current one. Hidden runs get no window and no console. Returns a nonzero
  // number that identifies the run (the process number), or 0 when it could not be started.
  virtual uint32_t Start(const std::string& program, const std::string& arguments,
                         const std::string& workingFolder, WindowMode mode) = 0;
  // True when the run ended within `milliseconds`.
  [[nodiscard]] virtual bool Wait(uint32_t run, uint32_t milliseconds) = 0;
  // The run's exit code as the system reports it now (259, STILL_ACTIVE, while it runs).
  virtual uint32_t ExitCode(uint32_t run) = 0;
  // Forgets the run; a program still running goes on running.
  virtual void Release(uint32_t run) = 0;
};

// The quoted program path, then one blank and the arguments when there are any.
std::string CommandLine(const std::string& program, const std::string& arguments);

}  // namespace zebo
