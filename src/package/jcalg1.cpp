// JCALG1 decoder (placeholder until the real decoder lands: decodes nothing).
#include "package/jcalg1.h"

namespace zebo {

uint32_t Jcalg1Checksum(const unsigned char*, size_t) {
  return 0;
}

size_t Jcalg1Decode(const unsigned char*, size_t, unsigned char*, size_t) {
  return 0;
}

int64_t Jcalg1DeclaredSize(const unsigned char*, size_t) {
  return -1;
}

}  // namespace zebo
