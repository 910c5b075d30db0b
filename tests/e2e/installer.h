// Writes an installer for an end-to-end test: the ZeBo.exe of this build with a package made
// right here, so that each test states its package in a few lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness/harness.h"
#include "tools/zebo-pack/jcalg1_encoder.h"
#include "tools/zebo-pack/package_writer.h"

namespace zebo::e2e {

// The whole content of a file, or "" when it cannot be read.
inline std::string ReadBytes(const std::wstring& path) {
  return FileBytes(path).value_or("");
}

// Writes `name` in the output folder: the stub followed by the package of `info`, `groups` and
// `entries`. Returns its path.
inline std::wstring WriteInstaller(const std::wstring& name, const PackageInfo& info,
                                   const std::vector<std::string>& groups,
                                   std::vector<pack::PackEntry> entries) {
  const std::string stub = ReadBytes(TestSettings().zeboExe);
  EXPECT_GT(stub.size(), 0u) << "cannot read ZeBo.exe";
  const std::string package = pack::WritePackage(info, groups, entries, pack::Jcalg1Encode);
  const std::string installer = pack::JoinInstaller(stub, package);
  const std::wstring path = TestSettings().outDir + L"\\" + name;
  EXPECT_TRUE(WriteFileBytes(path, installer)) << "cannot write the installer";
  return path;
}

// One package file of group `group`.
inline pack::PackEntry PackageEntry(const std::string& name, const std::string& content,
                                    int32_t flags = 0, int32_t group = 0) {
  pack::PackEntry entry;
  entry.record.Name = name;
  entry.record.TargetPath = "%JawsScriptPath%\\";
  entry.record.Flags = flags;
  entry.record.Group = group;
  entry.content = content;
  return entry;
}

// The text of a control of another process (a page control lies inside its page container).
inline std::wstring ControlText(HWND window, int id) {
  const HWND control = PageControl(window, id);
  return control ? WindowText(control) : L"";
}

// How many times `part` occurs in `text`.
inline int Occurrences(const std::wstring& text, const std::wstring& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace zebo::e2e
