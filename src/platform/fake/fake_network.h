// A network that serves bodies from a table, writing them through the file services.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/network.h"

namespace zebo::fake {

class FakeNetwork : public Network {
 public:
  explicit FakeNetwork(Files& files) : files_(files) {}
  bool Start() override {
    ++starts;
    return canStart;
  }
  // Serves the body stored for the exact address; an address not in the table fails.
  bool DownloadToFile(const std::string& url, const std::string& path) override;

  bool canStart = true;
  int starts = 0;
  std::map<std::string, std::string> bodies;  // address -> body
  std::vector<std::string> requested;

 private:
  Files& files_;
};

}  // namespace zebo::fake
