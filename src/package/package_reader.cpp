// The package reader: finds the marker line, reads the info section, the groups and the file
// records, and sizes the work buffers.
#include "package/package_reader.h"

#include <algorithm>
#include <array>
#include <new>

#include "core/fatal_error.h"
#include "package/integrity.h"

namespace zebo {
namespace {

std::string Num(int64_t value) {
  return std::to_string(value);
}

void Damaged(Core& core, const std::string& what) {
  core.log.LogLine("! Damaged package: " + what);
}

// Reads the info fields in file order; false at the first one that runs past the end.
bool ReadInfo(PackageStream& in, PackageInfo& info) {
  std::string* const texts[] = {
      &info.ApplicationName, &info.ApplicationVersion, &info.RecommendedWith, &info.RecommendedJaws,
      &info.ScriptName,      &info.ScriptVersion,      &info.ScriptAuthor,    &info.Contact,
      &info.AuthorSite,      &info.ApplicationSite,    &info.CreatedOn,       &info.VersionUrl};
  if (!in.ReadI32(info.Date)) return false;
  for (std::string* text : texts) {
    if (!ReadPackageString(in, *text)) return false;
  }
  return in.ReadI32(info.Flags) && ReadPackageString(in, info.PasswordDigest) &&
         ReadPackageString(in, info.Reserved) && ReadPackageString(in, info.Comments) &&
         ReadPackageString(in, info.Alias);
}

enum class RecordStatus { Ok, CutShort, NegativeSize, PastEnd, TooLarge };

RecordStatus ReadRecord(PackageStream& in, PackageFile& file, int64_t maxUnpacked) {
  if (!ReadPackageString(in, file.Name) || !ReadPackageString(in, file.TargetPath) ||
      !in.ReadI32(file.Group) || !in.ReadI32(file.CompileOrder) || !in.ReadI32(file.Size) ||
      !in.ReadI32(file.PackedSize) || !in.ReadI32(file.Flags)) {
    return RecordStatus::CutShort;
  }
  file.DataOffset = in.Position();
  if (file.Size < 0 || file.PackedSize < 0) return RecordStatus::NegativeSize;
  if (file.PackedSize > in.Remaining()) return RecordStatus::PastEnd;
  if (file.Size != file.PackedSize && file.Size > maxUnpacked) return RecordStatus::TooLarge;
  return RecordStatus::Ok;
}

// Signing tools align the certificate table on 8 bytes with zeros after the last record.
bool OnlyAlignment(PackageStream& in) {
  if (in.Remaining() >= 8) return false;
  unsigned char rest[8] = {};
  const int64_t count = in.Remaining();
  if (!in.ReadBytes(rest, count)) return false;
  return std::all_of(rest, rest + count, [](unsigned char b) { return b == 0; });
}

// Reads the file section; false when a record is damaged (the damaged record is dropped).
// `lastStart` receives where the last record read begins.
bool ReadRecords(Core& core, PackageStream& in, PackageState& package, bool signedFile,
                 int64_t& largest, bool& packed, int64_t& lastStart) {
  std::string line;
  while (in.Position() < in.Size() - 1) {
    const int64_t start = in.Position();
    if (signedFile && OnlyAlignment(in)) break;
    if (!in.Seek(start)) return false;
    PackageFile file;
    switch (ReadRecord(in, file, package.maxUnpackedSize)) {
      case RecordStatus::Ok:
        break;
      case RecordStatus::CutShort:
        Damaged(core, "the record at " + Num(start) + " is cut short by the end of the file");
        return false;
      case RecordStatus::NegativeSize:
        Damaged(core, "the record at " + Num(start) + " has a negative size");
        return false;
      case RecordStatus::PastEnd:
        Damaged(core,
                "the content of the record at " + Num(start) + " runs past the end of the file");
        return false;
      case RecordStatus::TooLarge:
        Damaged(core, "the record at " + Num(start) + " announces " + Num(file.Size) +
                          " bytes, more than the " + Num(package.maxUnpackedSize) + " allowed");
        return false;
    }
    largest = std::max<int64_t>(largest, file.Size);
    if (file.PackedSize != file.Size) {
      packed = true;
      largest = std::max<int64_t>(largest, file.PackedSize);
    }
    // Two lines for each of possibly thousands of records, built in one reused text.
    line.assign("- ").append(file.Name).append(" To ").append(file.TargetPath);
    core.log.LogLine(line);
    line.assign("  Size=")
        .append(Num(file.Size))
        .append("bytes  PackSize=")
        .append(Num(file.PackedSize))
        .append("bytes");
    core.log.LogLine(line);
    if (!in.Seek(file.DataOffset + file.PackedSize)) return false;  // checked above
    lastStart = start;
    package.files.push_back(std::move(file));
  }
  return true;
}

// Checks the integrity record when the package ends with one, or announced one. Sets
// package.integrity and logs a mismatch with an "! " line.
void CheckIntegrity(Core& core, PackageState& package, FileReader& file, int64_t packageStart,
                    int64_t lastStart, bool announced) {
  const PackageFile* last = package.files.empty() ? nullptr : &package.files.back();
  const bool present =
      last != nullptr && IsIntegrityRecord(*last) && last->Name == kIntegrityRecordName;
  if (!present && !announced) {
    package.integrity = IntegrityStatus::Absent;
    return;
  }
  package.integrity = IntegrityStatus::Mismatch;
  if (!present) {
    core.log.LogLine("! Integrity record missing: the package is cut short or damaged");
    return;
  }
  unsigned char stored[kIntegrityDigestSize];
  Sha256Digest digest{};
  if (last->Size != kIntegrityDigestSize || last->PackedSize != kIntegrityDigestSize ||
      !file.Seek(last->DataOffset) || file.Read(stored, sizeof stored) != sizeof stored) {
    core.log.LogLine("! Integrity record malformed at : " + Num(lastStart));
    return;
  }
  ScrambleBytes(stored, sizeof stored);
  if (!DigestFileRange(file, packageStart, lastStart, digest) ||
      !std::equal(digest.begin(), digest.end(), stored)) {
    core.log.LogLine("! Integrity check failed: the package bytes do not match their SHA-256");
    return;
  }
  package.integrity = IntegrityStatus::Matches;
  core.log.LogLine("- Integrity record at : " + Num(lastStart) + ", SHA-256 matches");
}

}  // namespace

namespace {

// The permutation of the byte at each position modulo 4, worked out once for every byte value.
constexpr std::array<std::array<unsigned char, 256>, 4> kScramble = [] {
  std::array<std::array<unsigned char, 256>, 4> table{};
  for (unsigned b = 0; b < 256; ++b) {
    table[0][b] = static_cast<unsigned char>(((b & 0xAA) >> 1) | ((b & 0x55) << 1));
    table[1][b] = static_cast<unsigned char>(((b & 0xCC) >> 2) | ((b & 0x33) << 2));
    table[2][b] = static_cast<unsigned char>(((b & 0xF0) >> 4) | ((b & 0x0F) << 4));
    table[3][b] = static_cast<unsigned char>((b & 0x18) | ((b & 0xE0) >> 5) | ((b & 0x07) << 5));
  }
  return table;
}();

}  // namespace

void ScrambleBytes(unsigned char* bytes, int64_t length) {
  if (bytes == nullptr) return;
  for (int64_t p = 0; p < length; ++p) bytes[p] = kScramble[p & 3][bytes[p]];
}

bool ReadPackageString(PackageStream& in, std::string& text) {
  text.clear();
  const int64_t start = in.Position();
  int32_t length = 0;
  if (!in.ReadI32(length)) return false;
  if (length <= 0) return true;
  if (length > in.Remaining()) {
    if (!in.Seek(start)) return false;
    return false;
  }
  text.resize(static_cast<size_t>(length));
  if (!in.ReadBytes(text.data(), length)) {
    text.clear();
    if (!in.Seek(start)) return false;
    return false;
  }
  ScrambleBytes(reinterpret_cast<unsigned char*>(text.data()), length);
  const size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return true;
}

bool ScanPackage(Core& core, PackageState& package, const std::string& path) {
  package.files.clear();
  package.groups.clear();
  package.currentFile = kNoCurrent;
  package.currentGroup = kNoCurrent;
  package.integrity = IntegrityStatus::Absent;
  core.log.LogLine("* File Scan : " + path);

  auto file = core.platform.files.OpenRead(path);
  if (!file) {
    if (package.info.Flags & InfoRestartJaws) package.restartJawsChecked = true;
    return false;
  }

  bool markerFound = false;
  bool intact = true;
  int64_t largest = 0;
  bool packed = false;
  {
    const int64_t end = AppendedDataEnd(*file);
    const bool signedFile = end < file->Size();
    PackageStream in(*file);
    core.log.LogLine("  Size : " + Num(in.Size()) + " bytes");
    in.LimitTo(end);
    const std::string marker =
        core.packageMarker.empty() ? JoinPackageMarker() : core.packageMarker;
    markerFound = in.FindMarkerLine(marker);
    if (markerFound) {
      const int64_t packageStart = in.Position();
      core.log.LogLine("- Info Section at : " + Num(packageStart));
      bool announced = false;
      intact = ReadInfo(in, package.info);
      if (!intact) {
        Damaged(core, "the info section runs past the end of the file");
      } else {
        std::string name;
        int64_t at = in.Position();
        while ((intact = ReadPackageString(in, name)) && !name.empty()) {
          package.groups.push_back(ScriptGroup{name});
          at = in.Position();
        }
        if (!intact) Damaged(core, "a group name runs past the end of the file");
        int32_t ending = 0;
        const int64_t after = in.Position();
        announced = intact && in.Seek(at) && in.ReadI32(ending) && ending == kIntegrityAnnounced;
        intact = intact && in.Seek(after);
      }
      int64_t lastStart = 0;
      if (intact) {
        core.log.LogLine("- File Section at : " + Num(in.Position()));
        intact = ReadRecords(core, in, package, signedFile, largest, packed, lastStart);
      }
      if (intact) {
        CheckIntegrity(core, package, *file, packageStart, lastStart, announced);
        intact = package.integrity != IntegrityStatus::Mismatch;
      }
      if (!intact) {
        // A damaged package is refused whole: no buffer is sized from its records.
        largest = 0;
        packed = false;
      }
      core.log.LogLine("");
    }
  }
  file.reset();

  try {
    const auto bufferSize = static_cast<size_t>(largest + 2);
    package.fileBuffer.clear();
    package.fileBuffer.resize(bufferSize);
    package.hasFileBuffer = true;
    package.packBuffer.clear();
    package.hasPackBuffer = false;
    if (packed) {
      package.packBuffer.resize(bufferSize);
      package.hasPackBuffer = true;
    }
  } catch (const std::bad_alloc&) {
    core.platform.ui.MessageBox("Erreur", "Espace m\xE9moire insuffisant !", MessageButtons::Ok,
                                MessageIcon::Error);
    ExitProgram(core);
  }

  if (package.info.Flags & InfoRestartJaws) package.restartJawsChecked = true;
  const bool hasFiles = std::any_of(package.files.begin(), package.files.end(),
                                    [](const PackageFile& f) { return !IsIntegrityRecord(f); });
  return markerFound && intact && hasFiles && !package.groups.empty();
}

}  // namespace zebo
