// The operation runner: the steps of the chosen kind in their fixed order, the outcome reported
// in a message box and in the step list, and the wizard frozen after the run.
#pragma once

#include <cstdint>
#include <string>

#include "operations/run_context.h"

namespace zebo {

// The controls of the window around a run, named by the window that shows it: the runner turns
// the cancel button into a close button, freezes the navigation and puts the focus where the
// outcome is to be read.
struct RunControls {
  int nextButton = 0;
  int previousButton = 0;
  int runButton = 0;
  int cancelButton = 0;  // reads "Fermer" from the start of the run
  int stepList = 0;      // takes the focus after errors
};

// Runs the chains that `operationFlags` selects and returns the error summary: one line per
// failed chain, each ending with "\n"; empty when everything went through.
std::string RunOperationSteps(RunContext& ctx, int32_t operationFlags);

// The whole run as the run button starts it: the steps, then the close button, the outcome box
// and the final lines. Sets `operationsDone`. Returns the control that now has the focus (the
// close button after success, the step list after errors), which the caller records as the
// page's focus.
int RunOperations(RunContext& ctx, const RunControls& controls, int32_t operationFlags,
                  int32_t& operationsDone);

}  // namespace zebo
