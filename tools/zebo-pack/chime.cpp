// The example's start sound: two decaying sine notes written as a PCM WAV file.
#include "tools/zebo-pack/chime.h"

#include <cmath>
#include <cstdint>

#include "core/byte_cursor.h"

namespace zebo::pack {
namespace {

void AppendLe16(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

}  // namespace

std::string MakeChimeWav() {
  constexpr int kRate = 22050;
  constexpr int kNoteSamples = kRate / 5;
  constexpr double kPi = 3.14159265358979323846;
  const double notes[] = {659.25, 987.77};  // E5 then B5
  std::string samples;
  for (double frequency : notes) {
    for (int i = 0; i < kNoteSamples; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double envelope = std::exp(-6.0 * t) * std::min(1.0, i / 200.0);
      const double value = 0.5 * envelope * std::sin(2 * kPi * frequency * t);
      AppendLe16(samples, static_cast<int>(std::lround(value * 32767)));
    }
  }
  std::string wav = "RIFF";
  AppendLe32(wav, static_cast<int32_t>(36 + samples.size()));
  wav += "WAVEfmt ";
  AppendLe32(wav, 16);
  AppendLe16(wav, 1);  // PCM
  AppendLe16(wav, 1);  // mono
  AppendLe32(wav, kRate);
  AppendLe32(wav, kRate * 2);  // bytes per second, at offset 28
  AppendLe16(wav, 2);          // bytes per frame
  AppendLe16(wav, 16);         // bits per sample
  wav += "data";
  AppendLe32(wav, static_cast<int32_t>(samples.size()));
  return wav + samples;
}

}  // namespace zebo::pack
