// The registry, shell and process contract, run natively on the fakes and under Wine on the real
// backend.
#pragma once

#include <cstdint>
#include <string>

#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace zebo::contract {

struct SystemUnderTest {
  Registry* registry = nullptr;
  Shell* shell = nullptr;
  Processes* processes = nullptr;
  // A key of HKEY_LOCAL_MACHINE with the subkeys "First" then "Second"; "Second" holds the string
  // value "Target" = "C:\Jaws été\".
  std::string registryKey;
  // Ends at once with exit code 1 when started with `endingArguments`.
  std::string endingProgram;
  std::string endingArguments;
  // Runs until `stopProgram` has run.
  std::string stayingProgram;
  std::string stopProgram;
  std::string missingProgram;
};

// Provided by each test program.
SystemUnderTest MakeSystemUnderTest();

}  // namespace zebo::contract
