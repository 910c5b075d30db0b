// WAV bytes played from memory, once, without waiting.
#include "platform/win32/win32_sound.h"

#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <mmsystem.h>

namespace zebo::win32 {

Win32Sound::~Win32Sound() {
  // The player must stop reading our copy before it goes away.
  if (!playing_.empty()) ::PlaySoundW(nullptr, nullptr, 0);
}

bool Win32Sound::Open() {
  return true;  // the player needs no set-up; a missing device shows as a failed PlayWav
}

bool Win32Sound::PlayWav(std::string_view wav) {
  if (wav.empty()) return false;
  if (!playing_.empty()) ::PlaySoundW(nullptr, nullptr, 0);
  playing_.assign(wav);
  const BOOL started = ::PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.data()), nullptr,
                                    SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  if (!started) playing_.clear();
  return started != 0;
}

}  // namespace zebo::win32
