// The main window's controls, shortcuts and popup menu, as data the user interface builds from.
#include "wizard/control_table.h"

#include <array>

#include "wizard/controls.h"

namespace zebo {
namespace {

using K = ControlKind;

// The description page's field labels and the alias label sit right-aligned against their field.
constexpr uint32_t kLabel = StyleRightAligned;
constexpr uint32_t kShownValue = StyleReadOnly | StyleNoBorder;

constexpr std::array kControls{
    ControlSpec{DescriptionPageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{ScriptLabelG, K::Static, DescriptionPageG, 0, 135, 145, 24, "Script ", kLabel},
    ControlSpec{ScriptStringG, K::TextField, DescriptionPageG, 145, 135, 430, 24, "", kShownValue},
    ControlSpec{AuthorLabelG, K::Static, DescriptionPageG, 0, 162, 145, 24, "Auteur ", kLabel},
    ControlSpec{AuthorStringG, K::TextField, DescriptionPageG, 145, 162, 430, 24, "", kShownValue},
    ControlSpec{ContactLabelG, K::Static, DescriptionPageG, 0, 189, 145, 24, "Contact ", kLabel},
    ControlSpec{ContactStringG, K::TextField, DescriptionPageG, 145, 189, 430, 24, "", kShownValue},
    ControlSpec{RecommendedLabelG, K::Static, DescriptionPageG, 0, 216, 145, 24, "Recommand\xE9 ",
                kLabel},
    ControlSpec{RecommendedStringG, K::TextField, DescriptionPageG, 145, 216, 430, 24, "",
                kShownValue},
    ControlSpec{WelcomeTextG, K::Static, DescriptionPageG, 0, 0, 580, 108, "", StyleCentred},
    ControlSpec{AuthorSiteButtonG, K::Button, DescriptionPageG, 0, 307, 193, 27, "Site de l'auteur",
                0},
    ControlSpec{ApplicationSiteButtonG, K::Button, DescriptionPageG, 387, 307, 193, 27,
                "Site de l'application", 0},
    ControlSpec{CheckVersionButtonG, K::Button, DescriptionPageG, 0, 361, 580, 27,
                "V\xE9rifier si il existe une nouvelle version", 0},

    ControlSpec{OperationPageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{OperationLabelG, K::Static, OperationPageG, 0, 0, 580, 27,
                "S\xE9lectioner une action \xE0 r\xE9"
                "aliser : ",
                0},
    ControlSpec{OperationListG, K::DropDown, OperationPageG, 0, 27, 580, 24, "", 0},
    ControlSpec{RestartJawsCheckG, K::CheckBox, OperationPageG, 0, 81, 580, 27,
                "Red\xE9marer Jaws en fin d'op\xE9ration", 0},

    ControlSpec{DestinationPageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{SharedFoldersCheckG, K::CheckBox, DestinationPageG, 0, 0, 580, 27,
                "Ajouter les dossier des \"param\xE8tres partag\xE9s\" \xE0 la liste", 0},
    ControlSpec{DestinationLabelG, K::Static, DestinationPageG, 0, 27, 580, 27, "", 0},
    ControlSpec{DestinationListG, K::DropDown, DestinationPageG, 0, 54, 580, 24, "", 0},
    ControlSpec{LanguageLabelG, K::Static, DestinationPageG, 0, 81, 580, 27,
                "S\xE9lectionner la langue de jaws", 0},
    ControlSpec{LanguageListG, K::DropDown, DestinationPageG, 0, 108, 580, 24, "", 0},
    ControlSpec{FolderLabelG, K::Static, DestinationPageG, 0, 135, 580, 27,
                "Choix du dossier : ", 0},
    ControlSpec{FolderStringG, K::TextField, DestinationPageG, 0, 162, 430, 24, "", StyleReadOnly},
    ControlSpec{BrowseButtonG, K::Button, DestinationPageG, 440, 162, 135, 24, "Parcourir", 0},

    ControlSpec{GroupPageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{GroupInfoTextG, K::Static, GroupPageG, 0, 0, 580, 81,
                "Des diff\xE9rences de comportements et de fonctionnalit\xE9"
                "es obligent parfois l'auteur \xE0 concevoir des groupes de scripts sp\xE9"
                "cifiques \xE0 des versions de JAWS.\nSi aucune version de groupe de script ne "
                "correspondent \xE0 la version de votre logiciel JAWS, vous pouvez essay\xE9 de "
                "s\xE9lectionner celle im\xE9"
                "diatement inf\xE9rieure.",
                0},
    ControlSpec{GroupLabelG, K::Static, GroupPageG, 0, 108, 580, 24,
                "S\xE9lectionner un groupe de fichier script pour :", 0},
    ControlSpec{GroupFileListG, K::DropDown, GroupPageG, 0, 135, 580, 24, "", 0},

    ControlSpec{FilePageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{ContextMenuButtonG, K::Button, FilePageG, 145, 0, 290, 24,
                "Afficher menu contextuel", 0},
    ControlSpec{FileListTitleG, K::Static, FilePageG, 0, 32, 580, 24,
                "Liste des fichiers \xE0 installer", 0},
    ControlSpec{FileListG, K::CheckList, FilePageG, 0, 54, 580, 270, "R\xE9sum\xE9", 0},
    ControlSpec{AliasLabelG, K::Static, FilePageG, 0, 324, 290, 24, "Alias ", kLabel},
    ControlSpec{AliasStringG, K::TextField, FilePageG, 290, 324, 290, 24, "", 0},

    ControlSpec{ProcessPageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{ProcessLabelG, K::Static, ProcessPageG, 0, 0, 580, 27,
                "D\xE9roulement des op\xE9rations : ", 0},
    ControlSpec{StepEditorG, K::TextArea, ProcessPageG, 0, 27, 580, 361, "", 0},

    ControlSpec{HelpPageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{HelpLabelG, K::Static, HelpPageG, 0, 0, 100, 27, "", kLabel},
    ControlSpec{HelpStringG, K::TextField, HelpPageG, 100, 0, 480, 27, "", StyleReadOnly},
    ControlSpec{HelpEditorG, K::TextArea, HelpPageG, 0, 27, 580, 388,
                "Texte de l'aide ou du fichier", 0},

    ControlSpec{LogPageG, K::Container, 0, 10, 10, 580, 415, "", 0},
    ControlSpec{LogEditorG, K::TextArea, LogPageG, 0, 0, 580, 388, "Journal d\xE9taill\xE9", 0},

    ControlSpec{RunButtonG, K::Button, 0, 480, 425, 110, 25, "Installer", 0},
    ControlSpec{NextButtonG, K::Button, 0, 480, 425, 110, 25, "&Suivant", StyleDefaultButton},
    ControlSpec{HelpButtonG, K::Button, 0, 10, 425, 110, 25, "Aide", 0},
    ControlSpec{PreviousButtonG, K::Button, 0, 330, 425, 110, 25,
                "&Pr\xE9"
                "c\xE9"
                "dent",
                0},
    ControlSpec{CancelButtonG, K::Button, 0, 170, 425, 110, 25, "Annuler", 0},
};

constexpr std::array kShortcuts{
    Shortcut{ShortcutKey::F1, ModAlt, MenuShowLog},
    Shortcut{ShortcutKey::A, ModControl, MenuSelectAll},
    Shortcut{ShortcutKey::S, ModAlt, MenuNext},
    Shortcut{ShortcutKey::P, ModAlt, MenuPrevious},
    Shortcut{ShortcutKey::Apps, ModNone, MenuContextMenu},
    Shortcut{ShortcutKey::F10, ModShift, MenuContextMenu},
    Shortcut{ShortcutKey::F1, ModNone, MenuHelp},
    Shortcut{ShortcutKey::Enter, ModNone, MenuNext},
    Shortcut{ShortcutKey::F2, ModAlt, MenuPassword},
};

// Items 131 and 132 are renamed each time the menu opens; these first names are never seen.
constexpr std::array kFilePopupMenu{
    MenuItemSpec{MenuView, "Visualiser"},
    MenuItemSpec{0, ""},
    MenuItemSpec{MenuToggleCompile, "Ne pas compuler"},
    MenuItemSpec{MenuToggleAdaptation, "Ne pas associer"},
};

}  // namespace

std::span<const ControlSpec> ControlTable() {
  return kControls;
}
std::span<const Shortcut> ShortcutTable() {
  return kShortcuts;
}
std::span<const MenuItemSpec> FilePopupMenuItems() {
  return kFilePopupMenu;
}

}  // namespace zebo
