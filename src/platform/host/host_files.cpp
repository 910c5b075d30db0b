// POSIX file services through stdio and std::filesystem.
#include "platform/host/host_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zebo::host {
namespace fs = std::filesystem;
namespace {

class HostReader : public FileReader {
 public:
  HostReader(std::FILE* file, int64_t size) : file_(file), size_(size) {}
  ~HostReader() override { std::fclose(file_); }
  HostReader(const HostReader&) = delete;
  HostReader& operator=(const HostReader&) = delete;
  int64_t Size() const override { return size_; }
  int64_t Position() const override { return position_; }
  bool Seek(int64_t position) override {
    if (position < 0 || fseeko(file_, static_cast<off_t>(position), SEEK_SET) != 0) return false;
    position_ = position;
    return true;
  }
  int64_t Read(void* buffer, int64_t count) override {
    if (count <= 0) return 0;
    const size_t got = std::fread(buffer, 1, static_cast<size_t>(count), file_);
    position_ += static_cast<int64_t>(got);
    return static_cast<int64_t>(got);
  }

 private:
  std::FILE* file_;
  int64_t size_;
  int64_t position_ = 0;
};

}  // namespace

int64_t HostFiles::FileSize(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return -1;
  const auto size = fs::file_size(path, ec);
  return ec ? -1 : static_cast<int64_t>(size);
}

bool HostFiles::FolderExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

std::unique_ptr<FileReader> HostFiles::OpenRead(const std::string& path) {
  const int64_t size = FileSize(path);
  if (size < 0) return nullptr;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  return std::make_unique<HostReader>(file, size);
}

bool HostFiles::WriteFile(const std::string& path, std::string_view data) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const size_t written = data.empty() ? 0 : std::fwrite(data.data(), 1, data.size(), file);
  const bool closed = std::fclose(file) == 0;
  return closed && written == data.size();
}

bool HostFiles::DeleteFile(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  return fs::remove(path, ec) && !ec;
}

bool HostFiles::RenameFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (fs::exists(to, ec)) return false;
  return ReplaceFile(from, to);
}

bool HostFiles::ReplaceFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (!fs::is_regular_file(from, ec) || fs::is_directory(to, ec)) return false;
  fs::rename(from, to, ec);
  return !ec;
}

bool HostFiles::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  std::error_code ec;
  if (!fs::is_regular_file(from, ec)) return false;
  if (fs::exists(to, ec) && (failIfExists || fs::is_directory(to, ec))) return false;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  return !ec;
}

bool HostFiles::MakeFolder(const std::string& path) {
  std::error_code ec;
  return fs::create_directory(path, ec) && !ec;
}

std::vector<FolderEntry> HostFiles::ListFolder(const std::string& path) {
  std::vector<FolderEntry> out;
  std::error_code ec;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
    out.push_back({it->path().filename().string(), it->is_directory(ec)});
  }
  return out;
}

std::string HostFiles::TempFolder() {
  std::error_code ec;
  std::string temp = fs::temp_directory_path(ec).string();
  if (temp.empty()) temp = "/tmp";
  if (temp.back() != '/') temp += '/';
  return temp;
}

}  // namespace zebo::host
