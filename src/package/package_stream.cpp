// Buffered reading of the executable: the package lies behind megabytes of program bytes, so the
// file is read in large blocks and the marker search skips through them.
#include "package/package_stream.h"

#include <algorithm>
#include <cstring>

#include "core/byte_cursor.h"

namespace zebo {
namespace {

constexpr size_t kBlock = 64 * 1024;

bool EndsLine(unsigned char byte) {
  return byte == '\n' || byte == '\r' || byte == '\0';
}

}  // namespace

PackageStream::PackageStream(FileReader& file)
    : file_(file), size_(std::max<int64_t>(file.Size(), 0)), buffer_(kBlock) {}

bool PackageStream::Seek(int64_t position) {
  if (position < 0 || position > size_) return false;
  pos_ = position;
  return true;
}

bool PackageStream::Fill() {
  bufferStart_ = pos_;
  bufferLength_ = 0;
  if (!file_.Seek(pos_)) return false;
  const int64_t want = std::min<int64_t>(static_cast<int64_t>(buffer_.size()), size_ - pos_);
  while (bufferLength_ < static_cast<size_t>(want)) {
    const int64_t got =
        file_.Read(buffer_.data() + bufferLength_, want - static_cast<int64_t>(bufferLength_));
    if (got <= 0) break;
    bufferLength_ += static_cast<size_t>(got);
  }
  return bufferLength_ > 0;
}

bool PackageStream::ReadBytes(void* out, int64_t count) {
  if (count < 0 || count > Remaining()) return false;
  auto* dest = static_cast<unsigned char*>(out);
  const int64_t start = pos_;
  while (count > 0) {
    if (pos_ < bufferStart_ || pos_ >= bufferStart_ + static_cast<int64_t>(bufferLength_)) {
      if (count >= static_cast<int64_t>(buffer_.size())) {
        // A large run goes straight to its destination.
        if (!file_.Seek(pos_)) break;
        const int64_t got = file_.Read(dest, count);
        if (got <= 0) break;
        dest += got;
        pos_ += got;
        count -= got;
        continue;
      }
      if (!Fill()) break;
    }
    const auto offset = static_cast<size_t>(pos_ - bufferStart_);
    const auto take =
        static_cast<size_t>(std::min<int64_t>(count, static_cast<int64_t>(bufferLength_ - offset)));
    std::memcpy(dest, buffer_.data() + offset, take);
    dest += take;
    pos_ += static_cast<int64_t>(take);
    count -= static_cast<int64_t>(take);
  }
  if (count == 0) return true;
  pos_ = start;  // the file was shorter than it said
  return false;
}

bool PackageStream::ReadI32(int32_t& value) {
  unsigned char raw[4];
  if (!ReadBytes(raw, 4)) return false;
  ByteCursor cursor(raw, sizeof raw);
  return cursor.GetI32(value);
}

int PackageStream::NextByte() {
  if (pos_ >= size_) return -1;
  if (pos_ < bufferStart_ || pos_ >= bufferStart_ + static_cast<int64_t>(bufferLength_)) {
    if (!Fill()) {
      pos_ = size_;  // the file was shorter than it said
      return -1;
    }
  }
  return buffer_[static_cast<size_t>(pos_++ - bufferStart_)];
}

bool PackageStream::ReadLine(std::string& line, size_t keep) {
  line.clear();
  if (pos_ >= size_) return false;
  for (int byte = NextByte(); byte >= 0; byte = NextByte()) {
    if (byte == '\r') {
      const int64_t afterCr = pos_;
      if (NextByte() != '\n') pos_ = afterCr;
      return true;
    }
    if (byte == '\n' || byte == '\0') return true;
    if (line.size() < keep) line.push_back(static_cast<char>(byte));
  }
  return true;
}

// A line starts at the first byte read and right after every byte that ends a line (the line
// feed of a CR LF pair included; the marker never starts with a line feed). So the first line
// equal to the marker is the first copy of the marker bytes that starts a line and is followed by
// a line end or the end of the file: the search can jump from one possible first byte to the
// next instead of cutting every line.
bool PackageStream::FindMarkerLine(std::string_view marker) {
  const size_t n = marker.size();
  const bool plain = n > 0 && std::none_of(marker.begin(), marker.end(), [](char c) {
                       return EndsLine(static_cast<unsigned char>(c));
                     });
  if (!plain) {
    std::string line;
    while (ReadLine(line, n + 1)) {
      if (line == marker) return true;
    }
    return false;
  }

  const auto first = static_cast<unsigned char>(marker[0]);
  // Room for the bytes a candidate near the end of a block still needs, then one whole block:
  // reads stay block-sized and sequential.
  std::vector<unsigned char> window(n + 2 + kBlock);
  size_t length = 0;           // bytes held in window
  int64_t windowStart = pos_;  // file offset of window[0]
  bool startsLine = true;      // whether window[0] starts a line
  if (!file_.Seek(pos_)) {
    pos_ = size_;
    return false;
  }
  while (true) {
    const int64_t want = std::min<int64_t>(static_cast<int64_t>(kBlock),
                                           size_ - windowStart - static_cast<int64_t>(length));
    int64_t got = want > 0 ? file_.Read(window.data() + length, want) : 0;
    if (got < 0) got = 0;
    length += static_cast<size_t>(got);
    const bool atEnd = got == 0 || windowStart + static_cast<int64_t>(length) >= size_;

    size_t i = 0;
    size_t pending = length;  // first candidate that needs more bytes
    while (i < length) {
      const void* hit = std::memchr(window.data() + i, first, length - i);
      if (hit == nullptr) break;
      i = static_cast<size_t>(static_cast<const unsigned char*>(hit) - window.data());
      if (!atEnd && i + n + 2 > length) {
        pending = i;
        break;
      }
      const bool lineStart = i == 0 ? startsLine : EndsLine(window[i - 1]);
      if (lineStart && i + n <= length && std::memcmp(window.data() + i, marker.data(), n) == 0 &&
          (i + n == length || EndsLine(window[i + n]))) {
        size_t end = i + n;
        if (end < length) {
          const unsigned char ending = window[end++];
          if (ending == '\r' && end < length && window[end] == '\n') ++end;
        }
        pos_ = windowStart + static_cast<int64_t>(end);
        return true;
      }
      ++i;
    }
    if (atEnd) break;
    // Keep only what the next round still needs: the pending candidate, or nothing.
    if (pending > 0) {
      startsLine = EndsLine(window[pending - 1]);
      std::memmove(window.data(), window.data() + pending, length - pending);
      windowStart += static_cast<int64_t>(pending);
      length -= pending;
    }
  }
  pos_ = size_;
  return false;
}

}  // namespace zebo
