// Runs the shared file-service contract on the real Windows file system, each test in a fresh
// folder under the temporary folder.
#include "platform/win32/win32_files.h"

#include <string>

#include "platform/win32/text.h"
#include "platform/win32/windows_api.h"
#include "tests/contract/files_contract.h"

namespace zebo::contract {
namespace {

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::DeleteFileW(path.c_str());
      }
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(folder.c_str());
}

// One folder for the whole run, removed with everything in it when the program ends.
struct TestRoot {
  TestRoot() {
    wchar_t temp[MAX_PATH + 1];
    ::GetTempPathW(MAX_PATH + 1, temp);
    path = std::wstring(temp) + L"zebo-files-" + std::to_wstring(::GetCurrentProcessId());
    RemoveTree(path);
    ::CreateDirectoryW(path.c_str(), nullptr);
  }
  ~TestRoot() { RemoveTree(path); }
  std::wstring path;
  int next = 0;
};

}  // namespace

FilesUnderTest MakeFilesUnderTest() {
  static TestRoot root;
  static win32::Win32Files files;
  const std::wstring folder = root.path + L"\\t" + std::to_wstring(++root.next);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return {&files, win32::Narrow(folder) + "\\"};
}

}  // namespace zebo::contract
