// The package writer: the exact mirror of the installer's reader.
#include "tools/zebo-pack/package_writer.h"

#include "core/byte_cursor.h"
#include "core/core.h"
#include "package/package_reader.h"

namespace zebo::pack {

void AppendPackageString(std::string& out, std::string_view text) {
  AppendLe32(out, static_cast<int32_t>(text.size()));
  std::string bytes(text);
  ScrambleBytes(reinterpret_cast<unsigned char*>(bytes.data()), static_cast<int64_t>(bytes.size()));
  out += bytes;
}

std::string WritePackage(const PackageInfo& info, const std::vector<std::string>& groups,
                         std::vector<PackEntry>& entries, const Encoder& encode) {
  std::string out;
  AppendLe32(out, info.Date);
  for (const std::string* text :
       {&info.ApplicationName, &info.ApplicationVersion, &info.RecommendedWith,
        &info.RecommendedJaws, &info.ScriptName, &info.ScriptVersion, &info.ScriptAuthor,
        &info.Contact, &info.AuthorSite, &info.ApplicationSite, &info.CreatedOn,
        &info.VersionUrl}) {
    AppendPackageString(out, *text);
  }
  AppendLe32(out, info.Flags);
  for (const std::string* text :
       {&info.PasswordDigest, &info.Reserved, &info.Comments, &info.Alias}) {
    AppendPackageString(out, *text);
  }
  for (const std::string& group : groups) AppendPackageString(out, group);
  AppendLe32(out, 0);

  for (PackEntry& entry : entries) {
    PackageFile& record = entry.record;
    // The reader refuses compressed records above its cap; larger contents go scrambled.
    const bool compressible = encode && !entry.content.empty() &&
                              static_cast<int64_t>(entry.content.size()) <= kMaxUnpackedSize;
    std::string stored = compressible ? encode(entry.content) : std::string();
    // Equal sizes mean "scrambled" to the reader, so compressed data must be strictly shorter.
    if (compressible && !stored.empty() && stored.size() < entry.content.size()) {
      record.PackedSize = static_cast<int32_t>(stored.size());
    } else {
      stored = entry.content;
      ScrambleBytes(reinterpret_cast<unsigned char*>(stored.data()),
                    static_cast<int64_t>(stored.size()));
      record.PackedSize = static_cast<int32_t>(stored.size());
    }
    record.Size = static_cast<int32_t>(entry.content.size());
    AppendPackageString(out, record.Name);
    AppendPackageString(out, record.TargetPath);
    AppendLe32(out, record.Group);
    AppendLe32(out, record.CompileOrder);
    AppendLe32(out, record.Size);
    AppendLe32(out, record.PackedSize);
    AppendLe32(out, record.Flags);
    record.DataOffset = static_cast<int64_t>(out.size());
    out += stored;
  }
  return out;
}

std::string JoinInstaller(std::string_view stub, std::string_view package) {
  std::string out;
  const std::string marker = JoinPackageMarker();
  out.reserve(stub.size() + marker.size() + 2 + package.size());
  out.append(stub);
  out.push_back('\n');
  out += marker;
  out.push_back('\n');
  out.append(package);
  return out;
}

}  // namespace zebo::pack
