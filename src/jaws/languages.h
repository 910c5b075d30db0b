// The names the destination page shows for JAWS language folders, and back.
#pragma once

#include <string>
#include <string_view>

namespace zebo {

// "fra" shows as "Français", "enu" as "Américain", any other code as itself in lower case.
std::string LanguageDisplayName(std::string_view code);
// The folder code of a shown name; the comparison is exact, other texts come back unchanged.
std::string LanguageCode(std::string_view name);

}  // namespace zebo
