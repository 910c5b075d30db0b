// The real main window: built from the control table, tab order, texts in Windows-1252, items,
// text-area lines, events from the user only, shortcuts, requesters and accessible names.
#include "platform/win32/win32_ui.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/text.h"
#include "tests/e2e/harness/harness.h"
#include "wizard/control_table.h"
#include "wizard/controls.h"
// After windows.h.
#include <commctrl.h>
#include <oleacc.h>
#include <richedit.h>

namespace zebo::win32 {
namespace {

class Win32UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ui.CreateMainWindow("ZeBo", kMainWindowWidth, kMainWindowHeight, ControlTable()),
              UiFailure::None);
    ui.SetShortcuts(ShortcutTable());
    ASSERT_TRUE(ui.CreatePopupMenu(FilePopupMenuItems()));
  }

  // Shows one page the way the wizard does: the other containers hidden and disabled.
  void ShowOnly(int page) {
    for (const ControlSpec& c : ControlTable()) {
      if (c.kind == ControlKind::Container) {
        ui.SetVisible(c.number, c.number == page);
        ui.SetEnabled(c.number, c.number == page);
      }
    }
  }

  // Lets the window handle what is queued, and collects the events that came of it.
  std::vector<UiEvent> Drain() {
    std::vector<UiEvent> events;
    for (int idle = 0; idle < 20;) {
      const UiEvent event = ui.WaitEvent(5);
      if (event.kind == UiEventKind::None) {
        ++idle;
      } else {
        events.push_back(event);
      }
    }
    return events;
  }

  static bool Has(const std::vector<UiEvent>& events, UiEventKind kind, int number = -1) {
    for (const UiEvent& e : events) {
      if (e.kind == kind && (number < 0 || e.number == number)) return true;
    }
    return false;
  }

  Win32Ui ui;
};

// Runs `work` on another thread while the test's thread sits in a modal loop.
class Helper {
 public:
  explicit Helper(std::function<void()> work) : work_(std::move(work)) {
    thread_ = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~Helper() {
    ::WaitForSingleObject(thread_, 10000);
    ::CloseHandle(thread_);
  }
  Helper(const Helper&) = delete;
  Helper& operator=(const Helper&) = delete;

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<Helper*>(self)->work_();
    return 0;
  }
  std::function<void()> work_;
  HANDLE thread_ = nullptr;
};

// Waits for a visible top-level window of that class (and title, when given).
HWND WaitForWindow(const wchar_t* windowClass, const wchar_t* title) {
  for (int i = 0; i < 200; ++i) {
    for (HWND found = ::FindWindowExW(nullptr, nullptr, windowClass, title); found != nullptr;
         found = ::FindWindowExW(nullptr, found, windowClass, title)) {
      if (::IsWindowVisible(found)) return found;
    }
    ::Sleep(25);
  }
  return nullptr;
}

TEST_F(Win32UiTest, WindowIsFixedSizeHiddenAndScaledToItsDpi) {
  const HWND main = ui.MainWindowHandle();
  EXPECT_FALSE(::IsWindowVisible(main));
  const auto style = static_cast<DWORD>(::GetWindowLongW(main, GWL_STYLE));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  const HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  RECT client{};
  ::GetClientRect(main, &client);
  EXPECT_EQ(client.right, ::MulDiv(600, dpi, 96));
  EXPECT_EQ(client.bottom, ::MulDiv(480, dpi, 96));
  // A control of a page sits at its table position inside its container.
  RECT browse{};
  ::GetWindowRect(ui.ControlHandle(BrowseButtonG), &browse);
  ::MapWindowPoints(nullptr, ui.ControlHandle(DestinationPageG), reinterpret_cast<POINT*>(&browse),
                    2);
  EXPECT_EQ(browse.left, ::MulDiv(440, dpi, 96));
  EXPECT_EQ(browse.bottom - browse.top, ::MulDiv(24, dpi, 96));
  EXPECT_EQ(ui.Title(), "ZeBo");
}

