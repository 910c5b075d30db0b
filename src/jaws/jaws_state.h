// What the program knows about the machine's JAWS beyond the destination list: the Windows
// language, the folders behind the path placeholders, the process list and the running version.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zebo {

// The fixed placeholder values, each ending with "\" or empty when the shell does not know the
// folder. The two JAWS values are the application-data folder + "Freedom Scientific\JAWS\".
struct PlaceholderFolders {
  std::string User;
  std::string AllUsers;
  std::string UserAppData;
  std::string AllUsersAppData;
  std::string UserHome;
  std::string MyDoc;
};

struct RunningProcess {
  uint32_t id = 0;
  std::string exeName;  // lower case, no folder part
};

struct JawsState {
  std::string WindowsLanguage;  // only written to the log
  PlaceholderFolders folders;
  std::vector<RunningProcess> processList;  // rebuilt at every search
  std::string RunningJawsVersion;           // major version of the running JAWS, or empty
};

}  // namespace zebo
