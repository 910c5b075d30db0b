// zebo-pack's commands. The package is read back with the installer's own reader and extraction,
// so what `list` and `extract` show is what the installer will see.
#include "tools/zebo-pack/commands.h"

#include <cstdio>

#include "core/core.h"
#include "core/cp1252.h"
#include "package/extraction.h"
#include "package/package_reader.h"
#include "package/package_stream.h"
#include "tools/zebo-pack/adapt_command.h"
#include "tools/zebo-pack/chime.h"
#include "tools/zebo-pack/jcalg1_encoder.h"
#include "tools/zebo-pack/manifest.h"
#include "tools/zebo-pack/package_writer.h"
#include "tools/zebo-pack/tool_platform.h"

namespace zebo::pack {
namespace {

constexpr int kOk = 0;
constexpr int kBadInput = 1;
constexpr int kUsage = 2;

#ifdef _WIN32
constexpr char kSeparator = '\\';
// Paths on the command line and in the manifest become the Windows-1252 paths of the file layer.
std::string HostPath(const std::string& utf8) {
  return Utf8ToCp1252(utf8);
}
std::string HostName(const std::string& cp1252) {
  return cp1252;
}
#else
constexpr char kSeparator = '/';
std::string HostPath(const std::string& utf8) {
  std::string path = utf8;
  for (char& c : path) {
    if (c == '\\') c = '/';  // a manifest written on Windows
  }
  return path;
}
std::string HostName(const std::string& cp1252) {
  return Cp1252ToUtf8(cp1252);
}
#endif

constexpr const char* kUsageText =
    "Usage:\n"
    "  zebo-pack build MANIFEST -o OUT.exe [--stub ZeBo.exe]\n"
    "      Packs the files a manifest lists and appends them to a copy of the installer.\n"
    "      The stub defaults to ZeBo.exe beside zebo-pack.\n"
    "  zebo-pack list INSTALLER [--json]\n"
    "      Shows the package inside an installer.\n"
    "  zebo-pack extract INSTALLER DIR\n"
    "      Writes every packaged file to DIR/<group number>/<name> (the start sound under -2).\n"
    "  zebo-pack adapt ...\n"
    "      Applies or removes one adaptation file on a script source (zebo-pack adapt --help).\n"
    "  zebo-pack --help | --version\n"
    "Exit codes: 0 done, 1 bad input, 2 wrong usage.\n";

int Usage(CommandContext& c, const std::string& message) {
  c.err << "zebo-pack: " << message << "\n" << kUsageText;
  return kUsage;
}

int Fail(CommandContext& c, const std::string& message) {
  c.err << "zebo-pack: " << message << "\n";
  return kBadInput;
}

std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool IsAbsolute(const std::string& path) {
  if (!path.empty() && (path[0] == '/' || path[0] == '\\')) return true;
  return path.size() > 1 && path[1] == ':';
}

std::string DateText(int32_t seconds) {
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  // The civil date of a day count (inverse of CalendarSeconds).
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d", static_cast<int>(day),
                static_cast<int>(month), static_cast<int>(year), static_cast<int>(rest / 3600),
                static_cast<int>(rest % 3600 / 60));
  return text;
}

std::string JsonString(const std::string& cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  std::string out = "\"";
  for (char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          out += escape;
        } else {
          out.push_back(ch);
        }
    }
  }
  return out + "\"";
}

struct Scanned {
  explicit Scanned(Files& files) : tool(files), core(tool.platform) {}
  ToolPlatform tool;
  Core core;
  PackageState package;
};

// Reads the installer's package; on failure says why and returns false.
bool ScanInstaller(CommandContext& c, const std::string& path, Scanned& scanned) {
  if (c.files.FileSize(path) < 0) {
    c.err << "zebo-pack: cannot open " << path << "\n";
    return false;
  }
  scanned.core.mainExe = path;
  if (ScanPackage(scanned.core, scanned.package, path)) return true;
  for (const std::string& line : scanned.core.log.Detailed()) {
    if (line.starts_with("!")) c.err << "zebo-pack: " << Cp1252ToUtf8(line) << "\n";
  }
  c.err << "zebo-pack: " << path << " holds no usable package (it needs the marker line, "
        << "at least one group and one file)\n";
  return false;
}

