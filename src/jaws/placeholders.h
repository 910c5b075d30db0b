// Path placeholders: the folders a package names by "%User%", "%JawsScriptPath%" and the like.
#pragma once

#include <string>
#include <string_view>

#include "core/core.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"

namespace zebo {

// Fills the six fixed placeholder folders from the shell's special folders.
void ComputePlaceholderFolders(Shell& shell, PlaceholderFolders& folders);

// Replaces the placeholder the text begins with (ignoring case and leading blanks), everywhere in
// the text, by its value without a trailing "\". "%JawsScriptPath%" is the current entry's
// DestinationPath. Only the first placeholder that matches is handled.
std::string ResolvePathPlaceholders(const JawsState& state, const DestinationList& list,
                                    std::string_view text);

// The folder under a copy folder for a file of this target folder: "%JawsScriptPath%" dropped,
// the rest resolved, a drive "C:" turned into "Disque C".
std::string CopyRelativeFolder(const JawsState& state, const DestinationList& list,
                               std::string_view text);

// The text without its last character when that is a "\".
std::string RemoveTrailingBackslash(std::string_view text);

}  // namespace zebo
