// Deterministic stand-ins for every platform service, and one bundle that owns them all, for
// native tests. Each fake records what it was asked and answers from what the test set up.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
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

struct ShownMessage {
  std::string title;
  std::string text;
  MessageButtons buttons;
};

class FakeUi : public Ui {
 public:
  MessageAnswer MessageBox(const std::string& title, const std::string& text,
                           MessageButtons buttons, MessageIcon icon) override;
  // The window and its controls are not modelled yet: these answer as for an unknown control.
  UiFailure CreateMainWindow(const std::string&, int, int, std::span<const ControlSpec>) override {
    return UiFailure::None;
  }
  void ShowMainWindow() override {}
  void SetTitle(const std::string&) override {}
  std::string Title() override { return {}; }
  void SetStatusText(const std::string&) override {}
  ScreenPoint WindowOrigin() override { return {}; }
  bool ControlExists(int) override { return false; }
  void SetText(int, const std::string&) override {}
  std::string Text(int) override { return {}; }
  void SetEnabled(int, bool) override {}
  bool IsEnabled(int) override { return false; }
  void SetVisible(int, bool) override {}
  bool IsVisible(int) override { return false; }
  void SetFocus(int) override {}
  int FocusedControl() override { return 0; }
  void SetChecked(int, bool) override {}
  bool IsChecked(int) override { return false; }
  int AddItem(int, const std::string&, int) override { return -1; }
  void ClearItems(int) override {}
  int ItemCount(int) override { return 0; }
  std::string ItemText(int, int) override { return {}; }
  int ItemData(int, int) override { return 0; }
  void SelectItem(int, int) override {}
  int SelectedItem(int) override { return -1; }
  void SetItemChecked(int, int, bool) override {}
  bool IsItemChecked(int, int) override { return false; }
  void AppendLine(int, const std::string&) override {}
  int LineCount(int) override { return 0; }
  void RemoveFirstLine(int) override {}
  void ClearLines(int) override {}
  void SelectAllText(int) override {}
  void SetWordWrap(int, bool) override {}
  void SetShortcuts(std::span<const Shortcut>) override {}
  bool CreatePopupMenu(std::span<const MenuItemSpec>) override { return true; }
  void SetMenuItemText(int, const std::string&) override {}
  void SetMenuItemEnabled(int, bool) override {}
  int ShowPopupMenu(ScreenPoint) override { return 0; }
  std::string InputRequester(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::string FolderRequester(const std::string&, const std::string&) override { return {}; }
  UiEvent WaitEvent(int) override { return {}; }

  // Answers given in turn; when none is left, OK boxes answer Ok and Yes/No boxes answer No.
  std::deque<MessageAnswer> answers;
  std::vector<ShownMessage> messages;
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
