// The wizard's pages: what each one shows, where the focus goes, Next and Previous everywhere, the
// destination and language choices, and the group page.
#include <gtest/gtest.h>

#include "tests/unit/wizard_fixture.h"
#include "wizard/pages.h"

namespace zebo::testing {
namespace {

using Pages = WizardTest;

struct PageStep {
  const char* action;  // "next" or "previous"
  int page;
  std::vector<int> buttons;
  int focusAtOnce, pending, pageFocus;
};

const std::vector<int> kWizardButtons{HelpButtonG, NextButtonG, PreviousButtonG, CancelButtonG};

void Walk(WizardTest& t, const std::vector<PageStep>& steps) {
  for (const auto& step : steps) {
    SCOPED_TRACE(std::string(step.action) + " to " + std::to_string(step.page));
    if (std::string(step.action) == "next") t.Next();
    if (std::string(step.action) == "previous") t.Previous();
    EXPECT_EQ(t.PageShown(), step.page);
    EXPECT_EQ(t.Containers(), std::vector<int>{step.page});
    EXPECT_EQ(t.Buttons(), step.buttons);
    EXPECT_EQ(t.ui().focused, step.focusAtOnce);
    EXPECT_EQ(t.app.loop.PendingFocus, step.pending);
    EXPECT_EQ(t.app.loop.PageFocus, step.pageFocus);
    EXPECT_EQ(t.app.loop.FocusCountdown, 0);
    EXPECT_EQ(t.app.pages.MemPageInUse, step.page);
    EXPECT_EQ(t.ui().Title(), "ZeBo pour Bloc-notes");
    EXPECT_EQ(t.ui().statusText, "ZeBo");
  }
}

TEST_F(Pages, StartShowsOnlyTheDescriptionPage) {
  Start();
  EXPECT_TRUE(ui().windowShown);
  EXPECT_EQ(PageShown(), DescriptionPageG);
  EXPECT_EQ(Containers(), std::vector<int>{DescriptionPageG});
  EXPECT_EQ(Buttons(), (std::vector<int>{HelpButtonG, NextButtonG, CancelButtonG}));
  EXPECT_EQ(ui().focused, WelcomeTextG);
  EXPECT_EQ(app.loop.PendingFocus, NextButtonG);
  EXPECT_EQ(app.loop.FocusCountdown, 100);
  EXPECT_EQ(ui().Title(), "ZeBo pour Bloc-notes");
  // Hidden pages are disabled too, so Tab never lands in them.
  EXPECT_FALSE(ui().IsEnabled(FilePageG));
}

TEST_F(Pages, WalkThroughTwoGroupsAndBack) {
  Start();
  const std::vector<int> last{HelpButtonG, RunButtonG, PreviousButtonG, CancelButtonG};
  Walk(*this,
       {
           {"next", OperationPageG, kWizardButtons, OperationListG, 0, OperationListG},
           {"next", DestinationPageG, kWizardButtons, DestinationListG, 0, DestinationListG},
           {"next", GroupPageG, kWizardButtons, GroupInfoTextG, GroupFileListG, GroupFileListG},
           {"next", FilePageG, kWizardButtons, FileListTitleG, FileListG, FileListG},
           {"next", ProcessPageG, last, ProcessLabelG, StepEditorG, StepEditorG},
           // The run starts only from its button: Next and Enter do nothing here.
           {"next", ProcessPageG, last, ProcessLabelG, StepEditorG, StepEditorG},
           {"previous", FilePageG, kWizardButtons, FileListTitleG, FileListG, FileListG},
           {"previous", GroupPageG, kWizardButtons, GroupInfoTextG, GroupFileListG, GroupFileListG},
           {"previous", DestinationPageG, kWizardButtons, DestinationListG, 0, DestinationListG},
           {"previous", OperationPageG, kWizardButtons, OperationListG, 0, OperationListG},
           {"previous",
            DescriptionPageG,
            {HelpButtonG, NextButtonG, CancelButtonG},
            WelcomeTextG,
            NextButtonG,
            NextButtonG},
       });
  // Previous on the first page does nothing, not even a focus change.
  app.loop.PendingFocus = 0;
  Menu(MenuPrevious);
  EXPECT_EQ(PageShown(), DescriptionPageG);
  EXPECT_EQ(app.loop.PendingFocus, 0);
}

TEST_F(Pages, OneGroupSkipsTheGroupPage) {
  app.package.groups.pop_back();
  app.package.files.pop_back();
  Start();
  Next();
  Next();
  Walk(*this,
       {
           {"next", FilePageG, kWizardButtons, FileListTitleG, FileListG, FileListG},
           {"previous", DestinationPageG, kWizardButtons, DestinationListG, 0, DestinationListG},
       });
}

TEST_F(Pages, WelcomeTextAndDescriptionFields) {
  PackageInfo& info = app.package.info;
  info.ScriptVersion = " ";
  info.ApplicationVersion = "";
  Start();
  EXPECT_EQ(ui().Text(WelcomeTextG),
            "Bienvenue dans l'assistant d'installation de scripts pour la revue d'\xE9"
            "cran JAWS !\nCet assistant va vous guider durant l'installation des scripts, de "
            "Anne, perm\xE9tant l'am\xE9lioration de l'acc\xE9ssibilit\xE9 de l'application "
            "Bloc-notes.");
  EXPECT_FALSE(ui().IsVisible(CheckVersionButtonG));
  EXPECT_FALSE(ui().IsVisible(AuthorSiteButtonG));

  info.ScriptVersion = "2.1";
  info.ApplicationVersion = "11";
  info.Flags = InfoCertified | InfoVersionButton;
  info.RecommendedJaws = "2020";
  info.RecommendedWith = "Windows 10";
  info.Comments = "Test";
  info.AuthorSite = "https://exemple.fr";
  ShowDescriptionPage(app.wizard);
  EXPECT_EQ(ui().Text(WelcomeTextG),
            "Bienvenue dans l'assistant d'installation de scripts pour la revue d'\xE9"
            "cran JAWS !\nCet assistant va vous guider durant l'installation des scripts, "
            "version 2.1, certifi\xE9s par Anne, perm\xE9tant l'am\xE9lioration de "
            "l'acc\xE9ssibilit\xE9 de l'application Bloc-notes version 11. Recommand\xE9 pour "
            "Jaws 2020 avec Windows 10.\nCommentaires : Test");
  EXPECT_EQ(ui().Text(ScriptStringG), "2.1 pour Bloc-notes 11");
  EXPECT_EQ(ui().Text(RecommendedStringG), " pour Jaws 2020 avec Windows 10");
  EXPECT_EQ(ui().Text(AuthorStringG), "Anne");
  EXPECT_TRUE(ui().IsReachable(CheckVersionButtonG));
  EXPECT_TRUE(ui().IsReachable(AuthorSiteButtonG));
  EXPECT_FALSE(ui().IsVisible(ApplicationSiteButtonG));
}

TEST_F(Pages, SharedSettingsWarnEveryTime) {
  Start();
  Next();
  Next();
  EXPECT_EQ(ui().ItemTexts(DestinationListG),
            (std::vector<std::string>{"Jaws 2020", "Jaws 2021", "Choix d'un dossier"}));
  ui().SetChecked(SharedFoldersCheckG, true);
  Click(SharedFoldersCheckG);
  EXPECT_EQ(ui().ItemCount(DestinationListG), 4);
  // The refill keeps the entry shown before.
  EXPECT_EQ(ui().Text(DestinationListG), "Jaws 2020");
  SelectDestination("Jaws 2020 partag\xE9");
  Next();
  Previous();
  EXPECT_EQ(PageShown(), DestinationPageG);
  Next();
  ASSERT_EQ(ui().messages.size(), 2u);
  for (const auto& m : ui().messages) {
    EXPECT_EQ(m.title, "Info");
    EXPECT_EQ(m.text,
              "Vous avez selectionn\xE9 un dossier de param\xE8tres partag\xE9s.\nLes "
              "modifications vont affecter les fonctionnalit\xE9s \n de tous les utilisateurs "
              "de cet ordinateur !");
  }
  EXPECT_EQ(PageShown(), GroupPageG);  // the warning does not stop the move
  EXPECT_EQ(app.destinations.current, 1u);
  EXPECT_EQ(app.destinations.entries[1].DestinationPath, "C:\\A\\2020\\fra\\");
}

TEST_F(Pages, TheRunningJawsIsPreselected) {
  app.destinations.entries[2].InUse = 1;
  app.jaws.RunningJawsVersion = "2021";
  Start();
  EXPECT_EQ(ui().Text(DestinationListG), "Jaws 2021");
  Next();
  Next();
  Next();
  EXPECT_EQ(ui().Text(GroupFileListG), "Jaws 2021");
  // A later visit keeps the user's choice.
  ui().SelectItem(GroupFileListG, 0);
  Next();
  EXPECT_EQ(app.package.currentGroup, 0u);
  Previous();
  EXPECT_EQ(ui().Text(GroupFileListG), "Jaws 2020");
}

TEST_F(Pages, LanguageChoiceSurvivesAChangeOfVersion) {
  // Entries: enu|fra|, enu|, deu|esp|, FRA|, then the chosen folder.
  app.destinations.entries.erase(app.destinations.entries.begin() + 1);
  app.destinations.entries.insert(app.destinations.entries.begin() + 1, JawsTarget{});
  app.destinations.entries[1].Label = "Jaws 11";
  app.destinations.entries[1].Languages = "enu|";
  app.destinations.entries.insert(app.destinations.entries.begin() + 3, JawsTarget{});
  app.destinations.entries[3].Label = "Jaws 12";
  app.destinations.entries[3].Languages = "FRA|";
  app.destinations.entries[3].ScriptBasePath = "C:\\U\\12\\";
  Start();
  struct Step {
    std::string destination;
    int pick;  // the language the user picks afterwards, or -1
    std::vector<std::string> languages;
    std::string selected;
  } steps[] = {
      {"Jaws 2020",
       0,
       {"Am\xE9ricain",
        "Fran\xE7"
        "ais"},
       "Fran\xE7"
       "ais"},
      {"Jaws 11", -1, {"Am\xE9ricain"}, "Am\xE9ricain"},
      {"Jaws 2021", -1, {"deu", "esp"}, "deu"},
      {"Jaws 12",
       -1,
       {"Fran\xE7"
        "ais"},
       "Fran\xE7"
       "ais"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.destination);
    SelectDestination(step.destination);
    EXPECT_EQ(ui().ItemTexts(LanguageListG), step.languages);
    EXPECT_EQ(ui().Text(LanguageListG), step.selected);
    EXPECT_TRUE(ui().IsEnabled(LanguageListG));
    EXPECT_FALSE(ui().IsEnabled(BrowseButtonG));
    if (step.pick >= 0) ui().SelectItem(LanguageListG, step.pick);
  }
  // The chosen folder keeps the languages, disabled, for a return to a version.
  SelectDestination("Jaws 2020");
  ui().SelectItem(LanguageListG, 0);
  SelectDestination("Choix d'un dossier");
  EXPECT_FALSE(ui().IsEnabled(LanguageListG));
  EXPECT_FALSE(ui().IsEnabled(LanguageLabelG));
  EXPECT_TRUE(ui().IsEnabled(FolderStringG));
  EXPECT_TRUE(ui().IsEnabled(BrowseButtonG));
  EXPECT_EQ(ui().ItemCount(LanguageListG), 2);
  SelectDestination("Jaws 2020");
  EXPECT_EQ(ui().Text(LanguageListG), "Am\xE9ricain");

  // The path takes the lower-case code.
  Next();
  Next();
  SelectDestination("Jaws 12");
  Next();
  EXPECT_EQ(app.destinations.entries[3].Language,
            "Fran\xE7"
            "ais");
  EXPECT_EQ(app.destinations.entries[3].DestinationPath, "C:\\U\\12\\fra\\");
}

TEST_F(Pages, CopyPreselectsTheChosenFolderOnlyOnTheWayForward) {
  Start();
  Next();
  SelectOperation(2);
  Next();
  EXPECT_EQ(app.OperationFlags, 0x10);
  EXPECT_EQ(ui().Text(DestinationLabelG), "S\xE9lectionner le dossier pour la copie : ");
  EXPECT_EQ(ui().Text(DestinationListG), "Choix d'un dossier");
  EXPECT_TRUE(ui().IsEnabled(BrowseButtonG));
  SelectDestination("Jaws 2021");
  Next();
  Previous();
  EXPECT_EQ(ui().Text(DestinationListG), "Jaws 2021");

  // Another kind changes the label, the file list's title and its texts on the way forward.
  Previous();
  SelectOperation(3);
  Next();
  EXPECT_EQ(ui().Text(DestinationLabelG),
            "S\xE9lectionner le dossier d'o\xF9 doit \xEAtre retirer l'association : ");
  SelectOperation(0);
  Previous();
  SelectOperation(0);
  Next();
  EXPECT_EQ(ui().Text(DestinationLabelG), "S\xE9lectionner le dossier d'installation : ");
}

TEST_F(Pages, BrowseFillsTheFolderField) {
  fake.host.currentFolder = "C:\\Downloads";
  Start();
  EXPECT_EQ(ui().Text(FolderStringG), "C:\\Downloads\\");
  ui().folderAnswers = {"D:\\Copie", ""};
  Click(BrowseButtonG);
  ASSERT_EQ(ui().foldersAsked.size(), 1u);
  EXPECT_EQ(ui().foldersAsked[0].title, "Choix du dossier : ");
  EXPECT_EQ(ui().foldersAsked[0].prompt, "C:\\Downloads\\");
  // The folder keeps its closing "\": the copy's folder name is appended to it as it is.
  EXPECT_EQ(ui().Text(FolderStringG), "D:\\Copie\\");
  Click(BrowseButtonG);
  EXPECT_EQ(ui().Text(FolderStringG), "D:\\Copie\\");
  // Leaving the page stores it in the chosen-folder entry.
  Next();
  Next();
  SelectDestination("Choix d'un dossier");
  Next();
  EXPECT_EQ(app.destinations.entries[3].DestinationPath, "D:\\Copie\\");
}

TEST_F(Pages, LogPageOverAnyPage) {
  Start();
  Next();
  Menu(MenuShowLog);
  EXPECT_EQ(PageShown(), LogPageG);
  EXPECT_EQ(Buttons(), std::vector<int>{PreviousButtonG});
  EXPECT_EQ(ui().Title(), "ZeBo - Log");
  EXPECT_EQ(ui().focused, LogEditorG);
  EXPECT_EQ(app.loop.PageFocus, LogEditorG);
  EXPECT_EQ(app.pages.MemPageInUse, OperationPageG);
  Previous();
  EXPECT_EQ(PageShown(), OperationPageG);
  EXPECT_EQ(ui().Title(), "ZeBo pour Bloc-notes");
}

TEST_F(Pages, AnUnknownPageInUseLeadsToTheLog) {
  Start();
  app.pages.MemPageInUse = 5;
  RedisplayPage(app.wizard);
  EXPECT_EQ(Log().back(), "! Error, MemPageInUse = 5");
  EXPECT_EQ(ui().Lines(LogEditorG).back(), "! Error, MemPageInUse = 5");
  EXPECT_EQ(PageShown(), LogPageG);
}

TEST_F(Pages, AGroupListOutOfStepIsReported) {
  Start();
  ui().AddItem(GroupFileListG, "Jaws 1", 0);
  ui().AddItem(GroupFileListG, "Jaws 2", 1);
  ui().AddItem(GroupFileListG, "Jaws 3", 2);
  ui().SelectItem(GroupFileListG, 2);
  ui().focused = 0;
  ui().SetTitle("T");
  EXPECT_EQ(SelectedGroup(app.wizard), 0);
  EXPECT_EQ(Log().back(), "! CroupList$()=2 and #GroupFileListG=3");
  EXPECT_EQ(PageShown(), LogPageG);
  EXPECT_EQ(Buttons(), std::vector<int>{CancelButtonG});
  EXPECT_EQ(ui().Title(), "T");
  EXPECT_EQ(ui().focused, 0);

  // In step, with nothing selected, the first group is taken.
  FillGroupList(app.wizard, "2021");
  EXPECT_EQ(ui().Text(GroupFileListG), "Jaws 2021");
  ui().SelectItem(GroupFileListG, -1);
  EXPECT_EQ(SelectedGroup(app.wizard), 0);
  EXPECT_EQ(ui().SelectedItem(GroupFileListG), 0);
}

// The run started from its button freezes the wizard's own buttons around the close button.
TEST_F(Pages, TheRunTurnsCancelIntoCloseAndFreezesTheNavigation) {
  Start();
  for (int i = 0; i < 5; ++i) Next();
  ASSERT_EQ(PageShown(), ProcessPageG);
  Click(RunButtonG);
  EXPECT_EQ(app.OperationsDone, 1);
  EXPECT_EQ(ui().Text(CancelButtonG), "Fermer");
  EXPECT_EQ(Buttons(), (std::vector<int>{HelpButtonG, CancelButtonG}));
  // Nothing is installed on this machine: the run fails and its lines are where the focus is.
  EXPECT_EQ(ui().messages.back().title, "Erreur");
  EXPECT_EQ(ui().focused, StepEditorG);
  EXPECT_EQ(app.loop.PageFocus, StepEditorG);
  EXPECT_EQ(app.loop.LastFocus, StepEditorG);
}

TEST_F(Pages, AfterTheRunOnlyCloseRemains) {
  Start();
  for (int i = 0; i < 5; ++i) Next();
  ASSERT_EQ(PageShown(), ProcessPageG);
  app.OperationsDone = 1;
  Previous();
  EXPECT_EQ(PageShown(), ProcessPageG);
  Menu(MenuHelp);
  EXPECT_EQ(PageShown(), HelpPageG);
  Previous();
  EXPECT_EQ(PageShown(), ProcessPageG);
  EXPECT_EQ(Buttons(), std::vector<int>{CancelButtonG});
  Menu(MenuShowLog);
  Previous();
  EXPECT_EQ(Buttons(), std::vector<int>{CancelButtonG});
}

}  // namespace
}  // namespace zebo::testing
