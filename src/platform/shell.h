// The shell's special folders and opening an address with its associated program.
#pragma once

#include <string>

namespace zebo {

enum class SpecialFolder { UserAppData, AllUsersAppData, Profile, Documents };

class Shell {
 public:
  virtual ~Shell() = default;
  // The folder's path ending with "\", or an empty text when the system does not know it.
  virtual std::string SpecialFolderPath(SpecialFolder folder) = 0;
  // Opens an address or a file with the program associated with it. False when that failed.
  [[nodiscard]] virtual bool OpenAddress(const std::string& address) = 0;
};

}  // namespace zebo
