// The keyboard walk of the installer's wizard, shared by the end-to-end tests and the demo.
#include "tests/e2e/harness/wizard_driver.h"

#include <algorithm>
#include <utility>

namespace zebo::e2e {
namespace {

constexpr DWORD kStepLimit = 10000;
constexpr int kOperationList = 73, kRestartBox = 74, kDestinationList = 65, kLanguageList = 67;
constexpr int kFolderField = 69, kBrowseButton = 70, kGroupList = 84, kRunButton = 5;
constexpr int kCloseButton = 4;

bool StartsWith(const std::wstring& text, const std::wstring& start) {
  return text.compare(0, start.size(), start) == 0;
}

}  // namespace

HWND PageControl(HWND window, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (::GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ControlShown(HWND window, int id) {
  const HWND control = PageControl(window, id);
  return control != nullptr && ::IsWindowVisible(control) && ::IsWindowEnabled(control);
}

std::vector<std::wstring> TextLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' || text[i] == L'\n') {
      lines.push_back(line);
      line.clear();
      if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else {
      line += text[i];
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool LinesInOrder(const std::vector<std::wstring>& lines, const std::vector<std::wstring>& wanted,
                  std::wstring* missing) {
  size_t at = 0;
  for (const std::wstring& line : wanted) {
    while (at < lines.size() && lines[at] != line) ++at;
    if (at == lines.size()) {
      if (missing) *missing = line;
      return false;
    }
    ++at;
  }
  return true;
}

bool HasLine(const std::vector<std::wstring>& lines, const std::wstring& line) {
  for (const std::wstring& l : lines) {
    if (l == line) return true;
  }
  return false;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return "";
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
  return out;
}

WizardDriver::WizardDriver(Program& program, HWND window, std::wstring shots)
    : program_(program), window_(window), shots_(std::move(shots)) {}

bool WizardDriver::Fail(const std::string& what) {
  error_ = what + " (focus on control " + std::to_string(FocusedControlId(window_)) + ")";
  return false;
}

bool WizardDriver::Shot(const std::string& name) {
  if (shots_.empty()) return true;
  ++shot_;
  const std::wstring number = (shot_ < 10 ? L"0" : L"") + std::to_wstring(shot_);
  return SaveScreenshot(
      window_, shots_ + L"-" + number + L"-" + std::wstring(name.begin(), name.end()) + L".bmp");
}

bool WizardDriver::WaitPage(int page, int focus, const char* name) {
  if (!WaitUntil([&] { return ControlShown(window_, page); }, kStepLimit)) {
    return Fail(std::string("the page ") + name + " (" + std::to_string(page) + ") did not come");
  }
  if (!WaitUntil([&] { return FocusedControlId(window_) == focus; }, kStepLimit)) {
    return Fail(std::string("on the page ") + name + " the focus did not reach control " +
                std::to_string(focus));
  }
  Shot(name);
  return true;
}

bool WizardDriver::Press(WORD key, int modifiers) {
  return PressKeyIn(window_, key, modifiers) || Fail("the main window cannot be activated");
}

bool WizardDriver::TabTo(int control) {
  for (int i = 0; i < 40 && FocusedControlId(window_) != control; ++i) {
    const int before = FocusedControlId(window_);
    if (!Press(VK_TAB)) return false;
    WaitUntil([&] { return FocusedControlId(window_) != before; }, 1000);
  }
  return FocusedControlId(window_) == control ||
         Fail("Tab never reached control " + std::to_string(control));
}

bool WizardDriver::ChooseItem(int control, const std::wstring& text) {
  if (!TabTo(control)) return false;
  const HWND list = PageControl(window_, control);
  if (!Press(VK_HOME)) return false;
  for (int i = 0; i < 20; ++i) {
    if (WaitUntil([&] { return StartsWith(WindowText(list), text); }, 300)) return true;
    const std::wstring before = WindowText(list);
    if (!Press(VK_DOWN)) return false;
    if (!WaitUntil([&] { return WindowText(list) != before; }, 2000)) break;  // the last item
  }
  return Fail("the list " + std::to_string(control) + " has no item \"" + Utf8(text) + "\"");
}

bool WizardDriver::BrowseFirstSubfolder() {
  const HWND field = PageControl(window_, kFolderField);
  const std::wstring before = WindowText(field);
  if (!TabTo(kBrowseButton) || !Press(VK_SPACE)) return false;
  HWND browser = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : program_.Windows()) {
          if (ClassName(w) == L"#32770") browser = w;
        }
        return browser != nullptr;
      },
      kStepLimit);
  if (browser == nullptr) return Fail("the folder browser did not open");
  ::Sleep(1000);  // it fills its tree and selects the start folder
  if (!shots_.empty()) SaveScreenshot(browser, shots_ + L"-folder-browser.bmp");
  // The start folder is selected: Right opens it, Down goes to its first sub-folder.
  PressKeyIn(browser, VK_RIGHT);
  ::Sleep(500);
  PressKeyIn(browser, VK_DOWN);
  ::Sleep(300);
  PressKeyIn(browser, VK_RETURN);
  if (!WaitUntil([&] { return !::IsWindow(browser); }, kStepLimit)) {
    return Fail("the folder browser did not close on Enter");
  }
  if (!WaitUntil([&] { return WindowText(field) != before; }, kStepLimit)) {
    return Fail("the folder field kept \"" + Utf8(before) + "\"");
  }
  // Back in the wizard, the user is where they left it.
  return WaitUntil([&] { return FocusedControlId(window_) == kBrowseButton; }, kStepLimit) ||
         Fail("after the folder browser the focus is not on the browse button");
}

bool WizardDriver::WalkToSummary(const WalkPlan& plan) {
  if (!WaitPage(6, 2, "description") || !Press('S', kAlt)) return false;
  if (!WaitPage(71, 73, "operation") || !ChooseItem(kOperationList, plan.operation)) return false;
  const HWND restart = PageControl(window_, kRestartBox);
  auto ticked = [&] { return ::SendMessageW(restart, BM_GETCHECK, 0, 0) == BST_CHECKED; };
  if (ticked() != plan.restartJaws) {
    if (!TabTo(kRestartBox) || !Press(VK_SPACE)) return false;
    if (!WaitUntil([&] { return ticked() == plan.restartJaws; }, kStepLimit)) {
      return Fail("the space bar did not change the restart check box");
    }
  }
  if (!Press('S', kAlt) || !WaitPage(62, 65, "destination")) return false;
  if (!ChooseItem(kDestinationList, plan.destination)) return false;
  if (!plan.language.empty() && !ChooseItem(kLanguageList, plan.language)) return false;
  if (plan.browseFirstSubfolder && !BrowseFirstSubfolder()) return false;
  Shot("destination-chosen");
  if (!Press('S', kAlt)) return false;
  if (!plan.group.empty()) {
    if (!WaitPage(81, 84, "group") || !ChooseItem(kGroupList, plan.group) || !Press('S', kAlt)) {
      return false;
    }
  }
  if (!WaitPage(85, 88, "files") || !Press('S', kAlt)) return false;
  return WaitPage(97, 99, "summary");
}

bool WizardDriver::PressRun() {
  if (!TabTo(kRunButton)) return false;
  return Press(VK_SPACE);
}

HWND WizardDriver::NextMessageBox(const std::wstring& title, DWORD limitMs) {
  std::erase_if(boxes_, [](HWND b) { return !::IsWindow(b); });
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : program_.Windows()) {
          if (ClassName(w) != L"#32770" || WindowText(w) != title) continue;
          if (std::find(boxes_.begin(), boxes_.end(), w) != boxes_.end()) continue;
          found = w;
          return true;
        }
        return false;
      },
      limitMs);
  if (found != nullptr) boxes_.push_back(found);
  return found;
}

bool WizardDriver::Answer(HWND box) {
  if (!PressKeyIn(box, VK_RETURN)) return Fail("the message box cannot be activated");
  return WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, kStepLimit) ||
         Fail("the message box stayed after Enter");
}

bool WizardDriver::Close() {
  if (!TabTo(kCloseButton) || !Press(VK_SPACE)) return false;
  return program_.Wait(kStepLimit) == std::optional<DWORD>(0) ||
         Fail("the close button did not end the program");
}

std::wstring WizardDriver::StepList() const {
  return WindowText(PageControl(window_, 99));
}

std::wstring WizardDriver::Log() const {
  return WindowText(PageControl(window_, 101));
}

}  // namespace zebo::e2e
