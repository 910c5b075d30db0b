// Buffered reading of the executable: the package lies behind megabytes of program bytes, so the
// file is read in large blocks and the marker search skips through them.
#include "package/package_stream.h"

#include <algorithm>
#include <cstring>

#include "core/byte_cursor.h"
#include "package/byte_pattern.h"

namespace zebo {
namespace {

constexpr size_t kBlock = 256 * 1024;

// A small file gets a buffer of its own size: most packages are small, and filling 256 KB for
// each would cost more than reading them.
size_t BlockFor(int64_t bytes) {
  return static_cast<size_t>(std::clamp<int64_t>(bytes, 1, static_cast<int64_t>(kBlock)));
}

bool EndsLine(unsigned char byte) {
  return byte == '\n' || byte == '\r' || byte == '\0';
}

}  // namespace

PackageStream::PackageStream(FileReader& file)
    : file_(file), size_(std::max<int64_t>(file.Size(), 0)), buffer_(BlockFor(size_)) {}

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
// a line end or the end of the file: the search looks for the marker bytes themselves instead of
// cutting every line.
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

  const BytePattern pattern(marker);
  // A copy starting at i is settled once the window holds its line end and the line feed that
  // may follow a carriage return: i + n + 2 bytes. The unsettled tail of one block moves to just
  // before the next, which is read whole at the same place: reads stay block-sized and aligned.
  const size_t keep = n + 1;
  const size_t block = BlockFor(size_ - pos_);
  std::vector<unsigned char> window(keep + block);
  unsigned char* const fresh = window.data() + keep;
  unsigned char* data = fresh;  // the bytes held, ending with the last block read
  size_t length = 0;
  int64_t dataStart = pos_;  // file offset of data[0]
  bool startsLine = true;    // whether data[0] starts a line
  if (!file_.Seek(pos_)) {
    pos_ = size_;
    return false;
  }
  while (true) {
    const int64_t want = std::min<int64_t>(static_cast<int64_t>(block),
                                           size_ - dataStart - static_cast<int64_t>(length));
    int64_t got = want > 0 ? file_.Read(fresh, want) : 0;
    if (got < 0) got = 0;
    length += static_cast<size_t>(got);
    const bool atEnd = got == 0 || dataStart + static_cast<int64_t>(length) >= size_;

    const size_t limit = atEnd ? (length >= n ? length - n + 1 : 0)  // every copy that fits
                               : (length > keep ? length - keep : 0);
    for (size_t i = 0; (i = pattern.Find(data, i, limit)) < limit; ++i) {
      if (!(i == 0 ? startsLine : EndsLine(data[i - 1]))) continue;
      size_t end = i + n;
      if (end < length) {
        if (!EndsLine(data[end])) continue;
        if (data[end++] == '\r' && end < length && data[end] == '\n') ++end;
      }
      pos_ = dataStart + static_cast<int64_t>(end);
      // What follows the marker is read next: the window becomes the reading buffer.
      std::memmove(window.data(), data, length);
      buffer_ = std::move(window);
      bufferStart_ = dataStart;
      bufferLength_ = length;
      return true;
    }
    if (atEnd) break;
    if (limit > 0) startsLine = EndsLine(data[limit - 1]);
    const size_t rest = length - limit;  // at most keep
    std::memmove(fresh - rest, data + limit, rest);
    data = fresh - rest;
    dataStart += static_cast<int64_t>(limit);
    length = rest;
  }
  pos_ = size_;
  return false;
}

}  // namespace zebo
