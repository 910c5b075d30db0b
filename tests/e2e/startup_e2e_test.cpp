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

}  // namespace
}  // namespace zebo::e2e
