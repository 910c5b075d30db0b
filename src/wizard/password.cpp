// The password request: the package keeps only the digest of the password it expects.
#include "wizard/password.h"

#include <algorithm>

#include "core/md5.h"
#include "wizard/controls.h"
#include "wizard/file_list.h"

namespace zebo {

void RequestPassword(Wizard& w) {
  PackageState& package = w.package;
  const bool locked =
      !package.protectedUnlocked &&
      std::any_of(package.files.begin(), package.files.end(),
                  [](const PackageFile& file) { return (file.Flags & FileProtected) != 0; });
  if (!locked) return;
  const std::string answer =
      w.ui().InputRequester("Protection des fichiers", "Saisissez le mot de passe", "");
  if (!answer.empty()) {
    if (Md5Hex(answer) == package.info.PasswordDigest) package.protectedUnlocked = true;
  } else {
    package.protectedUnlocked = package.info.PasswordDigest.empty();
  }
  if (!package.protectedUnlocked) {
    w.ui().MessageBox("Erreur", "Le mot de passe est Incorrect !", MessageButtons::Ok,
                      MessageIcon::Error);
    w.core.platform.clock.Sleep(2000);
  }
  if (w.state.PageShown == FilePageG) FillFileList(w, -1);
}

}  // namespace zebo
