// A package, an executable holding its files, one JAWS destination and a file list, on the fake
// platform: what the operation steps need to run.
#pragma once

#include <string>
#include <vector>

#include "core/core.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"
#include "operations/run_context.h"
#include "operations/run_operations.h"
#include "package/package.h"
#include "package/package_reader.h"
#include "platform/fake/fake_platform.h"

namespace zebo::testing {

// The numbers of the window's controls around a run, as a window would name them.
inline constexpr RunControls kRunControls{12, 13, 15, 14, 199};
inline constexpr char kSettings[] = "C:\\JAWS\\2019\\Settings\\fra\\";
inline constexpr char kProgram[] = "C:\\Program Files\\JAWS2019\\";

inline constexpr char kOldDefault[] =
    "Include \"HjConst.jsh\"\r\n\r\nVoid Function AutoStartEvent ()\r\nSayString (\"hi\")\r\n"
    "EndFunction\r\n";
inline constexpr char kOldConfigNames[] = "[ConfigNames]\r\nWinword=Word\r\n";
inline constexpr char kAdaptation[] =
    "; merge_file Default.jss\r\n; merge_tag Bloc\r\n"
    "; merge_addendfunction AutoStartEvent BlocStart ()\r\n"
    "Void Function BlocStart ()\r\nEndFunction\r\n";

struct OperationsFixture {
  OperationsFixture() {
    core.mainExe = "C:\\Downloads\\Setup.exe";
    package.info.ScriptName = "Bloc";
    package.info.ApplicationName = "Notepad";
    package.info.ScriptVersion = "2.1";
    package.groups = {{"2019"}, {"10"}};
    JawsTarget target;
    target.Version = "2019";
    target.MajorVersion = 2019;
    target.DestinationPath = kSettings;
    destinations.entries.push_back(target);
    destinations.current = 0;
    fp.files.PutFolder(kSettings);
    exe = "MZ stub";
  }

  // Adds a packaged file and its item in the file list (unless `listed` is false).
  void AddFile(const std::string& name, const std::string& content, int32_t flags = 0,
               bool checked = true, int32_t group = 0, int32_t compileOrder = 0,
               const std::string& target = "%JawsScriptPath%\\") {
    PackageFile file;
    file.Name = name;
    file.TargetPath = target;
    file.Group = group;
    file.Flags = flags;
    file.CompileOrder = compileOrder;
    file.Size = static_cast<int32_t>(content.size());
    file.PackedSize = file.Size;
    file.DataOffset = static_cast<int64_t>(exe.size());
    std::string stored = content;
    ScrambleBytes(reinterpret_cast<unsigned char*>(stored.data()),
                  static_cast<int64_t>(stored.size()));
    exe += stored;
    package.files.push_back(file);
    ctx.items.push_back({static_cast<int32_t>(package.files.size() - 1), checked});
    fp.files.PutFile(core.mainExe, exe);
  }

  // Installs the JAWS programs (compiler, kill tool, JAWS) in the target's program folder; the
  // compiler ends with `compilerExit`.
  void SetUpJawsPrograms(uint32_t compilerExit = 0) {
    JawsTarget& target = destinations.entries[0];
    target.InstallPath = kProgram;
    target.RunTimePath = kProgram;
    for (const char* name : {"scompile.exe", "JfwKill.Exe", "Jfw.Exe"}) {
      fp.files.PutFile(std::string(kProgram) + name, "MZ");
    }
    fake::FakeProgram compiler;
    compiler.exitCode = compilerExit;
    fp.processes.SetProgram(std::string(kProgram) + "scompile.exe", compiler);
    fp.processes.SetProgram(std::string(kProgram) + "JfwKill.Exe", {});
    fp.processes.SetProgram(std::string(kProgram) + "Jfw.Exe", {});
  }
  // The sources the compiler was started on, in order.
  std::vector<std::string> Compiled() const {
    std::vector<std::string> out;
    for (const auto& run : fp.processes.started) {
      if (run.program.find("scompile") != std::string::npos) out.push_back(run.arguments);
    }
    return out;
  }

  // A script set with a compiled script, a plain file and an adaptation of Default.jss, aliases,
  // and a settings folder that already holds Default.jss, ConfigNames.Ini and an old Bloc.jss.
  void SetUpFullInstall() {
    SetUpJawsPrograms();
    fp.files.PutFile(std::string(kSettings) + "Default.jss", kOldDefault);
    fp.files.PutFile(std::string(kSettings) + "ConfigNames.Ini", kOldConfigNames);
    fp.files.PutFile(std::string(kSettings) + "Bloc.jss", "old bloc");
    AddFile("Bloc.jss", "Script Hello ()\r\nEndScript\r\n", FileCompile, true, 0, 2);
    AddFile("Bloc.jkm", "[Common Keys]\r\n");
    AddFile("BlocAdapt.jss", kAdaptation, FileAdaptation, true, 0, 1);
    ctx.aliasText = "notepad; wordpad";
  }
  // Gives a packaged file another content.
  void ReplaceContent(size_t index, const std::string& content) {
    PackageFile& file = package.files[index];
    file.Size = file.PackedSize = static_cast<int32_t>(content.size());
    file.DataOffset = static_cast<int64_t>(exe.size());
    std::string stored = content;
    ScrambleBytes(reinterpret_cast<unsigned char*>(stored.data()),
                  static_cast<int64_t>(stored.size()));
    exe += stored;
    fp.files.PutFile(core.mainExe, exe);
  }
  std::string Content(const std::string& name) const {
    const std::string* content = File(name);
    return content ? *content : "<missing>";
  }

  const std::vector<std::string>& Steps() const { return core.log.Steps(); }
  const std::string* File(const std::string& name) const {
    return fp.files.Content(std::string(kSettings) + name);
  }

  fake::FakePlatform fp;
  Core core{fp.platform};
  PackageState package;
  JawsState jaws;
  DestinationList destinations;
  AdaptationState adaptation;
  std::string exe;
  RunContext ctx{core, package, jaws, destinations, adaptation};
};

}  // namespace zebo::testing
