// ConfigNames.Ini alias lines and the backup of settings files.
#include "adaptation/alias_update.h"

#include <string_view>
#include <vector>

#include "adaptation/adaptation_texts.h"
#include "core/cp1252.h"
#include "core/ensure_folders.h"

namespace zebo {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && text[start] == ' ') ++start;
  while (end > start && text[end - 1] == ' ') --end;
  return text.substr(start, end - start);
}

// Lines end at CR LF, LF or a lone CR; a final line end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The section name of a header line, or false when the line is no header.
bool SectionHeader(std::string_view line, std::string& name) {
  const std::string lower = LowerCase(TrimSpaces(line));
  if (lower.empty() || lower[0] != '[') return false;
  const size_t close = lower.find(']', 1);
  if (close == std::string::npos) return false;
  name = std::string(TrimSpaces(std::string_view(lower).substr(1, close - 1)));
  return true;
}

std::string KeyOf(std::string_view line) {
  std::string key = LowerCase(TrimSpaces(line));
  const size_t semi = key.find(';');
  if (semi != std::string::npos) key.resize(semi);
  const size_t equal = key.find('=');
  if (equal != std::string::npos) key.resize(equal);
  return key;
}

}  // namespace

std::string BackupFolderOf(const std::string& destinationPath, const std::string& scriptName) {
  return destinationPath + "Bak\\" + scriptName + "\\";
}

int BackupFile(Core& core, const BackupPlace& place, const std::string& path) {
  Files& files = core.platform.files;
  if (files.FileSize(path) < 0) {
    const std::string& user = place.userDataFolder;
    if (user.empty() || path.find(user) == std::string::npos) return 1;
    std::string rest = path;
    for (size_t at = rest.find(user); at != std::string::npos; at = rest.find(user, at)) {
      rest.erase(at, user.size());
    }
    const std::string allUsers = place.allUsersDataFolder + rest;
    if (files.FileSize(allUsers) >= 0 && !files.CopyFile(allUsers, path, false)) {
      core.log.LogLine(texts::kSeedFailed);
    }
    return 1;
  }
  const size_t slash = path.find_last_of("\\/");
  const std::string backup =
      place.backupFolder + (slash == std::string::npos ? path : path.substr(slash + 1));
  if (!EnsureFolders(files, backup)) {
    core.log.LogLine(texts::kBackupFolderMissing);
  } else if (!files.CopyFile(path, backup, false)) {
    core.log.LogLine(texts::kBackupCopyFailed);
  }
  return 1;
}

int AliasUpdate(Core& core, int remove, const std::string& aliasFile, const std::string& aliasText,
                const std::string& scriptName, const BackupPlace& place) {
  core.log.LogLine("* AliasUpdate( " + std::to_string(remove) + " ) ");
  core.log.LogLine(" " + aliasFile);
  const std::string_view text = TrimSpaces(aliasText);
  if (text.empty()) return 1;
  core.log.StepLine("");
  core.log.StepLine(texts::kAliasHeading);

  std::vector<std::string> aliases;
  std::vector<std::string> lowerAliases;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string alias(TrimSpaces(text.substr(start, end - start)));
    bool seen = alias.empty();
    for (const std::string& earlier : aliases) seen = seen || earlier == alias;
    if (!seen) {
      aliases.push_back(alias);
      lowerAliases.push_back(LowerCase(alias));
    }
    start = end + 1;
  }
  std::string aliasLines;
  for (const std::string& alias : aliases) aliasLines += alias + "=" + scriptName + "\r\n";

  (void)BackupFile(core, place, aliasFile);
  Files& files = core.platform.files;
  std::string old;
  if (!ReadWholeFile(files, aliasFile, old)) {
    core.log.StepLine(texts::kAliasOpenFailed);
    return 0;
  }
  const bool adding = remove == 0;
  std::string content;
  std::string section;
  bool inserted = false;
  for (std::string_view line : SplitLines(old)) {
    std::string name;
    if (SectionHeader(line, name)) {
      section = name;
      content.append(line);
      content += "\r\n";
      // Right under the first header, also when the section has no line yet: a second
      // [ConfigNames] section would not be read.
      if (section == "confignames" && adding && !inserted) {
        content += aliasLines;
        inserted = true;
      }
      continue;
    }
    if (section == "confignames") {
      const std::string key = KeyOf(line);
      bool drop = false;
      for (const std::string& alias : lowerAliases) drop = drop || key == alias;
      if (drop) continue;
    }
    content.append(line);
    content += "\r\n";
  }
  if (adding && !inserted) content += "[ConfigNames]\r\n" + aliasLines;

  // Replaced in one step: an interruption leaves the old file or the new one.
  const std::string temporary = aliasFile + ".Tmp";
  if (!files.WriteFile(temporary, content) || !files.ReplaceFile(temporary, aliasFile)) {
    if (files.FileSize(temporary) >= 0) (void)files.DeleteFile(temporary);
    core.log.StepLine(texts::kAliasWriteFailed);
    return 0;
  }
  return 1;
}

}  // namespace zebo
