// The compilation pass over the run's script sources.
#include "operations/compile_scripts.h"

#include <algorithm>

#include "jaws/compiler.h"
#include "operations/texts.h"

namespace zebo {

bool CompileScripts(RunContext& ctx, int32_t /*afterRemoval*/) {
  OperationLog& log = ctx.core.log;
  std::vector<PackageFile> candidates;
  log.LogLine("* Search file to compile");
  for (const FileListItem& item : ctx.items) {
    const PackageFile* file = ctx.FileOf(item);
    if (!file || file->Group != ctx.group) continue;
    if (file->Flags & FileCompile) {
      candidates.push_back(*file);
    } else if (file->Flags & FileAdaptation) {
      candidates.push_back(*file);
      candidates.back().Name = "Default.Jss";
    } else {
      continue;
    }
    candidates.back().Selected = item.checked ? 1 : 0;
  }
  if (candidates.empty()) return true;
  log.StepLine("");
  log.StepLine("* Compilation de fichier JSS");
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const PackageFile& a, const PackageFile& b) { return a.CompileOrder < b.CompileOrder; });
  bool failed = false;
  for (const PackageFile& candidate : candidates) {
    log.StepLine("- Script " + candidate.Name);
    if (!candidate.Selected || (candidate.Flags & FileNoCompile) ||
        (candidate.Flags & FileNoAdapt)) {
      log.StepLine(
          " D\xE9s\xE9lectionn\xE9"
          "e par l'utilisateur");
      continue;
    }
    const std::string path = ctx.Resolve(candidate.TargetPath) + candidate.Name;
    if (!IsSafeFileName(candidate.Name) || ctx.core.platform.files.FileSize(path) < 0) {
      log.StepLine("! Le fichier est inacc\xE9ssible");
      failed = true;
    } else if (CompileScript(ctx.core, ctx.Target(), path)) {
      log.StepLine(texts::kCompileDone);
    } else {
      log.StepLine(texts::kCompileFailed);
      failed = true;
    }
  }
  return !failed;
}

}  // namespace zebo
