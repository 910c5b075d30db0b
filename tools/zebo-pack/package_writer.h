// Writing a package in the layout the installer reads, and the installer around it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "package/package.h"

namespace zebo::pack {

// One file to store: its record (Size, PackedSize and DataOffset are filled in by the writer) and
// its content.
struct PackEntry {
  PackageFile record;
  std::string content;
};

using Encoder = std::function<std::string(std::string_view)>;

// The package: info, group names, the empty string that ends them, then every record with its
// stored content. Each content is stored compressed by `encode` when that is shorter, scrambled
// otherwise. Records get their sizes and their offsets counted from the package's first byte.
std::string WritePackage(const PackageInfo& info, const std::vector<std::string>& groups,
                         std::vector<PackEntry>& entries, const Encoder& encode);

// The installer: the stub, a line feed, the marker, a line feed, the package.
std::string JoinInstaller(std::string_view stub, std::string_view package);

// A package string: its length and its scrambled bytes.
void AppendPackageString(std::string& out, std::string_view text);

}  // namespace zebo::pack
