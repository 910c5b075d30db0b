// The built-in texts of the help page: the help of each wizard page, the licence and the about
// line.
#include "wizard/help_texts.h"

namespace zebo {

namespace {

// Seven fields separated by the pilcrow (0xB6), in page order: the description page's two
// parts (its help, then its bare title), the operation, destination, group, file and last
// pages.
const char kHelpText[] =
    "Ce logiciel est un utilitaire permetant d'installer des scripts jaws sur votre "
    "ordinateur.\r\n"
    "Il choisit pour vous ce qui peut l'\xEAtre : la version de JAWS en fonctionnement, la "
    "langue fran\xE7"
    "aise quand elle est install\xE9"
    "e, le groupe de scripts de votre version et les fichiers \xE0 traiter.\r\n"
    "Chaque choix reste modifiable de page en page, et de nombreux r\xE9glages sont \xE0 votre "
    "disposition : l'op\xE9ration, le dossier, la langue, les fichiers, leur compilation, leur "
    "adaptation et les alias.\r\n"
    "\xB6 Page de description\r\n"
    "\xB6 Page des Op\xE9rations\r\n"
    "Choisissez dans la liste d\xE9roulante l'action \xE0 r\xE9"
    "aliser :\r\n"
    "- Installer les fichiers : copie les scripts dans le dossier de param\xE8tres de JAWS "
    "choisi, adapte le fichier Default.jss quand les scripts le demandent, compile les scripts "
    "et ajoute leurs alias au fichier ConfigNames.ini.\r\n"
    "- Installer les fichiers apr\xE8s la sauvegarde des anciens scrips : fait de m\xEAme, "
    "apr\xE8s avoir gard\xE9 une copie des fichiers remplac\xE9s dans le sous-dossier Bak du "
    "dossier de destination.\r\n"
    "- Copier les fichiers dans un dossier : recopie les fichiers du groupe dans le dossier de "
    "votre choix, sans compilation ni adaptation.\r\n"
    "- Retirer les adaptations des fichiers JSS : enl\xE8ve du fichier Default.jss les lignes "
    "que ces scripts y ont ajout\xE9"
    "es, le recompile et retire leurs alias. Cette action n'est propos\xE9"
    "e que lorsque les scripts adaptent le Default.jss.\r\n"
    "La case \xE0 cocher \xAB Red\xE9marer Jaws en fin d'op\xE9ration \xBB relance JAWS une "
    "fois le travail termin\xE9, pour que les changements prennent effet aussit\xF4t.\r\n"
    "\xB6 Page du dossier\r\n"
    "La premi\xE8re liste d\xE9roulante pr\xE9sente les versions de JAWS install\xE9"
    "es sur cet ordinateur. La version en fonctionnement porte la mention \xAB en "
    "fonctionnement \xBB et elle est choisie d'avance.\r\n"
    "La seconde liste pr\xE9sente les langues de cette version : les scripts vont dans le "
    "dossier de la langue choisie. Le fran\xE7"
    "ais est choisi d'avance quand il existe, et votre choix est gard\xE9 si vous changez de "
    "version.\r\n"
    "Le dernier \xE9l\xE9ment de la premi\xE8re liste, \xAB Choix d'un dossier \xBB, permet de "
    "d\xE9signer n'importe quel dossier avec le bouton Parcourir.\r\n"
    "La case \xE0 cocher des param\xE8tres partag\xE9s ajoute \xE0 la liste les dossiers "
    "communs \xE0 tous les utilisateurs. Une modification de ces dossiers touche tous les "
    "utilisateurs de l'ordinateur ; un message vous le rappelle au passage \xE0 la page "
    "suivante.\r\n"
    "\xB6 Page des groupes de fichiers\r\n"
    "Le comportement et les fonctions de JAWS changent d'une version \xE0 l'autre : l'auteur "
    "des scripts fournit donc parfois un groupe de fichiers par version de JAWS.\r\n"
    "Le groupe qui correspond \xE0 la version de JAWS en fonctionnement est choisi d'avance. Si "
    "aucun groupe ne correspond \xE0 votre version, choisissez celui de la version imm\xE9"
    "diatement inf\xE9rieure.\r\n"
    "\xB6 La page des fichiers :\r\n"
    "La liste pr\xE9sente les fichiers du groupe choisi. Seuls les fichiers coch\xE9s seront "
    "trait\xE9s : la barre d'espace coche ou d\xE9"
    "coche le fichier s\xE9lectionn\xE9. Les fichiers optionnels sont d\xE9"
    "coch\xE9s au d\xE9part, et Contr\xF4le+A coche tous les fichiers.\r\n"
    "La touche Application, Maj+F10 ou le bouton \xAB Afficher menu contextuel \xBB ouvre le "
    "menu du fichier s\xE9lectionn\xE9 : \xAB Visualiser \xBB affiche son contenu, et les deux "
    "autres commandes d\xE9"
    "cident s'il sera compil\xE9 et s'il adaptera le fichier Default.jss.\r\n"
    "Chaque \xE9l\xE9ment d\xE9"
    "crit ce qui sera fait du fichier : \xAB optionnel \xBB signale un fichier facultatif ; "
    "\xAB A compiler en premier \xBB, \xAB en 2\xE8me \xBB... donne son rang dans la "
    "compilation ; \xAB Autoriser l'adaptation du fichier JSS \xBB signale un fichier qui "
    "modifie le Default.jss ; \xAB Ne pas compiler \xBB et \xAB Ne pas r\xE9"
    "aliser l'adaptation \xBB rappellent vos choix du menu ; \xAB dans \xBB nomme le "
    "sous-dossier de destination.\r\n"
    "Le champ Alias, sous la liste, contient les noms d'applications que JAWS associera \xE0 "
    "ces scripts ; vous pouvez le modifier.\r\n"
    "\xB6 La page d'installation :\r\n"
    "La zone de texte r\xE9sume l'op\xE9ration pr\xE9vue : l'application, la version des "
    "scripts, l'auteur, le groupe de fichiers, le dossier de destination et l'action choisie. "
    "Parcourez-la avec les fl\xE8"
    "ches.\r\n"
    "Le bouton Installer, Copier ou Retirer lance l'op\xE9ration ; chaque \xE9tape s'inscrit "
    "ensuite dans la m\xEAme zone de texte. \xC0 la fin, seul le bouton Fermer reste "
    "disponible.\r\n"
    "Avant de lancer l'op\xE9ration, le bouton Pr\xE9"
    "c\xE9"
    "dent vous ram\xE8ne aux pages pr\xE9"
    "c\xE9"
    "dentes pour changer vos choix. Alt+F1 affiche \xE0 tout moment le journal "
    "d\xE9taill\xE9.\r\n";

const char kLicenceText[] =
    "\r\n"
    " Licence d'utilisation de %1\r\n"
    "%1 est distribu\xE9 gratuitement avec les scripts qu'il installe. Vous pouvez l'utiliser "
    "et le redistribuer librement, sans le modifier et sans le vendre.\r\n"
    "%1 est fourni tel quel, sans garantie d'aucune sorte. Les auteurs de %1 ne sont pas "
    "responsables des dommages que son utilisation pourrait causer, ni du contenu des scripts "
    "install\xE9s, qui rel\xE8ve de leur propre auteur.\r\n"
    "En poursuivant l'installation, vous acceptez ces conditions.\r\n";

const char kAboutNotice[] =
    "ZeBo, l'assistant d'installation de scripts pour JAWS, est r\xE9"
    "alis\xE9 par l'\xE9quipe ZeBo pour les utilisateurs de lecteurs d'\xE9"
    "cran.";

}  // namespace

std::string HelpText() {
  return kHelpText;
}

std::string HelpField(int number) {
  const std::string text = kHelpText;
  size_t start = 0;
  for (int field = 1; field < number; ++field) {
    start = text.find('\xB6', start);
    if (start == std::string::npos) return "";
    ++start;
  }
  if (number < 1) return "";
  const size_t end = text.find('\xB6', start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string LicenceText() {
  return kLicenceText;
}

std::string AboutLine() {
  return std::string("\n\n") + kAboutNotice;
}

}  // namespace zebo
