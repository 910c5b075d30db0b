// The JAWS environment's place in start-up: the refusal comes first, discovery before the package.
#include <gtest/gtest.h>

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
  // The package scan's own lines come last.
  size_t scan = 0;
  while (scan < ended.log.size() && ended.log[scan].rfind("* File Scan", 0) != 0) ++scan;
  ASSERT_GE(scan, 2u);
  EXPECT_EQ(ended.log[scan - 2], "Lang of Windows = fra");
  EXPECT_EQ(ended.log[scan - 1], "");
  EXPECT_EQ(ended.destinations, 1u);  // the chosen-folder entry alone
}

}  // namespace
}  // namespace zebo
