// Stand-in for the JAWS kill tool: closes every running stand-in JAWS, waits for each to end,
// and exits 0 (also when none was running).
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  for (int round = 0; round < 50; ++round) {
    HWND window = FindWindowW(L"ZeBoJawsStandIn", nullptr);
    if (window == nullptr) return 0;
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (process != nullptr) {
      WaitForSingleObject(process, 10000);
      CloseHandle(process);
    } else {
      Sleep(100);
    }
  }
  return 0;
}
