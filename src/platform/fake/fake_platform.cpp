// The small fakes' behaviour.
#include "platform/fake/fake_platform.h"

#include <algorithm>

namespace zebo::fake {

bool FakeHost::MutexExists(const std::string& name) {
  return std::find(existingMutexes.begin(), existingMutexes.end(), name) != existingMutexes.end() ||
         std::find(createdMutexes.begin(), createdMutexes.end(), name) != createdMutexes.end();
}

bool FakeHost::CreateMutex(const std::string& name) {
  if (!canCreateMutex) return false;
  createdMutexes.push_back(name);
  return true;
}

bool FakeHost::BringWindowForward(const std::string& title) {
  if (std::find(windowTitles.begin(), windowTitles.end(), title) == windowTitles.end()) {
    return false;
  }
  broughtForward.push_back(title);
  return true;
}

}  // namespace zebo::fake
