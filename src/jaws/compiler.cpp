// The JAWS script compiler run: started directly (no command shell), quoted paths, a time limit.
#include "jaws/compiler.h"

namespace zebo {

bool CompileScript(Core& core, const JawsTarget& target, const std::string& script,
                   uint32_t limitMs) {
  Processes& processes = core.platform.processes;
  const std::string compiler = target.InstallPath + "scompile.exe";
  core.log.LogLine("* Script to compile ");
  core.log.LogLine(" - JCompil = " + compiler);
  if (core.platform.files.FileSize(compiler) < 0) {
    core.log.LogLine("! Error, file not found");
    return false;
  }
  core.log.LogLine(" - File = " + script);
  const size_t slash = script.rfind('\\');
  const std::string folder = slash == std::string::npos ? "" : script.substr(0, slash + 1);
  const uint32_t run = processes.Start(compiler, "\"" + script + "\"", folder, WindowMode::Hidden);
  core.log.LogLine(" Id scompile.exe = " + std::to_string(run));
  if (run == 0) return false;
  if (!processes.Wait(run, limitMs)) {
    processes.Release(run);
    return false;
  }
  const auto code = static_cast<int32_t>(processes.ExitCode(run));
  if (code != 0) core.log.LogLine(" ExitCode = " + std::to_string(code));
  processes.Release(run);
  return code == 0;
}

}  // namespace zebo
