// The platform of the author's tool: the host's files, and services it never uses that do nothing.
#pragma once

#include "platform/null_ui.h"
#include "platform/platform.h"

namespace zebo::pack {

class QuietClock : public Clock {
 public:
  LocalTime Now() override { return {}; }
  void Sleep(int) override {}
  uint64_t Ticks() override { return 0; }
};

class QuietSound : public Sound {
 public:
  bool Open() override { return false; }
  bool PlayWav(std::string_view) override { return false; }
};

// The tool has no window: every question reads as closed.
using QuietUi = NullUi;

class QuietHost : public Host {
 public:
  bool MutexExists(const std::string&) override { return false; }
  bool CreateMutex(const std::string&) override { return true; }
  void CloseMutex() override {}
  bool BringWindowForward(const std::string&) override { return false; }
  std::string ExecutablePath() override { return {}; }
  std::string CurrentFolder() override { return {}; }
  [[noreturn]] void ExitProcess(int code) override;
};

class QuietRegistry : public Registry {
 public:
  std::string EnumerateSubkey(RegistryRoot, const std::string&, uint32_t) override { return {}; }
  std::string ReadString(RegistryRoot, const std::string&, const std::string&) override {
    return {};
  }
};

class QuietShell : public Shell {
 public:
  std::string SpecialFolderPath(SpecialFolder) override { return {}; }
  bool OpenAddress(const std::string&) override { return false; }
};

class QuietProcesses : public Processes {
 public:
  WindowsVersionClass VersionClass() override { return WindowsVersionClass::Nt6OrLater; }
  std::vector<ProcessEntry> Snapshot() override { return {}; }
  std::string ExecutablePath(uint32_t) override { return {}; }
  uint32_t Start(const std::string&, const std::string&, const std::string&, WindowMode) override {
    return 0;
  }
  bool Wait(uint32_t, uint32_t) override { return false; }
  uint32_t ExitCode(uint32_t) override { return 0; }
  void Release(uint32_t) override {}
};

class QuietNetwork : public Network {
 public:
  bool Start() override { return false; }
  bool DownloadToFile(const std::string&, const std::string&) override { return false; }
};

// The files given, the other services quiet.
struct ToolPlatform {
  explicit ToolPlatform(Files& f)
      : platform{f, clock, sound, ui, host, registry, shell, processes, network} {}
  QuietClock clock;
  QuietSound sound;
  QuietUi ui;
  QuietHost host;
  QuietRegistry registry;
  QuietShell shell;
  QuietProcesses processes;
  QuietNetwork network;
  Platform platform;
};

}  // namespace zebo::pack
