// The end of a run: telling the user when the changes apply, or restarting the running JAWS.
#pragma once

#include "core/core.h"
#include "jaws/jaws_target.h"

namespace zebo {

inline constexpr uint32_t kKillLimitMs = 60000;

// When `restartAsked` (the operation page's check box): tells when the changes of `target` take
// effect, or offers to restart it when it is the running JAWS 7 or later. False only when an
// accepted restart failed.
[[nodiscard]] bool EndOfRunPrompt(Core& core, const JawsTarget& target, bool restartAsked);

// Stops JAWS with its JfwKill.Exe (waited for at most `killLimitMs`) and starts its Jfw.Exe.
// True when Jfw.Exe could be started.
[[nodiscard]] bool RestartJaws(Core& core, const JawsTarget& target,
                               uint32_t killLimitMs = kKillLimitMs);

}  // namespace zebo
