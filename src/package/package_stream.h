// A buffered reading position over an open file: integers, byte runs, lines and the search for
// the marker line, never past the end of the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace zebo {

class PackageStream {
 public:
  explicit PackageStream(FileReader& file);

  int64_t Size() const { return size_; }
  int64_t Position() const { return pos_; }
  int64_t Remaining() const { return size_ - pos_; }
  [[nodiscard]] bool Seek(int64_t position);

  // Both fail, consuming nothing, when the file holds fewer bytes than asked for.
  [[nodiscard]] bool ReadI32(int32_t& value);
  [[nodiscard]] bool ReadBytes(void* out, int64_t count);

  // One line: it ends at a line feed, a carriage return (with a line feed right after it) or a
  // zero byte, which are consumed and not kept; the end of the file ends the last line. Keeps at
  // most `keep` bytes of a longer line. False at the end of the file.
  bool ReadLine(std::string& line, size_t keep = 4096);

  // Reads lines until one equals `marker` exactly and leaves the position after its line end.
  // False, at the end of the file, when no line does.
  bool FindMarkerLine(std::string_view marker);

 private:
  int NextByte();  // -1 at the end of the file
  [[nodiscard]] bool Fill();

  FileReader& file_;
  int64_t size_;
  int64_t pos_ = 0;
  std::vector<unsigned char> buffer_;
  int64_t bufferStart_ = 0;  // file offset of buffer_[0]
  size_t bufferLength_ = 0;
};

}  // namespace zebo
