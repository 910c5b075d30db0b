// The end-of-run prompt and the JAWS restart through JAWS's own tools.
//
// A running JAWS also offers a configuration reload through JfwAPI.Dll; the program always
// restarts instead. Loading that library would put JAWS code into the installer's own 32-bit
// process, which cannot load the 64-bit library of a 64-bit JAWS at all, and a restart works the
// same on every system.
#include "jaws/restart.h"

#include "jaws/texts.h"

namespace zebo {

bool EndOfRunPrompt(Core& core, const JawsTarget& target, bool restartAsked) {
  if (!restartAsked) return true;
  core.log.StepLine("");
  if (target.InUse == 0) {
    core.log.StepLine(texts::kActiveNextStart + target.Version);
    return true;
  }
  Ui& ui = core.platform.ui;
  if (target.MajorVersion < 7) {
    ui.MessageBox("Info", texts::kTakenAtNextStart, MessageButtons::Ok, MessageIcon::Information);
    return true;
  }
  const MessageAnswer answer = ui.MessageBox("Info", texts::kAskRestart + target.Version + " ?",
                                             MessageButtons::YesNo, MessageIcon::Question);
  if (answer == MessageAnswer::Yes) return RestartJaws(core, target);
  core.log.StepLine(texts::kRestartDeclined);
  return true;
}

bool RestartJaws(Core& core, const JawsTarget& target, uint32_t killLimitMs) {
  Processes& processes = core.platform.processes;
  Files& files = core.platform.files;
  core.log.StepLine(texts::kRestarting);
  core.log.LogLine("* ReStart JAWS");
  const std::string kill = target.RunTimePath + "JfwKill.Exe";
  const std::string run = target.InstallPath + "Jfw.Exe";
  core.log.LogLine("JawsKill = " + kill);
  core.log.LogLine("JawsRun = " + run);
  core.log.StepLine(texts::kRestartStep);
  bool restarted = false;
  if (files.FileSize(kill) > 0 && files.FileSize(run) > 0) {
    const size_t slash = kill.rfind('\\');
    const std::string killFolder = slash == std::string::npos ? "" : kill.substr(0, slash + 1);
    const uint32_t idKill = processes.Start(kill, "", killFolder, WindowMode::Shown);
    core.log.LogLine(" IdKill = " + std::to_string(idKill));
    if (idKill != 0) {
      const bool ended = processes.Wait(idKill, killLimitMs);
      core.log.LogLine((ended ? " JAWS is killed : " : "! Error, Jaws may be not killed : ") +
                       std::to_string(processes.ExitCode(idKill)));
      processes.Release(idKill);
    }
    const uint32_t idRun = processes.Start(run, "", "", WindowMode::Shown);
    if (idRun != 0) {
      processes.Release(idRun);
      core.log.LogLine(" Launch Jaws !");
      restarted = true;
    } else {
      core.log.LogLine("! Error, Jaws mau be not launched");
    }
  } else {
    core.log.LogLine(" Error, no found exe ");
  }
  core.log.StepLine(restarted ? texts::kRestartDone : texts::kRestartFailed);
  return restarted;
}

}  // namespace zebo
