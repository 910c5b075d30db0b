// The runner with its chains, on a whole script set: what reaches the disk, the step list and the
// boxes, and what a failing link leaves behind.
#include "operations/run_operations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "operations/apply_adaptations.h"
#include "operations/operation_flags.h"
#include "tests/unit/operations_fixture.h"

namespace zebo {
namespace {

using testing::kOldConfigNames;
using testing::kOldDefault;
using testing::kRunControls;
using testing::kSettings;
using testing::OperationsFixture;
using Lines = std::vector<std::string>;

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string ErrorBox(const std::string& summary) {
  return "Des erreurs se sont produites : \n" + summary +
         "Les scripts risquent de ne pas fonctionner correctement.";
}

const char kSuccessBox[] =
    "Toutes les op\xE9rations ont \xE9t\xE9 \xE9"
    "ffectu\xE9 avec succ\xE9s !";

TEST(RunOperations, InstallAfterBackupRunsTheWholeChain) {
  OperationsFixture f;
  f.SetUpFullInstall();
  f.ctx.restartJaws = true;
  f.destinations.entries[0].InUse = 1;
  f.fp.ui.answers = {MessageAnswer::Yes};
  int32_t done = 0;
  EXPECT_EQ(RunOperations(f.ctx, kRunControls, OpInstall | OpBackup, done),
            kRunControls.cancelButton);
  EXPECT_EQ(done, 1);

  const std::string adapted = f.Content("Default.jss");
  EXPECT_NE(adapted.find("BlocStart () ; [ ZeBo-Bloc ]\r\n"), std::string::npos) << adapted;
  EXPECT_EQ(f.Content("ConfigNames.Ini"),
            "[ConfigNames]\r\nnotepad=Bloc\r\nwordpad=Bloc\r\nWinword=Word\r\n");
  EXPECT_EQ(f.Content("Bak\\Bloc\\Default.jss"), kOldDefault);
  EXPECT_EQ(f.Content("Bak\\Bloc\\ConfigNames.Ini"), kOldConfigNames);
  EXPECT_EQ(f.Content("Bak\\Bloc\\Bloc.jss"), "old bloc");
  EXPECT_EQ(f.Content("Bloc.jss"), "Script Hello ()\r\nEndScript\r\n");
  EXPECT_EQ(f.File("Default.jss.Tmp"), nullptr);
  // Default.jss once by the adaptation step, then the pass in compile order.
  const std::string d = std::string("\"") + kSettings;
  EXPECT_EQ(f.Compiled(), (Lines{d + "Default.jss\"", d + "Default.Jss\"", d + "Bloc.jss\""}));
  ASSERT_EQ(f.fp.processes.started.size(), 5u);
  EXPECT_NE(f.fp.processes.started[3].program.find("JfwKill.Exe"), std::string::npos);
  EXPECT_NE(f.fp.processes.started[4].program.find("Jfw.Exe"), std::string::npos);

  const Lines& steps = f.Steps();
  for (const char* line :
       {"*** D\xE9"
        "but des op\xE9rations ",
        "- Fichier d'adaptation BlocAdapt.jss", " Nom du fichier \xE0 adapter : Default.jss",
        " Tatouage des adaptations : Bloc",
        " L'adaptation a \xE9t\xE9 effectu\xE9 avec succ\xE9s !", " Fichier enregistr\xE9 !",
        "* Compilation de fichier JSS",
        " Relance de JAWS effectu\xE9"
        "e !",
        "Toutes les op\xE9rations se sont termin\xE9"
        "es avec succ\xE9s ! "}) {
    EXPECT_TRUE(Has(steps, line)) << line;
  }
  ASSERT_EQ(f.fp.ui.messages.size(), 2u);
  EXPECT_EQ(f.fp.ui.messages[1].title, "Info");
  EXPECT_EQ(f.fp.ui.messages[1].text, kSuccessBox);
  EXPECT_TRUE(Has(Lines(f.core.log.Detailed().begin(), f.core.log.Detailed().end()),
                  "*** Begin of process"));
}

TEST(RunOperations, RemovalGivesBackTheOldSourceAndAliases) {
  OperationsFixture f;
  f.SetUpFullInstall();
  int32_t done = 0;
  RunOperations(f.ctx, kRunControls, OpInstall, done);
  ASSERT_NE(f.Content("Default.jss"), kOldDefault);

  f.ctx.items.erase(f.ctx.items.begin(), f.ctx.items.begin() + 2);  // the list shows adaptations
  f.fp.ui.messages.clear();
  f.fp.processes.started.clear();
  EXPECT_EQ(RunOperations(f.ctx, kRunControls, OpRemoveAdaptations, done),
            kRunControls.cancelButton);
  EXPECT_EQ(f.Content("Default.jss"), kOldDefault);
  EXPECT_EQ(f.Content("ConfigNames.Ini"), kOldConfigNames);
  EXPECT_TRUE(Has(f.Steps(), " L'adaptation a \xE9t\xE9 retir\xE9 avec succ\xE9s !"));
  const std::string d = std::string("\"") + kSettings;
  EXPECT_EQ(f.Compiled(), (Lines{d + "Default.jss\"", d + "Default.Jss\""}));
  EXPECT_EQ(f.fp.ui.messages.back().text, kSuccessBox);
}

// Each failing link: its line alone in the box, nothing after it ran, the focus in the step list.
TEST(RunOperations, AFailedLinkEndsItsChain) {
  struct Case {
    const char* what;
    int32_t flags;
    void (*spoil)(OperationsFixture&);
    const char* summary;
    bool defaultKept;
    const char* stepLine;  // the line that tells what went wrong
  } cases[] = {
      {"destination cannot be written", OpInstall | OpBackup,
       [](OperationsFixture& f) { f.fp.files.Lock(std::string(kSettings) + "Bloc.jss"); },
       "- Erreur durant l'installation des fichiers !\n", true,
       "! Erreur durant l'installation fichier"},
      {"compiler fails", OpInstall,
       [](OperationsFixture& f) { f.SetUpJawsPrograms(/*compilerExit=*/1); },
       "- Ereur durant l'adaptation du fichier !\n", false,
       "! La compilation a \xE9"
       "chou\xE9"
       "e"},
      {"conflicting adaptation", OpInstall,
       [](OperationsFixture& f) {
         f.fp.files.PutFile(
             std::string(kSettings) + "Default.jss",
             "Void Function AutoStartEvent () ; [ ZeBoComment-Other ]\r\n"
             "; [ ZeBoComment-Other ]SayString (\"hi\")\r\nOther () ; [ ZeBo-Other ]\r\n"
             "EndFunction\r\n");
         f.ReplaceContent(2,
                          "; merge_file Default.jss\r\n; merge_tag Bloc\r\n"
                          "; merge_replacefunction AutoStartEvent Mine ()\r\n");
       },
       "- Ereur durant l'adaptation du fichier !\n", true,
       "La fonction \"autostartevent\" est d\xE9ja utilis\xE9 par other"},
      {"alias file missing", OpInstall,
       [](OperationsFixture& f) {
         (void)f.fp.files.DeleteFile(std::string(kSettings) + "ConfigNames.Ini");
       },
       "- Erreur durant la mise \xE0 jour des alias dans le fichier ConfigName.ini !\n", false,
       "! Le fichier ConfigNames.Ini ne peut \xEAtre ouvert !"},
      {"removal without a source", OpRemoveAdaptations,
       [](OperationsFixture& f) {
         (void)f.fp.files.DeleteFile(std::string(kSettings) + "Default.jss");
         f.fp.files.PutFile(std::string(kSettings) + "BlocAdapt.jss", testing::kAdaptation);
       },
       "- Erreur durant la compilation des scripts !\n", false, "! Le fichier est inacc\xE9ssible"},
  };
  for (const Case& c : cases) {
    OperationsFixture f;
    f.SetUpFullInstall();
    f.ctx.restartJaws = true;
    f.destinations.entries[0].InUse = 1;
    c.spoil(f);
    const std::string defaultBefore = f.Content("Default.jss");
    int32_t done = 0;
    EXPECT_EQ(RunOperations(f.ctx, kRunControls, c.flags, done), kRunControls.stepList) << c.what;
    ASSERT_EQ(f.fp.ui.messages.size(), 1u) << c.what;  // no restart question
    EXPECT_EQ(f.fp.ui.messages[0].title, "Erreur") << c.what;
    EXPECT_EQ(f.fp.ui.messages[0].text, ErrorBox(c.summary)) << c.what;
    EXPECT_EQ(f.Steps().back(), "Des erreurs se sont produites durant les op\xE9rations !");
    if (c.defaultKept) {
      EXPECT_EQ(f.Content("Default.jss"), defaultBefore) << c.what;
    }
    if (std::string(c.what) != "alias file missing") {
      EXPECT_EQ(f.Content("ConfigNames.Ini"), kOldConfigNames) << c.what;
    }
    EXPECT_FALSE(Has(f.Steps(), "* Relancement de JAWS")) << c.what;
    EXPECT_TRUE(Has(f.Steps(), c.stepLine)) << c.what;
  }
}

TEST(RunOperations, CopyOrNothingSucceeds) {
  OperationsFixture f;
  f.AddFile("a.jss", "a", 0, false);
  int32_t done = 0;
  EXPECT_EQ(RunOperations(f.ctx, kRunControls, OpCopy, done), kRunControls.cancelButton);
  EXPECT_EQ(f.fp.ui.messages.back().text, kSuccessBox);

  OperationsFixture none;
  EXPECT_EQ(RunOperations(none.ctx, kRunControls, 0, done), kRunControls.cancelButton);
  EXPECT_EQ(none.fp.ui.messages.back().text, kSuccessBox);
  EXPECT_EQ(none.Steps(), (Lines{"",
                                 "*** D\xE9"
                                 "but des op\xE9rations ",
                                 "",
                                 "Toutes les op\xE9rations se sont termin\xE9"
                                 "es avec succ\xE9s ! "}));
}

TEST(ApplyAdaptations, SkipsDeselectedFilesAndStopsAtABadOne) {
  OperationsFixture f;
  f.SetUpFullInstall();
  f.fp.files.PutFile(std::string(kSettings) + "BlocAdapt.jss", testing::kAdaptation);
  f.ctx.items[2].checked = false;
  f.AddFile("NoTag.jss", "; merge_file Default.jss\r\n", FileAdaptation);
  f.fp.files.PutFile(std::string(kSettings) + "NoTag.jss", "; merge_file Default.jss\r\n");
  f.AddFile("Never.jss", "", FileAdaptation);
  EXPECT_FALSE(ApplyAdaptations(f.ctx, 0));
  EXPECT_EQ(f.Steps(),
            (Lines{"- Fichier d'adaptation BlocAdapt.jss",
                   " Fichier d\xE9s\xE9lectionn\xE9 par l'utilisateur",
                   "- Fichier d'adaptation NoTag.jss", " Nom du fichier \xE0 adapter : Default.jss",
                   " Tatouage des adaptations : ", "! Le nom du tatouage n'est pas correct !"}));
  EXPECT_EQ(f.Content("Default.jss"), kOldDefault);
}

TEST(CheckSensitiveFunctions, ReportsAdditionsToKeyPressedEventOnce) {
  OperationsFixture f;
  f.AddFile("Two.jss",
            "; merge_addendfunction KeyPressedEvent A ()\r\n"
            ";merge_addendfunction  keypressedevent B ()\r\n",
            FileAdaptation);
  f.AddFile("Replace.jss", "; merge_replacefunction KeyPressedEvent C ()\r\n", FileAdaptation);
  f.AddFile("Unchecked.jss", "; merge_addendfunction KeyPressedEvent D ()\r\n", FileAdaptation,
            false);
  f.AddFile("One.jss", "; merge_addendfunction KEYPRESSEDEVENT E ()\r\n",
            FileAdaptation | FileNoAdapt);
  f.AddFile("Other.jss", "; merge_addendfunction KeyPressedEvent F ()\r\n", FileAdaptation, true,
            1);
  CheckSensitiveFunctions(f.ctx);
  const std::string heading =
      "- Adaptation de fonctions sensible \xE0 la s\xE9"
      "curit\xE9 par ";
  EXPECT_EQ(f.Steps(),
            (Lines{"", heading + "Two.jss", "Function KeyPressedEvent", "Function KeyPressedEvent",
                   "", heading + "One.jss", "Function KeyPressedEvent"}));
  ASSERT_EQ(f.fp.ui.messages.size(), 1u);
  EXPECT_EQ(f.fp.ui.messages[0].title, "Attention");
  EXPECT_EQ(f.fp.ui.messages[0].text,
            "Detection de l'utilisation de fonction sensible \xE0 la s\xE9"
            "curit\xE9.\n"
            "Etes-vous sur de l'int\xE9grit\xE9 de ces scripts ?");
}

}  // namespace
}  // namespace zebo
