// The one Windows-1252 <-> Unicode table of the program. Every text inside the program is
// Windows-1252 bytes; conversion happens only at the boundaries (Win32 W calls, UTF-8 files of
// the author's tool, JSON output).
#pragma once

#include <string>
#include <string_view>

namespace zebo {

// The Unicode code point of a Windows-1252 byte. The five bytes Windows leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as
// MultiByteToWideChar(1252) does, so every byte survives a round trip.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, or '?' when the code page has none.
char UnicodeToCp1252(char32_t code);

std::u16string Cp1252ToUtf16(std::string_view text);
std::string Utf16ToCp1252(std::u16string_view text);

std::string Cp1252ToUtf8(std::string_view text);
// Invalid UTF-8 sequences become '?'.
std::string Utf8ToCp1252(std::string_view text);

// Lower case as the program compares texts: ASCII letters and the accented letters of 1252.
std::string LowerCase(std::string_view text);

}  // namespace zebo
