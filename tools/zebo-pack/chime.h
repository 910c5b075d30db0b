// A short start sound made from scratch, so the example package carries no recorded audio.
#pragma once

#include <string>

namespace zebo::pack {

// A WAV file (PCM, 16 bits, mono, 22050 Hz) of two rising notes, about 0.4 s long.
std::string MakeChimeWav();

}  // namespace zebo::pack
