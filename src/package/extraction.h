// Fetching a packaged file's content from the executable, and the start sound.
#pragma once

#include <string>

#include "core/core.h"
#include "package/package.h"

namespace zebo {

// Reads `count` bytes at `offset` of the file into the file buffer (-1: the whole file), growing
// the buffer when needed. Bytes outside the file are refused, as is a short read.
[[nodiscard]] bool LoadPackagedBytes(Core& core, PackageState& package, const std::string& path,
                                     int64_t count, int64_t offset);
// Turns the stored bytes at the start of the file buffer into the content, `size` bytes long:
// descrambles them when both sizes agree, unpacks them otherwise. Unpacking must give exactly
// `size` bytes.
[[nodiscard]] bool DecodePayload(Core& core, PackageState& package, int32_t size,
                                 int32_t packedSize);
[[nodiscard]] bool SaveFileBuffer(Core& core, PackageState& package, const std::string& path,
                                  int64_t length);
// Writes the current PackageFile's content to `path`, or leaves it in the file buffer when
// `memoryOnly` is set.
[[nodiscard]] bool ExtractFile(Core& core, PackageState& package, const std::string& path,
                               bool memoryOnly, bool renameAfterWrite);

// The longest the start-up waits for the start sound; a header announcing a slower byte rate
// would otherwise keep the hidden window waiting for hours.
constexpr int kMaxStartSoundWait = 60000;

// How long the start sound plays, in milliseconds, from its size and its header's byte rate.
int StartSoundWait(int64_t size, int64_t bytesPerSecond);

// Plays the package's start sound, if any, and returns when it has had time to finish.
void PlayStartSound(Core& core, PackageState& package);

}  // namespace zebo
