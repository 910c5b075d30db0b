// The plan texts of the file list and the summary of the last page.
#include <gtest/gtest.h>

#include "operations/operation_flags.h"
#include "operations/operation_kinds.h"
#include "operations/plan_texts.h"

namespace zebo {
namespace {

TEST(PlanTexts, OrdinalText) {
  EXPECT_EQ(OrdinalText(1), "premier");
  EXPECT_EQ(OrdinalText(2), "2\xE8me");
  EXPECT_EQ(OrdinalText(10), "10\xE8me");
  EXPECT_EQ(OrdinalText(0), "0\xE8me");
  EXPECT_EQ(OrdinalText(-3), "-3\xE8me");
}

TEST(PlanTexts, FilePlanTextByFlagsTargetAndKind) {
  const int32_t install = OpInstall, backup = OpInstall | OpBackup;
  struct Case {
    std::string target;
    int32_t flags;
    int32_t order;
    int32_t kind;
    std::string expected;
  } cases[] = {
      {"%JawsScriptPath%\\", FileCompile, 3, install, "a.jss, A compiler en 3\xE8me"},
      {"%JawsScriptPath%\\", FileCompile, 1, backup, "a.jss, A compiler en premier"},
      {"%JawsScriptPath%\\Extras\\", FileOptional, 0, install, "a.jss, optionnel, dans \\Extras"},
      {"%JawsScriptPath%\\", FileAdaptation | FileNoAdapt, 2, install,
       "a.jss, Ne pas r\xE9"
       "aliser l'adaptation"},
      {"%JawsScriptPath%\\", FileCompile | FileNoCompile, 2, install, "a.jss, Ne pas compiler"},
      // Both parts, the compile part first.
      {"%JawsScriptPath%\\", FileOptional | FileCompile | FileAdaptation, 2, install,
       "a.jss, optionnel, A compiler en 2\xE8me, Autoriser l'adaptation du fichier JSS et "
       "compiler en 2\xE8me"},
      // The copy and removal kinds show the bare name and the folder only.
      {"%JawsScriptPath%\\Sub\\", FileOptional | FileCompile | FileAdaptation, 2, OpCopy,
       "a.jss, dans \\Sub"},
      {"%JawsScriptPath%\\", FileCompile | FileAdaptation, 2, OpRemoveAdaptations, "a.jss"},
      // Other placeholders stay; only an exactly written script-folder placeholder is removed,
      // but then in every spelling.
      {"%User%\\Settings\\", 0, 0, install, "a.jss, dans %User%\\Settings"},
      {"%jawsscriptpath%\\", 0, 0, install, "a.jss, dans %jawsscriptpath%"},
      {"%JawsScriptPath%\\x\\%JAWSSCRIPTPATH%\\", 0, 0, install, "a.jss, dans \\x\\"},
      {"", 0, 0, install, "a.jss, dans "},
  };
  for (const auto& c : cases) {
    PackageFile file;
    file.Name = "a.jss";
    file.TargetPath = c.target;
    file.Flags = c.flags;
    file.CompileOrder = c.order;
    EXPECT_EQ(FilePlanText(file, c.kind), c.expected) << c.target << " " << c.flags;
  }
}

TEST(PlanTexts, SummaryLines) {
  PackageInfo info;
  info.ApplicationName = "Bloc-notes";
  info.ApplicationVersion = "11";
  info.ScriptVersion = "2.1";
  info.ScriptAuthor = "Anne";
  JawsTarget chosen;
  chosen.Label = "Choix d'un dossier";
  chosen.Kind = ChosenFolder;
  chosen.DestinationPath = "D:\\Copie\\";
  const std::string group = "2020", operation = kCopyItem;
  auto lines = SummaryLines({info, group, chosen, operation});
  const std::vector<std::string> expected = {"* D\xE9scription du groupe de fichiers scripts :",
                                             " Pour l'application : Bloc-notes 11",
                                             " Version : 2.1",
                                             " Auteur  : Anne",
                                             " Fonctionnant avec Jaws 2020",
                                             "",
                                             "* Dossier de destination : ",
                                             " Choix d'un dossier, ",
                                             " D:\\Copie\\",
                                             "",
                                             "* Copier les fichiers dans un dossier",
                                             ""};
  EXPECT_EQ(lines, expected);

  info.Flags = InfoCertified;
  info.ScriptAuthor.clear();
  EXPECT_EQ(SummaryLines({info, group, chosen, operation})[3], " Auteur certifi\xE9 :");
}

TEST(OperationKinds, ItemsAndFlags) {
  PackageState package;
  package.files.resize(2);
  EXPECT_EQ(OperationItems(package).size(), 3u);
  package.files[1].Flags = FileAdaptation;
  const auto items = OperationItems(package);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(OperationFlagsFromText(items[0]), OpInstall);
  EXPECT_EQ(OperationFlagsFromText(items[1]), OpInstall | OpBackup);
  EXPECT_EQ(OperationFlagsFromText(items[2]), OpCopy);
  EXPECT_EQ(OperationFlagsFromText(items[3]), OpRemoveAdaptations);
  EXPECT_EQ(OperationFlagsFromText("installer les fichiers"), 0);
}

}  // namespace
}  // namespace zebo
