// Discovery of the installed JAWS versions from the registry and their settings folders.
#include "jaws/discovery.h"

#include <algorithm>
#include <limits>

#include "jaws/texts.h"

namespace zebo {
namespace {

constexpr const char* kJawsKey = "SOFTWARE\\Freedom Scientific\\JAWS";
constexpr const char* kRunTimeKey = "SOFTWARE\\Freedom Scientific\\RunTime JAWS\\";

std::string Target(Registry& registry, const std::string& key) {
  return AddTrailingBackslash(registry.ReadString(RegistryRoot::LocalMachine, key, "Target"));
}

}  // namespace

std::string AddTrailingBackslash(std::string_view text) {
  std::string out(text);
  if (out.empty() || out.back() != '\\') out += '\\';
  return out;
}

int32_t MajorVersionOf(std::string_view version) {
  size_t i = 0;
  while (i < version.size() && (version[i] == ' ' || version[i] == '\t')) ++i;
  bool negative = false;
  if (i < version.size() && (version[i] == '+' || version[i] == '-')) {
    negative = version[i] == '-';
    ++i;
  }
  int64_t value = 0;
  for (; i < version.size() && version[i] >= '0' && version[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (version[i] - '0'), std::numeric_limits<int32_t>::max());
  }
  return static_cast<int32_t>(negative ? -value : value);
}

std::string ListLanguageFolders(Files& files, const std::string& folder) {
  std::string languages;
  for (const auto& entry : files.ListFolder(folder)) {
    if (entry.isFolder && entry.name.size() == 3) languages += entry.name + "|";
  }
  return languages;
}

int DiscoverJawsTargets(Core& core, const JawsState& state, DestinationList& list) {
  Registry& registry = core.platform.registry;
  Files& files = core.platform.files;
  list.entries.clear();
  list.current = kNoCurrent;
  for (uint32_t index = 0;; ++index) {
    const std::string version =
        registry.EnumerateSubkey(RegistryRoot::LocalMachine, kJawsKey, index);
    if (version.empty()) break;
    JawsTarget found;
    found.Version = version;
    found.MajorVersion = MajorVersionOf(version);
    found.InstallPath = Target(registry, std::string(kJawsKey) + "\\" + version);
    const bool oldLayout = found.MajorVersion < 6;
    std::string settings;
    if (oldLayout) {
      settings = found.InstallPath + "SETTINGS\\";
    } else {
      settings =
          state.folders.UserAppData + "Freedom Scientific\\JAWS\\" + version + "\\Settings\\";
      found.RunTimePath = Target(registry, kRunTimeKey + version);
    }
    found.Languages = ListLanguageFolders(files, settings);
    if (!found.Languages.empty()) {
      JawsTarget user = found;
      user.Label = texts::kUserSettingsLabel + version;
      user.ScriptBasePath = settings;
      user.Kind = UserSettings;
      list.entries.push_back(user);
    }
    if (oldLayout) continue;
    const std::string shared =
        state.folders.AllUsersAppData + "Freedom Scientific\\JAWS\\" + version + "\\Settings\\";
    found.Languages = ListLanguageFolders(files, shared);
    if (!found.Languages.empty()) {
      found.Label = texts::kSharedSettingsLabel + version;
      found.ScriptBasePath = shared;
      found.Kind = SharedSettings;
      list.entries.push_back(found);
    }
  }
  std::stable_sort(
      list.entries.begin(), list.entries.end(),
      [](const JawsTarget& a, const JawsTarget& b) { return a.MajorVersion > b.MajorVersion; });
  return static_cast<int>(list.entries.size());
}

void AppendChosenFolderEntry(DestinationList& list) {
  JawsTarget chosen;
  chosen.Label = texts::kChosenFolderLabel;
  chosen.Kind = ChosenFolder;
  list.entries.push_back(chosen);
}

}  // namespace zebo
