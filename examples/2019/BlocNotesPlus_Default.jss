; Adaptation du script par défaut pour Bloc-notes Plus.
; Les lignes de commentaire qui suivent sont lues par l'installateur :
; merge_file Default.jss
; merge_tag BlocNotesPlus
; merge_addend
; merge_addendfunction AutoStartEvent BnpDefaultStart ()

Void Function BnpDefaultStart ()
	; Rien d'autre qu'un rappel discret dans la barre d'état.
	SayMessage (OT_HELP, "Scripts Bloc-notes Plus installés")
EndFunction
