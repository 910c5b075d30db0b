// The file list page: which files are listed and how, the context menu and its toggles, Control+A,
// the protected files and their password, and the summary of the last page.
#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "core/md5.h"
#include "operations/plan_texts.h"
#include "tests/unit/wizard_fixture.h"
#include "wizard/file_list.h"
#include "wizard/pages.h"

namespace zebo::testing {
namespace {

class FileList : public WizardTest {
 public:
  // Start-up, the operation item, then on to the file list page.
  void ToFilePage(int operation = 1) {
    Start();
    Next();
    SelectOperation(operation);
    Next();
    Next();
    Next();
    ASSERT_EQ(PageShown(), FilePageG);
  }
  std::vector<bool> Checks() {
    std::vector<bool> checks;
    for (const auto& item : ui().At(FileListG).items) checks.push_back(item.checked);
    return checks;
  }
};

const std::string kAdaptText =
    "adapt.jss, A compiler en premier, Autoriser l'adaptation du fichier JSS et compiler en "
    "premier";

TEST_F(FileList, SortedWithPlanTextsAndCheckMarks) {
  ToFilePage();
  EXPECT_EQ(ui().Text(FileListTitleG), "Groupe de fichiers scripts, de Jaws 2020, \xE0 installer");
  EXPECT_EQ(ui().ItemTexts(FileListG),
            (std::vector<std::string>{"A.jsb", kAdaptText, "b.jss, A compiler en 2\xE8me",
                                      "opt.txt, optionnel, dans \\Extras"}));
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, true, false}));
  EXPECT_EQ(ui().ItemData(FileListG, 0), 1);
  EXPECT_EQ(ui().SelectedItem(FileListG), 0);
  EXPECT_EQ(ui().Text(AliasStringG), "notepad");
  EXPECT_TRUE(ui().IsEnabled(AliasStringG));
}

TEST_F(FileList, ATogglePutsTheListBackAndKeepsTheFileSelected) {
  ToFilePage();
  ui().SetItemChecked(FileListG, 0, false);
  ui().SetText(AliasStringG, "autre");
  ui().SelectItem(FileListG, 2);
  ui().menuChoices = {MenuToggleCompile};
  Menu(MenuContextMenu);
  ASSERT_EQ(ui().menuOpenedAt.size(), 1u);
  EXPECT_EQ(ui().menuOpenedAt[0].x, ui().origin.x + 10);
  EXPECT_EQ(ui().menuOpenedAt[0].y, ui().origin.y + 10);
  EXPECT_EQ(ui().ItemText(FileListG, 2), "b.jss, Ne pas compiler");
  EXPECT_EQ(ui().SelectedItem(FileListG), 2);
  EXPECT_TRUE(app.package.files[0].Flags & FileNoCompile);
  // The fill puts the package's check marks and aliases back.
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, true, false}));
  EXPECT_EQ(ui().Text(AliasStringG), "notepad");

  // The menu names what the next choice does, and offers only what the file allows.
  Click(ContextMenuButtonG);
  EXPECT_EQ(ui().menuItems[MenuToggleCompile].text, "A compiler");
  EXPECT_TRUE(ui().menuItems[MenuToggleCompile].enabled);
  EXPECT_EQ(ui().menuItems[MenuToggleAdaptation].text,
            "Ne pas r\xE9"
            "aliser l'adaptation");
  EXPECT_FALSE(ui().menuItems[MenuToggleAdaptation].enabled);

  ui().SelectItem(FileListG, 1);
  ui().menuChoices = {MenuToggleAdaptation};
  Click(ContextMenuButtonG);
  EXPECT_EQ(ui().ItemText(FileListG, 1),
            "adapt.jss, A compiler en premier, Ne pas r\xE9"
            "aliser l'adaptation");
  EXPECT_EQ(ui().SelectedItem(FileListG), 1);
  Click(ContextMenuButtonG);
  EXPECT_EQ(ui().menuItems[MenuToggleAdaptation].text, "Autoriser l'adaptation du fichier JSS");
}

TEST_F(FileList, TheMenuOpensOnTheFilePageOnly) {
  Start();
  Menu(MenuContextMenu);
  HandleEvent(app, UiEvent{UiEventKind::RightClick});
  EXPECT_TRUE(ui().menuOpenedAt.empty());
}

TEST_F(FileList, RemovingListsOnlyAdaptationsWithoutToggles) {
  AddFile("other.jss", "%JawsScriptPath%\\", 0, FileAdaptation | FileNoAdapt);
  ToFilePage(3);
  EXPECT_EQ(ui().Text(FileListTitleG),
            "Groupe de fichiers scripts, de Jaws 2020, pour retirer l'association avec le "
            "Default.JSS");
  EXPECT_EQ(ui().ItemTexts(FileListG), (std::vector<std::string>{"adapt.jss", "other.jss"}));
  Click(ContextMenuButtonG);
  EXPECT_FALSE(ui().menuItems[MenuToggleCompile].enabled);
  EXPECT_FALSE(ui().menuItems[MenuToggleAdaptation].enabled);
  EXPECT_TRUE(ui().menuItems[MenuView].enabled);
}

