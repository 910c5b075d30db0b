// Running the JAWS script compiler on one script source.
#pragma once

#include <cstdint>
#include <string>

#include "core/core.h"
#include "jaws/jaws_target.h"

namespace zebo {

inline constexpr uint32_t kCompileLimitMs = 60000;

// Runs the target's scompile.exe, hidden, on `script` in the script's folder and waits at most
// `limitMs`. True when it ended in time with exit code 0. A compiler still running at the limit
// is left running.
[[nodiscard]] bool CompileScript(Core& core, const JawsTarget& target, const std::string& script,
                                 uint32_t limitMs = kCompileLimitMs);

}  // namespace zebo
