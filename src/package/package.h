// The package's records as the program holds them after the scan: the descriptive info, the
// groups, the file records, and the two work buffers of the extraction.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace zebo {

// Grows a vector without setting the new elements: the work buffers are always written before
// they are read, and a package may size them at 64 MiB, which zeroing would touch (and commit)
// page by page at start-up for nothing.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
  using value_type = T;
  template <class U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <class U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};
using ByteBuffer = std::vector<unsigned char, UninitialisedAllocator<unsigned char>>;

// The largest content a compressed record may announce. Compressed data can expand almost without
// limit (one long match token yields megabytes), so no ratio to the stored size bounds it; this
// fixed cap keeps a damaged record from making the scan allocate gigabytes for its two buffers.
// Script sets, their help files and their start sound stay far below it.
constexpr int64_t kMaxUnpackedSize = 64 * 1024 * 1024;

// PackageInfo Flags bits.
constexpr int32_t InfoRestartJaws = 0x01;
constexpr int32_t InfoVersionButton = 0x02;
constexpr int32_t InfoCheckAtStart = 0x08;
constexpr int32_t InfoCertified = 0x20;
constexpr int32_t InfoRenameAfterWrite = 0x80;

// PackageFile Flags bits.
constexpr int32_t FileOptional = 0x004;
constexpr int32_t FileAdaptation = 0x010;
constexpr int32_t FileCompile = 0x020;
constexpr int32_t FileNoAdapt = 0x080;
constexpr int32_t FileNoCompile = 0x100;
constexpr int32_t FileProtected = 0x800;

// The Group of the start sound, which belongs to no group.
constexpr int32_t StartSoundGroup = -2;
// The Group of the integrity record (package/integrity.h), which is no file at all.
constexpr int32_t IntegrityGroup = -3;

struct PackageInfo {
  int32_t Date = 0;  // seconds since 1970-01-01, local calendar fields
  std::string ApplicationName;
  std::string ApplicationVersion;
  std::string RecommendedWith;
  std::string RecommendedJaws;
  std::string ScriptName;
  std::string ScriptVersion;
  std::string ScriptAuthor;
  std::string Contact;
  std::string AuthorSite;
  std::string ApplicationSite;
  std::string CreatedOn;
  std::string VersionUrl;
  int32_t Flags = 0;
  std::string PasswordDigest;
  std::string Reserved;
  std::string Comments;
  std::string Alias;
};

struct ScriptGroup {
  std::string Name;
};

struct PackageFile {
  std::string Name;
  std::string TargetPath;
  int32_t Group = 0;
  int32_t CompileOrder = 0;
  int32_t Size = 0;
  int32_t PackedSize = 0;
  int32_t Flags = 0;
  int64_t DataOffset = 0;  // not stored: where the stored content starts in the executable
  int32_t Selected = 0;    // not stored: the check mark, in the compilation pass's copies
};

// Every record holds a file of the package (listed, installed, played or compiled by the steps
// that want it) except the integrity record: every reader of the file records skips it.
inline bool IsIntegrityRecord(const PackageFile& file) {
  return file.Group == IntegrityGroup;
}

enum class IntegrityStatus {
  Absent,    // a package without the record, read as it always was
  Matches,   // the SHA-256 of the package bytes equals the record's
  Mismatch,  // damaged: the digest differs, the record is malformed or it is missing
};

constexpr size_t kNoCurrent = static_cast<size_t>(-1);

// Everything the package subsystem keeps from start-up to exit.
struct PackageState {
  PackageInfo info;
  std::vector<ScriptGroup> groups;  // the group list (CroupList)
  std::vector<PackageFile> files;
  size_t currentGroup = kNoCurrent;  // the current element of each list
  size_t currentFile = kNoCurrent;
  // The work buffers; `hasFileBuffer` / `hasPackBuffer` tell whether they exist at all.
  // The most a compressed record may unpack to; the fuzzer lowers it, so that a few bytes of
  // input cannot make each run allocate and fill 64 MiB.
  int64_t maxUnpackedSize = kMaxUnpackedSize;
  ByteBuffer fileBuffer;
  ByteBuffer packBuffer;
  bool hasFileBuffer = false;
  bool hasPackBuffer = false;
  bool restartJawsChecked = false;  // the initial state of the restart check box
  bool protectedUnlocked = false;   // the password was accepted
  bool soundOpened = false;
  IntegrityStatus integrity = IntegrityStatus::Absent;  // what the scan found
};

}  // namespace zebo
