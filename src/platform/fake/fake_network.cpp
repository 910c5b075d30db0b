// The table-driven network.
#include "platform/fake/fake_network.h"

namespace zebo::fake {

bool FakeNetwork::DownloadToFile(const std::string& url, const std::string& path) {
  requested.push_back(url);
  const auto found = bodies.find(url);
  if (found == bodies.end()) return false;
  if (static_cast<int64_t>(found->second.size()) > kMaxDownloadBytes) return false;
  return files_.WriteFile(path, found->second);
}

}  // namespace zebo::fake
