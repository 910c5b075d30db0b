// Encodes arbitrary bytes (without the encoder's own check, which would hide a fault) and decodes
// them again: the result must be the input, byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "package/jcalg1.h"
#include "tools/zebo-pack/jcalg1_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string packed = zebo::pack::Jcalg1EncodeUnchecked(
      std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<unsigned char> out(size + 1);
  const zebo::Jcalg1Result r = zebo::Jcalg1DecodeStream(
      reinterpret_cast<const unsigned char*>(packed.data()), packed.size(), out.data(), size);
  if (!r.ok || r.produced != size || r.consumed != packed.size() ||
      (size > 0 && std::memcmp(out.data(), data, size) != 0)) {
    std::abort();
  }
  return 0;
}
