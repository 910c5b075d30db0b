// Conversions through the core's one code page table (never the system's ANSI code page).
#include "platform/win32/text.h"

#include "core/cp1252.h"

namespace zebo::win32 {

std::wstring Widen(std::string_view text) {
  const std::u16string wide = Cp1252ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(std::wstring_view text) {
  const std::u16string wide(text.begin(), text.end());
  return Utf16ToCp1252(wide);
}

}  // namespace zebo::win32
