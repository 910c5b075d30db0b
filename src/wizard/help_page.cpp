// Filling the help page with a page's help or a packaged file's text.
#include "wizard/help_page.h"

#include <algorithm>
#include <cstring>

#include "package/extraction.h"
#include "wizard/controls.h"
#include "wizard/help_texts.h"
#include "wizard/pages.h"

namespace zebo {

namespace {

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
  return text;
}

std::string PageHelp(int page) {
  switch (page) {
    case DescriptionPageG:
      return HelpField(1) + ReplaceAll(LicenceText(), "%1", "ZeBo");
    case OperationPageG:
      return HelpField(3);
    case DestinationPageG:
      return HelpField(4);
    case GroupPageG:
      return HelpField(5);
    case FilePageG:
      return HelpField(6);
    case ProcessPageG:
      return HelpField(7);
    default:
      return "Pas d'aide sur cette page !";
  }
}

void ShowHelpPage(Wizard& w) {
  ShowPage(w, HelpPageG, kShowPreviousButton);
  w.loop.PageFocus = HelpEditorG;
  w.ui().SetFocus(HelpEditorG);
}

}  // namespace

void ShowHelp(Wizard& w) {
  Ui& ui = w.ui();
  ui.ClearLines(HelpEditorG);
  ui.SetTitle("ZeBo - Aide ");
  ui.SetText(HelpEditorG, PageHelp(w.state.MemPageInUse) + AboutLine());
  // Reading starts at the top, not where the text ended.
  ui.SetCaretToStart(HelpEditorG);
  ui.SetText(HelpLabelG, "Source");
  ui.SetText(HelpStringG, "Aide logicielle");
  ShowHelpPage(w);
}

void ViewPackagedFile(Wizard& w, int index) {
  Ui& ui = w.ui();
  PackageState& package = w.package;
  ui.ClearLines(HelpEditorG);
  if (index >= 0 && static_cast<size_t>(index) < package.files.size()) {
    package.currentFile = static_cast<size_t>(index);
    const PackageFile& file = package.files[package.currentFile];
    ui.SetTitle("ZeBo - Visualisation de fichier");
    ui.SetText(HelpLabelG, "Fichier interne :");
    ui.SetText(HelpStringG, file.Name);
    if (LoadPackagedBytes(w.core, package, w.core.mainExe, file.PackedSize, file.DataOffset) &&
        DecodePayload(w.core, package, file.Size, file.PackedSize)) {
      const size_t size =
          std::min(static_cast<size_t>(std::max(file.Size, 0)), package.fileBuffer.size());
      const char* bytes = reinterpret_cast<const char*>(package.fileBuffer.data());
      // The text ends at a zero byte, as the text area would show it.
      const size_t length = static_cast<size_t>(std::find(bytes, bytes + size, '\0') - bytes);
      ui.SetText(HelpEditorG, std::string(bytes, length));
      ui.SetCaretToStart(HelpEditorG);
      ShowHelpPage(w);
      return;
    }
  }
  ui.MessageBox("Erreur",
                "Impossible d'acc\xE9"
                "der au fichier !",
                MessageButtons::Ok, MessageIcon::Error);
  RedisplayPage(w);
}

}  // namespace zebo
