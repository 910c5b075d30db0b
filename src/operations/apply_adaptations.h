// The adaptation step of a run, the alias update as its chains call it, and the warning about
// adaptations that touch a security-sensitive function.
#pragma once

#include <cstdint>

#include "operations/run_context.h"

namespace zebo {

// Applies (removeOnly 0) or only removes (nonzero) the adaptations of the group's checked
// adaptation files, saving each adapted source through a ".Tmp" file and compiling it. Stops at
// the first failure; true when every handled adaptation file went through.
[[nodiscard]] bool ApplyAdaptations(RunContext& ctx, int32_t removeOnly);

// Adds (remove 0) or removes (nonzero) the package's aliases in the destination's
// ConfigNames.Ini.
[[nodiscard]] bool UpdateAliases(RunContext& ctx, int32_t remove);

// Before a run: reports in the step list every checked adaptation file of the group that adds
// code to KeyPressedEvent, and warns once in a message box.
void CheckSensitiveFunctions(RunContext& ctx);

}  // namespace zebo
