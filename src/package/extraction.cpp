// Packaged file extraction (placeholder until the extraction lands).
#include "package/extraction.h"

namespace zebo {

bool LoadPackagedBytes(Core&, PackageState&, const std::string&, int64_t, int64_t) {
  return false;
}
bool DecodePayload(Core&, PackageState&, int32_t, int32_t) {
  return false;
}
bool SaveFileBuffer(Core&, PackageState&, const std::string&, int64_t) {
  return false;
}
bool ExtractFile(Core&, PackageState&, const std::string&, bool, bool) {
  return false;
}
void PlayStartSound(Core&, PackageState&) {}

}  // namespace zebo
