// The main window on Windows: built from the control table with standard controls, so that screen
// readers get names and roles from the system; scaled to the window's DPI in the system's font.
#include "platform/win32/win32_ui.h"

#include <commctrl.h>
#include <objbase.h>
#include <richedit.h>

#include <algorithm>

#include "core/operation_log.h"
#include "platform/win32/text.h"

namespace zebo::win32 {
namespace {

constexpr wchar_t kMainClass[] = L"ZeBoWindow";
constexpr wchar_t kPageClass[] = L"ZeBoPage";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;
constexpr int kStatusBarId = 999;

// Functions of newer Windows versions, looked up at run time so the program still starts on older
// ones. The detour through a plain function pointer type keeps the cast well-defined.
template <typename Function>
Function UserFunction(const char* name) {
  const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)));
}

UINT SystemDpi() {
  const HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT DpiOf(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = getDpi ? getDpi(hwnd) : 0;
  return dpi != 0 ? dpi : SystemDpi();
}

// The system's message font (the one dialogs use) at a DPI; high-contrast and large-text settings
// change it, so it is read again whenever they change.
HFONT CreateMessageFont(UINT dpi) {
  using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto forDpi = UserFunction<ForDpiFn>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
  }
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  }
  metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(SystemDpi()));
  return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

RECT OuterRect(int clientWidth, int clientHeight, UINT dpi) {
  using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = UserFunction<AdjustFn>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, clientWidth, clientHeight};
  if (!adjust || !adjust(&rect, kMainStyle, FALSE, kMainExStyle, dpi)) {
    ::AdjustWindowRectEx(&rect, kMainStyle, FALSE, kMainExStyle);
  }
  return rect;
}

std::wstring WindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return ::SendMessageW(hwnd, message, wparam, lparam);
}

int SendInt(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return static_cast<int>(Send(hwnd, message, wparam, lparam));
}

// The program's own changes to a control raise no events: notifications sent meanwhile are dropped.
class Quiet {
 public:
  explicit Quiet(int& counter) : counter_(counter) { ++counter_; }
  ~Quiet() { --counter_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  int& counter_;
};

// Read-only text areas keep Tab and Enter for the window: Tab moves on, Enter is the Next shortcut.
LRESULT CALLBACK TextAreaProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                              DWORD_PTR) {
  LRESULT result = ::DefSubclassProc(hwnd, message, wparam, lparam);
  if (message == WM_GETDLGCODE) result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  return result;
}

}  // namespace

