// The JAWS environment's place in start-up: the refusal comes first, discovery before the package.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/startup.h"
#include "platform/fake/fake_platform.h"

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
  // The language and its blank line come before the package scan's first line.
  const auto lang = std::find(ended.log.begin(), ended.log.end(), "Lang of Windows = fra");
  ASSERT_NE(lang, ended.log.end());
  ASSERT_NE(lang + 1, ended.log.end());
  EXPECT_EQ(*(lang + 1), "");
  const auto scan = std::find_if(ended.log.begin(), ended.log.end(), [](const std::string& line) {
    return line.rfind("* File Scan", 0) == 0;
  });
  EXPECT_LT(lang, scan);
  EXPECT_EQ(ended.destinations, 1u);  // the chosen-folder entry alone
}

}  // namespace
}  // namespace zebo
