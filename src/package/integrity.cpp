// Reading the PE headers for the certificate table, and hashing a range of the executable.
#include "package/integrity.h"

#include <algorithm>
#include <vector>

#include "core/byte_cursor.h"

namespace zebo {
namespace {

// Reads exactly `count` bytes at `offset`; false when the file holds fewer.
bool ReadAt(FileReader& file, int64_t offset, unsigned char* out, int64_t count) {
  if (offset < 0 || count < 0 || offset > file.Size() || count > file.Size() - offset) {
    return false;
  }
  if (!file.Seek(offset)) return false;
  int64_t done = 0;
  while (done < count) {
    const int64_t got = file.Read(out + done, count - done);
    if (got <= 0) return false;
    done += got;
  }
  return true;
}

uint16_t Le16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

constexpr uint16_t kPe32 = 0x10B;
constexpr uint16_t kPe32Plus = 0x20B;
constexpr uint32_t kSecurityDirectory = 4;

}  // namespace

int64_t AppendedDataEnd(FileReader& file) {
  const int64_t size = std::max<int64_t>(file.Size(), 0);
  unsigned char dos[64];
  if (!ReadAt(file, 0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return size;
  const int64_t pe = LoadLe32(dos + 0x3C);
  // The signature, the file header and the optional header up to the end of the largest data
  // directory table a PE32+ file can have.
  unsigned char headers[4 + 20 + 112 + 16 * 8];
  if (!ReadAt(file, pe, headers, 4 + 20 + 2)) return size;
  if (headers[0] != 'P' || headers[1] != 'E' || headers[2] != 0 || headers[3] != 0) return size;
  const unsigned char* fileHeader = headers + 4;
  const uint16_t optionalSize = Le16(fileHeader + 16);
  const int64_t optionalAt = pe + 4 + 20;
  const int64_t available = std::min<int64_t>(
      {optionalSize, static_cast<int64_t>(sizeof headers) - 24, size - optionalAt});
  if (available < 2) return size;
  unsigned char* optional = headers + 24;
  if (!ReadAt(file, optionalAt, optional, available)) return size;
  ByteCursor cursor(optional, static_cast<size_t>(available));
  const uint16_t magic = Le16(optional);
  size_t countAt = 0;
  if (magic == kPe32) {
    countAt = 92;
  } else if (magic == kPe32Plus) {
    countAt = 108;
  } else {
    return size;
  }
  uint32_t directories = 0;
  uint32_t tableOffset = 0;
  uint32_t tableSize = 0;
  if (!cursor.Seek(countAt) || !cursor.GetU32(directories) || directories <= kSecurityDirectory ||
      !cursor.Seek(countAt + 4 + 8 * kSecurityDirectory) || !cursor.GetU32(tableOffset) ||
      !cursor.GetU32(tableSize)) {
    return size;
  }
  // The security directory holds a file offset, not an address: the table lies in the file,
  // after the headers, and ends within it.
  if (tableOffset == 0 || tableSize == 0 || tableOffset <= optionalAt ||
      static_cast<int64_t>(tableOffset) + tableSize > size) {
    return size;
  }
  return tableOffset;
}

bool DigestFileRange(FileReader& file, int64_t from, int64_t to, Sha256Digest& digest) {
  if (from < 0 || to < from || to > file.Size() || !file.Seek(from)) return false;
  Sha256 sha;
  std::vector<unsigned char> block(static_cast<size_t>(std::min<int64_t>(to - from, 256 * 1024)));
  for (int64_t at = from; at < to;) {
    const int64_t want = std::min<int64_t>(static_cast<int64_t>(block.size()), to - at);
    const int64_t got = file.Read(block.data(), want);
    if (got <= 0) return false;
    sha.Update(block.data(), static_cast<size_t>(got));
    at += got;
  }
  digest = sha.Finish();
  return true;
}

}  // namespace zebo
