// Fuzzing removal and insertion on arbitrary sources with arbitrary directives. The input is the
// adaptation file, a NUL byte, then the script source.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "adaptation/directives.h"
#include "adaptation/insertion.h"
#include "adaptation/script_scan.h"
#include "platform/fake/fake_files.h"

using namespace zebo;

namespace {

std::string WithoutFinalLineEnds(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// One pass as the installer makes it: load (text up to a NUL), remove, insert, save.
std::string Pass(const AdaptationState& directives, const std::string& saved, bool apply,
                 AdaptationState& state) {
  state = directives;
  state.ScriptText = saved.substr(0, saved.find('\0'));
  RemoveAdaptations(state, state.AdaptationTag);
  if (apply) InsertAdaptations(state);
  return SavedScriptBytes(state.ScriptText);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  const std::string adaptation = input.substr(0, split);
  const std::string source = split == std::string::npos ? "" : input.substr(split + 1);

  fake::FakeFiles files;
  AdaptationState directives;
  (void)ParseAdaptationFile(files, directives, "C:\\S\\Fuzz.jss", adaptation);
  if (directives.AdaptationTag.empty()) directives.AdaptationTag = "Fuzz";

  AdaptationState state;
  const std::string prepared = Pass(directives, source, false, state);
  const std::string applied = Pass(directives, source, true, state);
  const bool clean = AdaptationInputErrors(directives).empty() && state.ConflictMessages.empty() &&
                     state.InlineInsertions == 0;
  // The source held no mark of the tag when the removal alone changes nothing but line ends.
  AdaptationState plain;
  plain.ScriptText = source.substr(0, source.find('\0'));
  RemoveAdaptations(plain, directives.AdaptationTag + "\x01unused");
  const bool unmarked = SavedScriptBytes(plain.ScriptText) == prepared;
  if (!clean || !unmarked) return 0;

  const std::string removed = Pass(directives, applied, false, state);
  if (WithoutFinalLineEnds(removed) != WithoutFinalLineEnds(prepared)) std::abort();
  bool appends = false;
  for (const MergeDirective& d : directives.MergeDirectives) {
    appends = appends || (d.DirectiveKind == MergeFileLevel && d.AtBegin == 0);
  }
  if (!appends && Pass(directives, applied, true, state) != applied) std::abort();
  return 0;
}
