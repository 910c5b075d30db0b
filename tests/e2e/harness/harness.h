// Drives a real Windows program from outside, as its users do: starts it, finds its windows and
// controls, reads their texts, presses keys, takes screenshots, waits for its end.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zebo::e2e {

// What the test program was given on its command line.
struct Settings {
  std::wstring zeboExe;  // the ZeBo.exe of the same build
  std::wstring outDir;   // a folder under the build tree for screenshots and scratch files
};
Settings& TestSettings();

// A Unix path ("/work/x") as Wine shows it ("Z:\work\x"); other paths unchanged.
std::wstring WindowsPath(const std::wstring& path);

// Polls `done` every `stepMs` until it is true or `limitMs` have passed; true when it came true.
bool WaitUntil(const std::function<bool()>& done, DWORD limitMs, DWORD stepMs = 20);

// One started program. Its destructor ends it if it still runs, so a failed test leaves no
// copy behind (which would hold the single-instance mutex).
class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // Starts `exe` with `arguments` (appended to the quoted path) in `folder` (empty: ours).
  bool Start(const std::wstring& exe, const std::wstring& arguments = L"",
             const std::wstring& folder = L"");
  DWORD Id() const { return id_; }
  bool Running() const;
  // The exit code, or nothing when the program still runs after `limitMs`.
  std::optional<DWORD> Wait(DWORD limitMs);
  void Kill();

  // Its top-level windows (only the visible ones unless `all`).
  std::vector<HWND> Windows(bool all = false) const;
  // Waits for a visible top-level window of this title (and class, when given).
  HWND WaitForWindow(const std::wstring& title, const std::wstring& className, DWORD limitMs) const;
  // Waits for a message box (class "#32770") of this title.
  HWND WaitForMessageBox(const std::wstring& title, DWORD limitMs) const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Window facts.
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// The message of a message box (its static text, control 0xFFFF).
std::wstring MessageBoxText(HWND box);
// A control of a window by its number.
HWND Control(HWND window, int id);
// A control anywhere inside `window` (page controls sit inside their page container), or null.
HWND PageControl(HWND window, int id);
// The control exists, is visible and is enabled.
bool ControlShown(HWND window, int id);
// A text as UTF-8, for printing.
std::string Utf8(const std::wstring& text);
// The whole content of a file, or nothing when it cannot be opened.
std::optional<std::string> FileBytes(const std::wstring& path);
// Creates or replaces the file (also a read-only one) with `bytes`; false unless all were written.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The control that has the keyboard focus in the thread of `window`, or null.
HWND FocusedControl(HWND window);
// The number of that control, or 0.
int FocusedControlId(HWND window);

// Keyboard. Modifiers are held around the key, as a user presses Alt+N.
enum Modifier { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };
// Makes `window` the foreground window; true when it is.
bool Activate(HWND window, DWORD limitMs = 2000);
// Presses and releases a virtual key (VK_RETURN, VK_TAB, 'Y', ...) in the foreground window.
void PressKey(WORD virtualKey, int modifiers = kNoModifier);
// Activates `window`, then presses the key; false when it could not be activated.
bool PressKeyIn(HWND window, WORD virtualKey, int modifiers = kNoModifier);
// Types text character by character as Unicode key presses.
void TypeText(const std::wstring& text);

// Saves what the screen shows of `window` as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::wstring& path);

// The name the accessibility layer gives a control, or "" when it has none for it (the caller
// initialises COM).
std::wstring AccessibleName(HWND hwnd);
// The text of the static control created just before `hwnd`: the label screen readers fall back on.
std::wstring LabelBefore(HWND hwnd);

}  // namespace zebo::e2e
