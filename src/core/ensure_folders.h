// Creating the missing folders on the way to a file.
#pragma once

#include <string>

#include "platform/files.h"

namespace zebo {

// Everything after the path's last "\" or "/" is ignored. 1 when the folder part exists as a
// folder afterwards (also when it is empty: the current folder), 0 when a folder on the way could
// not be created.
[[nodiscard]] int EnsureFolders(Files& files, const std::string& path);

}  // namespace zebo
