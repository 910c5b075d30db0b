// The integrity record that ends a package written by zebo-pack, and the end of the package in a
// signed installer.
#pragma once

#include <cstdint>
#include <string>

#include "core/sha256.h"
#include "package/package.h"
#include "platform/files.h"

namespace zebo {

// The integrity record: Group IntegrityGroup, this Name, no TargetPath, Size and PackedSize 32, its
// content the scrambled SHA-256 of every package byte from the first byte after the marker line to
// the start of the record.
constexpr char kIntegrityRecordName[] = "ZeBo.Integrity.sha256";
constexpr int32_t kIntegrityDigestSize = 32;

// The length field that ends the group names of a package carrying an integrity record. Any
// length of 0 or below ends the list for every reader; this one also tells ours that the last
// record must be the integrity record, so a package cut at a record boundary is not taken for a
// shorter package without one.
constexpr int32_t kIntegrityAnnounced = -0x5A4253;

// Where the bytes appended to the program end: the start of the certificate table that the PE
// security directory names (a signed installer), or the file's size. Every header field is read
// with bounds checks; anything that does not look like a PE file, or a table that does not lie
// inside the file, leaves the whole file.
int64_t AppendedDataEnd(FileReader& file);

// The SHA-256 of the file's bytes in [from, to). False when they cannot all be read.
[[nodiscard]] bool DigestFileRange(FileReader& file, int64_t from, int64_t to,
                                   Sha256Digest& digest);

}  // namespace zebo
