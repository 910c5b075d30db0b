// Stand-in for the JAWS script manager: runs with a hidden window until it is ended.
#include "tests/standins/standin_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return standin::StayUntilClosed(instance, L"ZeBoScriptManagerStandIn");
}