int Build(CommandContext& c, const std::vector<std::string>& args) {
  std::string manifestPath, outPath, stubPath;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "-o" || a == "--output" || a == "--stub") && i + 1 < args.size()) {
      (a == "--stub" ? stubPath : outPath) = args[++i];
    } else if (!a.empty() && a[0] == '-') {
      return Usage(c, "build: unknown or incomplete option " + a);
    } else if (manifestPath.empty()) {
      manifestPath = a;
    } else {
      return Usage(c, "build: more than one manifest given");
    }
  }
  if (manifestPath.empty() || outPath.empty()) return Usage(c, "build needs MANIFEST and -o OUT");
  if (stubPath.empty()) stubPath = c.toolFolder + "ZeBo.exe";

  std::string text;
  if (!ReadWholeFile(c.files, HostPath(manifestPath), text)) {
    return Fail(c, "cannot read the manifest " + manifestPath);
  }
  Manifest manifest;
  std::string error;
  if (!ParseManifest(text, c.now, manifest, error)) return Fail(c, manifestPath + ":" + error);

  std::string stub;
  if (!ReadWholeFile(c.files, HostPath(stubPath), stub)) {
    return Fail(c, "cannot read the installer stub " + stubPath + " (give it with --stub)");
  }
  // A stub that already carries a package would hide the new one behind its own marker.
  if (auto reader = c.files.OpenRead(HostPath(stubPath))) {
    PackageStream in(*reader);
    if (in.FindMarkerLine(JoinPackageMarker())) {
      return Fail(c, "the stub " + stubPath + " already holds a package; use a plain ZeBo.exe");
    }
  }

  const std::string base = FolderOf(manifestPath);
  std::vector<PackEntry> entries;
  for (const ManifestFile& file : manifest.files) {
    const std::string source = IsAbsolute(file.source) ? file.source : base + file.source;
    PackEntry entry;
    entry.record = file.record;
    if (!ReadWholeFile(c.files, HostPath(source), entry.content)) {
      return Fail(c,
                  manifestPath + ":line " + std::to_string(file.line) + ": cannot read " + source);
    }
    if (entry.content.size() >= (size_t{1} << 31)) {
      return Fail(c, source + " is larger than an installer can hold");
    }
    entries.push_back(std::move(entry));
  }
  const std::string package =
      WritePackage(manifest.info, manifest.groups, entries,
                   [](std::string_view data) { return Jcalg1Encode(data); });
  const std::string installer = JoinInstaller(stub, package);
  if (installer.size() >= (size_t{1} << 31)) {
    return Fail(c, "the installer would reach 2 GiB, more than it can read back");
  }
  if (!c.files.WriteFile(HostPath(outPath), installer)) return Fail(c, "cannot write " + outPath);
  size_t compressed = 0;
  for (const PackEntry& e : entries) compressed += e.record.PackedSize != e.record.Size ? 1 : 0;
  c.out << outPath << ": " << entries.size() << " files (" << compressed << " compressed) in "
        << manifest.groups.size() << " groups, " << installer.size() << " bytes\n";
  return kOk;
}

std::string FlagNames(int32_t flags, bool info) {
  struct Bit {
    int32_t bit;
    const char* name;
  };
  static const Bit kInfo[] = {{0x01, "RestartJaws"},
                              {0x02, "VersionButton"},
                              {0x08, "CheckAtStart"},
                              {0x20, "Certified"},
                              {0x80, "RenameAfterWrite"}};
  static const Bit kFile[] = {{0x004, "Optional"}, {0x010, "Adaptation"}, {0x020, "Compile"},
                              {0x080, "NoAdapt"},  {0x100, "NoCompile"},  {0x800, "Protected"}};
  std::string out;
  int32_t known = 0;
  for (const Bit& b : info ? std::vector<Bit>(std::begin(kInfo), std::end(kInfo))
                           : std::vector<Bit>(std::begin(kFile), std::end(kFile))) {
    known |= b.bit;
    if (flags & b.bit) out += std::string(out.empty() ? "" : ", ") + b.name;
  }
  if (flags & ~known) {
    char extra[16];
    std::snprintf(extra, sizeof extra, "0x%x", static_cast<unsigned>(flags & ~known));
    out += std::string(out.empty() ? "" : ", ") + extra;
  }
  return out.empty() ? "-" : out;
}

