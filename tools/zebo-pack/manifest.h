// The manifest: the plain-text description of a package that a script author writes by hand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "package/package.h"
#include "platform/clock.h"

namespace zebo::pack {

struct ManifestFile {
  std::string source;  // where the content comes from, as written (UTF-8)
  PackageFile record;  // Name, TargetPath, Group, CompileOrder and Flags; texts in Windows-1252
  int line = 0;        // the line of its section header, for messages
};

struct Manifest {
  PackageInfo info;  // texts in Windows-1252, the password already turned into its digest
  std::vector<std::string> groups;
  std::vector<ManifestFile> files;  // in manifest order, the start sound among them
};

// Parses a manifest (UTF-8). `now` is the date used when the manifest gives none. On failure
// returns false and sets `error` to a message that names the line.
[[nodiscard]] bool ParseManifest(std::string_view text, const LocalTime& now, Manifest& manifest,
                                 std::string& error);

// Seconds since 1970-01-01 of the calendar fields as they stand (no time zone).
int64_t CalendarSeconds(int year, int month, int day, int hour, int minute, int second);

// A name a file can take inside one folder: no folder part, no "..", nothing Windows refuses.
bool IsPlainFileName(std::string_view name);

}  // namespace zebo::pack
