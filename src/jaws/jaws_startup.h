// The start-up steps of the JAWS environment, in the order start-up calls them.
#pragma once

#include "core/core.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"

namespace zebo {

// True when the JAWS script manager runs: the user has been told to close it and the program
// must end. Nothing is logged.
[[nodiscard]] bool RefuseWhileScriptManagerRuns(Core& core, JawsState& state);

// Reads the Windows display language ("fra" when unknown) and logs it.
void ReadWindowsLanguage(Core& core, JawsState& state);

// The fixed placeholder folders from the shell.
void ReadPlaceholderFolders(Core& core, JawsState& state);

// Discovery, then the chosen-folder entry at the end.
void BuildDestinationList(Core& core, const JawsState& state, DestinationList& list);

// The discovery report: every user-settings entry with its languages and folders.
void LogInstalledJaws(Core& core, const DestinationList& list);

}  // namespace zebo
