// The manifest parser: INI-like sections ([package], [group], [file], [sound]) of "Key = value"
// lines, checked as they are read so that every mistake is reported with its line.
#include "tools/zebo-pack/manifest.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

#include "core/cp1252.h"
#include "core/md5.h"

namespace zebo::pack {
namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::optional<int64_t> ParseInteger(std::string_view text) {
  text = Trim(text);
  int base = 10;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

struct FlagName {
  const char* name;
  int32_t bit;
};

constexpr FlagName kInfoFlags[] = {{"restartjaws", 0x01},
                                   {"versionbutton", 0x02},
                                   {"checkatstart", 0x08},
                                   {"certified", 0x20},
                                   {"renameafterwrite", 0x80}};
constexpr FlagName kFileFlags[] = {{"optional", 0x004},  {"adaptation", 0x010},
                                   {"compile", 0x020},   {"noadapt", 0x080},
                                   {"nocompile", 0x100}, {"protected", 0x800}};

// Flag names (with or without their "Info" / "File" prefix) or numbers, separated by commas or
// blanks.
template <size_t N>
bool ParseFlags(std::string_view text, const FlagName (&names)[N], std::string_view prefix,
                int32_t& flags, std::string& bad) {
  flags = 0;
  size_t i = 0;
  while (i < text.size()) {
    const size_t end = text.find_first_of(", \t", i);
    const std::string_view word = text.substr(i, end == std::string_view::npos ? end : end - i);
    i = end == std::string_view::npos ? text.size() : end + 1;
    if (word.empty()) continue;
    std::string key = Lower(word);
    if (key.starts_with(prefix)) key.erase(0, prefix.size());
    const auto* named = std::find_if(std::begin(names), std::end(names),
                                     [&](const FlagName& f) { return key == f.name; });
    if (named != std::end(names)) {
      flags |= named->bit;
      continue;
    }
    const auto number = ParseInteger(word);
    if (!number || *number < 0 || *number > 0xFFFFFFFFLL) {
      bad = std::string(word);
      return false;
    }
    flags |= static_cast<int32_t>(static_cast<uint32_t>(*number));
  }
  return true;
}

bool IsLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// "day/month/year hour:minute" (the time may be left out: midnight).
bool ParseDate(std::string_view text, int32_t& seconds) {
  text = Trim(text);
  size_t i = 0;
  const auto number = [&](int& out) {
    const size_t begin = i;
    while (i < text.size() && i - begin < 4 && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == begin) return false;
    std::from_chars(text.data() + begin, text.data() + i, out);
    return true;
  };
  const auto expect = [&](char c) {
    if (i >= text.size() || text[i] != c) return false;
    ++i;
    return true;
  };
  int day = 0, month = 0, year = 0, hour = 0, minute = 0;
  if (!number(day) || !expect('/') || !number(month) || !expect('/') || !number(year)) return false;
  if (i < text.size()) {
    if (text[i] != ' ' && text[i] != '\t') return false;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (!number(hour) || !expect(':') || !number(minute)) return false;
  }
  if (i != text.size() || year < 1970 || year > 2037 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour > 23 || minute > 59) {
    return false;
  }
  seconds = static_cast<int32_t>(CalendarSeconds(year, month, day, hour, minute, 0));
  return true;
}

enum class Section { None, Package, Group, File, Sound };

struct Parser {
  Parser(Manifest& m, std::string& e) : manifest(m), error(e) {}
  Manifest& manifest;
  std::string& error;
  Section section = Section::None;
  int sectionLine = 0;
  std::map<std::string, int> seen;  // keys of the current section
  bool packageSeen = false;
  bool soundSeen = false;
  bool dateGiven = false;
  bool digestGiven = false;
  bool passwordGiven = false;
  // The current [file] or [sound] section.
  ManifestFile file;
  std::string fileGroup;
  bool nameGiven = false;
  bool targetGiven = false;
  std::vector<std::string> fileGroups;  // the group name each file asked for
  std::string groupName;

  bool Fail(int line, const std::string& message) {
    error = "line " + std::to_string(line) + ": " + message;
    return false;
  }

  // The Windows-1252 text of a UTF-8 value; fails on what the code page cannot hold.
  bool Text(int line, std::string_view value, std::string& out) {
    out = Utf8ToCp1252(value);
    if (Cp1252ToUtf8(out) != value) {
      return Fail(line, "a character cannot be written in Windows-1252 (or the line is not UTF-8)");
    }
    if (std::any_of(out.begin(), out.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
      return Fail(line, "control characters are not allowed in a value");
    }
    return true;
  }

  bool EndSection(int line) {
    switch (section) {
      case Section::Group:
        if (groupName.empty()) return Fail(sectionLine, "[group] needs a Name");
        if (std::find(manifest.groups.begin(), manifest.groups.end(), groupName) !=
            manifest.groups.end()) {
          return Fail(sectionLine,
                      "the group \"" + Cp1252ToUtf8(groupName) + "\" is defined twice");
        }
        manifest.groups.push_back(groupName);
        break;
      case Section::File:
      case Section::Sound: {
        const bool sound = section == Section::Sound;
        const char* name = sound ? "[sound]" : "[file]";
        if (file.source.empty()) return Fail(sectionLine, std::string(name) + " needs a Source");
        if (!sound && fileGroup.empty()) return Fail(sectionLine, "[file] needs a Group");
        if (!nameGiven) {
          const size_t cut = file.source.find_last_of("/\\");
          const std::string base =
              cut == std::string::npos ? file.source : file.source.substr(cut + 1);
          if (!Text(sectionLine, base, file.record.Name)) return false;
        }
        if (!IsPlainFileName(file.record.Name)) {
          return Fail(sectionLine, "the file name \"" + Cp1252ToUtf8(file.record.Name) +
                                       "\" must be a plain name, without folder or \"..\"");
        }
        if (!targetGiven) file.record.TargetPath = "%JawsScriptPath%\\";
        if (!file.record.TargetPath.ends_with('\\')) file.record.TargetPath += '\\';
        if (sound) file.record.Group = StartSoundGroup;
        file.line = sectionLine;
        manifest.files.push_back(file);
        fileGroups.push_back(sound ? std::string() : fileGroup);
        break;
      }
      default:
        break;
    }
    (void)line;
    return true;
  }

  bool StartSection(int line, std::string_view name) {
    if (!EndSection(line)) return false;
    const std::string key = Lower(Trim(name));
    seen.clear();
    sectionLine = line;
    file = ManifestFile{};
    fileGroup.clear();
    groupName.clear();
    nameGiven = targetGiven = false;
    if (key == "package") {
      if (packageSeen) return Fail(line, "there can be only one [package] section");
      packageSeen = true;
      section = Section::Package;
    } else if (key == "group") {
      section = Section::Group;
    } else if (key == "file") {
      section = Section::File;
    } else if (key == "sound") {
      if (soundSeen) return Fail(line, "there can be only one [sound] section");
      soundSeen = true;
      section = Section::Sound;
    } else {
      return Fail(line, "unknown section [" + std::string(name) +
                            "] (expected [package], [group], [file] or [sound])");
    }
    return true;
  }

  bool PackageKey(int line, const std::string& key, std::string_view value, bool append) {
    PackageInfo& info = manifest.info;
    struct TextField {
      const char* name;
      std::string* field;
    };
    const TextField texts[] = {{"applicationname", &info.ApplicationName},
                               {"applicationversion", &info.ApplicationVersion},
                               {"recommendedwith", &info.RecommendedWith},
                               {"recommendedjaws", &info.RecommendedJaws},
                               {"scriptname", &info.ScriptName},
                               {"scriptversion", &info.ScriptVersion},
                               {"scriptauthor", &info.ScriptAuthor},
                               {"contact", &info.Contact},
                               {"authorsite", &info.AuthorSite},
                               {"applicationsite", &info.ApplicationSite},
                               {"createdon", &info.CreatedOn},
                               {"versionurl", &info.VersionUrl},
                               {"reserved", &info.Reserved},
                               {"comments", &info.Comments},
                               {"alias", &info.Alias}};
    for (const TextField& t : texts) {
      if (key != t.name) continue;
      std::string text;
      if (!Text(line, value, text)) return false;
      if (append) {
        *t.field += "\r\n" + text;
      } else {
        *t.field = text;
      }
      return true;
    }
    if (append) return Fail(line, "only texts can be continued with \"+=\"");
    if (key == "date") {
      if (!ParseDate(value, info.Date)) {
        return Fail(line,
                    "Date must be day/month/year hour:minute, e.g. 11/12/2026 10:30 "
                    "(years 1970 to 2037)");
      }
      dateGiven = true;
      return true;
    }
    if (key == "flags") {
      std::string bad;
      if (!ParseFlags(value, kInfoFlags, "info", info.Flags, bad)) {
        return Fail(line, "unknown package flag \"" + bad +
                              "\" (RestartJaws, VersionButton, CheckAtStart, Certified, "
                              "RenameAfterWrite or a number)");
      }
      return true;
    }
    if (key == "password") {
      std::string clear;
      if (!Text(line, value, clear)) return false;
      info.PasswordDigest = clear.empty() ? std::string() : Md5Hex(clear);
      passwordGiven = true;
      return !digestGiven || Fail(line, "give either Password or PasswordDigest, not both");
    }
    if (key == "passworddigest") {
      const std::string digest(value);
      if (!digest.empty() && (digest.size() != 32 ||
                              digest.find_first_not_of("0123456789abcdef") != std::string::npos)) {
        return Fail(line, "PasswordDigest must be 32 lower-case hexadecimal digits");
      }
      info.PasswordDigest = digest;
      digestGiven = true;
      return !passwordGiven || Fail(line, "give either Password or PasswordDigest, not both");
    }
    return Fail(line, "unknown key \"" + key + "\" in [package]");
  }

  bool FileKey(int line, const std::string& key, std::string_view value) {
    const bool sound = section == Section::Sound;
    if (key == "source") {
      if (value.empty()) return Fail(line, "Source is empty");
      file.source = std::string(value);
    } else if (key == "name") {
      if (!Text(line, value, file.record.Name)) return false;
      nameGiven = true;
    } else if (key == "target") {
      if (!Text(line, value, file.record.TargetPath)) return false;
      if (file.record.TargetPath.empty()) return Fail(line, "Target is empty");
      targetGiven = true;
    } else if (key == "group" && !sound) {
      if (!Text(line, value, fileGroup)) return false;
      if (fileGroup.empty()) return Fail(line, "Group is empty");
    } else if (key == "compileorder" && !sound) {
      const auto order = ParseInteger(value);
      if (!order || *order < INT32_MIN || *order > INT32_MAX) {
        return Fail(line, "CompileOrder must be a whole number");
      }
      file.record.CompileOrder = static_cast<int32_t>(*order);
    } else if (key == "flags" && !sound) {
      std::string bad;
      if (!ParseFlags(value, kFileFlags, "file", file.record.Flags, bad)) {
        return Fail(line, "unknown file flag \"" + bad +
                              "\" (Compile, Optional, Adaptation, NoAdapt, NoCompile, Protected "
                              "or a number)");
      }
    } else {
      return Fail(line, "unknown key \"" + key + "\" in " + (sound ? "[sound]" : "[file]"));
    }
    return true;
  }

  bool Line(int number, std::string_view raw) {
    std::string_view line = Trim(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';') return true;
    if (line[0] == '[') {
      if (line.back() != ']') return Fail(number, "a section header ends with \"]\"");
      return StartSection(number, line.substr(1, line.size() - 2));
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return Fail(number, "expected \"Key = value\", a [section] or a # comment");
    }
    std::string_view keyText = Trim(line.substr(0, equals));
    const bool append = !keyText.empty() && keyText.back() == '+';
    if (append) keyText = Trim(keyText.substr(0, keyText.size() - 1));
    const std::string key = Lower(keyText);
    const std::string_view value = Trim(line.substr(equals + 1));
    if (key.empty()) return Fail(number, "a key is missing before \"=\"");
    if (section == Section::None) return Fail(number, "\"" + key + "\" comes before any section");
    if (append) {
      if (!seen.count(key)) return Fail(number, "\"+=\" continues a key given before");
    } else if (auto it = seen.find(key); it != seen.end()) {
      return Fail(number, "\"" + std::string(keyText) + "\" was already given on line " +
                              std::to_string(it->second));
    } else {
      seen[key] = number;
    }
    switch (section) {
      case Section::Package:
        return PackageKey(number, key, value, append);
      case Section::Group:
        if (key != "name" || append) return Fail(number, "[group] has only a Name");
        return Text(number, value, groupName);
      default:
        if (append) return Fail(number, "only texts of [package] can be continued with \"+=\"");
        return FileKey(number, key, value);
    }
  }

  bool Finish(int lastLine, const LocalTime& now) {
    if (!EndSection(lastLine)) return false;
    if (!packageSeen) return Fail(lastLine, "the manifest has no [package] section");
    if (manifest.info.ApplicationName.empty() || manifest.info.ScriptName.empty()) {
      return Fail(lastLine, "[package] needs at least ApplicationName and ScriptName");
    }
    if (manifest.groups.empty()) return Fail(lastLine, "the manifest defines no [group]");
    bool anyFile = false;
    for (size_t i = 0; i < manifest.files.size(); ++i) {
      ManifestFile& f = manifest.files[i];
      if (f.record.Group == StartSoundGroup && fileGroups[i].empty()) continue;
      const auto group = std::find(manifest.groups.begin(), manifest.groups.end(), fileGroups[i]);
      if (group == manifest.groups.end()) {
        return Fail(f.line, "the group \"" + Cp1252ToUtf8(fileGroups[i]) + "\" is not defined");
      }
      f.record.Group = static_cast<int32_t>(group - manifest.groups.begin());
      anyFile = true;
    }
    if (!anyFile) return Fail(lastLine, "the manifest lists no [file]");
    if (!dateGiven) {
      manifest.info.Date = static_cast<int32_t>(
          CalendarSeconds(now.year, now.month, now.day, now.hour, now.minute, now.second));
    }
    return true;
  }
};

}  // namespace

int64_t CalendarSeconds(int year, int month, int day, int hour, int minute, int second) {
  // Days from the civil date (proleptic Gregorian), counted from 1970-01-01.
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const int64_t days = int64_t{era} * 146097 + doe - 719468;
  return days * 86400 + hour * 3600 + minute * 60 + second;
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
  });
}

bool ParseManifest(std::string_view text, const LocalTime& now, Manifest& manifest,
                   std::string& error) {
  manifest = Manifest{};
  error.clear();
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Parser parser(manifest, error);
  int number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    if (!parser.Line(number, line)) return false;
    start = end + 1;
  }
  return parser.Finish(std::max(number, 1), now);
}

}  // namespace zebo::pack
