// Fetching a packaged file's content from the executable, and the start sound.
#pragma once

#include <string>

#include "core/core.h"
#include "package/package.h"

namespace zebo {

[[nodiscard]] bool LoadPackagedBytes(Core& core, PackageState& package, const std::string& path,
                                     int64_t count, int64_t offset);
[[nodiscard]] bool DecodePayload(Core& core, PackageState& package, int32_t size,
                                 int32_t packedSize);
[[nodiscard]] bool SaveFileBuffer(Core& core, PackageState& package, const std::string& path,
                                  int64_t length);
// Writes the current PackageFile's content to `path`, or leaves it in the file buffer when
// `memoryOnly` is set.
[[nodiscard]] bool ExtractFile(Core& core, PackageState& package, const std::string& path,
                               bool memoryOnly, bool renameAfterWrite);
// Plays the package's start sound, if any, and returns when it has had time to finish.
void PlayStartSound(Core& core, PackageState& package);

}  // namespace zebo
