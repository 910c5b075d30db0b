// JCALG1 decoder and checksum. Every read of the input and every write of the output is checked,
// and values a hostile stream controls are widened to 64 bits before any arithmetic, so damaged
// data end in a refusal, never in a crash, a hang or an access outside the buffers.
#include "package/jcalg1.h"

#include <cstring>

namespace zebo {
namespace {

inline uint32_t Le32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// The stream is a series of little-endian 32-bit words whose bits are used from the top down.
// Up to two words are held at once; a word is only taken when it is complete, and a read that
// needs more bits than the input holds marks the reader as failed.
class BitReader {
 public:
  BitReader(const unsigned char* begin, const unsigned char* end)
      : begin_(begin), p_(begin), end_(end) {}

  bool Failed() const { return failed_; }

  // Bytes of input behind the words a lazy reader would have taken so far.
  size_t Consumed() const { return static_cast<size_t>(p_ - begin_) - 4 * (count_ / 32); }

  // `n` is 1..32.
  uint32_t Bits(unsigned n) {
    if (count_ < n) {
      Refill();
      if (count_ < n) {
        failed_ = true;
        count_ = 0;
        return 0;
      }
    }
    count_ -= n;
    return static_cast<uint32_t>((buffer_ >> count_) & ((uint64_t{1} << n) - 1));
  }

  uint32_t Bit() {
    if (count_ == 0) {
      Refill();
      if (count_ == 0) {
        failed_ = true;
        return 0;
      }
    }
    --count_;
    return static_cast<uint32_t>(buffer_ >> count_) & 1;
  }

  // A gamma-coded value (2 or more). More than 31 data bits cannot be a valid value: 0 is
  // returned and the reader fails, which also bounds the loop on a stream of ones.
  uint64_t Gamma() {
    uint64_t v = 1;
    for (int n = 0; n < 31; ++n) {
      v = 2 * v + Bit();
      if (!Bit()) return failed_ ? 0 : v;
    }
    failed_ = true;
    return 0;
  }

 private:
  void Refill() {
    while (count_ <= 32 && end_ - p_ >= 4) {
      buffer_ = buffer_ << 32 | Le32(p_);
      p_ += 4;
      count_ += 32;
    }
  }