TEST_F(Win32UiTest, TabOrderIsTheTableOrderWithinThePageThenTheButtons) {
  ShowOnly(DestinationPageG);
  ui.SetVisible(RunButtonG, false);
  ui.ShowMainWindow();
  const HWND main = ui.MainWindowHandle();
  std::vector<int> order;
  HWND at = ui.ControlHandle(SharedFoldersCheckG);
  for (int i = 0; i < 10; ++i) {
    order.push_back(::GetDlgCtrlID(at));
    at = ::GetNextDlgTabItem(main, at, FALSE);
  }
  EXPECT_EQ(order, (std::vector<int>{SharedFoldersCheckG, DestinationListG, LanguageListG,
                                     FolderStringG, BrowseButtonG, NextButtonG, HelpButtonG,
                                     PreviousButtonG, CancelButtonG, SharedFoldersCheckG}));
}

TEST_F(Win32UiTest, TextsStayWindows1252BothWays) {
  const std::string welcome = "Bienvenue \xE0 l'\xE9t\xE9 \x80 & co\n2e ligne";
  ui.SetText(WelcomeTextG, welcome);
  EXPECT_EQ(ui.Text(WelcomeTextG), welcome);
  wchar_t shown[64] = {};
  ::GetWindowTextW(ui.ControlHandle(WelcomeTextG), shown, 64);
  EXPECT_EQ(std::wstring(shown).substr(0, 17), L"Bienvenue \u00E0 l'\u00E9t\u00E9");
  EXPECT_EQ(ui.Text(PreviousButtonG),
            "&Pr\xE9"
            "c\xE9"
            "dent");
  ui.SetTitle(
      "ZeBo pour \xC9"
      "diteur");
  EXPECT_EQ(ui.Title(),
            "ZeBo pour \xC9"
            "diteur");
  ui.SetStatusText("ZeBo");
  wchar_t status[16] = {};
  ::SendMessageW(::FindWindowExW(ui.MainWindowHandle(), nullptr, STATUSCLASSNAMEW, nullptr),
                 SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_STREQ(status, L"ZeBo");
  // Unknown controls and calls that do not fit the kind do nothing.
  ui.SetText(42, "x");
  EXPECT_EQ(ui.Text(42), "");
  EXPECT_FALSE(ui.ControlExists(42));
  EXPECT_TRUE(ui.ControlExists(LogEditorG));
}

TEST_F(Win32UiTest, DropDownItemsCarryDataAndSelection) {
  EXPECT_EQ(ui.AddItem(DestinationListG, "JAWS 2024", 3), 0);
  EXPECT_EQ(ui.AddItem(DestinationListG, "jaws 2024", 5), 1);
  EXPECT_EQ(ui.AddItem(DestinationListG, "Choix d'un dossier", 9), 2);
  EXPECT_EQ(ui.ItemCount(DestinationListG), 3);
  EXPECT_EQ(ui.SelectedItem(DestinationListG), -1);
  EXPECT_EQ(ui.Text(DestinationListG), "");
  ui.SelectItem(DestinationListG, 2);
  EXPECT_EQ(ui.Text(DestinationListG), "Choix d'un dossier");
  EXPECT_EQ(ui.ItemData(DestinationListG, 2), 9);
  // Selecting by text is exact, case included.
  ui.SetText(DestinationListG, "jaws 2024");
  EXPECT_EQ(ui.SelectedItem(DestinationListG), 1);
  ui.SetText(DestinationListG, "absent");
  EXPECT_EQ(ui.SelectedItem(DestinationListG), -1);
  EXPECT_EQ(ui.ItemText(DestinationListG, 3), "");
  ui.ClearItems(DestinationListG);
  EXPECT_EQ(ui.ItemCount(DestinationListG), 0);
}

TEST_F(Win32UiTest, CheckListItemsCarryDataCheckMarksAndOneSelection) {
  const std::string longText(700, 'x');
  EXPECT_EQ(ui.AddItem(FileListG, "Installer Notepad.jss", 4), 0);
  EXPECT_EQ(ui.AddItem(FileListG, longText, 7), 1);
  EXPECT_EQ(ui.ItemText(FileListG, 1), longText);
  EXPECT_EQ(ui.ItemData(FileListG, 1), 7);
  EXPECT_FALSE(ui.IsItemChecked(FileListG, 0));
  ui.SetItemChecked(FileListG, 0, true);
  EXPECT_TRUE(ui.IsItemChecked(FileListG, 0));
  EXPECT_FALSE(ui.IsItemChecked(FileListG, 1));
  ui.SelectItem(FileListG, 1);
  EXPECT_EQ(ui.SelectedItem(FileListG), 1);
  ui.SelectItem(FileListG, 0);
  EXPECT_EQ(ui.SelectedItem(FileListG), 0);
  ui.SelectItem(FileListG, -1);
  EXPECT_EQ(ui.SelectedItem(FileListG), -1);
  ui.SetItemChecked(FileListG, 5, true);  // out of range: nothing
  ui.ClearItems(FileListG);
  EXPECT_EQ(ui.ItemCount(FileListG), 0);
}

std::wstring AreaContent(HWND area) {
  GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};
  const auto size = static_cast<size_t>(
      ::SendMessageW(area, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  std::wstring text(size + 1, L'\0');
  GETTEXTEX get{static_cast<DWORD>((size + 1) * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                nullptr};
  ::SendMessageW(area, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

TEST_F(Win32UiTest, TextAreasAreListsOfLines) {
  ui.AppendLine(LogEditorG, "* File Scan : ");
  ui.AppendLine(LogEditorG, "- Fichier \xE9t\xE9.jss\r\n");  // a line and an empty line
  ui.AppendLine(LogEditorG, "");
  EXPECT_EQ(ui.LineCount(LogEditorG), 4);
  ui.RemoveFirstLine(LogEditorG);
  EXPECT_EQ(ui.LineCount(LogEditorG), 3);
  EXPECT_EQ(ui.Text(LogEditorG), "- Fichier \xE9t\xE9.jss\r\n\r\n");
  EXPECT_EQ(AreaContent(ui.ControlHandle(LogEditorG)), L"- Fichier \u00E9t\u00E9.jss\r\r");
  for (int i = 0; i < 3; ++i) ui.RemoveFirstLine(LogEditorG);
  EXPECT_EQ(ui.LineCount(LogEditorG), 0);
  EXPECT_EQ(AreaContent(ui.ControlHandle(LogEditorG)), L"");
  ui.SetText(HelpEditorG, "Aide\r\nLigne 2");
  EXPECT_EQ(ui.LineCount(HelpEditorG), 2);
  ui.ClearLines(HelpEditorG);
  EXPECT_EQ(ui.Text(HelpEditorG), "");
  // The user cannot type into it.
  EXPECT_TRUE(::GetWindowLongW(ui.ControlHandle(StepEditorG), GWL_STYLE) & ES_READONLY);
}

TEST_F(Win32UiTest, ProgramChangesRaiseNoEventsUserActionsDo) {
  ui.ShowMainWindow();
  Drain();
  ui.SetChecked(SharedFoldersCheckG, true);
  ui.AddItem(DestinationListG, "A", 0);
  ui.AddItem(DestinationListG, "B", 1);
  ui.SelectItem(DestinationListG, 1);
  ui.AddItem(FileListG, "f", 0);
  ui.SetItemChecked(FileListG, 0, true);
  ui.SelectItem(FileListG, 0);
  ui.SetText(AliasStringG, "alias");
  for (const UiEvent& e : Drain()) {
    EXPECT_NE(e.kind, UiEventKind::Control) << e.number;
  }
  EXPECT_TRUE(ui.IsChecked(SharedFoldersCheckG));

  ::SendMessageW(ui.ControlHandle(SharedFoldersCheckG), BM_CLICK, 0, 0);
  UiEvent event = ui.WaitEvent(1);
  EXPECT_EQ(event.kind, UiEventKind::Control);
  EXPECT_EQ(event.number, SharedFoldersCheckG);
  EXPECT_EQ(event.type, ControlEventType::Clicked);
  EXPECT_FALSE(ui.IsChecked(SharedFoldersCheckG));

  // The user toggles a check mark (as the space bar does).
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(1);
  ::SendMessageW(ui.ControlHandle(FileListG), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
  event = ui.WaitEvent(1);
  EXPECT_EQ(event.kind, UiEventKind::Control);
  EXPECT_EQ(event.number, FileListG);
  EXPECT_EQ(event.type, ControlEventType::CheckToggled);

  ::PostMessageW(ui.MainWindowHandle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Has(Drain(), UiEventKind::Close));
  EXPECT_TRUE(::IsWindow(ui.MainWindowHandle()));  // closing is the program's decision
}

void Press(std::vector<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    inputs.push_back(down);
  }
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *it;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(up);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST_F(Win32UiTest, KeysGiveShortcutEventsAndTabMovesTheFocus) {
  ShowOnly(OperationPageG);
  ui.SetVisible(RunButtonG, false);
  ui.ShowMainWindow();
  ui.SetFocus(OperationListG);
  Drain();
  ASSERT_EQ(ui.FocusedControl(), OperationListG);
  Press({VK_TAB});
  Drain();
  EXPECT_EQ(ui.FocusedControl(), RestartJawsCheckG);
  Press({VK_SHIFT, VK_TAB});
  Drain();
  EXPECT_EQ(ui.FocusedControl(), OperationListG);

  struct Case {
    std::vector<WORD> keys;
    int event;
  } cases[] = {{{VK_RETURN}, MenuNext},           {{VK_MENU, 'S'}, MenuNext},
               {{VK_MENU, 'P'}, MenuPrevious},    {{VK_F1}, MenuHelp},
               {{VK_MENU, VK_F1}, MenuShowLog},   {{VK_MENU, VK_F2}, MenuPassword},
               {{VK_APPS}, MenuContextMenu},      {{VK_SHIFT, VK_F10}, MenuContextMenu},
               {{VK_CONTROL, 'A'}, MenuSelectAll}};
  for (const Case& c : cases) {
    Press(c.keys);
    const std::vector<UiEvent> events = Drain();
    EXPECT_TRUE(Has(events, UiEventKind::Menu, c.event)) << c.event;
    EXPECT_EQ(events.size(), 1u) << c.event;
  }
}

TEST_F(Win32UiTest, ActivationReportsTheFocusAndGivesItBack) {
  ShowOnly(FilePageG);
  ui.ShowMainWindow();
  ui.SetFocus(AliasStringG);
  Drain();
  const HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
  ::SetActiveWindow(other);
  std::vector<UiEvent> events = Drain();
  ASSERT_TRUE(Has(events, UiEventKind::Deactivate));
  for (const UiEvent& e : events) {
    if (e.kind == UiEventKind::Deactivate) {
      EXPECT_EQ(e.number, AliasStringG);
    }
  }
  ::SetActiveWindow(ui.MainWindowHandle());
  events = Drain();
  EXPECT_TRUE(Has(events, UiEventKind::Activate));
  EXPECT_EQ(ui.FocusedControl(), AliasStringG);
  ::DestroyWindow(other);
}

TEST_F(Win32UiTest, PopupMenuReturnsTheChosenItem) {
  ui.ShowMainWindow();
  ui.SetMenuItemText(MenuToggleCompile, "A compiler");
  ui.SetMenuItemEnabled(MenuToggleAdaptation, false);
  const HWND main = ui.MainWindowHandle();
  struct Case {
    std::vector<WPARAM> keys;
    int chosen;
  } cases[] = {{{VK_DOWN, VK_RETURN}, MenuView},
               {{VK_DOWN, VK_DOWN, VK_RETURN}, MenuToggleCompile},
               // Enter on the disabled item chooses nothing; the menu stays until Escape.
               {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}, 0},
               {{VK_ESCAPE}, 0}};
  for (const Case& c : cases) {
    int chosen = -1;
    {
      Helper keys([&] {
        WaitForWindow(L"#32768", nullptr);
        for (WPARAM key : c.keys) {
          ::PostMessageW(main, WM_KEYDOWN, key, 0);
          ::Sleep(50);
        }
      });
      chosen = ui.ShowPopupMenu(ui.WindowOrigin());
    }
    EXPECT_EQ(chosen, c.chosen) << c.keys.size();
  }
}

TEST_F(Win32UiTest, InputRequesterReturnsTheTextOrNothing) {
  ui.ShowMainWindow();
  for (const bool confirm : {true, false}) {
    std::string answer = "unchanged";
    {
      Helper user([&] {
        const HWND dialog = WaitForWindow(L"#32770", L"Protection des fichiers");
        if (dialog == nullptr) return;
        // The prompt is the static text just before the field.
        const HWND field = ::GetNextDlgTabItem(dialog, nullptr, FALSE);
        wchar_t prompt[64] = {};
        ::GetWindowTextW(::GetWindow(field, GW_HWNDPREV), prompt, 64);
        if (std::wstring(prompt) == L"Saisissez le mot de passe") {
          ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"s\u00E9same"));
        }
        ::PostMessageW(dialog, WM_COMMAND, confirm ? IDOK : IDCANCEL, 0);
      });
      answer = ui.InputRequester("Protection des fichiers", "Saisissez le mot de passe", "");
    }
    EXPECT_EQ(answer, confirm ? "s\xE9same" : "");
  }
}

TEST_F(Win32UiTest, ATableWithAControlOutsideAContainerFails) {
  Win32Ui other;
  const ControlSpec bad[] = {{DescriptionPageG, ControlKind::Container, 0, 0, 0, 10, 10, "", 0},
                             {7, ControlKind::Static, 99, 0, 0, 10, 10, "", 0}};
  EXPECT_EQ(other.CreateMainWindow("ZeBo", 600, 480, bad), UiFailure::Control);
}

// Every control that takes the focus on each page gets a name from the accessibility layer.
TEST_F(Win32UiTest, EveryFocusableControlHasAnAccessibleName) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ui.SetText(DestinationLabelG, "S\xE9lectionner le dossier d'installation : ");
  ui.SetText(HelpLabelG, "Source");
  ui.ShowMainWindow();
  for (const ControlSpec& page : ControlTable()) {
    if (page.kind != ControlKind::Container) continue;
    ShowOnly(page.number);
    for (const ControlSpec& c : ControlTable()) {
      const HWND hwnd = ui.ControlHandle(c.number);
      if ((c.parent != page.number && c.parent != 0) || !::IsWindowVisible(hwnd) ||
          !::IsWindowEnabled(hwnd) || !(::GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP)) {
        continue;
      }
      const std::wstring name = e2e::AccessibleName(hwnd);
      const std::wstring label = e2e::LabelBefore(hwnd);
      // Wine's accessibility layer names edits, buttons and lists but not drop-down lists or
      // rich-text areas; for those the label rule is what is checked.
      if (name.empty()) {
        std::printf("control %d: no accessible name, label before it \"%s\"\n", c.number,
                    Narrow(label).c_str());
      }
      EXPECT_FALSE(name.empty() && label.empty()) << c.number;
    }
  }
  ::CoUninitialize();
}

}  // namespace
}  // namespace zebo::win32
