// Fuzzing the merge directive parser, from given text and from a file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "adaptation/directives.h"
#include "platform/fake/fake_files.h"

using namespace zebo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  fake::FakeFiles files;
  files.PutFile("C:\\S\\Fuzz.jss", input);
  AdaptationState fromText;
  AdaptationState fromFile;
  if (!ParseAdaptationFile(files, fromText, "C:\\S\\Fuzz.jss", input)) std::abort();
  if (!ParseAdaptationFile(files, fromFile, "C:\\S\\Fuzz.jss", "")) std::abort();
  for (const MergeDirective& d : fromText.MergeDirectives) {
    // Every record is one line of text; block records name their block.
    if (d.LineText.empty() || d.LineText.find_first_of("\r\n") != std::string::npos) std::abort();
    if ((d.DirectiveKind & 0xFF) != MergeFileLevel &&
        (d.BlockName.empty() || d.BlockName.find(' ') != std::string::npos)) {
      std::abort();
    }
  }
  // Up to the first NUL, reading the file gives what the text gives.
  if (input.find('\0') == std::string::npos &&
      (fromFile.AdaptationTag != fromText.AdaptationTag ||
       fromFile.MergeDirectives.size() != fromText.MergeDirectives.size())) {
    std::abort();
  }
  (void)AdaptationInputErrors(fromText);
  return 0;
}
