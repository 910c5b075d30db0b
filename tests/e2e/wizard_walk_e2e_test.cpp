// The wizard walked with the keyboard only, as its users walk it: from the description page to the
// summary page of a real installer, checking at each page what a screen reader would meet (the
// window title, the page shown, the buttons offered, where the focus lands) and saving a picture.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/e2e/harness/harness.h"
// After windows.h.
#include <oleacc.h>

namespace zebo::e2e {
namespace {

constexpr DWORD kStartLimit = 30000;
constexpr DWORD kStepLimit = 10000;
const int kPages[] = {6, 71, 62, 81, 85, 97, 100, 102};
const int kButtons[] = {1, 2, 3, 4, 5};

// Every control of the window that the user can reach with Tab right now.
std::vector<HWND> Reachable(HWND window) {
  std::vector<HWND> found;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        if (::IsWindowVisible(child) && ::IsWindowEnabled(child) &&
            (::GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP)) {
          reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Writes a small installer: a package of two groups, one optional and one protected file.
std::wstring MakeInstaller(const std::wstring& folder) {
  const std::wstring zebo = TestSettings().zeboExe;
  const std::wstring pack = zebo.substr(0, zebo.find_last_of(L'\\') + 1) + L"zebo-pack.exe";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  auto write = [&](const std::wstring& name, const std::string& text) {
    EXPECT_TRUE(WriteFileBytes(folder + L"\\" + name, text)) << Utf8(name);
  };
  write(L"Notes.jss", "Script Hello ()\r\nSayString (\"Bonjour\")\r\nEndScript\r\n");
  write(L"Notes.jsh", "Const Greeting = \"Bonjour\"\r\n");
  write(L"Extras.jss", "Script Extra ()\r\nEndScript\r\n");
  write(L"Tools.jss", "Script Tools ()\r\nEndScript\r\n");
  write(L"Old.jss", "Script Old ()\r\nEndScript\r\n");
  write(L"package.ini",
        "[package]\r\nDate = 11/12/2026 10:30\r\nApplicationName = Bloc-notes\r\n"
        "ApplicationVersion = 3.2\r\nScriptName = BlocNotes\r\nScriptVersion = 1.0\r\n"
        "ScriptAuthor = Auteur d'essai\r\nContact = essai@example.org\r\nCreatedOn = e2e\r\n"
        "Password = s\xC3\xA9same\r\nAlias = bn\r\n"
        "[group]\r\nName = 2019\r\n[group]\r\nName = 11.0\r\n"
        "[file]\r\nSource = Notes.jss\r\nGroup = 2019\r\nCompileOrder = 1\r\nFlags = Compile\r\n"
        "[file]\r\nSource = Notes.jsh\r\nGroup = 2019\r\n"
        "[file]\r\nSource = Extras.jss\r\nGroup = 2019\r\nFlags = Optional\r\n"
        "[file]\r\nSource = Tools.jss\r\nGroup = 2019\r\nFlags = Protected\r\n"
        "[file]\r\nSource = Old.jss\r\nGroup = 11.0\r\n");
  const std::wstring installer = folder + L"\\Setup.exe";
  ::DeleteFileW(installer.c_str());
  Program packer;
  if (!packer.Start(pack,
                    L"build \"" + folder + L"\\package.ini\" -o \"" + installer + L"\" --stub \"" +
                        zebo + L"\"",
                    folder) ||
      packer.Wait(60000) != std::optional<DWORD>(0)) {
    return {};
  }
  return installer;
}

class WizardWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    folder = TestSettings().outDir.empty() ? L"C:\\zebo-walk" : TestSettings().outDir + L"\\walk";
    installer = MakeInstaller(folder);
    ASSERT_FALSE(installer.empty()) << "the installer could not be packed";
    ASSERT_TRUE(zebo.Start(installer, L"", folder));
    window = zebo.WaitForWindow(L"ZeBo pour Bloc-notes", L"ZeBoWindow", kStartLimit);
    ASSERT_NE(window, nullptr);
  }

  // The page on display: the one container shown, the buttons offered, the title, and the
  // control that has the focus once the page's countdown has run.
  void ExpectPage(const char* name, int page, std::set<int> buttons, const std::wstring& title,
                  int focus) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(WaitUntil([&] { return ControlShown(window, page); }, kStepLimit)) << page;
    for (int other : kPages) {
      EXPECT_EQ(ControlShown(window, other), other == page) << other;
    }
    for (int button : kButtons) {
      EXPECT_EQ(ControlShown(window, button), buttons.count(button) == 1) << button;
    }
    EXPECT_EQ(WindowText(window), title);
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(window) == focus; }, kStepLimit))
        << "focus on " << FocusedControlId(window) << ", expected " << focus;
    // Wine's accessibility layer names edits, buttons, check boxes and lists, but not drop-down
    // lists or rich-text areas: for those the label created just before them is checked.
    for (HWND control : Reachable(window)) {
      EXPECT_FALSE(AccessibleName(control).empty() && LabelBefore(control).empty())
          << "control " << ::GetDlgCtrlID(control) << " has no name";
    }
    if (!TestSettings().outDir.empty()) {
      const std::wstring picture = TestSettings().outDir + L"\\page-" + std::to_wstring(++shot) +
                                   L"-" + std::wstring(name, name + strlen(name)) + L".bmp";
      EXPECT_TRUE(SaveScreenshot(window, picture));
    }
  }

  void Press(WORD key, int modifiers = kNoModifier) {
    ASSERT_TRUE(PressKeyIn(window, key, modifiers));
  }

  int FileCount() {
    return static_cast<int>(::SendMessageW(PageControl(window, 88), 0x1004, 0, 0));
  }
  bool FileChecked(int index) {
    const auto state = static_cast<UINT>(
        ::SendMessageW(PageControl(window, 88), 0x102C, static_cast<WPARAM>(index), 0xF000));
    return (state >> 12) == 2;
  }
  int SelectedFile() {
    return static_cast<int>(
        ::SendMessageW(PageControl(window, 88), 0x100C, static_cast<WPARAM>(-1), 0x0002));
  }

  void TearDown() override { ::CoUninitialize(); }

  std::wstring folder, installer;
  Program zebo;
  HWND window = nullptr;
  int shot = 0;
};

