// Decodes arbitrary bytes as a JCALG1 stream into a bounded buffer: it must refuse or succeed,
// never crash, hang or touch memory outside the buffers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "package/jcalg1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kCapacity = 1 << 20;
  static std::vector<unsigned char> out(kCapacity);
  const zebo::Jcalg1Result r = zebo::Jcalg1DecodeStream(data, size, out.data(), kCapacity);
  if (r.ok && (r.produced != static_cast<size_t>(zebo::Jcalg1DeclaredSize(data, size)) ||
               r.consumed > size)) {
    std::abort();
  }
  return 0;
}
