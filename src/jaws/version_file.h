// The remote version file: its date texts, its name template and the reading of its two keys.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "package/package.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace zebo {

// "%dd/%mm/%yyyy %hh:%ii" of a date value (seconds since 1970-01-01 00:00, local calendar).
std::string FormatVersionDate(int64_t date);
// The date value of a text written with that mask; 0 for an empty or malformed text.
int64_t ParseVersionDate(std::string_view text);

// Fills a name template: date fields from `now`, then %AN, %AV, %SN, %SV from the package; a
// leading "#" asks for the rest in lower case.
std::string FormatName(std::string_view name, const PackageInfo& info, const LocalTime& now);

struct VersionFileValues {
  std::string newVersionAddress;  // "Name New Version"
  std::string newDate;            // "New Date", as written
};

// Reads the two keys above the first section header, in any letter case, skipping ";"
// comments; a UTF-8 byte-order mark makes the file UTF-8. False when the file cannot be read.
[[nodiscard]] bool ReadVersionFile(Files& files, const std::string& path, VersionFileValues& out);
// The same, on the file's bytes.
VersionFileValues ParseVersionFile(std::string_view content);

}  // namespace zebo
