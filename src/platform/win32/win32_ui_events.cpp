// The main window's messages turned into the program's events, the event wait, the shortcuts and
// the popup menu.
#include "platform/win32/text.h"
#include "platform/win32/win32_ui.h"
// After windows.h, which the program's own headers bring in.
#include <commctrl.h>

namespace zebo::win32 {
namespace {

constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the headers' target version
// Events wait here only between two waits; a program that stops waiting must not make them pile up.
constexpr size_t kMaxPending = 256;

Win32Ui* UiOf(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Win32Ui*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

WORD VirtualKey(ShortcutKey key) {
  switch (key) {
    case ShortcutKey::F1:
      return VK_F1;
    case ShortcutKey::F2:
      return VK_F2;
    case ShortcutKey::F10:
      return VK_F10;
    case ShortcutKey::A:
      return 'A';
    case ShortcutKey::S:
      return 'S';
    case ShortcutKey::P:
      return 'P';
    case ShortcutKey::Enter:
      return VK_RETURN;
    case ShortcutKey::Apps:
      return VK_APPS;
  }
  return 0;
}

}  // namespace

LRESULT CALLBACK Win32Ui::MainProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Ui* ui = UiOf(hwnd, message, lparam);
  if (ui == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  return ui->HandleMain(hwnd, message, wparam, lparam);
}

// A page container passes its controls' notifications on to the window.
LRESULT CALLBACK Win32Ui::PageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Ui* ui = UiOf(hwnd, message, lparam);
  if (ui != nullptr) {
    switch (message) {
      case WM_COMMAND:
        ui->HandleCommand(wparam, lparam);
        return 0;
      case WM_NOTIFY:
        ui->HandleNotify(*reinterpret_cast<const NMHDR*>(lparam));
        return 0;
      case WM_RBUTTONDOWN:
        ui->Post({UiEventKind::RightClick});
        return 0;
      default:
        break;
    }
  }
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT Win32Ui::HandleMain(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      Post({UiEventKind::Close});
      return 0;
    case WM_COMMAND:
      HandleCommand(wparam, lparam);
      return 0;
    case WM_NOTIFY:
      HandleNotify(*reinterpret_cast<const NMHDR*>(lparam));
      return 0;
    case WM_RBUTTONDOWN:
      Post({UiEventKind::RightClick});
      return 0;
    case WM_ACTIVATE: {
      if (LOWORD(wparam) == WA_INACTIVE) {
        // The focus is still on the control here; it is gone once the window is inactive.
        const HWND focus = ::GetFocus();
        savedFocus_ = focus != nullptr && ::IsChild(hwnd, focus) ? focus : nullptr;
        Post({UiEventKind::Deactivate, NumberOf(focus)});
        return 0;
      }
      Post({UiEventKind::Activate});
      // As a dialog does: the control that had the focus gets it back, not the window itself.
      if (savedFocus_ != nullptr && ::IsWindow(savedFocus_) && ::IsWindowVisible(savedFocus_) &&
          ::IsWindowEnabled(savedFocus_)) {
        ::SetFocus(savedFocus_);
        return 0;
      }
      break;
    }
    case kDpiChanged: {
      ApplyDpi(HIWORD(wparam));
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      ::SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_SETTINGCHANGE:
      // A new message font (larger text, another theme) applies at once.
      if (wparam == SPI_SETNONCLIENTMETRICS) ApplyDpi(dpi_);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

void Win32Ui::Post(UiEvent event) {
  if (pending_.size() >= kMaxPending) pending_.pop_front();
  pending_.push_back(event);
}

void Win32Ui::HandleCommand(WPARAM wparam, LPARAM lparam) {
  const int id = LOWORD(wparam);
  const int code = HIWORD(wparam);
  if (lparam == 0) {  // a menu item or a shortcut
    Post({UiEventKind::Menu, id});
    return;
  }
  if (quiet_ > 0) return;
  const auto it = numbers_.find(reinterpret_cast<HWND>(lparam));
  if (it == numbers_.end()) return;
  const ControlKind kind = controls_.at(it->second).spec.kind;
  ControlEventType type = ControlEventType::Other;
  if ((kind == ControlKind::Button || kind == ControlKind::CheckBox) && code == BN_CLICKED) {
    type = ControlEventType::Clicked;
  } else if (kind == ControlKind::DropDown && code == CBN_SELCHANGE) {
    type = ControlEventType::SelectionChanged;
  } else if (kind == ControlKind::TextField && code == EN_CHANGE) {
    type = ControlEventType::TextChanged;
  } else {
    return;  // focus moves, drop-downs opening and the like are not the user's choices
  }
  Post({UiEventKind::Control, it->second, type});
}

void Win32Ui::HandleNotify(const NMHDR& header) {
  const auto it = numbers_.find(header.hwndFrom);
  if (it == numbers_.end() || controls_.at(it->second).spec.kind != ControlKind::CheckList) return;
  if (header.code == NM_RCLICK) {
    Post({UiEventKind::RightClick});
    return;
  }
  if (header.code != LVN_ITEMCHANGED || quiet_ > 0) return;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if (!(change.uChanged & LVIF_STATE) || change.iItem < 0) return;
  const UINT oldCheck = change.uOldState & LVIS_STATEIMAGEMASK;
  const UINT newCheck = change.uNewState & LVIS_STATEIMAGEMASK;
  if (oldCheck != 0 && newCheck != oldCheck) {
    Post({UiEventKind::Control, it->second, ControlEventType::CheckToggled});
  } else if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
    Post({UiEventKind::Control, it->second, ControlEventType::SelectionChanged});
  }
}

UiEvent Win32Ui::WaitEvent(int milliseconds) {
  MSG message{};
  if (pending_.empty() && !::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    ::MsgWaitForMultipleObjectsEx(0, nullptr,
                                  static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0),
                                  QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  while (pending_.empty() && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      Post({UiEventKind::Close});
      break;
    }
    const HWND window = main_.Get();
    const bool ours =
        window != nullptr && (message.hwnd == window || ::IsChild(window, message.hwnd));
    // Shortcuts first (Enter and Alt+S mean Next everywhere), then Tab and Shift+Tab.
    if (ours && accelerators_ && ::TranslateAcceleratorW(window, accelerators_.Get(), &message)) {
      continue;
    }
    if (ours && ::IsDialogMessageW(window, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  if (pending_.empty()) return {};
  const UiEvent event = pending_.front();
  pending_.pop_front();
  return event;
}

void Win32Ui::SetShortcuts(std::span<const Shortcut> shortcuts) {
  std::vector<ACCEL> table;
  for (const Shortcut& shortcut : shortcuts) {
    BYTE flags = FVIRTKEY;
    if (shortcut.modifiers & ModAlt) flags |= FALT;
    if (shortcut.modifiers & ModControl) flags |= FCONTROL;
    if (shortcut.modifiers & ModShift) flags |= FSHIFT;
    table.push_back(ACCEL{flags, VirtualKey(shortcut.key), static_cast<WORD>(shortcut.event)});
  }
  accelerators_.Reset(
      table.empty() ? nullptr
                    : ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

bool Win32Ui::CreatePopupMenu(std::span<const MenuItemSpec> items) {
  popup_.Reset(::CreatePopupMenu());
  if (!popup_) return false;
  for (const MenuItemSpec& item : items) {
    const bool added =
        item.event == 0 ? ::AppendMenuW(popup_.Get(), MF_SEPARATOR, 0, nullptr)
                        : ::AppendMenuW(popup_.Get(), MF_STRING, static_cast<UINT_PTR>(item.event),
                                        Widen(item.text ? item.text : "").c_str());
    if (!added) {
      popup_.Reset();
      return false;
    }
  }
  return true;
}

void Win32Ui::SetMenuItemText(int event, const std::string& text) {
  if (!popup_) return;
  std::wstring wide = Widen(text);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = wide.data();
  ::SetMenuItemInfoW(popup_.Get(), static_cast<UINT>(event), FALSE, &info);
}

void Win32Ui::SetMenuItemEnabled(int event, bool enabled) {
  if (popup_) {
    ::EnableMenuItem(popup_.Get(), static_cast<UINT>(event),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

int Win32Ui::ShowPopupMenu(ScreenPoint at) {
  if (!popup_ || !main_) return 0;
  // Without the window in front, the menu would not close when the user clicks elsewhere.
  ::SetForegroundWindow(main_.Get());
  const int chosen = ::TrackPopupMenu(
      popup_.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
      at.x, at.y, 0, main_.Get(), nullptr);
  ::PostMessageW(main_.Get(), WM_NULL, 0, 0);
  return chosen;
}

}  // namespace zebo::win32
