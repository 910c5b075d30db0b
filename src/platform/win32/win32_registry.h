// The registry on Windows, read through the 64-bit view.
#pragma once

#include "platform/registry.h"

namespace zebo::win32 {

class Win32Registry : public Registry {
 public:
  std::string EnumerateSubkey(RegistryRoot root, const std::string& keyPath,
                              uint32_t index) override;
  std::string ReadString(RegistryRoot root, const std::string& keyPath,
                         const std::string& valueName) override;
};

}  // namespace zebo::win32
