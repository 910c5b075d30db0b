; Outils réservés aux testeurs de Bloc-notes Plus (fichier protégé)

Include "HjConst.jsh"

Script BnpSpeakVersion ()
	SayString ("Outils de test Bloc-notes Plus")
EndScript
