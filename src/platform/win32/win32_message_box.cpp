// Message boxes: modal to the program, brought to the front so the screen reader reads them.
#include "platform/win32/text.h"
#include "platform/win32/win32_ui.h"

namespace zebo::win32 {

MessageAnswer Win32Ui::MessageBox(const std::string& title, const std::string& text,
                                  MessageButtons buttons, MessageIcon icon) {
  UINT style = MB_SETFOREGROUND | (owner ? MB_APPLMODAL : MB_TASKMODAL);
  style |= buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  switch (icon) {
    case MessageIcon::Information:
      style |= MB_ICONINFORMATION;
      break;
    case MessageIcon::Warning:
      style |= MB_ICONWARNING;
      break;
    case MessageIcon::Error:
      style |= MB_ICONERROR;
      break;
    case MessageIcon::Question:
      style |= MB_ICONQUESTION;
      break;
    case MessageIcon::None:
      break;
  }
  switch (::MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), style)) {
    case IDOK:
      return MessageAnswer::Ok;
    case IDYES:
      return MessageAnswer::Yes;
    case IDNO:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Closed;
  }
}

}  // namespace zebo::win32
