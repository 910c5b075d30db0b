// File services on the Windows file system: Windows-1252 paths widened at the call, W functions
// only, every handle owned.
#include "platform/win32/win32_files.h"

#include <algorithm>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace zebo::win32 {
namespace {

// ReadFile and WriteFile take a DWORD count: big transfers go in pieces.
constexpr int64_t kMaxChunk = 1 << 30;

class Win32Reader : public FileReader {
 public:
  Win32Reader(Handle file, int64_t size) : file_(std::move(file)), size_(size) {}
  int64_t Size() const override { return size_; }
  int64_t Position() const override { return position_; }
  bool Seek(int64_t position) override {
    if (position < 0) return false;
    LARGE_INTEGER to;
    to.QuadPart = position;
    if (!::SetFilePointerEx(file_.Get(), to, nullptr, FILE_BEGIN)) return false;
    position_ = position;
    return true;
  }
  int64_t Read(void* buffer, int64_t count) override {
    auto* out = static_cast<char*>(buffer);
    int64_t done = 0;
    while (done < count) {
      const DWORD want = static_cast<DWORD>(std::min(count - done, kMaxChunk));
      DWORD got = 0;
      if (!::ReadFile(file_.Get(), out + done, want, &got, nullptr) || got == 0) break;
      done += got;
    }
    position_ += done;
    return done;
  }

 private:
  Handle file_;
  int64_t size_;
  int64_t position_ = 0;
};

bool Attributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  return ::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) != 0;
}

}  // namespace

int64_t Win32Files::FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!Attributes(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return -1;
  return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) |
                              data.nFileSizeLow);
}

bool Win32Files::FolderExists(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return Attributes(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<FileReader> Win32Files::OpenRead(const std::string& path) {
  // Others may read it too: the program reads its own running executable.
  Handle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return nullptr;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.Get(), &size)) return nullptr;
  return std::make_unique<Win32Reader>(std::move(file), size.QuadPart);
}

bool Win32Files::WriteFile(const std::string& path, std::string_view data) {
  Handle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  size_t done = 0;
  while (done < data.size()) {
    const DWORD want =
        static_cast<DWORD>(std::min<size_t>(data.size() - done, static_cast<size_t>(kMaxChunk)));
    DWORD wrote = 0;
    if (!::WriteFile(file.Get(), data.data() + done, want, &wrote, nullptr) || wrote == 0) {
      return false;
    }
    done += wrote;
  }
  return true;
}

bool Win32Files::DeleteFile(const std::string& path) {
  return ::DeleteFileW(Widen(path).c_str()) != 0;
}

bool Win32Files::RenameFile(const std::string& from, const std::string& to) {
  return ::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), 0) != 0;
}

bool Win32Files::ReplaceFile(const std::string& from, const std::string& to) {
  return ::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32Files::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  return ::CopyFileW(Widen(from).c_str(), Widen(to).c_str(), failIfExists ? TRUE : FALSE) != 0;
}

bool Win32Files::MakeFolder(const std::string& path) {
  return ::CreateDirectoryW(Widen(path).c_str(), nullptr) != 0;
}

std::vector<FolderEntry> Win32Files::ListFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  std::wstring pattern = Widen(path);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found;
  FindHandle find(::FindFirstFileW(pattern.c_str(), &found));
  if (!find) return entries;
  do {
    const std::wstring_view name(found.cFileName);
    if (name == L"." || name == L"..") continue;
    entries.push_back({Narrow(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (::FindNextFileW(find.Get(), &found));
  return entries;
}

std::string Win32Files::TempFolder() {
  wchar_t buffer[MAX_PATH + 2];
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH + 1) return "";
  std::string folder = Narrow(std::wstring_view(buffer, length));
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace zebo::win32
