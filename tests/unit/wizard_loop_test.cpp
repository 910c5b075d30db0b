// The event loop: the delayed focus after page changes and at start, the focus given back on
// activation, and the events that end the program or reach the wizard.
#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "app/startup.h"
#include "core/fatal_error.h"
#include "tests/unit/wizard_fixture.h"
#include "tools/zebo-pack/jcalg1_encoder.h"
#include "tools/zebo-pack/package_writer.h"

namespace zebo::testing {
namespace {

using Loop = WizardTest;

UiEvent Event(UiEventKind kind, int number = 0, bool mainWindow = true) {
  UiEvent e;
  e.kind = kind;
  e.number = number;
  e.mainWindow = mainWindow;
  return e;
}

void Idle(App& app, int ticks) {
  for (int i = 0; i < ticks; ++i) HandleEvent(app, Event(UiEventKind::None));
}

TEST_F(Loop, TheFirstPageFocusesNextAtTheHundredthIdleWait) {
  Start();
  Idle(app, 99);
  EXPECT_EQ(ui().focused, WelcomeTextG);
  Idle(app, 1);
  EXPECT_EQ(ui().focused, NextButtonG);
  EXPECT_EQ(app.loop.PendingFocus, 0);
  Idle(app, 200);
  EXPECT_EQ(ui().focusHistory, (std::vector<int>{WelcomeTextG, NextButtonG}));
}

TEST_F(Loop, APageChangeFocusesItsControlAtTheFiftyFirstIdleWait) {
  Start();
  Idle(app, 100);
  for (int i = 0; i < 3; ++i) Next();
  ASSERT_EQ(PageShown(), GroupPageG);
  EXPECT_EQ(ui().focused, GroupInfoTextG);
  Idle(app, 30);
  // Events do not advance the countdown: only waits that bring none do.
  for (int i = 0; i < 40; ++i) HandleEvent(app, Event(UiEventKind::Menu, 999));
  Idle(app, 20);
  EXPECT_EQ(ui().focused, GroupInfoTextG);
  Idle(app, 1);
  EXPECT_EQ(ui().focused, GroupFileListG);

  // A page change while counting down cancels the earlier target.
  Next();
  Idle(app, 25);
  Previous();
  Idle(app, 50);
  EXPECT_EQ(ui().focused, GroupInfoTextG);
  Idle(app, 1);
  EXPECT_EQ(ui().focused, GroupFileListG);
}

TEST_F(Loop, ActivationGivesTheFocusBack) {
  Start();
  Idle(app, 100);
  Next();  // the operation page: no pending focus
  ui().SetFocus(RestartJawsCheckG);
  HandleEvent(app, Event(UiEventKind::Deactivate, RestartJawsCheckG));
  EXPECT_EQ(app.loop.LastFocus, RestartJawsCheckG);
  ui().SetFocus(OperationListG);
  HandleEvent(app, Event(UiEventKind::Activate));
  EXPECT_EQ(ui().focused, RestartJawsCheckG);

  // Deactivated with no control focused: the last known one stays.
  HandleEvent(app, Event(UiEventKind::Deactivate, 0));
  EXPECT_EQ(app.loop.LastFocus, RestartJawsCheckG);

  // While a page change is counting down, activation leaves the focus alone.
  Next();
  ui().SetChecked(SharedFoldersCheckG, false);
  Next();  // the group page, its list pending
  HandleEvent(app, Event(UiEventKind::Activate));
  EXPECT_EQ(ui().focused, GroupInfoTextG);
  Idle(app, 51);
  EXPECT_EQ(ui().focused, GroupFileListG);

  // The control focused at deactivation is on a page no longer shown: the page's own control.
  ui().SetFocus(GroupInfoTextG);
  HandleEvent(app, Event(UiEventKind::Activate));
  EXPECT_EQ(ui().focused, GroupFileListG);
}

TEST_F(Loop, EventsOfOtherWindowsAreIgnoredAndCloseEndsTheLoop) {
  Start();
  HandleEvent(app, Event(UiEventKind::Close, 0, false));
  HandleEvent(app, Event(UiEventKind::Menu, MenuNext, false));
  EXPECT_FALSE(app.loop.QuitRequested);
  EXPECT_EQ(PageShown(), DescriptionPageG);

  // A quit asked before the loop starts is dropped; the close box ends it whatever the page.
  app.loop.QuitRequested = true;
  ui().QueueMenu(MenuNext);
  ui().QueueMenu(MenuNext);
  ui().QueueIdle(3);
  ui().events.push_back(Event(UiEventKind::Close));
  ui().QueueMenu(MenuNext);
  RunWizard(app);
  EXPECT_EQ(PageShown(), DestinationPageG);
  EXPECT_EQ(ui().events.size(), 1u);
  EXPECT_EQ(ui().waits, std::vector<int>(6, 1));
}

TEST_F(Loop, CancelQuitsAfterTheVersionCheckAndTheRun) {
  Start();
  Click(CheckVersionButtonG);
  Click(RunButtonG);
  const auto log = Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), "* Check for new version"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "*** Begin of process"), 1);
  EXPECT_FALSE(app.loop.QuitRequested);
  Click(CancelButtonG);
  EXPECT_TRUE(app.loop.QuitRequested);
}

