// ConfigNames.Ini aliases, settings backups and the folders made on the way to a file.
#include <gtest/gtest.h>

#include "adaptation/alias_update.h"
#include "core/ensure_folders.h"
#include "platform/fake/fake_platform.h"

namespace zebo {
namespace {

const std::string kUser = "C:\\Users\\u\\AppData\\Roaming\\Freedom Scientific\\JAWS\\";
const std::string kAll = "C:\\ProgramData\\Freedom Scientific\\JAWS\\";
const std::string kDest = kUser + "2024\\Settings\\fra\\";
const std::string kIni = kDest + "ConfigNames.Ini";

class AliasTest : public ::testing::Test {
 protected:
  int Update(int remove, const std::string& aliases) {
    return AliasUpdate(core, remove, kIni, aliases, "MyApp", place);
  }
  const std::string& Ini() { return *fake.files.Content(kIni); }

  fake::FakePlatform fake;
  Core core{fake.platform};
  BackupPlace place{BackupFolderOf(kDest, "MyApp"), kUser, kAll};
};

TEST_F(AliasTest, AddsFirstInTheSectionAndReplacesEarlierLines) {
  fake.files.PutFile(kIni,
                     "; top\n[Other]\nnotepad=Keep\n[ ConfigNAMES ]\nNotepad=Other\n"
                     "notepad = Spaced\n; note\n\nwordpad=Old;x\n");
  ASSERT_EQ(Update(0, " notepad; wordpad ;notepad;; "), 1);
  EXPECT_EQ(
      Ini(),
      "; top\r\n[Other]\r\nnotepad=Keep\r\n[ ConfigNAMES ]\r\nnotepad=MyApp\r\nwordpad=MyApp\r\n"
      "notepad = Spaced\r\n; note\r\n\r\n");
  EXPECT_EQ(core.log.Steps(),
            (std::vector<std::string>{"", "* Mise \xE0 jour des alias du ConfigNames.Ini"}));
  EXPECT_EQ(core.log.Detailed().front(), "* AliasUpdate( 0 ) ");
  EXPECT_EQ(core.log.Detailed()[1], " " + kIni);
  // The old file went to the backup folder first.
  EXPECT_NE(fake.files.Content(kDest + "Bak\\MyApp\\ConfigNames.Ini"), nullptr);

  ASSERT_EQ(Update(1, "notepad;wordpad"), 1);
  EXPECT_EQ(
      Ini(),
      "; top\r\n[Other]\r\nnotepad=Keep\r\n[ ConfigNAMES ]\r\nnotepad = Spaced\r\n; note\r\n\r\n");
}

TEST_F(AliasTest, MissingOrEmptySection) {
  fake.files.PutFile(kIni, "[Other]\r\na=b");
  ASSERT_EQ(Update(0, "notepad"), 1);
  EXPECT_EQ(Ini(), "[Other]\r\na=b\r\n[ConfigNames]\r\nnotepad=MyApp\r\n");
  // A section with no line yet takes the aliases under its own header, not under a second one.
  fake.files.PutFile(kIni, "[ConfigNames]\r\n[Other]\r\n");
  ASSERT_EQ(Update(0, "notepad"), 1);
  EXPECT_EQ(Ini(), "[ConfigNames]\r\nnotepad=MyApp\r\n[Other]\r\n");
  fake.files.PutFile(kIni, "[ConfigNames]");
  ASSERT_EQ(Update(0, "notepad"), 1);
  EXPECT_EQ(Ini(), "[ConfigNames]\r\nnotepad=MyApp\r\n");
}

TEST_F(AliasTest, NothingToDoAndFailures) {
  fake.files.PutFile(kIni, "[ConfigNames]\nnotepad=MyApp\n");
  EXPECT_EQ(Update(1, "   "), 1);
  EXPECT_EQ(Ini(), "[ConfigNames]\nnotepad=MyApp\n");
  EXPECT_TRUE(core.log.Steps().empty());
  EXPECT_EQ(core.log.Detailed().size(), 2u);

  // A write that fails part-way leaves the old file whole.
  fake.files.FailWhen([](fake::FileOp op, const std::string& path) {
    return op == fake::FileOp::Write && path.find(".Tmp") != std::string::npos;
  });
  EXPECT_EQ(Update(0, "wordpad"), 0);
  EXPECT_EQ(Ini(), "[ConfigNames]\nnotepad=MyApp\n");
  EXPECT_FALSE(fake.files.Exists(kIni + ".Tmp"));
  EXPECT_EQ(core.log.Steps().back(),
            "! Erreur durant l'\xE9"
            "criture du fichier ConfigNames.Ini");

  fake.files.FailWhen(nullptr);
  ASSERT_TRUE(fake.files.DeleteFile(kIni));
  EXPECT_EQ(Update(0, "wordpad"), 0);
  EXPECT_EQ(core.log.Steps().back(), "! Le fichier ConfigNames.Ini ne peut \xEAtre ouvert !");
}

TEST_F(AliasTest, BackupFileKeepsOrSeeds) {
  const std::string jss = kDest + "Default.jss";
  // Missing in the user's settings: seeded from the all-users file of the same place.
  fake.files.PutFolder(kDest);
  fake.files.PutFile(kAll + "2024\\Settings\\fra\\Default.jss", "shared");
  EXPECT_EQ(BackupFile(core, place, jss), 1);
  ASSERT_NE(fake.files.Content(jss), nullptr);
  EXPECT_EQ(*fake.files.Content(jss), "shared");
  // Existing: copied to the backup folder, made on the way.
  EXPECT_EQ(BackupFile(core, place, jss), 1);
  EXPECT_EQ(*fake.files.Content(kDest + "Bak\\MyApp\\Default.jss"), "shared");
  // Outside the user's folder and missing: nothing.
  EXPECT_EQ(BackupFile(core, place, "D:\\Nowhere\\x.jss"), 1);
  EXPECT_TRUE(core.log.Detailed().empty());

  fake.files.FailWhen([](fake::FileOp op, const std::string&) { return op == fake::FileOp::Copy; });
  EXPECT_EQ(BackupFile(core, place, jss), 1);
  EXPECT_EQ(BackupFile(core, place, kDest + "User.jss"), 1);
  fake.files.PutFile(kAll + "2024\\Settings\\fra\\User.jss", "x");
  EXPECT_EQ(BackupFile(core, place, kDest + "User.jss"), 1);
  EXPECT_EQ(
      std::vector<std::string>(core.log.Detailed().begin(), core.log.Detailed().end()),
      (std::vector<std::string>{"! Copy error", " ! Error during back of JawsAllUsers file"}));
  fake.files.FailWhen(
      [](fake::FileOp op, const std::string&) { return op == fake::FileOp::MakeFolder; });
  BackupPlace elsewhere = place;
  elsewhere.backupFolder = kDest + "Bak\\Other\\";
  EXPECT_EQ(BackupFile(core, elsewhere, jss), 1);
  EXPECT_EQ(core.log.Detailed().back(), "! Folder dest not exist");
}

TEST(EnsureFolders, MakesTheMissingLevels) {
  fake::FakeFiles files;
  EXPECT_EQ(EnsureFolders(files, "C:\\a\\b\\c\\file.txt"), 1);
  EXPECT_TRUE(files.FolderExists("C:\\a\\b\\c"));
  files.ClearJournal();
  EXPECT_EQ(EnsureFolders(files, "C:\\a\\b\\"), 1);
  EXPECT_TRUE(files.Journal().empty());
  files.PutFile("C:\\a\\plain", "x");
  EXPECT_EQ(EnsureFolders(files, "C:\\a\\plain\\x.txt"), 0);
  EXPECT_EQ(EnsureFolders(files, "Q:\\x\\y.txt"), 0);
}

}  // namespace
}  // namespace zebo
