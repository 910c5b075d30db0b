// The end-to-end test program: --zebo=<ZeBo.exe of this build> --out=<folder for its output>.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/harness.h"

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  zebo::e2e::Settings& settings = zebo::e2e::TestSettings();
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument.rfind(L"--zebo=", 0) == 0) {
      settings.zeboExe = zebo::e2e::WindowsPath(argument.substr(7));
    } else if (argument.rfind(L"--out=", 0) == 0) {
      settings.outDir = zebo::e2e::WindowsPath(argument.substr(6));
    }
  }
  if (settings.zeboExe.empty()) {
    std::fprintf(stderr, "usage: e2e_tests --zebo=ZeBo.exe [--out=folder]\n");
    return 2;
  }
  if (!settings.outDir.empty()) ::CreateDirectoryW(settings.outDir.c_str(), nullptr);
  return RUN_ALL_TESTS();
}
