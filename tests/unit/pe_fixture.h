// A minimal valid 32-bit PE program (headers and one code section that returns), enough for
// signing tools and for the certificate table search, and a certificate table appended the way
// those tools do it.
#pragma once

#include <cstdint>
#include <string>

namespace zebo::testing {

inline void PutLe(std::string& bytes, size_t at, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) {
    bytes[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

constexpr size_t kPeAt = 0x40;
constexpr size_t kOptionalAt = kPeAt + 4 + 20;
constexpr size_t kSecurityEntryAt = kOptionalAt + 96 + 4 * 8;

inline std::string MinimalPe() {
  std::string pe(0x400, '\0');
  pe[0] = 'M';
  pe[1] = 'Z';
  PutLe(pe, 0x3C, kPeAt, 4);
  pe.replace(kPeAt, 4, std::string("PE\0\0", 4));
  PutLe(pe, kPeAt + 4, 0x14C, 2);   // i386
  PutLe(pe, kPeAt + 6, 1, 2);       // one section
  PutLe(pe, kPeAt + 20, 224, 2);    // optional header size
  PutLe(pe, kPeAt + 22, 0x102, 2);  // executable, 32-bit
  const size_t o = kOptionalAt;
  PutLe(pe, o, 0x10B, 2);
  PutLe(pe, o + 4, 0x200, 4);      // size of code
  PutLe(pe, o + 16, 0x1000, 4);    // entry point
  PutLe(pe, o + 20, 0x1000, 4);    // base of code
  PutLe(pe, o + 24, 0x2000, 4);    // base of data
  PutLe(pe, o + 28, 0x400000, 4);  // image base
  PutLe(pe, o + 32, 0x1000, 4);    // section alignment
  PutLe(pe, o + 36, 0x200, 4);     // file alignment
  PutLe(pe, o + 40, 4, 2);         // OS version
  PutLe(pe, o + 48, 4, 2);         // subsystem version
  PutLe(pe, o + 56, 0x2000, 4);    // size of image
  PutLe(pe, o + 60, 0x200, 4);     // size of headers
  PutLe(pe, o + 68, 2, 2);         // GUI
  PutLe(pe, o + 72, 0x100000, 4);  // stack and heap
  PutLe(pe, o + 76, 0x1000, 4);
  PutLe(pe, o + 80, 0x100000, 4);
  PutLe(pe, o + 84, 0x1000, 4);
  PutLe(pe, o + 92, 16, 4);  // data directories
  const size_t s = o + 224;
  pe.replace(s, 5, ".text");
  PutLe(pe, s + 8, 0x10, 4);
  PutLe(pe, s + 12, 0x1000, 4);
  PutLe(pe, s + 16, 0x200, 4);
  PutLe(pe, s + 20, 0x200, 4);
  PutLe(pe, s + 36, 0x60000020, 4);
  pe[0x200] = '\xC3';  // ret
  return pe;
}

// What a signing tool does to a file: zeros up to the next multiple of 8, then the certificate
// table (here `table` bytes of a fake one), named by the security directory.
inline std::string AppendCertificateTable(std::string file, const std::string& table) {
  file.append((8 - file.size() % 8) % 8, '\0');
  PutLe(file, kSecurityEntryAt, static_cast<uint32_t>(file.size()), 4);
  PutLe(file, kSecurityEntryAt + 4, static_cast<uint32_t>(table.size()), 4);
  return file + table;
}

}  // namespace zebo::testing
