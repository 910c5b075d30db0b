// JCALG1 encoder (placeholder until the real encoder lands: makes nothing smaller).
#include "tools/zebo-pack/jcalg1_encoder.h"

namespace zebo::pack {

std::string Jcalg1Encode(std::string_view data) {
  return std::string(data.size() + 32, '\0');
}

}  // namespace zebo::pack
