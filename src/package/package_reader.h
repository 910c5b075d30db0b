// Reading the package appended to the executable.
#pragma once

#include <cstdint>
#include <string>

#include "core/core.h"
#include "package/package.h"
#include "package/package_stream.h"

namespace zebo {

// Reads the package behind the marker line of the file at `path` into `package`, logging what it
// reads. True when the marker was found and there is at least one group and one file record.
// A damaged package (a text or a record running past the end of the file, a negative or
// oversized size) ends the scan with an "! " line and false.
[[nodiscard]] bool ScanPackage(Core& core, PackageState& package, const std::string& path);

// Reads one package string at the stream's position and leaves the position after it. False,
// with the position unchanged, when its length runs past the end of the file.
[[nodiscard]] bool ReadPackageString(PackageStream& in, std::string& text);

// The position-dependent bit permutation of package texts and stored contents; its own inverse.
void ScrambleBytes(unsigned char* bytes, int64_t length);

}  // namespace zebo
