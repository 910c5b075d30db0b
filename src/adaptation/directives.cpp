// Parsing the merge directives of an adaptation file; loading and saving the adapted source.
#include "adaptation/directives.h"

#include <cstring>

#include "adaptation/adaptation_texts.h"
#include "adaptation/script_scan.h"
#include "core/cp1252.h"

namespace zebo {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && text[start] == ' ') ++start;
  while (end > start && text[end - 1] == ' ') --end;
  return text.substr(start, end - start);
}

std::string_view UpToNul(std::string_view text) {
  const size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::string IncludeLine(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  return "Include \"" + file + "\"";
}

void AddBlockDirective(AdaptationState& state, int32_t kind, std::string_view parameter) {
  const size_t space = parameter.find(' ');
  if (space == std::string_view::npos) return;  // a name without text adds nothing
  const std::string_view name = parameter.substr(0, space);
  const std::string_view text = TrimSpaces(parameter.substr(space + 1));
  if (name.empty() || text.empty()) return;
  state.MergeDirectives.push_back({kind, 0, std::string(name), std::string(text)});
}

void TreatLine(AdaptationState& state, const std::string& path, std::string_view line) {
  line = TrimSpaces(line);
  if (line.empty() || line[0] != ';') return;
  line = TrimSpaces(line.substr(1));
  const size_t space = line.find(' ');
  const std::string keyword = LowerCase(line.substr(0, space));
  const std::string_view parameter =
      space == std::string_view::npos ? std::string_view() : TrimSpaces(line.substr(space + 1));
  if (keyword == "merge_tag") {
    state.AdaptationTag = std::string(parameter);
  } else if (keyword == "merge_file") {
    state.FileToAdapt = std::string(parameter);
  } else if (keyword == "merge_addendfunction") {
    AddBlockDirective(state, MergeFunctionLevel, parameter);
  } else if (keyword == "merge_addendscript") {
    AddBlockDirective(state, MergeScriptLevel, parameter);
  } else if (keyword == "merge_replacefunction") {
    AddBlockDirective(state, MergeReplace | MergeFunctionLevel, parameter);
  } else if (keyword == "merge_replacescript") {
    AddBlockDirective(state, MergeReplace | MergeScriptLevel, parameter);
  } else if (keyword == "merge_addbegin" || keyword == "merge_addend") {
    const std::string text = parameter.empty() ? IncludeLine(path) : std::string(parameter);
    state.MergeDirectives.push_back(
        {MergeFileLevel, keyword == "merge_addbegin" ? 1 : 0, "", text});
  }
}

}  // namespace

int ParseAdaptationFile(Files& files, AdaptationState& state, const std::string& path,
                        std::string_view content) {
  state.MergeDirectives.clear();
  state.AdaptationTag.clear();
  state.FileToAdapt.clear();
  std::string read;
  content = UpToNul(content);
  if (content.empty()) {
    if (!ReadWholeFile(files, path, read)) {
      if (files.FileSize(path) < 0) return 0;  // a file that opened but failed part-way counts
    }
    // A NUL byte ends a line like a line end does; the line reader keeps no NUL.
    for (char& c : read) {
      if (c == '\0') c = '\n';
    }
    content = read;
  }
  size_t start = 0;
  for (size_t i = 0; i <= content.size(); ++i) {
    if (i == content.size() || content[i] == '\n' || content[i] == '\r') {
      TreatLine(state, path, content.substr(start, i - start));
      start = i + 1;
    }
  }
  return 1;
}

bool LoadScriptText(Files& files, AdaptationState& state, const std::string& path) {
  std::string text;
  if (!ReadWholeFile(files, path, text)) return false;
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  state.ScriptText = std::move(text);
  return true;
}

std::string SavedScriptBytes(std::string_view text) {
  if (text.size() >= 2 && text[text.size() - 1] == '\n' && text[text.size() - 2] == '\n') {
    text.remove_suffix(1);
  }
  std::string out;
  out.reserve(text.size() + text.size() / 16 + 16);
  size_t start = 0;
  while (start < text.size()) {
    const void* hit = std::memchr(text.data() + start, '\n', text.size() - start);
    if (!hit) {
      out.append(text.substr(start));
      break;
    }
    const size_t lf = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    out.append(text.substr(start, lf - start));
    out.append("\r\n");
    start = lf + 1;
  }
  return out;
}

bool SaveScriptText(Files& files, const AdaptationState& state, const std::string& path) {
  return files.WriteFile(path, SavedScriptBytes(state.ScriptText));
}

bool ReplaceScriptFile(Files& files, const AdaptationState& state, const std::string& path) {
  const std::string temporary = path + ".Tmp";
  if (SaveScriptText(files, state, temporary) && files.ReplaceFile(temporary, path)) return true;
  if (files.FileSize(temporary) >= 0) (void)files.DeleteFile(temporary);
  return false;
}

namespace {

// Whether the removal of this tag's adaptations leaves the line as it is: a line holding one of
// the tag's own marks in its comment (as "; [ ZeBoComment-<tag> ]" at its start) would be taken
// for a disabled line or an added one, and could not be taken out whole again.
bool SurvivesRemoval(const std::string& line, const std::string& tag) {
  AdaptationState probe;
  probe.ScriptText = line;
  RemoveAdaptations(probe, tag);
  return probe.ScriptText.size() == line.size() + 1 &&
         probe.ScriptText.compare(0, line.size(), line) == 0;
}

}  // namespace

std::vector<std::string> AdaptationInputErrors(const AdaptationState& state) {
  std::vector<std::string> errors;
  const std::string& tag = state.AdaptationTag;
  // A bracket would end the mark early (or let it pass for another tag's); a line break or a
  // final blank would keep the removal from ever recognising it.
  if (tag.empty() || tag.find_first_of("[]\r\n") != std::string::npos || tag.back() == ' ') {
    errors.emplace_back(texts::kBadTag);
  }
  for (const MergeDirective& directive : state.MergeDirectives) {
    if (LineLeavesOpen(directive.LineText)) {
      errors.push_back(texts::kOpenDirectiveText + directive.LineText);
    } else if (!SurvivesRemoval(directive.LineText, tag)) {
      errors.push_back(texts::kMarkedDirectiveText + directive.LineText);
    }
  }
  return errors;
}

}  // namespace zebo
