// Discovery of the installed JAWS versions, languages, running JAWS and the start-up report.
#include <gtest/gtest.h>

#include "jaws/discovery.h"
#include "jaws/jaws_startup.h"
#include "jaws/languages.h"
#include "jaws/running_process.h"
#include "platform/fake/fake_platform.h"

namespace zebo {
namespace {

constexpr RegistryRoot HKLM = RegistryRoot::LocalMachine;
const std::string kJaws = "SOFTWARE\\Freedom Scientific\\JAWS\\";
const std::string kRunTime = "SOFTWARE\\Freedom Scientific\\RunTime JAWS\\";
const std::string kUserData = "C:\\Users\\al\\AppData\\Roaming\\Freedom Scientific\\JAWS\\";
const std::string kSharedData = "C:\\ProgramData\\Freedom Scientific\\JAWS\\";

class JawsMachine : public ::testing::Test {
 protected:
  JawsMachine() {
    fake.shell.folders[SpecialFolder::UserAppData] = "C:\\Users\\al\\AppData\\Roaming\\";
    fake.shell.folders[SpecialFolder::AllUsersAppData] = "C:\\ProgramData\\";
    fake.shell.folders[SpecialFolder::Profile] = "C:\\Users\\al\\";
    fake.shell.folders[SpecialFolder::Documents] = "C:\\Users\\al\\Documents\\";
    ReadPlaceholderFolders(core, state);
  }
  void AddVersion(const std::string& version, const std::string& program) {
    fake.registry.AddKey(HKLM, kJaws + version);
    if (!program.empty()) {
      fake.registry.SetString(HKLM, kJaws + version, "Target", program);
      fake.registry.SetString(HKLM, kRunTime + version, "Target", program + "RunTime");
    }
  }
  std::vector<std::string> Labels() const {
    std::vector<std::string> labels;
    for (const auto& e : list.entries) labels.push_back(e.Label);
    return labels;
  }

