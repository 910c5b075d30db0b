// The report of a failure to build the user interface: one message box, then the end.
#pragma once

#include <string>

#include "core/core.h"

namespace zebo {

// The message shown for an error code, line break and closing sentence included.
std::string FatalErrorText(int code);

// Shows the message titled "Erreur" and ends the program; does not return.
[[noreturn]] void FatalError(Core& core, int code);

// Ends the program with exit code 0; every exit goes through here.
[[noreturn]] void ExitProgram(Core& core);

}  // namespace zebo
