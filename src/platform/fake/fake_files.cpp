// The in-memory file system.
#include "platform/fake/fake_files.h"

#include <algorithm>
#include <cstring>

#include "core/cp1252.h"

namespace zebo::fake {
namespace {

class FakeReader : public FileReader {
 public:
  FakeReader(std::string content, std::shared_ptr<ReadStats> stats)
      : content_(std::move(content)), stats_(std::move(stats)) {}
  int64_t Size() const override { return static_cast<int64_t>(content_.size()); }
  int64_t Position() const override { return position_; }
  bool Seek(int64_t position) override {
    if (position < 0) return false;
    position_ = position;
    return true;
  }
  int64_t Read(void* buffer, int64_t count) override {
    ++stats_->calls;
    if (count > 0 && count > Size() - position_) ++stats_->outside;
    if (count <= 0 || position_ >= Size()) return 0;
    const int64_t n = std::min(count, Size() - position_);
    std::memcpy(buffer, content_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    stats_->bytes += n;
    return n;
  }

 private:
  std::string content_;  // a snapshot: later writes do not change an open reader
  std::shared_ptr<ReadStats> stats_;
  int64_t position_ = 0;
};

std::string ParentKey(const std::string& key) {
  const size_t slash = key.rfind('\\');
  if (slash == std::string::npos) return "";
  if (slash == 2 && key.size() > 3) return key.substr(0, 3);  // "c:\x" -> "c:\"
  return key.substr(0, slash);
}

}  // namespace

FakeFiles::FakeFiles() {
  AddDrive('C');
  PutFolder("C:\\Temp");
}

std::string FakeFiles::Key(const std::string& path) {
  std::string key = LowerCase(path);
  std::replace(key.begin(), key.end(), '/', '\\');
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  if (key.size() == 2 && key[1] == ':') key += '\\';
  return key;
}

void FakeFiles::AddDrive(char letter) {
  std::string root = std::string(1, letter) + ":\\";
  nodes_[Key(root)] = Node{root, true, {}};
}

void FakeFiles::MakeFoldersTo(const std::string& path) {
  std::string key = Key(path);
  std::vector<std::string> missing;
  while (!key.empty() && !nodes_.count(key)) {
    missing.push_back(key);
    const std::string parent = ParentKey(key);
    if (parent == key) break;
    key = parent;
  }
  // Rebuild the original spelling of each missing folder from the path given.
  std::string spelled = path;
  std::replace(spelled.begin(), spelled.end(), '/', '\\');
  while (spelled.size() > 3 && spelled.back() == '\\') spelled.pop_back();
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    nodes_[*it] = Node{spelled.substr(0, it->size()), true, {}};
  }
}

void FakeFiles::PutFolder(const std::string& path) {
  MakeFoldersTo(path);
}

void FakeFiles::PutFile(const std::string& path, std::string_view content) {
  const std::string key = Key(path);
  MakeFoldersTo(path.substr(0, key.rfind('\\')));
  nodes_[key] = Node{path, false, std::string(content)};
}

bool FakeFiles::Exists(const std::string& path) const {
  return nodes_.count(Key(path)) != 0;
}

const std::string* FakeFiles::Content(const std::string& path) const {
  auto it = nodes_.find(Key(path));
  if (it == nodes_.end() || it->second.isFolder) return nullptr;
  return &it->second.content;
}

std::vector<std::string> FakeFiles::FilesBelow(const std::string& folder) const {
  std::string prefix = Key(folder);
  if (prefix.back() != '\\') prefix += '\\';
  std::vector<std::string> out;
  for (const auto& [key, node] : nodes_) {
    if (!node.isFolder && key.compare(0, prefix.size(), prefix) == 0) out.push_back(node.path);
  }
  return out;
}

bool FakeFiles::ParentExists(const std::string& key) const {
  auto it = nodes_.find(ParentKey(key));
  return it != nodes_.end() && it->second.isFolder;
}

bool FakeFiles::IsLocked(const std::string& key) const {
  return std::find(locked_.begin(), locked_.end(), key) != locked_.end();
}

bool FakeFiles::Faulted(FileOp op, const std::string& path) {
  if (op != FileOp::Read) ++mutations_;
  if (op != FileOp::Read && failAt_ != 0 && mutations_ == failAt_) return true;
  return failWhen_ && failWhen_(op, path);
}

int64_t FakeFiles::FileSize(const std::string& path) {
  auto it = nodes_.find(Key(path));
  if (it == nodes_.end() || it->second.isFolder) return -1;
  return static_cast<int64_t>(it->second.content.size());
}

bool FakeFiles::FolderExists(const std::string& path) {
  auto it = nodes_.find(Key(path));
  return it != nodes_.end() && it->second.isFolder;
}

std::unique_ptr<FileReader> FakeFiles::OpenRead(const std::string& path) {
  const std::string key = Key(path);
  journal_.push_back({FileOp::Read, path, {}});
  auto it = nodes_.find(key);
  if (it == nodes_.end() || it->second.isFolder || IsLocked(key)) return nullptr;
  if (failWhen_ && failWhen_(FileOp::Read, path)) return nullptr;
  return std::make_unique<FakeReader>(it->second.content, reads_);
}

bool FakeFiles::WriteFile(const std::string& path, std::string_view data) {
  const std::string key = Key(path);
  journal_.push_back({FileOp::Create, path, {}});
  if (Faulted(FileOp::Create, path)) return false;
  auto it = nodes_.find(key);
  if ((it != nodes_.end() && it->second.isFolder) || !ParentExists(key) || IsLocked(key)) {
    return false;
  }
  Node& node = nodes_[key];
  if (node.path.empty()) node.path = path;
  node.content.clear();
  journal_.push_back({FileOp::Write, path, {}});
  if (Faulted(FileOp::Write, path)) {
    node.content.assign(data.substr(0, data.size() / 2));
    return false;
  }
  node.content.assign(data);
  return true;
}

bool FakeFiles::DeleteFile(const std::string& path) {
  const std::string key = Key(path);
  journal_.push_back({FileOp::Delete, path, {}});
  if (Faulted(FileOp::Delete, path)) return false;
  auto it = nodes_.find(key);
  if (it == nodes_.end() || it->second.isFolder || IsLocked(key)) return false;
  nodes_.erase(it);
  return true;
}

bool FakeFiles::RenameFile(const std::string& from, const std::string& to) {
  journal_.push_back({FileOp::Rename, from, to});
  if (Faulted(FileOp::Rename, from)) return false;
  const std::string fromKey = Key(from), toKey = Key(to);
  auto it = nodes_.find(fromKey);
  if (it == nodes_.end() || it->second.isFolder || IsLocked(fromKey)) return false;
  if (fromKey != toKey && nodes_.count(toKey)) return false;
  if (!ParentExists(toKey)) return false;
  Node node = std::move(it->second);
  nodes_.erase(it);
  node.path = to;
  nodes_[toKey] = std::move(node);
  return true;
}

bool FakeFiles::ReplaceFile(const std::string& from, const std::string& to) {
  journal_.push_back({FileOp::Replace, from, to});
  if (Faulted(FileOp::Replace, from)) return false;
  const std::string fromKey = Key(from), toKey = Key(to);
  auto it = nodes_.find(fromKey);
  if (it == nodes_.end() || it->second.isFolder || IsLocked(fromKey) || IsLocked(toKey)) {
    return false;
  }
  auto target = nodes_.find(toKey);
  if (target != nodes_.end() && target->second.isFolder) return false;
  if (!ParentExists(toKey)) return false;
  if (fromKey == toKey) return true;
  Node node = std::move(it->second);
  nodes_.erase(it);
  node.path = target != nodes_.end() ? target->second.path : to;
  nodes_[toKey] = std::move(node);
  return true;
}

bool FakeFiles::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  journal_.push_back({FileOp::Copy, from, to});
  if (Faulted(FileOp::Copy, from)) return false;
  const std::string fromKey = Key(from), toKey = Key(to);
  auto it = nodes_.find(fromKey);
  if (it == nodes_.end() || it->second.isFolder || IsLocked(fromKey) || IsLocked(toKey)) {
    return false;
  }
  auto target = nodes_.find(toKey);
  if (target != nodes_.end() && (failIfExists || target->second.isFolder)) return false;
  if (!ParentExists(toKey)) return false;
  if (fromKey == toKey) return false;
  Node copy{target != nodes_.end() ? target->second.path : to, false, it->second.content};
  nodes_[toKey] = std::move(copy);
  return true;
}

bool FakeFiles::MakeFolder(const std::string& path) {
  const std::string key = Key(path);
  journal_.push_back({FileOp::MakeFolder, path, {}});
  if (Faulted(FileOp::MakeFolder, path)) return false;
  if (nodes_.count(key) || !ParentExists(key)) return false;
  std::string spelled = path;
  while (spelled.size() > 3 && (spelled.back() == '\\' || spelled.back() == '/'))
    spelled.pop_back();
  nodes_[key] = Node{spelled, true, {}};
  return true;
}

std::vector<FolderEntry> FakeFiles::ListFolder(const std::string& path) {
  std::vector<FolderEntry> out;
  std::string prefix = Key(path);
  auto self = nodes_.find(prefix);
  if (self == nodes_.end() || !self->second.isFolder) return out;
  if (prefix.back() != '\\') prefix += '\\';
  for (const auto& [key, node] : nodes_) {
    if (key.size() > prefix.size() && key.compare(0, prefix.size(), prefix) == 0 &&
        key.find('\\', prefix.size()) == std::string::npos) {
      out.push_back(
          {node.path.substr(node.path.size() - (key.size() - prefix.size())), node.isFolder});
    }
  }
  return out;
}

}  // namespace zebo::fake
