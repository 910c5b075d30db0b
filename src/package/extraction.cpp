// Extraction of packaged files: loading the stored bytes from the executable, descrambling or
// unpacking them, writing them out; and the start sound, a packaged file played from memory.
#include "package/extraction.h"

#include <algorithm>
#include <new>

#include "core/byte_cursor.h"
#include "package/jcalg1.h"
#include "package/package_reader.h"

namespace zebo {
namespace {

std::string Num(int64_t value) {
  return std::to_string(value);
}

constexpr int64_t kLargestFile = int64_t{1} << 31;

// Makes the file buffer hold at least `needed` bytes; false when it cannot.
bool EnsureFileBuffer(Core& core, PackageState& package, int64_t needed) {
  try {
    if (!package.hasFileBuffer) {
      package.fileBuffer.clear();
      package.fileBuffer.resize(static_cast<size_t>(needed));
      package.hasFileBuffer = true;
    } else if (static_cast<int64_t>(package.fileBuffer.size()) < needed) {
      package.fileBuffer.resize(static_cast<size_t>(needed));
      core.log.LogLine("- Re-Allocate memory : " + Num(needed));
    }
  } catch (const std::bad_alloc&) {
    package.fileBuffer.clear();
    package.fileBuffer.shrink_to_fit();
    package.hasFileBuffer = false;
  }
  return package.hasFileBuffer;
}

}  // namespace

bool LoadPackagedBytes(Core& core, PackageState& package, const std::string& path, int64_t count,
                       int64_t offset) {
  const size_t cut = path.find_last_of("\\/");
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
  core.log.LogLine(" Loading in file : " + name + " Path " + folder);

  Files& files = core.platform.files;
  const int64_t size = files.FileSize(path);
  if (size < 0 || size >= kLargestFile) {
    core.log.LogLine("! Can't access file !");
    return false;
  }
  if (count == -1) {
    count = size;
    core.log.LogLine(" Loading " + Num(count) + " bytes begining at " + Num(offset));
  } else {
    core.log.LogLine(" Loading " + Num(count) + "/ " + Num(size) + " bytes begining at " +
                     Num(offset));
  }
  if (count < 0) return false;
  // Never size the buffer or read beyond what the file holds.
  if (offset < 0 || offset > size || count > size - offset) {
    core.log.LogLine("! Bytes requested outside the file");
    return false;
  }
  EnsureFileBuffer(core, package, count + 1);
  if (!package.hasFileBuffer) {
    core.log.LogLine("! Error, no *FileBuffer available");
    return false;
  }
  if (count == 0) return true;

  auto reader = files.OpenRead(path);
  if (!reader) {
    core.log.LogLine("! Can't access to file ! ");
    return false;
  }
  if (!reader->Seek(offset)) return false;
  int64_t done = 0;
  while (done < count) {
    const int64_t got = reader->Read(package.fileBuffer.data() + done, count - done);
    if (got <= 0) break;
    done += got;
  }
  // A short read would hand a partly stale buffer on as the file's content.
  return done == count;
}

bool DecodePayload(Core&, PackageState& package, int32_t size, int32_t packedSize) {
  if (!package.hasFileBuffer || size < 0 || packedSize < 0) return false;
  const auto capacity = static_cast<int64_t>(package.fileBuffer.size());
  if (size == packedSize) {
    if (size > capacity) return false;
    ScrambleBytes(package.fileBuffer.data(), size);
    return true;
  }
  if (!package.hasPackBuffer || packedSize > capacity ||
      packedSize > static_cast<int64_t>(package.packBuffer.size()) || size > capacity) {
    return false;
  }
  std::copy_n(package.fileBuffer.begin(), packedSize, package.packBuffer.begin());
  const size_t produced = Jcalg1Decode(package.packBuffer.data(), static_cast<size_t>(packedSize),
                                       package.fileBuffer.data(), static_cast<size_t>(size));
  // Fewer bytes than the record's size would leave stale bytes in the written file.
  return produced > 0 && produced == static_cast<size_t>(size);
}

bool SaveFileBuffer(Core& core, PackageState& package, const std::string& path, int64_t length) {
  if (!package.hasFileBuffer || length < 0 ||
      length > static_cast<int64_t>(package.fileBuffer.size())) {
    return false;
  }
  const std::string_view bytes(reinterpret_cast<const char*>(package.fileBuffer.data()),
                               static_cast<size_t>(length));
  return core.platform.files.WriteFile(path, bytes);
}

bool ExtractFile(Core& core, PackageState& package, const std::string& path, bool memoryOnly,
                 bool renameAfterWrite) {
  if (package.currentFile >= package.files.size()) {
    core.log.StepLine("! Erreur syth\xE8me");
    return false;
  }
  const PackageFile& file = package.files[package.currentFile];
  if (!LoadPackagedBytes(core, package, core.mainExe, file.PackedSize, file.DataOffset)) {
    return false;
  }
  if (!DecodePayload(core, package, file.Size, file.PackedSize)) {
    core.log.LogLine("! UnPack Error");
    return false;
  }
  if (memoryOnly) return true;
  if (!SaveFileBuffer(core, package, path, file.Size)) {
    core.log.LogLine(" ! Error during save file");
    return false;
  }
  if (!renameAfterWrite) return true;
  Files& files = core.platform.files;
  const std::string aside = path + " #";
  if (!files.RenameFile(path, aside)) return false;
  return files.RenameFile(aside, path);
}

int StartSoundWait(int64_t size, int64_t bytesPerSecond) {
  if (bytesPerSecond <= 0) return 500;
  const int64_t wait = size * 1000 / bytesPerSecond;
  if (wait <= 0) return 500;
  return static_cast<int>(std::min<int64_t>(wait, kMaxStartSoundWait));
}

void PlayStartSound(Core& core, PackageState& package) {
  const auto sound = std::find_if(package.files.begin(), package.files.end(),
                                  [](const PackageFile& f) { return f.Group == StartSoundGroup; });
  if (sound == package.files.end()) return;
  package.currentFile = static_cast<size_t>(sound - package.files.begin());
  if (!package.soundOpened) {
    if (!core.platform.sound.Open()) return;
    package.soundOpened = true;
  }
  if (!ExtractFile(core, package, "", true, false)) return;
  const auto size = static_cast<size_t>(sound->Size);
  const std::string_view wav(reinterpret_cast<const char*>(package.fileBuffer.data()), size);
  if (!core.platform.sound.PlayWav(wav)) return;
  // The byte rate sits at offset 28 of the WAV header; a shorter file has none.
  uint32_t bytesPerSecond = 0;
  ByteCursor header(package.fileBuffer.data(), size);
  if (!header.Seek(28) || !header.GetU32(bytesPerSecond)) bytesPerSecond = 0;
  core.platform.clock.Sleep(StartSoundWait(sound->Size, static_cast<int32_t>(bytesPerSecond)));
}

}  // namespace zebo
