// The fixed texts of the adaptation subsystem, Windows-1252 bytes.
#pragma once

namespace zebo::texts {

inline constexpr char kInsertMarkStart[] = " ; [ ZeBo-";
inline constexpr char kDisableMarkStart[] = "; [ ZeBoComment-";
inline constexpr char kMarkEnd[] = " ]";

inline constexpr char kBadTag[] = "! Le nom du tatouage n'est pas correct !";
// A directive text that would leave a string or a block comment open: its line could not be
// found again by the removal.
inline constexpr char kOpenDirectiveText[] =
    "! Ligne d'adaptation refus\xE9"
    "e (cha\xEEne ou commentaire non ferm\xE9) : ";
// A directive text holding the adaptation's own marks: the removal would take it for a disabled
// line and keep part of it.
inline constexpr char kMarkedDirectiveText[] =
    "! Ligne d'adaptation refus\xE9"
    "e (marque de l'adaptation dans le texte) : ";

inline constexpr char kConflictScript[] = "Le script ";
inline constexpr char kConflictFunction[] = "La fonction ";
inline constexpr char kConflictUsedBy[] = " est d\xE9ja utilis\xE9 par ";
// A header whose line ends inside an open string cannot carry the mark of a replacement.
inline constexpr char kHeaderOpenString[] =
    " ne peut \xEAtre remplac\xE9 (guillemet non ferm\xE9 sur son en-t\xEAte)";
// Lines appended after a block comment that is never closed would be part of that comment.
inline constexpr char kEndInComment[] =
    "Les lignes de fin de fichier seraient dans un commentaire /* non ferm\xE9";

inline constexpr char kAliasHeading[] = "* Mise \xE0 jour des alias du ConfigNames.Ini";
inline constexpr char kAliasOpenFailed[] = "! Le fichier ConfigNames.Ini ne peut \xEAtre ouvert !";
inline constexpr char kAliasWriteFailed[] =
    "! Erreur durant l'\xE9"
    "criture du fichier ConfigNames.Ini";

inline constexpr char kBackupFolderMissing[] = "! Folder dest not exist";
inline constexpr char kBackupCopyFailed[] = "! Copy error";
inline constexpr char kSeedFailed[] = " ! Error during back of JawsAllUsers file";

}  // namespace zebo::texts
