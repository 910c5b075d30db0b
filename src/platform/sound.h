// Sound output: one WAV held in memory, played once without waiting.
#pragma once

#include <string_view>

namespace zebo {

class Sound {
 public:
  virtual ~Sound() = default;
  // Opens the sound system; true when it can play.
  [[nodiscard]] virtual bool Open() = 0;
  // Starts playing the WAV bytes once and returns at once. The bytes must stay alive while the
  // sound plays; the backend keeps its own copy.
  [[nodiscard]] virtual bool PlayWav(std::string_view wav) = 0;
};

}  // namespace zebo