Win32Ui::Win32Ui() {
  comReady_ = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

Win32Ui::~Win32Ui() {
  main_.Reset();
  popup_.Reset();
  accelerators_.Reset();
  font_.Reset();
  if (richEdit_) ::FreeLibrary(richEdit_);
  if (comReady_) ::CoUninitialize();
}

HWND Win32Ui::ControlHandle(int control) const {
  const auto it = controls_.find(control);
  return it == controls_.end() ? nullptr : it->second.hwnd;
}

int Win32Ui::Scale(int pixels) const {
  return ::MulDiv(pixels, static_cast<int>(dpi_), 96);
}

Win32Ui::Control* Win32Ui::Find(int control) {
  const auto it = controls_.find(control);
  return it == controls_.end() ? nullptr : &it->second;
}

Win32Ui::Control* Win32Ui::Find(int control, ControlKind kind) {
  Control* found = Find(control);
  return found && found->spec.kind == kind ? found : nullptr;
}

int Win32Ui::NumberOf(HWND hwnd) const {
  for (HWND h = hwnd; h != nullptr && h != main_.Get(); h = ::GetParent(h)) {
    const auto it = numbers_.find(h);
    if (it != numbers_.end()) return it->second;
  }
  return 0;
}

UiFailure Win32Ui::CreateMainWindow(const std::string& title, int width, int height,
                                    std::span<const ControlSpec> controls) {
  if (main_) return UiFailure::MainWindow;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX common{sizeof common,
                              ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&common);
  richEdit_ = ::LoadLibraryW(L"Msftedit.dll");
  richEditClass_ = MSFTEDIT_CLASS;
  if (richEdit_ == nullptr) {
    richEdit_ = ::LoadLibraryW(L"Riched20.dll");
    richEditClass_ = RICHEDIT_CLASSW;
  }

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  if (windowClass.hIcon == nullptr) windowClass.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainClass;
  ::RegisterClassExW(&windowClass);
  windowClass.lpfnWndProc = PageProc;
  windowClass.hIcon = nullptr;
  windowClass.lpszClassName = kPageClass;
  ::RegisterClassExW(&windowClass);

  main_.Reset(::CreateWindowExW(kMainExStyle, kMainClass, Widen(title).c_str(), kMainStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance,
                                this));
  if (!main_) return UiFailure::MainWindow;
  owner = main_.Get();
  width_ = width;
  height_ = height;

  for (const ControlSpec& spec : controls) {
    Control& control = controls_[spec.number];
    control.spec = spec;
    if (!CreateControl(control)) return UiFailure::Control;
    numbers_[control.hwnd] = spec.number;
  }

  status_ =
      ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, main_.Get(),
                        reinterpret_cast<HMENU>(INT_PTR{kStatusBarId}), instance, nullptr);
  if (status_ == nullptr) return UiFailure::StatusBar;
  int parts[] = {-1};
  Send(status_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));

  ApplyDpi(DpiOf(main_.Get()));
  // Centred in the work area of the screen that holds the window.
  RECT outer{};
  ::GetWindowRect(main_.Get(), &outer);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(main_.Get(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int outerWidth = outer.right - outer.left, outerHeight = outer.bottom - outer.top;
  ::SetWindowPos(main_.Get(), nullptr, work.left + (work.right - work.left - outerWidth) / 2,
                 work.top + (work.bottom - work.top - outerHeight) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return UiFailure::None;
}

bool Win32Ui::CreateControl(Control& control) {
  const ControlSpec& spec = control.spec;
  HWND parent = main_.Get();
  if (spec.parent != 0) {
    const Control* container = Find(spec.parent, ControlKind::Container);
    if (container == nullptr) return false;
    parent = container->hwnd;
  }
  const wchar_t* windowClass = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  std::wstring text = Widen(spec.text ? spec.text : "");
  switch (spec.kind) {
    case ControlKind::Container:
      windowClass = kPageClass;
      style |= WS_CLIPSIBLINGS;
      exStyle = WS_EX_CONTROLPARENT;
      text.clear();
      break;
    case ControlKind::Static:
      // Package texts may hold "&": shown as typed, never as a mnemonic.
      style |= SS_NOPREFIX | ((spec.style & StyleRightAligned) ? SS_RIGHT
                              : (spec.style & StyleCentred)    ? SS_CENTER
                                                               : SS_LEFT);
      break;
    case ControlKind::TextField:
      windowClass = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL | ((spec.style & StyleReadOnly) ? ES_READONLY : 0);
      if (!(spec.style & StyleNoBorder)) exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::DropDown:
      windowClass = WC_COMBOBOXW;
      style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
      text.clear();
      break;
    case ControlKind::CheckBox:
      windowClass = L"BUTTON";
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case ControlKind::Button:
      windowClass = L"BUTTON";
      style |= WS_TABSTOP | ((spec.style & StyleDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case ControlKind::CheckList:
      windowClass = WC_LISTVIEWW;
      style |= WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::TextArea:
      if (richEdit_ == nullptr) return false;
      windowClass = richEditClass_;
      style |= WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
               ES_AUTOHSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      text.clear();
      break;
  }
  // A text area that no label precedes gets one of no size: screen readers name a control after
  // the static text created just before it, whether or not it can be seen.
  if (spec.kind == ControlKind::TextArea && spec.text != nullptr && *spec.text != '\0') {
    if (::CreateWindowExW(0, L"STATIC", Widen(spec.text).c_str(),
                          WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, parent, nullptr,
                          ::GetModuleHandleW(nullptr), nullptr) == nullptr) {
      return false;
    }
  }
  control.hwnd = ::CreateWindowExW(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.number)),
                                   ::GetModuleHandleW(nullptr), this);
  if (control.hwnd == nullptr) return false;

  Quiet quiet(quiet_);
  if (spec.kind == ControlKind::CheckList) {
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    Send(control.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = spec.width;
    std::wstring title = Widen(spec.text ? spec.text : "");
    column.pszText = title.data();
    if (SendInt(control.hwnd, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) != 0) {
      return false;
    }
  } else if (spec.kind == ControlKind::TextArea) {
    Send(control.hwnd, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    Send(control.hwnd, EM_SETTARGETDEVICE, 0, 1);  // no wrapping until asked
    ::SetWindowSubclass(control.hwnd, TextAreaProc, 1, 0);
  }
  return true;
}

// Positions, sizes and the font follow the DPI of the screen the window is on.
void Win32Ui::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  font_.Reset(CreateMessageFont(dpi));
  const HFONT font = static_cast<HFONT>(font_.Get());
  const RECT outer = OuterRect(Scale(width_), Scale(height_), dpi);
  ::SetWindowPos(main_.Get(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (auto& [number, control] : controls_) {
    const ControlSpec& spec = control.spec;
    const int height = spec.kind == ControlKind::DropDown ? kDropDownOpenHeight : spec.height;
    ::MoveWindow(control.hwnd, Scale(spec.x), Scale(spec.y), Scale(spec.width), Scale(height),
                 TRUE);
    Send(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (spec.kind == ControlKind::CheckList) {
      Send(control.hwnd, LVM_SETCOLUMNWIDTH, 0, Scale(spec.width));
    }
  }
  if (status_) {
    Send(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Send(status_, WM_SIZE, 0, 0);
  }
}

void Win32Ui::ShowMainWindow() {
  if (!main_) return;
  ::ShowWindow(main_.Get(), SW_SHOW);
  ::SetForegroundWindow(main_.Get());
  ::UpdateWindow(main_.Get());
}

void Win32Ui::SetTitle(const std::string& title) {
  if (main_) ::SetWindowTextW(main_.Get(), Widen(title).c_str());
}

std::string Win32Ui::Title() {
  return main_ ? Narrow(WindowText(main_.Get())) : std::string();
}

void Win32Ui::SetStatusText(const std::string& text) {
  if (status_) Send(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

ScreenPoint Win32Ui::WindowOrigin() {
  RECT outer{};
  if (main_) ::GetWindowRect(main_.Get(), &outer);
  return {outer.left, outer.top};
}

bool Win32Ui::ControlExists(int control) {
  return Find(control) != nullptr;
}

void Win32Ui::SetText(int number, const std::string& text) {
  Control* control = Find(number);
  if (control == nullptr) return;
  Quiet quiet(quiet_);
  switch (control->spec.kind) {
    case ControlKind::DropDown: {
      int found = -1;
      for (int i = 0, n = ItemCount(number); i < n && found < 0; ++i) {
        if (ItemText(number, i) == text) found = i;
      }
      Send(control->hwnd, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
      break;
    }
    case ControlKind::CheckList:
      break;
    case ControlKind::TextArea:
      control->lines.clear();
      if (!text.empty()) control->lines = SplitAreaLines(text);
      SetAreaText(*control);
      break;
    default:
      ::SetWindowTextW(control->hwnd, Widen(text).c_str());
      break;
  }
}

std::string Win32Ui::Text(int number) {
  Control* control = Find(number);
  if (control == nullptr) return {};
  switch (control->spec.kind) {
    case ControlKind::DropDown:
    case ControlKind::CheckList:
      return ItemText(number, SelectedItem(number));
    case ControlKind::TextArea: {
      std::string text;
      for (size_t i = 0; i < control->lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += control->lines[i];
      }
      return text;
    }
    default:
      return Narrow(WindowText(control->hwnd));
  }
}

void Win32Ui::SetEnabled(int number, bool enabled) {
  if (Control* control = Find(number)) ::EnableWindow(control->hwnd, enabled ? TRUE : FALSE);
}

bool Win32Ui::IsEnabled(int number) {
  Control* control = Find(number);
  return control && ::IsWindowEnabled(control->hwnd);
}

void Win32Ui::SetVisible(int number, bool visible) {
  if (Control* control = Find(number)) ::ShowWindow(control->hwnd, visible ? SW_SHOW : SW_HIDE);
}

// The control's own state, whether or not its container or the window is shown.
bool Win32Ui::IsVisible(int number) {
  Control* control = Find(number);
  return control && (::GetWindowLongW(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Ui::SetFocus(int number) {
  if (Control* control = Find(number)) ::SetFocus(control->hwnd);
}

int Win32Ui::FocusedControl() {
  return NumberOf(::GetFocus());
}

void Win32Ui::SetChecked(int number, bool checked) {
  Quiet quiet(quiet_);
  if (Control* control = Find(number, ControlKind::CheckBox)) {
    Send(control->hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
  }
}

bool Win32Ui::IsChecked(int number) {
  Control* control = Find(number, ControlKind::CheckBox);
  return control && Send(control->hwnd, BM_GETCHECK) == BST_CHECKED;
}

int Win32Ui::AddItem(int number, const std::string& text, int data) {
  Control* control = Find(number);
  if (control == nullptr) return -1;
  Quiet quiet(quiet_);
  std::wstring wide = Widen(text);
  if (control->spec.kind == ControlKind::DropDown) {
    const int index = SendInt(control->hwnd, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(wide.c_str()));
    if (index < 0) return -1;
    Send(control->hwnd, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    return index;
  }
  if (control->spec.kind == ControlKind::CheckList) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = ItemCount(number);
    item.pszText = wide.data();
    item.lParam = data;
    return SendInt(control->hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  return -1;
}

void Win32Ui::ClearItems(int number) {
  Control* control = Find(number);
  if (control == nullptr) return;
  Quiet quiet(quiet_);
  if (control->spec.kind == ControlKind::DropDown) Send(control->hwnd, CB_RESETCONTENT);
  if (control->spec.kind == ControlKind::CheckList) Send(control->hwnd, LVM_DELETEALLITEMS);
}

int Win32Ui::ItemCount(int number) {
  Control* control = Find(number);
  if (control == nullptr) return 0;
  int count = 0;
  if (control->spec.kind == ControlKind::DropDown) count = SendInt(control->hwnd, CB_GETCOUNT);
  if (control->spec.kind == ControlKind::CheckList) {
    count = SendInt(control->hwnd, LVM_GETITEMCOUNT);
  }
  return std::max(count, 0);
}

std::string Win32Ui::ItemText(int number, int index) {
  Control* control = Find(number);
  if (control == nullptr || index < 0 || index >= ItemCount(number)) return {};
  if (control->spec.kind == ControlKind::DropDown) {
    const int length = SendInt(control->hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = SendInt(control->hwnd, CB_GETLBTEXT, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return Narrow(text);
  }
  // A list-view item gives its text into a buffer of a size we choose: grow until it fits.
  for (size_t size = 256;; size *= 2) {
    std::wstring text(size, L'\0');
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(size);
    const int got = SendInt(control->hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(&item));
    if (got < static_cast<int>(size) - 1 || size >= (1u << 20)) {
      text.resize(static_cast<size_t>(std::max(got, 0)));
      return Narrow(text);
    }
  }
}

int Win32Ui::ItemData(int number, int index) {
  Control* control = Find(number);
  if (control == nullptr || index < 0 || index >= ItemCount(number)) return 0;
  if (control->spec.kind == ControlKind::DropDown) {
    return SendInt(control->hwnd, CB_GETITEMDATA, static_cast<WPARAM>(index));
  }
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  Send(control->hwnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return static_cast<int>(item.lParam);
}

void Win32Ui::SelectItem(int number, int index) {
  Control* control = Find(number);
  if (control == nullptr || index >= ItemCount(number)) return;
  if (index < 0) index = -1;
  Quiet quiet(quiet_);
  if (control->spec.kind == ControlKind::DropDown) {
    Send(control->hwnd, CB_SETCURSEL, static_cast<WPARAM>(index));
  } else if (control->spec.kind == ControlKind::CheckList) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    Send(control->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (index >= 0) {
      item.state = LVIS_SELECTED | LVIS_FOCUSED;
      Send(control->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
           reinterpret_cast<LPARAM>(&item));
      Send(control->hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    }
  }
}

int Win32Ui::SelectedItem(int number) {
  Control* control = Find(number);
  if (control == nullptr) return -1;
  int index = -1;
  if (control->spec.kind == ControlKind::DropDown) index = SendInt(control->hwnd, CB_GETCURSEL);
  if (control->spec.kind == ControlKind::CheckList) {
    index = SendInt(control->hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  }
  return index < 0 ? -1 : index;
}

void Win32Ui::SetItemChecked(int number, int index, bool checked) {
  Control* control = Find(number, ControlKind::CheckList);
  if (control == nullptr || index < 0 || index >= ItemCount(number)) return;
  Quiet quiet(quiet_);
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2u : 1u);
  Send(control->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
       reinterpret_cast<LPARAM>(&item));
}

bool Win32Ui::IsItemChecked(int number, int index) {
  Control* control = Find(number, ControlKind::CheckList);
  if (control == nullptr || index < 0 || index >= ItemCount(number)) return false;
  const auto state = static_cast<UINT>(
      Send(control->hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK));
  return (state >> 12) == 2;
}

// A text area holds its lines as paragraphs separated by one "\r" each.
void Win32Ui::SetAreaText(Control& area) {
  std::wstring text;
  for (size_t i = 0; i < area.lines.size(); ++i) {
    if (i > 0) text += L'\r';
    text += Widen(area.lines[i]);
  }
  ::SetWindowTextW(area.hwnd, text.c_str());
}

// Read-only keeps the user from typing; the program lifts it for its own change.
void Win32Ui::ReplaceAreaRange(Control& area, LONG start, LONG end, const std::wstring& text) {
  Send(area.hwnd, EM_SETREADONLY, FALSE);
  CHARRANGE range{start, end};
  Send(area.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  Send(area.hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  Send(area.hwnd, EM_SETREADONLY, TRUE);
}

void Win32Ui::AppendLine(int number, const std::string& line) {
  Control* area = Find(number, ControlKind::TextArea);
  if (area == nullptr) return;
  Quiet quiet(quiet_);
  for (std::string& piece : SplitAreaLines(line)) {
    std::wstring text = area->lines.empty() ? std::wstring() : std::wstring(L"\r");
    text += Widen(piece);
    area->lines.push_back(std::move(piece));
    ReplaceAreaRange(*area, -1, -1, text);
  }
}

int Win32Ui::LineCount(int number) {
  Control* area = Find(number, ControlKind::TextArea);
  return area ? static_cast<int>(area->lines.size()) : 0;
}

void Win32Ui::RemoveFirstLine(int number) {
  Control* area = Find(number, ControlKind::TextArea);
  if (area == nullptr || area->lines.empty()) return;
  Quiet quiet(quiet_);
  const auto length = static_cast<LONG>(Widen(area->lines.front()).size());
  area->lines.erase(area->lines.begin());
  if (area->lines.empty()) {
    SetAreaText(*area);
  } else {
    ReplaceAreaRange(*area, 0, length + 1, L"");
  }
}

void Win32Ui::ClearLines(int number) {
  Control* area = Find(number, ControlKind::TextArea);
  if (area == nullptr) return;
  Quiet quiet(quiet_);
  area->lines.clear();
  SetAreaText(*area);
}

void Win32Ui::SelectAllText(int number) {
  Control* control = Find(number);
  if (control == nullptr) return;
  if (control->spec.kind == ControlKind::TextArea || control->spec.kind == ControlKind::TextField) {
    Send(control->hwnd, EM_SETSEL, 0, -1);
  }
}

void Win32Ui::SetCaretToStart(int number) {
  Control* control = Find(number);
  if (control == nullptr) return;
  if (control->spec.kind == ControlKind::TextArea || control->spec.kind == ControlKind::TextField) {
    Send(control->hwnd, EM_SETSEL, 0, 0);
    Send(control->hwnd, EM_SCROLLCARET);
  }
}

void Win32Ui::SetWordWrap(int number, bool wrap) {
  if (Control* area = Find(number, ControlKind::TextArea)) {
    Send(area->hwnd, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
  }
}

}  // namespace zebo::win32
