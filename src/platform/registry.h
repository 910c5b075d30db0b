// The registry as the program reads it: subkey names and string values, nothing written.
#pragma once

#include <cstdint>
#include <string>

namespace zebo {

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
 public:
  virtual ~Registry() = default;
  // The name of the subkey at `index` (from 0), or an empty text when the key cannot be opened or
  // the index is past the end. A trailing "\" on the key path is ignored. The 64-bit view is read
  // so that a 32-bit program sees what a 64-bit program registered.
  virtual std::string EnumerateSubkey(RegistryRoot root, const std::string& keyPath,
                                      uint32_t index) = 0;
  // A string value without its terminating zero, or an empty text when the key or the value is
  // missing, is not a string, or cannot be read.
  virtual std::string ReadString(RegistryRoot root, const std::string& keyPath,
                                 const std::string& valueName) = 0;
};

}  // namespace zebo
