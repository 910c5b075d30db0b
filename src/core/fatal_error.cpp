// Fatal errors of the interface construction, and the common exit.
#include "core/fatal_error.h"

#include <cstdlib>

namespace zebo {

std::string FatalErrorText(int code) {
  const char* message = "Une erreur fatale est survenue !";
  switch (code) {
    case 0:
      message =
          "Impossible de cr\xE9"
          "er la fen\xEAtre principale !";
      break;
    case 1:
      message =
          "Impossible de cr\xE9"
          "er une fen\xEAtre fille !";
      break;
    case 2:
      message = "Impossible d'initialiser las liste du menu !";
      break;
    case 4:
      message =
          "Impossible de cr\xE9"
          "er le pop-up menu !";
      break;
    case 5:
      message =
          "Impossible de cr\xE9"
          "er l'icone de notification !";
      break;
    case 6:
      message = "Impossible d'initialiser la liste des gadgets !";
      break;
    case 7:
      message =
          "Impossible de cr\xE9"
          "er le gadget !";
      break;
    case 8:
      message = "Impossible d'initialiser la barre d'\xE9tat !";
      break;
    default:
      break;
  }
  return std::string(message) + "\r\nLe programme doit \xEAtre arr\xEAt\xE9 ...";
}

void FatalError(Core& core, int code) {
  core.platform.ui.MessageBox("Erreur", FatalErrorText(code), MessageButtons::Ok,
                              MessageIcon::Error);
  ExitProgram(core);
}

void ExitProgram(Core& core) {
  core.platform.host.ExitProcess(0);
  std::abort();  // ExitProcess does not return; this only tells the compiler so
}

}  // namespace zebo
