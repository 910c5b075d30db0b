// File services as the program sees them: Windows paths, Windows-1252 names, whole-file writes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// <windows.h> renames these to their A/W forms; the methods below keep the program's names.
#undef CopyFile
#undef DeleteFile
#undef ReplaceFile

namespace zebo {

struct FolderEntry {
  std::string name;  // the entry's own name, no folder part
  bool isFolder = false;
};

// An open file, read by position. Read returns the number of bytes read (0 at the end).
class FileReader {
 public:
  virtual ~FileReader() = default;
  virtual int64_t Size() const = 0;
  virtual int64_t Position() const = 0;
  [[nodiscard]] virtual bool Seek(int64_t position) = 0;
  [[nodiscard]] virtual int64_t Read(void* buffer, int64_t count) = 0;
};

class Files {
 public:
  virtual ~Files() = default;
  // Size in bytes; negative for a missing file and for a folder.
  virtual int64_t FileSize(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // Nullptr when the file cannot be opened for reading.
  virtual std::unique_ptr<FileReader> OpenRead(const std::string& path) = 0;
  // Creates or replaces the file and writes all of data. False when it could not be created or
  // not all bytes were written (the file may then hold a part of them).
  [[nodiscard]] virtual bool WriteFile(const std::string& path, std::string_view data) = 0;
  [[nodiscard]] virtual bool DeleteFile(const std::string& path) = 0;
  // Fails when `to` exists.
  [[nodiscard]] virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // Renames `from` over `to` in one step, replacing `to` if it exists.
  [[nodiscard]] virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;
  // With failIfExists, fails when `to` exists; otherwise replaces it.
  [[nodiscard]] virtual bool CopyFile(const std::string& from, const std::string& to,
                                      bool failIfExists) = 0;
  // Creates one folder whose parent exists. False when it cannot be made or already exists.
  [[nodiscard]] virtual bool MakeFolder(const std::string& path) = 0;
  // The entries of a folder (no "." or ".."); empty when the folder is missing.
  virtual std::vector<FolderEntry> ListFolder(const std::string& path) = 0;
  // The temporary folder, ending with "\".
  virtual std::string TempFolder() = 0;
};

// Reads a whole file into `out`. False when it is missing, a folder or cannot be read.
[[nodiscard]] bool ReadWholeFile(Files& files, const std::string& path, std::string& out);

}  // namespace zebo