int List(CommandContext& c, const std::vector<std::string>& args) {
  std::string path;
  bool json = false;
  for (const std::string& a : args) {
    if (a == "--json") {
      json = true;
    } else if (!a.empty() && a[0] == '-') {
      return Usage(c, "list: unknown option " + a);
    } else if (path.empty()) {
      path = a;
    } else {
      return Usage(c, "list takes one installer");
    }
  }
  if (path.empty()) return Usage(c, "list needs an INSTALLER");
  Scanned scanned(c.files);
  if (!ScanInstaller(c, HostPath(path), scanned)) return kBadInput;
  const PackageState& p = scanned.package;
  if (json) {
    c.out << PackageJson(p);
    return kOk;
  }
  const PackageInfo& i = p.info;
  const auto u = [](const std::string& t) { return Cp1252ToUtf8(t); };
  c.out << "Date:               " << DateText(i.Date) << "\n"
        << "ApplicationName:    " << u(i.ApplicationName) << "\n"
        << "ApplicationVersion: " << u(i.ApplicationVersion) << "\n"
        << "RecommendedWith:    " << u(i.RecommendedWith) << "\n"
        << "RecommendedJaws:    " << u(i.RecommendedJaws) << "\n"
        << "ScriptName:         " << u(i.ScriptName) << "\n"
        << "ScriptVersion:      " << u(i.ScriptVersion) << "\n"
        << "ScriptAuthor:       " << u(i.ScriptAuthor) << "\n"
        << "Contact:            " << u(i.Contact) << "\n"
        << "AuthorSite:         " << u(i.AuthorSite) << "\n"
        << "ApplicationSite:    " << u(i.ApplicationSite) << "\n"
        << "CreatedOn:          " << u(i.CreatedOn) << "\n"
        << "VersionUrl:         " << u(i.VersionUrl) << "\n"
        << "Flags:              " << FlagNames(i.Flags, true) << "\n"
        << "PasswordDigest:     " << (i.PasswordDigest.empty() ? "-" : u(i.PasswordDigest)) << "\n"
        << "Reserved:           " << u(i.Reserved) << "\n"
        << "Comments:           " << u(i.Comments) << "\n"
        << "Alias:              " << u(i.Alias) << "\n"
        << "Groups:\n";
  for (size_t g = 0; g < p.groups.size(); ++g) {
    c.out << "  " << g << "  " << u(p.groups[g].Name) << "\n";
  }
  c.out << "Files (group, compile order, size, stored size, flags, name -> target):\n";
  for (const PackageFile& f : p.files) {
    c.out << "  " << f.Group << "  " << f.CompileOrder << "  " << f.Size << "  " << f.PackedSize
          << (f.PackedSize != f.Size ? " (compressed)" : "") << "  " << FlagNames(f.Flags, false)
          << "  " << u(f.Name) << " -> " << u(f.TargetPath) << "\n";
  }
  return kOk;
}

int Extract(CommandContext& c, const std::vector<std::string>& args) {
  std::vector<std::string> operands;
  for (const std::string& a : args) {
    if (!a.empty() && a[0] == '-') return Usage(c, "extract: unknown option " + a);
    operands.push_back(a);
  }
  if (operands.size() != 2) return Usage(c, "extract needs INSTALLER and DIR");
  Scanned scanned(c.files);
  if (!ScanInstaller(c, HostPath(operands[0]), scanned)) return kBadInput;

  std::string dir = HostPath(operands[1]);
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += kSeparator;
  if (!c.files.FolderExists(dir) && !c.files.MakeFolder(dir)) {
    return Fail(c, "cannot make the folder " + operands[1]);
  }
  int status = kOk;
  PackageState& package = scanned.package;
  for (size_t i = 0; i < package.files.size(); ++i) {
    const PackageFile& file = package.files[i];
    const std::string shown = Cp1252ToUtf8(file.Name);
    if (!IsPlainFileName(file.Name)) {
      c.err << "zebo-pack: refused the name \"" << shown
            << "\": a packaged name must not hold a folder or \"..\"\n";
      status = kBadInput;
      continue;
    }
    const std::string folder = dir + std::to_string(file.Group);
    if (!c.files.FolderExists(folder) && !c.files.MakeFolder(folder)) {
      status = Fail(c, "cannot make the folder " + folder);
      continue;
    }
    const std::string target = folder + kSeparator + HostName(file.Name);
    package.currentFile = i;
    if (!ExtractFile(scanned.core, package, target, false, false)) {
      const auto& log = scanned.core.log.Detailed();
      const std::string why = log.empty() ? std::string() : Cp1252ToUtf8(log.back());
      status = Fail(c, "cannot extract " + shown + " (" + why + ")");
      continue;
    }
    c.out << file.Group << kSeparator << shown << "\n";
  }
  return status;
}

}  // namespace

