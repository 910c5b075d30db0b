// The JAWS environment's part of start-up: refusal, Windows language, folders, discovery, report.
#include "jaws/jaws_startup.h"

#include "core/cp1252.h"
#include "jaws/discovery.h"
#include "jaws/placeholders.h"
#include "jaws/running_process.h"
#include "jaws/texts.h"

namespace zebo {

bool RefuseWhileScriptManagerRuns(Core& core, JawsState& state) {
  if (FindProcess(core.platform.processes, state, "JScript.exe") == 0) return false;
  core.platform.ui.MessageBox(texts::kScriptManagerTitle, texts::kCloseScriptManager,
                              MessageButtons::Ok, MessageIcon::Information);
  return true;
}

void ReadWindowsLanguage(Core& core, JawsState& state) {
  state.WindowsLanguage = LowerCase(core.platform.registry.ReadString(
      RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage"));
  if (state.WindowsLanguage.empty()) state.WindowsLanguage = "fra";
  core.log.LogLine("Lang of Windows = " + state.WindowsLanguage);
  core.log.LogLine("");
}

void ReadPlaceholderFolders(Core& core, JawsState& state) {
  ComputePlaceholderFolders(core.platform.shell, state.folders);
}

void BuildDestinationList(Core& core, const JawsState& state, DestinationList& list) {
  DiscoverJawsTargets(core, state, list);
  AppendChosenFolderEntry(list);
}

void LogInstalledJaws(Core& core, const DestinationList& list) {
  core.log.LogLine("* Enumerate Jaws Version installed : ");
  for (const auto& entry : list.entries) {
    if (entry.Kind != UserSettings) continue;
    core.log.LogLine(entry.Label + " with lang=" + entry.Languages);
    core.log.LogLine(" Script Base Path = " + entry.ScriptBasePath);
    core.log.LogLine(" Install Path = " + entry.InstallPath);
    core.log.LogLine(" RunTime Path = " + entry.RunTimePath);
    core.log.LogLine("");
  }
}

}  // namespace zebo
