// zebo-pack, the script author's tool: packs a script set into an installer and reads one back.
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "tools/zebo-pack/commands.h"

#ifdef _WIN32
#include "core/cp1252.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/windows_api.h"
#else
#include <unistd.h>

#include "platform/host/host_files.h"
#endif

namespace {

zebo::LocalTime Now() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::u16string wide(reinterpret_cast<const char16_t*>(argv[i]));
    // The command line reaches the commands as UTF-8, like the manifest.
    args.push_back(zebo::Cp1252ToUtf8(zebo::Utf16ToCp1252(wide)));
  }
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::string selfPath =
      zebo::Utf16ToCp1252(std::u16string(reinterpret_cast<const char16_t*>(self)));
  zebo::win32::Win32Files files;
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string selfPath = argc > 0 ? argv[0] : "";
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length > 0) selfPath.assign(self, static_cast<size_t>(length));
  zebo::host::HostFiles files;
#endif
  zebo::pack::CommandContext context{files, std::cout, std::cerr, FolderOf(selfPath), Now()};
  const int code = zebo::pack::RunZeboPack(context, args);
  std::cout.flush();
  return code;
}
