// Helpers written once over the file services, for every backend.
#include "platform/files.h"

namespace zebo {

bool ReadWholeFile(Files& files, const std::string& path, std::string& out) {
  out.clear();
  auto reader = files.OpenRead(path);
  if (!reader) return false;
  const int64_t size = reader->Size();
  if (size < 0) return false;
  out.resize(static_cast<size_t>(size));
  int64_t done = 0;
  while (done < size) {
    const int64_t got = reader->Read(out.data() + done, size - done);
    if (got <= 0) break;
    done += got;
  }
  out.resize(static_cast<size_t>(done));
  return done == size;
}

}  // namespace zebo
