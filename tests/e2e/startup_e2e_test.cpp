// The real program at start-up: the stub without a package, and a second copy.
#include <gtest/gtest.h>

#include "tests/e2e/harness/harness.h"

namespace zebo::e2e {
namespace {

const wchar_t kBadPackage[] =
    L"Les donn\u00E9es du fichier d'installation sont \u00E9rron\u00E9es !";
constexpr DWORD kStartLimit = 20000;  // Wine can be slow to start a program the first time
constexpr DWORD kEndLimit = 10000;

TEST(StartupE2E, TheStubWithoutAPackageSaysSoAndEndsOnEnter) {
  Program zebo;
  ASSERT_TRUE(zebo.Start(TestSettings().zeboExe));
  HWND box = zebo.WaitForMessageBox(L"Erreur", kStartLimit);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), kBadPackage);
  EXPECT_EQ(zebo.Windows().size(), 1u);  // the box alone: no main window yet
  if (!TestSettings().outDir.empty()) {
    EXPECT_TRUE(SaveScreenshot(box, TestSettings().outDir + L"\\no-package.bmp"));
  }
  ASSERT_TRUE(PressKeyIn(box, VK_RETURN));
  EXPECT_EQ(zebo.Wait(kEndLimit), std::optional<DWORD>(0));
}

TEST(StartupE2E, ASecondCopyEndsAtOnceWithoutAWindow) {
  Program first;
  ASSERT_TRUE(first.Start(TestSettings().zeboExe));
  HWND box = first.WaitForMessageBox(L"Erreur", kStartLimit);
  ASSERT_NE(box, nullptr);

  Program second;
  ASSERT_TRUE(second.Start(TestSettings().zeboExe));
  bool showedAWindow = false;
  WaitUntil(
      [&] {
        if (!second.Windows().empty()) showedAWindow = true;
        return !second.Running();
      },
      kEndLimit, 5);
  EXPECT_EQ(second.Wait(0), std::optional<DWORD>(0));
  EXPECT_FALSE(showedAWindow);

  // The first copy is still waiting for its answer.
  EXPECT_TRUE(first.Running());
  ASSERT_TRUE(PressKeyIn(box, VK_RETURN));
  EXPECT_EQ(first.Wait(kEndLimit), std::optional<DWORD>(0));
}

// A copy that is still starting holds the mutex and has the title "ZeBo": this test plays it.
TEST(StartupE2E, ASecondCopyBringsTheStartingCopyForward) {
  HANDLE mutex = ::CreateMutexW(nullptr, TRUE, L"ZeBo");
  ASSERT_NE(mutex, nullptr);
  HWND starting = ::CreateWindowExW(0, L"STATIC", L"ZeBo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                    300, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(starting, nullptr);
  ::ShowWindow(starting, SW_MINIMIZE);
  ASSERT_TRUE(::IsIconic(starting));

  Program second;
  ASSERT_TRUE(second.Start(TestSettings().zeboExe));
  // The other copy moves our window through messages to this thread: keep taking them.
  WaitUntil(
      [&] {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        return !second.Running();
      },
      kStartLimit, 5);
  EXPECT_EQ(second.Wait(0), std::optional<DWORD>(0));
  EXPECT_TRUE(::IsWindowVisible(starting));
  EXPECT_FALSE(::IsIconic(starting));
  ::DestroyWindow(starting);
  ::ReleaseMutex(mutex);
  ::CloseHandle(mutex);
}

}  // namespace
}  // namespace zebo::e2e