std::string PackageJson(const PackageState& p) {
  const PackageInfo& i = p.info;
  std::string j = "{\n  \"PackageInfo\": {\n";
  const auto text = [&](const char* key, const std::string& value, bool last = false) {
    j += std::string("    \"") + key + "\": " + JsonString(value) + (last ? "\n" : ",\n");
  };
  const auto number = [&](const char* key, int64_t value) {
    j += std::string("    \"") + key + "\": " + std::to_string(value) + ",\n";
  };
  number("Date", i.Date);
  text("ApplicationName", i.ApplicationName);
  text("ApplicationVersion", i.ApplicationVersion);
  text("RecommendedWith", i.RecommendedWith);
  text("RecommendedJaws", i.RecommendedJaws);
  text("ScriptName", i.ScriptName);
  text("ScriptVersion", i.ScriptVersion);
  text("ScriptAuthor", i.ScriptAuthor);
  text("Contact", i.Contact);
  text("AuthorSite", i.AuthorSite);
  text("ApplicationSite", i.ApplicationSite);
  text("CreatedOn", i.CreatedOn);
  text("VersionUrl", i.VersionUrl);
  number("Flags", i.Flags);
  text("PasswordDigest", i.PasswordDigest);
  text("Reserved", i.Reserved);
  text("Comments", i.Comments);
  text("Alias", i.Alias, true);
  j += "  },\n  \"Groups\": [";
  for (size_t g = 0; g < p.groups.size(); ++g) {
    j += (g ? ", " : "") + JsonString(p.groups[g].Name);
  }
  j += "],\n  \"Files\": [";
  for (size_t n = 0; n < p.files.size(); ++n) {
    const PackageFile& f = p.files[n];
    j += n ? ",\n    {" : "\n    {";
    j += "\"Name\": " + JsonString(f.Name) + ", \"TargetPath\": " + JsonString(f.TargetPath) +
         ", \"Group\": " + std::to_string(f.Group) +
         ", \"CompileOrder\": " + std::to_string(f.CompileOrder) +
         ", \"Size\": " + std::to_string(f.Size) +
         ", \"PackedSize\": " + std::to_string(f.PackedSize) +
         ", \"Flags\": " + std::to_string(f.Flags) +
         ", \"DataOffset\": " + std::to_string(f.DataOffset) + "}";
  }
  j += p.files.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return j;
}

int RunZeboPack(CommandContext& c, const std::vector<std::string>& args) {
  if (args.empty()) return Usage(c, "no command given");
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    c.out << kUsageText;
    return kOk;
  }
  if (command == "--version") {
    c.out << "zebo-pack " << ZEBO_VERSION << "\n";
    return kOk;
  }
  if (command == "build") return Build(c, rest);
  if (command == "list") return List(c, rest);
  if (command == "extract") return Extract(c, rest);
  if (command == "adapt") return RunAdaptCommand(c.files, rest);
  if (command == "make-sound") {
    // Not in the usage text: it only makes the example's start sound.
    if (rest.size() != 1) return Usage(c, "make-sound needs OUT.wav");
    if (!c.files.WriteFile(HostPath(rest[0]), MakeChimeWav())) {
      return Fail(c, "cannot write " + rest[0]);
    }
    return kOk;
  }
  return Usage(c, "unknown command " + command);
}

}  // namespace zebo::pack
