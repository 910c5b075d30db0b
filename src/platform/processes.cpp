// The command line every backend builds for a started program.
#include "platform/processes.h"

namespace zebo {

std::string CommandLine(const std::string& program, const std::string& arguments) {
  std::string line = "\"" + program + "\"";
  if (!arguments.empty()) line += " " + arguments;
  return line;
}

}  // namespace zebo
