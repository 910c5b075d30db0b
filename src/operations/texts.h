// The fixed texts of the operations, as the step list and the message boxes show them.
#pragma once

namespace zebo::texts {

inline constexpr char kNotSelectedInstall[] =
    " Non s\xE9l\xE9"
    "ctionn\xE9 !";
inline constexpr char kNotSelectedCopy[] = " Non s\xE9lectionn\xE9 !";
inline constexpr char kFolderUnreachable[] = " Dossier de destination inacc\xE9ssible !\r\n";
inline constexpr char kUnsafeName[] = "! Nom de fichier refus\xE9, il sortirait du dossier cible !";
inline constexpr char kCompileFailed[] =
    "! La compilation a \xE9"
    "chou\xE9"
    "e";
inline constexpr char kBackupFailed[] =
    "! La sauvegarde a \xE9"
    "chou\xE9"
    "e : ";
inline constexpr char kCompileDone[] =
    " Compilation effectu\xE9"
    "e avec succ\xE9s !";

}  // namespace zebo::texts
