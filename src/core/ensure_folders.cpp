// Creating the missing folders on the way to a file, one level at a time from the drive down.
#include "core/ensure_folders.h"

namespace zebo {

int EnsureFolders(Files& files, const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return 1;
  std::string folder = path.substr(0, slash + 1);
  if (files.FolderExists(folder)) return 1;
  if (folder.back() != '\\') folder += '\\';
  std::string prefix;
  size_t start = 0;
  while (start < folder.size()) {
    const size_t end = folder.find('\\', start);
    prefix.append(folder, start, end - start + 1);
    start = end + 1;
    if (!files.FolderExists(prefix) && !files.MakeFolder(prefix)) return 0;
  }
  return files.FolderExists(prefix) ? 1 : 0;
}

}  // namespace zebo
