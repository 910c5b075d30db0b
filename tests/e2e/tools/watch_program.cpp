// Runs a Windows program and tells what it shows: every window and message box as it appears,
// then the exit code. With --answer, message boxes are answered with Enter after a pause (for
// running the installer on a display nobody looks at).
//   watch_program <program.exe> [--answer] [--limit=seconds]
#include <cstdio>
#include <set>
#include <string>

#include "tests/e2e/harness/harness.h"

int wmain(int argc, wchar_t** argv) {
  using namespace zebo::e2e;
  std::wstring exe;
  bool answer = false;
  DWORD limitMs = 120000;
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument == L"--answer") {
      answer = true;
    } else if (argument.rfind(L"--limit=", 0) == 0) {
      limitMs = static_cast<DWORD>(std::stoul(argument.substr(8))) * 1000;
    } else {
      exe = WindowsPath(argument);
    }
  }
  if (exe.empty()) {
    std::fprintf(stderr, "usage: watch_program <program.exe> [--answer] [--limit=seconds]\n");
    return 2;
  }
  Program program;
  if (!program.Start(exe)) {
    std::fprintf(stderr, "cannot start %s\n", Utf8(exe).c_str());
    return 2;
  }
  std::set<HWND> seen;
  const ULONGLONG end = ::GetTickCount64() + limitMs;
  while (program.Running() && ::GetTickCount64() < end) {
    for (HWND window : program.Windows()) {
      if (!seen.insert(window).second) continue;
      if (ClassName(window) == L"#32770" && Control(window, 0xFFFF)) {
        std::printf("message box \"%s\": %s\n", Utf8(WindowText(window)).c_str(),
                    Utf8(MessageBoxText(window)).c_str());
        std::fflush(stdout);
        if (answer) {
          ::Sleep(2000);
          std::printf("  answered with Enter\n");
          PressKeyIn(window, VK_RETURN);
        }
      } else {
        std::printf("window \"%s\" (%s)\n", Utf8(WindowText(window)).c_str(),
                    Utf8(ClassName(window)).c_str());
      }
      std::fflush(stdout);
    }
    ::Sleep(100);
  }
  const auto code = program.Wait(0);
  if (!code) {
    std::printf("still running after %lu s: ended\n", static_cast<unsigned long>(limitMs / 1000));
    return 3;
  }
  std::printf("exit code %lu\n", static_cast<unsigned long>(*code));
  return 0;
}
