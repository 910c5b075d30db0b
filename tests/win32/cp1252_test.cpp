// The program's own Windows-1252 table against the system's code page 1252.
#include "core/cp1252.h"

#include <gtest/gtest.h>

#include "platform/win32/text.h"
#include "platform/win32/windows_api.h"

namespace zebo {
namespace {

TEST(Cp1252AgainstWindows, EveryByteWidensAlike) {
  for (int byte = 0; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t out[2] = {};
    ASSERT_EQ(::MultiByteToWideChar(1252, 0, &in, 1, out, 2), 1) << byte;
    EXPECT_EQ(static_cast<char32_t>(out[0]), Cp1252ToUnicode(static_cast<unsigned char>(byte)))
        << "byte 0x" << std::hex << byte;
  }
}

// Every UTF-16 unit outside the surrogates narrows alike, with no best-fit guessing: what the
// code page lacks becomes "?" on both sides.
TEST(Cp1252AgainstWindows, EveryCodeUnitNarrowsAlike) {
  int differences = 0;
  for (int unit = 0; unit < 0x10000; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;
    const wchar_t in = static_cast<wchar_t>(unit);
    char out[4] = {};
    ASSERT_EQ(::WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &in, 1, out, 4, "?", nullptr), 1)
        << unit;
    const char ours = UnicodeToCp1252(static_cast<char32_t>(unit));
    if (out[0] != ours && ++differences <= 20) {
      ADD_FAILURE() << "U+" << std::hex << unit << ": Windows 0x" << (out[0] & 0xFF) << ", ours 0x"
                    << (ours & 0xFF);
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(Cp1252AgainstWindows, TheBoundaryRoundTripsEveryByte) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const std::wstring wide = win32::Widen(all);
  ASSERT_EQ(wide.size(), all.size());
  EXPECT_EQ(win32::Narrow(wide), all);
  EXPECT_EQ(win32::Narrow(L"\x4E2D\xD83D\xDE00!"),
            "?"
            "?!");
}

}  // namespace
}  // namespace zebo
