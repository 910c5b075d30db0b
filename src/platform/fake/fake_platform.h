// Deterministic stand-ins for every platform service, and one bundle that owns them all, for
// native tests. Each fake records what it was asked and answers from what the test set up.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"
#include "platform/platform.h"

namespace zebo::fake {

// Thrown by FakeHost::ExitProcess so a test can watch the program end without ending itself.
struct ProgramExited {
  int code;
};

class FakeClock : public Clock {
 public:
  LocalTime Now() override { return now; }
  void Sleep(int milliseconds) override {
    sleeps.push_back(milliseconds);
    ticks += static_cast<uint64_t>(milliseconds > 0 ? milliseconds : 0);
  }
  uint64_t Ticks() override { return ticks; }

  LocalTime now{2026, 12, 11, 10, 30, 0};
  uint64_t ticks = 0;
  std::vector<int> sleeps;
};

class FakeSound : public Sound {
 public:
  bool Open() override {
    ++opens;
    return canOpen;
  }
  bool PlayWav(std::string_view wav) override {
    if (!canPlay) return false;
    played.emplace_back(wav);
    return true;
  }
  bool canOpen = true;
  bool canPlay = true;
  int opens = 0;
  std::vector<std::string> played;
};

class FakeHost : public Host {
 public:
  bool MutexExists(const std::string& name) override;
  bool CreateMutex(const std::string& name) override;
  void CloseMutex() override { mutexClosed = true; }
  bool BringWindowForward(const std::string& title) override;
  std::string ExecutablePath() override { return executablePath; }
  std::string CurrentFolder() override { return currentFolder; }
  [[noreturn]] void ExitProcess(int code) override { throw ProgramExited{code}; }

  std::vector<std::string> existingMutexes;
  std::vector<std::string> createdMutexes;
  bool canCreateMutex = true;
  bool mutexClosed = false;
  std::vector<std::string> windowTitles;    // top-level windows of other programs
  std::vector<std::string> broughtForward;  // titles of the windows brought forward
  std::string executablePath = "C:\\Downloads\\Setup.exe";
  std::string currentFolder = "C:\\Downloads";
};

// Owns one of each fake and lends them out as a Platform.
struct FakePlatform {
  FakeFiles files;
  FakeClock clock;
  FakeSound sound;
  FakeUi ui;
  FakeHost host;
  FakeRegistry registry;
  FakeShell shell;
  FakeProcesses processes;
  FakeNetwork network{files};
  Platform platform{files, clock, sound, ui, host, registry, shell, processes, network};
};

}  // namespace zebo::fake
