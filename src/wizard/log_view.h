// Mirrors the detailed log and the step list into their text areas on the log and last pages.
#pragma once

#include "core/operation_log.h"
#include "platform/ui.h"

namespace zebo {

class UiLogView : public LogView {
 public:
  explicit UiLogView(Ui& ui) : ui_(ui) {}
  void LineAppended(LogSink sink, const std::string& line) override;
  void FirstLineRemoved(LogSink sink) override;
  void Cleared(LogSink sink) override;

 private:
  Ui& ui_;
};

// Shows in the text areas what the logs already hold, then keeps them in step.
void AttachLogView(OperationLog& log, UiLogView& view, Ui& ui);

}  // namespace zebo
