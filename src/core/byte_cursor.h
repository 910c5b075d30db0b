// Little-endian integers read field by field from a byte range, and written back, without ever
// casting a struct onto bytes or reading past the end of the range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zebo {

inline uint32_t LoadLe32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void AppendLe32(std::string& out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// A read position over a byte range; every getter fails, leaving the position alone, when the
// range holds too few bytes.
class ByteCursor {
 public:
  ByteCursor(const unsigned char* data, size_t size) : data_(data), size_(size) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return size_ - pos_; }

  [[nodiscard]] bool Seek(size_t position) {
    if (position > size_) return false;
    pos_ = position;
    return true;
  }
  [[nodiscard]] bool GetU32(uint32_t& value) {
    if (Remaining() < 4) return false;
    value = LoadLe32(data_ + pos_);
    pos_ += 4;
    return true;
  }
  [[nodiscard]] bool GetI32(int32_t& value) {
    uint32_t raw = 0;
    if (!GetU32(raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
  }
  [[nodiscard]] bool GetBytes(size_t count, const unsigned char*& bytes) {
    if (Remaining() < count) return false;
    bytes = data_ + pos_;
    pos_ += count;
    return true;
  }

 private:
  const unsigned char* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace zebo
