; Scripts JAWS pour Bloc-notes Plus (JAWS 11)

Include "HjConst.jsh"
Include "BlocNotesPlus.jsh"

Void Function AutoStartEvent ()
	If !gbBnpWelcomed Then
		SayString ("Bloc-notes Plus est prêt.")
		Let gbBnpWelcomed = True
	EndIf
EndFunction

Script BnpSayFileName ()
	SayString (GetWindowName (GetAppMainWindow (GetFocus ())))
EndScript
