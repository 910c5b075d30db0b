// Finding a fixed run of bytes in a buffer: the inner loop of the marker search, which walks
// megabytes of program bytes and so compares many positions at once where it can.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zebo {

class BytePattern {
 public:
  explicit BytePattern(std::string_view pattern);  // not empty

  size_t Size() const { return pattern_.size(); }

  // The first position i in [from, limit) where data[i .. i + Size()) equals the pattern, or
  // limit when there is none. Reads data[from .. limit + Size() - 1) and nothing else.
  size_t Find(const unsigned char* data, size_t from, size_t limit) const;

  // The same answer from the skip-table search alone, which Find uses where vector compares
  // are not available and for the last positions of a run.
  size_t FindPortable(const unsigned char* data, size_t from, size_t limit) const;

 private:
  std::string pattern_;
  std::array<size_t, 256> skip_{};  // by the byte under the pattern's last position
};

}  // namespace zebo
