// The names the language list shows for JAWS language codes.
#pragma once

#include <string>

namespace zebo {

// "fra" -> "Français", "enu" -> "Américain", any other code in lower case.
std::string LanguageDisplayName(const std::string& code);
// The inverse for the two named languages; any other text unchanged.
std::string LanguageCode(const std::string& name);

}  // namespace zebo
