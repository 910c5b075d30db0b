// The program from its start to its end: start-up in its fixed order, then the exit.
#pragma once

#include <string>

#include "app/app.h"

namespace zebo {

// The name of the single-instance mutex, and the title by which a second copy finds the first
// copy's window while it is starting.
inline constexpr const char* kInstanceName = "ZeBo";

// Runs the whole program and ends it through ExitProgram (exit code 0 on every path).
[[noreturn]] void RunProgram(App& app);

// The start-up steps, in the order RunProgram calls them. Each one that can end the program
// does so itself through ExitProgram.

// The working lists and the package marker.
void StartRuntime(App& app);
// Ends this copy when another one runs (bringing its window forward while it is still starting),
// or when the single-instance mutex cannot be made.
void EnsureSingleInstance(App& app);
// The program's own executable, where the package lies.
void ReadMainExe(App& app);
// Reads the package from the executable; an unreadable package ends the program with a box.
void ReadPackage(App& app);
// The package's creation line of the detailed log.
void LogPackageCreation(Core& core, const PackageInfo& info);
// The start sound, waiting while it plays.
void PlayStartSoundStep(App& app);

}  // namespace zebo
