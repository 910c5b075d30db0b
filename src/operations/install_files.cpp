// The install and copy steps.
#include "operations/install_files.h"

#include "core/ensure_folders.h"
#include "operations/texts.h"
#include "package/extraction.h"

namespace zebo {
namespace {

std::string FolderPart(const std::string& path) {
  const size_t last = path.rfind('\\');
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

bool RenameAfterWrite(const RunContext& ctx) {
  return (ctx.package.info.Flags & InfoRenameAfterWrite) != 0;
}

}  // namespace

bool InstallFiles(RunContext& ctx, int32_t backup) {
  OperationLog& log = ctx.core.log;
  Files& files = ctx.core.platform.files;
  log.StepLine("");
  log.StepLine(backup ? "* Installer les fichiers apr\xE8s la sauvegarde des anciens scrips"
                      : "* Installer les fichiers");
  bool result = true;
  const std::string destination = ctx.Target().DestinationPath;
  const std::string backupRoot = destination + "Bak\\" + ctx.package.info.ScriptName + "\\";
  for (const FileListItem& item : ctx.items) {
    const PackageFile* file = ctx.FileOf(item);
    if (!file || file->Group != ctx.group) continue;
    const std::string firstLine = "- Fichier " + file->Name;
    std::string status;
    log.LogLine("- " + file->Name + " of Jaws " + ctx.GroupName());
    if (!IsSafeFileName(file->Name)) {
      log.StepLine(firstLine);
      log.StepLine(texts::kUnsafeName);
      if (item.checked) result = false;
      continue;
    }
    const std::string target = ctx.Resolve(file->TargetPath) + file->Name;
    if (backup && files.FileSize(target) >= 0) {
      const std::string backupPath =
          JoinFolder(backupRoot, ctx.RelativeFolder(file->TargetPath)) + file->Name;
      if (!EnsureFolders(files, backupPath)) {
        status = "! Le dossier de sauvegarde est inacc\xE9ssible\n";
      } else if (!files.CopyFile(target, backupPath, false)) {
        status =
            "! La sauvegarde a \xE9"
            "chou\xE9"
            "e\n";
      }
    }
    if (item.checked) {
      if (EnsureFolders(files, target)) {
        if (ExtractFile(ctx.core, ctx.package, target, false, RenameAfterWrite(ctx))) {
          status += " Install\xE9 avec succ\xE9s !";
        } else {
          status += "! Erreur durant l'installation fichier";
          result = false;
        }
      } else {
        status = texts::kFolderUnreachable + FolderPart(target);
        result = false;
      }
    } else {
      status = texts::kNotSelectedInstall;
    }
    log.StepLine(firstLine);
    log.StepLine(status);
  }
  return result;
}

bool CopyFiles(RunContext& ctx) {
  OperationLog& log = ctx.core.log;
  Files& files = ctx.core.platform.files;
  bool result = true;
  const PackageInfo& info = ctx.package.info;
  const std::string base = ctx.Target().DestinationPath + info.ApplicationName + " Scripts " +
                           info.ScriptVersion + "Jaws " + ctx.GroupName() + "\\";
  log.LogLine("* Copy file");
  log.LogLine("Base Folder " + base);
  log.StepLine("");
  log.StepLine("* Copier les fichiers dans un dossier");
  for (const FileListItem& item : ctx.items) {
    const PackageFile* file = ctx.FileOf(item);
    if (!file || file->Group != ctx.group) continue;
    log.StepLine("- Fichier " + file->Name);
    if (!item.checked) {
      log.StepLine(texts::kNotSelectedCopy);
      continue;
    }
    if (!IsSafeFileName(file->Name)) {
      log.StepLine(texts::kUnsafeName);
      result = false;
      continue;
    }
    const std::string target = JoinFolder(base, ctx.RelativeFolder(file->TargetPath)) + file->Name;
    if (!EnsureFolders(files, target)) {
      log.StepLine(texts::kFolderUnreachable + FolderPart(target));
      result = false;
    } else if (ExtractFile(ctx.core, ctx.package, target, false, RenameAfterWrite(ctx))) {
      log.StepLine(" Copi\xE9 avec succ\xE9s !");
    } else {
      log.StepLine("! Erreur durant la copie du fichier");
      result = false;
    }
  }
  return result;
}

}  // namespace zebo
