// File services on the Windows file system, through the W functions.
#pragma once

#include "platform/files.h"
// Last: undoes the A/W renames of <windows.h> if a file included it before us.
#include "platform/win32/windows_api.h"

namespace zebo::win32 {

class Win32Files : public Files {
 public:
  int64_t FileSize(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::unique_ptr<FileReader> OpenRead(const std::string& path) override;
  bool WriteFile(const std::string& path, std::string_view data) override;
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool ReplaceFile(const std::string& from, const std::string& to) override;
  bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
  bool MakeFolder(const std::string& path) override;
  std::vector<FolderEntry> ListFolder(const std::string& path) override;
  std::string TempFolder() override;
};

}  // namespace zebo::win32
