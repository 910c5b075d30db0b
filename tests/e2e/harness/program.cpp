// Starting the program under test, waiting for it, and finding its top-level windows.
#include "tests/e2e/harness/harness.h"

namespace zebo::e2e {

Settings& TestSettings() {
  static Settings settings;
  return settings;
}

std::wstring WindowsPath(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') return path;
  std::wstring out = L"Z:" + path;
  for (wchar_t& c : out) {
    if (c == L'/') c = L'\\';
  }
  return out;
}

bool WaitUntil(const std::function<bool()>& done, DWORD limitMs, DWORD stepMs) {
  const ULONGLONG end = ::GetTickCount64() + limitMs;
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() >= end) return false;
    ::Sleep(stepMs);
  }
}

Program::~Program() {
  Kill();
}

bool Program::Start(const std::wstring& exe, const std::wstring& arguments,
                    const std::wstring& folder) {
  Kill();
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return false;
  }
  ::CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool Program::Running() const {
  return process_ && ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::Wait(DWORD limitMs) {
  if (!process_ || ::WaitForSingleObject(process_, limitMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!::GetExitCodeProcess(process_, &code)) return std::nullopt;
  return code;
}

void Program::Kill() {
  if (!process_) return;
  if (Running()) {
    ::TerminateProcess(process_, 99);
    ::WaitForSingleObject(process_, 5000);
  }
  ::CloseHandle(process_);
  process_ = nullptr;
  id_ = 0;
}

namespace {

struct Search {
  DWORD id;
  bool all;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->id && (search->all || ::IsWindowVisible(window))) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> Program::Windows(bool all) const {
  Search search{id_, all, {}};
  if (id_) ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::WaitForWindow(const std::wstring& title, const std::wstring& className,
                            DWORD limitMs) const {
  HWND match = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows()) {
          if (WindowText(window) == title &&
              (className.empty() || ClassName(window) == className)) {
            match = window;
            return true;
          }
        }
        return false;
      },
      limitMs);
  return match;
}

HWND Program::WaitForMessageBox(const std::wstring& title, DWORD limitMs) const {
  return WaitForWindow(title, L"#32770", limitMs);
}

std::optional<std::string> FileBytes(const std::wstring& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  ::CloseHandle(file);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  ::CloseHandle(file);
  return ok;
}

}  // namespace zebo::e2e
