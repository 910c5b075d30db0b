// Sound output through the system's sound player.
#pragma once

#include <string>

#include "platform/sound.h"
// Last: undoes the A/W renames of <windows.h> if a file included it before us.
#include "platform/win32/windows_api.h"

namespace zebo::win32 {

class Win32Sound : public Sound {
 public:
  ~Win32Sound() override;
  bool Open() override;
  bool PlayWav(std::string_view wav) override;

 private:
  std::string playing_;  // the bytes of the sound being played: the player reads them as it goes
};

}  // namespace zebo::win32
