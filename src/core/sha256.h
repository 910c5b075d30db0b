// SHA-256 (FIPS 180-2), fed in pieces, for the package's integrity record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zebo {

using Sha256Digest = std::array<unsigned char, 32>;

class Sha256 {
 public:
  // The processor's SHA instructions are used when it has them, unless `portable` is set.
  explicit Sha256(bool portable = false);
  void Update(const void* data, size_t size);
  void Update(std::string_view bytes) { Update(bytes.data(), bytes.size()); }
  // The digest of everything fed so far; the object is then spent.
  Sha256Digest Finish();

 private:
  void Blocks(const unsigned char* data, size_t count);

  std::array<uint32_t, 8> state_;
  bool hardware_ = false;
  std::array<unsigned char, 64> pending_{};
  size_t pendingSize_ = 0;
  uint64_t totalBytes_ = 0;
};

Sha256Digest Sha256Of(std::string_view bytes);

// 64 lower-case hexadecimal digits.
std::string DigestHex(const Sha256Digest& digest);

}  // namespace zebo
