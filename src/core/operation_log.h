// The two line sinks every step writes to: the detailed log (technical, at most 1001 lines) and
// the step list (the user's account of a run). Lines are kept here; a view mirrors them on screen.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace zebo {

enum class LogSink { Detailed, Steps };

// Mirrors the sinks into the window's text areas.
class LogView {
 public:
  virtual ~LogView() = default;
  virtual void LineAppended(LogSink sink, const std::string& line) = 0;
  virtual void FirstLineRemoved(LogSink sink) = 0;
  virtual void Cleared(LogSink sink) = 0;
};

class OperationLog {
 public:
  static constexpr size_t kMaxDetailedLines = 1001;

  // Appends to the detailed log; a text holding line breaks adds one line per piece.
  void LogLine(std::string_view text);
  // Appends to the step list, likewise.
  void StepLine(std::string_view text);
  void ClearSteps();

  const std::deque<std::string>& Detailed() const { return detailed_; }
  const std::vector<std::string>& Steps() const { return steps_; }
  void SetView(LogView* view) { view_ = view; }

 private:
  void AppendDetailed(std::string line);

  std::deque<std::string> detailed_;
  std::vector<std::string> steps_;
  LogView* view_ = nullptr;
};

// Splits a text at "\r\n" and "\n" the way a text area shows it: "a\r\n" is "a" and "".
std::vector<std::string> SplitAreaLines(std::string_view text);

}  // namespace zebo
