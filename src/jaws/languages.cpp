// The two language names the program knows; every other language goes by its folder code.
#include "jaws/languages.h"

#include "core/cp1252.h"
#include "jaws/texts.h"

namespace zebo {

std::string LanguageDisplayName(std::string_view code) {
  const std::string lower = LowerCase(code);
  if (lower == "fra") return texts::kFrench;
  if (lower == "enu") return texts::kAmerican;
  return lower;
}

std::string LanguageCode(std::string_view name) {
  if (name == texts::kFrench) return "fra";
  if (name == texts::kAmerican) return "enu";
  return std::string(name);
}

}  // namespace zebo
