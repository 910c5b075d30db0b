// The registry, shell and process fakes under the shared contract.
#include "platform/fake/fake_system.h"

#include <memory>

#include "tests/contract/system_contract.h"

namespace zebo::contract {

SystemUnderTest MakeSystemUnderTest() {
  static std::unique_ptr<fake::FakeRegistry> registry;
  static std::unique_ptr<fake::FakeShell> shell;
  static std::unique_ptr<fake::FakeProcesses> processes;
  registry = std::make_unique<fake::FakeRegistry>();
  shell = std::make_unique<fake::FakeShell>();
  processes = std::make_unique<fake::FakeProcesses>();
  SystemUnderTest s;
  s.registry = registry.get();
  s.shell = shell.get();
  s.processes = processes.get();
  s.registryKey = "SOFTWARE\\ZeBo Contract";
  registry->AddKey(RegistryRoot::LocalMachine, s.registryKey + "\\First");
  registry->SetString(RegistryRoot::LocalMachine, s.registryKey + "\\Second", "Target",
                      "C:\\Jaws \xE9t\xE9\\");
  shell->folders[SpecialFolder::UserAppData] = "C:\\Users\\al\\AppData\\Roaming\\";
  shell->folders[SpecialFolder::AllUsersAppData] = "C:\\ProgramData\\";
  shell->folders[SpecialFolder::Profile] = "C:\\Users\\al\\";
  shell->folders[SpecialFolder::Documents] = "C:\\Users\\al\\Documents\\";
  s.endingProgram = "C:\\Tools\\fails.exe";
  s.endingArguments = "\"C:\\a b\\x.jss\"";
  processes->SetProgram(s.endingProgram, {true, true, 1, false, {}});
  s.stayingProgram = "C:\\JAWS\\jfw.exe";
  processes->SetProgram(s.stayingProgram, {true, false, 0, true, {}});
  s.stopProgram = "C:\\JAWS\\JfwKill.exe";
  fake::FakeProcesses* p = processes.get();
  processes->SetProgram(s.stopProgram, {true, true, 0, false, [p] { p->EndProcesses("jfw.exe"); }});
  s.missingProgram = "C:\\JAWS\\missing.exe";
  return s;
}

}  // namespace zebo::contract
