// `zebo-pack adapt`: apply or remove one adaptation file on a script source, as an installation
// would, to preview what it does to Default.jss.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"

namespace zebo::pack {

// args: what follows "adapt" on the command line. Returns the exit code (0, 1 bad input,
// 2 usage); messages go to stdout and errors to stderr.
int RunAdaptCommand(Files& files, const std::vector<std::string>& args);

}  // namespace zebo::pack
