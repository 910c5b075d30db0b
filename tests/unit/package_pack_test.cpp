// zebo-pack: the manifest, and the commands run through their library entry on real files.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/md5.h"
#include "package/package_reader.h"
#include "platform/host/host_files.h"
#include "tests/unit/package_fixture.h"
#include "tools/zebo-pack/commands.h"
#include "tools/zebo-pack/manifest.h"

namespace zebo::pack {
namespace {

const LocalTime kNow{2026, 12, 11, 10, 30, 0};

constexpr const char* kMinimal =
    "[package]\nApplicationName = App\nScriptName = S\n"
    "[group]\nName = 2019\n"
    "[file]\nSource = a.jss\nGroup = 2019\n";

TEST(Manifest, ReadsTheExample) {
  std::ifstream in(std::string(ZEBO_SOURCE_DIR) + "/examples/package.ini", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  Manifest m;
  std::string error;
  ASSERT_TRUE(ParseManifest(text.str(), kNow, m, error)) << error;
  EXPECT_EQ(m.info.ApplicationName, "Bloc-notes Plus");
  EXPECT_EQ(m.info.RecommendedJaws, "2019 \xE0 2025");  // UTF-8 in, Windows-1252 out
  EXPECT_EQ(m.info.Date, CalendarSeconds(2026, 12, 11, 10, 30, 0));
  EXPECT_EQ(m.info.Flags, InfoRestartJaws | InfoVersionButton);
  EXPECT_EQ(m.info.PasswordDigest, Md5Hex("bloc-notes"));
  EXPECT_NE(m.info.Comments.find("document,\r\ndu nom"), std::string::npos);
  EXPECT_EQ(m.groups, (std::vector<std::string>{"2019", "11.0"}));
  ASSERT_EQ(m.files.size(), 12u);
  EXPECT_EQ(m.files[5].record.Name, "BlocNotesPlusExtras.jss");
  EXPECT_EQ(m.files[5].record.Flags, FileCompile | FileOptional);
  EXPECT_EQ(m.files[5].record.CompileOrder, 3);
  EXPECT_EQ(m.files[6].record.Flags, FileCompile | FileProtected);
  EXPECT_EQ(m.files[7].record.Group, 1);
  EXPECT_EQ(m.files[7].record.TargetPath, "%JawsScriptPath%\\");
  EXPECT_EQ(m.files[11].record.Group, StartSoundGroup);
}

TEST(Manifest, DefaultsAndSpellings) {
  Manifest m;
  std::string error;
  const std::string text = std::string("\xEF\xBB\xBF") + kMinimal +
                           "Name = Autre.jss\nTarget = %User%\\Settings\nFlags = FileAdaptation "
                           "0x1000,noCompile\nCompileOrder = -3\n";
  ASSERT_TRUE(ParseManifest(text, kNow, m, error)) << error;
  EXPECT_EQ(m.info.Date, CalendarSeconds(2026, 12, 11, 10, 30, 0));
  EXPECT_EQ(m.info.PasswordDigest, "");
  EXPECT_EQ(m.files[0].record.Name, "Autre.jss");
  EXPECT_EQ(m.files[0].record.TargetPath, "%User%\\Settings\\");
  EXPECT_EQ(m.files[0].record.Flags, FileAdaptation | FileNoCompile | 0x1000);
  EXPECT_EQ(m.files[0].record.CompileOrder, -3);
  EXPECT_EQ(CalendarSeconds(1970, 1, 1, 0, 0, 0), 0);
  EXPECT_EQ(CalendarSeconds(2000, 3, 1, 0, 0, 0), 951868800);
}

TEST(Manifest, MistakesNameTheirLine) {
  const std::string base = kMinimal;
  const std::pair<std::string, std::string> cases[] = {
      {base + "Colour = red\n", "line 9: unknown key \"colour\" in [file]"},
      {base + "[files]\n", "line 9: unknown section [files]"},
      {base + "Group = 2019\n", "line 9: \"Group\" was already given on line 8"},
      {base + "Flags = Compile, Shiny\n", "line 9: unknown file flag \"Shiny\""},
      {"[package]\nDate = 31/02/2026 10:00\n" + base.substr(10), "line 2: Date must be"},
      {"[package]\nDate = 1/1/2026 25:00\n" + base.substr(10), "line 2: Date must be"},
      {"[package]\nApplicationName = \xE4\xB8\xAD\n", "line 2: a character cannot be written"},
      {"[package]\nPassword = a\nPasswordDigest = 0123\n", "line 3: PasswordDigest must be"},
      {base + "Name = ..\\evil.jss\n", "line 6: the file name \"..\\evil.jss\" must be a plain"},
      {base + "[file]\nSource = b.jss\nGroup = 2020\n",
       "line 9: the group \"2020\" is not defined"},
      {base + "[group]\nName = 2019\n", "line 9: the group \"2019\" is defined twice"},
      {base + "just words\n", "line 9: expected \"Key = value\""},
      {"Name = x\n", "line 1: \"name\" comes before any section"},
      {"[package]\nApplicationName = A\nScriptName = S\n[group]\nName = g\n",
       "line 5: the manifest lists no [file]"},
      {base + "[sound]\nSource = s.wav\nGroup = 2019\n",
       "line 11: unknown key \"group\" in [sound]"},
  };
  for (const auto& [text, expected] : cases) {
    Manifest m;
    std::string error;
    EXPECT_FALSE(ParseManifest(text, kNow, m, error)) << expected;
    EXPECT_EQ(error.rfind(expected, 0), 0u) << error;
  }
}

// Runs zebo-pack commands on a fresh folder of the build machine.
class ZeboPackCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "zebo-pack-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern + "/";
    Write("ZeBo.exe", std::string("MZ stub\0\xFF", 9));
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void Write(const std::string& name, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(dir_ + name).parent_path());
    std::ofstream(dir_ + name, std::ios::binary) << content;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    CommandContext context{files_, out_, err_, dir_, kNow};
    return RunZeboPack(context, args);
  }
  int BuildExample() {
    std::filesystem::copy(std::string(ZEBO_SOURCE_DIR) + "/examples", dir_ + "ex",
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ(Run({"make-sound", dir_ + "ex/chime.wav"}), 0);
    return Run({"build", dir_ + "ex/package.ini", "-o", dir_ + "Setup.exe"});
  }

  host::HostFiles files_;
  std::ostringstream out_, err_;
  std::string dir_;
};

TEST_F(ZeboPackCommand, BuildListAndExtractTheExample) {
  ASSERT_EQ(BuildExample(), 0) << err_.str();
  const std::string installer = Read("Setup.exe");
  EXPECT_EQ(installer.rfind(std::string("MZ stub\0\xFF\n", 10) + JoinPackageMarker() + "\n", 0),
            0u);

  ASSERT_EQ(Run({"list", dir_ + "Setup.exe", "--json"}), 0) << err_.str();
  const std::string json = out_.str();
  EXPECT_NE(json.find("\"RecommendedJaws\": \"2019 \xC3\xA0 2025\""), std::string::npos);
  EXPECT_NE(json.find("\"Groups\": [\"2019\", \"11.0\"]"), std::string::npos);
  EXPECT_NE(json.find("\"TargetPath\": \"%JawsScriptPath%\\\\\", \"Group\": 0, "
                      "\"CompileOrder\": 1"),
            std::string::npos);
  EXPECT_NE(json.find("\"Comments\": \"Scripts d'exemple : lecture des statistiques du "
                      "document,\\r\\ndu nom"),
            std::string::npos);
  ASSERT_EQ(Run({"list", dir_ + "Setup.exe"}), 0);
  EXPECT_NE(out_.str().find("Compile, Protected  BlocNotesPlusOutils.jss"), std::string::npos);

  ASSERT_EQ(Run({"extract", dir_ + "Setup.exe", dir_ + "out"}), 0) << err_.str();
  EXPECT_EQ(Read("out/0/BlocNotesPlus.jsm"), Read("ex/2019/BlocNotesPlus.jsm"));
  EXPECT_EQ(Read("out/1/BlocNotesPlus_Default.jss"), Read("ex/11.0/BlocNotesPlus_Default.jss"));
  EXPECT_EQ(Read("out/-2/chime.wav"), Read("ex/chime.wav"));
}

TEST_F(ZeboPackCommand, ExitCodesAndMessages) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out_.str().find("zebo-pack build MANIFEST"), std::string::npos);
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(out_.str(), std::string("zebo-pack ") + ZEBO_VERSION + "\n");
  EXPECT_EQ(Run({"frobnicate"}), 2);
  EXPECT_EQ(Run({"build", dir_ + "m.ini"}), 2);  // no -o
  EXPECT_EQ(Run({"list"}), 2);
  EXPECT_EQ(Run({"list", "a", "b"}), 2);
  EXPECT_EQ(Run({"extract", dir_ + "ZeBo.exe"}), 2);

