// The command line of zebo-pack: build, list, extract and adapt.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "package/package.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace zebo::pack {

struct CommandContext {
  Files& files;
  std::ostream& out;
  std::ostream& err;
  std::string toolFolder;  // where zebo-pack lies, ending with a separator: the default stub's home
  LocalTime now;           // the package date when the manifest gives none
};

// Runs one command line (without the program name). Returns the exit code: 0 done, 1 bad input,
// 2 usage.
int RunZeboPack(CommandContext& context, const std::vector<std::string>& args);

// The package as `list --json` prints it (texts in UTF-8).
std::string PackageJson(const PackageState& package);

}  // namespace zebo::pack
