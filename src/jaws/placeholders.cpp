// Turning a package's target folder into a real folder, or into a folder relative to a copy.
#include "jaws/placeholders.h"

#include "core/cp1252.h"

namespace zebo {
namespace {

constexpr const char* kJawsAppData = "Freedom Scientific\\JAWS\\";

// Every occurrence of `placeholder` (lower case) in `text`, ignoring case, replaced by `value`.
// LowerCase keeps every byte in place, so positions in the lower-cased copy are those of the text.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view placeholder,
                                std::string_view value) {
  const std::string lower = LowerCase(text);
  std::string out;
  size_t from = 0;
  for (size_t at = lower.find(placeholder); at != std::string::npos;
       at = lower.find(placeholder, from)) {
    out.append(text.substr(from, at - from));
    out.append(value);
    from = at + placeholder.size();
  }
  out.append(text.substr(from));
  return out;
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void ComputePlaceholderFolders(Shell& shell, PlaceholderFolders& folders) {
  folders.UserAppData = shell.SpecialFolderPath(SpecialFolder::UserAppData);
  folders.AllUsersAppData = shell.SpecialFolderPath(SpecialFolder::AllUsersAppData);
  folders.UserHome = shell.SpecialFolderPath(SpecialFolder::Profile);
  folders.MyDoc = shell.SpecialFolderPath(SpecialFolder::Documents);
  folders.User = folders.UserAppData + kJawsAppData;
  folders.AllUsers = folders.AllUsersAppData + kJawsAppData;
}

std::string ResolvePathPlaceholders(const JawsState& state, const DestinationList& list,
                                    std::string_view text) {
  const PlaceholderFolders& f = state.folders;
  const std::string current =
      list.current < list.entries.size() ? list.entries[list.current].DestinationPath : "";
  const struct {
    const char* name;
    const std::string& value;
  } placeholders[] = {{"%user%", f.User},
                      {"%allusers%", f.AllUsers},
                      {"%userappdata%", f.UserAppData},
                      {"%allusersappdata%", f.AllUsersAppData},
                      {"%userhome%", f.UserHome},
                      {"%mydoc%", f.MyDoc},
                      {"%jawsscriptpath%", current}};
  const std::string compared = TrimBlanks(LowerCase(text));
  for (const auto& p : placeholders) {
    if (compared.starts_with(p.name)) {
      return ReplaceIgnoringCase(text, p.name, RemoveTrailingBackslash(p.value));
    }
  }
  return std::string(text);
}

std::string CopyRelativeFolder(const JawsState& state, const DestinationList& list,
                               std::string_view text) {
  std::string folder =
      ResolvePathPlaceholders(state, list, ReplaceIgnoringCase(text, "%jawsscriptpath%", ""));
  const size_t colon = folder.find(':');
  if (colon == std::string::npos) return folder;
  const size_t second = folder.find(':', colon + 1);
  return "Disque " + folder.substr(0, colon) +
         folder.substr(colon + 1,
                       second == std::string::npos ? std::string::npos : second - colon - 1);
}

std::string RemoveTrailingBackslash(std::string_view text) {
  if (!text.empty() && text.back() == '\\') text.remove_suffix(1);
  return std::string(text);
}

}  // namespace zebo