  EXPECT_EQ(Run({"list", dir_ + "missing.exe"}), 1);
  EXPECT_EQ(Run({"list", dir_ + "ZeBo.exe"}), 1);  // no package in it
  EXPECT_NE(err_.str().find("holds no usable package"), std::string::npos);
  EXPECT_EQ(Run({"build", dir_ + "missing.ini", "-o", dir_ + "o.exe"}), 1);

  Write("m.ini", std::string(kMinimal) + "Flags = Sparkly\n");
  Write("a.jss", "x");
  EXPECT_EQ(Run({"build", dir_ + "m.ini", "-o", dir_ + "o.exe"}), 1);
  EXPECT_NE(err_.str().find("m.ini:line 9: unknown file flag"), std::string::npos) << err_.str();

  Write("m.ini", kMinimal);
  EXPECT_EQ(Run({"build", dir_ + "m.ini", "-o", dir_ + "o.exe", "--stub", dir_ + "none.exe"}), 1);
  std::filesystem::remove(dir_ + "a.jss");
  EXPECT_EQ(Run({"build", dir_ + "m.ini", "-o", dir_ + "o.exe"}), 1);
  EXPECT_NE(err_.str().find("line 6: cannot read"), std::string::npos) << err_.str();
  EXPECT_FALSE(std::filesystem::exists(dir_ + "o.exe"));
}

