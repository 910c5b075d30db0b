// The JAWS environment on the real system: the registry, shell and process contract, then
// discovery, the running JAWS, the compiler and the restart against the stand-ins that
// scripts/jaws-prefix.sh installs into the Wine prefix.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/cp1252.h"
#include "jaws/compiler.h"
#include "jaws/jaws_startup.h"
#include "jaws/restart.h"
#include "jaws/running_process.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/win32_network.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_ui.h"
#include "platform/win32/windows_api.h"
#include "tests/contract/system_contract.h"

namespace zebo {
namespace {

std::string OwnFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::string text = win32::Narrow(std::wstring_view(path, n));
  return text.substr(0, text.rfind('\\') + 1);
}

std::string TempFolder(const std::string& name) {
  wchar_t temp[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH + 1, temp);
  const std::string folder = win32::Narrow(temp) + name + "\\";
  ::CreateDirectoryW(win32::Widen(folder).c_str(), nullptr);
  return folder;
}

bool WriteText(const std::string& path, const std::string& text) {
  win32::Win32Files files;
  return files.WriteFile(path, text);
}

}  // namespace

namespace contract {

SystemUnderTest MakeSystemUnderTest() {
  static win32::Win32Registry registry;
  static win32::Win32Shell shell;
  static win32::Win32Processes processes;
  SystemUnderTest s;
  s.registry = &registry;
  s.shell = &shell;
  s.processes = &processes;
  s.registryKey = "SOFTWARE\\ZeBo Contract";
  const std::wstring key = win32::Widen(s.registryKey);
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
  for (const wchar_t* sub : {L"\\First", L"\\Second"}) {
    HKEY made = nullptr;
    ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (key + sub).c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &made, nullptr);
    if (made == nullptr) continue;
    if (std::wstring(sub) == L"\\Second") {
      const std::wstring value = win32::Widen("C:\\Jaws \xE9t\xE9\\");
      ::RegSetValueExW(made, L"Target", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(made);
  }
  const std::string folder = OwnFolder();
  const std::string broken = TempFolder("zebo contract") + "Broken Script.jss";
  WriteText(broken, "Script Open ()\r\n");
  s.endingProgram = folder + "scompile.exe";
  s.endingArguments = "\"" + broken + "\"";
  s.stayingProgram = folder + "jfw.exe";
  s.stopProgram = folder + "JfwKill.exe";
  s.missingProgram = folder + "missing.exe";
  return s;
}

}  // namespace contract

namespace {

const std::string kPrograms = "C:\\Program Files\\Freedom Scientific\\";
const std::string kJaws2019 = kPrograms + "JAWS\\2019\\";

class JawsOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(
        registry
            .EnumerateSubkey(RegistryRoot::LocalMachine, "SOFTWARE\\Freedom Scientific\\JAWS", 0)
            .empty())
        << "the prefix has no JAWS: run scripts/jaws-prefix.sh";
    ReadPlaceholderFolders(core, state);
    BuildDestinationList(core, state, list);
  }
  // No stand-in may outlive the test: a Wine child keeps the test runner's output open.
  void TearDown() override {
    EndJaws();
    for (int i = 0; i < 100 && FindProcess(processes, state, "scompile.exe") != 0; ++i)
      ::Sleep(100);
  }

  // Starts the stand-in JAWS of a program folder and waits until it is ready.
  uint32_t StartJaws(const std::string& folder) {
    const uint32_t run = processes.Start(folder + "jfw.exe", "", "", WindowMode::Shown);
    for (int i = 0; i < 100 && ::FindWindowW(L"ZeBoJawsStandIn", nullptr) == nullptr; ++i) {
      ::Sleep(50);
    }
    processes.Release(run);
    return run;
  }
  void EndJaws() {
    const uint32_t run =
        processes.Start(kPrograms + "RunTime JAWS\\2019\\JfwKill.exe", "", "", WindowMode::Hidden);
    if (run != 0 && processes.Wait(run, 20000)) processes.Release(run);
  }
  const JawsTarget& Find(const std::string& labelStart) {
    for (const auto& e : list.entries) {
      if (e.Label.rfind(labelStart, 0) == 0) return e;
    }
    ADD_FAILURE() << "no entry " << labelStart;
    return list.entries.back();
  }

  win32::Win32Files files;
  win32::Win32Clock clock;
  win32::Win32Sound sound;
  win32::Win32Ui ui;
  win32::Win32Host host;
  win32::Win32Registry registry;
  win32::Win32Shell shell;
  win32::Win32Processes processes;
  win32::Win32Network network;
  Platform platform{files, clock, sound, ui, host, registry, shell, processes, network};
  Core core{platform};
  JawsState state;
  DestinationList list;
};

