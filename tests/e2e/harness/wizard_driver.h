// Walks the installer's wizard with the keyboard only, as its users do, from the description page
// to the run and its message boxes, reading the pages on the way and picturing each of them.
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/harness/harness.h"

namespace zebo::e2e {

// A text split into its lines; "\r\n", "\r" and "\n" all end a line.
std::vector<std::wstring> TextLines(const std::wstring& text);
// Whether `lines` hold `wanted` in this order (other lines may come between); when not, `missing`
// names the first wanted line that was not found after the ones before it.
bool LinesInOrder(const std::vector<std::wstring>& lines, const std::vector<std::wstring>& wanted,
                  std::wstring* missing = nullptr);
bool HasLine(const std::vector<std::wstring>& lines, const std::wstring& line);

// The choices made on the wizard's pages on the way to the summary page.
struct WalkPlan {
  std::wstring operation;    // the item of the operation list
  bool restartJaws = true;   // the state the restart check box is left in
  std::wstring destination;  // the beginning of the destination item to choose
  std::wstring language;     // the language to choose; empty for the chosen-folder entry
  // For the chosen-folder entry: the sub-folder of the start folder to pick in the folder
  // browser (the first one in its list); empty keeps the folder field as it is.
  bool browseFirstSubfolder = false;
  std::wstring group;  // the group item ("Jaws 2019"); empty when the package has one group
};

class WizardDriver {
 public:
  // `shots`: the folder and the beginning of the screenshots' names; empty takes none.
  WizardDriver(Program& program, HWND window, std::wstring shots);

  // Waits for the page container `page` and for the focus to settle on `focus`, then takes a
  // screenshot called `name`.
  bool WaitPage(int page, int focus, const char* name);
  // Presses a key in the main window.
  bool Press(WORD key, int modifiers = kNoModifier);
  // Moves the focus with Tab (at most one round) until `control` has it.
  bool TabTo(int control);
  // In the focused drop-down list `control`: Home, then Down until its text begins with `text`.
  bool ChooseItem(int control, const std::wstring& text);
  // From the description page to the summary page, choosing as `plan` says.
  bool WalkToSummary(const WalkPlan& plan);
  // On the summary page: Tab to the run button and press it with the space bar.
  bool PressRun();
  // A message box of this title that was not returned before, within `limitMs`.
  HWND NextMessageBox(const std::wstring& title, DWORD limitMs);
  // Answers the box with Enter (its default button) and waits for it to go.
  bool Answer(HWND box);
  // Presses the close button with the space bar and waits for the program's end (exit code 0).
  bool Close();

  std::wstring StepList() const;  // the text of the step list
  std::wstring Log() const;       // the text of the detailed log
  bool Shot(const std::string& name);
  const std::string& Error() const { return error_; }
  HWND Window() const { return window_; }

 private:
  bool Fail(const std::string& what);
  bool ChooseLanguage(const std::wstring& language);
  bool BrowseFirstSubfolder();

  Program& program_;
  HWND window_;
  std::wstring shots_;
  int shot_ = 0;
  std::vector<HWND> boxes_;
  std::string error_;
};

}  // namespace zebo::e2e
