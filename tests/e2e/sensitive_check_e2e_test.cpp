// The warning about an adaptation that adds code to KeyPressedEvent, in the real program walked
// with the keyboard: it comes once each time the last page is shown before the run, never twice
// for one showing, and the focus then lands on the step list.
#include <gtest/gtest.h>

#include "tests/e2e/harness/harness.h"
#include "tests/e2e/installer.h"

namespace zebo::e2e {
namespace {

constexpr DWORD kStartLimit = 30000;
constexpr DWORD kLimit = 10000;
constexpr int kFilePage = 85;
constexpr int kFileList = 88;
constexpr int kHelpPage = 102;
constexpr int kProcessPage = 97;
constexpr int kStepList = 99;
const wchar_t kWarning[] =
    L"Detection de l'utilisation de fonction sensible \u00E0 la s\u00E9curit\u00E9.\n"
    L"Etes-vous sur de l'int\u00E9grit\u00E9 de ces scripts ?";
const wchar_t kFileLine[] =
    L"- Adaptation de fonctions sensible \u00E0 la s\u00E9curit\u00E9 par BlocDefault.jss\n"
    L"Function KeyPressedEvent";

std::wstring Installer() {
  PackageInfo info;
  info.ApplicationName = "Bloc";
  info.ApplicationVersion = "1.0";
  info.ScriptName = "Bloc";
  info.Date = 1330596000;
  return WriteInstaller(L"sensitive.exe", info, {"2019"},
                        {PackageEntry("Bloc.jss", "Script A ()\r\nEndScript\r\n"),
                         PackageEntry("BlocDefault.jss",
                                      "; merge_file Default.jss\r\n; merge_tag Bloc\r\n"
                                      "; merge_addendfunction KeyPressedEvent BlocKey ()\r\n"
                                      "Void Function BlocKey ()\r\nEndFunction\r\n",
                                      FileAdaptation)});
}

bool Shown(HWND window, int id) {
  const HWND control = PageControl(window, id);
  return control != nullptr && ::IsWindowVisible(control);
}

class SensitiveCheckE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(TestSettings().outDir.empty());
    ASSERT_TRUE(zebo.Start(Installer()));
    main = zebo.WaitForWindow(L"ZeBo pour Bloc", L"", kStartLimit);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusedControlId(main) == 2; }, kStartLimit));
  }

  // Goes forward with `key` until the page is shown and its focus has landed.
  void Forward(WORD key, int modifiers, int page, int focus) {
    ASSERT_TRUE(PressKeyIn(main, key, modifiers));
    ASSERT_TRUE(WaitUntil([&] { return Shown(main, page); }, kLimit)) << page;
    ASSERT_TRUE(WaitUntil([&] { return FocusedControlId(main) == focus; }, kLimit))
        << "page " << page << ": focus on " << FocusedControlId(main);
  }

  // The warning of one showing of the last page: its text, OK focused, gone with Enter, no second
  // one after it, then the last page with the focus on the step list, which holds one report.
  void ExpectOneWarning(const wchar_t* shot) {
    HWND box = zebo.WaitForMessageBox(L"Attention", kLimit);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kWarning);
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(box) == IDOK; }, kLimit));
    EXPECT_TRUE(SaveScreenshot(box, TestSettings().outDir + L"\\" + shot + L".bmp"));
    ASSERT_TRUE(PressKeyIn(box, VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, kLimit));
    EXPECT_TRUE(WaitUntil([&] { return Shown(main, kProcessPage); }, kLimit));
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(main) == kStepList; }, kLimit))
        << "focus on " << FocusedControlId(main);
    EXPECT_EQ(zebo.WaitForMessageBox(L"Attention", 2000), nullptr) << "a second warning";
    std::wstring steps = ControlText(main, kStepList);
    std::erase(steps, L'\r');
    EXPECT_EQ(Occurrences(steps, kFileLine), 1) << std::string(steps.begin(), steps.end());
  }

  Program zebo;
  HWND main = nullptr;
};

TEST_F(SensitiveCheckE2E, TheWarningComesOncePerShowingOfTheLastPage) {
  Forward('S', kAlt, 71, 73);                // operation page
  Forward('S', kAlt, 62, 65);                // destination page
  Forward('S', kAlt, kFilePage, kFileList);  // one group: the file list page
  ASSERT_TRUE(PressKeyIn(main, VK_RETURN));  // Next with Enter
  ExpectOneWarning(L"sensitive-first");

  // Back to the file list and forward again with Alt+S: a new showing, a new warning.
  Forward('P', kAlt, kFilePage, kFileList);
  ASSERT_TRUE(PressKeyIn(main, 'S', kAlt));
  ExpectOneWarning(L"sensitive-again");

  // The help page and back: the last page is shown again, and so is the warning.
  Forward(VK_F1, kNoModifier, kHelpPage, 105);
  ASSERT_TRUE(PressKeyIn(main, 'P', kAlt));
  ExpectOneWarning(L"sensitive-after-help");
}

}  // namespace
}  // namespace zebo::e2e
