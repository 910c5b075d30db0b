// The operation page's list, the kind it selects, and the summary of the planned run.
#include "operations/operation_kinds.h"
#include "operations/plan_texts.h"
#include "wizard/controls.h"
#include "wizard/pages.h"

namespace zebo {

void FillOperationList(Wizard& w) {
  Ui& ui = w.ui();
  ui.ClearItems(OperationListG);
  const auto items = OperationItems(w.package);
  for (size_t i = 0; i < items.size(); ++i) {
    ui.AddItem(OperationListG, items[i], static_cast<int>(i));
  }
  ui.SelectItem(OperationListG, kInitialOperationItem);
}

void ReadOperationKind(Wizard& w) {
  w.operationFlags = OperationFlagsFromText(w.ui().Text(OperationListG));
}

int WriteSummary(Wizard& w) {
  static const JawsTarget kNoTarget;
  const JawsTarget* target = w.currentTarget();
  const std::string group = w.currentGroupName();
  const std::string operation = w.ui().Text(OperationListG);
  w.core.log.ClearSteps();
  for (const auto& line :
       SummaryLines({w.package.info, group, target ? *target : kNoTarget, operation})) {
    w.core.log.StepLine(line);
  }
  w.ui().SetCaretToStart(StepEditorG);
  return 1;
}

}  // namespace zebo
