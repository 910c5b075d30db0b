// The operation kinds: their item texts and flags.
#include "operations/operation_kinds.h"

#include "operations/operation_flags.h"

namespace zebo {

const char kInstallItem[] = "Installer les fichiers";
const char kInstallAfterBackupItem[] =
    "Installer les fichiers apr\xE8s la sauvegarde des anciens scrips";
const char kCopyItem[] = "Copier les fichiers dans un dossier";
const char kRemoveAdaptationsItem[] = "Retirer les adaptations des fichiers JSS";

std::vector<std::string> OperationItems(const PackageState& package) {
  std::vector<std::string> items = {kInstallItem, kInstallAfterBackupItem, kCopyItem};
  for (const auto& file : package.files) {
    if (file.Flags & FileAdaptation) {
      items.emplace_back(kRemoveAdaptationsItem);
      break;
    }
  }
  return items;
}

int32_t OperationFlagsFromText(const std::string& text) {
  // The kind follows the text, never the position, in this order of comparison.
  if (text == kCopyItem) return OpCopy;
  if (text == kInstallItem) return OpInstall;
  if (text == kInstallAfterBackupItem) return OpInstall | OpBackup;
  if (text == kRemoveAdaptationsItem) return OpRemoveAdaptations;
  return 0;
}

}  // namespace zebo
