// SHA-256 over data that arrives in pieces of any size.
#include "core/sha256.h"

#include <algorithm>
#include <cstring>

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#include <immintrin.h>
#define ZEBO_SHA_X86 1
#endif

namespace zebo {
namespace {

constexpr uint32_t kRounds[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

inline uint32_t Rotr(uint32_t x, int n) {
  return (x >> n) | (x << (32 - n));
}

inline uint32_t LoadBe32(const unsigned char* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

#ifdef ZEBO_SHA_X86
// The SHA extensions hash a 64 MB package several times faster than the portable rounds.
bool HasShaInstructions() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
  const bool sse41 = (c & (1u << 19)) != 0 && (c & (1u << 9)) != 0;  // SSE4.1 and SSSE3
  if (!sse41 || !__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
  return (b & (1u << 29)) != 0;
}

__attribute__((target("sha,sse4.1,ssse3"))) void HardwareBlocks(uint32_t* state,
                                                                const unsigned char* data,
                                                                size_t count) {
  const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
  // The instructions keep the state as the pairs ABEF and CDGH.
  __m128i cdab = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);
  __m128i efgh =
      _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);
  __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
  __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);
  for (; count > 0; --count, data += 64) {
    const __m128i abefBefore = abef;
    const __m128i cdghBefore = cdgh;
    __m128i w[4];
    for (int i = 0; i < 4; ++i) {
      w[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i)),
                              byteSwap);
    }
    for (int i = 0; i < 16; ++i) {
      __m128i k = _mm_add_epi32(w[i & 3],
                                _mm_loadu_si128(reinterpret_cast<const __m128i*>(kRounds + 4 * i)));
      cdgh = _mm_sha256rnds2_epu32(cdgh, abef, k);
      k = _mm_shuffle_epi32(k, 0x0E);
      abef = _mm_sha256rnds2_epu32(abef, cdgh, k);
      if (i < 12) {
        // The next four schedule words from the sixteen before them.
        const __m128i partial = _mm_add_epi32(_mm_sha256msg1_epu32(w[i & 3], w[(i + 1) & 3]),
                                              _mm_alignr_epi8(w[(i + 3) & 3], w[(i + 2) & 3], 4));
        w[i & 3] = _mm_sha256msg2_epu32(partial, w[(i + 3) & 3]);
      }
    }
    abef = _mm_add_epi32(abef, abefBefore);
    cdgh = _mm_add_epi32(cdgh, cdghBefore);
  }
  const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
  const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}
#endif

}  // namespace

Sha256::Sha256(bool portable)
    : state_{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
             0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19} {
#ifdef ZEBO_SHA_X86
  static const bool available = HasShaInstructions();
  hardware_ = !portable && available;
#else
  (void)portable;
#endif
}

void Sha256::Blocks(const unsigned char* data, size_t count) {
#ifdef ZEBO_SHA_X86
  if (hardware_) {
    HardwareBlocks(state_.data(), data, count);
    return;
  }
#endif
  uint32_t w[64];
  for (; count > 0; --count, data += 64) {
    for (int i = 0; i < 16; ++i) w[i] = LoadBe32(data + 4 * i);
    for (int i = 16; i < 64; ++i) {
      const uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
      const uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
      w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    uint32_t e = state_[4], f = state_[5], g = state_[6], h = state_[7];
    for (int i = 0; i < 64; ++i) {
      const uint32_t t1 =
          h + (Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRounds[i] + w[i];
      const uint32_t t2 = (Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
      h = g;
      g = f;
      f = e;
      e = d + t1;
      d = c;
      c = b;
      b = a;
      a = t1 + t2;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
    state_[5] += f;
    state_[6] += g;
    state_[7] += h;
  }
}

void Sha256::Update(const void* data, size_t size) {
  auto bytes = static_cast<const unsigned char*>(data);
  totalBytes_ += size;
  if (pendingSize_ > 0) {
    const size_t take = std::min(size, pending_.size() - pendingSize_);
    std::memcpy(pending_.data() + pendingSize_, bytes, take);
    pendingSize_ += take;
    bytes += take;
    size -= take;
    if (pendingSize_ < pending_.size()) return;
    Blocks(pending_.data(), 1);
    pendingSize_ = 0;
  }
  Blocks(bytes, size / 64);
  bytes += size / 64 * 64;
  size %= 64;
  if (size > 0) std::memcpy(pending_.data(), bytes, size);
  pendingSize_ = size;
}

Sha256Digest Sha256::Finish() {
  const uint64_t bits = totalBytes_ * 8;
  const unsigned char one = 0x80;
  Update(&one, 1);
  const unsigned char zero = 0;
  while (pendingSize_ != 56) Update(&zero, 1);
  unsigned char length[8];
  for (int i = 0; i < 8; ++i) length[i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
  Update(length, sizeof length);
  Sha256Digest digest;
  for (size_t i = 0; i < 8; ++i) {
    for (size_t j = 0; j < 4; ++j) {
      digest[4 * i + j] = static_cast<unsigned char>(state_[i] >> (24 - 8 * j));
    }
  }
  return digest;
}

Sha256Digest Sha256Of(std::string_view bytes) {
  Sha256 sha;
  sha.Update(bytes);
  return sha.Finish();
}

std::string DigestHex(const Sha256Digest& digest) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (unsigned char byte : digest) {
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 15]);
  }
  return out;
}

}  // namespace zebo
