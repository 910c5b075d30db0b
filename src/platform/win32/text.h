// The Win32 boundary for texts: Windows-1252 inside the program, UTF-16 for the W functions.
#pragma once

#include <string>
#include <string_view>

namespace zebo::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace zebo::win32
