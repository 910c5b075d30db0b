// The operation runner: the steps of the chosen kind in their fixed order, the outcome reported
// in a message box and in the step list, and the wizard frozen after the run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "operations/run_context.h"
#include "platform/ui.h"

namespace zebo {

// The file list control as the steps read it: item data and check mark, in display order.
std::vector<FileListItem> ReadFileList(Ui& ui);

// Runs the chains that `operationFlags` selects and returns the error summary: one line per
// failed chain, each ending with "\n"; empty when everything went through.
std::string RunOperationSteps(RunContext& ctx, int32_t operationFlags);

// The whole run as the run button starts it: the steps, then the close button, the outcome box
// and the final lines. Sets `operationsDone`. Returns the control that now has the focus (the
// close button after success, the step list after errors), which the caller records as the
// page's focus.
int RunOperations(RunContext& ctx, int32_t operationFlags, int32_t& operationsDone);

}  // namespace zebo