// The whole program on the fake platform, from the executable with its package to the exit.
TEST_F(Loop, TheProgramRunsFromItsPackageToTheCloseBox) {
  PackageInfo info;
  info.ApplicationName = "Bloc-notes";
  info.Flags = InfoRestartJaws | InfoCheckAtStart;
  std::vector<pack::PackEntry> entries(1);
  entries[0].record.Name = "a.jss";
  entries[0].record.TargetPath = "%JawsScriptPath%\\";
  entries[0].content = "Script A ()\r\nEndScript\r\n";
  const std::string package = pack::WritePackage(info, {"2020"}, entries, pack::Jcalg1Encode);
  fake.files.AddDrive('C');
  fake.files.PutFile(fake.host.executablePath, pack::JoinInstaller("MZ stub", package));
  app.destinations.entries.clear();
  app.package = PackageState{};

  ui().QueueIdle(100);
  ui().QueueMenu(MenuNext);
  ui().QueueIdle(10);
  int focusWhenTheLoopBegan = -1;
  ui().beforeWait = [&](fake::FakeUi& u) {
    if (focusWhenTheLoopBegan == -1) focusWhenTheLoopBegan = u.focused;
  };
  try {
    RunProgram(app);
    ADD_FAILURE() << "the program did not end through its exit";
  } catch (const fake::ProgramExited& exited) {
    EXPECT_EQ(exited.code, 0);
  }
  EXPECT_TRUE(fake.host.mutexClosed);
  EXPECT_TRUE(ui().windowShown);
  EXPECT_EQ(ui().Title(), "ZeBo pour Bloc-notes");
  EXPECT_TRUE(ui().IsChecked(RestartJawsCheckG));
  EXPECT_EQ(ui().shortcuts.size(), 9u);
  EXPECT_TRUE(ui().menuCreated);
  EXPECT_EQ(ui().ItemCount(OperationListG), 3);
  EXPECT_EQ(ui().Text(OperationListG),
            "Installer les fichiers apr\xE8s la sauvegarde des anciens scrips");
  EXPECT_EQ(focusWhenTheLoopBegan, WelcomeTextG);
  EXPECT_EQ(PageShown(), OperationPageG);
  EXPECT_EQ(ui().focusHistory, (std::vector<int>{WelcomeTextG, NextButtonG, OperationListG}));
  // The version check ran once, before the first event.
  const auto log = Log();
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& l) { return l == "* Check for new version"; }),
            1);
  // Every log line also reached the log page's text area.
  EXPECT_EQ(ui().Lines(LogEditorG), log);
}

TEST_F(Loop, AWindowThatCannotBeBuiltEndsTheProgram) {
  ui().failAtControl = FileListG;
  try {
    BuildHiddenWindow(app);
    ADD_FAILURE() << "went on without its window";
  } catch (const fake::ProgramExited&) {
  }
  ASSERT_EQ(ui().messages.size(), 1u);
  EXPECT_EQ(ui().messages[0].text, FatalErrorText(7));
}

}  // namespace
}  // namespace zebo::testing
