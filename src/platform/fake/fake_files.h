// In-memory file system with Windows rules (case-insensitive names, "\" separators, drive roots),
// a journal of what was done, and fault injection, for native tests.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"

namespace zebo::fake {

enum class FileOp { Create, Write, Rename, Replace, Copy, Delete, MakeFolder, Read };

struct JournalEntry {
  FileOp op;
  std::string path;
  std::string other;  // destination of a rename or copy
};

// What the readers of every opened file asked for: a request that reaches past the end of the
// file counts as a read outside it (the fake answers it with the bytes there are).
struct ReadStats {
  int64_t calls = 0;
  int64_t bytes = 0;
  int64_t outside = 0;
};

class FakeFiles : public Files {
 public:
  FakeFiles();  // knows the drive C:

  // Test set-up.
  void AddDrive(char letter);
  // Creates the file and every missing folder on its way.
  void PutFile(const std::string& path, std::string_view content);
  void PutFolder(const std::string& path);
  bool Exists(const std::string& path) const;
  // The content of a file, or nullptr when there is none.
  const std::string* Content(const std::string& path) const;
  // Every file below a folder (full paths as stored), sorted case-insensitively.
  std::vector<std::string> FilesBelow(const std::string& folder) const;
  void SetTempFolder(std::string path) { temp_ = std::move(path); }
  // A file that cannot be opened for reading or written (locked).
  void Lock(const std::string& path) { locked_.push_back(Key(path)); }

  // Fault injection. Every mutating call (create, write, rename, replace, copy, delete, make
  // folder) counts as one point, from 1. FailAt(n) makes point n fail; a write that fails at its
  // Write point leaves the first half of its data in the file. FailWhen fails every call for
  // which the predicate is true.
  void FailAt(int point) { failAt_ = point; }
  void FailWhen(std::function<bool(FileOp, const std::string& path)> predicate) {
    failWhen_ = std::move(predicate);
  }
  int MutationCount() const { return mutations_; }
  const std::vector<JournalEntry>& Journal() const { return journal_; }
  const ReadStats& Reads() const { return *reads_; }
  void ClearJournal() { journal_.clear(); }

  // Files.
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
  std::string TempFolder() override { return temp_; }

  // The key of a path: "/" as "\", no trailing "\" (but "c:\" for a root), lower case.
  static std::string Key(const std::string& path);

 private:
  struct Node {
    std::string path;  // as first written
    bool isFolder = false;
    std::string content;
  };
  bool ParentExists(const std::string& key) const;
  bool Faulted(FileOp op, const std::string& path);
  bool IsLocked(const std::string& key) const;
  void MakeFoldersTo(const std::string& path);

  std::map<std::string, Node> nodes_;
  std::shared_ptr<ReadStats> reads_ = std::make_shared<ReadStats>();
  std::vector<std::string> locked_;
  std::vector<JournalEntry> journal_;
  std::string temp_ = "C:\\Temp\\";
  int mutations_ = 0;
  int failAt_ = 0;
  std::function<bool(FileOp, const std::string&)> failWhen_;
};

}  // namespace zebo::fake
