// A whole install with adaptations and aliases, run once for every write, rename, copy, delete
// and folder creation it makes, with that one operation failing: the settings files hold their
// old or their new content, every backup holds the old content, and the user is told.
#include <gtest/gtest.h>

#include <iostream>
#include <map>

#include "operations/operation_flags.h"
#include "operations/run_operations.h"
#include "tests/unit/operations_fixture.h"

namespace zebo {
namespace {

using testing::kOldConfigNames;
using testing::kOldDefault;
using testing::kRunControls;
using testing::kSettings;
using testing::OperationsFixture;

const char kErrorsLine[] = "Des erreurs se sont produites durant les op\xE9rations !";

bool Reported(const std::vector<std::string>& steps) {
  for (const std::string& line : steps) {
    if (line == kErrorsLine ||
        line.rfind("! La sauvegarde a \xE9"
                   "chou\xE9"
                   "e",
                   0) == 0 ||
        line.rfind("! Le dossier de sauvegarde est inacc\xE9ssible", 0) == 0) {
      return true;
    }
  }
  return false;
}

TEST(FaultInjection, EveryFailingOperationOfAnInstallLeavesOldOrNewSettings) {
  const std::map<std::string, std::string> oldContent = {
      {"default.jss", kOldDefault}, {"confignames.ini", kOldConfigNames}, {"bloc.jss", "old bloc"}};
  OperationsFixture clean;
  clean.SetUpFullInstall();
  int32_t done = 0;
  RunOperations(clean.ctx, kRunControls, OpInstall | OpBackup, done);
  ASSERT_EQ(clean.fp.ui.messages.back().title, "Info");
  const int points = clean.fp.files.MutationCount();
  const std::string newDefault = clean.Content("Default.jss");
  const std::string newConfig = clean.Content("ConfigNames.Ini");
  ASSERT_NE(newDefault, kOldDefault);
  ASSERT_NE(newConfig, kOldConfigNames);

  int survived = 0;
  for (int point = 1; point <= points; ++point) {
    OperationsFixture f;
    f.SetUpFullInstall();
    f.fp.files.FailAt(point);
    int32_t runDone = 0;
    RunOperations(f.ctx, kRunControls, OpInstall | OpBackup, runDone);
    bool ok = true;
    const std::string def = f.Content("Default.jss");
    const std::string config = f.Content("ConfigNames.Ini");
    if (def != kOldDefault && def != newDefault) {
      ADD_FAILURE() << "point " << point << ": Default.jss is neither old nor new:\n" << def;
      ok = false;
    }
    if (config != kOldConfigNames && config != newConfig) {
      ADD_FAILURE() << "point " << point << ": ConfigNames.Ini is neither old nor new:\n" << config;
      ok = false;
    }
    for (const std::string& backup : f.fp.files.FilesBelow(std::string(kSettings) + "Bak")) {
      const std::string name = fake::FakeFiles::Key(backup.substr(backup.rfind('\\') + 1));
      const auto expected = oldContent.find(name);
      if (expected == oldContent.end() || *f.fp.files.Content(backup) != expected->second) {
        ADD_FAILURE() << "point " << point << ": backup " << backup
                      << " does not hold the old file";
        ok = false;
      }
    }
    if (!Reported(f.Steps())) {
      ADD_FAILURE() << "point " << point << ": the step list does not tell of the failure";
      ok = false;
    }
    if (ok) ++survived;
  }
  std::cout << "fault injection: " << points << " points tried, " << survived << " survived\n";
  RecordProperty("points", points);
  RecordProperty("survived", survived);
  EXPECT_GT(points, 0);
}

}  // namespace
}  // namespace zebo
