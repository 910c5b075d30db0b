// What the steps of a run work on: the program's state they read and write, and a snapshot of
// the file list taken when the run starts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "adaptation/adaptation_state.h"
#include "core/core.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"
#include "package/package.h"

namespace zebo {

// One item of the file list: the index of its PackageFile (the item's data) and its check mark.
struct FileListItem {
  int32_t fileIndex = -1;
  bool checked = false;
};

struct RunContext {
  RunContext(Core& c, PackageState& p, const JawsState& j, DestinationList& d, AdaptationState& a)
      : core(c), package(p), jaws(j), destinations(d), adaptation(a) {}
  Core& core;
  PackageState& package;
  const JawsState& jaws;
  DestinationList& destinations;
  AdaptationState& adaptation;      // the engine's working set, shared by every adaptation file
  int32_t group = 0;                // the selected script group
  std::vector<FileListItem> items;  // the file list in display order
  bool restartJaws = false;         // the operation page's restart check box
  std::string aliasText;            // the alias field of the file list page

  // The current JawsTarget; an empty one when the destination page made none current.
  const JawsTarget& Target() const;
  // The group's name, or "" when the index names no group.
  std::string GroupName() const;
  // The PackageFile an item names, made current; nullptr when the item's data names no file.
  PackageFile* FileOf(const FileListItem& item);
  // A target folder of the package with its placeholder resolved.
  std::string Resolve(const std::string& folder) const;
  std::string RelativeFolder(const std::string& folder) const;
};

// `folder` followed by `rest`, with one "\" where both meet: the copy folder of a file that
// belongs right in its destination is a lone "\".
std::string JoinFolder(const std::string& folder, const std::string& rest);

// True when a package file name can be written inside its target folder: not empty, no folder
// separator, no drive and no "..", so that a package cannot write outside the folder it names.
bool IsSafeFileName(const std::string& name);

}  // namespace zebo
