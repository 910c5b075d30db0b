// The JAWS environment's place in start-up: the refusal comes first, discovery before the package.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/startup.h"
#include "platform/fake/fake_platform.h"
#include "tests/unit/package_fixture.h"

namespace zebo {
namespace {

struct Ended {
  std::string mainExe;
  std::vector<std::string> log;
  size_t destinations = 0;
};

Ended RunUntilExit(fake::FakePlatform& fake) {
  App app(fake.platform);
  try {
    RunProgram(app);
  } catch (const fake::ProgramExited&) {
  }
  return {app.core.mainExe,
          {app.core.log.Detailed().begin(), app.core.log.Detailed().end()},
          app.destinations.entries.size()};
}

TEST(JawsStartup, TheScriptManagerEndsTheProgramBeforeAnythingElse) {
  fake::FakePlatform fake;
  fake.processes.AddProcess(40, "C:\\Program Files\\JAWS\\JScript.exe");
  const Ended ended = RunUntilExit(fake);
  ASSERT_EQ(fake.ui.messages.size(), 1u);
  EXPECT_EQ(fake.ui.messages[0].title, "Info ZeBo");
  EXPECT_EQ(fake.ui.messages[0].text, "Veuillez fermer le gestionnaire de script !");
  EXPECT_TRUE(ended.mainExe.empty());
  EXPECT_TRUE(ended.log.empty());
}

TEST(JawsStartup, LanguageAndDestinationListComeBeforeThePackage) {
  fake::FakePlatform fake;
  fake.files.PutFile(fake.host.executablePath, "MZ no package here");
  const Ended ended = RunUntilExit(fake);
  EXPECT_EQ(fake.ui.messages.size(), 1u);  // the package error
  const auto language = std::find(ended.log.begin(), ended.log.end(), "Lang of Windows = fra");
  ASSERT_NE(language, ended.log.end());
  ASSERT_NE(language + 1, ended.log.end());
  EXPECT_EQ(language[1], "");
  const auto scan = std::find_if(ended.log.begin(), ended.log.end(), [](const std::string& line) {
    return line.rfind("* File Scan", 0) == 0;
  });
  EXPECT_LT(language, scan);
  EXPECT_EQ(ended.destinations, 1u);  // the chosen-folder entry alone
}

TEST(JawsStartup, TheReportFollowsThePackageAndShowsTheRunningJaws) {
  fake::FakePlatform fake;
  fake.files.PutFile(fake.host.executablePath,
                     testing::MakeInstaller(testing::SampleEntries()).installer);
  fake.shell.folders[SpecialFolder::UserAppData] = "C:\\Users\\al\\AppData\\Roaming\\";
  const std::string program = "C:\\Program Files\\Freedom Scientific\\JAWS\\2019\\";
  fake.registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Freedom Scientific\\JAWS\\2019",
                          "Target", program);
  fake.files.PutFolder(
      "C:\\Users\\al\\AppData\\Roaming\\Freedom Scientific\\JAWS\\2019\\Settings\\fra");
  fake.processes.AddProcess(12, program + "jfw.exe");

  const Ended ended = RunUntilExit(fake);
  EXPECT_TRUE(fake.ui.messages.empty());
  auto at = [&](const std::string& prefix) {
    return std::find_if(ended.log.begin(), ended.log.end(),
                        [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  };
  const auto language = at("Lang of Windows = ");
  const auto created = at("* Created on ");
  const auto report = at("* Enumerate Jaws Version installed : ");
  ASSERT_NE(report, ended.log.end());
  EXPECT_LT(language, created);
  EXPECT_LT(created, report);
  ASSERT_GE(ended.log.end() - report, 6);
  EXPECT_EQ(report[1], "Mes param\xE8tres de jaws 2019 en fonctionnement with lang=fra|");
  EXPECT_EQ(report[3], " Install Path = " + program);
  EXPECT_EQ(ended.destinations, 2u);
}

}  // namespace
}  // namespace zebo
