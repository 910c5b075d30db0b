// Creating the missing folders on the way to a file, one level at a time from the drive down.
#include "core/ensure_folders.h"

#include <algorithm>

namespace zebo {

int EnsureFolders(Files& files, const std::string& path) {
  std::string folder = path;
  std::replace(folder.begin(), folder.end(), '/', '\\');
  const size_t slash = folder.rfind('\\');
  if (slash == std::string::npos) return 1;
  folder.resize(slash + 1);
  if (files.FolderExists(folder)) return 1;

  // A network path starts at its share: "\\server\share\" can be used, not created.
  std::string prefix;
  size_t start = 0;
  if (folder.rfind("\\\\", 0) == 0) {
    const size_t server = folder.find('\\', 2);
    const size_t share = server == std::string::npos ? server : folder.find('\\', server + 1);
    if (share == std::string::npos) return 0;
    prefix = folder.substr(0, share + 1);
    if (!files.FolderExists(prefix)) return 0;
    start = share + 1;
  }
  while (start < folder.size()) {
    const size_t end = folder.find('\\', start);
    prefix.append(folder, start, end - start + 1);
    start = end + 1;
    if (!files.FolderExists(prefix) && !files.MakeFolder(prefix)) return 0;
  }
  return files.FolderExists(prefix) ? 1 : 0;
}

}  // namespace zebo
