// The sentences that describe a planned run: one per file of the file list, and the summary that
// opens the last page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jaws/jaws_target.h"
#include "package/package.h"

namespace zebo {

// The French ordinal of the item texts: "premier" for 1, else the number followed by "ème".
std::string OrdinalText(int32_t value);

// The file list's item text for a file under the given operation kind.
std::string FilePlanText(const PackageFile& file, int32_t operationFlags);

// The one-word qualifier of a certified author in the summary.
std::string CertifiedQualifier();

// The summary lines of the planned run, as WriteSummary puts them into the step list.
struct SummaryInput {
  const PackageInfo& info;
  const std::string& groupName;
  const JawsTarget& target;
  const std::string& operationText;  // the operation list's selected item
};
std::vector<std::string> SummaryLines(const SummaryInput& input);

}  // namespace zebo
