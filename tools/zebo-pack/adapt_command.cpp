// `zebo-pack adapt`: applies or removes one adaptation file on a script source the way an
// installation does, so an author can see beforehand what happens to Default.jss.
#include "tools/zebo-pack/adapt_command.h"

#include <cstdio>

#include "adaptation/directives.h"
#include "adaptation/insertion.h"
#include "adaptation/script_scan.h"
#include "core/cp1252.h"

namespace zebo::pack {
namespace {

constexpr char kUsage[] =
    "usage: zebo-pack adapt apply|remove ADAPTATION SOURCE [-o OUT]\n"
    "  apply   remove the adaptation's earlier changes from SOURCE, then make them anew\n"
    "  remove  only remove them\n"
    "  -o OUT  write the result to OUT; without it SOURCE is replaced\n"
    "Lines end with CR LF, as the installer writes them. Conflicts leave SOURCE untouched.\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "zebo-pack adapt: %s\n%s", message.c_str(), kUsage);
  return 2;
}

int Failure(const std::string& message) {
  std::fprintf(stderr, "zebo-pack adapt: %s\n", message.c_str());
  return 1;
}

// The engine's own lines are Windows-1252; the terminal gets UTF-8.
void PrintLines(std::FILE* stream, const std::string& text) {
  std::string out = Cp1252ToUtf8(text);
  if (!out.empty() && out.back() != '\n') out += '\n';
  std::fputs(out.c_str(), stream);
}

}  // namespace

int RunAdaptCommand(Files& files, const std::vector<std::string>& args) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args.empty()) return UsageError("missing apply or remove");
  const std::string& mode = args[0];
  if (mode != "apply" && mode != "remove") return UsageError("unknown mode '" + mode + "'");
  std::vector<std::string> paths;
  std::string out;
  bool hasOut = false;
  for (size_t k = 1; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg == "-o" || arg == "--output") {
      if (hasOut) return UsageError("-o given twice");
      if (k + 1 >= args.size() || args[k + 1].empty()) return UsageError("-o needs a file name");
      out = args[++k];
      hasOut = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option '" + arg + "'");
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2) return UsageError("expected ADAPTATION and SOURCE");
  const std::string& adaptation = paths[0];
  const std::string& source = paths[1];

  AdaptationState state;
  if (!ParseAdaptationFile(files, state, adaptation, "")) {
    return Failure("cannot read the adaptation file " + adaptation);
  }
  if (state.FileToAdapt.empty()) {
    PrintLines(stderr, "! Le nom du fichier \xE0 adapter n'est pas correct");
    return Failure(adaptation + " has no merge_file line");
  }
  const std::vector<std::string> errors = AdaptationInputErrors(state);
  if (!errors.empty()) {
    for (const std::string& line : errors) PrintLines(stderr, line);
    return Failure("the adaptation file " + adaptation + " is refused");
  }
  if (!LoadScriptText(files, state, source)) return Failure("cannot read the source " + source);
  RemoveAdaptations(state, state.AdaptationTag);
  if (mode == "apply") {
    InsertAdaptations(state);
    if (!state.ConflictMessages.empty()) {
      PrintLines(stderr, state.ConflictMessages);
      return Failure("conflicts: " + source + " is left as it was");
    }
  }
  const std::string& target = hasOut ? out : source;
  if (!ReplaceScriptFile(files, state, target)) return Failure("cannot write " + target);
  std::printf("%s %s: tag %s, %s\n", mode == "apply" ? "applied" : "removed", adaptation.c_str(),
              Cp1252ToUtf8(state.AdaptationTag).c_str(), target.c_str());
  if (state.InlineInsertions > 0) {
    std::printf(
        "note: %d insertion(s) fell inside a line; each starts a new line there, which stays "
        "when the adaptation is removed\n",
        static_cast<int>(state.InlineInsertions));
  }
  return 0;
}

}  // namespace zebo::pack
