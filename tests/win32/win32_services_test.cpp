// The Win32 clock and host services under the real system.
#include <gtest/gtest.h>

#include <cctype>

#include "platform/win32/text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/win32_sound.h"

namespace zebo::win32 {
namespace {

TEST(Win32Clock, GivesTheLocalTimeAndSleeps) {
  Win32Clock clock;
  SYSTEMTIME system;
  ::GetLocalTime(&system);
  const LocalTime now = clock.Now();
  EXPECT_EQ(now.year, system.wYear);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  const uint64_t before = clock.Ticks();
  clock.Sleep(100);
  const uint64_t after = clock.Ticks();
  // The tick counter is coarse; a sleep that did not happen shows as well below 100.
  EXPECT_GE(after - before, 50u) << before << " -> " << after;
}

TEST(Win32Host, TheMutexIsSeenByNameUntilItIsClosed) {
  const std::string name = "ZeBo-test-" + std::to_string(::GetCurrentProcessId());
  Win32Host host;
  EXPECT_FALSE(host.MutexExists(name));
  ASSERT_TRUE(host.CreateMutex(name));
  EXPECT_TRUE(host.MutexExists(name));
  Win32Host second;  // a second copy finds it and cannot make its own
  EXPECT_TRUE(second.MutexExists(name));
  EXPECT_FALSE(second.CreateMutex(name));
  host.CloseMutex();
  EXPECT_FALSE(host.MutexExists(name));
}

TEST(Win32Host, BringsForwardOnlyTheWindowOfTheExactTitle) {
  const std::wstring title = L"ZeBo-test-window-" + std::to_wstring(::GetCurrentProcessId());
  HWND window = ::CreateWindowExW(0, L"STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                  0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  Win32Host host;
  std::string upper = Narrow(title);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_FALSE(host.BringWindowForward(upper));
  EXPECT_FALSE(host.BringWindowForward(Narrow(title) + " "));
  EXPECT_TRUE(host.BringWindowForward(Narrow(title)));
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_FALSE(::IsIconic(window));
  ::DestroyWindow(window);
}

TEST(Win32Host, KnowsItsOwnPaths) {
  Win32Host host;
  const std::string exe = host.ExecutablePath();
  ASSERT_GT(exe.size(), 4u);
  EXPECT_EQ(exe.substr(exe.size() - 4), ".exe");
  wchar_t folder[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, folder);
  EXPECT_EQ(host.CurrentFolder(), Narrow(folder));
}

TEST(Win32Sound, RefusesNothingToPlayAndKeepsItsOwnCopy) {
  Win32Sound sound;
  ASSERT_TRUE(sound.Open());
  EXPECT_FALSE(sound.PlayWav(""));
  // A short silent WAV; the caller's bytes go away at once. The device may be missing under a
  // test display, so only the absence of a crash is checked.
  std::string wav(
      "RIFF\x2C\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0"
      "data\x08\0\0\0\x80\x80\x80\x80\x80\x80\x80\x80",
      52);
  (void)sound.PlayWav(wav);
  wav.assign(wav.size(), '\0');
  ::Sleep(20);
}

}  // namespace
}  // namespace zebo::win32
