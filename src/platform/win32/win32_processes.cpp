// Process services. The path functions are looked up at run time, so that the one 32-bit
// program still loads on systems that lack them.
#include "platform/win32/win32_processes.h"

// clang-format off
#include "platform/win32/windows_api.h"
#include <tlhelp32.h>
// clang-format on

#include <vector>

#include "platform/win32/text.h"

namespace zebo::win32 {
namespace {

struct LibraryTraits {
  using Type = HMODULE;
  static bool Valid(HMODULE module) { return module != nullptr; }
  static void Close(HMODULE module) { ::FreeLibrary(module); }
};
using Library = UniqueHandle<LibraryTraits>;

constexpr DWORD kPathChars = 1024;

template <typename Function>
Function Lookup(const Library& library, const char* name) {
  if (!library) return nullptr;
  // GetProcAddress gives a generic function pointer; the cast goes through void(*)() to say so.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(::GetProcAddress(library.Get(), name)));
}

std::string PathNt6(uint32_t id) {
  Handle process(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, id));
  if (!process) process.Reset(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  if (!process) return "";
  using Query = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
  const Library kernel(::LoadLibraryW(L"kernel32.dll"));
  const auto query = Lookup<Query>(kernel, "QueryFullProcessImageNameW");
  if (query == nullptr) return "";
  wchar_t path[kPathChars];
  DWORD size = kPathChars;
  if (query(process.Get(), 0, path, &size) == 0) return "";
  return Narrow(std::wstring_view(path, size));
}

std::string PathNt5(uint32_t id) {
  Handle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
  if (!process) return "";
  using ModuleName = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
  const Library psapi(::LoadLibraryW(L"psapi.dll"));
  const auto name = Lookup<ModuleName>(psapi, "GetModuleFileNameExW");
  if (name == nullptr) return "";
  wchar_t path[kPathChars];
  const DWORD length = name(process.Get(), nullptr, path, kPathChars);
  if (length == 0) return "";
  return Narrow(std::wstring_view(path, length));
}

}  // namespace

WindowsVersionClass Win32Processes::VersionClass() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!::GetVersionExW(&info)) return WindowsVersionClass::Nt6OrLater;
  if (info.dwPlatformId != VER_PLATFORM_WIN32_NT || info.dwMajorVersion < 5) {
    return WindowsVersionClass::Older;
  }
  return info.dwMajorVersion == 5 ? WindowsVersionClass::Nt5 : WindowsVersionClass::Nt6OrLater;
}

std::vector<ProcessEntry> Win32Processes::Snapshot() {
  std::vector<ProcessEntry> list;
  if (VersionClass() == WindowsVersionClass::Older) return list;
  const Handle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return list;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
       more = ::Process32NextW(snapshot.Get(), &entry)) {
    std::string name = Narrow(entry.szExeFile);
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    list.push_back({entry.th32ProcessID, name});
  }
  return list;
}

std::string Win32Processes::ExecutablePath(uint32_t processId) {
  if (processId == 0) return "";
  switch (VersionClass()) {
    case WindowsVersionClass::Older:
      return "";
    case WindowsVersionClass::Nt5:
      return PathNt5(processId);
    case WindowsVersionClass::Nt6OrLater:
      break;
  }
  const std::string path = PathNt6(processId);
  return path.empty() ? PathNt5(processId) : path;
}

uint32_t Win32Processes::Start(const std::string& program, const std::string& arguments,
                               const std::string& workingFolder, WindowMode mode) {
  const std::wstring application = Widen(program);
  std::wstring line = Widen(CommandLine(program, arguments));
  const std::wstring folder = Widen(workingFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = mode == WindowMode::Hidden ? SW_HIDE : SW_SHOWNORMAL;
  DWORD flags = NORMAL_PRIORITY_CLASS;
  if (mode == WindowMode::Hidden) flags |= DETACHED_PROCESS;
  PROCESS_INFORMATION started{};
  // The program is named on its own as well, so that nothing is looked up on the search path and
  // no command shell is involved.
  if (!::CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    return 0;
  }
  ::CloseHandle(started.hThread);
  runs_[started.dwProcessId] = Handle(started.hProcess);
  return started.dwProcessId;
}

bool Win32Processes::Wait(uint32_t run, uint32_t milliseconds) {
  const auto found = runs_.find(run);
  if (found == runs_.end()) return false;
  return ::WaitForSingleObject(found->second.Get(), milliseconds) == WAIT_OBJECT_0;
}

uint32_t Win32Processes::ExitCode(uint32_t run) {
  const auto found = runs_.find(run);
  DWORD code = 0;
  if (found == runs_.end() || !::GetExitCodeProcess(found->second.Get(), &code)) return 0;
  return code;
}

void Win32Processes::Release(uint32_t run) {
  runs_.erase(run);
}

}  // namespace zebo::win32