TEST_F(FileList, CopyShowsBareNamesButKeepsTheToggles) {
  ToFilePage(2);
  EXPECT_EQ(ui().Text(FileListTitleG), "Groupe de fichiers scripts, de Jaws 2020, \xE0 copier");
  EXPECT_EQ(ui().ItemTexts(FileListG),
            (std::vector<std::string>{"A.jsb", "adapt.jss", "b.jss", "opt.txt, dans \\Extras"}));
  EXPECT_FALSE(ui().IsEnabled(AliasStringG));
  ui().SelectItem(FileListG, 1);
  Click(ContextMenuButtonG);
  EXPECT_TRUE(ui().menuItems[MenuToggleCompile].enabled);
  EXPECT_TRUE(ui().menuItems[MenuToggleAdaptation].enabled);
}

TEST_F(FileList, ControlAChecksEveryFileOnTheFilePageOnly) {
  ToFilePage();
  Menu(MenuSelectAll);
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(ui().SelectedItem(FileListG), -1);
  // With nothing selected, the menu acts on the first file.
  Click(ContextMenuButtonG);
  EXPECT_EQ(ui().SelectedItem(FileListG), 0);

  Previous();
  Menu(MenuSelectAll);
  EXPECT_FALSE(ui().At(HelpEditorG).allSelected);
  Menu(MenuHelp);
  ASSERT_EQ(ui().focused, HelpEditorG);
  Menu(MenuSelectAll);
  EXPECT_TRUE(ui().At(HelpEditorG).allSelected);
}

TEST_F(FileList, ProtectedFilesAppearAfterTheRightPassword) {
  app.package.info.PasswordDigest = Md5Hex("s\xE9same");
  ToFilePage();
  EXPECT_EQ(ui().ItemCount(FileListG), 4);
  ui().inputAnswers = {"sesame"};
  Menu(MenuPassword);
  ASSERT_EQ(ui().inputsAsked.size(), 1u);
  EXPECT_EQ(ui().inputsAsked[0].title, "Protection des fichiers");
  EXPECT_EQ(ui().inputsAsked[0].prompt, "Saisissez le mot de passe");
  EXPECT_EQ(ui().inputsAsked[0].defaultText, "");
  ASSERT_EQ(ui().messages.size(), 1u);
  EXPECT_EQ(ui().messages[0].title, "Erreur");
  EXPECT_EQ(ui().messages[0].text, "Le mot de passe est Incorrect !");
  EXPECT_EQ(fake.clock.sleeps.back(), 2000);
  EXPECT_EQ(ui().ItemCount(FileListG), 4);

  ui().inputAnswers = {"s\xE9same"};
  Menu(MenuPassword);
  EXPECT_EQ(ui().messages.size(), 1u);
  EXPECT_EQ(ui().ItemText(FileListG, 4), "secret.jss");
  EXPECT_TRUE(ui().IsItemChecked(FileListG, 4));
  // Once unlocked, the shortcut asks nothing more.
  Menu(MenuPassword);
  EXPECT_EQ(ui().inputsAsked.size(), 2u);
}

TEST_F(FileList, PasswordAnswers) {
  struct Case {
    std::string digest, answer;
    bool unlocks;
  } cases[] = {
      {"", "", true},
      {"", "x", false},
      {Md5Hex("abc"), "", false},
      {Md5Hex("abc"), "abc", true},
      {"900150983CD24FB0D6963F7D28E17F72", "abc", false},  // upper-case digits never match
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.digest + " / " + c.answer);
    app.package.protectedUnlocked = false;
    app.package.info.PasswordDigest = c.digest;
    ui().messages.clear();
    ui().inputAnswers = {c.answer};
    Menu(MenuPassword);
    EXPECT_EQ(app.package.protectedUnlocked, c.unlocks);
    EXPECT_EQ(ui().messages.size(), c.unlocks ? 0u : 1u);
  }
  // Without protected files nothing is asked.
  app.package.protectedUnlocked = false;
  app.package.files[4].Flags = 0;
  ui().inputsAsked.clear();
  Menu(MenuPassword);
  EXPECT_TRUE(ui().inputsAsked.empty());
}

TEST_F(FileList, TheLastPageOpensWithTheSummary) {
  ToFilePage();
  ui().AppendLine(StepEditorG, "old");
  Next();
  EXPECT_EQ(ui().Text(RunButtonG), "Installer");
  const JawsTarget& target = app.destinations.entries[0];
  const std::string group = "2020", operation = ui().Text(OperationListG);
  EXPECT_EQ(ui().Lines(StepEditorG), SummaryLines({app.package.info, group, target, operation}));
  EXPECT_EQ(ui().Lines(StepEditorG)[7],
            " Jaws 2020, Fran\xE7"
            "ais");
  EXPECT_EQ(ui().Lines(StepEditorG)[8], " C:\\U\\2020\\fra\\");
  EXPECT_TRUE(ui().At(StepEditorG).caretAtStart);
  EXPECT_EQ(app.core.log.Steps(), ui().Lines(StepEditorG));
}

TEST_F(FileList, ViewingFromTheMenuNeedsAListedFile) {
  ToFilePage();
  ui().ClearItems(FileListG);
  ui().menuChoices = {MenuView};
  Click(ContextMenuButtonG);
  Menu(MenuView);
  EXPECT_TRUE(ui().menuOpenedAt.empty());
  EXPECT_EQ(PageShown(), FilePageG);
  ui().AddItem(FileListG, "x", 99);  // an item naming no file
  EXPECT_EQ(CurrentFileItem(app.wizard), 0);
  Menu(MenuView);
  EXPECT_EQ(PageShown(), FilePageG);
  EXPECT_TRUE(ui().messages.empty());
}

}  // namespace
}  // namespace zebo::testing
