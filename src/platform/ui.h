// The user interface as the program drives it: one main window whose controls are known by number,
// message boxes, requesters, a popup menu, keyboard shortcuts and the event wait.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zebo {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Yes, No, Closed };

// What a control is; the backend picks the system control that plays that part.
enum class ControlKind {
  Container,  // an invisible panel holding the controls of one page
  Static,     // a static text
  TextField,  // a single-line text field
  DropDown,   // a combo box without editing; items carry an integer item data
  CheckBox,
  Button,
  CheckList,  // a one-column report list whose items carry a check box, a text and item data
  TextArea,   // a read-only multi-line rich-text area used as a list of lines
};

// Style bits of a control; bits that do not apply to a kind are ignored.
enum ControlStyle : uint32_t {
  StyleNone = 0,
  StyleRightAligned = 0x01,   // static text
  StyleCentred = 0x02,        // static text
  StyleReadOnly = 0x04,       // text field
  StyleNoBorder = 0x08,       // text field
  StyleDefaultButton = 0x10,  // button
};

// One row of the window's control table. Positions are for 96 DPI, relative to the container
// (`parent`) or to the window's client area (`parent` 0). A check list's text is its column title;
// a text area's text, when not empty, is the name screen readers give it (for an area that no label
// precedes).
struct ControlSpec {
  int number;
  ControlKind kind;
  int parent;
  int x, y, width, height;
  const char* text;  // Windows-1252
  uint32_t style;
};

// The height of a drop-down list's open part, at 96 DPI.
inline constexpr int kDropDownOpenHeight = 350;

// Why building the interface failed; the values are the fatal-error codes of each failure.
enum class UiFailure { None = -1, MainWindow = 0, PopupMenu = 4, Control = 7, StatusBar = 8 };

// A window-wide keyboard shortcut raising a menu event.
enum class ShortcutKey { F1, F2, F10, A, S, P, Enter, Apps };
enum ShortcutModifier : uint32_t { ModNone = 0, ModAlt = 1, ModControl = 2, ModShift = 4 };
struct Shortcut {
  ShortcutKey key;
  uint32_t modifiers;
  int event;
};

// One popup-menu row: an item raising `event` with `text`, or a separator when `event` is 0.
struct MenuItemSpec {
  int event;
  const char* text;  // Windows-1252
};

// What a control reported. Only the user's own actions raise control events; changes the program
// makes through this interface never do.
enum class ControlEventType {
  Other,
  Clicked,           // a button or a check box was pressed
  SelectionChanged,  // a drop-down list or the check list got another selected item
  CheckToggled,      // the check mark of a check-list item changed
  TextChanged,       // the user edited a text field
};

enum class UiEventKind {
  None,        // the wait ran out
  Close,       // the close box or the system menu's Close
  Control,     // `number` = control, `type` = what happened
  Menu,        // `number` = menu item or shortcut event
  RightClick,  // the right mouse button went down over the window or the check list
  Activate,    // the main window was activated
  Deactivate,  // the main window lost activation; `number` = control that had the focus, or 0
};

struct UiEvent {
  UiEventKind kind = UiEventKind::None;
  int number = 0;
  ControlEventType type = ControlEventType::Other;
  bool mainWindow = true;  // false for events of another of the program's windows
};

struct ScreenPoint {
  int x = 0, y = 0;
};

// Every control call takes a control number of the table; an unknown number, an index out of range
// or a call that does not fit the control's kind does nothing and reads as "", 0, -1 or false.
// Item indexes are 0-based; -1 means "no item".
class Ui {
 public:
  virtual ~Ui() = default;
  // A modal message box; returns the button chosen.
  virtual MessageAnswer MessageBox(const std::string& title, const std::string& text,
                                   MessageButtons buttons, MessageIcon icon) = 0;

  // --- The main window ---
  // Opens the main window hidden, with `title`, a client area of width x height (96 DPI) centred on
  // the screen, then every control of `controls` in order (creation order is tab order), then a
  // status bar with one field. Stops at the first failure and says which.
  [[nodiscard]] virtual UiFailure CreateMainWindow(const std::string& title, int width, int height,
                                                   std::span<const ControlSpec> controls) = 0;
  virtual void ShowMainWindow() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual std::string Title() = 0;
  virtual void SetStatusText(const std::string& text) = 0;
  // The main window's outer top-left corner in screen coordinates.
  virtual ScreenPoint WindowOrigin() = 0;

  // --- Any control ---
  virtual bool ControlExists(int control) = 0;
  // A drop-down list's text is its selected item's text (set selects the item with that text);
  // a text area's text is all its lines joined with "\r\n".
  virtual void SetText(int control, const std::string& text) = 0;
  virtual std::string Text(int control) = 0;
  virtual void SetEnabled(int control, bool enabled) = 0;
  virtual bool IsEnabled(int control) = 0;
  virtual void SetVisible(int control, bool visible) = 0;
  virtual bool IsVisible(int control) = 0;
  // The focus: the control that has it, or 0 when none of the table's controls does.
  virtual void SetFocus(int control) = 0;
  virtual int FocusedControl() = 0;

  // --- Check boxes ---
  virtual void SetChecked(int control, bool checked) = 0;
  virtual bool IsChecked(int control) = 0;

  // --- Items of drop-down lists and of the check list ---
  // Appends an item; returns its index, or -1.
  virtual int AddItem(int control, const std::string& text, int data) = 0;
  virtual void ClearItems(int control) = 0;
  virtual int ItemCount(int control) = 0;
  virtual std::string ItemText(int control, int index) = 0;
  virtual int ItemData(int control, int index) = 0;
  // Selects one item; -1 leaves no item selected.
  virtual void SelectItem(int control, int index) = 0;
  virtual int SelectedItem(int control) = 0;
  virtual void SetItemChecked(int control, int index, bool checked) = 0;
  virtual bool IsItemChecked(int control, int index) = 0;

  // --- Text areas as lists of lines ---
  // A text holding line breaks adds one line per piece.
  virtual void AppendLine(int control, const std::string& line) = 0;
  virtual int LineCount(int control) = 0;
  virtual void RemoveFirstLine(int control) = 0;
  virtual void ClearLines(int control) = 0;
  virtual void SelectAllText(int control) = 0;
  // Puts the caret at the start of the text with nothing selected, so reading starts at line 1.
  virtual void SetCaretToStart(int control) = 0;
  // Wraps lines at the control's width.
  virtual void SetWordWrap(int control, bool wrap) = 0;

  // --- Shortcuts and the popup menu ---
  // Replaces the window-wide shortcut table.
  virtual void SetShortcuts(std::span<const Shortcut> shortcuts) = 0;
  [[nodiscard]] virtual bool CreatePopupMenu(std::span<const MenuItemSpec> items) = 0;
  virtual void SetMenuItemText(int event, const std::string& text) = 0;
  virtual void SetMenuItemEnabled(int event, bool enabled) = 0;
  // Opens the popup menu at a screen position and waits for the user; returns the chosen item's
  // event, or 0 when the menu was left without a choice. The choice raises no other event.
  virtual int ShowPopupMenu(ScreenPoint at) = 0;

  // --- Requesters (modal) ---
  // Returns the typed text, or "" when left with Escape or closed.
  virtual std::string InputRequester(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) = 0;
  // Returns the chosen folder ending with "\\", or "" when none was chosen.
  virtual std::string FolderRequester(const std::string& title, const std::string& startFolder) = 0;

  // --- Events ---
  // Waits at most `milliseconds` for the next event of the program's windows.
  virtual UiEvent WaitEvent(int milliseconds) = 0;
};

}  // namespace zebo
