// The work of other subsystems that the wizard starts. Until a subsystem lands here, its entry
// says so in the detailed log rather than failing silently.
#include "wizard/outside_steps.h"

namespace zebo {

void StartOperations(Wizard& w) {
  w.core.log.LogLine("! The operation runner is not available in this build");
}

void StartVersionCheck(Wizard& w, bool silent) {
  w.core.log.LogLine(silent ? "! The version check at start is not available in this build"
                            : "! The version check is not available in this build");
}

void StartSensitiveCheck(Wizard&) {
  // The sensitive-function check writes its own lines when it exists; nothing to say before.
}

void OpenAddress(Wizard& w, const std::string& address) {
  w.core.log.LogLine("! Opening addresses is not available in this build: " + address);
}

}  // namespace zebo
