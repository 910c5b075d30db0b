// What every file backend must do alike.
#include "tests/contract/files_contract.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zebo::contract {
namespace {

class FilesContract : public ::testing::Test {
 protected:
  void SetUp() override {
    under_ = MakeFilesUnderTest();
    files_ = under_.files;
    root_ = under_.root;
  }
  std::string Read(const std::string& path) {
    std::string out;
    EXPECT_TRUE(ReadWholeFile(*files_, path, out)) << path;
    return out;
  }
  FilesUnderTest under_;
  Files* files_ = nullptr;
  std::string root_;
};

TEST_F(FilesContract, WritesAndReadsBinaryAndAccentedNames) {
  const std::string data("a\0b\r\n\xE9\xFF", 7);
  const std::string name = root_ +
                           "Fran\xE7"
                           "ais \xE9t\xE9.jss";
  ASSERT_TRUE(files_->WriteFile(name, data));
  EXPECT_EQ(files_->FileSize(name), 7);
  EXPECT_EQ(Read(name), data);
  ASSERT_TRUE(files_->WriteFile(name, "x"));  // replaces
  EXPECT_EQ(Read(name), "x");
  ASSERT_TRUE(files_->WriteFile(root_ + "empty", ""));
  EXPECT_EQ(files_->FileSize(root_ + "empty"), 0);
}

TEST_F(FilesContract, NamesIgnoreCaseAndBothSeparators) {
  ASSERT_TRUE(files_->MakeFolder(root_ + "Sub"));
  ASSERT_TRUE(files_->WriteFile(root_ + "Sub\\Default.JSS", "abc"));
  EXPECT_EQ(files_->FileSize(root_ + "sub/default.jss"), 3);
  EXPECT_TRUE(files_->FolderExists(root_ + "SUB"));
  EXPECT_TRUE(files_->FolderExists(root_ + "SUB\\"));
}

TEST_F(FilesContract, SizeIsNegativeForMissingFilesAndFolders) {
  ASSERT_TRUE(files_->MakeFolder(root_ + "d"));
  EXPECT_LT(files_->FileSize(root_ + "missing.txt"), 0);
  EXPECT_LT(files_->FileSize(root_ + "d"), 0);
  EXPECT_FALSE(files_->FolderExists(root_ + "missing"));
  EXPECT_EQ(files_->OpenRead(root_ + "missing.txt"), nullptr);
  EXPECT_EQ(files_->OpenRead(root_ + "d"), nullptr);
}

TEST_F(FilesContract, WritingIntoAMissingFolderOrOverAFolderFails) {
  EXPECT_FALSE(files_->WriteFile(root_ + "no\\such\\f.txt", "x"));
  ASSERT_TRUE(files_->MakeFolder(root_ + "d"));
  EXPECT_FALSE(files_->WriteFile(root_ + "d", "x"));
}

TEST_F(FilesContract, ReaderSeeksAndReadsToTheEnd) {
  ASSERT_TRUE(files_->WriteFile(root_ + "f", "0123456789"));
  auto reader = files_->OpenRead(root_ + "f");
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->Size(), 10);
  ASSERT_TRUE(reader->Seek(7));
  char buffer[8] = {};
  EXPECT_EQ(reader->Read(buffer, 8), 3);
  EXPECT_EQ(std::string(buffer, 3), "789");
  EXPECT_EQ(reader->Position(), 10);
  EXPECT_EQ(reader->Read(buffer, 8), 0);
  ASSERT_TRUE(reader->Seek(20));  // past the end: nothing more to read
  EXPECT_EQ(reader->Read(buffer, 8), 0);
}

TEST_F(FilesContract, RenameRefusesAnExistingTargetAndReplaceTakesIt) {
  ASSERT_TRUE(files_->WriteFile(root_ + "a", "A"));
  ASSERT_TRUE(files_->WriteFile(root_ + "b", "B"));
  EXPECT_FALSE(files_->RenameFile(root_ + "a", root_ + "b"));
  EXPECT_EQ(Read(root_ + "b"), "B");
  ASSERT_TRUE(files_->RenameFile(root_ + "a", root_ + "c"));
  EXPECT_LT(files_->FileSize(root_ + "a"), 0);
  EXPECT_EQ(Read(root_ + "c"), "A");
  ASSERT_TRUE(files_->ReplaceFile(root_ + "c", root_ + "b"));
  EXPECT_EQ(Read(root_ + "b"), "A");
  EXPECT_LT(files_->FileSize(root_ + "c"), 0);
  EXPECT_FALSE(files_->RenameFile(root_ + "missing", root_ + "x"));
}

TEST_F(FilesContract, CopyHonoursFailIfExists) {
  ASSERT_TRUE(files_->WriteFile(root_ + "a", "A"));
  ASSERT_TRUE(files_->WriteFile(root_ + "b", "B"));
  EXPECT_FALSE(files_->CopyFile(root_ + "a", root_ + "b", true));
  EXPECT_EQ(Read(root_ + "b"), "B");
  ASSERT_TRUE(files_->CopyFile(root_ + "a", root_ + "b", false));
  EXPECT_EQ(Read(root_ + "b"), "A");
  EXPECT_EQ(Read(root_ + "a"), "A");
  EXPECT_FALSE(files_->CopyFile(root_ + "missing", root_ + "x", false));
}

TEST_F(FilesContract, MakeFolderNeedsItsParentAndRefusesAnExistingOne) {
  EXPECT_FALSE(files_->MakeFolder(root_ + "x\\y"));
  ASSERT_TRUE(files_->MakeFolder(root_ + "x"));
  EXPECT_FALSE(files_->MakeFolder(root_ + "x"));
  ASSERT_TRUE(files_->MakeFolder(root_ + "x\\y"));
  EXPECT_TRUE(files_->FolderExists(root_ + "x\\y"));
}

TEST_F(FilesContract, ListFolderGivesNamesAndTheFolderBit) {
  ASSERT_TRUE(files_->MakeFolder(root_ + "fra"));
  ASSERT_TRUE(files_->MakeFolder(root_ + "Enu"));
  ASSERT_TRUE(files_->WriteFile(root_ + "Default.jss", "x"));
  auto entries = files_->ListFolder(root_);
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "Default.jss");
  EXPECT_FALSE(entries[0].isFolder);
  EXPECT_EQ(entries[1].name, "Enu");
  EXPECT_TRUE(entries[1].isFolder);
  EXPECT_EQ(entries[2].name, "fra");
  EXPECT_TRUE(files_->ListFolder(root_ + "missing").empty());
}

TEST_F(FilesContract, DeleteRemovesOnlyFiles) {
  ASSERT_TRUE(files_->WriteFile(root_ + "a", "A"));
  ASSERT_TRUE(files_->MakeFolder(root_ + "d"));
  EXPECT_TRUE(files_->DeleteFile(root_ + "a"));
  EXPECT_LT(files_->FileSize(root_ + "a"), 0);
  EXPECT_FALSE(files_->DeleteFile(root_ + "a"));
  EXPECT_FALSE(files_->DeleteFile(root_ + "d"));
}

TEST_F(FilesContract, TempFolderExistsAndEndsWithABackslash) {
  const std::string temp = files_->TempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(files_->FolderExists(temp));
}

}  // namespace
}  // namespace zebo::contract
