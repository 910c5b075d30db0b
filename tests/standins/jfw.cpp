// Stand-in for the JAWS program: runs with a hidden window until JfwKill closes it.
#include "tests/standins/standin_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return standin::StayUntilClosed(instance, L"ZeBoJawsStandIn");
}
