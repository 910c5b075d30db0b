// The text areas of the two logs follow the logs line by line.
#include "wizard/log_view.h"

#include "wizard/controls.h"

namespace zebo {

namespace {

int AreaOf(LogSink sink) {
  return sink == LogSink::Detailed ? LogEditorG : StepEditorG;
}

}  // namespace

void UiLogView::LineAppended(LogSink sink, const std::string& line) {
  ui_.AppendLine(AreaOf(sink), line);
}

void UiLogView::FirstLineRemoved(LogSink sink) {
  ui_.RemoveFirstLine(AreaOf(sink));
}

void UiLogView::Cleared(LogSink sink) {
  ui_.ClearLines(AreaOf(sink));
}

void AttachLogView(OperationLog& log, UiLogView& view, Ui& ui) {
  // Lines written before the window existed (the banner) must not be lost.
  ui.ClearLines(LogEditorG);
  for (const auto& line : log.Detailed()) ui.AppendLine(LogEditorG, line);
  ui.ClearLines(StepEditorG);
  for (const auto& line : log.Steps()) ui.AppendLine(StepEditorG, line);
  log.SetView(&view);
}

}  // namespace zebo