  const unsigned char* begin_;
  const unsigned char* p_;
  const unsigned char* end_;
  uint64_t buffer_ = 0;
  unsigned count_ = 0;
  bool failed_ = false;
};

// The extra length an explicit match carries, by offset class.
inline uint64_t LengthAdjust(uint64_t offset) {
  if (offset < 0x80) return 4;
  if (offset < 0x27F) return 0;
  if (offset < 0x37FF) return 1;
  if (offset < 0x10000) return 2;
  return 3;
}

// Front-to-back copy; overlapping copies repeat the bytes just written, as the format intends.
inline void CopyBack(unsigned char* dst, size_t offset, size_t length) {
  const unsigned char* src = dst - offset;
  if (offset >= length) {
    std::memcpy(dst, src, length);
  } else if (offset == 1) {
    std::memset(dst, *src, length);
  } else if (offset >= 8) {
    size_t k = 0;
    for (; k + 8 <= length; k += 8) std::memcpy(dst + k, src + k, 8);
    for (; k < length; ++k) dst[k] = src[k];
  } else {
    for (size_t k = 0; k < length; ++k) dst[k] = src[k];
  }
}

}  // namespace

uint32_t Jcalg1Checksum(const unsigned char* data, size_t size) {
  if (size < 4) return 0;
  uint32_t acc = 0;
  size_t pos = 0;
  for (;;) {
    uint32_t w = Le32(data + pos);
    acc += w;
    acc ^= (w << 1) + 1 + (w >> 31);
    pos += 4;
    if (pos == size) return acc;
    // The tail is covered by the last four bytes, overlapping bytes already counted.
    if (size - pos < 4) pos = size - 4;
  }
}

int64_t Jcalg1DeclaredSize(const unsigned char* in, size_t inSize) {
  if (in == nullptr || inSize < kJcalg1HeaderSize || in[0] != 'J' || in[1] != 'C') return -1;
  return static_cast<int64_t>(Le32(in + 2));
}

Jcalg1Result Jcalg1DecodeStream(const unsigned char* in, size_t inSize, unsigned char* out,
                                size_t outCapacity) {
  Jcalg1Result result;
  const int64_t declared = Jcalg1DeclaredSize(in, inSize);
  if (declared < 0 || static_cast<uint64_t>(declared) > outCapacity) return result;
  const size_t size = static_cast<size_t>(declared);
  if (size > 0 && out == nullptr) return result;
  const uint32_t stored = Le32(in + 6);

  BitReader br(in + kJcalg1HeaderSize, in + inSize);
  size_t produced = 0;
  uint64_t lastOffset = 1;
  unsigned indexBase = 8;
  unsigned litBits = 0;  // 0 until a literal-size token says 7 or 8
  uint32_t litBase = 0;

  // A copy is sound when its source lies in what was produced and it stays within the size.
  auto copy = [&](uint64_t offset, uint64_t length) {
    if (offset == 0 || offset > produced || length > size - produced) return false;
    CopyBack(out + produced, static_cast<size_t>(offset), static_cast<size_t>(length));
    produced += static_cast<size_t>(length);
    return true;
  };

  for (;;) {
    if (br.Bit()) {  // literal
      if (litBits == 0 || produced == size) return result;
      const uint32_t v = br.Bits(litBits);
      out[produced++] = static_cast<unsigned char>(v + litBase);
    } else if (br.Bit()) {  // match
      const uint64_t high = br.Gamma();
      if (br.Failed()) return result;
      if (high == 2) {
        const uint64_t length = br.Gamma();
        if (br.Failed() || !copy(lastOffset, length)) return result;
      } else {
        const uint64_t offset = ((high - 3) << indexBase) + br.Bits(indexBase);
        lastOffset = offset;
        const uint64_t length = br.Gamma() + LengthAdjust(offset);
        if (br.Failed() || !copy(offset, length)) return result;
      }
    } else if (br.Bit()) {
      const uint32_t v = br.Bits(4);
      if (v == 1) {  // zero byte
        if (produced == size) return result;
        out[produced++] = 0;
      } else if (v >= 2) {  // one-byte copy; leaves the last offset alone
        if (!copy(v - 1, 1)) return result;
      } else if (br.Bit()) {  // runs of 256 raw bytes
        do {
          if (size - produced < 256) return result;
          for (int k = 0; k < 256; ++k) out[produced++] = static_cast<unsigned char>(br.Bits(8));
        } while (br.Bit());
      } else if (br.Bit()) {  // literal size: 8 bits
        litBits = 8;
        litBase = 0;
      } else {  // literal size: 7 bits above a base
        litBits = 7;
        litBase = br.Bits(8);
      }
    } else {
      const uint32_t o = br.Bits(7);
      const uint32_t l = br.Bits(2);
      if (br.Failed()) return result;
      if (o != 0) {  // short match
        lastOffset = o;
        if (!copy(o, l + 2)) return result;
      } else if (l == 0) {  // end of stream
        break;
      } else {  // index base
        indexBase = br.Bits(l + 3);
        if (indexBase == 0 || indexBase > 31) return result;
      }
    }
    if (br.Failed()) return result;
  }

  result.produced = produced;
  if (produced != size) return result;
  if (stored != 0 && Jcalg1Checksum(out, size) != stored) return result;
  result.ok = true;
  result.consumed = kJcalg1HeaderSize + br.Consumed();
  return result;
}

size_t Jcalg1Decode(const unsigned char* in, size_t inSize, unsigned char* out,
                    size_t outCapacity) {
  const Jcalg1Result r = Jcalg1DecodeStream(in, inSize, out, outCapacity);
  return r.ok ? r.produced : 0;
}

}  // namespace zebo
