// An installer signed with osslsigncode and a certificate the test makes with openssl: the
// signature verifies, zebo-pack reads the signed installer exactly like the unsigned one, and
// changing one package byte breaks both the signature and the integrity record.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/core.h"
#include "platform/host/host_files.h"
#include "tests/unit/pe_fixture.h"
#include "tools/zebo-pack/commands.h"

namespace zebo::pack {
namespace {

class SignedInstaller : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v osslsigncode >/dev/null 2>&1 && "
                    "command -v openssl >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "osslsigncode or openssl is missing (scripts/deps.sh installs them)";
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "zebo-sign-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern + "/";
  }
  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  // Runs a shell command in the folder; its output goes to the folder's log.
  int Shell(const std::string& command) {
    const int status = std::system(("cd '" + dir_ + "' && " + command + " >>log 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Log() { return Read("log"); }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Write(const std::string& name, const std::string& content) {
    std::ofstream(dir_ + name, std::ios::binary) << content;
  }
  int Pack(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    CommandContext context{files_, out_, err_, dir_, {2026, 12, 11, 10, 0, 0}};
    return RunZeboPack(context, args);
  }

  host::HostFiles files_;
  std::ostringstream out_, err_;
  std::string dir_;
};

TEST_F(SignedInstaller, VerifiesAndReadsLikeTheUnsignedOne) {
  std::filesystem::copy(std::string(ZEBO_SOURCE_DIR) + "/examples", dir_ + "ex",
                        std::filesystem::copy_options::recursive);
  Write("ZeBo.exe", testing::MinimalPe());
  ASSERT_EQ(Pack({"make-sound", dir_ + "ex/chime.wav"}), 0);
  ASSERT_EQ(Pack({"build", dir_ + "ex/package.ini", "-o", dir_ + "Setup.exe"}), 0) << err_.str();

  ASSERT_EQ(Shell("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=ZeBo test' "
                  "-keyout key.pem -out cert.pem"),
            0)
      << Log();
  ASSERT_EQ(Shell("osslsigncode sign -certs cert.pem -key key.pem -n 'ZeBo test' "
                  "-in Setup.exe -out Signed.exe"),
            0)
      << Log();
  ASSERT_EQ(Shell("osslsigncode verify -CAfile cert.pem Signed.exe"), 0) << Log();
  const std::string unsignedFile = Read("Setup.exe");
  const std::string signedFile = Read("Signed.exe");
  ASSERT_GT(signedFile.size(), unsignedFile.size());

  ASSERT_EQ(Pack({"list", dir_ + "Setup.exe", "--json"}), 0) << err_.str();
  const std::string unsignedList = out_.str();
  ASSERT_EQ(Pack({"list", dir_ + "Signed.exe", "--json"}), 0) << err_.str();
  EXPECT_EQ(out_.str(), unsignedList);
  EXPECT_NE(unsignedList.find("\"Integrity\": \"matches\""), std::string::npos);
  EXPECT_EQ(Pack({"verify", dir_ + "Signed.exe"}), 0) << err_.str();

  // One byte of a stored content, halfway through the package.
  const size_t marker = signedFile.find(JoinPackageMarker());
  ASSERT_NE(marker, std::string::npos);
  std::string changed = signedFile;
  const size_t at = marker + (unsignedFile.size() - marker) / 2;
  changed[at] = static_cast<char>(changed[at] ^ 0x20);
  Write("Changed.exe", changed);
  EXPECT_NE(Shell("osslsigncode verify -CAfile cert.pem Changed.exe"), 0);
  EXPECT_EQ(Pack({"verify", dir_ + "Changed.exe"}), 1);
  EXPECT_NE(err_.str().find("! Integrity check failed"), std::string::npos) << err_.str();
  EXPECT_EQ(Pack({"list", dir_ + "Changed.exe"}), 1);
  EXPECT_NE(out_.str().find("Integrity:          MISMATCH"), std::string::npos) << out_.str();
}

}  // namespace
}  // namespace zebo::pack
