// Special folders through SHGetFolderPathW, which every Windows the program runs on knows.
#include "platform/win32/win32_shell.h"

// clang-format off
#include "platform/win32/windows_api.h"
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

#include "platform/win32/text.h"

namespace zebo::win32 {

std::string Win32Shell::SpecialFolderPath(SpecialFolder folder) {
  int csidl = CSIDL_APPDATA;
  switch (folder) {
    case SpecialFolder::UserAppData:
      csidl = CSIDL_APPDATA;
      break;
    case SpecialFolder::AllUsersAppData:
      csidl = CSIDL_COMMON_APPDATA;
      break;
    case SpecialFolder::Profile:
      csidl = CSIDL_PROFILE;
      break;
    case SpecialFolder::Documents:
      csidl = CSIDL_PERSONAL;
      break;
  }
  wchar_t path[MAX_PATH] = {};
  if (::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK ||
      path[0] == L'\0') {
    return "";
  }
  std::string out = Narrow(path);
  if (out.back() != '\\') out += '\\';
  return out;
}

bool Win32Shell::OpenAddress(const std::string& address) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"open", Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace zebo::win32
