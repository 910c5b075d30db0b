// Language codes and their shown names.
#include "wizard/language_names.h"

#include "core/cp1252.h"

namespace zebo {

std::string LanguageDisplayName(const std::string& code) {
  const std::string lower = LowerCase(code);
  if (lower == "fra")
    return "Fran\xE7"
           "ais";
  if (lower == "enu") return "Am\xE9ricain";
  return lower;
}

std::string LanguageCode(const std::string& name) {
  if (name ==
      "Fran\xE7"
      "ais")
    return "fra";
  if (name == "Am\xE9ricain") return "enu";
  return name;
}

}  // namespace zebo