TEST_F(JawsOnWindows, DiscoveryListsTheVersionsLargestFirstThenTheChosenFolder) {
  std::vector<std::string> labels;
  for (const auto& e : list.entries) labels.push_back(e.Label);
  EXPECT_EQ(labels, (std::vector<std::string>{
                        "Mes param\xE8tres de jaws 2019", "Param\xE8tres partag\xE9s de jaws 2019",
                        "Mes param\xE8tres de jaws 10.0", "Mes param\xE8tres de jaws 5.0",
                        "Choix d'un dossier"}));
  const JawsTarget& user = list.entries[0];
  EXPECT_TRUE(user.Languages == "enu|fra|" || user.Languages == "fra|enu|") << user.Languages;
  EXPECT_EQ(user.InstallPath, kJaws2019);  // the registry value has no trailing "\"
  EXPECT_EQ(user.RunTimePath, kPrograms + "RunTime JAWS\\2019\\");
  EXPECT_EQ(user.ScriptBasePath, state.folders.User + "2019\\Settings\\");
  EXPECT_EQ(list.entries[1].ScriptBasePath, state.folders.AllUsers + "2019\\Settings\\");
  EXPECT_EQ(list.entries[2].Languages, "fra|");
  EXPECT_EQ(list.entries[3].ScriptBasePath, kPrograms + "JAWS\\5.0\\SETTINGS\\");
  EXPECT_EQ(list.entries[3].RunTimePath, "");
  EXPECT_GT(files.FileSize(user.ScriptBasePath + "fra\\Default.jss"), 0);
}

TEST_F(JawsOnWindows, TheRunningJawsMarksBothEntriesOfItsVersion) {
  MarkRunningJaws(processes, state, list);
  EXPECT_EQ(state.RunningJawsVersion, "");
  StartJaws(kJaws2019);
  MarkRunningJaws(processes, state, list);
  EXPECT_EQ(state.RunningJawsVersion, "2019");
  EXPECT_EQ(list.entries[0].Label, "Mes param\xE8tres de jaws 2019 en fonctionnement");
  EXPECT_EQ(list.entries[1].Label, "Param\xE8tres partag\xE9s de jaws 2019 en fonctionnement");
  EXPECT_EQ(list.entries[2].InUse, 0);
}

TEST_F(JawsOnWindows, CompilesGoodSourcesAndReportsBrokenOnes) {
  const JawsTarget& target = Find("Mes param\xE8tres de jaws 2019");
  const std::string folder = TempFolder("zebo compile");
  ASSERT_TRUE(WriteText(folder + "Good One.jss",
                        "; fine\r\nScript A ()\r\n  SayString (\"EndScript ;\")\r\nEndScript\r\n"
                        "Int Function B ()\r\n  Return 1\r\nEndFunction\r\n"));
  ASSERT_TRUE(WriteText(folder + "Broken.jss", "Script A ()\r\n  SayString (\"open)\r\n"));
  ::DeleteFileW(win32::Widen(folder + "Good One.jsb").c_str());

  EXPECT_TRUE(CompileScript(core, target, folder + "Good One.jss"));
  EXPECT_GT(files.FileSize(folder + "Good One.jsb"), 0);
  EXPECT_FALSE(CompileScript(core, target, folder + "Broken.jss"));
  EXPECT_EQ(core.log.Detailed().back(), " ExitCode = 1");
}

TEST_F(JawsOnWindows, ACompilerPastItsLimitIsLeftRunning) {
  const JawsTarget& target = Find("Mes param\xE8tres de jaws 2019");
  const std::string source = TempFolder("zebo compile") + "Slow.jss";
  ASSERT_TRUE(WriteText(source, "Script A ()\r\nEndScript\r\n"));
  ::SetEnvironmentVariableW(L"ZEBO_SCOMPILE_SLEEP_MS", L"3000");
  const bool compiled = CompileScript(core, target, source, 300);
  ::SetEnvironmentVariableW(L"ZEBO_SCOMPILE_SLEEP_MS", nullptr);
  EXPECT_FALSE(compiled);
  EXPECT_EQ(core.log.Detailed().back().rfind(" Id scompile.exe = ", 0), 0u);
  EXPECT_NE(FindProcess(processes, state, "scompile.exe"), 0u);  // not killed
}

TEST_F(JawsOnWindows, RestartEndsTheRunningJawsAndStartsItAgain) {
  const uint32_t before = StartJaws(kJaws2019);
  ASSERT_NE(FindProcess(processes, state, "jfw.exe"), 0u);
  MarkRunningJaws(processes, state, list);
  const JawsTarget& target = list.entries[0];
  ASSERT_EQ(target.InUse, 1);

  EXPECT_TRUE(RestartJaws(core, target));
  const std::vector<std::string> log(core.log.Detailed().begin(), core.log.Detailed().end());
  EXPECT_NE(std::find(log.begin(), log.end(), " JAWS is killed : 0"), log.end());
  EXPECT_EQ(log.back(), " Launch Jaws !");
  EXPECT_EQ(core.log.Steps().back(),
            " Relance de JAWS effectu\xE9"
            "e !");
  uint32_t after = 0;
  for (int i = 0; i < 100 && (after = FindProcess(processes, state, "jfw.exe")) == 0; ++i) {
    ::Sleep(50);
  }
  EXPECT_NE(after, 0u);
  EXPECT_NE(after, before);
  EXPECT_EQ(LowerCase(ProcessFolder(processes, after)), LowerCase(kJaws2019));
}

}  // namespace
}  // namespace zebo
