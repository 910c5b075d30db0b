// Inserting an adaptation's lines into the prepared source: block recognition on the scan copy,
// added lines at block ends and at the start and end of the source, replaced blocks disabled.
#pragma once

#include <string>
#include <string_view>

#include "adaptation/adaptation_state.h"

namespace zebo {

// Inserts the lines of every directive under AdaptationTag, disables replaced blocks and fills
// ConflictMessages. Requires RemoveAdaptations to have prepared ScriptText and ScanText.
void InsertAdaptations(AdaptationState& state);

// The lines contributed by the directives whose BlockName equals `name` (case ignored), whose
// kind has `level` as its low byte and whose AtBegin equals `atBegin`: each LineText followed by
// the insertion mark of AdaptationTag and a line feed, in list order.
std::string CollectDirectiveText(const AdaptationState& state, std::string_view name, int32_t level,
                                 int32_t atBegin);

// True when a directive replaces the block `name` with exactly this kind and the header line
// carries no other adaptation's disable mark; on such a mark a conflict line is added to
// ConflictMessages and the result is false.
[[nodiscard]] bool CheckBlockReplacement(AdaptationState& state, std::string_view name,
                                         int32_t kind, std::string_view headerLine);

}  // namespace zebo
