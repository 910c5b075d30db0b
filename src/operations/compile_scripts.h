// The compilation pass: the script sources a run installed or adapted, in the package's order.
#pragma once

#include <cstdint>

#include "operations/run_context.h"

namespace zebo {

// Compiles the group's files marked to be compiled, and the Default.Jss of each adaptation file,
// in ascending compile order. `afterRemoval` does not change what it does. True when no
// compilation failed and no file to compile was missing.
[[nodiscard]] bool CompileScripts(RunContext& ctx, int32_t afterRemoval);

}  // namespace zebo
