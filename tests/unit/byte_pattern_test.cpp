// The byte pattern search: both ways of searching agree with a plain search at every offset.
#include "package/byte_pattern.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/core.h"

namespace zebo {
namespace {

size_t PlainFind(const std::string& hay, const std::string& pattern, size_t from, size_t limit) {
  for (size_t i = from; i < limit; ++i) {
    if (hay.compare(i, pattern.size(), pattern) == 0) return i;
  }
  return limit;
}

// Copies and near-misses (first or last byte changed) placed at every distance from the ends of
// the vector blocks, over random bytes drawn from the pattern's own bytes and from all bytes.
TEST(BytePattern, AgreesWithAPlainSearch) {
  const std::string m = JoinPackageMarker();
  std::string firstOff = m, lastOff = m;
  firstOff[0] = 'x';
  lastOff[m.size() - 1] = 'x';
  std::mt19937 random(3);
  for (const std::string& pattern : {m, std::string("a"), std::string("ab")}) {
    const BytePattern search(pattern);
    for (int round = 0; round < 400; ++round) {
      std::string hay(static_cast<size_t>(random() % 200) + pattern.size(), '\0');
      for (char& c : hay) {
        c = round % 2 ? pattern[random() % pattern.size()] : static_cast<char>(random());
      }
      const std::string* pieces[] = {&pattern, &firstOff, &lastOff};
      for (int k = static_cast<int>(random() % 3); k > 0; --k) {
        const std::string& piece = *pieces[random() % 3];
        if (piece.size() > hay.size()) continue;
        hay.replace(random() % (hay.size() - piece.size() + 1), piece.size(), piece);
      }
      const size_t last = hay.size() - pattern.size() + 1;
      const size_t from = random() % 40 % last;
      const size_t limit = from + random() % (last - from + 1);
      const auto* data = reinterpret_cast<const unsigned char*>(hay.data());
      const size_t expected = PlainFind(hay, pattern, from, limit);
      ASSERT_EQ(search.Find(data, from, limit), expected) << round;
      ASSERT_EQ(search.FindPortable(data, from, limit), expected) << round;
    }
  }
}

}  // namespace
}  // namespace zebo
