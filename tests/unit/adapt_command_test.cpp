// `zebo-pack adapt` on the build machine's file system.
#include "tools/zebo-pack/adapt_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/host/host_files.h"

namespace zebo {
namespace {

namespace fs = std::filesystem;

class AdaptCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("zebo-adapt-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    Write("MyApp.jss",
          "; merge_file Default.jss\n; merge_tag MyApp\n"
          "; merge_addendfunction AutoStartEvent MyStart ()\n");
    Write("Default.jss", kSource);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int Run(std::vector<std::string> args) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int code = pack::RunAdaptCommand(files_, args);
    err_ = ::testing::internal::GetCapturedStderr();
    out_ = ::testing::internal::GetCapturedStdout();
    return code;
  }

  static constexpr char kSource[] = "Function AutoStartEvent ()\n  Return\nEndFunction";
  host::HostFiles files_;
  fs::path dir_;
  std::string err_;
  std::string out_;
};

TEST_F(AdaptCommand, AppliesAndRemovesInPlaceOrToAnotherFile) {
  ASSERT_EQ(Run({"apply", Path("MyApp.jss"), Path("Default.jss"), "-o", Path("Out.jss")}), 0);
  EXPECT_EQ(Read("Default.jss"), kSource);
  const std::string applied =
      "Function AutoStartEvent ()\r\nMyStart () ; [ ZeBo-MyApp ]\r\n  Return\r\nEndFunction\r\n";
  EXPECT_EQ(Read("Out.jss"), applied);
  EXPECT_NE(out_.find("applied"), std::string::npos);

  ASSERT_EQ(Run({"apply", Path("MyApp.jss"), Path("Default.jss")}), 0);
  EXPECT_EQ(Read("Default.jss"), applied);
  ASSERT_EQ(Run({"remove", Path("MyApp.jss"), Path("Default.jss")}), 0);
  EXPECT_EQ(Read("Default.jss"), "Function AutoStartEvent ()\r\n  Return\r\nEndFunction\r\n");
  EXPECT_FALSE(fs::exists(Path("Default.jss.Tmp")));
}

TEST_F(AdaptCommand, ConflictsAndBadInputLeaveTheSourceAlone) {
  const std::string taken = "Script SayLine (); [ ZeBoComment-other ]\r\nEndScript\r\n";
  Write("Default.jss", taken);
  Write("Replace.jss",
        "; merge_file Default.jss\n; merge_tag MyApp\n"
        "; merge_replacescript SayLine MySayLine ()\n");
  EXPECT_EQ(Run({"apply", Path("Replace.jss"), Path("Default.jss")}), 1);
  EXPECT_NE(err_.find("Le script \"sayline\" est d\xC3\xA9ja utilis\xC3\xA9 par other"),
            std::string::npos);
  EXPECT_EQ(Read("Default.jss"), taken);

  Write("BadTag.jss", "; merge_file Default.jss\n; merge_tag My]App\n");
  EXPECT_EQ(Run({"apply", Path("BadTag.jss"), Path("Default.jss")}), 1);
  EXPECT_NE(err_.find("! Le nom du tatouage n'est pas correct !"), std::string::npos);
  EXPECT_EQ(Run({"apply", Path("Missing.jss"), Path("Default.jss")}), 1);
  EXPECT_EQ(Run({"remove", Path("MyApp.jss"), Path("Missing.jss")}), 1);
  EXPECT_EQ(Read("Default.jss"), taken);
}

TEST_F(AdaptCommand, UsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"merge", "a", "b"},
      {"apply", "a"},
      {"apply", "a", "b", "c"},
      {"apply", "a", "b", "-o"},
      {"apply", "a", "b", "-o", "x", "-o", "y"},
      {"remove", "a", "b", "--force"},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(Run(args), 2) << ::testing::PrintToString(args);
    EXPECT_NE(err_.find("usage: zebo-pack adapt"), std::string::npos);
  }
}

}  // namespace
}  // namespace zebo
