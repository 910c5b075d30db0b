// The operation runner.
#include "operations/run_operations.h"

#include "jaws/restart.h"
#include "operations/apply_adaptations.h"
#include "operations/compile_scripts.h"
#include "operations/install_files.h"
#include "operations/operation_flags.h"
#include "platform/ui.h"

namespace zebo {
namespace {

constexpr char kReloadFailed[] = "- Erreur durant le rechargement des scripts par JAWS !\n";
constexpr char kCompileFailed[] = "- Erreur durant la compilation des scripts !\n";

}  // namespace

std::string RunOperationSteps(RunContext& ctx, int32_t operationFlags) {
  std::string summary;
  if (operationFlags & OpCopy) {
    if (!CopyFiles(ctx)) summary += "- Erreur durant la copie des fichiers !\n";
  }
  if (operationFlags & OpInstall) {
    if (!InstallFiles(ctx, operationFlags & OpBackup)) {
      summary += "- Erreur durant l'installation des fichiers !\n";
    } else if (!ApplyAdaptations(ctx, 0)) {
      summary += "- Ereur durant l'adaptation du fichier !\n";
    } else if (!CompileScripts(ctx, 0)) {
      summary += kCompileFailed;
    } else if (!UpdateAliases(ctx, 0)) {
      summary += "- Erreur durant la mise \xE0 jour des alias dans le fichier ConfigName.ini !\n";
    } else if (!EndOfRunPrompt(ctx.core, ctx.Target(), ctx.restartJaws)) {
      summary += kReloadFailed;
    }
  }
  if (operationFlags & OpRemoveAdaptations) {
    if (!ApplyAdaptations(ctx, 1)) {
      summary += "- Erreur durant le retrait des commande d'adaptation !\n";
    } else if (!CompileScripts(ctx, 1)) {
      summary += kCompileFailed;
    } else if (!UpdateAliases(ctx, 1)) {
      summary += "- Erreur durant le retrait des alias du fichier ConfiName.ini!\n";
    } else if (!EndOfRunPrompt(ctx.core, ctx.Target(), ctx.restartJaws)) {
      summary += kReloadFailed;
    }
  }
  return summary;
}

int RunOperations(RunContext& ctx, const RunControls& controls, int32_t operationFlags,
                  int32_t& operationsDone) {
  OperationLog& log = ctx.core.log;
  Ui& ui = ctx.core.platform.ui;
  log.StepLine("");
  log.StepLine(
      "*** D\xE9"
      "but des op\xE9rations ");
  ui.SetText(controls.cancelButton, "Fermer");
  log.LogLine("");
  log.LogLine("*** Begin of process");

  const std::string summary = RunOperationSteps(ctx, operationFlags);

  operationsDone = 1;
  ui.SetEnabled(controls.nextButton, false);
  ui.SetEnabled(controls.previousButton, false);
  ui.SetEnabled(controls.runButton, false);
  ui.SetEnabled(controls.cancelButton, true);
  log.StepLine("");
  int focus = controls.cancelButton;
  if (summary.empty()) {
    ui.MessageBox("Info",
                  "Toutes les op\xE9rations ont \xE9t\xE9 \xE9"
                  "ffectu\xE9 avec succ\xE9s !",
                  MessageButtons::Ok, MessageIcon::Information);
    log.StepLine(
        "Toutes les op\xE9rations se sont termin\xE9"
        "es avec succ\xE9s ! ");
  } else {
    ui.MessageBox("Erreur",
                  "Des erreurs se sont produites : \n" + summary +
                      "Les scripts risquent de ne pas fonctionner correctement.",
                  MessageButtons::Ok, MessageIcon::Error);
    log.StepLine("Des erreurs se sont produites durant les op\xE9rations !");
    focus = controls.stepList;
  }
  ui.SetFocus(focus);
  return focus;
}

}  // namespace zebo
