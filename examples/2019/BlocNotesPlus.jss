; Scripts JAWS pour Bloc-notes Plus (JAWS 2019 et suivants)
; Copyright 2026 l'équipe d'exemple de ZeBo. Scripts d'exemple, libres de droits.

Include "HjConst.jsh"
Include "BlocNotesPlus.jsh"
Include "BlocNotesPlus.jsm"

Void Function AutoStartEvent ()
	If !gbBnpWelcomed Then
		SayMessage (OT_APP_START, msgBnpWelcome)
		Let gbBnpWelcomed = True
	EndIf
EndFunction

Script BnpSayDocumentStats ()
	SayMessage (OT_USER_REQUESTED_INFORMATION, msgBnpStats)
EndScript

Script BnpSayFileName ()
	SayString (GetWindowName (GetAppMainWindow (GetFocus ())))
EndScript
