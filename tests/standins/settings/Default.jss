; Default script file of the stand-in JAWS used by the tests and the demo.
; It holds what the installer works with: scripts, functions, an include, comments and strings.

Include "HjConst.jsh"

Globals
	int GlobalSpeechCount

/* The start-up function: JAWS calls it once per application.
   The installer adds its own lines inside such functions. */
Void Function AutoStartEvent ()
	Let GlobalSpeechCount = 0
EndFunction

Void Function AutoFinishEvent ()
	Let GlobalSpeechCount = 0
EndFunction

Script SayTime ()
	SayString ("Il est l'heure ; d'un test")
EndScript

Int Function IsReady (handle hWnd)
	If hWnd Then
		Return 1
	EndIf
	Return 0
EndFunction

Script ToggleSpeech ()
	Let GlobalSpeechCount = GlobalSpeechCount + 1
	SayString ("Parole")
EndScript