  fake::FakePlatform fake;
  Core core{fake.platform};
  JawsState state;
  DestinationList list;
};

TEST_F(JawsMachine, ListsSettingsFoldersLargestVersionFirstThenTheChosenFolder) {
  // Registry order differs from the list order; equal majors keep registry order.
  AddVersion("10.0", "C:\\JAWS10\\");
  AddVersion("2019", "C:\\Program Files\\JAWS2019");  // no trailing "\" in the registry
  AddVersion("5.0", "C:\\JAWS5\\");
  AddVersion("10.5", "C:\\JAWS105\\");
  AddVersion("11.0", "C:\\JAWS11\\");
  fake.files.PutFolder(kUserData + "2019\\Settings\\enu");
  fake.files.PutFolder(kUserData + "2019\\Settings\\fra");
  fake.files.PutFolder(kUserData + "2019\\Settings\\backup");
  fake.files.PutFile(kUserData + "2019\\Settings\\abc", "a file, not a language");
  fake.files.PutFolder(kSharedData + "2019\\Settings\\fra");
  fake.files.PutFolder(kUserData + "10.0\\Settings\\xyz");
  fake.files.PutFolder(kUserData + "10.5\\Settings\\fra");
  fake.files.PutFolder("C:\\JAWS5\\SETTINGS\\fra");
  fake.files.PutFolder(kSharedData + "5.0\\Settings\\fra");   // old versions have no shared entry
  fake.files.PutFolder(kSharedData + "11.0\\Settings\\deu");  // shared only
  fake.files.PutFolder(kUserData + "11.0\\Settings\\toolong");

  BuildDestinationList(core, state, list);

  EXPECT_EQ(Labels(),
            (std::vector<std::string>{
                "Mes param\xE8tres de jaws 2019", "Param\xE8tres partag\xE9s de jaws 2019",
                "Param\xE8tres partag\xE9s de jaws 11.0", "Mes param\xE8tres de jaws 10.0",
                "Mes param\xE8tres de jaws 10.5", "Mes param\xE8tres de jaws 5.0",
                "Choix d'un dossier"}));
  const JawsTarget& user = list.entries[0];
  EXPECT_EQ(user.Version, "2019");
  EXPECT_EQ(user.MajorVersion, 2019);
  EXPECT_EQ(user.Languages, "enu|fra|");
  EXPECT_EQ(user.InstallPath, "C:\\Program Files\\JAWS2019\\");
  EXPECT_EQ(user.RunTimePath, "C:\\Program Files\\JAWS2019RunTime\\");
  EXPECT_EQ(user.ScriptBasePath, kUserData + "2019\\Settings\\");
  EXPECT_EQ(user.Kind, UserSettings);
  EXPECT_EQ(list.entries[1].Languages, "fra|");
  EXPECT_EQ(list.entries[1].ScriptBasePath, kSharedData + "2019\\Settings\\");
  EXPECT_EQ(list.entries[1].Kind, SharedSettings);
  EXPECT_EQ(list.entries[3].Languages, "xyz|");
  const JawsTarget& old = list.entries[5];
  EXPECT_EQ(old.ScriptBasePath, "C:\\JAWS5\\SETTINGS\\");
  EXPECT_EQ(old.RunTimePath, "");
  const JawsTarget& chosen = list.entries.back();
  EXPECT_EQ(chosen.Kind, ChosenFolder);
  EXPECT_EQ(chosen.InstallPath, "");
  EXPECT_EQ(chosen.MajorVersion, 0);
}

TEST_F(JawsMachine, MissingKeyOrTargetGivesNoEntryOrALoneBackslash) {
  BuildDestinationList(core, state, list);
  EXPECT_EQ(Labels(), std::vector<std::string>{"Choix d'un dossier"});

  AddVersion("2020", "");
  fake.files.PutFolder(kUserData + "2020\\Settings\\fra");
  EXPECT_EQ(DiscoverJawsTargets(core, state, list), 1);
  EXPECT_EQ(list.entries[0].InstallPath, "\\");
  EXPECT_EQ(list.entries[0].RunTimePath, "\\");
}

TEST(JawsDiscovery, MajorVersionAndTrailingBackslash) {
  const std::pair<const char*, int32_t> versions[] = {
      {"2019", 2019}, {"11.0", 11},    {" \t7.1", 7},
      {"+8", 8},      {"-3.0", -3},    {"v10", 0},
      {"", 0},        {"12abc.5", 12}, {"99999999999", 2147483647}};
  for (const auto& [text, value] : versions) EXPECT_EQ(MajorVersionOf(text), value) << text;
  EXPECT_EQ(AddTrailingBackslash(""), "\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\a\\"), "C:\\a\\");
}

TEST(JawsLanguages, NamesAndCodes) {
  EXPECT_EQ(LanguageDisplayName("fra"),
            "Fran\xE7"
            "ais");
  EXPECT_EQ(LanguageDisplayName("FRA"),
            "Fran\xE7"
            "ais");
  EXPECT_EQ(LanguageDisplayName("enu"), "Am\xE9ricain");
  EXPECT_EQ(LanguageDisplayName("DEU"), "deu");
  EXPECT_EQ(LanguageCode("Fran\xE7"
                         "ais"),
            "fra");
  EXPECT_EQ(LanguageCode("Am\xE9ricain"), "enu");
  EXPECT_EQ(LanguageCode("fran\xE7"
                         "ais"),
            "fran\xE7"
            "ais");  // exact comparison
  EXPECT_EQ(LanguageCode("deu"), "deu");
}

TEST_F(JawsMachine, FindProcessMatchesWholeNamesInAnyCase) {
  fake.processes.AddProcess(10, "C:\\x\\xjfw.exe");
  fake.processes.AddProcess(11, "C:\\x\\jfw.exe.bak");
  fake.processes.AddProcess(12, "C:\\A\\JFW.EXE");
  fake.processes.AddProcess(13, "C:\\B\\jfw.exe");
  EXPECT_EQ(FindProcess(fake.processes, state, "  Jfw.Exe "), 12u);
  EXPECT_EQ(FindProcess(fake.processes, state, "{nothing.exe}{jfw.exe.bak}"), 11u);
  EXPECT_EQ(FindProcess(fake.processes, state, "fw.exe"), 0u);
  EXPECT_EQ(FindProcess(fake.processes, state, "   "), 0u);
  EXPECT_EQ(state.processList.size(), 4u);
  EXPECT_EQ(state.processList[2].exeName, "jfw.exe");
  fake.processes.versionClass = WindowsVersionClass::Older;
  EXPECT_EQ(FindProcess(fake.processes, state, "jfw.exe"), 0u);
}

TEST_F(JawsMachine, MarksEveryEntryOfTheRunningInstallationAndReportsUserEntries) {
  AddVersion("2019", "C:\\Program Files\\Freedom Scientific\\JAWS\\2019\\");
  AddVersion("11.0", "C:\\JAWS11\\");
  fake.files.PutFolder(kUserData + "2019\\Settings\\fra");
  fake.files.PutFolder(kSharedData + "2019\\Settings\\enu");
  fake.files.PutFolder(kUserData + "11.0\\Settings\\fra");
  BuildDestinationList(core, state, list);
  fake.processes.AddProcess(7, "c:\\program files\\freedom scientific\\jaws\\2019\\JFW.exe");
  fake.processes.AddProcess(8, "C:\\JAWS11\\jfw.exe");  // listed later: not the running one

  MarkRunningJaws(fake.processes, state, list);
  LogInstalledJaws(core, list);

  EXPECT_EQ(state.RunningJawsVersion, "2019");
  EXPECT_EQ(list.entries[0].Label, "Mes param\xE8tres de jaws 2019 en fonctionnement");
  EXPECT_EQ(list.entries[1].Label, "Param\xE8tres partag\xE9s de jaws 2019 en fonctionnement");
  EXPECT_EQ(list.entries[0].InUse + list.entries[1].InUse, 2);
  EXPECT_EQ(list.entries[2].InUse, 0);
  EXPECT_EQ(list.entries[3].InUse, 0);
  const std::vector<std::string> report(core.log.Detailed().begin(), core.log.Detailed().end());
  EXPECT_EQ(report,
            (std::vector<std::string>{
                "* Enumerate Jaws Version installed : ",
                "Mes param\xE8tres de jaws 2019 en fonctionnement with lang=fra|",
                " Script Base Path = " + kUserData + "2019\\Settings\\",
                " Install Path = C:\\Program Files\\Freedom Scientific\\JAWS\\2019\\",
                " RunTime Path = C:\\Program Files\\Freedom Scientific\\JAWS\\2019\\RunTime\\", "",
                "Mes param\xE8tres de jaws 11.0 with lang=fra|",
                " Script Base Path = " + kUserData + "11.0\\Settings\\",
                " Install Path = C:\\JAWS11\\", " RunTime Path = C:\\JAWS11\\RunTime\\", ""}));
}

TEST_F(JawsMachine, NothingIsMarkedWhenJawsIsNotRunningOrItsPathIsUnreadable) {
  AddVersion("9.0", "");  // InstallPath "\"
  fake.files.PutFolder(kUserData + "9.0\\Settings\\fra");
  BuildDestinationList(core, state, list);
  MarkRunningJaws(fake.processes, state, list);
  fake.processes.running.push_back({5, "jfw.exe", ""});
  MarkRunningJaws(fake.processes, state, list);
  fake.processes.running.back().path = "jfw.exe";  // no folder part
  MarkRunningJaws(fake.processes, state, list);
  EXPECT_EQ(state.RunningJawsVersion, "");
  for (const auto& e : list.entries) EXPECT_EQ(e.InUse, 0) << e.Label;
  EXPECT_EQ(ProcessFolder(fake.processes, 0), "");
}

TEST_F(JawsMachine, StartUpRefusesWhileTheScriptManagerRuns) {
  EXPECT_FALSE(RefuseWhileScriptManagerRuns(core, state));
  fake.processes.AddProcess(3, "C:\\JAWS\\jscript.EXE");
  EXPECT_TRUE(RefuseWhileScriptManagerRuns(core, state));
  ASSERT_EQ(fake.ui.messages.size(), 1u);
  EXPECT_EQ(fake.ui.messages[0].title, "Info ZeBo");
  EXPECT_EQ(fake.ui.messages[0].text, "Veuillez fermer le gestionnaire de script !");
  EXPECT_TRUE(core.log.Detailed().empty());
}

TEST_F(JawsMachine, WindowsLanguageIsLoggedInLowerCaseWithFrenchByDefault) {
  ReadWindowsLanguage(core, state);
  fake.registry.SetString(RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage",
                          "ENU");
  ReadWindowsLanguage(core, state);
  EXPECT_EQ(state.WindowsLanguage, "enu");
  const std::vector<std::string> lines(core.log.Detailed().begin(), core.log.Detailed().end());
  EXPECT_EQ(lines,
            (std::vector<std::string>{"Lang of Windows = fra", "", "Lang of Windows = enu", ""}));
}

}  // namespace
}  // namespace zebo
