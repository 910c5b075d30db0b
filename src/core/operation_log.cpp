// The detailed log and the step list.
#include "core/operation_log.h"

namespace zebo {

std::vector<std::string> SplitAreaLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      size_t end = i;
      if (end > start && text[end - 1] == '\r') --end;
      lines.emplace_back(text.substr(start, end - start));
      start = i + 1;
    }
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

void OperationLog::LogLine(std::string_view text) {
  if (text.find('\n') == std::string_view::npos) {
    AppendDetailed(std::string(text));  // most lines: no need to split
    return;
  }
  for (auto& line : SplitAreaLines(text)) AppendDetailed(std::move(line));
}

void OperationLog::AppendDetailed(std::string line) {
  if (detailed_.size() >= kMaxDetailedLines) {
    detailed_.pop_front();
    if (view_) view_->FirstLineRemoved(LogSink::Detailed);
  }
  detailed_.push_back(std::move(line));
  if (view_) view_->LineAppended(LogSink::Detailed, detailed_.back());
}

void OperationLog::StepLine(std::string_view text) {
  for (auto& line : SplitAreaLines(text)) {
    steps_.push_back(std::move(line));
    if (view_) view_->LineAppended(LogSink::Steps, steps_.back());
  }
}

void OperationLog::ClearSteps() {
  steps_.clear();
  if (view_) view_->Cleared(LogSink::Steps);
}

}  // namespace zebo
