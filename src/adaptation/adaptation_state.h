// The adaptation engine's working data: the directives of the adaptation file being handled, the
// script source it changes, the scan copy of that source and the state of the last insertion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zebo {

// DirectiveKind: the low byte names the level aimed at; the replacement bit is added to it.
constexpr int32_t MergeFunctionLevel = 1;
constexpr int32_t MergeFileLevel = 2;
constexpr int32_t MergeScriptLevel = 3;
constexpr int32_t MergeReplace = 0x200;

struct MergeDirective {
  int32_t DirectiveKind = 0;
  int32_t AtBegin = 0;
  std::string BlockName;  // as written, case kept; empty for the whole-file directives
  std::string LineText;   // one line, without a line end
};

struct AdaptationState {
  std::vector<MergeDirective> MergeDirectives;
  std::string AdaptationTag;
  std::string FileToAdapt;
  std::string ScriptText;   // the source being adapted; LF line ends once prepared by the removal
  std::string ScanText;     // lower case, tabs as blanks, comments and strings blanked
  std::string InsertMark;   // " ; [ ZeBo-<tag> ]": ends every inserted line, before its line end
  std::string DisableMark;  // "; [ ZeBoComment-<tag> ]": starts each disabled line
  int64_t InsertShift = 0;  // characters inserted so far by the insertion
  std::string ConflictMessages;  // one line each; not empty means the adaptation failed
  int32_t InlineInsertions = 0;  // insertions that had to start a new line inside a source line
};

}  // namespace zebo
