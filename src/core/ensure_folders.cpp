// Folder creation along a path, one level at a time.
#include "core/ensure_folders.h"

#include <algorithm>

namespace zebo {

bool EnsureFolders(Files& files, const std::string& path) {
  std::string folder = path;
  std::replace(folder.begin(), folder.end(), '/', '\\');
  const size_t last = folder.rfind('\\');
  folder = last == std::string::npos ? std::string() : folder.substr(0, last + 1);
  if (!folder.empty() && files.FolderExists(folder)) return true;
  if (folder.empty() || folder.back() != '\\') folder += '\\';

  // A network path starts at its share: "\\server\share\" cannot be created, only used.
  size_t start = 0;
  std::string prefix;
  if (folder.rfind("\\\\", 0) == 0) {
    const size_t server = folder.find('\\', 2);
    const size_t share = server == std::string::npos ? server : folder.find('\\', server + 1);
    if (share == std::string::npos) return false;
    prefix = folder.substr(0, share + 1);
    if (!files.FolderExists(prefix)) return false;
    start = share + 1;
  }
  bool created = false;
  while (start < folder.size()) {
    const size_t end = folder.find('\\', start);
    prefix += folder.substr(start, end - start + 1);
    start = end + 1;
    if (files.FolderExists(prefix)) continue;
    if (!files.MakeFolder(prefix)) return false;
    created = true;
  }
  return created || files.FolderExists(folder);
}

}  // namespace zebo
