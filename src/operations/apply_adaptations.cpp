// The adaptation step and the sensitive-function warning.
#include "operations/apply_adaptations.h"

#include <algorithm>

#include "adaptation/adaptation_texts.h"
#include "adaptation/alias_update.h"
#include "adaptation/directives.h"
#include "adaptation/insertion.h"
#include "adaptation/script_scan.h"
#include "core/cp1252.h"
#include "jaws/compiler.h"
#include "operations/texts.h"
#include "package/extraction.h"

namespace zebo {
namespace {

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A tag the removal can find again: not empty, no bracket or line break, no final blank.
bool TagUsable(const std::string& tag) {
  return !tag.empty() && tag.find_first_of("[]\r\n") == std::string::npos && tag.back() != ' ';
}

BackupPlace BackupPlaceOf(const RunContext& ctx) {
  return {BackupFolderOf(ctx.Target().DestinationPath, ctx.package.info.ScriptName),
          ctx.jaws.folders.User, ctx.jaws.folders.AllUsers};
}

std::string FilePart(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The backup of a settings file reports its trouble to the detailed log only; the user is told
// here when the copy that would let them go back is missing or differs from the file as it was.
void ReportFailedBackup(RunContext& ctx, const std::string& path, const std::string& before) {
  std::string copy;
  const std::string backup = BackupPlaceOf(ctx).backupFolder + FilePart(path);
  if (!ReadWholeFile(ctx.core.platform.files, backup, copy) || copy != before) {
    ctx.core.log.StepLine(texts::kBackupFailed + FilePart(path));
  }
}

}  // namespace

bool ApplyAdaptations(RunContext& ctx, int32_t removeOnly) {
  OperationLog& log = ctx.core.log;
  Files& files = ctx.core.platform.files;
  AdaptationState& state = ctx.adaptation;
  log.LogLine("* Search Merge Default.Jss");
  for (const FileListItem& item : ctx.items) {
    const PackageFile* file = ctx.FileOf(item);
    if (!file || file->Group != ctx.group || !(file->Flags & FileAdaptation)) continue;
    const std::string folder = ctx.Resolve(file->TargetPath);
    const std::string mergeFile = folder + file->Name;
    log.StepLine("- Fichier d'adaptation " + file->Name);
    log.LogLine("- MergeFile " + mergeFile);
    if (!item.checked || (file->Flags & FileNoAdapt)) {
      log.StepLine(" Fichier d\xE9s\xE9lectionn\xE9 par l'utilisateur");
      continue;
    }
    if (!IsSafeFileName(file->Name) || !ParseAdaptationFile(files, state, mergeFile, {})) {
      log.StepLine("! Le fichier d'adaptation n'est pas acc\xE9ssible !");
      return false;
    }
    log.LogLine("- FileToAdapt " + state.FileToAdapt);
    log.StepLine(" Nom du fichier \xE0 adapter : " + state.FileToAdapt);
    log.StepLine(" Tatouage des adaptations : " + state.AdaptationTag);
    if (state.FileToAdapt.empty()) {
      log.StepLine("! Le nom du fichier \xE0 adapter n'est pas correct");
      return false;
    }
    if (!TagUsable(state.AdaptationTag)) {
      log.StepLine(texts::kBadTag);
      return false;
    }
    const std::string source = folder + state.FileToAdapt;
    state.FileToAdapt = source;
    if (!removeOnly) {
      const std::vector<std::string> errors = AdaptationInputErrors(state);
      if (!errors.empty()) {
        for (const std::string& error : errors) log.StepLine(error);
        return false;
      }
      std::string before;
      const bool existed = ReadWholeFile(files, source, before);
      (void)BackupFile(ctx.core, BackupPlaceOf(ctx), source);
      if (existed) ReportFailedBackup(ctx, source, before);
      if (!LoadScriptText(files, state, source)) {
        log.StepLine("! Erreur durant le chargement");
        return false;
      }
      RemoveAdaptations(state, state.AdaptationTag);
      InsertAdaptations(state);
      if (!state.ConflictMessages.empty()) {
        std::string conflicts = state.ConflictMessages;
        while (!conflicts.empty() && (conflicts.back() == '\n' || conflicts.back() == '\r')) {
          conflicts.pop_back();
        }
        log.StepLine(conflicts);
        return false;
      }
      log.StepLine(" L'adaptation a \xE9t\xE9 effectu\xE9 avec succ\xE9s !");
    } else {
      if (!LoadScriptText(files, state, source)) {
        log.StepLine("! Info, le fichier n'est pas acc\xE9ssible !");
        continue;
      }
      RemoveAdaptations(state, state.AdaptationTag);
      log.StepLine(" L'adaptation a \xE9t\xE9 retir\xE9 avec succ\xE9s !");
    }
    // The source changes only by one replacing rename of the complete new text, so an
    // interruption leaves either the old or the new source, never a part of one.
    if (!ReplaceScriptFile(files, state, source)) {
      log.StepLine("! Erreur durant l'enregistrement");
      return false;
    }
    log.StepLine(" Fichier enregistr\xE9 !");
    if (!CompileScript(ctx.core, ctx.Target(), source)) {
      log.StepLine(texts::kCompileFailed);
      return false;
    }
    log.StepLine(texts::kCompileDone);
  }
  return true;
}

bool UpdateAliases(RunContext& ctx, int32_t remove) {
  const std::string aliasFile = ctx.Resolve(ctx.Target().DestinationPath) + "ConfigNames.Ini";
  std::string before;
  const bool backedUp = !TrimBlanks(ctx.aliasText).empty() &&
                        ReadWholeFile(ctx.core.platform.files, aliasFile, before);
  const int result = AliasUpdate(ctx.core, remove, aliasFile, ctx.aliasText,
                                 ctx.package.info.ScriptName, BackupPlaceOf(ctx));
  if (backedUp) ReportFailedBackup(ctx, aliasFile, before);
  return result != 0;
}

void CheckSensitiveFunctions(RunContext& ctx) {
  OperationLog& log = ctx.core.log;
  bool found = false;
  for (const FileListItem& item : ctx.items) {
    const PackageFile* file = ctx.FileOf(item);
    if (!file || file->Group != ctx.group || !item.checked || !(file->Flags & FileAdaptation)) {
      continue;
    }
    if (!ExtractFile(ctx.core, ctx.package, "", true, false)) continue;
    const size_t size =
        std::min(static_cast<size_t>(std::max(file->Size, 0)), ctx.package.fileBuffer.size());
    std::string text(reinterpret_cast<const char*>(ctx.package.fileBuffer.data()), size);
    text = text.substr(0, text.find('\0'));
    (void)ParseAdaptationFile(ctx.core.platform.files, ctx.adaptation, "", text);
    std::string report;
    for (const MergeDirective& directive : ctx.adaptation.MergeDirectives) {
      if (directive.DirectiveKind == 1 &&
          LowerCase(TrimBlanks(directive.BlockName)) == "keypressedevent") {
        report += "Function KeyPressedEvent\n";
      }
    }
    if (report.empty()) continue;
    log.StepLine("");
    log.StepLine(
        "- Adaptation de fonctions sensible \xE0 la s\xE9"
        "curit\xE9 par " +
        file->Name);
    report.pop_back();  // one entry of lines: no empty line after the last one
    log.StepLine(report);
    found = true;
  }
  if (found) {
    ctx.core.platform.ui.MessageBox("Attention",
                                    "Detection de l'utilisation de fonction sensible \xE0 la s\xE9"
                                    "curit\xE9.\n"
                                    "Etes-vous sur de l'int\xE9grit\xE9 de ces scripts ?",
                                    MessageButtons::Ok, MessageIcon::Warning);
  }
}

}  // namespace zebo
