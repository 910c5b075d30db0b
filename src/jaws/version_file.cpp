// Dates, names and keys of the remote version file.
#include "jaws/version_file.h"

#include <cstdio>

#include "core/cp1252.h"
#include "core/dates.h"

namespace zebo {
namespace {

bool IsLeap(int64_t y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int64_t DaysInMonth(int64_t y, int64_t m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

std::string TwoDigits(int64_t v) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(v));
  return text;
}

// Reads 1 to maxDigits decimal digits at `pos`.
bool ReadNumber(std::string_view text, size_t& pos, size_t maxDigits, int64_t& value) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return pos > start;
}

bool ReadChar(std::string_view text, size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// Replaces every occurrence of `field`, compared without regard to case, by `value`.
std::string ReplaceNoCase(const std::string& text, std::string_view field,
                          const std::string& value) {
  const std::string lowerText = LowerCase(text);
  const std::string lowerField = LowerCase(field);
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t hit = lowerText.find(lowerField, pos);
    if (hit == std::string::npos) break;
    out.append(text, pos, hit - pos);
    out += value;
    pos = hit + field.size();
  }
  out.append(text, pos, std::string::npos);
  return out;
}

}  // namespace

std::string FormatVersionDate(int64_t date) {
  return FormatDate("%dd/%mm/%yyyy %hh:%ii", date);
}

int64_t ParseVersionDate(std::string_view text) {
  text = TrimBlanks(text);
  size_t pos = 0;
  int64_t d = 0, m = 0, y = 0, h = 0, i = 0;
  if (!ReadNumber(text, pos, 2, d) || !ReadChar(text, pos, '/') || !ReadNumber(text, pos, 2, m) ||
      !ReadChar(text, pos, '/')) {
    return 0;
  }
  const size_t yearStart = pos;
  if (!ReadNumber(text, pos, 4, y) || pos - yearStart != 4 || !ReadChar(text, pos, ' ')) return 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (!ReadNumber(text, pos, 2, h) || !ReadChar(text, pos, ':') || !ReadNumber(text, pos, 2, i) ||
      pos != text.size()) {
    return 0;
  }
  if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m) || h > 23 || i > 59) return 0;
  LocalTime fields;
  fields.year = static_cast<int>(y);
  fields.month = static_cast<int>(m);
  fields.day = static_cast<int>(d);
  fields.hour = static_cast<int>(h);
  fields.minute = static_cast<int>(i);
  return DateValue(fields);
}

std::string FormatName(std::string_view name, const PackageInfo& info, const LocalTime& now) {
  char year[24];
  std::snprintf(year, sizeof year, "%04d", now.year);
  std::string text(name);
  // The longer year field first, so "%yyyy" is not read as "%yy" followed by "yy".
  text = ReplaceNoCase(text, "%yyyy", year);
  text = ReplaceNoCase(text, "%yy", TwoDigits(now.year % 100));
  text = ReplaceNoCase(text, "%mm", TwoDigits(now.month));
  text = ReplaceNoCase(text, "%dd", TwoDigits(now.day));
  text = ReplaceNoCase(text, "%hh", TwoDigits(now.hour));
  text = ReplaceNoCase(text, "%ii", TwoDigits(now.minute));
  text = ReplaceNoCase(text, "%ss", TwoDigits(now.second));
  text = ReplaceNoCase(text, "%AN", info.ApplicationName);
  text = ReplaceNoCase(text, "%AV", info.ApplicationVersion);
  text = ReplaceNoCase(text, "%SN", info.ScriptName);
  text = ReplaceNoCase(text, "%SV", info.ScriptVersion);
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (!text.empty() && text[0] == '#') text = LowerCase(text.substr(1));
  return text;
}

VersionFileValues ParseVersionFile(std::string_view content) {
  std::string text;
  if (content.substr(0, 3) == "\xEF\xBB\xBF") {
    text = Utf8ToCp1252(content.substr(3));
  } else {
    text = std::string(content);
  }
  VersionFileValues values;
  bool haveAddress = false, haveDate = false;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = TrimBlanks(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line.front() == '[') break;  // the keys stand above the first section
    if (line.empty() || line.front() == ';') continue;
    const size_t equal = line.find('=');
    if (equal == std::string_view::npos) continue;
    const std::string key = LowerCase(TrimBlanks(line.substr(0, equal)));
    const std::string_view value = TrimBlanks(line.substr(equal + 1));
    if (key == "name new version" && !haveAddress) {
      values.newVersionAddress = std::string(value);
      haveAddress = true;
    } else if (key == "new date" && !haveDate) {
      values.newDate = std::string(value);
      haveDate = true;
    }
  }
  return values;
}

bool ReadVersionFile(Files& files, const std::string& path, VersionFileValues& out) {
  out = {};
  if (files.FileSize(path) > (1 << 20)) return false;
  std::string content;
  if (!ReadWholeFile(files, path, content)) return false;
  out = ParseVersionFile(content);
  return true;
}

}  // namespace zebo
