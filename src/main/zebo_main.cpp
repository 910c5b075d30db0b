// The installer's entry point on Windows: the real platform, the App, and the program's run.
#include <cstdlib>

#include "app/app.h"
#include "app/startup.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/win32_network.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_ui.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The command line is not read: the package is the program's only configuration.
  zebo::win32::Win32Files files;
  zebo::win32::Win32Clock clock;
  zebo::win32::Win32Sound sound;
  zebo::win32::Win32Ui ui;
  zebo::win32::Win32Host host;
  zebo::win32::Win32Registry registry;
  zebo::win32::Win32Shell shell;
  zebo::win32::Win32Processes processes;
  zebo::win32::Win32Network network;
  zebo::Platform platform{files, clock, sound, ui, host, registry, shell, processes, network};
  zebo::App app(platform);
  zebo::RunProgram(app);
}

// The library's default handler for an uncaught exception prints the demangled type name, which
// links a whole C++ demangler into the stub. The program lets no exception escape; should one do
// so, ending at once is enough.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
