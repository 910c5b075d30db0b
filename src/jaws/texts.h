// The fixed French texts of the JAWS environment, in Windows-1252.
#pragma once

namespace zebo::texts {

inline constexpr const char* kUserSettingsLabel = "Mes param\xE8tres de jaws ";
inline constexpr const char* kSharedSettingsLabel = "Param\xE8tres partag\xE9s de jaws ";
inline constexpr const char* kChosenFolderLabel = "Choix d'un dossier";
inline constexpr const char* kRunningSuffix = " en fonctionnement";
inline constexpr const char* kFrench =
    "Fran\xE7"
    "ais";
inline constexpr const char* kAmerican = "Am\xE9ricain";
inline constexpr const char* kScriptManagerTitle = "Info ZeBo";
inline constexpr const char* kCloseScriptManager = "Veuillez fermer le gestionnaire de script !";
inline constexpr const char* kActiveNextStart =
    "Les modifications seront actives aus prochain lancement de JAWS ";
inline constexpr const char* kAskRestart =
    "L'auteur conseille de recharger Jaws pour que les modifications soient prises en "
    "compte.\nVoulez-vous red\xE9marer Jaws ";
inline constexpr const char* kRestartDeclined = " Rechargement annul\xE9 par l'utilisateur !";
inline constexpr const char* kTakenAtNextStart =
    "Les modifications seront prises en compte au prochain lancement de JAWS !";
inline constexpr const char* kRestarting = "* Relancement de JAWS";
inline constexpr const char* kRestartStep = "* ReStart Jaws ";
inline constexpr const char* kRestartDone =
    " Relance de JAWS effectu\xE9"
    "e !";
inline constexpr const char* kRestartFailed = " Erreur durant la relance de JAWS !";

}  // namespace zebo::texts
