// The shell on Windows: special folders and opening an address.
#pragma once

#include "platform/shell.h"

namespace zebo::win32 {

class Win32Shell : public Shell {
 public:
  std::string SpecialFolderPath(SpecialFolder folder) override;
  bool OpenAddress(const std::string& address) override;
};

}  // namespace zebo::win32
