// Start-up in its fixed order; every path ends through ExitProgram.
#include "app/startup.h"

#include "app/wizard_startup.h"
#include "core/dates.h"
#include "core/fatal_error.h"
#include "jaws/jaws_startup.h"
#include "jaws/running_process.h"
#include "package/extraction.h"
#include "package/package_reader.h"

namespace zebo {

void RunProgram(App& app) {
  StartRuntime(app);
  EnsureSingleInstance(app);
  if (RefuseWhileScriptManagerRuns(app.core, app.jaws)) ExitProgram(app.core);
  ReadMainExe(app);
  BuildHiddenWindow(app);
  ReadWindowsLanguage(app.core, app.jaws);
  ReadPlaceholderFolders(app.core, app.jaws);
  BuildDestinationList(app.core, app.jaws, app.destinations);
  ReadPackage(app);
  MarkRunningJaws(app.core.platform.processes, app.jaws, app.destinations);
  LogInstalledJaws(app.core, app.destinations);
  PrepareWizard(app);
  PlayStartSoundStep(app);
  OpenWizard(app);
  RunWizard(app);
  app.core.platform.host.CloseMutex();
  ExitProgram(app.core);
}

void StartRuntime(App& app) {
  // The package, group, process and destination lists are the App's own, empty from its start.
  app.core.packageMarker = JoinPackageMarker();
}

void EnsureSingleInstance(App& app) {
  Host& host = app.core.platform.host;
  if (host.MutexExists(kInstanceName)) {
    // Only a copy that is still starting has this title; later it has the application's name.
    host.BringWindowForward(kInstanceName);
    ExitProgram(app.core);
  }
  if (!host.CreateMutex(kInstanceName)) ExitProgram(app.core);
}

void ReadMainExe(App& app) {
  app.core.mainExe = app.core.platform.host.ExecutablePath();
}

void ReadPackage(App& app) {
  if (!ScanPackage(app.core, app.package, app.core.mainExe)) {
    app.core.platform.ui.MessageBox("Erreur",
                                    "Les donn\xE9"
                                    "es du fichier d'installation sont \xE9rron\xE9"
                                    "es !",
                                    MessageButtons::Ok, MessageIcon::Error);
    ExitProgram(app.core);
  }
  LogPackageCreation(app.core, app.package.info);
}

void LogPackageCreation(Core& core, const PackageInfo& info) {
  core.log.LogLine("* Created on " + info.CreatedOn + FormatDate(" the %dd/%mm/%yyyy", info.Date));
}

void PlayStartSoundStep(App& app) {
  PlayStartSound(app.core, app.package);
}

}  // namespace zebo
