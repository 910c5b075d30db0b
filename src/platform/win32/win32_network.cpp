// HTTP GET into a file through WinINet.
#include "platform/win32/win32_network.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <string_view>

#include "platform/win32/text.h"

namespace zebo::win32 {
namespace {

// Closes a WinINet handle when it goes out of scope.
class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }

 private:
  HINTERNET handle_;
};

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  void Close() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

bool WriteAll(const std::string& path, const std::string& data) {
  const std::wstring wide = Widen(path);
  FileHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return false;
  size_t done = 0;
  while (done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1 << 16));
    DWORD written = 0;
    if (!::WriteFile(file.get(), data.data() + done, chunk, &written, nullptr) || written == 0) {
      file.Close();
      DeleteFileW(wide.c_str());
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

Win32Network::~Win32Network() {
  if (session_) InternetCloseHandle(static_cast<HINTERNET>(session_));
}

bool Win32Network::Start() {
  if (session_) return true;
  session_ = InternetOpenW(L"ZeBo", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  return session_ != nullptr;
}

bool Win32Network::DownloadToFile(const std::string& url, const std::string& path) {
  if (!session_) return false;
  // Only the web: WinINet would also fetch ftp:// and file-like addresses.
  if (!StartsWithNoCase(url, "http://") && !StartsWithNoCase(url, "https://")) return false;
  const std::wstring wideUrl = Widen(url);
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH;
  InternetHandle request(
      InternetOpenUrlW(static_cast<HINTERNET>(session_), wideUrl.c_str(), nullptr, 0, flags, 0));
  if (!request.get()) return false;
  DWORD status = 0;
  DWORD statusSize = sizeof(status);
  if (!HttpQueryInfoW(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                      &statusSize, nullptr) ||
      status < 200 || status > 299) {
    return false;
  }
  std::string body;
  char buffer[8192];
  for (;;) {
    DWORD got = 0;
    if (!InternetReadFile(request.get(), buffer, sizeof(buffer), &got)) return false;
    if (got == 0) break;
    if (static_cast<int64_t>(body.size() + got) > kMaxDownloadBytes) return false;
    body.append(buffer, got);
  }
  return WriteAll(path, body);
}

}  // namespace zebo::win32
