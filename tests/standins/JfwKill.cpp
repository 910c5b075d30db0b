// Stand-in for the JAWS kill tool: ends every running jfw.exe and exits 0 (also when none ran).
// It asks each one to close through its window; one that has no window yet, or does not close,
// is ended outright after a few seconds, so that the caller never finds JAWS still running.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include <cwchar>
#include <vector>

namespace {

std::vector<DWORD> RunningJaws() {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, L"jfw.exe") == 0) ids.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  for (;;) {
    const std::vector<DWORD> ids = RunningJaws();
    if (ids.empty()) return 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"ZeBoJawsStandIn", nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, L"ZeBoJawsStandIn", nullptr)) {
      PostMessageW(w, WM_CLOSE, 0, 0);
    }
    Sleep(100);
    if (GetTickCount64() < deadline) continue;
    for (DWORD id : RunningJaws()) {
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
      if (process == nullptr) continue;
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
    return 0;
  }
}
