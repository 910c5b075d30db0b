// The operation kinds: one bit set for the whole program, set by the operation page.
#pragma once

#include <cstdint>

namespace zebo {

constexpr int32_t OpBackup = 0x02;
constexpr int32_t OpCopy = 0x10;
constexpr int32_t OpInstall = 0x20;
constexpr int32_t OpRemoveAdaptations = 0x80;

}  // namespace zebo
