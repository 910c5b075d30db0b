// The network through WinINet: HTTP and HTTPS downloads with the system's proxy settings.
#pragma once

#include <string>

#include "platform/network.h"

namespace zebo::win32 {

class Win32Network : public Network {
 public:
  Win32Network() = default;
  ~Win32Network() override;
  Win32Network(const Win32Network&) = delete;
  Win32Network& operator=(const Win32Network&) = delete;

  bool Start() override;
  bool DownloadToFile(const std::string& url, const std::string& path) override;

 private:
  void* session_ = nullptr;  // the WinINet session handle, opened by Start
};

}  // namespace zebo::win32
