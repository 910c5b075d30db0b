// Stand-in for the web browser: registered for http and https addresses in the test machine, it
// opens nothing and only appends the address it was given to a record file, so a test sees what
// the program asked the shell to open. Arguments: the record file, then the address.
#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 3) return 2;
  const std::wstring address = std::wstring(arguments[2]) + L"\r\n";
  const HANDLE record = CreateFileW(arguments[1], FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  LocalFree(arguments);
  if (record == INVALID_HANDLE_VALUE) return 1;
  const int size = WideCharToMultiByte(CP_UTF8, 0, address.data(), static_cast<int>(address.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, address.data(), static_cast<int>(address.size()), bytes.data(),
                      size, nullptr, nullptr);
  DWORD written = 0;
  const BOOL ok =
      WriteFile(record, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(record);
  return ok && written == bytes.size() ? 0 : 1;
}
