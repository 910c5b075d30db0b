// The install and copy steps, and folder creation along a path.
#include "operations/install_files.h"

#include <gtest/gtest.h>

#include "core/ensure_folders.h"
#include "operations/operation_flags.h"
#include "tests/unit/operations_fixture.h"

namespace zebo {
namespace {

using testing::kSettings;
using testing::OperationsFixture;
using Lines = std::vector<std::string>;

TEST(EnsureFolders, CreatesOnlyWhatIsMissing) {
  fake::FakeFiles files;
  files.PutFolder("C:\\A");
  files.PutFile("C:\\A\\file", "x");
  EXPECT_TRUE(EnsureFolders(files, "C:\\A\\name.jss"));
  EXPECT_TRUE(files.Journal().empty());
  EXPECT_TRUE(EnsureFolders(files, "C:\\A\\B\\C/name.jss"));
  EXPECT_TRUE(files.FolderExists("C:\\A\\B\\C"));
  EXPECT_EQ(files.Journal().size(), 2u);
  // A component that is a file, a missing drive.
  EXPECT_FALSE(EnsureFolders(files, "C:\\A\\file\\name.jss"));
  EXPECT_FALSE(EnsureFolders(files, "Q:\\new\\name.jss"));
  EXPECT_TRUE(EnsureFolders(files, "name.jss"));  // the current folder
}

TEST(InstallFiles, BacksUpEveryExistingFileAndInstallsTheCheckedOnes) {
  OperationsFixture f;
  f.fp.files.PutFile(std::string(kSettings) + "a.jss", "old a");
  f.fp.files.PutFile(std::string(kSettings) + "b.jss", "old b");
  f.AddFile("a.jss", "new a");
  f.AddFile("b.jss", "new b", FileOptional, /*checked=*/false);
  f.AddFile("c.jss", "new c", 0, true, 0, 0, "%JawsScriptPath%\\sub\\");
  f.AddFile("other.jss", "other group", 0, true, /*group=*/1);

  EXPECT_TRUE(InstallFiles(f.ctx, OpBackup));
  EXPECT_EQ(f.Steps(),
            (Lines{"", "* Installer les fichiers apr\xE8s la sauvegarde des anciens scrips",
                   "- Fichier a.jss", " Install\xE9 avec succ\xE9s !", "- Fichier b.jss",
                   " Non s\xE9l\xE9"
                   "ctionn\xE9 !",
                   "- Fichier c.jss", " Install\xE9 avec succ\xE9s !"}));
  EXPECT_EQ(*f.File("a.jss"), "new a");
  EXPECT_EQ(*f.File("b.jss"), "old b");
  EXPECT_EQ(*f.File("sub\\c.jss"), "new c");
  EXPECT_EQ(*f.File("Bak\\Bloc\\a.jss"), "old a");
  EXPECT_EQ(*f.File("Bak\\Bloc\\b.jss"), "old b");
  EXPECT_EQ(f.File("Bak\\Bloc\\sub\\c.jss"), nullptr);
  EXPECT_EQ(f.File("other.jss"), nullptr);
  EXPECT_EQ(f.core.log.Detailed().front(), "- a.jss of Jaws 2019");
}

TEST(InstallFiles, AFailedBackupIsReportedButDoesNotStopTheInstall) {
  OperationsFixture f;
  f.fp.files.PutFile(std::string(kSettings) + "a.jss", "old a");
  f.AddFile("a.jss", "new a");
  f.fp.files.FailWhen([](fake::FileOp op, const std::string&) { return op == fake::FileOp::Copy; });
  EXPECT_TRUE(InstallFiles(f.ctx, OpBackup));
  EXPECT_EQ(Lines(f.Steps().begin() + 2, f.Steps().end()),
            (Lines{"- Fichier a.jss",
                   "! La sauvegarde a \xE9"
                   "chou\xE9"
                   "e",
                   " Install\xE9 avec succ\xE9s !"}));
  EXPECT_EQ(*f.File("a.jss"), "new a");
}

TEST(InstallFiles, AnUnreachableDestinationFailsEveryCheckedFile) {
  OperationsFixture f;
  f.destinations.entries[0].DestinationPath = "Q:\\Settings\\";
  f.AddFile("a.jss", "a");
  f.AddFile("b.jss", "b", 0, false);
  EXPECT_FALSE(InstallFiles(f.ctx, 0));
  EXPECT_EQ(f.Steps(),
            (Lines{"", "* Installer les fichiers", "- Fichier a.jss",
                   " Dossier de destination inacc\xE9ssible !", "Q:\\Settings\\", "- Fichier b.jss",
                   " Non s\xE9l\xE9"
                   "ctionn\xE9 !"}));
}

TEST(InstallFiles, AWriteThatFailsIsReportedAndTheOthersGoOn) {
  OperationsFixture f;
  f.AddFile("a.jss", "a");
  f.AddFile("b.jss", "b");
  f.fp.files.FailWhen([](fake::FileOp, const std::string& path) {
    return path.find("a.jss") != std::string::npos;
  });
  EXPECT_FALSE(InstallFiles(f.ctx, 0));
  EXPECT_EQ(f.Steps()[3], "! Erreur durant l'installation fichier");
  EXPECT_EQ(*f.File("b.jss"), "b");
}

// A package cannot reach outside its target folder through a file's name.
TEST(InstallFiles, RefusesNamesThatLeaveTheTargetFolder) {
  for (const std::string name : {"..\\..\\evil.jss", "sub\\x.jss", "C:evil.jss", "a/../b.jss"}) {
    OperationsFixture f;
    f.fp.files.PutFile(std::string(kSettings) + "keep.jss", "keep");
    f.AddFile(name, "evil");
    f.fp.files.ClearJournal();
    EXPECT_FALSE(InstallFiles(f.ctx, OpBackup)) << name;
    EXPECT_EQ(f.Steps().back(), "! Nom de fichier refus\xE9, il sortirait du dossier cible !");
    EXPECT_TRUE(f.fp.files.Journal().empty()) << name;

    OperationsFixture copy;
    copy.AddFile(name, "evil");
    copy.fp.files.ClearJournal();
    EXPECT_FALSE(CopyFiles(copy.ctx)) << name;
    EXPECT_TRUE(copy.fp.files.Journal().empty()) << name;
  }
}

TEST(InstallFiles, AnEmptyGroupWritesOnlyTheHeading) {
  OperationsFixture f;
  f.AddFile("other.jss", "x", 0, true, 1);
  EXPECT_TRUE(InstallFiles(f.ctx, 0));
  EXPECT_EQ(f.Steps(), (Lines{"", "* Installer les fichiers"}));
}

TEST(CopyFiles, BuildsTheTreeNamedAfterTheApplicationVersionAndGroup) {
  OperationsFixture f;
  f.destinations.entries[0].DestinationPath = "C:\\Copies\\";
  f.AddFile("a.jss", "a");
  f.AddFile("b.jss", "b", 0, false);
  f.AddFile("c.jss", "c", 0, true, 0, 0, "%JawsScriptPath%\\sub\\");
  EXPECT_TRUE(CopyFiles(f.ctx));
  const std::string base = "C:\\Copies\\Notepad Scripts 2.1Jaws 2019\\";
  EXPECT_EQ(*f.fp.files.Content(base + "a.jss"), "a");
  EXPECT_EQ(*f.fp.files.Content(base + "sub\\c.jss"), "c");
  EXPECT_EQ(f.fp.files.Content(base + "b.jss"), nullptr);
  EXPECT_EQ(f.Steps(),
            (Lines{"", "* Copier les fichiers dans un dossier", "- Fichier a.jss",
                   " Copi\xE9 avec succ\xE9s !", "- Fichier b.jss", " Non s\xE9lectionn\xE9 !",
                   "- Fichier c.jss", " Copi\xE9 avec succ\xE9s !"}));
  EXPECT_EQ(f.core.log.Detailed()[1], "Base Folder " + base);
}

TEST(CopyFiles, AnUnwritableDestinationFailsWithTheFolder) {
  OperationsFixture f;
  f.destinations.entries[0].DestinationPath = "Q:\\";
  f.AddFile("a.jss", "a");
  EXPECT_FALSE(CopyFiles(f.ctx));
  EXPECT_EQ(
      Lines(f.Steps().begin() + 3, f.Steps().end()),
      (Lines{" Dossier de destination inacc\xE9ssible !", "Q:\\Notepad Scripts 2.1Jaws 2019\\"}));
}

}  // namespace
}  // namespace zebo
