// A package, an executable holding its files, one JAWS destination and a file list, on the fake
// platform: what the operation steps need to run.
#pragma once

#include <string>
#include <vector>

#include "core/core.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"
#include "operations/run_context.h"
#include "package/package.h"
#include "package/package_reader.h"
#include "platform/fake/fake_platform.h"

namespace zebo::testing {

inline constexpr char kSettings[] = "C:\\JAWS\\2019\\Settings\\fra\\";

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
