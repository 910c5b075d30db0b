// The numbers of the main window's controls, of its menu events and of its popup menu. Control
// events carry these numbers, so they are fixed: numbers not listed here are unused.
#pragma once

namespace zebo {

// The main window itself.
inline constexpr int MainWindowG = 0;

// Navigation buttons.
inline constexpr int HelpButtonG = 1;
inline constexpr int NextButtonG = 2;
inline constexpr int PreviousButtonG = 3;
inline constexpr int CancelButtonG = 4;
inline constexpr int RunButtonG = 5;

// Description page.
inline constexpr int DescriptionPageG = 6;
inline constexpr int WelcomeTextG = 7;
inline constexpr int ScriptLabelG = 8;
inline constexpr int ScriptStringG = 9;
inline constexpr int AuthorLabelG = 10;
inline constexpr int AuthorStringG = 11;
inline constexpr int ContactLabelG = 12;
inline constexpr int ContactStringG = 13;
inline constexpr int RecommendedLabelG = 14;
inline constexpr int RecommendedStringG = 15;
inline constexpr int CheckVersionButtonG = 16;
inline constexpr int AuthorSiteButtonG = 17;
inline constexpr int ApplicationSiteButtonG = 18;

// Destination page.
inline constexpr int DestinationPageG = 62;
inline constexpr int SharedFoldersCheckG = 63;
inline constexpr int DestinationLabelG = 64;
inline constexpr int DestinationListG = 65;
inline constexpr int LanguageLabelG = 66;
inline constexpr int LanguageListG = 67;
inline constexpr int FolderLabelG = 68;
inline constexpr int FolderStringG = 69;
inline constexpr int BrowseButtonG = 70;

// Operation page.
inline constexpr int OperationPageG = 71;
inline constexpr int OperationLabelG = 72;
inline constexpr int OperationListG = 73;
inline constexpr int RestartJawsCheckG = 74;

// Group page.
inline constexpr int GroupPageG = 81;
inline constexpr int GroupInfoTextG = 82;
inline constexpr int GroupLabelG = 83;
inline constexpr int GroupFileListG = 84;

// File list page.
inline constexpr int FilePageG = 85;
inline constexpr int ContextMenuButtonG = 86;
inline constexpr int FileListTitleG = 87;
inline constexpr int FileListG = 88;
inline constexpr int AliasLabelG = 91;
inline constexpr int AliasStringG = 92;

// Summary and operations page.
inline constexpr int ProcessPageG = 97;
inline constexpr int ProcessLabelG = 98;
inline constexpr int StepEditorG = 99;

// Log page.
inline constexpr int LogPageG = 100;
inline constexpr int LogEditorG = 101;

// Help and file viewer page.
inline constexpr int HelpPageG = 102;
inline constexpr int HelpLabelG = 103;
inline constexpr int HelpStringG = 104;
inline constexpr int HelpEditorG = 105;

// Menu events raised by the keyboard shortcuts.
inline constexpr int MenuShowLog = 118;      // Alt+F1
inline constexpr int MenuPrevious = 119;     // Alt+P
inline constexpr int MenuNext = 120;         // Alt+S, Enter
inline constexpr int MenuHelp = 121;         // F1
inline constexpr int MenuSelectAll = 124;    // Control+A
inline constexpr int MenuContextMenu = 125;  // the context-menu key, Shift+F10
inline constexpr int MenuPassword = 130;     // Alt+F2

// The file list's popup menu and the events of its items.
inline constexpr int FilePopupMenu = 128;
inline constexpr int MenuView = 129;
inline constexpr int MenuToggleCompile = 131;
inline constexpr int MenuToggleAdaptation = 132;

}  // namespace zebo
