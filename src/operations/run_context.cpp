// The run's view of the program state.
#include "operations/run_context.h"

#include "jaws/placeholders.h"

namespace zebo {

const JawsTarget& RunContext::Target() const {
  static const JawsTarget kNone;
  if (destinations.current >= destinations.entries.size()) return kNone;
  return destinations.entries[destinations.current];
}

std::string RunContext::GroupName() const {
  if (group < 0 || static_cast<size_t>(group) >= package.groups.size()) return "";
  return package.groups[static_cast<size_t>(group)].Name;
}

PackageFile* RunContext::FileOf(const FileListItem& item) {
  if (item.fileIndex < 0 || static_cast<size_t>(item.fileIndex) >= package.files.size()) {
    return nullptr;
  }
  package.currentFile = static_cast<size_t>(item.fileIndex);
  return &package.files[package.currentFile];
}

std::string RunContext::Resolve(const std::string& folder) const {
  return ResolvePathPlaceholders(jaws, destinations, folder);
}

std::string RunContext::RelativeFolder(const std::string& folder) const {
  return CopyRelativeFolder(jaws, destinations, folder);
}

std::string JoinFolder(const std::string& folder, const std::string& rest) {
  if (!folder.empty() && folder.back() == '\\' && !rest.empty() && rest.front() == '\\') {
    return folder + rest.substr(1);
  }
  return folder + rest;
}

bool IsSafeFileName(const std::string& name) {
  if (name.empty()) return false;
  if (name.find_first_of("\\/:") != std::string::npos) return false;
  return name.find("..") == std::string::npos;
}

}  // namespace zebo
