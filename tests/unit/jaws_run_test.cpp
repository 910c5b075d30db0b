// Placeholders, the compiler run and the end-of-run restart of JAWS.
#include <gtest/gtest.h>

#include "jaws/compiler.h"
#include "jaws/placeholders.h"
#include "jaws/restart.h"
#include "platform/fake/fake_platform.h"

namespace zebo {
namespace {

std::vector<std::string> Lines(const std::deque<std::string>& log) {
  return {log.begin(), log.end()};
}

TEST(Placeholders, ResolveOnlyTheLeadingPlaceholderIgnoringCase) {
  fake::FakeShell shell;
  shell.folders[SpecialFolder::UserAppData] = "C:\\U\\AppData\\";
  shell.folders[SpecialFolder::AllUsersAppData] = "C:\\ProgramData\\";
  shell.folders[SpecialFolder::Profile] = "C:\\U\\";
  JawsState state;  // documents folder unknown
  ComputePlaceholderFolders(shell, state.folders);
  DestinationList list;
  list.entries.push_back({});
  list.entries[0].DestinationPath =
      "C:\\U\\AppData\\Freedom Scientific\\JAWS\\2019\\Settings\\fra\\";
  list.current = 0;
  const std::pair<const char*, std::string> cases[] = {
      {"%USERAPPDATA%\\x\\", "C:\\U\\AppData\\x\\"},
      {"%User%\\a\\%user%\\b",
       "C:\\U\\AppData\\Freedom Scientific\\JAWS\\a\\C:\\U\\AppData\\"
       "Freedom Scientific\\JAWS\\b"},
      {"%UserHome%\\h\\", "C:\\U\\h\\"},
      {"%AllUsers%\\Settings\\", "C:\\ProgramData\\Freedom Scientific\\JAWS\\Settings\\"},
      {"%AllUsersAppData%\\y", "C:\\ProgramData\\y"},
      {"x\\%MyDoc%\\", "x\\%MyDoc%\\"},
      {"%MyDoc%\\%JawsScriptPath%\\", "\\%JawsScriptPath%\\"},  // unknown folder: nothing
      {"  %jawsscriptpath%\\", "  C:\\U\\AppData\\Freedom Scientific\\JAWS\\2019\\Settings\\fra\\"},
      {"C:\\Scripts\\", "C:\\Scripts\\"},
      {"%Users%\\", "%Users%\\"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ResolvePathPlaceholders(state, list, text), expected) << text;
  }

  const std::pair<const char*, std::string> copies[] = {
      {"%JawsScriptPath%\\", "\\"},
      {"%AllUsers%\\Settings\\", "Disque C\\ProgramData\\Freedom Scientific\\JAWS\\Settings\\"},
      {"D:\\a:b\\c", "Disque D\\a"},
      {"sub\\%JAWSSCRIPTPATH%dir\\", "sub\\dir\\"},
  };
  for (const auto& [text, expected] : copies) {
    EXPECT_EQ(CopyRelativeFolder(state, list, text), expected) << text;
  }
  EXPECT_EQ(RemoveTrailingBackslash("C:\\a\\\\"), "C:\\a\\");
  EXPECT_EQ(RemoveTrailingBackslash(""), "");
  EXPECT_EQ(RemoveTrailingBackslash("a"), "a");
}

TEST(Placeholders, UnknownApplicationDataLeavesTheJawsPartAlone) {
  fake::FakeShell shell;
  JawsState state;
  ComputePlaceholderFolders(shell, state.folders);
  EXPECT_EQ(state.folders.User, "Freedom Scientific\\JAWS\\");
  EXPECT_EQ(ResolvePathPlaceholders(state, DestinationList{}, "%JawsScriptPath%\\f"), "\\f");
}

class JawsRun : public ::testing::Test {
 protected:
  JawsRun() {
    target.Label = "Mes param\xE8tres de jaws 2019 en fonctionnement";
    target.Version = "2019";
    target.MajorVersion = 2019;
    target.InstallPath = "C:\\Program Files\\JAWS\\2019\\";
    target.RunTimePath = "C:\\Program Files\\RunTime JAWS\\2019\\";
    target.InUse = 1;
    fake.files.PutFile(kCompiler, "MZ");
    fake.files.PutFile(kKill, "MZ");
    fake.files.PutFile(kRun, "MZ");
  }
  const std::string kCompiler = "C:\\Program Files\\JAWS\\2019\\scompile.exe";
  const std::string kKill = "C:\\Program Files\\RunTime JAWS\\2019\\JfwKill.Exe";
  const std::string kRun = "C:\\Program Files\\JAWS\\2019\\Jfw.Exe";
  const std::string kScript = "C:\\My Scripts\\fra\\Note Pad.jss";
  fake::FakePlatform fake;
  Core core{fake.platform};
  JawsTarget target;
};

TEST_F(JawsRun, CompileQuotesBothPathsAndRunsHiddenInTheScriptFolder) {
  fake.processes.SetProgram(kCompiler, {});
  EXPECT_TRUE(CompileScript(core, target, kScript));
  ASSERT_EQ(fake.processes.started.size(), 1u);
  const auto& run = fake.processes.started[0];
  EXPECT_EQ(run.commandLine, "\"" + kCompiler + "\" \"" + kScript + "\"");
  EXPECT_EQ(run.workingFolder, "C:\\My Scripts\\fra\\");
  EXPECT_EQ(run.mode, WindowMode::Hidden);
  EXPECT_EQ(fake.processes.waitLimits, std::vector<uint32_t>{60000});
  EXPECT_EQ(fake.processes.released, std::vector<uint32_t>{run.run});
  EXPECT_EQ(Lines(core.log.Detailed()),
            (std::vector<std::string>{"* Script to compile ", " - JCompil = " + kCompiler,
                                      " - File = " + kScript,
                                      " Id scompile.exe = " + std::to_string(run.run)}));
}

TEST_F(JawsRun, CompileFailures) {
  struct Case {
    const char* name;
    fake::FakeProgram program;
    bool compilerExists;
    std::string lastLine;
  };
  const Case cases[] = {
      {"exit code 1", {true, true, 1, false, {}}, true, " ExitCode = 1"},
      {"negative code", {true, true, 0xFFFFFFFFu, false, {}}, true, " ExitCode = -1"},
      {"not started", {false, true, 0, false, {}}, true, " Id scompile.exe = 0"},
      {"time-out", {true, false, 0, false, {}}, true, " Id scompile.exe = 4000"},
      {"no compiler", {}, false, "! Error, file not found"},
  };
  for (const auto& c : cases) {
    fake::FakePlatform f;
    Core k{f.platform};
    if (c.compilerExists) f.files.PutFile(kCompiler, "MZ");
    f.processes.SetProgram(kCompiler, c.program);
    EXPECT_FALSE(CompileScript(k, target, "Default.jss", 250)) << c.name;
    EXPECT_EQ(k.log.Detailed().back(), c.lastLine) << c.name;
    if (!f.processes.started.empty()) {
      EXPECT_EQ(f.processes.started[0].workingFolder, "") << c.name;  // no folder part
    }
    if (std::string(c.name) == "time-out") {
      EXPECT_EQ(f.processes.waitLimits, std::vector<uint32_t>{250});
      EXPECT_EQ(f.processes.released, std::vector<uint32_t>{4000});  // released, not killed
    }
  }
}

TEST_F(JawsRun, ChosenFolderLooksForABareCompilerName) {
  JawsTarget chosen;
  chosen.Label = "Choix d'un dossier";
  chosen.Kind = ChosenFolder;
  EXPECT_FALSE(CompileScript(core, chosen, kScript));
  EXPECT_EQ(Lines(core.log.Detailed()),
            (std::vector<std::string>{"* Script to compile ", " - JCompil = scompile.exe",
                                      "! Error, file not found"}));
}

TEST_F(JawsRun, EndOfRunPromptDecidesFromTheBoxTheRunningStateAndTheVersion) {
  struct Case {
    const char* name;
    bool asked;
    int32_t inUse, major;
    MessageAnswer answer;
    bool restarts;
    std::vector<std::string> steps;
    size_t boxes;
  };
  const std::string later = "Les modifications seront actives aus prochain lancement de JAWS ";
  const Case cases[] = {
      {"box not ticked", false, 1, 2019, MessageAnswer::Yes, false, {}, 0},
      {"not running", true, 0, 2019, MessageAnswer::Yes, false, {"", later + "2019"}, 0},
      {"version 6", true, 1, 6, MessageAnswer::Yes, false, {""}, 1},
      {"declined",
       true,
       1,
       2019,
       MessageAnswer::No,
       false,
       {"", " Rechargement annul\xE9 par l'utilisateur !"},
       1},
      {"accepted",
       true,
       1,
       2019,
       MessageAnswer::Yes,
       true,
       {"", "* Relancement de JAWS", "* ReStart Jaws ",
        " Relance de JAWS effectu\xE9"
        "e !"},
       1},
  };
  for (const auto& c : cases) {
    fake::FakePlatform f;
    Core k{f.platform};
    f.files.PutFile(kKill, "MZ");
    f.files.PutFile(kRun, "MZ");
    f.processes.SetProgram(kKill, {});
    f.processes.SetProgram(kRun, {});
    f.ui.answers.push_back(c.answer);
    JawsTarget t = target;
    t.InUse = c.inUse;
    t.MajorVersion = c.major;
    EXPECT_TRUE(EndOfRunPrompt(k, t, c.asked)) << c.name;
    EXPECT_EQ(k.log.Steps(), c.steps) << c.name;
    EXPECT_EQ(f.ui.messages.size(), c.boxes) << c.name;
    EXPECT_EQ(f.processes.started.size(), c.restarts ? 2u : 0u) << c.name;
  }
  fake::FakePlatform f;
  Core k{f.platform};
  f.ui.answers.push_back(MessageAnswer::No);
  EXPECT_TRUE(EndOfRunPrompt(k, target, true));
  EXPECT_EQ(f.ui.messages[0].text,
            "L'auteur conseille de recharger Jaws pour que les modifications soient prises en "
            "compte.\nVoulez-vous red\xE9marer Jaws 2019 ?");
  EXPECT_EQ(f.ui.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(f.ui.messages[0].title, "Info");
  // Accepted but the tools are missing: the only false result.
  f.ui.answers.push_back(MessageAnswer::Yes);
  JawsTarget missing = target;
  missing.InstallPath = "C:\\Nowhere\\";
  EXPECT_FALSE(EndOfRunPrompt(k, missing, true));
}

TEST_F(JawsRun, RestartKillsWaitsThenStartsJaws) {
  fake.processes.AddProcess(77, kRun);
  fake.processes.SetProgram(
      kKill, {true, true, 0, false, [&] { fake.processes.EndProcesses("jfw.exe"); }});
  fake.processes.SetProgram(kRun,
                            {true, false, 0, false, [&] { fake.processes.AddProcess(78, kRun); }});
  EXPECT_TRUE(RestartJaws(core, target));
  ASSERT_EQ(fake.processes.started.size(), 2u);
  EXPECT_EQ(fake.processes.started[0].commandLine, "\"" + kKill + "\"");
  EXPECT_EQ(fake.processes.started[0].workingFolder, "C:\\Program Files\\RunTime JAWS\\2019\\");
  EXPECT_EQ(fake.processes.started[0].mode, WindowMode::Shown);
  EXPECT_EQ(fake.processes.started[1].commandLine, "\"" + kRun + "\"");
  EXPECT_EQ(fake.processes.started[1].workingFolder, "");
  EXPECT_EQ(fake.processes.waitLimits, std::vector<uint32_t>{60000});  // Jfw.Exe is not waited for
  EXPECT_EQ(fake.processes.running.size(), 1u);
  EXPECT_EQ(fake.processes.running[0].id, 78u);
  EXPECT_EQ(Lines(core.log.Detailed()),
            (std::vector<std::string>{"* ReStart JAWS", "JawsKill = " + kKill, "JawsRun = " + kRun,
                                      " IdKill = 4000", " JAWS is killed : 0", " Launch Jaws !"}));
}

TEST_F(JawsRun, RestartFailures) {
  // The kill tool outlives its limit: JAWS is started anyway.
  fake.processes.SetProgram(kKill, {true, false, 0, false, {}});
  fake.processes.SetProgram(kRun, {});
  EXPECT_TRUE(RestartJaws(core, target, 10));
  EXPECT_EQ(core.log.Detailed()[4], "! Error, Jaws may be not killed : 259");

  // Jfw.Exe cannot be started.
  fake.processes.SetProgram(kRun, {false, true, 0, false, {}});
  EXPECT_FALSE(RestartJaws(core, target, 10));
  EXPECT_EQ(core.log.Detailed().back(), "! Error, Jaws mau be not launched");
  EXPECT_EQ(core.log.Steps().back(), " Erreur durant la relance de JAWS !");

  // An empty kill tool counts as missing; nothing is started.
  ASSERT_TRUE(fake.files.WriteFile(kKill, ""));
  const size_t before = fake.processes.started.size();
  EXPECT_FALSE(RestartJaws(core, target));
  EXPECT_EQ(core.log.Detailed().back(), " Error, no found exe ");
  EXPECT_EQ(fake.processes.started.size(), before);
}

}  // namespace
}  // namespace zebo
