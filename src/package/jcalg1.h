// The JCALG1 decoder: bounds-checked on every read and write, so damaged data give "nothing
// produced" and never a crash.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zebo {

// The checksum JCALG1 stores over uncompressed data (0 for fewer than 4 bytes).
uint32_t Jcalg1Checksum(const unsigned char* data, size_t size);

// Decodes `in` into `out`. Returns the number of bytes produced: the header's size when the data
// are sound, 0 when they are not (bad signature, a size above `outCapacity`, damaged stream,
// checksum mismatch). An empty stream also gives 0.
size_t Jcalg1Decode(const unsigned char* in, size_t inSize, unsigned char* out, size_t outCapacity);

// The full outcome of one decoding, for callers that must tell an empty stream from a damaged one
// or that pack several streams one after the other.
struct Jcalg1Result {
  bool ok = false;      // the stream is sound, produced exactly its size and its checksum matched
  size_t produced = 0;  // bytes written to the output (its size when ok)
  size_t consumed = 0;  // bytes of input used: the header and every word read (when ok)
};
Jcalg1Result Jcalg1DecodeStream(const unsigned char* in, size_t inSize, unsigned char* out,
                                size_t outCapacity);

// The uncompressed size the header announces, or -1 when the data do not start with a header.
int64_t Jcalg1DeclaredSize(const unsigned char* in, size_t inSize);

// The header's length: signature, size and checksum.
inline constexpr size_t kJcalg1HeaderSize = 10;

}  // namespace zebo
