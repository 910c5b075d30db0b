// The main window as data: its size, its controls in creation (and tab) order, its keyboard
// shortcuts and the file list's popup menu.
#pragma once

#include <span>

#include "platform/ui.h"

namespace zebo {

// The client area at 96 DPI.
inline constexpr int kMainWindowWidth = 600;
inline constexpr int kMainWindowHeight = 480;

// Every container and control; a container comes before the controls it holds.
std::span<const ControlSpec> ControlTable();

// The nine shortcuts, in the order they are registered.
std::span<const Shortcut> ShortcutTable();

// The items of `FilePopupMenu`, a separator included.
std::span<const MenuItemSpec> FilePopupMenuItems();

}  // namespace zebo
