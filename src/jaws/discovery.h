// Discovery of the installed JAWS versions: the destination list and its folder helpers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/core.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"

namespace zebo {

// The text with "\" appended unless it already ends with one; an empty text gives "\".
std::string AddTrailingBackslash(std::string_view text);

// The decimal value of a version name before its first ".": leading blanks and tabs and one
// sign are skipped, the value stops at the first non-digit, no digit gives 0.
int32_t MajorVersionOf(std::string_view version);

// Each 3-character subfolder name of `folder` followed by "|", in the file system's order.
std::string ListLanguageFolders(Files& files, const std::string& folder);

// Empties the list and fills it with the settings folders of every registered JAWS version that
// hold a language folder, largest major version first. Returns the number of entries.
int DiscoverJawsTargets(Core& core, const JawsState& state, DestinationList& list);

// Appends the entry that lets the user choose any folder.
void AppendChosenFolderEntry(DestinationList& list);

}  // namespace zebo
