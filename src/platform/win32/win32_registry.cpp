// Registry reads. Keys are opened for reading only: full access to HKEY_LOCAL_MACHINE is refused
// to a standard user, which would hide every installed JAWS from the program. KEY_WOW64_64KEY
// lets the 32-bit program see what a 64-bit JAWS registered.
#include "platform/win32/win32_registry.h"

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace zebo::win32 {
namespace {

struct KeyTraits {
  using Type = HKEY;
  static bool Valid(HKEY key) { return key != nullptr; }
  static void Close(HKEY key) { ::RegCloseKey(key); }
};
using Key = UniqueHandle<KeyTraits>;

// Values longer than this are not paths or language codes; they read as missing.
constexpr DWORD kMaxValueChars = 1024;

Key OpenKey(RegistryRoot root, const std::string& path) {
  std::string p = path;
  while (!p.empty() && p.back() == '\\') p.pop_back();
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                      Widen(p).c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
    return Key();
  }
  return Key(key);
}

}  // namespace

std::string Win32Registry::EnumerateSubkey(RegistryRoot root, const std::string& keyPath,
                                           uint32_t index) {
  const Key key = OpenKey(root, keyPath);
  if (!key) return "";
  wchar_t name[256];
  DWORD length = 256;
  if (::RegEnumKeyExW(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
      ERROR_SUCCESS) {
    return "";
  }
  return Narrow(std::wstring_view(name, length));
}

std::string Win32Registry::ReadString(RegistryRoot root, const std::string& keyPath,
                                      const std::string& valueName) {
  const Key key = OpenKey(root, keyPath);
  if (!key) return "";
  wchar_t value[kMaxValueChars];
  DWORD type = 0;
  DWORD bytes = sizeof(value);
  if (::RegQueryValueExW(key.Get(), Widen(valueName).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value), &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return "";
  }
  std::wstring_view text(value, bytes / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.remove_suffix(1);
  const size_t zero = text.find(L'\0');
  return Narrow(text.substr(0, zero));
}

}  // namespace zebo::win32
