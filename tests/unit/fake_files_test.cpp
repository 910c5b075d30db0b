// The fake file system: the shared contract, plus what only the fake does (journal, faults).
#include "platform/fake/fake_files.h"

#include <gtest/gtest.h>

#include "tests/contract/files_contract.h"

namespace zebo {
namespace contract {

FilesUnderTest MakeFilesUnderTest() {
  static std::unique_ptr<fake::FakeFiles> files;
  files = std::make_unique<fake::FakeFiles>();
  files->PutFolder("C:\\Work");
  return {files.get(), "C:\\Work\\"};
}

}  // namespace contract

namespace {

TEST(FakeFiles, FailsTheChosenMutationAndLeavesHalfAWrite) {
  fake::FakeFiles files;
  files.PutFile("C:\\a.txt", "old");
  files.FailAt(2);  // point 1 is the create, point 2 the write
  EXPECT_FALSE(files.WriteFile("C:\\a.txt", "abcdef"));
  EXPECT_EQ(*files.Content("C:\\a.txt"), "abc");
  EXPECT_EQ(files.MutationCount(), 2);
  EXPECT_TRUE(files.RenameFile("C:\\a.txt", "C:\\b.txt"));
}

TEST(FakeFiles, FailWhenPredicateAndJournal) {
  fake::FakeFiles files;
  files.PutFile("C:\\d\\x.jss", "x");
  files.FailWhen([](fake::FileOp op, const std::string& path) {
    return op == fake::FileOp::Copy && path.find("x.jss") != std::string::npos;
  });
  EXPECT_FALSE(files.CopyFile("C:\\d\\x.jss", "C:\\d\\y.jss", false));
  ASSERT_FALSE(files.Journal().empty());
  EXPECT_EQ(files.Journal().back().op, fake::FileOp::Copy);
  EXPECT_EQ(files.Journal().back().other, "C:\\d\\y.jss");
}

TEST(FakeFiles, KnowsOnlyItsDrives) {
  fake::FakeFiles files;
  EXPECT_TRUE(files.FolderExists("c:\\"));
  EXPECT_FALSE(files.MakeFolder("D:\\x"));
  files.AddDrive('D');
  EXPECT_TRUE(files.MakeFolder("D:\\x"));
  EXPECT_EQ(files.FilesBelow("C:\\").size(), 0u);
}

}  // namespace
}  // namespace zebo
