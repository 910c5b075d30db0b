// The adaptation file's merge directives, and loading and saving the script source it adapts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "adaptation/adaptation_state.h"
#include "platform/files.h"

namespace zebo {

// Reads the directives of an adaptation file into `state` (directives, tag, file to adapt). With
// an empty content the file at `path` is read; otherwise `path` only names the include line.
// 0 only when the file had to be read and could not be opened.
[[nodiscard]] int ParseAdaptationFile(Files& files, AdaptationState& state, const std::string& path,
                                      std::string_view content);

// Reads the whole source into ScriptText (up to its first NUL byte). False, and ScriptText left
// as it was, when the file cannot be read.
[[nodiscard]] bool LoadScriptText(Files& files, AdaptationState& state, const std::string& path);

// The bytes SaveScriptText writes for a text: LF as CR LF, one of two final line feeds dropped.
std::string SavedScriptBytes(std::string_view text);

// Writes ScriptText to `path` (created or emptied) with CR LF line ends.
[[nodiscard]] bool SaveScriptText(Files& files, const AdaptationState& state,
                                  const std::string& path);

// Replaces the source at `path` in one step: ScriptText goes to `path` + ".Tmp", which is then
// renamed over the source, so an interruption leaves the old or the new source, never a part.
// The temporary file is removed again when anything fails.
[[nodiscard]] bool ReplaceScriptFile(Files& files, const AdaptationState& state,
                                     const std::string& path);

// What makes the parsed adaptation unusable before anything is changed: a tag that is empty or
// holds a bracket or a line break, or a directive text whose line could never be found again by
// the removal. One step-list line each; empty when all is well.
std::vector<std::string> AdaptationInputErrors(const AdaptationState& state);

}  // namespace zebo
