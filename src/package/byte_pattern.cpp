// Finding a fixed run of bytes in a buffer: a filter on the pattern's first and last bytes over
// sixteen positions at once where the processor has SSE2, a skip table everywhere else.
#include "package/byte_pattern.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zebo {

#if defined(__SSE2__)
namespace {

struct Filter {
  __m128i first;
  __m128i last;
  size_t distance;

  // A byte of ones for each of the sixteen positions from i on that holds the first byte and,
  // distance bytes further, the last one.
  __m128i Match(const unsigned char* data, size_t i) const {
    const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + distance));
    return _mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, last));
  }
  uint64_t Hits(const unsigned char* data, size_t i) const {
    return static_cast<unsigned>(_mm_movemask_epi8(Match(data, i)));
  }
};

// Moves i through [i, limit) by 64 positions, then 16, to the first run of positions with hits
// (one bit for each of the `span` positions from the returned i on), or to where fewer than 16
// are left (span 0). Kept out of line: the compares stay in registers, with no call among them.
[[gnu::noinline]] size_t SkipBlocks(const unsigned char* data, size_t i, size_t limit,
                                    unsigned char firstByte, unsigned char lastByte,
                                    size_t distance, uint64_t& hits, size_t& span) {
  const Filter filter{_mm_set1_epi8(static_cast<char>(firstByte)),
                      _mm_set1_epi8(static_cast<char>(lastByte)), distance};
  hits = 0;
  span = 0;
  for (; limit - i >= 64; i += 64) {
    const __m128i any =
        _mm_or_si128(_mm_or_si128(filter.Match(data, i), filter.Match(data, i + 16)),
                     _mm_or_si128(filter.Match(data, i + 32), filter.Match(data, i + 48)));
    if (_mm_movemask_epi8(any) != 0) {
      hits = filter.Hits(data, i) | filter.Hits(data, i + 16) << 16 |
             filter.Hits(data, i + 32) << 32 | filter.Hits(data, i + 48) << 48;
      span = 64;
      return i;
    }
  }
  for (; limit - i >= 16; i += 16) {
    hits = filter.Hits(data, i);
    if (hits != 0 || limit - i < 32) {
      span = 16;
      return i;
    }
  }
  return i;
}

}  // namespace
#endif

BytePattern::BytePattern(std::string_view pattern) : pattern_(pattern) {
  const size_t n = pattern_.size();
  skip_.fill(n);
  // A byte found at the pattern's last position lets the search move on until the last copy of
  // that byte in the rest of the pattern lines up with it.
  for (size_t k = 0; k + 1 < n; ++k) skip_[static_cast<unsigned char>(pattern_[k])] = n - 1 - k;
}

size_t BytePattern::FindPortable(const unsigned char* data, size_t from, size_t limit) const {
  const size_t n = pattern_.size();
  if (n == 0 || from >= limit) return from < limit ? from : limit;
  const auto* p = reinterpret_cast<const unsigned char*>(pattern_.data());
  const unsigned char last = p[n - 1];
  for (size_t i = from; i < limit;) {
    const unsigned char under = data[i + n - 1];
    if (under == last && std::memcmp(data + i, p, n - 1) == 0) return i;
    i += skip_[under];
  }
  return limit;
}

size_t BytePattern::Find(const unsigned char* data, size_t from, size_t limit) const {
  const size_t n = pattern_.size();
  if (n == 0 || from >= limit) return from < limit ? from : limit;
  size_t i = from;
#if defined(__SSE2__)
  const auto* p = reinterpret_cast<const unsigned char*>(pattern_.data());
  for (size_t span = 1; span != 0 && limit - i >= 16; i += span) {
    uint64_t hits = 0;
    i = SkipBlocks(data, i, limit, p[0], p[n - 1], n - 1, hits, span);
    for (; hits != 0; hits &= hits - 1) {
      const size_t at = i + static_cast<size_t>(__builtin_ctzll(hits));
      if (std::memcmp(data + at + 1, p + 1, n - 1) == 0) return at;
    }
  }
#endif
  return FindPortable(data, i, limit);
}

}  // namespace zebo
