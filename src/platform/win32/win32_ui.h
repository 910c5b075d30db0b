// The user interface on Windows.
#pragma once

#include "platform/ui.h"
#include "platform/win32/windows_api.h"

namespace zebo::win32 {

class Win32Ui : public Ui {
 public:
  MessageAnswer MessageBox(const std::string& title, const std::string& text,
                           MessageButtons buttons, MessageIcon icon) override;

  // The window that owns message boxes; none until the main window exists.
  HWND owner = nullptr;
};

}  // namespace zebo::win32