TEST_F(ZeboPackCommand, RefusesAStubThatAlreadyHoldsAPackage) {
  Write("m.ini", kMinimal);
  Write("a.jss", "x");
  ASSERT_EQ(Run({"build", dir_ + "m.ini", "-o", dir_ + "first.exe"}), 0) << err_.str();
  EXPECT_EQ(Run({"build", dir_ + "m.ini", "-o", dir_ + "second.exe", "--stub", dir_ + "first.exe"}),
            1);
  EXPECT_NE(err_.str().find("already holds a package"), std::string::npos);
}

TEST_F(ZeboPackCommand, ExtractRefusesNamesThatLeaveTheFolder) {
  std::vector<PackEntry> entries = {
      testing::Entry("..", 0, "up"), testing::Entry("../evil.jss", 0, "evil"),
      testing::Entry("sub\\x.jss", 0, "x"), testing::Entry("good.jss", 0, "good")};
  Write("bad.exe", testing::MakeInstaller(entries).installer);
  EXPECT_EQ(Run({"extract", dir_ + "bad.exe", dir_ + "out"}), 1);
  EXPECT_NE(err_.str().find("refused the name \"../evil.jss\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_ + "out/evil.jss"));
  EXPECT_FALSE(std::filesystem::exists(dir_ + "evil.jss"));
  EXPECT_EQ(Read("out/0/good.jss"), "good");
}

TEST_F(ZeboPackCommand, JsonEscapesTexts) {
  PackageState p;
  p.info.ApplicationName = "a\"b\\c\x01\xE9";
  p.groups.push_back({"g"});
  EXPECT_NE(PackageJson(p).find("\"ApplicationName\": \"a\\\"b\\\\c\\u0001\xC3\xA9\""),
            std::string::npos);
}

}  // namespace
}  // namespace zebo::pack
