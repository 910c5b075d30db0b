// Writing the package's files: into a JAWS settings folder (with the old files saved first on
// request) or into a folder tree of the user's choice.
#pragma once

#include <cstdint>

#include "operations/run_context.h"

namespace zebo {

// Writes every checked file of the selected group to its target folder; with `backup` nonzero,
// saves each file that exists there under "Bak\<ScriptName>\" first. True when every checked file
// was written.
[[nodiscard]] bool InstallFiles(RunContext& ctx, int32_t backup);

// Writes every checked file of the selected group into a folder named after the application,
// the scripts' version and the group, inside the destination. True when every checked file was
// written.
[[nodiscard]] bool CopyFiles(RunContext& ctx);

}  // namespace zebo
