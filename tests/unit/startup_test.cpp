// Start-up on the fake platform: the single instance, the package scan and the one exit.
#include "app/startup.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace zebo {
namespace {

class Startup : public ::testing::Test {
 protected:
  // Runs the program; the exit code it ended with.
  int Run() {
    App app(fake.platform);
    try {
      RunProgram(app);
    } catch (const fake::ProgramExited& exited) {
      mainExe = app.core.mainExe;
      log.assign(app.core.log.Detailed().begin(), app.core.log.Detailed().end());
      return exited.code;
    }
    ADD_FAILURE() << "the program did not end through its exit";
    return -1;
  }
  fake::FakePlatform fake;
  std::string mainExe;
  std::vector<std::string> log;
};

TEST_F(Startup, ASecondCopyBringsTheStartingFirstCopyForwardAndEnds) {
  fake.host.existingMutexes = {"ZeBo"};
  fake.host.windowTitles = {"zebo", "ZeBo pour Word", "ZeBo"};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(fake.host.broughtForward, std::vector<std::string>{"ZeBo"});
  EXPECT_TRUE(fake.host.createdMutexes.empty());
  EXPECT_TRUE(fake.ui.messages.empty());
  EXPECT_TRUE(mainExe.empty());  // the package is never read
  EXPECT_TRUE(fake.files.Journal().empty());
}

TEST_F(Startup, ASecondCopyLeavesAFirstCopyPastItsStartAlone) {
  fake.host.existingMutexes = {"ZeBo"};
  fake.host.windowTitles = {"ZeBo pour Word"};
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(fake.host.broughtForward.empty());
  EXPECT_TRUE(fake.ui.messages.empty());
}

TEST_F(Startup, AMutexThatCannotBeMadeEndsWithoutAWord) {
  fake.host.canCreateMutex = false;
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(fake.ui.messages.empty());
  EXPECT_TRUE(mainExe.empty());
}

TEST_F(Startup, AnExecutableWithoutAPackageEndsWithTheErrorBox) {
  fake.host.executablePath =
      "C:\\T\xE9l\xE9"
      "chargements\\Setup.exe";
  fake.files.PutFile(fake.host.executablePath, "MZ no package here");
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(fake.host.createdMutexes, std::vector<std::string>{"ZeBo"});
  EXPECT_EQ(mainExe, fake.host.executablePath);
  ASSERT_EQ(fake.ui.messages.size(), 1u);
  EXPECT_EQ(fake.ui.messages[0].title, "Erreur");
  EXPECT_EQ(fake.ui.messages[0].text,
            "Les donn\xE9"
            "es du fichier d'installation sont \xE9rron\xE9"
            "es !");
  EXPECT_EQ(fake.ui.messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(fake.sound.played.empty());
}

TEST(PackageCreationLine, JoinsTheTextAndTheDay) {
  fake::FakePlatform fake;
  Core core(fake.platform);
  PackageInfo info;
  info.CreatedOn = "Auteur \xE9";
  info.Date = 1330596000;  // 01/03/2012 10:00
  LogPackageCreation(core, info);
  info.CreatedOn.clear();
  info.Date = 0;
  LogPackageCreation(core, info);
  ASSERT_EQ(core.log.Detailed().size(), 2u);
  EXPECT_EQ(core.log.Detailed()[0], "* Created on Auteur \xE9 the 01/03/2012");
  EXPECT_EQ(core.log.Detailed()[1], "* Created on  the 01/01/1970");
}

}  // namespace
}  // namespace zebo
