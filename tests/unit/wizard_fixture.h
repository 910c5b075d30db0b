// A wizard on the headless user interface, with a small package and four destinations, for the
// wizard's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "app/wizard_startup.h"
#include "platform/fake/fake_platform.h"
#include "wizard/controls.h"
#include "wizard/dispatch.h"

namespace zebo::testing {

class WizardTest : public ::testing::Test {
 public:
  WizardTest() {
    PackageInfo& info = app.package.info;
    info.ApplicationName = "Bloc-notes";
    info.ApplicationVersion = "11";
    info.ScriptVersion = "2.1";
    info.ScriptAuthor = "Anne";
    info.Alias = "notepad";
    app.package.groups = {{"2020"}, {"2021"}};
    AddFile("b.jss", "%JawsScriptPath%\\", 0, FileCompile, 2);
    AddFile("A.jsb", "%JawsScriptPath%\\", 0, 0);
    AddFile("opt.txt", "%JawsScriptPath%\\Extras\\", 0, FileOptional);
    AddFile("adapt.jss", "%JawsScriptPath%\\", 0, FileAdaptation | FileCompile, 1);
    AddFile("secret.jss", "%JawsScriptPath%\\", 0, FileProtected);
    AddFile("g1.jss", "%JawsScriptPath%\\", 1, 0);
    AddTarget("Jaws 2020", UserSettings, "enu|fra|", "C:\\U\\2020\\", 2020);
    AddTarget("Jaws 2020 partag\xE9", SharedSettings, "fra|", "C:\\A\\2020\\", 2020);
    AddTarget("Jaws 2021", UserSettings, "deu|esp|", "C:\\U\\2021\\", 2021);
    AddTarget("Choix d'un dossier", ChosenFolder, "", "", 0);
  }

  void AddFile(const std::string& name, const std::string& target, int group, int32_t flags,
               int32_t order = 0) {
    PackageFile file;
    file.Name = name;
    file.TargetPath = target;
    file.Group = group;
    file.Flags = flags;
    file.CompileOrder = order;
    app.package.files.push_back(file);
  }
  void AddTarget(const std::string& label, int32_t kind, const std::string& languages,
                 const std::string& base, int32_t major) {
    JawsTarget t;
    t.Label = label;
    t.Kind = kind;
    t.Languages = languages;
    t.ScriptBasePath = base;
    t.MajorVersion = major;
    app.destinations.entries.push_back(t);
  }

  // Start-up from the window's creation to the description page, without the event loop.
  void Start() {
    BuildHiddenWindow(app);
    PrepareWizard(app);
    OpenWizard(app);
  }

  void Click(int control) { DispatchControlEvent(app.wizard, control); }
  void Menu(int event) { DispatchMenuEvent(app.wizard, event); }
  void Next() { Click(NextButtonG); }
  void Previous() { Click(PreviousButtonG); }
  void SelectOperation(int item) { ui().SelectItem(OperationListG, item); }
  void SelectDestination(const std::string& label) {
    ui().SetText(DestinationListG, label);
    Click(DestinationListG);
  }

  fake::FakeUi& ui() { return fake.ui; }
  int PageShown() const { return app.pages.PageShown; }
  // The navigation buttons the user can reach now, in the order Help, Next, run, Previous, Cancel.
  std::vector<int> Buttons() {
    std::vector<int> shown;
    for (int b : {HelpButtonG, NextButtonG, RunButtonG, PreviousButtonG, CancelButtonG}) {
      if (ui().IsReachable(b)) shown.push_back(b);
    }
    return shown;
  }
  // The containers on display.
  std::vector<int> Containers() {
    std::vector<int> shown;
    for (int c : {DescriptionPageG, OperationPageG, DestinationPageG, GroupPageG, FilePageG,
                  ProcessPageG, HelpPageG, LogPageG}) {
      if (ui().IsVisible(c)) shown.push_back(c);
    }
    return shown;
  }
  std::vector<std::string> Log() {
    return {app.core.log.Detailed().begin(), app.core.log.Detailed().end()};
  }

  fake::FakePlatform fake;
  App app{fake.platform};
};

}  // namespace zebo::testing
