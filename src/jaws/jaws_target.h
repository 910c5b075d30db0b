// The destination list: one entry per settings folder of each installed JAWS version, then the
// entry that lets the user choose any folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/package.h"

namespace zebo {

enum JawsTargetKind : int32_t { UserSettings = 0, SharedSettings = 1, ChosenFolder = 2 };

struct JawsTarget {
  std::string Label;
  std::string Version;
  int32_t MajorVersion = 0;
  std::string Languages;  // "enu|fra|"
  std::string Language;   // display name chosen on the destination page
  std::string RunTimePath;
  std::string InstallPath;
  std::string ScriptBasePath;
  std::string DestinationPath;
  int32_t InUse = 0;
  int32_t Kind = UserSettings;
};

struct DestinationList {
  std::vector<JawsTarget> entries;
  size_t current = kNoCurrent;  // the current JawsTarget, made current by the destination page
};

}  // namespace zebo
