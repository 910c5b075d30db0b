// Single instance, the other copy's window, the program's own paths and its end.
#include "platform/win32/win32_host.h"

#include <vector>

#include "platform/win32/text.h"

namespace zebo::win32 {
namespace {

struct WindowSearch {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  const int length = ::GetWindowTextLengthW(window);
  if (length != static_cast<int>(search->title.size())) return TRUE;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  if (text != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

bool Win32Host::MutexExists(const std::string& name) {
  Handle existing(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, Widen(name).c_str()));
  return existing.Valid();
}

bool Win32Host::CreateMutex(const std::string& name) {
  Handle created(::CreateMutexW(nullptr, TRUE, Widen(name).c_str()));
  // Another copy that made it in the meantime owns it: this copy is not the single instance.
  if (!created || ::GetLastError() == ERROR_ALREADY_EXISTS) return false;
  mutex_ = std::move(created);
  return true;
}

void Win32Host::CloseMutex() {
  if (mutex_) ::ReleaseMutex(mutex_.Get());
  mutex_.Reset();
}

bool Win32Host::BringWindowForward(const std::string& title) {
  // FindWindowW compares titles without regard to case; the other copy is found by its exact
  // title only.
  WindowSearch search{Widen(title)};
  ::EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  ::ShowWindow(search.found, SW_HIDE);
  ::ShowWindow(search.found, SW_MINIMIZE);
  ::ShowWindow(search.found, SW_RESTORE);
  return true;
}

std::string Win32Host::ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return "";
    if (length < buffer.size()) return Narrow(std::wstring_view(buffer.data(), length));
    if (buffer.size() >= 32768) return "";
    buffer.resize(buffer.size() * 2);
  }
}

std::string Win32Host::CurrentFolder() {
  const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return "";
  std::wstring buffer(needed, L'\0');
  const DWORD length = ::GetCurrentDirectoryW(needed, buffer.data());
  if (length == 0 || length >= needed) return "";
  buffer.resize(length);
  return Narrow(buffer);
}

void Win32Host::ExitProcess(int code) {
  ::ExitProcess(static_cast<UINT>(code));
}

}  // namespace zebo::win32
