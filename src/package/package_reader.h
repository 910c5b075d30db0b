// Reading the package appended to the executable.
#pragma once

#include <string>

#include "core/core.h"
#include "package/package.h"

namespace zebo {

class FileReader;

// Reads the package behind the marker line of the file at `path` into `package`, logging what it
// reads. True when the marker was found and there is at least one group and one file record.
[[nodiscard]] bool ScanPackage(Core& core, PackageState& package, const std::string& path);

// The position-dependent bit permutation of package texts and stored contents; its own inverse.
void ScrambleBytes(unsigned char* bytes, int64_t length);

}  // namespace zebo
