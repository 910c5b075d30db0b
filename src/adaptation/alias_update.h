// The aliases of ConfigNames.Ini that load the script set for other application names, and the
// backup of a settings file before it is changed.
#pragma once

#include <string>

#include "core/core.h"

namespace zebo {

// Where BackupFile keeps and seeds settings files.
struct BackupPlace {
  std::string backupFolder;        // DestinationPath + "Bak\" + ScriptName + "\"
  std::string userDataFolder;      // the value behind %User%, ending with "\"
  std::string allUsersDataFolder;  // the value behind %AllUsers%, ending with "\"
};

// The backup folder of a script set in a destination.
std::string BackupFolderOf(const std::string& destinationPath, const std::string& scriptName);

// Keeps a copy of an existing settings file in the backup folder, or, when the user's file does
// not exist yet, copies the all-users file of the same place into it. Always 1: what goes wrong
// is written to the detailed log only.
int BackupFile(Core& core, const BackupPlace& place, const std::string& path);

// Adds (remove 0) or removes (remove nonzero) the alias lines name=ScriptName in the section
// [ConfigNames] of the file `aliasFile`, for the ";"-separated aliases of `aliasText`. The file
// is backed up first and replaced in one step. 1 on success and when there is nothing to do, 0
// when the file cannot be read or written.
[[nodiscard]] int AliasUpdate(Core& core, int remove, const std::string& aliasFile,
                              const std::string& aliasText, const std::string& scriptName,
                              const BackupPlace& place);

}  // namespace zebo
