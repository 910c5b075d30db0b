// The network as the program needs it: one HTTP GET whose answer lands in a local file.
#pragma once

#include <cstdint>
#include <string>

namespace zebo {

class Network {
 public:
  // A download larger than this is refused: the only thing fetched is a small version file.
  static constexpr int64_t kMaxDownloadBytes = 1 << 20;

  virtual ~Network() = default;
  // Starts the network support; false when it cannot be used at all.
  [[nodiscard]] virtual bool Start() = 0;
  // HTTP/1.1 GET of an http:// or https:// address. The body of a successful answer (status
  // 2xx) is stored in `path`, created or replaced. False when nothing was stored.
  [[nodiscard]] virtual bool DownloadToFile(const std::string& url, const std::string& path) = 0;
};

}  // namespace zebo