TEST_F(WizardWalk, FromTheDescriptionToTheSummaryWithTheKeyboardOnly) {
  const std::wstring title = L"ZeBo pour Bloc-notes";
  // Start-up focuses the Next button once its longer countdown has run.
  ExpectPage("description", 6, {1, 2, 4}, title, 2);
  Press('P', kAlt);  // nothing before the first page
  ExpectPage("description", 6, {1, 2, 4}, title, 2);

  Press('S', kAlt);
  ExpectPage("operation", 71, {1, 2, 3, 4}, title, 73);
  Press(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(window) == 74; }, kStepLimit));
  Press(VK_TAB, kShift);
  EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(window) == 73; }, kStepLimit));

  Press(VK_RETURN);
  ExpectPage("destination", 62, {1, 2, 3, 4}, title, 65);

  Press('S', kAlt);
  ExpectPage("group", 81, {1, 2, 3, 4}, title, 84);

  Press(VK_RETURN);
  ExpectPage("files", 85, {1, 2, 3, 4}, title, 88);
  // Group 2019 without its protected file: three files, the optional one unchecked.
  ASSERT_EQ(FileCount(), 3);
  int checked = 0;
  for (int i = 0; i < 3; ++i) checked += FileChecked(i) ? 1 : 0;
  EXPECT_EQ(checked, 2);

  // The space bar toggles the selected file; Control+A checks them all.
  const int selected = SelectedFile();
  ASSERT_GE(selected, 0);
  const bool before = FileChecked(selected);
  Press(VK_SPACE);
  EXPECT_TRUE(WaitUntil([&] { return FileChecked(selected) != before; }, kStepLimit));
  Press('A', kControl);
  EXPECT_TRUE(
      WaitUntil([&] { return FileChecked(0) && FileChecked(1) && FileChecked(2); }, kStepLimit));

  // The context-menu key opens the file's menu; its compile toggle refills the list and keeps
  // the toggled file selected.
  Press(VK_DOWN);
  const int toggled = SelectedFile();
  Press(VK_APPS);
  HWND menu = zebo.WaitForWindow(L"", L"#32768", kStepLimit);
  ASSERT_NE(menu, nullptr);
  if (!TestSettings().outDir.empty()) {
    SaveScreenshot(window, TestSettings().outDir + L"\\page-5b-files-menu.bmp");
  }
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(menu); }, kStepLimit));
  EXPECT_EQ(SelectedFile(), toggled);
  EXPECT_EQ(FileCount(), 3);

  // Alt+F2 asks for the password; the right one lists the protected file at once.
  Press(VK_F2, kAlt);
  HWND requester = zebo.WaitForWindow(L"Protection des fichiers", L"#32770", kStepLimit);
  ASSERT_NE(requester, nullptr);
  TypeText(L"s\u00E9same");
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return FileCount() == 4; }, kStepLimit));

  // Help and log pages come over the wizard and go back to it with Alt+P.
  Press(VK_F1);
  ExpectPage("help", 102, {3}, L"ZeBo - Aide ", 105);
  Press('P', kAlt);
  ExpectPage("files", 85, {1, 2, 3, 4}, title, 88);
  Press(VK_F1, kAlt);
  ExpectPage("log", 100, {3}, L"ZeBo - Log", 101);
  Press('A', kControl);  // selects the log's text; nothing else
  Press('P', kAlt);
  ExpectPage("files", 85, {1, 2, 3, 4}, title, 88);

  Press('S', kAlt);
  ExpectPage("summary", 97, {1, 3, 4, 5}, title, 99);
  Press(VK_RETURN);  // Next is not offered here: Enter does nothing
  ::Sleep(500);
  EXPECT_TRUE(ControlShown(window, 97));

  // The context-menu key on another page than the files page does nothing.
  Press(VK_APPS);
  ::Sleep(500);
  EXPECT_EQ(zebo.WaitForWindow(L"", L"#32768", 300), nullptr);

  // A second copy ends at once and leaves this one as it is.
  Program second;
  ASSERT_TRUE(second.Start(installer, L"", folder));
  EXPECT_EQ(second.Wait(kStartLimit), std::optional<DWORD>(0));
  EXPECT_TRUE(zebo.Running());

  // Back with Alt+P, then the close box ends the program.
  Press('P', kAlt);
  ExpectPage("files", 85, {1, 2, 3, 4}, title, 88);
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(zebo.Wait(kStepLimit), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace zebo::e2e
