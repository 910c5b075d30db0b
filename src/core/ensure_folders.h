// Creating the folders on the way to a file.
#pragma once

#include <string>

#include "platform/files.h"

namespace zebo {

// Makes sure the folder part of `path` (everything up to its last "\" or "/") exists as a folder,
// creating the missing folders one after the other. False when one could not be created.
[[nodiscard]] bool EnsureFolders(Files& files, const std::string& path);

}  // namespace zebo
