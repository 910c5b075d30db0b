// Page switching, the filling of each wizard page, and Next, Previous and the redisplay.
#include "wizard/pages.h"

#include <array>

#include "operations/operation_flags.h"
#include "operations/operation_kinds.h"
#include "operations/plan_texts.h"
#include "wizard/controls.h"
#include "wizard/file_list.h"
#include "wizard/outside_steps.h"

namespace zebo {

namespace {

constexpr std::array kContainers{DescriptionPageG, OperationPageG, DestinationPageG, GroupPageG,
                                 FilePageG,        ProcessPageG,   HelpPageG,        LogPageG};

struct ButtonBit {
  int button;
  int bit;
};
constexpr std::array kButtons{
    ButtonBit{HelpButtonG, kShowHelpButton}, ButtonBit{NextButtonG, kShowNextButton},
    ButtonBit{RunButtonG, kShowRunButton}, ButtonBit{PreviousButtonG, kShowPreviousButton},
    ButtonBit{CancelButtonG, kShowCancelButton}};

// Focuses the page's explanatory text at once and names the control that gets the focus once the
// screen reader had time to read it.
void SetPageFocus(Wizard& w, int atOnce, int pending, int pageFocus) {
  w.ui().SetFocus(atOnce);
  w.loop.PendingFocus = pending;
  w.loop.PageFocus = pageFocus;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string Recommendation(const PackageInfo& info) {
  std::string text;
  if (!Trimmed(info.RecommendedJaws).empty()) text += " pour Jaws " + info.RecommendedJaws;
  if (!Trimmed(info.RecommendedWith).empty()) text += " avec " + info.RecommendedWith;
  return text;
}

std::string WelcomeText(const PackageInfo& info) {
  std::string text =
      "Bienvenue dans l'assistant d'installation de scripts pour la revue d'\xE9"
      "cran JAWS !\n"
      "Cet assistant va vous guider durant l'installation des scripts";
  if (!Trimmed(info.ScriptVersion).empty()) text += ", version " + info.ScriptVersion;
  text += (info.Flags & InfoCertified) ? ", certifi\xE9s par " : ", de ";
  text += info.ScriptAuthor + ",";
  text += " perm\xE9tant l'am\xE9lioration de l'acc\xE9ssibilit\xE9 de l'application " +
          info.ApplicationName;
  if (!Trimmed(info.ApplicationVersion).empty()) text += " version " + info.ApplicationVersion;
  text += ".";
  const std::string recommendation = Recommendation(info);
  if (!recommendation.empty()) text += " Recommand\xE9" + recommendation + ".";
  if (!Trimmed(info.Comments).empty()) text += "\nCommentaires : " + info.Comments;
  return text;
}

void ShowButtonIf(Ui& ui, int button, bool shown) {
  ui.SetVisible(button, shown);
  ui.SetEnabled(button, shown);
}

}  // namespace

std::string WizardTitle(const Wizard& w) {
  return "ZeBo pour " + w.package.info.ApplicationName;
}

void ShowPage(Wizard& w, int container, int buttonMask) {
  Ui& ui = w.ui();
  w.loop.FocusCountdown = 0;
  w.loop.PendingFocus = 0;
  for (int c : kContainers) {
    ui.SetVisible(c, false);
    ui.SetEnabled(c, false);
  }
  for (const auto& b : kButtons) ShowButtonIf(ui, b.button, (buttonMask & b.bit) != 0);
  ui.SetText(HelpButtonG, "Aide");
  ui.SetVisible(container, true);
  ui.SetEnabled(container, true);
  w.state.PageShown = container;
  ui.SetStatusText("ZeBo");
}

void ShowDescriptionPage(Wizard& w) {
  Ui& ui = w.ui();
  const PackageInfo& info = w.package.info;
  w.state.MemPageInUse = DescriptionPageG;
  ui.SetText(WelcomeTextG, WelcomeText(info));
  ui.SetText(AuthorStringG, info.ScriptAuthor);
  ui.SetText(ContactStringG, info.Contact);
  ui.SetText(ScriptStringG,
             info.ScriptVersion + " pour " + info.ApplicationName + " " + info.ApplicationVersion);
  ui.SetText(RecommendedStringG, Recommendation(info));
  ShowButtonIf(ui, CheckVersionButtonG, (info.Flags & InfoVersionButton) != 0);
  ShowButtonIf(ui, AuthorSiteButtonG, !info.AuthorSite.empty());
  ShowButtonIf(ui, ApplicationSiteButtonG, !info.ApplicationSite.empty());
  ShowPage(w, DescriptionPageG, kShowHelpButton | kShowNextButton | kShowCancelButton);
  SetPageFocus(w, WelcomeTextG, NextButtonG, NextButtonG);
}

void ShowOperationPage(Wizard& w) {
  w.state.MemPageInUse = OperationPageG;
  ShowPage(w, OperationPageG,
           kShowHelpButton | kShowNextButton | kShowPreviousButton | kShowCancelButton);
  SetPageFocus(w, OperationListG, 0, OperationListG);
}

void ShowDestinationPage(Wizard& w, bool forward) {
  Ui& ui = w.ui();
  w.state.MemPageInUse = DestinationPageG;
  const std::string operation = ui.Text(OperationListG);
  if (operation == kCopyItem) {
    ui.SetText(DestinationLabelG, "S\xE9lectionner le dossier pour la copie : ");
    if (forward) {
      ui.SelectItem(DestinationListG, ui.ItemCount(DestinationListG) - 1);
      FillLanguageList(w);
    }
  } else if (operation == kInstallItem || operation == kInstallAfterBackupItem) {
    ui.SetText(DestinationLabelG, "S\xE9lectionner le dossier d'installation : ");
  } else if (operation == kRemoveAdaptationsItem) {
    ui.SetText(DestinationLabelG,
               "S\xE9lectionner le dossier d'o\xF9 doit \xEAtre retirer l'association : ");
  }
  ShowPage(w, DestinationPageG,
           kShowHelpButton | kShowNextButton | kShowPreviousButton | kShowCancelButton);
  SetPageFocus(w, DestinationListG, 0, DestinationListG);
}

void ShowGroupPage(Wizard& w) {
  w.state.MemPageInUse = GroupPageG;
  FillGroupList(w, "");
  ShowPage(w, GroupPageG,
           kShowHelpButton | kShowNextButton | kShowPreviousButton | kShowCancelButton);
  SetPageFocus(w, GroupInfoTextG, GroupFileListG, GroupFileListG);
}

void ShowFilePage(Wizard& w) {
  Ui& ui = w.ui();
  w.state.MemPageInUse = FilePageG;
  const std::string groupTitle = "Groupe de fichiers scripts, de Jaws " + w.currentGroupName();
  std::string title = "Fichiers a traiter";
  if (w.operationFlags & OpCopy) {
    title = groupTitle + ", \xE0 copier";
  } else if (w.operationFlags & OpInstall) {
    title = groupTitle + ", \xE0 installer";
  } else if (w.operationFlags & OpRemoveAdaptations) {
    title = groupTitle + ", pour retirer l'association avec le Default.JSS";
  }
  ui.SetText(FileListTitleG, title);
  ui.SetEnabled(AliasStringG, (w.operationFlags & OpCopy) == 0);
  FillFileList(w, -1);
  ShowPage(w, FilePageG,
           kShowHelpButton | kShowNextButton | kShowPreviousButton | kShowCancelButton);
  SetPageFocus(w, FileListTitleG, FileListG, FileListG);
}

void ShowProcessPage(Wizard& w) {
  Ui& ui = w.ui();
  w.state.MemPageInUse = ProcessPageG;
  if (w.operationsDone == 1) {
    ShowPage(w, ProcessPageG, kShowCancelButton);
  } else {
    const std::string operation = ui.Text(OperationListG);
    ui.SetText(RunButtonG, operation.substr(0, operation.find(' ')));
    WriteSummary(w);
    StartSensitiveCheck(w);
    ShowPage(w, ProcessPageG,
             kShowHelpButton | kShowRunButton | kShowPreviousButton | kShowCancelButton);
  }
  SetPageFocus(w, ProcessLabelG, StepEditorG, StepEditorG);
}

void NextPage(Wizard& w) {
  switch (w.state.PageShown) {
    case DescriptionPageG:
      ShowOperationPage(w);
      break;
    case OperationPageG:
      ReadOperationKind(w);
      ShowDestinationPage(w, true);
      break;
    case DestinationPageG: {
      StoreDestinationChoice(w);
      const JawsTarget* target = w.currentTarget();
      if (target && target->Kind == SharedSettings) {
        w.ui().MessageBox("Info",
                          "Vous avez selectionn\xE9 un dossier de param\xE8tres partag\xE9s.\n"
                          "Les modifications vont affecter les fonctionnalit\xE9s \n"
                          " de tous les utilisateurs de cet ordinateur !",
                          MessageButtons::Ok, MessageIcon::Information);
      }
      FillGroupList(w, "");
      if (w.package.groups.size() >= 2) {
        ShowGroupPage(w);
      } else {
        SelectedGroup(w);
        ShowFilePage(w);
      }
      break;
    }
    case GroupPageG:
      SelectedGroup(w);
      ShowFilePage(w);
      break;
    case FilePageG:
      ShowProcessPage(w);
      break;
    default:
      break;
  }
}

void PreviousPage(Wizard& w) {
  switch (w.state.PageShown) {
    case OperationPageG:
      ReadOperationKind(w);
      ShowDescriptionPage(w);
      break;
    case DestinationPageG:
      StoreDestinationChoice(w);
      ShowOperationPage(w);
      break;
    case GroupPageG:
      ShowDestinationPage(w, false);
      break;
    case FilePageG:
      if (w.package.groups.size() < 2) {
        ShowDestinationPage(w, false);
      } else {
        ShowGroupPage(w);
      }
      break;
    case ProcessPageG:
      if (w.operationsDone == 0) ShowFilePage(w);
      break;
    case LogPageG:
    case HelpPageG:
      RedisplayPage(w);
      break;
    default:
      break;
  }
}

void RedisplayPage(Wizard& w) {
  switch (w.state.MemPageInUse) {
    case DescriptionPageG:
      ShowDescriptionPage(w);
      break;
    case DestinationPageG:
      StoreDestinationChoice(w);
      ShowDestinationPage(w, false);
      break;
    case OperationPageG:
      ReadOperationKind(w);
      ShowOperationPage(w);
      break;
    case GroupPageG:
      ShowGroupPage(w);
      break;
    case FilePageG:
      ShowFilePage(w);
      break;
    case ProcessPageG:
      ShowProcessPage(w);
      break;
    default:
      w.core.log.LogLine("! Error, MemPageInUse = " + std::to_string(w.state.MemPageInUse));
      ShowLogPage(w);
      break;
  }
  w.ui().SetTitle(WizardTitle(w));
}

void ShowLogPage(Wizard& w) {
  ShowPage(w, LogPageG, kShowPreviousButton);
  w.loop.PageFocus = LogEditorG;
  w.ui().SetFocus(LogEditorG);
  w.ui().SetTitle("ZeBo - Log");
}

void LogAndShowLog(Wizard& w, const std::string& text) {
  w.core.log.LogLine(text);
  ShowPage(w, LogPageG, kShowCancelButton);
}

}  // namespace zebo
