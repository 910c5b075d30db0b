// The check for a newer edition of the scripts, announced by a version file on the author's site.
#pragma once

#include <string>

#include "core/core.h"
#include "package/package.h"

namespace zebo {

// The name template of the version file.
inline constexpr char kVersionFileTemplate[] = "#%AN-%AV.VZB";

struct VersionCheckState {
  bool networkStarted = false;  // started by the first check, kept for the run
};

// Fetches the version file and offers the newer edition when its date is later than the
// package's. Silent at start-up: only the question about a newer edition is shown. Returns true
// when the user chose to open the new edition, so the caller asks the event loop to end.
[[nodiscard]] bool CheckForNewVersion(Core& core, const PackageInfo& info, VersionCheckState& state,
                                      bool silent);

// True for an address the program may hand to the shell: http:// or https://, nothing else.
bool IsWebAddress(const std::string& address);

}  // namespace zebo
