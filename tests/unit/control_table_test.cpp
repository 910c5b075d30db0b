// The main window's control table: the structure that tab order, labels and page switching rely on.
#include "wizard/control_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "wizard/controls.h"

namespace zebo {
namespace {

TEST(ControlTable, EveryControlSitsInsideAnEarlierContainerOrTheWindow) {
  std::map<int, ControlSpec> seen;
  for (const ControlSpec& c : ControlTable()) {
    EXPECT_TRUE(seen.emplace(c.number, c).second) << "number used twice: " << c.number;
    int width = kMainWindowWidth, height = kMainWindowHeight;
    if (c.parent != 0) {
      auto parent = seen.find(c.parent);
      ASSERT_NE(parent, seen.end()) << c.number << " comes before its container";
      EXPECT_EQ(parent->second.kind, ControlKind::Container) << c.number;
      width = parent->second.width;
      height = parent->second.height;
    } else {
      EXPECT_TRUE(c.kind == ControlKind::Container || c.kind == ControlKind::Button) << c.number;
    }
    EXPECT_LE(c.x + c.width, width) << c.number;
    EXPECT_LE(c.y + c.height, height) << c.number;
  }
  std::vector<int> containers;
  for (const auto& [number, c] : seen) {
    if (c.kind == ControlKind::Container) containers.push_back(number);
  }
  EXPECT_EQ(containers,
            (std::vector<int>{DescriptionPageG, DestinationPageG, OperationPageG, GroupPageG,
                              FilePageG, ProcessPageG, LogPageG, HelpPageG}));
}

TEST(ControlTable, NavigationButtonsComeLastInTabOrder) {
  std::vector<int> last;
  for (const ControlSpec& c : ControlTable().last(5)) last.push_back(c.number);
  EXPECT_EQ(last, (std::vector<int>{RunButtonG, NextButtonG, HelpButtonG, PreviousButtonG,
                                    CancelButtonG}));
  for (const ControlSpec& c : ControlTable()) {
    EXPECT_EQ((c.style & StyleDefaultButton) != 0, c.number == NextButtonG) << c.number;
  }
}

// A screen reader names a field, a list or a text area after the static text created just before
// it, so each of them needs one; the log and help areas, which have none, carry their own name.
TEST(ControlTable, EveryInputControlFollowsItsLabelOrHasAName) {
  const ControlSpec* previous = nullptr;
  for (const ControlSpec& c : ControlTable()) {
    const bool input = c.kind == ControlKind::TextField || c.kind == ControlKind::DropDown ||
                       c.kind == ControlKind::CheckList || c.kind == ControlKind::TextArea;
    const bool labelled = previous != nullptr && previous->kind == ControlKind::Static &&
                          previous->parent == c.parent;
    if (input && !labelled) {
      EXPECT_EQ(c.kind, ControlKind::TextArea) << c.number;
      EXPECT_NE(std::string(c.text), "") << c.number;
    }
    previous = &c;
  }
  // Buttons and check boxes are named by their own text.
  for (const ControlSpec& c : ControlTable()) {
    if (c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox) {
      EXPECT_NE(std::string(c.text), "") << c.number;
    }
  }
}

}  // namespace
}  // namespace zebo
